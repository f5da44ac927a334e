// Port: the registry, read only, as the ANSI calls shape it.
#pragma once
#include <cstdint>
#include <string>

namespace plivant::platform {

using RegKey = uintptr_t;

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // RegOpenKeyA; returns a Win32 error code.
    virtual int32_t OpenKey(uint32_t root, const std::string& subKey, RegKey* key) = 0;
    // RegQueryValueExA; data may be null to ask for type and size only. Returns a Win32 error code.
    virtual int32_t QueryValue(RegKey key, const std::string& valueName, uint32_t* type, uint8_t* data,
                               uint32_t* size) = 0;
    virtual int32_t CloseKey(RegKey key) = 0;
};

}  // namespace plivant::platform
