// The mapping engine against the simulated device table, and the letters of the logical drives.
#include "mapping/mod_Subst.h"

#include <gtest/gtest.h>

#include "mapping/mod_DriveInfo.h"
#include "platform/WinConst.h"
#include "platform/sim/SimDosDevices.h"

namespace plivant {
namespace {

using namespace plivant::win;
using Targets = std::vector<std::string>;

constexpr const char* kNetworkZ = "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share";

class MappingEngine : public testing::Test {
protected:
    MappingEngine() {
        devices.AddGlobal("D:", "\\Device\\CdRom0");
        devices.AddLocal("Z:", kNetworkZ);
        devices.ClearLog();
    }
    platform::sim::SimDosDevices devices;
};

TEST_F(MappingEngine, DefineUsesTheFirstCharacterAndAppendsTheColonAndPassesAnEmptyTargetOn) {
    for (const char* letter : {"E", "e:", "E: ", "E:\tC:\\Data"})
        EXPECT_TRUE(DefineDrive(devices, letter, "C:\\Data", 0));
    EXPECT_FALSE(DefineDrive(devices, "E", "", 0));
    EXPECT_FALSE(DefineDrive(devices, "E", std::nullopt, 0));
    const auto& calls = devices.DefineCalls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[1].name + calls[3].name + *calls[3].target, "e:E:C:\\Data");
    EXPECT_EQ(std::pair(calls[4].target, calls[5].target),
              std::pair(std::optional<std::string>(""), std::optional<std::string>()));
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

TEST_F(MappingEngine, TellsSubstitutionsFromOtherDrives) {
    ASSERT_TRUE(DefineDrive(devices, "M", "C:\\Data", 0));
    for (auto [letter, subst] :
         {std::pair{"M", true}, {"m", true}, {"m: row", true}, {"C", false}, {"D", false}, {"Z", false}, {"Q", false}})
        EXPECT_EQ(IsSubstDrive(devices, letter), subst) << letter;
}

TEST_F(MappingEngine, OneRemovalClearsAStackAndTakesEachPrefixSharingFolderByItsOwnTarget) {
    for (const char* folder : {"C:\\One", "C:\\Two", "C:\\Three"}) ASSERT_TRUE(DefineDrive(devices, "m", folder, 0));
    EXPECT_EQ(std::string(GetSubstPath(devices, "M").c_str()), "C:\\Three");  // the newest
    RemoveDrive(devices, "m");
    EXPECT_TRUE(devices.Targets("M:").empty());
    for (const char* folder : {"C:\\temp10", "C:\\temp", "C:\\temp1"})
        ASSERT_TRUE(DefineDrive(devices, "T", folder, 0));
    RemoveDrive(devices, "T");
    EXPECT_TRUE(devices.Targets("T:").empty());
    devices.ClearLog();
    RemoveDrive(devices, "Q");  // a free letter: asked about, nothing removed
    EXPECT_TRUE(devices.DefineCalls().empty());
    EXPECT_EQ(devices.QueryCount(), 1);
}

TEST_F(MappingEngine, RemovalLeavesDisksOpticalAndNetworkDrivesAloneButTakesWhatIsStackedOnThem) {
    for (bool elevated : {false, true}) {
        devices.SetElevated(elevated);
        for (const char* letter : {"C", "c", "D", "Z"}) RemoveDrive(devices, letter);
    }
    devices.SetElevated(false);
    EXPECT_TRUE(devices.DefineCalls().empty());
    EXPECT_EQ(devices.Targets("C:"), Targets{"\\Device\\HarddiskVolume3"});
    EXPECT_EQ(devices.Targets("D:"), Targets{"\\Device\\CdRom0"});
    ASSERT_TRUE(DefineDrive(devices, "Z", "C:\\Data", 0));
    ASSERT_TRUE(DefineDrive(devices, "Z", "C:\\Temp", 0));
    RemoveDrive(devices, "z");
    EXPECT_EQ(devices.Targets("Z:"), Targets{kNetworkZ});
    for (const auto& call : devices.DefineCalls()) {
        if (!(call.flags & DDD_REMOVE_DEFINITION)) continue;
        EXPECT_EQ(call.name, "z:");
        EXPECT_EQ(call.flags, DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE);
        EXPECT_TRUE(call.target->starts_with("\\??\\C:\\"));
    }
}

TEST_F(MappingEngine, SubstPathIsTheFolderFollowedByTheRestOfTheReplyBuffer) {
    ASSERT_TRUE(DefineDrive(devices, "M", "C:\\PROGRA~1\\MYDATA~1", 0));
    EXPECT_EQ(GetSubstPath(devices, "m"), std::string("C:\\PROGRA~1\\MYDATA~1\0\0", 22) + std::string(1020 - 22, ' '));
    EXPECT_EQ(GetSubstPath(devices, "Q"), std::string(1020, ' '));  // unknown: blanks
    devices.AddLocal("N:", "\\Device\\HarddiskVolume9");            // a later definition without the prefix wins
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

// A system whose answer does not fit the buffer, or that fails.
class BrokenDrives final : public platform::IDosDevices {
public:
    explicit BrokenDrives(uint32_t answer) : answer_(answer) {}
    bool Define(uint32_t, const std::string&, const std::optional<std::string>&) override { return false; }
    uint32_t Query(const std::string&, char*, uint32_t) override { return 0; }
    uint32_t LogicalDriveStrings(uint32_t, char*) override { return answer_; }
    uint32_t LogicalDriveMask() override { return answer_; }

private:
    uint32_t answer_;
};

TEST_F(MappingEngine, DriveLettersInTheSystemsOrderAndNoneWhenItFails) {
    EXPECT_EQ(GetDriveLetters(devices), "CDZ");
    ASSERT_TRUE(DefineDrive(devices, "m", "C:\\Data", 0));
    devices.AddGlobal("A:", "\\Device\\Floppy0");
    EXPECT_EQ(GetDriveLetters(devices), "ACDMZ");
    for (char c = 'A'; c <= 'Z'; ++c) devices.AddGlobal(std::string(1, c) + ":", "\\Device\\X");
    EXPECT_EQ(GetDriveLetters(devices), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (uint32_t answer : {0u, 2047u, 5000u}) {
        BrokenDrives broken(answer);
        EXPECT_EQ(GetDriveLetters(broken), "") << answer;
    }
}

TEST_F(MappingEngine, DriveExistsForAnyDriveOfTheLetterInEitherCaseFromTheMaskAlone) {
    ASSERT_TRUE(DefineDrive(devices, "s", "C:\\Gone", 0));  // a mapped folder counts, even a missing one
    devices.ClearLog();
    for (auto [drive, exists] : {std::pair{"C:", true},
                                 {"c", true},
                                 {"D: ", true},
                                 {"S:", true},
                                 {"z:", true},
                                 {"E:", false},
                                 {"A:", false},
                                 {"", false},
                                 {":", false},
                                 {"1:", false},
                                 {"\xC4:", false}})
        EXPECT_EQ(DriveExists(devices, drive), exists) << '"' << drive << '"';
    EXPECT_EQ(devices.QueryCount(), 0);
    BrokenDrives failed(0);
    EXPECT_FALSE(DriveExists(failed, "C:"));
}

}  // namespace
}  // namespace plivant
