// The entry routine on a simulated machine: single instance, program folder, dispatch, the start-up run.
#include "startup/modMain.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"

namespace plivant {
namespace {

using Targets = std::vector<std::string>;
constexpr const char* kMountIni = "C:\\Apps\\Plivant\\mount.ini";
const Targets kData{"\\??\\C:\\Data"};

class RecordedWindows final : public StartupWindows {
public:
    void ShowSplash() override { shown += "splash"; }
    void ShowMainWindowWithPath(const std::string& path) override { shown += " main:" + path; }
    void ShowMainWindowWithMountDisabled(bool refused) override {
        shown += refused ? " main:refused" : " main:disabled";
    }
    std::string shown;
};

class EntryRoutine : public testing::Test {
protected:
    EntryRoutine() {
        for (const char* folder : {"C:\\Apps\\Plivant", "C:\\Data", "C:\\My Documents\\Work Files"})
            machine.files.AddFolder(folder);
        machine.process.programFolder = "C:\\Apps\\Plivant";
        machine.dosDevices.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share");
    }
    // Runs the program; true when it ended the process.
    bool Run(const std::string& commandLine) {
        windows.shown.clear();
        machine.process.commandLine = commandLine;
        auto ports = machine.Ports();
        return platform::sim::EndsTheProcess([&] { Main(ports, windows); });
    }
    Targets Mapped(char letter) const { return machine.dosDevices.Targets(std::string(1, letter) + ":"); }

