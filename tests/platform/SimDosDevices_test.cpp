// The simulated DOS-device table against the way Windows behaves.
#include "platform/sim/SimDosDevices.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"

namespace plivant::platform::sim {
namespace {

using namespace plivant::win;
using namespace std::string_literals;
using Targets = std::vector<std::string>;

std::string Reply(SimDosDevices& d, const std::string& name, uint32_t size = 1024) {
    std::string buffer(size, '#');
    const uint32_t n = d.Query(name, buffer.data(), size);
    return n == 0 ? std::string() : buffer.substr(0, n);
}

TEST(SimDosDevices, StackedDefinitionsQueryNewestFirstAndRemoveOneAtATime) {
    SimDosDevices d;
    ASSERT_TRUE(d.Define(0, "M:", "C:\\T1"));
    ASSERT_TRUE(d.Define(0, "m:", "C:\\T2"));
    ASSERT_TRUE(d.Define(0, "M:", "C:\\T3"));
    EXPECT_EQ(Reply(d, "M:"), "\\??\\C:\\T3\0\\??\\C:\\T2\0\\??\\C:\\T1\0\0"s);

    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, "M:", "C:\\T2"));
    EXPECT_EQ(d.Targets("M:"), (Targets{"\\??\\C:\\T3", "\\??\\C:\\T1"}));
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "M:", std::nullopt));
    EXPECT_EQ(d.Targets("M:"), (Targets{"\\??\\C:\\T1"}));
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "M:", ""));
    EXPECT_EQ(Reply(d, "M:"), "");
    EXPECT_EQ(d.LastError(), ERROR_FILE_NOT_FOUND);
}

TEST(SimDosDevices, OneTargetReplyCountsBothClosingNuls) {
    SimDosDevices d;
    d.Define(0, "Q:", "C:/Data/");
    std::string buffer(64, ' ');
    EXPECT_EQ(d.Query("q:", buffer.data(), 64), std::string("\\??\\C:\\Data\\").size() + 2);
    EXPECT_EQ(buffer.substr(0, 15), "\\??\\C:\\Data\\\0\0 "s);
}

