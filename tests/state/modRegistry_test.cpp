// Reading text values from the registry, and the program's string table.
#include "state/modRegistry.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/WinConst.h"
#include "platform/sim/SimRegistry.h"
#include "state/UiStrings.h"

namespace plivant {
namespace {

using namespace plivant::win;
using namespace std::string_literals;

TEST(GetRegString, ValueOfEveryShapeOrTheDefault) {
    const struct {
        uint32_t type;
        std::string bytes, expected;
    } cases[] = {{REG_SZ, "Laufwerk\0"s, "Laufwerk"},
                 {REG_SZ, "Laufwerk"s, "Laufwerk"},  // without its NUL
                 {REG_SZ, "\0"s, ""},
                 {REG_SZ, ""s, ""},
                 {REG_SZ, "ab\0cd\0"s, "ab"},
                 {REG_SZ, std::string(5000, 'x') + '\0', std::string(5000, 'x')},
                 {REG_SZ, "Lecteur \xe9\0"s, "Lecteur \xe9"},
                 {REG_EXPAND_SZ, "%TEMP%\0"s, "Drive Letter"},  // any other type: the default
                 {REG_DWORD, "\x05\0\0\0"s, "Drive Letter"},
                 {REG_BINARY, "\x01\x02"s, "Drive Letter"},
                 {REG_MULTI_SZ, "a\0b\0\0"s, "Drive Letter"}};
    for (const auto& c : cases) {
        platform::sim::SimRegistry registry;
        registry.SetValue(HKEY_CURRENT_USER, kLanguageKey, "5005", c.type, c.bytes);
        EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kLanguageKey, "5005", "Drive Letter"), c.expected)
            << c.bytes;
        EXPECT_EQ(registry.OpenHandles(), 0);
    }
    platform::sim::SimRegistry registry;  // a missing key or value
    EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kLanguageKey, "5005"), "");
    registry.SetString(HKEY_CURRENT_USER, kLanguageKey, "5006", "Hinzu");
    EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kLanguageKey, "5005", "Drive Letter"), "Drive Letter");
    EXPECT_EQ(GetRegString(registry, 0x80000002u, kLanguageKey, "5006", "Add"), "Add");
    EXPECT_EQ(registry.OpenHandles(), 0);
}

// A registry whose value grows between the size query and the read.
class GrowingRegistry final : public platform::IRegistry {
public:
    class Key final : public platform::IRegistryKey {
    public:
        explicit Key(GrowingRegistry& registry) : registry_(registry) {}
        ~Key() override { ++registry_.closed; }
        int32_t QueryValue(const std::string&, uint32_t* type, uint8_t*, uint32_t* size) override {
            *type = REG_SZ;
            if (registry_.calls++ == 0) {
                *size = 4;
                return ERROR_SUCCESS;
            }
            *size = 40;
            return ERROR_MORE_DATA;
        }

    private:
        GrowingRegistry& registry_;
    };
    int32_t OpenKey(uint32_t, const std::string&, std::unique_ptr<platform::IRegistryKey>& key) override {
        key = std::make_unique<Key>(*this);
        return ERROR_SUCCESS;
    }
    int calls = 0, closed = 0;
};

TEST(GetRegString, ValueChangedBetweenTheTwoReadsKeepsTheDefault) {
    GrowingRegistry registry;
    EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kLanguageKey, "5009", "Plivant"), "Plivant");
    EXPECT_EQ(registry.closed, 1);
}

TEST(UiStrings, EveryTextHasItsOwnEnglishDefaultUnlessTheTableTranslatesIt) {
    platform::sim::SimRegistry registry;
    std::set<std::string> texts;
    for (int id = 5001; id <= 5029; ++id) {
        if (id > 5020 && id < 5029) continue;
        const auto text = static_cast<UiString>(id);
        EXPECT_EQ(LoadUiString(registry, text), DefaultText(text)) << id;
        EXPECT_TRUE(*DefaultText(text) && texts.insert(DefaultText(text)).second) << id << ": empty or not its own";
        registry.SetString(HKEY_CURRENT_USER, kLanguageKey, std::to_string(id), "T" + std::to_string(id));
        EXPECT_EQ(LoadUiString(registry, text), "T" + std::to_string(id));
    }
    EXPECT_EQ(std::string(DefaultText(UiString::Title)) + DefaultText(UiString::DriveLetter), "PlivantDrive Letter");
    registry.SetString(HKEY_CURRENT_USER, kLanguageKey, "5009", "");
    EXPECT_EQ(LoadUiString(registry, UiString::Title), "") << "an empty translation is empty, not the default";
}

}  // namespace
}  // namespace plivant