    platform::sim::SimPlatform machine;
    RecordedWindows windows;
};

TEST_F(EntryRoutine, ChoosesTheRunByTheExactCommandLineAndKeepsTheProgramFolder) {
    const std::tuple<std::string, std::string, bool> cases[] = {
        // the command line, the windows shown, whether the run ended the process
        {"", "splash main:disabled", false},
        {"/ini", "splash", false},
        {"/ini ", "splash main:/ini ", false},
        {"/INI", "splash main:/INI", false},
        {"-e", "splash", true},
        {" -e", "splash main: -e", false},
        {"\"C:\\My Folder\"", "splash main:\"C:\\My Folder\"", false},
    };
    for (const auto& [commandLine, shown, ended] : cases) {
        EXPECT_EQ(Run(commandLine), ended) << commandLine;
        EXPECT_EQ(std::pair(CommandLine(), windows.shown), std::pair(commandLine, shown));
    }
    for (auto [reported, folder] :
         {std::pair{"C:\\Apps\\Plivant", "C:\\Apps\\Plivant\\"}, {"D:\\", "D:\\"}, {"", "\\"}}) {
        machine.process.programFolder = reported;
        Run("/ini");
        EXPECT_EQ(ProgramFolder(), folder);
    }
}

TEST_F(EntryRoutine, RemovalRunClearsEveryDefinitionOfItsLetterAloneNotDisksOrNetworkDrivesAndASecondInstanceNothing) {
    for (const auto& [letter, folder] : {std::pair{"E:", "C:\\Data"}, {"E:", "C:\\Temp"}, {"F:", "C:\\Data"}})
        machine.dosDevices.Define(0, letter, folder);
    for (const char* commandLine : {"-", "-\xe9", "-1", "-e", "-C", "-Z"}) EXPECT_TRUE(Run(commandLine));
    EXPECT_EQ(std::tuple(Mapped('E').size(), Mapped('F').size(), Mapped('C').size(), Mapped('Z').size()),
              std::tuple(0u, 1u, 1u, 1u));
    machine.dosDevices.ClearLog();
    machine.files.AddFile(kMountIni, "E:\tC:\\Data\r\n");
    machine.process.previousInstance = true;
    for (const char* commandLine : {"/ini", "-x", ""})
        EXPECT_TRUE(Run(commandLine) && windows.shown.empty()) << commandLine;
    EXPECT_EQ(std::pair(machine.dosDevices.DefineCalls().size(), machine.dosDevices.QueryCount()),
              std::pair(size_t{0}, 0));
}

TEST_F(EntryRoutine, StartupRunOfABadListDoesNoHarmAndOfAGoodOneMapsExactlyTheValidLines) {
    const std::tuple<const char*, std::string, uint32_t, Targets> cases[] = {
        {"binary with NULs", std::string("\0\x01\xff\t\0\r\n\x80\x90\tC:\\Data\0junk\r\nK:\tC:\\Data\0\r\n", 37),
         win::kFileAttributeArchive, kData},
        {"a megabyte folder", "E:\t" + std::string(1 << 20, 'x') + "\r\nK:\tC:\\Data\r\n", 0, kData},
        {"hidden: absent", "K:\tC:\\Data\r\n", win::kFileAttributeHidden, {}}};
    for (const auto& [name, content, attributes, mapped] : cases) {
        machine.files.AddFile(kMountIni, content, attributes);
        EXPECT_FALSE(Run("/ini"));
        // Nothing else is mapped: C:, Z: and K: alone.
        EXPECT_EQ(std::tuple(Mapped('K'), machine.dosDevices.LogicalDriveMask()),
                  std::tuple(mapped, mapped.empty() ? 0x2000004u : 0x2000404u))
            << name;
        machine.dosDevices.Define(win::kDddRemoveDefinition, "K:", std::nullopt);
    }
    const std::string list =
        "E:\tC:\\Data\tx\r\n"                   // third field ignored
        "f:\tc:\\my documents\\work files\r\n"  // lower case, mapped in short form
        "G:\tC:\\Missing\r\n"                   // no such folder
        "H: C:\\Data\r\n"                       // no TAB
        "\tC:\\Data\r\n"                        // no drive letter
        "E:\tC:\\Data\r\n"                      // letters in use are left alone: the same folder again,
        "c:\tC:\\Data\r\nZ:\tC:\\Data\r\n"      // a disk, a network drive,
        "K:\tC:\\Data\r\n"                      // another folder
        "J:\tC:\\Data";                         // last line without CR LF
    machine.dosDevices.Define(0, "K:", "C:\\My Documents");
    const auto inUse = std::tuple(Mapped('C'), Mapped('Z'), Mapped('K'));
    machine.files.AddFile(kMountIni, list);
    EXPECT_FALSE(Run("/ini"));
    EXPECT_EQ(std::tuple(Mapped('E'), Mapped('F'), Mapped('G'), Mapped('H'), Mapped('J')),
              std::tuple(kData, Targets{"\\??\\c:\\MYDOCU~1\\WORKFI~1"}, Targets{}, Targets{}, kData));
    EXPECT_EQ(std::tuple(Mapped('C'), Mapped('Z'), Mapped('K')), inUse);
    EXPECT_EQ(machine.files.Content(kMountIni), list) << "the list is not rewritten";
}

// A folder in another script, as the command line, the program's folder and in the start-up list: named as it is where
// the process code page is UTF-8; on a legacy one by its short form, or refused (a line left out) where it has none.
TEST_F(EntryRoutine, AFolderInAnyScriptIsNamedAsItIsOrByItsShortFormAndRefusedWithoutOne) {
    for (const char* folder : {"C:\\Программы\\Plivant", "C:\\Data\\日本"}) machine.files.AddFolder(folder);
    machine.files.AddVolume('D', false);  // without short names
    machine.files.AddFolder("D:\\Жук");
    machine.files.AddFile("C:\\Программы\\Plivant\\mount.ini", "E:\tC:\\Data\\日本\r\nF:\tD:\\Жук\r\n");
    machine.process.programFolder = "C:\\Программы\\Plivant";
    for (const bool utf8 : {true, false}) {
        machine.codePage.utf8 = utf8;
        const std::tuple<const char*, std::string, std::string> cases[] = {
            // the command line; the window shown with UTF-8, with Windows-1252 as the process code page
            {"C:\\Data\\日本", " main:C:\\Data\\日本", " main:C:\\Data\\__~1"},
            {"D:\\Жук", " main:D:\\Жук", " main:refused"},
            {"-Ж", "", ""}};  // a removal run without a letter
        for (const auto& [commandLine, named, legacy] : cases) {
            EXPECT_EQ(Run(commandLine), commandLine[0] == '-') << commandLine;
            EXPECT_EQ(windows.shown, "splash" + (utf8 ? named : legacy)) << commandLine;
        }
        EXPECT_EQ(ProgramFolder(), utf8 ? "C:\\Программы\\Plivant\\" : "C:\\______~1\\Plivant\\");
        Run("/ini");
        EXPECT_EQ(std::tuple(Mapped('E'), Mapped('F')),
                  std::tuple(Targets{"\\??\\C:\\Data\\__~1"}, utf8 ? Targets{"\\??\\D:\\Жук"} : Targets{}));
        for (const char* letter : {"E:", "F:"})
            machine.dosDevices.Define(win::kDddRemoveDefinition, letter, std::nullopt);
    }
}

}  // namespace
}  // namespace plivant
