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
    return buffer.substr(0, n);
}

TEST(SimDosDevices, StackedDefinitionsQueryNewestFirstAndRemoveOneAtATime) {
    SimDosDevices d;
    for (const char* target : {"C:\\T1", "C:\\T2", "C:/T3/"}) ASSERT_TRUE(d.Define(0, "m:", target));
    EXPECT_EQ(Reply(d, "M:"), "\\??\\C:\\T3\\\0\\??\\C:\\T2\0\\??\\C:\\T1\0\0"s);
    EXPECT_EQ(Reply(d, "M:", 12), "");
    EXPECT_EQ(d.LastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, "M:", "C:\\T2"));
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "M:", std::nullopt));
    EXPECT_EQ(Reply(d, "M:", 13), "\\??\\C:\\T1\0\0"s) << "one target and both closing NULs, exactly in the buffer";
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "M:", ""));
    EXPECT_EQ(Reply(d, "M:"), "");
    EXPECT_EQ(d.LastError(), ERROR_FILE_NOT_FOUND);
}

TEST(SimDosDevices, RemovalMatchesByPrefixOrExactlyCaseInsensitive) {
    const struct {
        uint32_t flags;
        std::optional<std::string> target;
        bool ok;
        Targets left;
    } cases[] = {
        {DDD_REMOVE_DEFINITION, "C:\\temp", true, {"\\??\\C:\\other", "\\??\\C:\\temp"}},  // the newest match
        {DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, "c:\\TEMP", true, {"\\??\\C:\\other", "\\??\\C:\\temp10"}},
        {DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE,
         "C:\\tem",
         false,
         {"\\??\\C:\\other", "\\??\\C:\\temp10", "\\??\\C:\\temp"}},
        {DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE,
         "\\??\\C:\\temp10",
         true,
         {"\\??\\C:\\other", "\\??\\C:\\temp"}},
        {DDD_REMOVE_DEFINITION, std::nullopt, true, {"\\??\\C:\\temp10", "\\??\\C:\\temp"}},  // pops the newest
        {DDD_REMOVE_DEFINITION, "", true, {"\\??\\C:\\temp10", "\\??\\C:\\temp"}},
    };
    for (const auto& c : cases) {
        SimDosDevices d;
        for (const char* target : {"C:\\temp", "C:\\temp10", "C:\\other"}) d.Define(0, "T:", target);
        EXPECT_EQ(d.Define(c.flags, "T:", c.target), c.ok) << c.target.value_or("(none)");
        EXPECT_EQ(d.Targets("T:"), c.left) << c.target.value_or("(none)");
    }
}

TEST(SimDosDevices, DefineRefusesBadNamesAndTargetsAndRemovalOfAnAbsentName) {
    SimDosDevices d;
    const struct {
        uint32_t flags;
        const char* name;
        std::optional<std::string> target;
        uint32_t error;
    } refused[] = {{0, "M:\\", "C:\\Data", ERROR_INVALID_NAME},
                   {0, "M:", std::nullopt, ERROR_INVALID_PARAMETER},
                   {0, "M:", "", ERROR_INVALID_NAME},
                   {DDD_REMOVE_DEFINITION, "K:", "C:\\x", ERROR_FILE_NOT_FOUND}};
    for (const auto& r : refused) {
        EXPECT_FALSE(d.Define(r.flags, r.name, r.target)) << r.name;
        EXPECT_EQ(d.LastError(), r.error) << r.name;
    }
    EXPECT_TRUE(d.Targets("M:").empty());
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "K:", std::nullopt));
    EXPECT_TRUE(d.Define(0, "M:", "C:\\does\\not\\exist")) << "no existence check";
}

TEST(SimDosDevices, LocalAndGlobalTablesElevationAndTheProtectedDisk) {
    SimDosDevices d;
    const Targets disk{"\\Device\\HarddiskVolume3"};
    d.Define(0, "M:", "C:\\Data");
    d.Define(0, "C:", "D:\\Other");  // a local definition shadows the global one
    EXPECT_EQ(d.Targets("C:"), Targets{"\\??\\D:\\Other"});
    d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt);
    EXPECT_EQ(d.Targets("C:"), disk);
    EXPECT_FALSE(d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt));  // a standard user cannot remove the disk
    EXPECT_EQ(d.LastError(), ERROR_ACCESS_DENIED);
    d.SetElevated(true);  // the elevated twin has its own local table and shares the global one
    EXPECT_TRUE(d.Targets("M:").empty());
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt));
    EXPECT_TRUE(d.Targets("C:").empty());
    d.SetElevated(false);
    EXPECT_EQ(d.Targets("M:"), Targets{"\\??\\C:\\Data"});

    d.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share");
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "Z:", ""));  // a network drive is popped by an empty target
    EXPECT_TRUE(d.Targets("Z:").empty());
}

TEST(SimDosDevices, LogicalDriveStringsListsEveryLetterOnceInOrder) {
    SimDosDevices d;
    d.Define(0, "m:", "C:\\Data");
    d.Define(0, "M:", "C:\\More");
    d.AddGlobal("D:", "\\Device\\CdRom0");
    d.Define(0, "NUL2", "C:\\x");  // not a drive letter
    std::string buffer(64, '#'), small(12, '#');
    EXPECT_EQ(d.LogicalDriveStrings(64, buffer.data()), 12u);
    EXPECT_EQ(buffer.substr(0, 13), "C:\\\0D:\\\0M:\\\0\0"s);
    EXPECT_EQ(d.LogicalDriveStrings(12, small.data()), 13u);
    EXPECT_EQ(small, std::string(12, '#'));
}

}  // namespace
}  // namespace plivant::platform::sim
