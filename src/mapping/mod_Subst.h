// The drive-letter mapping engine: the only code that defines, queries and removes DOS device names.
// Only the first character of a drive-letter text counts; the engine appends the colon itself.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/DosDevices.h"

namespace plivant {

// The room a query's reply is read in: a shorter reply is followed by blanks, as in the fixed buffer the engine was
// written for; a longer one is read whole.
inline constexpr uint32_t kReplyBufferSize = 1024;

// Defines the letter as the target (flags as DefineDosDeviceA takes them). A letter text that does not
// begin with A-Z (either case) is refused without asking the system.
bool DefineDrive(platform::IDosDevices& devices, const std::string& letter, const std::optional<std::string>& target,
                 uint32_t flags);

// True when the letter's definitions mention "??", the mark of a folder substitution.
bool IsSubstDrive(platform::IDosDevices& devices, const std::string& letter);

// Removes every folder substitution of the letter, each by its own target matched exactly, so that a
// stacked letter is cleared in one call. Disks, optical and network drives on the letter are left alone.
void RemoveDrive(platform::IDosDevices& devices, const std::string& letter);

// The folder behind a substituted letter. For a letter mapped by DefineDrive this is the folder of the
// newest definition followed by the reply buffer's NULs and blank tail (readers stop at the first NUL).
std::string GetSubstPath(platform::IDosDevices& devices, const std::string& letter);

}  // namespace plivant
