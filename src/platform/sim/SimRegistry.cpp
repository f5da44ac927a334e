// The simulated registry.
#include "platform/sim/SimRegistry.h"

#include <cstring>
#include <utility>

#include "platform/WinConst.h"
#include "util/Text.h"

namespace plivant::platform::sim {

using namespace plivant::win;

std::string SimRegistry::KeyName(uint32_t root, const std::string& subKey) {
    std::string path(text::UpToNul(subKey));
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return std::to_string(root) + "\\" + text::ToUpperAscii(path);
}

// An open key: the key's name, counted among the registry's open keys until it goes.
class SimRegistry::Key final : public IRegistryKey {
public:
    Key(SimRegistry& registry, std::string name) : registry_(registry), name_(std::move(name)) { ++registry_.open_; }
    ~Key() override { --registry_.open_; }
    int32_t QueryValue(const std::string& valueName, uint32_t* type, uint8_t* data, uint32_t* size) override {
        return registry_.QueryValue(name_, valueName, type, data, size);
    }

private:
    SimRegistry& registry_;
    std::string name_;
};

int32_t SimRegistry::OpenKey(uint32_t root, const std::string& subKey, std::unique_ptr<IRegistryKey>& key) {
    key.reset();
    auto name = KeyName(root, subKey);
    if (!keys_.count(name)) return kErrorFileNotFound;
    key = std::make_unique<Key>(*this, std::move(name));
    return kErrorSuccess;
}

int32_t SimRegistry::QueryValue(const std::string& keyName, const std::string& valueName, uint32_t* type, uint8_t* data,
                                uint32_t* size) {
    ++queries_;
    const auto& values = keys_.at(keyName);
    const auto value = values.find(text::ToUpperAscii(text::UpToNul(valueName)));
    if (value == values.end()) return kErrorFileNotFound;
    if (type) *type = value->second.type;
    const auto needed = static_cast<uint32_t>(value->second.bytes.size());
    if (!data) {
        if (size) *size = needed;
        return kErrorSuccess;
    }
    if (!size) return kErrorInvalidParameter;
    if (*size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    std::memcpy(data, value->second.bytes.data(), needed);
    *size = needed;
    return kErrorSuccess;
}

void SimRegistry::SetValue(uint32_t root, const std::string& subKey, const std::string& name, uint32_t type,
                           const std::string& bytes) {
    keys_[KeyName(root, subKey)][text::ToUpperAscii(name)] = {type, bytes};
}

void SimRegistry::SetString(uint32_t root, const std::string& subKey, const std::string& name,
                            const std::string& value) {
    SetValue(root, subKey, name, kRegSz, value + std::string(1, '\0'));
}

void SimRegistry::DeleteKey(uint32_t root, const std::string& subKey) {
    keys_.erase(KeyName(root, subKey));
}

}  // namespace plivant::platform::sim
