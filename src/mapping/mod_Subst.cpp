// The drive-letter mapping engine.
#include "mapping/mod_Subst.h"

#include "platform/WinConst.h"
#include "util/Text.h"

namespace plivant {

namespace {

constexpr std::string_view kSubstPrefix = "\\??\\";

bool IsDriveLetterText(const std::string& letter) {
    return !letter.empty() && text::IsAsciiLetter(letter[0]);
}

// The device name in the caller's case, for defining and removing.
std::string DeviceName(const std::string& letter) {
    return std::string(1, letter[0]) + ":";
}

// The letter's definition list, blank-filled to kReplyBufferSize characters, and whether the system knew the letter
// (never when the letter text is not a drive letter).
struct Reply {
    std::string buffer;
    bool known = false;
};

Reply QueryLetter(platform::IDosDevices& devices, const std::string& letter) {
    Reply reply;
    if (IsDriveLetterText(letter)) {
        const auto answer = devices.Query(std::string(1, text::ToUpperAscii(letter[0])) + ":");
        reply.known = answer && !answer->empty();
        if (reply.known) reply.buffer = *answer;
    }
    if (reply.buffer.size() < kReplyBufferSize) reply.buffer.resize(kReplyBufferSize, ' ');
    return reply;
}

}  // namespace

bool DefineDrive(platform::IDosDevices& devices, const std::string& letter, const std::optional<std::string>& target,
                 uint32_t flags) {
    // A text without a drive letter would define a name such as ":" that nobody can see or remove.
    if (!IsDriveLetterText(letter)) return false;
    return devices.Define(flags, DeviceName(letter), target);
}

bool IsSubstDrive(platform::IDosDevices& devices, const std::string& letter) {
    const Reply reply = QueryLetter(devices, letter);
    return reply.known && reply.buffer.find("??") != std::string::npos;
}

void RemoveDrive(platform::IDosDevices& devices, const std::string& letter) {
    const Reply reply = QueryLetter(devices, letter);
    if (!reply.known) return;
    // Only substitutions are removed, each by its own stored target, matched exactly and taken raw so that
    // no path conversion can change it: a removal with an empty or partial target would pop whatever is
    // newest on the letter (a network drive, or for an elevated caller the system's disk).
    constexpr uint32_t kFlags = win::kDddRawTargetPath | win::kDddRemoveDefinition | win::kDddExactMatchOnRemove;
    for (const auto& piece : text::SplitAt(reply.buffer, '\0')) {
        if (piece.size() > kSubstPrefix.size() && piece.starts_with(kSubstPrefix)) {
            devices.Define(kFlags, DeviceName(letter), piece);
        }
    }
}

std::string GetSubstPath(platform::IDosDevices& devices, const std::string& letter) {
    const Reply reply = QueryLetter(devices, letter);
    std::string result;
    if (reply.known) {
        for (const auto& piece : text::SplitAt(reply.buffer, '\0')) {
            if (piece.find("??") == std::string::npos) {
                result = text::TrimBlanks(piece);
                break;
            }
        }
    }
    if (result.empty()) result = reply.buffer.substr(kSubstPrefix.size());
    return result;
}

}  // namespace plivant
