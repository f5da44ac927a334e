// Texts whose length the program cannot know beforehand, from the system calls that report the size they need:
// one helper calls, reads the size the call reports and calls again with that much room (WIL's
// AdaptFixedSizeToAllocatedResult), rather than each port growing a buffer of its own. The buffers whose size the
// program's behaviour fixes (a short path's, the drive list's, the folder picker's, the computer's name) are not
// grown: they stay where that behaviour is written.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace plivant::platform::win32 {

// call(buffer, room) writes at most room characters and a terminating NUL into buffer, and returns the length of the
// whole text: at most room when it fitted; more when it did not, the length it needs (or a larger guess, for a call
// that only tells that it cut the text); nothing when the call failed. The first call has the room given.
template <typename Char = char, typename Call>
std::optional<std::basic_string<Char>> GrowToFit(Call call, size_t room) {
    std::basic_string<Char> text;
    for (;;) {
        text.assign(room + 1, Char());
        const std::optional<size_t> length = call(text.data(), room);
        if (!length) return std::nullopt;
        if (*length <= room) {
            text.resize(*length);
            return text;
        }
        room = *length;
    }
}

}  // namespace plivant::platform::win32
