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
        machine.files.AddFolder("C:\\Apps\\Plivant");
        machine.files.AddFolder("C:\\Data");
        machine.files.AddFolder("C:\\My Documents\\Work Files");
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
    EXPECT_TRUE(windows.shown.empty());
    EXPECT_TRUE(machine.dosDevices.DefineCalls().empty());
    EXPECT_EQ(machine.dosDevices.QueryCount(), 0);
    EXPECT_EQ(Mapped('X').size(), 1u);
}

TEST_F(EntryRoutine, TheProgramFolderEndsInExactlyOneBackslash) {
    for (auto [reported, folder] : {std::pair{"C:\\Apps\\Plivant", "C:\\Apps\\Plivant\\"},
                                    {"C:\\Apps\\Plivant\\", "C:\\Apps\\Plivant\\"},
                                    {"D:\\", "D:\\"},
                                    {"", "\\"}}) {
        machine.process.programFolder = reported;
        Run("/ini");
        EXPECT_EQ(ProgramFolder(), folder);
    }
}

TEST_F(EntryRoutine, ChoosesTheRunByTheExactCommandLine) {
    const std::string longLine(32000, 'a');
    const struct {
        std::string commandLine, shown;  // the windows after the splash
        bool ended;
    } cases[] = {{"", "main:disabled", false},
                 {"/ini", "", false},
                 {"/INI", "main:/INI", false},
                 {"/ini ", "main:/ini ", false},
                 {"-", "", true},
                 {"-e", "", true},
                 {"-\xe9", "", true},
                 {" -e", "main: -e", false},
                 {"\"C:\\My Folder\"", "main:\"C:\\My Folder\"", false},
                 {longLine, "main:" + longLine, false}};
    for (const auto& c : cases) {
        windows.shown.clear();
        EXPECT_EQ(Run(c.commandLine), c.ended) << c.commandLine;
        EXPECT_EQ(CommandLine(), c.commandLine);
        EXPECT_EQ(windows.shown, (c.shown.empty() ? Targets{"splash"} : Targets{"splash", c.shown})) << c.commandLine;
    }
}

TEST_F(EntryRoutine, RemovalRunClearsEveryDefinitionOfTheLetterAndLeavesDisksNetworkDrivesAndOddTextsAlone) {
    machine.dosDevices.Define(0, "E:", "C:\\Data");
    machine.dosDevices.Define(0, "E:", "C:\\Temp");
    machine.dosDevices.Define(0, "F:", "C:\\Data");
    for (const char* commandLine : {"-", "-\xe9", "-1", "-:", "-e"}) EXPECT_TRUE(Run(commandLine));
    EXPECT_TRUE(Mapped('E').empty());
    EXPECT_EQ(Mapped('F').size(), 1u);
    for (bool elevated : {false, true}) {
        machine.dosDevices.SetElevated(elevated);
        Run("-C");
        Run("-Z");
    }
    machine.dosDevices.SetElevated(false);
    EXPECT_EQ(Mapped('C').size() + Mapped('Z').size(), 2u);
}

TEST_F(EntryRoutine, StartupRunMapsExactlyTheValidLines) {
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
    EXPECT_EQ(Mapped('E'), (Targets{"\\??\\C:\\Data", "\\??\\C:\\Data"}));
    EXPECT_EQ(Mapped('F'), Targets{"\\??\\c:\\MYDOCU~1\\WORKFI~1"});
    EXPECT_TRUE(Mapped('G').empty() && Mapped('H').empty());
    EXPECT_EQ(Mapped('I').size(), 1u);
    EXPECT_EQ(Mapped('J'), kData);
    EXPECT_EQ(machine.files.Content(kMountIni), list) << "the list is not rewritten";
}

TEST_F(EntryRoutine, StartupRunWithoutAListOrInADriveRootFolder) {
    Run("/ini");
    EXPECT_TRUE(machine.dosDevices.DefineCalls().empty());
    machine.process.programFolder = "D:\\";
    machine.files.AddFile("D:\\mount.ini", "K:\tC:\\Data\r\n");
    Run("/ini");
    EXPECT_EQ(Mapped('K'), kData);
}

