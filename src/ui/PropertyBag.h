// PropertyBag: where a user control keeps its design-time settings in its host. Each value is read with a
// default and written with the same default; a value equal to its default is not stored.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/Types.h"

namespace plivant::ui {

class PropertyBag {
public:
    using Value = std::variant<bool, int64_t, std::string, Font, Bitmap>;

    // The stored value, or the default when the name is absent or holds another kind of value.
    template <typename T>
    T ReadProperty(const char* name, const T& defaultValue) const {
        reads_.emplace_back(name);
        const auto found = values_.find(name);
        if (found == values_.end()) return defaultValue;
        if constexpr (std::is_same_v<T, bool>) {
            if (const auto* b = std::get_if<bool>(&found->second)) return *b;
        } else if constexpr (std::is_integral_v<T>) {
            if (const auto* i = std::get_if<int64_t>(&found->second)) return static_cast<T>(*i);
        } else {
            if (const auto* v = std::get_if<T>(&found->second)) return *v;
        }
        return defaultValue;
    }
    std::string ReadProperty(const char* name, const char* defaultValue) const {
        return ReadProperty<std::string>(name, std::string(defaultValue));
    }

    template <typename T>
    void WriteProperty(const char* name, const T& value, const T& defaultValue) {
        writes_.emplace_back(name);
        if (value == defaultValue) {
            if (const auto found = values_.find(name); found != values_.end()) values_.erase(found);
        } else {
            Store(name, value);
        }
    }
    void WriteProperty(const char* name, const std::string& value, const char* defaultValue) {
        WriteProperty<std::string>(name, value, std::string(defaultValue));
    }

    bool Contains(const char* name) const { return values_.find(name) != values_.end(); }
    size_t Count() const { return values_.size(); }
    // Set-up of a saved design, as a designer would have stored it.
    template <typename T>
    void Store(const char* name, const T& value) {
        if constexpr (std::is_same_v<T, bool>) {
            values_.insert_or_assign(std::string(name), Value(value));
        } else if constexpr (std::is_integral_v<T>) {
            values_.insert_or_assign(std::string(name), Value(static_cast<int64_t>(value)));
        } else {
            values_.insert_or_assign(std::string(name), Value(value));
        }
    }
    void Store(const char* name, const char* text) {
        values_.insert_or_assign(std::string(name), Value(std::string(text)));
    }

    // The names asked for and written, in order, whether stored or not: the order is part of a control's
    // saved format.
    const std::vector<std::string>& ReadNames() const { return reads_; }
    const std::vector<std::string>& WrittenNames() const { return writes_; }

private:
    std::map<std::string, Value, std::less<>> values_;
    mutable std::vector<std::string> reads_;
    std::vector<std::string> writes_;
};

}  // namespace plivant::ui
