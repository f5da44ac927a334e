// Reading text values from the registry, with a default.
#pragma once
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace plivant {

// The REG_SZ value's text up to its first NUL (which may be empty); the default when the key or value is
// missing, of another type, or cannot be read.
std::string GetRegString(platform::IRegistry& registry, uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const std::string& defaultText = "");

}  // namespace plivant
