// The letters of the logical drives.
#include "mapping/mod_DriveInfo.h"

#include <gtest/gtest.h>

#include "mapping/mod_Subst.h"
#include "platform/sim/SimDosDevices.h"

namespace plivant {
namespace {

TEST(GetDriveLetters, OneLetterPerDriveInTheSystemsOrder) {
    platform::sim::SimDosDevices devices;
    devices.AddGlobal("D:", "\\Device\\CdRom0");
    EXPECT_EQ(GetDriveLetters(devices), "CD");
    ASSERT_TRUE(DefineDrive(devices, "m", "C:\\Data", 0));
    devices.AddGlobal("A:", "\\Device\\Floppy0");
    EXPECT_EQ(GetDriveLetters(devices), "ACDM");
}

TEST(GetDriveLetters, EveryLetterAtOnce) {
    platform::sim::SimDosDevices devices;
    for (char c = 'A'; c <= 'Z'; ++c) devices.AddGlobal(std::string(1, c) + ":", "\\Device\\X");
    EXPECT_EQ(GetDriveLetters(devices), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
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

TEST(GetDriveLetters, FailureOrOversizedAnswerGivesNoLetters) {
    for (uint32_t answer : {0u, 2047u, 5000u}) {
        BrokenDrives devices(answer);
        EXPECT_EQ(GetDriveLetters(devices), "") << answer;
    }
}

TEST(DriveExists, AnyDriveOfTheLetterInEitherCaseAndNothingElse) {
    platform::sim::SimDosDevices devices;  // C: only
    devices.AddGlobal("D:", "\\Device\\CdRom0");
    devices.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000\\server\\share");
    ASSERT_TRUE(DefineDrive(devices, "s", "C:\\Gone", 0));  // a mapped folder counts, even a missing one
    const struct {
        const char* drive;
        bool exists;
    } cases[] = {{"C:", true}, {"c", true}, {"D: ", true}, {"S:", true}, {"z:", true},  {"E:", false},
                 {"A:", false}, {"", false},  {":", false},  {"1:", false}, {"\xC4:", false}};
    for (const auto& c : cases) EXPECT_EQ(DriveExists(devices, c.drive), c.exists) << '"' << c.drive << '"';
    EXPECT_EQ(devices.QueryCount(), 0);  // the mask alone answers
}

TEST(DriveExists, AFailedMaskNamesNoDrive) {
    BrokenDrives devices(0);
    EXPECT_FALSE(DriveExists(devices, "C:"));
}

}  // namespace
}  // namespace plivant
