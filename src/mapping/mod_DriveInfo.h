// The letters of the logical drives the system reports.
#pragma once
#include <string>

#include "platform/DosDevices.h"

namespace plivant {

// One character per logical drive, in the system's order ("ACDE"); empty when the system call fails.
std::string GetDriveLetters(platform::IDosDevices& devices);

}  // namespace plivant
