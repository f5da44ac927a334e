// Port: the registry, read only, as the ANSI calls shape it. An opened key is an object of the port that closes
// the key when it goes, so that no path out of a reading routine leaves a key open.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace plivant::platform {

// An open key; RegCloseKey when it goes.
class IRegistryKey {
public:
    virtual ~IRegistryKey() = default;
    // RegQueryValueExA; data may be null to ask for type and size only. Returns a Win32 error code.
    virtual int32_t QueryValue(const std::string& valueName, uint32_t* type, uint8_t* data, uint32_t* size) = 0;
};

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // RegOpenKeyA; returns a Win32 error code. On success key holds the open key, otherwise none.
    virtual int32_t OpenKey(uint32_t root, const std::string& subKey, std::unique_ptr<IRegistryKey>& key) = 0;
};

}  // namespace plivant::platform
