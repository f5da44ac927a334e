// The main window on a simulated machine, opened by the program's start: loading, the drive and path boxes, each
// handler's exact sequence of engine, file and message calls, the lists and their popups, closing, bad input.
#include "windows/main/frmMount.h"

#include <gtest/gtest.h>

#include "MountFixture.h"
#include "platform/WinConst.h"
#include "state/UiStrings.h"

namespace plivant::test {
namespace {

const std::string kFailure =
    "msgbox 16 ERROR!: Drive Creation Failed.  Please check your drive letter and path "
    "selections.";
const std::string kAppend = std::string("append ") + kHistoryFile + " ";
constexpr int kRow = ui::sim::HeadlessToolkit::kListRowPixels * 15;  // a list row in twips

TEST_F(MountTest, LoadsInTheStatedOrderAndOpensWithThePath) {
    machine.dosDevices.AddGlobal("A:", "\\Device\\Floppy0");
    machine.dosDevices.AddGlobal("D:", "\\Device\\CdRom0");
    machine.files.AddFile(kHistoryFile, "C:\\My Data\r\n\r\nC:\\Gone\r\n");
    Map("S:", "C:\\Temp");
    process.commandLine = "C:\\My Data";
    Main(ports, windows);
    Log expected{"mask*26", std::string("find ") + kHistoryFile, std::string("read ") + kHistoryFile};
    for (char c = 'A'; c <= 'Z'; ++c) expected.push_back(std::string("define 0 ") + c + ": <none>");
    expected.insert(expected.end(), {"drives", "find C:\\Temp"});
    EXPECT_EQ(log.Entries(), expected);
    frmMount& w = *windows.Main();
    EXPECT_EQ(w.cboDrive.Items().front(), "B: ");
    EXPECT_EQ(w.cboDrive.Items().at(1), "E: ");
    EXPECT_EQ(w.cboDrive.ListCount(), 22);
    EXPECT_EQ(w.cboDrive.Text(), "");
    EXPECT_EQ(w.oList.Items(), (std::vector<std::string>{"C:\\My Data", "", "C:\\Gone"}));
    EXPECT_EQ(w.vList.Items(), std::vector<std::string>{"S: \tC:\\Temp"});
    const auto& tabs = machine.windowing.sent.back();
    EXPECT_EQ(tabs.window, w.vList.hwnd());
    EXPECT_EQ(tabs.lParamInts, (std::vector<int32_t>{16, 0}));
    EXPECT_TRUE(w.Visible() && w.cmdOK.Enabled());
    EXPECT_EQ(w.txtPath.Text(), "C:\\My Data");
    EXPECT_TRUE(w.NuvaXPForm1.CloseActive() && w.NuvaXPForm1.AutoLoad() && !w.NuvaXPForm1.EnableMaximize());
    for (const ui::Menu* item : {&w.mnuMenuUnmount, &w.mnuoMount, &w.mnuoClear}) EXPECT_FALSE(item->Picture().Empty());
    // Tab reaches the controls in the order of the window's table.
    std::vector<std::string> windowed;
    for (const ui::Control* c : w.Children())
        if (!c->Windowless()) windowed.push_back(c->Name());
    EXPECT_EQ(windowed, (std::vector<std::string>{"NuvaXPForm1", "cmdOK", "cmdBoot", "cmdHelp", "imgAbout", "txtPath",
                                                  "cmdBrowse", "cboDrive", "vList", "oList"}));
}

TEST_F(MountTest, CaptionsAndTooltipsComeFromTheLanguageTable) {
    for (int id : {5005, 5007, 5009, 5010, 5011, 5012, 5013, 5018, 5019, 5020})
        machine.registry.SetString(win::HKEY_CURRENT_USER, kLanguageKey, std::to_string(id), "T" + std::to_string(id));
    frmMount& w = Start();
    const std::pair<std::string, const char*> seen[] = {{w.Caption(), "T5009"},
                                                        {w.NuvaXPForm1.Caption(), "T5009"},
                                                        {w.cmdOK.ToolTipText(), "T5009"},
                                                        {w.cmdBoot.ToolTipText(), "T5010"},
                                                        {w.cmdHelp.ToolTipText(), "T5011"},
                                                        {w.cmdBrowse.ToolTipText(), "T5007"},
                                                        {w.cboDrive.ToolTipText(), "T5005"},
                                                        {w.lblDriveLetter.Caption(), "T5005"},
                                                        {w.lblListMDrives.Caption(), "T5012"},
                                                        {w.vList.ToolTipText(), "T5012"},
                                                        {w.lblHistory.Caption(), "T5013"},
                                                        {w.oList.ToolTipText(), "T5013"},
                                                        {w.mnuMenuUnmount.Caption(), "T5018"},
                                                        {w.mnuoClear.Caption(), "T5019"},
                                                        {w.mnuoMount.Caption(), "T5020"},
                                                        {w.imgAbout.ToolTipText(), "About"}};
    for (const auto& [actual, wanted] : seen) EXPECT_EQ(actual, wanted);
}

TEST_F(MountTest, BoxesDiscardTypingButTheDriveBoxTakesALowerCaseLetterForItsItem) {
    frmMount& w = Start("");
    for (const auto& [typed, text] : {std::pair{'s', "S: "}, {'S', ""}, {'c', ""}, {':', ""}, {' ', ""}}) {
        w.cboDrive.SetText("");
        int16_t key = typed, pathKey = typed;
        w.cboDrive.KeyPress(key);
        w.txtPath.KeyPress(pathKey);
        EXPECT_EQ(w.cboDrive.Text(), text) << typed;
        EXPECT_EQ(key | pathKey, 0);
    }
    EXPECT_FALSE(w.cmdOK.Enabled());
    w.txtPath.SetText("C:\\Temp");
    EXPECT_TRUE(w.cmdOK.Enabled());
    w.txtPath.SetText("");
    EXPECT_FALSE(w.cmdOK.Enabled());
}

struct MountCase {
    const char* name;
    std::string drive, path;
    bool refuse;
    uint32_t taken;
    Log log;
};

class MountButton : public MountTest, public testing::WithParamInterface<MountCase> {};

TEST_P(MountButton, CallsInTheirExactOrder) {
    const MountCase& c = GetParam();
    frmMount& w = Start(c.path);
    w.cboDrive.SetText(c.drive);
    devices.refuse = c.refuse;
    devices.takenMeanwhile = c.taken;
    log.Clear();
    w.cmdOK.Click();
    EXPECT_EQ(log.Entries(), c.log);
    EXPECT_EQ(w.cboDrive.Text(), "");
    if (c.drive.empty()) {
        EXPECT_EQ(w.ActiveControl(), &w.cboDrive);
    }
}

const Log kRefill{"drives", "mask*26"};
const Log kMapped{"drives", "find C:\\MYDATA~1", "mask*26"};

INSTANTIATE_TEST_SUITE_P(
    Handler, MountButton,
    testing::Values(MountCase{"NoLetter", "", "C:\\My Data", false, 0, {"msgbox 64 Plivant: No drive letter;"}},
                    MountCase{"Mounted",
                              "S: ",
                              "C:\\My Data",
                              false,
                              0,
                              {"isdir C:\\My Data", "short C:\\My Data", "mask", "define 0 S: C:\\MYDATA~1",
                               kAppend + "C:\\My Data\r\n", kMapped[0], kMapped[1], kMapped[2]}},
                    MountCase{"Refused",
                              "S: ",
                              "C:\\My Data",
                              true,
                              0,
                              {"isdir C:\\My Data", "short C:\\My Data", "mask", "define 0 S: C:\\MYDATA~1", kFailure,
                               kAppend + "C:\\My Data\r\n", kRefill[0], kRefill[1]}},
                    MountCase{"FolderGone",
                              "S: ",
                              "C:\\Gone",
                              false,
                              0,
                              {"isdir C:\\Gone", kAppend + "C:\\Gone\r\n", kRefill[0], kRefill[1]}},
                    MountCase{"LetterTakenMeanwhile",
                              "S: ",
                              "C:\\My Data",
                              false,
                              1u << 18,
                              {"isdir C:\\My Data", "short C:\\My Data", "mask", kFailure, kAppend + "C:\\My Data\r\n",
                               kRefill[0], kRefill[1]}}),
    [](const testing::TestParamInfo<MountCase>& p) { return std::string(p.param.name); });

struct AgainCase {
    const char* name;
    int row;  // where the right button is pressed
    std::string drive;
    bool refuse;
    uint32_t taken;
    Log log;
};

class MountAgain : public MountTest, public testing::WithParamInterface<AgainCase> {};

TEST_P(MountAgain, CallsInTheirExactOrderAndWritesNoHistory) {
    const AgainCase& c = GetParam();
    machine.files.AddFile(kHistoryFile, "C:\\My Data\r\nC:\\Gone\r\n\r\n");
    frmMount& w = Start();
    w.cboDrive.SetText(c.drive);
    devices.refuse = c.refuse;
    devices.takenMeanwhile = c.taken;
    PickInPopups("mnuoMount");
    log.Clear();
    w.oList.MouseDown(2, 0, 100, static_cast<float>(c.row * kRow + 30));
    EXPECT_EQ(log.Entries(), c.log);
    EXPECT_EQ(History(), "C:\\My Data\r\nC:\\Gone\r\n\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Handler, MountAgain,
    testing::Values(
        AgainCase{"BelowTheLastRow", 3, "T: ", false, 0, {}},
        AgainCase{"Mounted",
                  0,
                  "T: ",
                  false,
                  0,
                  {"isdir C:\\My Data", "short C:\\My Data", "mask", "define 0 T: C:\\MYDATA~1", "mask*26", "drives",
                   "find C:\\MYDATA~1"}},
        AgainCase{"FolderGone", 1, "T: ", false, 0, {"isdir C:\\Gone"}}, AgainCase{"EmptyLine", 2, "T: ", false, 0, {}},
        AgainCase{
            "NoLetter", 0, "", false, 0, {"isdir C:\\My Data", "short C:\\My Data", kFailure, "mask*26", "drives"}},
        AgainCase{"Refused",
                  0,
                  "T: ",
                  true,
                  0,
                  {"isdir C:\\My Data", "short C:\\My Data", "mask", "define 0 T: C:\\MYDATA~1", kFailure, "mask*26",
                   "drives"}},
        AgainCase{"LetterTakenMeanwhile",
                  0,
                  "T: ",
                  false,
                  1u << 19,
                  {"isdir C:\\My Data", "short C:\\My Data", "mask", kFailure, "mask*26", "drives"}}),
    [](const testing::TestParamInfo<AgainCase>& p) { return std::string(p.param.name); });

TEST_F(MountTest, UnmountRemovesEveryStackedDefinitionOfTheRowPressed) {
    Map("S:", "C:\\Temp");
    Map("S:", "C:\\My Data");
    Map("T:", "C:\\Temp");
    frmMount& w = Start();
    PickInPopups("mnuMenuUnmount");
    w.vList.SetListIndex(0);
    const std::pair<int, Log> presses[] = {
        {1, {"define 7 T: \\??\\C:\\Temp", "drives", "find C:\\My Data"}},  // T pressed while S was selected
        {5, {}},  // below the last row, nothing selected since the refresh
        {0, {"define 7 S: \\??\\C:\\My Data", "define 7 S: \\??\\C:\\Temp", "drives"}}};
    for (const auto& [row, expected] : presses) {
        log.Clear();
        w.vList.MouseDown(2, 0, 100, static_cast<float>(row * kRow + 30));
        EXPECT_EQ(log.Entries(), expected) << row;
    }
    EXPECT_TRUE(machine.dosDevices.Targets("S:").empty());
    EXPECT_EQ(toolkit.popups.size(), 3u);
    EXPECT_FLOAT_EQ(toolkit.popups[0].x, w.vList.Left() + 100);
}

TEST_F(MountTest, UnmountOfALetterAnotherProgramRemovedOnlyRefreshes) {
    Map("S:", "C:\\Temp");
    frmMount& w = Start();
    w.vList.SetListIndex(0);
    machine.dosDevices.Define(win::DDD_REMOVE_DEFINITION, "S:", std::nullopt);
    PickInPopups("mnuMenuUnmount");
    log.Clear();
    w.vList.ContextMenu(0, 0);  // the keyboard's popup, at the selected row
    EXPECT_EQ(log.Entries(), Log{"drives"});
    EXPECT_EQ(w.vList.ListCount(), 0);
    EXPECT_TRUE(toolkit.messageBoxes.empty());
}

TEST_F(MountTest, RowsShowTheLongFolderTheRootItselfAndTheSystemsTextForAGoneFolder) {
    Map("Q:", "C:\\Gone");
    machine.dosDevices.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share");
    Map("R:", "C:\\");
    Map("S:", "C:\\MYDATA~1");
    frmMount& w = Start();
    EXPECT_EQ(w.vList.Items(), (std::vector<std::string>{"Q: \tC:\\Gone", "R: \tC:\\", "S: \tC:\\My Data"}));
}

class Clear : public MountTest, public testing::WithParamInterface<int> {};

TEST_P(Clear, EmptiesTheListWhetherOrNotTheFileCanGo) {
    const int attributes = GetParam();  // of the history file; -1: there is none
    if (attributes >= 0) machine.files.AddFile(kHistoryFile, "C:\\Temp\r\n", static_cast<uint32_t>(attributes));
    machine.files.SetLocked(kHistoryFile, attributes == 0x100);
    frmMount& w = Start();
    PickInPopups("mnuoClear");
    log.Clear();
    w.oList.MouseDown(2, 0, 100, 5000);
    Log expected{std::string("find ") + kHistoryFile};
    if (attributes >= 0) expected.push_back(std::string("delete ") + kHistoryFile);
    EXPECT_EQ(log.Entries(), expected);
    EXPECT_EQ(w.oList.ListCount(), 0);
    EXPECT_EQ(History(), attributes > 0 ? "C:\\Temp\r\n" : "<missing>");
    EXPECT_TRUE(toolkit.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(HistoryFile, Clear, testing::Values(0, win::FILE_ATTRIBUTE_READONLY, 0x100, -1));

TEST_F(MountTest, HistoryKeepsRepeatsAndStartsAFileAfterClear) {
    machine.files.AddFile(kHistoryFile, "C:\\Temp\r\n");
    frmMount& w = Start();
    PickInPopups("mnuoClear");
    w.oList.ContextMenu(0, 0);
    for (const char* drive : {"S: ", "X: ", "Y: "}) {
        w.cboDrive.SetText(drive);
        w.cmdOK.Click();
    }
    EXPECT_EQ(History(), "C:\\My Data\r\nC:\\My Data\r\nC:\\My Data\r\n");
    EXPECT_EQ(w.oList.ListCount(), 0) << "the list shows the file as loaded";
}

TEST_F(MountTest, BrowseStartsInTheProgramFolderAndACancelKeepsThePath) {
    struct {
        const char* programFolder;
        std::optional<std::string> choice;
        const char* initial;
        const char* path;
    } cases[] = {{"C:\\Apps\\Plivant\\", "C:\\Temp", "C:\\Apps\\Plivant", "C:\\Temp"},
                 {"D:\\", std::nullopt, "D:\\", "C:\\My Data"},
                 {"D:\\", "", "D:\\", "C:\\My Data"}};
    for (const auto& c : cases) {
        process.programFolder = c.programFolder;
        frmMount& w = Start();
        w.txtPath.SetText("C:\\My Data");
        machine.shell.browseChoice = c.choice;
        w.cmdBrowse.Click();
        EXPECT_EQ(machine.shell.browses.back().title, "Folder to mount");
        EXPECT_EQ(machine.shell.browses.back().callbackDataText, c.initial);
        EXPECT_EQ(w.txtPath.Text(), c.path);
    }
}

TEST_F(MountTest, ButtonsOpenTheOtherWindowsOverTheMainWindow) {
    frmMount& w = Start();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w.cmdBoot, &w.cmdHelp, &w.imgAbout}) c->Click();
    EXPECT_EQ(opened.shown, (std::vector<std::string>{"editor:frmMount", "help:frmMount", "about:frmMount"}));
}

class Dispatch : public MountTest, public testing::WithParamInterface<std::string> {};

TEST_P(Dispatch, OpensTheLoadedWindowWithTheExactTextUnderTheSplash) {
    frmMount& w = Start(GetParam());
    EXPECT_TRUE(w.Loaded() && w.Visible());
    EXPECT_EQ(w.txtPath.Text(), GetParam());
    EXPECT_EQ(w.cmdOK.Enabled(), !GetParam().empty());
    EXPECT_TRUE(machine.windowing.Topmost(windows.Splash()->hwnd()));
    machine.windowing.Advance(1000);
    EXPECT_FALSE(windows.Splash()->Loaded());
    EXPECT_TRUE(w.Visible());
    EXPECT_FALSE(process.ended);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, Dispatch,
                         testing::Values("", "\"C:\\My Data\"", "/INI", "C:\\My Data", std::string(32000, 'a')));

TEST_F(MountTest, ClosingEndsTheProgramAndTheSizeFollowsTheFrame) {
    frmMount& w = Start();
    w.UserResized(9000, 7000);
    EXPECT_FLOAT_EQ(w.WidthTwips(), w.NuvaXPForm1.WidthTwips());
    EXPECT_FLOAT_EQ(w.HeightTwips(), w.NuvaXPForm1.HeightTwips());
    w.NuvaXPForm1.CloseButton.Click();
    EXPECT_TRUE(process.ended);
    process.ended = false;
    EXPECT_THROW(w.Unload(), EndingProcess::Ended);
    EXPECT_TRUE(process.ended);
}

TEST_F(MountTest, BadInputNeitherCrashesNorMapsWrongly) {
    Start();
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "C:\\Folder " + std::to_string(i) + "\r\n";
    const std::string overLong = "C:\\" + std::string(300, 'x');
    const std::pair<std::string, int> histories[] = {{many, 100000},
                                                     {std::string(1 << 20, 'p'), 1},
                                                     {std::string("C:\\Te\0mp\r\n\x01\xff\r\n", 12), 2},
                                                     {overLong + "\r\n", 1}};
    for (const auto& [content, items] : histories) {
        machine.files.AddFile(kHistoryFile, content);
        frmMount w(toolkit, ports, opened);
        w.Load();
        ASSERT_EQ(w.oList.ListCount(), items);
        w.oList.SetListIndex(0);
        w.cboDrive.SetText("T: ");
        log.Clear();
        w.mnuoMount.Click();
        EXPECT_EQ(log.Entries().size(), 1u) << "only the folder test";
    }
    for (char c = 'A'; c <= 'Z'; ++c) machine.dosDevices.AddGlobal(std::string(1, c) + ":", "\\Device\\Disk");
    frmMount w(toolkit, ports, opened);
    w.Load();
    EXPECT_EQ(w.cboDrive.ListCount(), 0);
    w.txtPath.SetText(std::string(32000, 'a'));
    log.Clear();
    w.cmdOK.Click();
    EXPECT_EQ(log.Entries(), Log{"msgbox 64 Plivant: No drive letter;"});
    w.cboDrive.SetText("S: ");
    w.cmdOK.Click();
    EXPECT_EQ(History(), overLong + "\r\n" + std::string(32000, 'a') + "\r\n");
    EXPECT_TRUE(machine.dosDevices.Targets("S:") == std::vector<std::string>{"\\Device\\Disk"});
}

}  // namespace
}  // namespace plivant::test