TEST(SimDosDevices, QueryBufferTooSmallFailsWithInsufficientBuffer) {
    SimDosDevices d;
    d.Define(0, "Q:", "C:\\Data");
    const uint32_t needed = std::string("\\??\\C:\\Data").size() + 2;
    std::string buffer(needed, ' ');
    EXPECT_EQ(d.Query("Q:", buffer.data(), needed - 1), 0u);
    EXPECT_EQ(d.LastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(d.Query("Q:", buffer.data(), 0), 0u);
    EXPECT_EQ(d.Query("Q:", buffer.data(), needed), needed);
}

struct RemovalCase {
    const char* name;
    uint32_t flags;
    std::optional<std::string> target;
    bool ok;
    Targets left;
};

class SimDosDevicesRemoval : public testing::TestWithParam<RemovalCase> {};

TEST_P(SimDosDevicesRemoval, MatchesByPrefixOrExactlyCaseInsensitive) {
    SimDosDevices d;
    d.Define(0, "T:", "C:\\temp");
    d.Define(0, "T:", "C:\\temp10");
    d.Define(0, "T:", "C:\\other");
    const auto& c = GetParam();
    EXPECT_EQ(d.Define(c.flags, "T:", c.target), c.ok);
    EXPECT_EQ(d.Targets("T:"), c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimDosDevicesRemoval,
    testing::Values(
        RemovalCase{"PrefixTakesNewestMatch", DDD_REMOVE_DEFINITION, "C:\\temp", true,
                    {"\\??\\C:\\other", "\\??\\C:\\temp"}},
        RemovalCase{"ExactSkipsLongerName", DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, "c:\\TEMP", true,
                    {"\\??\\C:\\other", "\\??\\C:\\temp10"}},
        RemovalCase{"NoMatchChangesNothing", DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, "C:\\tem", false,
                    {"\\??\\C:\\other", "\\??\\C:\\temp10", "\\??\\C:\\temp"}},
        RemovalCase{"RawExact", DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE,
                    "\\??\\C:\\temp10", true, {"\\??\\C:\\other", "\\??\\C:\\temp"}},
        RemovalCase{"NullTargetPopsNewest", DDD_REMOVE_DEFINITION, std::nullopt, true,
                    {"\\??\\C:\\temp10", "\\??\\C:\\temp"}},
        RemovalCase{"EmptyTargetPopsNewest", DDD_REMOVE_DEFINITION, "", true,
                    {"\\??\\C:\\temp10", "\\??\\C:\\temp"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SimDosDevices, DefineRefusesBadNamesAndTargets) {
    SimDosDevices d;
    EXPECT_FALSE(d.Define(0, "M:\\", "C:\\Data"));
    EXPECT_EQ(d.LastError(), ERROR_INVALID_NAME);
    EXPECT_FALSE(d.Define(0, "M:", std::nullopt));
    EXPECT_EQ(d.LastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(d.Define(0, "M:", ""));
    EXPECT_EQ(d.LastError(), ERROR_INVALID_NAME);
    EXPECT_TRUE(d.Targets("M:").empty());
    // No existence check: a missing folder is accepted.
    EXPECT_TRUE(d.Define(0, "M:", "C:\\does\\not\\exist"));
}

TEST(SimDosDevices, RemovingAnAbsentName) {
    SimDosDevices d;
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "K:", std::nullopt));
    EXPECT_FALSE(d.Define(DDD_REMOVE_DEFINITION, "K:", "C:\\x"));
    EXPECT_EQ(d.LastError(), ERROR_FILE_NOT_FOUND);
}

TEST(SimDosDevices, ElevatedTwinHasItsOwnLocalTableAndSharesGlobal) {
    SimDosDevices d;
    d.Define(0, "M:", "C:\\Data");
    d.SetElevated(true);
    EXPECT_TRUE(d.Targets("M:").empty());
    EXPECT_EQ(d.Targets("C:"), (Targets{"\\Device\\HarddiskVolume3"}));
    d.SetElevated(false);
    EXPECT_EQ(d.Targets("M:"), (Targets{"\\??\\C:\\Data"}));
}

TEST(SimDosDevices, GlobalDiskIsProtectedFromAStandardUserOnly) {
    SimDosDevices d;
    EXPECT_FALSE(d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt));
    EXPECT_EQ(d.LastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(d.Targets("C:").size(), 1u);
    d.SetElevated(true);
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt));
    EXPECT_TRUE(d.Targets("C:").empty());
}

TEST(SimDosDevices, LocalDefinitionShadowsGlobal) {
    SimDosDevices d;
    d.Define(0, "C:", "D:\\Other");
    EXPECT_EQ(d.Targets("C:"), (Targets{"\\??\\D:\\Other"}));
    d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt);
    EXPECT_EQ(d.Targets("C:"), (Targets{"\\Device\\HarddiskVolume3"}));
}

TEST(SimDosDevices, NetworkDriveIsPoppedByAnEmptyTargetRemoval) {
    SimDosDevices d;
    d.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share");
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "Z:", ""));
    EXPECT_TRUE(d.Targets("Z:").empty());
}

TEST(SimDosDevices, LogicalDriveStringsListsEveryLetterOnceInOrder) {
    SimDosDevices d;
    d.Define(0, "m:", "C:\\Data");
    d.Define(0, "M:", "C:\\More");
    d.AddGlobal("D:", "\\Device\\CdRom0");
    d.Define(0, "NUL2", "C:\\x");  // not a drive letter
    std::string buffer(64, '#');
    EXPECT_EQ(d.LogicalDriveStrings(64, buffer.data()), 12u);
    EXPECT_EQ(buffer.substr(0, 13), "C:\\\0D:\\\0M:\\\0\0"s);

    std::string small(12, '#');
    EXPECT_EQ(d.LogicalDriveStrings(12, small.data()), 13u);
    EXPECT_EQ(small, std::string(12, '#'));
}

}  // namespace
}  // namespace plivant::platform::sim
