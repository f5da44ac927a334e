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

    int OpenHandles() const { return open_; }
    int QueryCount() const { return queries_; }

private:
    class Key;
    int32_t QueryValue(const std::string& keyName, const std::string& valueName, uint32_t* type, uint8_t* data,
                       uint32_t* size);

    struct Value {
        uint32_t type;
        std::string bytes;
    };
    using Values = std::map<std::string, Value>;  // upper-case value name -> value
    static std::string KeyName(uint32_t root, const std::string& subKey);

    std::map<std::string, Values> keys_;  // "root\SUBKEY" upper case -> values
    int open_ = 0;                        // keys opened and not yet closed
    int queries_ = 0;
};

}  // namespace plivant::platform::sim
