// The mapping engine against the simulated device table (and that table's own rules), the letters of the logical
// drives, and the path and file helpers against the simulated file system.
#include "mapping/mod_Subst.h"

#include <gtest/gtest.h>

#include "mapping/modFiles.h"
#include "mapping/mod_DriveInfo.h"
#include "platform/WinConst.h"
#include "platform/sim/SimDosDevices.h"
#include "platform/sim/SimPlatform.h"

namespace plivant {
namespace {

using namespace plivant::win;
using Targets = std::vector<std::string>;

constexpr const char* kNetworkZ = "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share";
const std::string kBlanks(1020, ' ');

class MappingEngine : public testing::Test {
protected:
    MappingEngine() {
        devices.AddGlobal("D:", "\\Device\\CdRom0");
        devices.AddLocal("Z:", kNetworkZ);
        devices.ClearLog();
    }
    platform::sim::SimDosDevices devices;
};

TEST_F(MappingEngine, DefineUsesTheFirstCharacterNothingIsAskedWithoutALetterAndSubstitutionsAndTheirPathsAreTold) {
    for (const char* letter : {"", "1", "\xE9", "\\"}) {
        EXPECT_FALSE(DefineDrive(devices, letter, "C:\\Data", 0) || IsSubstDrive(devices, letter)) << letter;
        RemoveDrive(devices, letter);
        EXPECT_EQ(GetSubstPath(devices, letter), kBlanks) << letter;
    }
    EXPECT_EQ(std::tuple(devices.DefineCalls().size(), devices.QueryCount()), std::tuple(0u, 0));
    for (const char* letter : {"e:", "E:\tC:\\Data"}) EXPECT_TRUE(DefineDrive(devices, letter, "C:\\Data", 0));
    EXPECT_FALSE(DefineDrive(devices, "E", std::nullopt, 0));
    EXPECT_EQ(devices.DefineCalls()[0].name + devices.DefineCalls()[1].name, "e:E:");
    EXPECT_EQ(devices.Targets("E:").size(), 2u);
    ASSERT_TRUE(DefineDrive(devices, "M", "C:\\PROGRA~1\\MYDATA~1", 0));
    for (auto [letter, subst] : {std::pair{"m: row", true}, {"C", false}, {"Z", false}, {"Q", false}})
        EXPECT_EQ(IsSubstDrive(devices, letter), subst) << letter;
    EXPECT_EQ(GetSubstPath(devices, "m"), std::string("C:\\PROGRA~1\\MYDATA~1\0\0", 22) + kBlanks.substr(22));
    devices.AddLocal("N:", "\\Device\\HarddiskVolume9");
    ASSERT_TRUE(DefineDrive(devices, "N", "C:\\Data", 0));
    EXPECT_EQ(GetSubstPath(devices, "N"), "\\Device\\HarddiskVolume9");
    // Targets longer than 1,024 characters together are read whole: listed, and removed to the last.
    const std::string longFolder = "C:\\" + std::string(600, 'a');
    ASSERT_TRUE(DefineDrive(devices, "L", longFolder + "b", 0) && DefineDrive(devices, "L", longFolder, 0));
    EXPECT_EQ(std::tuple(IsSubstDrive(devices, "L"), std::string(GetSubstPath(devices, "L").c_str())),
              std::tuple(true, longFolder));
    RemoveDrive(devices, "L");
    EXPECT_TRUE(devices.Targets("L:").empty());
}

// A broken system: its list of drives fails or does not fit the buffer, and it calls every path a folder, as Wine does
// one of more than 65,535 characters: it reads the length in 16 bits, so that "C:\" and 65,536 more name the root.
class BrokenSystem final : public platform::IDosDevices, public platform::IFileSystem {
public:
    explicit BrokenSystem(uint32_t answer = 0) : answer_(answer) {}
    bool Define(uint32_t, const std::string&, const std::optional<std::string>&) override { return false; }
    std::optional<std::string> Query(const std::string&) override { return std::nullopt; }
    uint32_t LogicalDriveStrings(uint32_t, char*) override { return answer_; }
    uint32_t LogicalDriveMask() override { return answer_; }
    bool FindFiles(const std::string&, const std::function<bool(const platform::FindEntry&)>&) override {
        return false;
    }
    uint32_t ShortPathName(const std::string&, char*, uint32_t) override { return 0; }
    std::u16string ShortPathNameW(std::u16string_view) override { return {}; }
    uint32_t IsDirectory(const std::string&) override { return kFileAttributeDirectory; }
    std::optional<std::string> ReadFile(const std::string&) override { return std::nullopt; }
    bool Append(const std::string&, const std::string&) override { return false; }
    bool Replace(const std::string&, const std::string&) override { return false; }
    bool Delete(const std::string&) override { return false; }

private:
    uint32_t answer_;
};

TEST_F(MappingEngine, OneRemovalClearsAStackAndLeavesTheSystemsDrivesAloneAndTheDriveLettersAreListedAndTold) {
    for (const char* folder : {"C:\\temp10", "C:\\temp", "C:\\temp1"})
        ASSERT_TRUE(DefineDrive(devices, "t", folder, 0));
    EXPECT_EQ(std::string(GetSubstPath(devices, "T").c_str()), "C:\\temp1");
    RemoveDrive(devices, "T");
    EXPECT_TRUE(devices.Targets("T:").empty());
    devices.ClearLog();
    devices.SetElevated(true);
    for (const char* letter : {"C", "D", "Z", "Q"}) RemoveDrive(devices, letter);
    devices.SetElevated(false);
    EXPECT_EQ(std::tuple(devices.DefineCalls().size(), devices.Targets("C:"), devices.Targets("D:")),
              std::tuple(0u, Targets{"\\Device\\HarddiskVolume3"}, Targets{"\\Device\\CdRom0"}));
    ASSERT_TRUE(DefineDrive(devices, "Z", "C:\\Data", 0) && DefineDrive(devices, "Z", "C:\\Temp", 0));
    RemoveDrive(devices, "z");
    EXPECT_EQ(devices.Targets("Z:"), Targets{kNetworkZ});
    for (const auto& call : devices.DefineCalls()) {
        if (!(call.flags & kDddRemoveDefinition)) continue;
        EXPECT_EQ(std::tuple(call.name, call.flags, call.target->starts_with("\\??\\C:\\")),
                  std::tuple("z:", kDddRawTargetPath | kDddRemoveDefinition | kDddExactMatchOnRemove, true));
    }
    ASSERT_TRUE(DefineDrive(devices, "s", "C:\\Gone", 0));
    devices.AddGlobal("A:", "\\Device\\Floppy0");
    EXPECT_EQ(std::tuple(GetDriveLetters(devices), FreeDriveLetters(devices)),
              std::tuple("ACDSZ", "BEFGHIJKLMNOPQRTUVWXY"));
    for (const char* drive : {"c", "D: ", "S:", "z:"}) EXPECT_TRUE(DriveExists(devices, drive)) << drive;
    for (const char* drive : {"E:", "", "1:", "\xC4:"}) EXPECT_FALSE(DriveExists(devices, drive)) << drive;
    BrokenSystem failing(0), tooLong(2047);
    EXPECT_EQ(GetDriveLetters(failing) + GetDriveLetters(tooLong), "");
}

// The simulated table's rules that the engine's tests do not reach: which definition a removal takes, and the errors
// of refused calls, as Windows answers them.
TEST(SimDosDevices, ARemovalTakesTheNewestMatchingDefinitionAndRefusalsSetTheirErrors) {
    const std::string temp = "\\??\\C:\\temp", temp10 = "\\??\\C:\\temp10", other = "\\??\\C:\\other";
    const std::tuple<uint32_t, std::optional<std::string>, bool, Targets> removals[] = {
        {kDddRemoveDefinition, "C:/temp", true, {other, temp}},  // a prefix, in either slash
        {kDddRemoveDefinition | kDddExactMatchOnRemove, "c:\\TEMP", true, {other, temp10}},
        {kDddRemoveDefinition | kDddExactMatchOnRemove, "C:\\tem", false, {other, temp10, temp}},
        {kDddRawTargetPath | kDddRemoveDefinition | kDddExactMatchOnRemove, temp10, true, {other, temp}},
        {kDddRemoveDefinition, std::nullopt, true, {temp10, temp}}};
    for (const auto& [flags, target, ok, left] : removals) {
        platform::sim::SimDosDevices t;
        for (const char* folder : {"C:\\temp", "C:\\temp10", "C:\\other"}) t.Define(0, "t:", folder);
        EXPECT_EQ(t.Define(flags, "T:", target), ok) << flags;
        EXPECT_EQ(t.Targets("T:"), left) << flags;
    }
    platform::sim::SimDosDevices d;
    for (const auto& [flags, name, target, error] :
         {std::tuple{0u, "M:\\", std::optional<std::string>("C:\\Data"), kErrorInvalidName},
          {0u, "M:", std::nullopt, kErrorInvalidParameter},
          {kDddRemoveDefinition, "K:", "C:\\x", kErrorFileNotFound},
          {kDddRemoveDefinition, "C:", std::nullopt, kErrorAccessDenied}}) {  // the system's disk
        EXPECT_FALSE(d.Define(flags, name, target)) << name;
        EXPECT_EQ(d.LastError(), error) << name;
    }
    EXPECT_TRUE(d.Define(kDddRemoveDefinition, "K:", std::nullopt)) << "nothing to remove, nothing asked";
}

class PathHelpers : public testing::Test {
protected:
    PathHelpers() {
        fs.AddVolume('C');
        fs.AddVolume('E', false);  // a volume that keeps no 8.3 names
        fs.AddFolder("C:\\Program Files\\My Data");
        fs.AddFolder("C:\\Secret", kFileAttributeHidden);
        fs.AddFile("C:\\Data\\plain.txt", "x", kFileAttributeArchive);
        fs.AddFile("C:\\Data\\readonly.txt", "x", kFileAttributeReadOnly);
        fs.AddFile("C:\\Data\\hidden.txt", "x", kFileAttributeHidden);
        fs.AddFile("C:\\Data\\system.txt", "x", kFileAttributeSystem);
        fs.AddFile("C:\\Only\\hidden.ini", "x", kFileAttributeHidden);
        fs.AddFolder("E:\\Long Folder Name\\Inner Folder");
    }
    platform::sim::SimFileSystem fs;
};

TEST_F(PathHelpers, ExistenceAndLongAndShortPaths) {
    for (const char* path : {"c:\\data\\PLAIN.TXT", "C:\\Data\\readonly.txt", "C:\\Data\\pl?in.txt"})
        EXPECT_TRUE(FileExists(fs, path)) << path;
    for (const char* path : {"C:\\Data\\hidden.txt", "C:\\Data\\system.txt", "C:\\Data", "C:\\Only\\*.ini", ""})
        EXPECT_FALSE(FileExists(fs, path)) << path;
    EXPECT_TRUE(FileExists(fs, std::string("C:\\Data\\plain.txt\0junk", 23)));
    for (const char* path : {"C:\\", "C:\\Secret"}) EXPECT_TRUE(FolderExists(fs, path)) << path;
    for (const std::string& path : {std::string("C:\\Data\\plain.txt"), "C:\\" + std::string(300, 'a')})
        EXPECT_FALSE(FolderExists(fs, path)) << path;
    BrokenSystem wine;  // a path longer than the system's longest names no folder
    EXPECT_EQ(std::pair(FolderExists(wine, "C:\\" + std::string(32764, 'x')),
                        FolderExists(wine, "C:\\" + std::string(65536, 'x'))),
              std::pair(true, false));
    const std::pair<std::string, const char*> longPaths[] = {
        {"C:\\PROGRA~1\\MYDATA~1\\", "C:\\Program Files\\My Data"},
        {"c:\\program files\\my data", "c:\\Program Files\\My Data"},
        {"C:\\", "C:"},
        {"C:\\Data\\missing", ""},
        {"C:\\Prog*\\My*", ""},
        // The reply of the device table, read up to the NUL; a letter mapped to a root searches "C:\" with NULs.
        {std::string("C:\\PROGRA~1\\MYDATA~1\0\0", 22) + std::string(998, ' '), "C:\\Program Files\\My Data"},
        {std::string("C:\\\0\0", 5) + std::string(1015, ' '), ""}};
    for (const auto& [in, out] : longPaths) EXPECT_EQ(GetLongPath(fs, in), out) << in.c_str();
    for (auto [in, out] : {std::pair<std::string, std::string>{"C:\\Program Files\\My Data", "C:\\PROGRA~1\\MYDATA~1"},
                           {"E:\\Long Folder Name\\Inner Folder", "E:\\Long Folder Name\\Inner Folder"},
                           {"C:\\Missing", ""},
                           {"C:\\" + std::string(400, 'x'), ""}})
        EXPECT_EQ(GetShortPath(fs, in), out);
}

}  // namespace
}  // namespace plivant
