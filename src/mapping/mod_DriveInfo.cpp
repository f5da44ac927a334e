// The letters of the logical drives.
#include "mapping/mod_DriveInfo.h"

#include "util/Text.h"

namespace plivant {

std::string GetDriveLetters(platform::IDosDevices& devices) {
    constexpr uint32_t kBufferSize = 2048;
    std::string buffer(kBufferSize, '\0');
    // One less than the buffer, so the list always ends in a NUL even when the system fills it.
    const uint32_t length = devices.LogicalDriveStrings(kBufferSize - 1, buffer.data());
    std::string letters;
    if (length == 0 || length >= kBufferSize - 1) return letters;
    std::string_view rest(buffer);
    for (;;) {
        const auto nul = rest.find('\0');
        if (nul == 0 || nul == std::string_view::npos) break;
        letters.push_back(rest.front());
        rest.remove_prefix(nul + 1);
    }
    return letters;
}

bool DriveExists(platform::IDosDevices& devices, const std::string& drive) {
    if (drive.empty() || !text::IsAsciiLetter(drive.front())) return false;
    const int bit = text::ToUpperAscii(drive.front()) - 'A';
    return (devices.LogicalDriveMask() >> bit & 1u) != 0;
}

std::string FreeDriveLetters(platform::IDosDevices& devices) {
    const uint32_t present = devices.LogicalDriveMask();
    std::string letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if ((present >> (letter - 'A') & 1u) == 0) letters.push_back(letter);
    }
    return letters;
}

}  // namespace plivant