std::string ManyLines() {
    std::string content;
    for (int i = 0; i < 100000; ++i) content += "E:\tC:\\Missing\r\n";
    return content + "K:\tC:\\Data\r\n";
}

std::string Utf16LeMarked(std::string_view ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) bytes.append({c, '\0'});
    return bytes;
}

TEST_F(EntryRoutine, StartupRunMapsAUtf8FolderNameInTheAnsiCodePageAndSkipsAnotherScript) {
    machine.files.AddFolder("C:\\Caf\xE9", 0, "CAFE~1");
    machine.files.AddFile(kMountIni, "E:\tC:\\Caf\xC3\xA9\r\nF:\tC:\\Caf\xC3\xA9\xE4\xB8\x80\r\nG:\tC:\\Data\r\n");
    Run("/ini");
    EXPECT_EQ(Mapped('E'), Targets{"\\??\\C:\\CAFE~1"});
    EXPECT_TRUE(Mapped('F').empty());
    EXPECT_EQ(Mapped('G'), kData);
}

TEST_F(EntryRoutine, StartupRunOfABadListDoesNoHarm) {
    const struct {
        const char* name;
        std::string content;
        uint32_t attributes;
        Targets mappedOnK;
    } cases[] = {
        {"binary with NULs", std::string("\0\x01\xff\t\0\r\n\x80\x90\tC:\\Data\0junk\r\nK:\tC:\\Data\0\r\n", 37),
         win::FILE_ATTRIBUTE_ARCHIVE, kData},
        {"a megabyte line", std::string(1 << 20, 'x') + "\r\nK:\tC:\\Data\r\n", win::FILE_ATTRIBUTE_ARCHIVE, kData},
        {"a megabyte folder", "E:\t" + std::string(1 << 20, 'x') + "\r\nK:\tC:\\Data\r\n", win::FILE_ATTRIBUTE_ARCHIVE,
         kData},
        {"past MAX_PATH", "E:\tC:\\Data\\" + std::string(300, 'a') + "\r\nK:\tC:\\Data\r\n",
         win::FILE_ATTRIBUTE_ARCHIVE, kData},
        {"many lines", ManyLines(), win::FILE_ATTRIBUTE_ARCHIVE, kData},
        {"only CRs", std::string(5000, '\r'), win::FILE_ATTRIBUTE_ARCHIVE, {}},
        {"hidden: absent", "K:\tC:\\Data\r\n", win::FILE_ATTRIBUTE_HIDDEN, {}},
        {"system: absent", "K:\tC:\\Data\r\n", win::FILE_ATTRIBUTE_SYSTEM, {}},
        {"lone LFs", "K:\tC:\\Data\nK:\tC:\\Missing\n", win::FILE_ATTRIBUTE_ARCHIVE, kData},
        {"a UTF-8 mark before the first line", "\xEF\xBB\xBFK:\tC:\\Data\r\n", win::FILE_ATTRIBUTE_ARCHIVE, kData},
        {"UTF-16 as PowerShell writes it", Utf16LeMarked("K:\tC:\\Data\r\n"), win::FILE_ATTRIBUTE_ARCHIVE, kData},
    };
    for (const auto& c : cases) {
        platform::sim::SimPlatform fresh;
        fresh.files.AddFolder("C:\\Data");
        fresh.process.programFolder = "C:\\Apps\\Plivant";
        fresh.process.commandLine = "/ini";
        fresh.files.AddFile(kMountIni, c.content, c.attributes);
        auto ports = fresh.Ports();
        Main(ports, windows);
        EXPECT_EQ(fresh.dosDevices.Targets("K:"), c.mappedOnK) << c.name;
        EXPECT_EQ(fresh.dosDevices.LogicalDriveMask(), c.mappedOnK.empty() ? 0x4u : 0x404u) << c.name;
    }
}

}  // namespace
}  // namespace plivant
