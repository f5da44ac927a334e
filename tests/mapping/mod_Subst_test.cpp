// The mapping engine against the simulated device table.
#include "mapping/mod_Subst.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimDosDevices.h"

namespace plivant {
namespace {

using namespace plivant::win;
using platform::sim::SimDosDevices;
using Targets = std::vector<std::string>;

constexpr const char* kNetworkZ = "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share";

class MappingEngine : public testing::Test {
protected:
    MappingEngine() {
        devices.AddGlobal("D:", "\\Device\\CdRom0");
        devices.AddLocal("Z:", kNetworkZ);
        devices.ClearLog();
    }
    SimDosDevices devices;
};

TEST_F(MappingEngine, DefineUsesTheFirstCharacterAndAppendsTheColon) {
    for (const char* letter : {"E", "e:", "E: ", "E:\tC:\\Data"}) {
        EXPECT_TRUE(DefineDrive(devices, letter, "C:\\Data", 0)) << letter;
    }
    ASSERT_EQ(devices.DefineCalls().size(), 4u);
    EXPECT_EQ(devices.DefineCalls()[1].name, "e:");
    EXPECT_EQ(devices.DefineCalls()[3].name, "E:");
    EXPECT_EQ(devices.DefineCalls()[3].target, "C:\\Data");
    EXPECT_EQ(devices.Targets("E:").size(), 4u);
}

TEST_F(MappingEngine, LetterTextWithoutADriveLetterIsRefusedWithoutAskingTheSystem) {
    for (const char* letter : {"", ":", "1", " E", "\xE9", "\\", "-", "\t"}) {
        EXPECT_FALSE(DefineDrive(devices, letter, "C:\\Data", 0)) << letter;
        EXPECT_FALSE(IsSubstDrive(devices, letter)) << letter;
        RemoveDrive(devices, letter);
        EXPECT_EQ(GetSubstPath(devices, letter), std::string(1020, ' ')) << letter;
    }
    EXPECT_TRUE(devices.DefineCalls().empty());
    EXPECT_EQ(devices.QueryCount(), 0);
}

TEST_F(MappingEngine, EmptyOrAbsentTargetIsPassedOnAndTheSystemsAnswerReturned) {
    EXPECT_FALSE(DefineDrive(devices, "E", "", 0));
    EXPECT_FALSE(DefineDrive(devices, "E", std::nullopt, 0));
    ASSERT_EQ(devices.DefineCalls().size(), 2u);
    EXPECT_EQ(devices.DefineCalls()[0].target, "");
    EXPECT_EQ(devices.DefineCalls()[1].target, std::nullopt);
}

TEST_F(MappingEngine, StackedLetterReportsTheNewestFolderAndOneRemovalClearsIt) {
    ASSERT_TRUE(DefineDrive(devices, "M", "C:\\One", 0));
    ASSERT_TRUE(DefineDrive(devices, "M", "C:\\Two", 0));
    ASSERT_TRUE(DefineDrive(devices, "m", "C:\\Three", 0));
    EXPECT_EQ(std::string(GetSubstPath(devices, "M").c_str()), "C:\\Three");
    RemoveDrive(devices, "m");
    EXPECT_TRUE(devices.Targets("M:").empty());
    EXPECT_FALSE(IsSubstDrive(devices, "M"));
}

struct SubstCase {
    const char* letter;
    bool subst;
};

class IsSubstDriveTable : public MappingEngine, public testing::WithParamInterface<SubstCase> {};

TEST_P(IsSubstDriveTable, TellsSubstitutionsFromOtherDrives) {
    ASSERT_TRUE(DefineDrive(devices, "M", "C:\\Data", 0));
    EXPECT_EQ(IsSubstDrive(devices, GetParam().letter), GetParam().subst);
}

INSTANTIATE_TEST_SUITE_P(Letters, IsSubstDriveTable,
                         testing::Values(SubstCase{"M", true}, SubstCase{"m", true}, SubstCase{"m: row", true},
                                         SubstCase{"C", false}, SubstCase{"D", false}, SubstCase{"Z", false},
                                         SubstCase{"Q", false}));

TEST_F(MappingEngine, RemovingAFreeLetterMakesNoRemovalCall) {
    RemoveDrive(devices, "Q");
    EXPECT_TRUE(devices.DefineCalls().empty());
    EXPECT_EQ(devices.QueryCount(), 1);
}

TEST_F(MappingEngine, RemovalLeavesDisksOpticalAndNetworkDrivesAlone) {
    for (bool elevated : {false, true}) {
        devices.SetElevated(elevated);
        for (const char* letter : {"C", "c", "D", "Z"}) RemoveDrive(devices, letter);
    }
    devices.SetElevated(false);
    EXPECT_TRUE(devices.DefineCalls().empty());
    EXPECT_EQ(devices.Targets("C:"), Targets{"\\Device\\HarddiskVolume3"});
    EXPECT_EQ(devices.Targets("D:"), Targets{"\\Device\\CdRom0"});
    EXPECT_EQ(devices.Targets("Z:"), Targets{kNetworkZ});
}

TEST_F(MappingEngine, RemovalTakesOnlyTheSubstitutionsStackedOnANetworkDrive) {
    ASSERT_TRUE(DefineDrive(devices, "Z", "C:\\Data", 0));
    ASSERT_TRUE(DefineDrive(devices, "Z", "C:\\Temp", 0));
    RemoveDrive(devices, "z");
    EXPECT_EQ(devices.Targets("Z:"), Targets{kNetworkZ});
    for (const auto& call : devices.DefineCalls()) {
        if (!(call.flags & DDD_REMOVE_DEFINITION)) continue;
        EXPECT_EQ(call.name, "z:");
        EXPECT_EQ(call.flags, DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE);
        ASSERT_TRUE(call.target);
        EXPECT_TRUE(call.target->starts_with("\\??\\C:\\"));
    }
}

TEST_F(MappingEngine, RemovalOfPrefixSharingFoldersRemovesEachByItsOwnTarget) {
    ASSERT_TRUE(DefineDrive(devices, "T", "C:\\temp10", 0));
    ASSERT_TRUE(DefineDrive(devices, "T", "C:\\temp", 0));
    ASSERT_TRUE(DefineDrive(devices, "T", "C:\\temp1", 0));
    RemoveDrive(devices, "T");
    EXPECT_TRUE(devices.Targets("T:").empty());
}

TEST_F(MappingEngine, SubstPathIsTheFolderFollowedByTheRestOfTheReplyBuffer) {
    ASSERT_TRUE(DefineDrive(devices, "M", "C:\\PROGRA~1\\MYDATA~1", 0));
    const std::string path = GetSubstPath(devices, "m");
    ASSERT_EQ(path.size(), 1020u);
    EXPECT_EQ(path.substr(0, 21), std::string("C:\\PROGRA~1\\MYDATA~1\0", 21));
    EXPECT_EQ(path[21], '\0');
    EXPECT_EQ(path.substr(22), std::string(1020 - 22, ' '));
}

TEST_F(MappingEngine, SubstPathOfAnUnknownLetterIsBlanks) {
    EXPECT_EQ(GetSubstPath(devices, "Q"), std::string(1020, ' '));
}

TEST_F(MappingEngine, SubstPathPrefersALaterDefinitionWithoutThePrefix) {
    devices.AddLocal("N:", "\\Device\\HarddiskVolume9");
    ASSERT_TRUE(DefineDrive(devices, "N", "C:\\Data", 0));
    EXPECT_EQ(GetSubstPath(devices, "N"), "\\Device\\HarddiskVolume9");
}

TEST_F(MappingEngine, ReplyThatDoesNotFitTheBufferCountsAsUnknown) {
    const std::string longFolder = "C:\\" + std::string(600, 'a');
    ASSERT_TRUE(DefineDrive(devices, "L", longFolder, 0));
    ASSERT_TRUE(DefineDrive(devices, "L", longFolder + "b", 0));
    EXPECT_FALSE(IsSubstDrive(devices, "L"));
    RemoveDrive(devices, "L");
    EXPECT_EQ(devices.Targets("L:").size(), 2u);
}

}  // namespace
}  // namespace plivant
