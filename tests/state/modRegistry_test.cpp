// Reading text values from the registry, and the program's string table.
#include "state/modRegistry.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimRegistry.h"
#include "state/UiStrings.h"

namespace plivant {
namespace {

using namespace plivant::win;
using namespace std::string_literals;

constexpr const char* kKey = "Software\\Corvinel\\Plivant\\Language";

struct ValueCase {
    const char* name;
    uint32_t type;
    std::string bytes;
    std::string expected;
};

class GetRegStringTable : public testing::TestWithParam<ValueCase> {};

TEST_P(GetRegStringTable, ValueOfEveryShape) {
    platform::sim::SimRegistry registry;
    const auto& c = GetParam();
    registry.SetValue(HKEY_CURRENT_USER, kKey, "5005", c.type, c.bytes);
    EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kKey, "5005", "Drive Letter"), c.expected);
    EXPECT_EQ(registry.OpenHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetRegStringTable,
    testing::Values(ValueCase{"Text", REG_SZ, "Laufwerk\0"s, "Laufwerk"},
                    ValueCase{"TextWithoutNul", REG_SZ, "Laufwerk"s, "Laufwerk"}, ValueCase{"Empty", REG_SZ, "\0"s, ""},
                    ValueCase{"ZeroBytes", REG_SZ, ""s, ""}, ValueCase{"EmbeddedNul", REG_SZ, "ab\0cd\0"s, "ab"},
                    ValueCase{"Long", REG_SZ, std::string(5000, 'x') + '\0', std::string(5000, 'x')},
                    ValueCase{"Expandable", REG_EXPAND_SZ, "%TEMP%\0"s, "Drive Letter"},
                    ValueCase{"Number", REG_DWORD, "\x05\0\0\0"s, "Drive Letter"},
                    ValueCase{"Binary", REG_BINARY, "\x01\x02"s, "Drive Letter"},
                    ValueCase{"Multi", REG_MULTI_SZ, "a\0b\0\0"s, "Drive Letter"},
                    ValueCase{"HighBytes", REG_SZ, "Lecteur \xe9\0"s, "Lecteur \xe9"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(GetRegString, MissingKeyOrValueGivesTheDefault) {
    platform::sim::SimRegistry registry;
    EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kKey, "5005", "Drive Letter"), "Drive Letter");
    EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kKey, "5005"), "");
    registry.SetString(HKEY_CURRENT_USER, kKey, "5006", "Hinzu");
    EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kKey, "5005", "Drive Letter"), "Drive Letter");
    EXPECT_EQ(GetRegString(registry, 0x80000002u, kKey, "5006", "Add"), "Add");
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
    int calls = 0;
    int closed = 0;
};

TEST(GetRegString, ValueChangedBetweenTheTwoReadsKeepsTheDefault) {
    GrowingRegistry registry;
    EXPECT_EQ(GetRegString(registry, HKEY_CURRENT_USER, kKey, "5009", "Plivant"), "Plivant");
    EXPECT_EQ(registry.closed, 1);
}

struct DefaultCase {
    UiString id;
    const char* text;
};

class UiStringDefaults : public testing::TestWithParam<DefaultCase> {};

TEST_P(UiStringDefaults, EnglishTextWhenTheTableIsEmptyAndTranslationWhenSet) {
    platform::sim::SimRegistry registry;
    const auto& c = GetParam();
    EXPECT_STREQ(DefaultText(c.id), c.text);
    EXPECT_EQ(LoadUiString(registry, c.id), c.text);
    registry.SetString(HKEY_CURRENT_USER, kKey, std::to_string(static_cast<int>(c.id)), "T");
    EXPECT_EQ(LoadUiString(registry, c.id), "T");
}

INSTANTIATE_TEST_SUITE_P(
    Table, UiStringDefaults,
    testing::Values(
        DefaultCase{UiString(5001), "Folder to mount"},
        DefaultCase{UiString(5002), "Drive Creation Failed.  Please check your drive letter and path selections."},
        DefaultCase{UiString(5003), "Mount @ Windows Startup"}, DefaultCase{UiString(5004), "Folder path to mount"},
        DefaultCase{UiString(5005), "Drive Letter"}, DefaultCase{UiString(5006), "Add"},
        DefaultCase{UiString(5007), "Browse"}, DefaultCase{UiString(5008), "List to mount"},
        DefaultCase{UiString(5009), "Plivant"}, DefaultCase{UiString(5010), "Setup [Mount as Win Boot]"},
        DefaultCase{UiString(5011), "Help"}, DefaultCase{UiString(5012), "List of Mounted Folders"},
        DefaultCase{UiString(5013), "List of Previously Mounted Folders"}, DefaultCase{UiString(5014), "PLIVANT HELP"},
        DefaultCase{UiString(5015),
                    "Right-Click on folder in explorer|and select mount. Select the drive|letter and mount."},
        DefaultCase{UiString(5016),
                    "Mount on win startup will mount a|selected folder to a drive letter|when run "
                    "from the startup menu|with the switch /ini."},
        DefaultCase{UiString(5017), "Developed by"}, DefaultCase{UiString(5018), "Unmount"},
        DefaultCase{UiString(5019), "Clear"}, DefaultCase{UiString(5020), "Mount"},
        DefaultCase{UiString(5029), "About"}));

TEST(UiStrings, EmptyTranslationIsEmptyNotTheDefault) {
    platform::sim::SimRegistry registry;
    registry.SetString(HKEY_CURRENT_USER, kKey, "5009", "");
    EXPECT_EQ(LoadUiString(registry, UiString::Title), "");
}

}  // namespace
}  // namespace plivant
