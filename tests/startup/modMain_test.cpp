// The entry routine on a simulated machine: single instance, program folder, dispatch, the start-up run.
#include "startup/modMain.h"

#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"

namespace plivant {
namespace {

using namespace plivant::win;
using Targets = std::vector<std::string>;

class RecordedWindows final : public StartupWindows {
public:
    void ShowSplash() override { shown.push_back("splash"); }
    void ShowMainWindowWithPath(const std::string& path) override { shown.push_back("main:" + path); }
    void ShowMainWindowWithMountDisabled() override { shown.push_back("main:disabled"); }
    std::vector<std::string> shown;
};

constexpr const char* kMountIni = "C:\\Apps\\Plivant\\mount.ini";

class EntryRoutine : public testing::Test {
protected:
    EntryRoutine() {
        machine.files.AddFolder("C:\\Apps\\Plivant");
        machine.files.AddFolder("C:\\Data");
        machine.files.AddFolder("C:\\My Documents\\Work Files");
        machine.process.programFolder = "C:\\Apps\\Plivant";
        machine.dosDevices.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share");
    }
    void Run(const std::string& commandLine) {
        machine.process.commandLine = commandLine;
        machine.dosDevices.ClearLog();
        auto ports = machine.Ports();
        Main(ports, windows);
    }
    Targets Mapped(const char* name) const { return machine.dosDevices.Targets(name); }

