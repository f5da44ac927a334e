// Port: the system's table of DOS device names and the list of logical drives.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace plivant::platform {

class IDosDevices {
public:
    virtual ~IDosDevices() = default;

    // DefineDosDeviceA. An absent target is passed to the system as NULL.
    virtual bool Define(uint32_t flags, const std::string& deviceName, const std::optional<std::string>& target) = 0;

    // QueryDosDeviceA with as much room as the reply needs: "T1\0T2\0...\0\0"; nothing when the system does not know
    // the name or the call fails.
    virtual std::optional<std::string> Query(const std::string& deviceName) = 0;

    // GetLogicalDriveStringsA: "C:\\\0D:\\\0\0"; returns the length without the final NUL, or the size
    // needed when the buffer is too small (the buffer is then left alone).
    virtual uint32_t LogicalDriveStrings(uint32_t size, char* buffer) = 0;

    // GetLogicalDrives: bit 0 for A: up to bit 25 for Z:, one for every drive of any kind (mapped folders
    // included); 0 when the call fails.
    virtual uint32_t LogicalDriveMask() = 0;
};

}  // namespace plivant::platform
