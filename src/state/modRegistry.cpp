// Reading text values from the registry.
#include "state/modRegistry.h"

#include <algorithm>

#include "platform/WinConst.h"

namespace plivant {

std::string GetRegString(platform::IRegistry& registry, uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const std::string& defaultText) {
    std::string result = defaultText;
    // When the key cannot be opened the read below fails and the default stays. The key closes as the routine
    // ends.
    std::unique_ptr<platform::IRegistryKey> key;
    if (registry.OpenKey(root, keyPath, key) != win::kErrorSuccess) key.reset();
    uint32_t type = 0;
    uint32_t size = 0;
    if (key && key->QueryValue(valueName, &type, nullptr, &size) == win::kErrorSuccess && type == win::kRegSz) {
        std::string buffer(size, ' ');
        uint32_t read = size;
        // The value may have changed between the two calls; a failed read keeps the default rather than
        // showing blanks.
        if (key->QueryValue(valueName, &type, reinterpret_cast<uint8_t*>(buffer.data()), &read) == win::kErrorSuccess &&
            type == win::kRegSz) {
            buffer.resize(std::min(read, size));
            const auto nul = buffer.find('\0');
            result = nul == std::string::npos ? buffer : buffer.substr(0, nul);
        }
    }
    return result;
}

}  // namespace plivant