    platform::sim::SimPlatform machine;
    RecordedWindows windows;
};

TEST_F(EntryRoutine, SecondInstanceEndsAtOnceAndTouchesNothing) {
    machine.files.AddFile(kMountIni, "E:\tC:\\Data\r\n");
    machine.dosDevices.Define(0, "X:", "C:\\Data");
    machine.process.previousInstance = true;
    for (const char* commandLine : {"/ini", "-x", "", "C:\\Data"}) {
        Run(commandLine);
        EXPECT_EQ(machine.process.endRequests, 1) << commandLine;
        machine.process.endRequests = 0;
    }
    EXPECT_TRUE(windows.shown.empty());
    EXPECT_TRUE(machine.dosDevices.DefineCalls().empty());
    EXPECT_EQ(machine.dosDevices.QueryCount(), 0);
    EXPECT_EQ(Mapped("X:").size(), 1u);
    EXPECT_TRUE(Mapped("E:").empty());
}

struct FolderCase {
    const char* reported;
    const char* programFolder;
};

class ProgramFolderTable : public EntryRoutine, public testing::WithParamInterface<FolderCase> {};

TEST_P(ProgramFolderTable, EndsInExactlyOneBackslash) {
    machine.process.programFolder = GetParam().reported;
    Run("");
    EXPECT_EQ(ProgramFolder(), GetParam().programFolder);
}

INSTANTIATE_TEST_SUITE_P(Folders, ProgramFolderTable,
                         testing::Values(FolderCase{"C:\\Apps\\Plivant", "C:\\Apps\\Plivant\\"},
                                         FolderCase{"C:\\Apps\\Plivant\\", "C:\\Apps\\Plivant\\"},
                                         FolderCase{"D:\\", "D:\\"}, FolderCase{"", "\\"}));

struct DispatchCase {
    std::string commandLine;
    std::vector<std::string> shown;
    bool ended;
};

class DispatchTable : public EntryRoutine, public testing::WithParamInterface<DispatchCase> {};

TEST_P(DispatchTable, ChoosesTheRunByTheExactCommandLine) {
    const auto& c = GetParam();
    Run(c.commandLine);
    EXPECT_EQ(CommandLine(), c.commandLine);
    EXPECT_EQ(windows.shown, c.shown);
    EXPECT_EQ(machine.process.endRequests, c.ended ? 1 : 0);
}

const std::string kLongCommandLine(32000, 'a');

INSTANTIATE_TEST_SUITE_P(
    CommandLines, DispatchTable,
    testing::Values(DispatchCase{"", {"splash", "main:disabled"}, false}, DispatchCase{"/ini", {"splash"}, false},
                    DispatchCase{"/INI", {"splash", "main:/INI"}, false},
                    DispatchCase{"/ini ", {"splash", "main:/ini "}, false}, DispatchCase{"-", {"splash"}, true},
                    DispatchCase{"-e", {"splash"}, true}, DispatchCase{"-\xe9", {"splash"}, true},
                    DispatchCase{" -e", {"splash", "main: -e"}, false},
                    DispatchCase{"\"C:\\My Folder\"", {"splash", "main:\"C:\\My Folder\""}, false},
                    DispatchCase{kLongCommandLine, {"splash", "main:" + kLongCommandLine}, false}));

TEST_F(EntryRoutine, RemovalRunClearsEveryDefinitionOfTheLetter) {
    machine.dosDevices.Define(0, "E:", "C:\\Data");
    machine.dosDevices.Define(0, "E:", "C:\\Temp");
    Run("-e");
    EXPECT_TRUE(Mapped("E:").empty());
    EXPECT_EQ(machine.process.endRequests, 1);
}

TEST_F(EntryRoutine, RemovalRunLeavesDisksAndNetworkDrivesAlone) {
    for (bool elevated : {false, true}) {
        machine.dosDevices.SetElevated(elevated);
        Run("-C");
        Run("-Z");
    }
    machine.dosDevices.SetElevated(false);
    EXPECT_EQ(Mapped("C:").size(), 1u);
    EXPECT_EQ(Mapped("Z:").size(), 1u);
}

TEST_F(EntryRoutine, DashAloneAndOddLettersRemoveNothing) {
    machine.dosDevices.Define(0, "E:", "C:\\Data");
    for (const char* commandLine : {"-", "-\xe9", "-1", "-:"}) Run(commandLine);
    EXPECT_EQ(Mapped("E:").size(), 1u);
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
        "J:\tC:\\Data";                         // last line without CR LF
    machine.files.AddFile(kMountIni, list);
    Run("/ini");
    EXPECT_EQ(Mapped("E:"), Targets{"\\??\\C:\\Data"});
    EXPECT_EQ(Mapped("F:"), Targets{"\\??\\c:\\MYDOCU~1\\WORKFI~1"});
    EXPECT_TRUE(Mapped("G:").empty());
    EXPECT_TRUE(Mapped("H:").empty());
    EXPECT_EQ(Mapped("I:").size(), 1u);
    EXPECT_EQ(Mapped("J:"), Targets{"\\??\\C:\\Data"});
    EXPECT_EQ(machine.process.endRequests, 0);
    EXPECT_EQ(machine.files.Content(kMountIni), list) << "the list is not rewritten";
}

TEST_F(EntryRoutine, StartupRunWithARefusedLineGoesOnWithTheNext) {
    machine.dosDevices.SetElevated(false);
    machine.files.AddFile(kMountIni, "E:\tC:\\Data\r\nE:\tC:\\Data\r\nK:\tC:\\Data\r\n");
    Run("/ini");
    EXPECT_EQ(Mapped("E:").size(), 2u);
    EXPECT_EQ(Mapped("K:").size(), 1u);
}

struct BadListCase {
    const char* name;
    std::string content;
    uint32_t attributes;
    Targets mappedOnK;
};

class StartupRunBadInput : public EntryRoutine, public testing::WithParamInterface<BadListCase> {};

TEST_P(StartupRunBadInput, NoCrashAndNothingMappedWrongly) {
    const auto& c = GetParam();
    machine.files.AddFile(kMountIni, c.content, c.attributes);
    Run("/ini");
    EXPECT_EQ(Mapped("K:"), c.mappedOnK);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter == 'C' || letter == 'K' || letter == 'Z') continue;
        EXPECT_TRUE(Mapped(std::string(1, letter).append(":").c_str()).empty()) << letter;
    }
}

