// An in-memory registry with the read calls' Windows semantics: open fails for a missing key, a query with
// no buffer reports type and size, a short buffer gives ERROR_MORE_DATA. Every handle is counted so tests
// can see that each opened key was closed.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace plivant::platform::sim {

class SimRegistry final : public IRegistry {
public:
    int32_t OpenKey(uint32_t root, const std::string& subKey, std::unique_ptr<IRegistryKey>& key) override;

    void SetValue(uint32_t root, const std::string& subKey, const std::string& name, uint32_t type,
                  const std::string& bytes);
    // A REG_SZ value stored the way Windows stores one: the text and its terminating NUL.
    void SetString(uint32_t root, const std::string& subKey, const std::string& name, const std::string& text);
    void DeleteKey(uint32_t root, const std::string& subKey);

    int OpenHandles() const { return static_cast<int>(open_.size()); }
    int QueryCount() const { return queries_; }

private:
    using RegKey = uintptr_t;
    class Key;
    int32_t QueryValue(RegKey key, const std::string& valueName, uint32_t* type, uint8_t* data, uint32_t* size);
    int32_t CloseKey(RegKey key);

    struct Value {
        uint32_t type;
        std::string bytes;
    };
    using Values = std::map<std::string, Value>;  // upper-case value name -> value
    static std::string KeyName(uint32_t root, const std::string& subKey);

    std::map<std::string, Values> keys_;  // "root\SUBKEY" upper case -> values
    std::map<RegKey, std::string> open_;
    RegKey next_ = 0x1000;
    int queries_ = 0;
};

}  // namespace plivant::platform::sim
