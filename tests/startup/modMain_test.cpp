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
    void ShowSplash() override { shown.push_back("splash"); }
    void ShowMainWindowWithPath(const std::string& path) override { shown.push_back("main:" + path); }
    void ShowMainWindowWithMountDisabled() override { shown.push_back("main:disabled"); }
    std::vector<std::string> shown;
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
        machine.process.commandLine = commandLine;
        auto ports = machine.Ports();
        return platform::sim::EndsTheProcess([&] { Main(ports, windows); });
    }
    Targets Mapped(char letter) const { return machine.dosDevices.Targets(std::string(1, letter) + ":"); }

    platform::sim::SimPlatform machine;
    RecordedWindows windows;
};

TEST_F(EntryRoutine, SecondInstanceEndsAtOnceAndTouchesNothing) {
    machine.files.AddFile(kMountIni, "E:\tC:\\Data\r\n");
    machine.dosDevices.Define(0, "X:", "C:\\Data");
    machine.dosDevices.ClearLog();
    machine.process.previousInstance = true;
    for (const char* commandLine : {"/ini", "-x", "", "C:\\Data"}) EXPECT_TRUE(Run(commandLine)) << commandLine;
    EXPECT_EQ(
        std::tuple(windows.shown.size(), machine.dosDevices.DefineCalls().size(), machine.dosDevices.QueryCount()),
        std::tuple(0u, 0u, 0));
    EXPECT_EQ(Mapped('X').size(), 1u);
}

TEST_F(EntryRoutine, ChoosesTheRunByTheExactCommandLineAndKeepsTheProgramFolder) {
    const std::string longLine(32000, 'a');
    const std::tuple<std::string, std::string, bool> cases[] = {// the window after the splash, ended
                                                                {"", "main:disabled", false},
                                                                {"/ini", "", false},
                                                                {"/INI", "main:/INI", false},
                                                                {"/ini ", "main:/ini ", false},
                                                                {"-", "", true},
                                                                {"-e", "", true},
                                                                {"-\xe9", "", true},
                                                                {" -e", "main: -e", false},
                                                                {"\"C:\\My Folder\"", "main:\"C:\\My Folder\"", false},
                                                                {longLine, "main:" + longLine, false}};
    for (const auto& [commandLine, shown, ended] : cases) {
        windows.shown.clear();
        EXPECT_EQ(Run(commandLine), ended) << commandLine;
        EXPECT_EQ(CommandLine(), commandLine);
        EXPECT_EQ(windows.shown, (shown.empty() ? Targets{"splash"} : Targets{"splash", shown})) << commandLine;
    }
    for (auto [reported, folder] : {std::pair{"C:\\Apps\\Plivant", "C:\\Apps\\Plivant\\"},
                                    {"C:\\Apps\\Plivant\\", "C:\\Apps\\Plivant\\"},
                                    {"D:\\", "D:\\"},
                                    {"", "\\"}}) {
        machine.process.programFolder = reported;
        Run("/ini");
        EXPECT_EQ(ProgramFolder(), folder);
    }
}

TEST_F(EntryRoutine, RemovalRunClearsEveryDefinitionOfTheLetterAndLeavesDisksNetworkDrivesAndOddTextsAlone) {
    machine.dosDevices.Define(0, "E:", "C:\\Data");
    machine.dosDevices.Define(0, "E:", "C:\\Temp");
    machine.dosDevices.Define(0, "F:", "C:\\Data");
    for (const char* commandLine : {"-", "-\xe9", "-1", "-:", "-e"}) EXPECT_TRUE(Run(commandLine));
    Run("-C");
    Run("-Z");
    EXPECT_EQ(std::tuple(Mapped('E').size(), Mapped('F').size(), Mapped('C').size(), Mapped('Z').size()),
              std::tuple(0u, 1u, 1u, 1u));
}

TEST_F(EntryRoutine, StartupRunMapsExactlyTheValidLines) {
    Run("/ini");
    EXPECT_TRUE(machine.dosDevices.DefineCalls().empty());
    const std::string list =
        "E:\tC:\\Data\tx\r\n"                   // third field ignored
        "f:\tc:\\my documents\\work files\r\n"  // lower case, mapped in short form
        "G:\tC:\\Missing\r\n"                   // no such folder
        "H: C:\\Data\r\n"                       // no TAB
        "\r\n"                                  // empty line
        "\tC:\\Data\r\n"                        // no drive letter
        "I:\tC:\\Data\\..\\Data\r\n"            // still a folder
        "E:\tC:\\Data\r\n"                      // a second definition stacks
        "J:\tC:\\Data";                         // last line without CR LF
    machine.files.AddFile(kMountIni, list);
    EXPECT_FALSE(Run("/ini"));
    EXPECT_EQ(std::tuple(Mapped('E'), Mapped('F'), Mapped('G'), Mapped('H'), Mapped('I').size(), Mapped('J')),
              std::tuple(Targets{kData[0], kData[0]}, Targets{"\\??\\c:\\MYDOCU~1\\WORKFI~1"}, Targets{}, Targets{}, 1u,
                         kData));
    EXPECT_EQ(machine.files.Content(kMountIni), list) << "the list is not rewritten";
    machine.files.AddFolder("C:\\Caf\xE9", 0, "CAFE~1");
    machine.process.programFolder = "D:\\";
    machine.files.AddFile("D:\\mount.ini",
                          "K:\tC:\\Caf\xC3\xA9\r\nL:\tC:\\Caf\xC3\xA9\xE4\xB8\x80\r\nM:\tC:\\Data\r\n");
    Run("/ini");
    EXPECT_EQ(std::tuple(Mapped('K'), Mapped('L'), Mapped('M')),
              std::tuple(Targets{"\\??\\C:\\CAFE~1"}, Targets{}, kData));
}

TEST_F(EntryRoutine, StartupRunOfABadListDoesNoHarm) {
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("K:\tC:\\Data\r\n")) utf16.append({c, '\0'});
    const uint32_t plain = win::FILE_ATTRIBUTE_ARCHIVE;
    const std::tuple<const char*, std::string, uint32_t, Targets> cases[] = {
        {"binary with NULs", std::string("\0\x01\xff\t\0\r\n\x80\x90\tC:\\Data\0junk\r\nK:\tC:\\Data\0\r\n", 37), plain,
         kData},
        {"a megabyte folder", "E:\t" + std::string(1 << 20, 'x') + "\r\nK:\tC:\\Data\r\n", plain, kData},
        {"past MAX_PATH", "E:\tC:\\Data\\" + std::string(300, 'a') + "\r\nK:\tC:\\Data\r\n", plain, kData},
        {"only CRs", std::string(5000, '\r'), plain, {}},
        {"hidden: absent", "K:\tC:\\Data\r\n", win::FILE_ATTRIBUTE_HIDDEN, {}},
        {"UTF-16 as PowerShell writes it", utf16, plain, kData}};
    for (const auto& [name, content, attributes, mapped] : cases) {
        platform::sim::SimPlatform fresh;
        fresh.files.AddFolder("C:\\Data");
        fresh.process.programFolder = "C:\\Apps\\Plivant";
        fresh.process.commandLine = "/ini";
        fresh.files.AddFile(kMountIni, content, attributes);
        auto ports = fresh.Ports();
        Main(ports, windows);
        EXPECT_EQ(std::tuple(fresh.dosDevices.Targets("K:"), fresh.dosDevices.LogicalDriveMask()),
                  std::tuple(mapped, mapped.empty() ? 0x4u : 0x404u))
            << name;
    }
}

}  // namespace
}  // namespace plivant