std::string ManyLines() {
    std::string content;
    for (int i = 0; i < 100000; ++i) content += "E:\tC:\\Missing\r\n";
    return content + "K:\tC:\\Data\r\n";
}

const Targets kData{"\\??\\C:\\Data"};

std::string Utf16LeMarked(std::string_view ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) bytes.append({c, '\0'});
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, StartupRunBadInput,
    testing::Values(
        BadListCase{"BinaryWithNuls",
                    std::string("\0\x01\xff\t\0\r\n\x80\x90\tC:\\Data\0junk\r\nK:\tC:\\Data\0\r\n", 37),
                    FILE_ATTRIBUTE_ARCHIVE, kData},
        BadListCase{"MegabyteLine", std::string(1 << 20, 'x') + "\r\nK:\tC:\\Data\r\n", FILE_ATTRIBUTE_ARCHIVE, kData},
        BadListCase{"MegabyteFolderField", "E:\t" + std::string(1 << 20, 'x') + "\r\nK:\tC:\\Data\r\n",
                    FILE_ATTRIBUTE_ARCHIVE, kData},
        BadListCase{"FolderLongerThanMaxPath", "E:\tC:\\Data\\" + std::string(300, 'a') + "\r\nK:\tC:\\Data\r\n",
                    FILE_ATTRIBUTE_ARCHIVE, kData},
        BadListCase{"HundredThousandLines", ManyLines(), FILE_ATTRIBUTE_ARCHIVE, kData},
        BadListCase{"OnlyCarriageReturns", std::string(5000, '\r'), FILE_ATTRIBUTE_ARCHIVE, {}},
        BadListCase{"HiddenFileCountsAsAbsent", "K:\tC:\\Data\r\n", FILE_ATTRIBUTE_HIDDEN, {}},
        BadListCase{"SystemFileCountsAsAbsent", "K:\tC:\\Data\r\n", FILE_ATTRIBUTE_SYSTEM, {}},
        BadListCase{"LoneLineFeeds", "K:\tC:\\Data\nK:\tC:\\Missing\n", FILE_ATTRIBUTE_ARCHIVE, kData},
        BadListCase{"Utf8MarkBeforeTheFirstLine",
                    "\xEF\xBB\xBF"
                    "K:\tC:\\Data\r\n",
                    FILE_ATTRIBUTE_ARCHIVE, kData},
        BadListCase{"Utf16AsPowerShellWritesIt", Utf16LeMarked("K:\tC:\\Data\r\n"), FILE_ATTRIBUTE_ARCHIVE, kData}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(EntryRoutine, StartupRunMapsAUtf8FolderNameInTheAnsiCodePageAndSkipsAnotherScript) {
    machine.files.AddFolder("C:\\Caf\xE9", 0, "CAFE~1");
    machine.files.AddFile(kMountIni, "E:\tC:\\Caf\xC3\xA9\r\nF:\tC:\\Caf\xC3\xA9\xE4\xB8\x80\r\nG:\tC:\\Data\r\n");
    Run("/ini");
    EXPECT_EQ(Mapped("E:"), Targets{"\\??\\C:\\CAFE~1"});
    EXPECT_TRUE(Mapped("F:").empty());
    EXPECT_EQ(Mapped("G:"), kData);
}

TEST_F(EntryRoutine, StartupRunWithoutAListMapsNothing) {
    Run("/ini");
    EXPECT_EQ(windows.shown, std::vector<std::string>{"splash"});
    EXPECT_TRUE(machine.dosDevices.DefineCalls().empty());
}

TEST_F(EntryRoutine, StartupRunForAProgramInADriveRoot) {
    machine.process.programFolder = "D:\\";
    machine.files.AddFile("D:\\mount.ini", "K:\tC:\\Data\r\n");
    Run("/ini");
    EXPECT_EQ(Mapped("K:"), kData);
}

}  // namespace
}  // namespace plivant
