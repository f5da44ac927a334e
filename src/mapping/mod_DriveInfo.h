// The letters of the logical drives the system reports.
#pragma once
#include <string>

#include "platform/DosDevices.h"

namespace plivant {

// One character per logical drive, in the system's order ("ACDE"); empty when the system call fails.
std::string GetDriveLetters(platform::IDosDevices& devices);

// True when a drive of any kind (disk, optical, network, mapped folder) has the letter that the text begins
// with, in either case; false for a text that does not begin with a letter A-Z. Asks the system's mask of
// logical drives only, so an empty removable or optical drive is never touched.
bool DriveExists(platform::IDosDevices& devices, const std::string& drive);

// The letters A-Z, in order, for which DriveExists answers false, from one reading of the mask: a drive box is
// filled from one moment's drives, at a twenty-sixth of the cost.
std::string FreeDriveLetters(platform::IDosDevices& devices);

}  // namespace plivant
