// The main window on a simulated machine, opened by the program's start: loading, the two boxes, what each command
// maps, writes and says, the lists and their popups, closing, bad input.
#include "windows/main/frmMount.h"

#include "MountFixture.h"
#include "platform/WinConst.h"
#include "state/UiStrings.h"

namespace plivant::test {

namespace {

constexpr float kRow = ui::sim::HeadlessToolkit::kListRowPixels * 15;

// The mapped folders' rows show the long folder, the root itself and the system's text for a gone folder; a network
// drive has none.
TEST_F(MountTest, LoadsTheFreeLettersTheHistoryAndTheMappedFoldersBeforeTheCommandLineFillsThePath) {
    sim.dosDevices.AddGlobal("A:", "\\Device\\Floppy0");
    sim.dosDevices.AddGlobal("D:", "\\Device\\CdRom0");
    sim.dosDevices.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share");
    sim.files.AddFile(kHistoryFile, "C:\\My Data\r\n\r\nC:\\Gone\r\n");
    Map("Q:", "C:\\Gone");
    Map("R:", "C:\\");
    Map("S:", "C:\\MYDATA~1");
    const frmMount& w = Start("\"C:\\My Data\"");
    EXPECT_EQ(std::tuple(w.cboDrive.ListCount(), w.cboDrive.List(0) + w.cboDrive.List(1) + w.cboDrive.Text()),
              std::tuple(19, "B: E: "));
    EXPECT_EQ(w.oList.Items(), (Log{"C:\\My Data", "", "C:\\Gone"}));
    EXPECT_EQ(w.vList.Items(), (Log{"Q: \tC:\\Gone", "R: \tC:\\", "S: \tC:\\My Data"}));
    EXPECT_EQ(sim.windowing.sent.back().lParamInts, (std::vector<int32_t>{16, 0}));  // the list's tab stop
    EXPECT_EQ(w.txtPath.Text(), "\"C:\\My Data\"");
    EXPECT_TRUE(w.Visible() && w.cmdOK.Enabled() && w.NuvaXPForm1.CloseActive() && !w.NuvaXPForm1.EnableMaximize());
}

TEST_F(MountTest, BoxesDiscardTypingButTheDriveBoxTakesALowerCaseLetterForItsItem) {
    frmMount& w = Start("");
    for (const auto& [typed, text] : {std::pair{'s', "S: "}, {'S', ""}}) {
        w.cboDrive.SetText("");
        int16_t key = typed, pathKey = typed;
        w.cboDrive.KeyPress(key);
        w.txtPath.KeyPress(pathKey);
        EXPECT_EQ(std::tuple(w.cboDrive.Text(), key | pathKey, w.txtPath.Locked()), std::tuple(text, 0, true)) << typed;
    }
    const bool disabledAtStart = !w.cmdOK.Enabled();
    w.txtPath.SetText("C:\\Temp");
    const bool enabled = w.cmdOK.Enabled();
    w.txtPath.SetText("");
    EXPECT_TRUE(disabledAtStart && enabled && !w.cmdOK.Enabled());
}

// The drive letter label keeps its right edge by the drive box, and a longer translation widens it to the left, as far
// as the heading before it allows (its right edge at 1830 twips, the headless toolkit's measure).
TEST_F(MountTest, TheDriveLetterLabelGrowsToTheLeftForALongerTranslation) {
    for (const auto& [text, left] : {std::pair{"Laufwerk", 4200.0f},
                                     {"Laufwerksbuchstabe", 3675.0f},
                                     {"Laufwerksbuchstabe, unter dem der Ordner erscheint", 1950.0f}}) {
        sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, "5005", text);
        frmMount w(toolkit, ports, opened);
        w.Load();
        EXPECT_EQ(std::tuple(w.lblDriveLetter.Left(), w.lblDriveLetter.Left() + w.lblDriveLetter.Width()),
                  std::tuple(left, 5025.0f))
            << text;
    }
}

// Each handler's exact sequence of engine, file and message calls. T: is mapped to C:\Temp and the history holds
// C:\My Data, C:\Gone and an empty line; the OK button, or a right press on a row of the list whose popup offers the
// item picked. Another program may take S: after the drive box was filled.
struct Calls {
    const char* name;
    std::string drive, path, pick;
    int row;
    bool refuse, taken;
    Log log;
};

class HandlerCalls : public MountTest, public testing::WithParamInterface<Calls> {};

TEST_P(HandlerCalls, InTheirExactOrder) {
    const Calls& c = GetParam();
    Map("T:", "C:\\Temp");
    sim.files.AddFile(kHistoryFile, "C:\\My Data\r\nC:\\Gone\r\n\r\n");
    frmMount& w = Start(c.path);
    w.cboDrive.SetText(c.drive);
    devices.refuse = c.refuse;
    if (c.taken) Map("S:", "C:\\Temp");
    log.Take();
    PickInPopups(c.pick);
    if (c.pick.empty()) w.cmdOK.Click();
    if (!c.pick.empty()) (c.pick == "mnuMenuUnmount" ? w.vList : w.oList).MouseDown(2, 0, 100, c.row * kRow + 30);
    EXPECT_EQ(log.Take(), c.log);
    // The OK button empties the drive box, and without a letter hands it the focus.
    EXPECT_TRUE(!c.pick.empty() ||
                (w.cboDrive.Text().empty() && (!c.drive.empty() || w.ActiveControl() == &w.cboDrive)));
}

const std::string kFile = kHistoryFile, kAppend = "append " + kFile + " C:\\My Data\r\n",
                  kDefine = "define 0 S: C:\\MYDATA~1", kUnmountT = "define 7 T: \\??\\C:\\Temp";
const Log kTried{"isdir C:\\My Data", "short C:\\My Data", "mask"}, kRefill{"drives", "find C:\\Temp", "mask"},
    kFailed{"msgbox 16 ERROR!"}, kRefreshed{"mask", "drives", "find C:\\Temp"};
Log Seq(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}
INSTANTIATE_TEST_SUITE_P(
    Handler, HandlerCalls,
    testing::Values(
        Calls{"NoLetter", "", "C:\\My Data", "", 0, false, false, {"msgbox 64 Plivant"}},
        Calls{"FolderMissing", "S: ", "C:\\Gone", "", 0, false, false,
              Seq({{"isdir C:\\Gone", "append " + kFile + " C:\\Gone\r\n"}, kRefill})},
        Calls{"Refused", "S: ", "C:\\My Data", "", 0, true, false,
              Seq({kTried, {kDefine}, kFailed, {kAppend}, kRefill})},
        Calls{"LetterTakenMeanwhile", "S: ", "C:\\My Data", "", 0, false, true,
              Seq({kTried, kFailed, {kAppend, "drives", "find C:\\Temp", "find C:\\Temp", "mask"}})},
        Calls{"Mounted", "S: ", "C:\\My Data", "", 0, false, false,
              Seq({kTried, {kDefine, kAppend, "drives", "find C:\\MYDATA~1", "find C:\\Temp", "mask"}})},
        Calls{"Unmount", "", "", "mnuMenuUnmount", 0, false, false, Seq({{"find C:\\Temp", kUnmountT}, {"drives"}})},
        Calls{"MountAgain", "S: ", "", "mnuoMount", 0, false, false,
              Seq({kTried, {kDefine, "mask", "drives", "find C:\\MYDATA~1", "find C:\\Temp"}})},
        Calls{"AgainNoLetter", "", "", "mnuoMount", 0, false, false,
              Seq({{"isdir C:\\My Data", "short C:\\My Data"}, kFailed, kRefreshed})},
        Calls{"AgainRefused", "S: ", "", "mnuoMount", 0, true, false, Seq({kTried, {kDefine}, kFailed, kRefreshed})},
        Calls{"AgainLetterTaken", "S: ", "", "mnuoMount", 0, false, true,
              Seq({kTried, kFailed, kRefreshed, {"find C:\\Temp"}})},
        Calls{"AgainFolderGone", "S: ", "", "mnuoMount", 1, false, false, {"isdir C:\\Gone"}},
        Calls{"AgainEmptyLine", "S: ", "", "mnuoMount", 2, false, false, {}},
        Calls{"AgainBelowTheRows", "S: ", "", "mnuoMount", 3, false, false, {}},
        Calls{"Clear", "", "", "mnuoClear", 0, false, false, {"find " + kFile, "delete " + kFile}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MountTest, UnmountRemovesEveryStackedDefinitionOfTheRowPressed) {
    Map("S:", "C:\\Temp");
    Map("S:", "C:\\My Data");
    Map("T:", "C:\\Temp");
    frmMount& w = Start();
    PickInPopups("mnuMenuUnmount");
    w.vList.SetListIndex(0);
    const std::pair<int, Log> presses[] = {{1, {"S: \tC:\\My Data"}},  // T pressed while S was selected
                                           {5, {"S: \tC:\\My Data"}},  // below the last row, nothing selected
                                           {0, {}}};
    for (const auto& [row, left] : presses) {
        w.vList.MouseDown(2, 0, 100, static_cast<float>(row) * kRow + 30);
        EXPECT_EQ(w.vList.Items(), left) << row;
    }
    EXPECT_TRUE(sim.dosDevices.Targets("S:").empty() && sim.dosDevices.Targets("T:").empty());
    EXPECT_FLOAT_EQ(toolkit.popups.at(2).y, w.vList.Top() + 30);
    // A letter another program mapped to another folder meanwhile: the keyboard's popup at the selected row only
    // refreshes, and that program's mapping stays.
    Map("U:", "C:\\Temp");
    w.GetDriveData();
    w.vList.SetListIndex(0);
    sim.dosDevices.Define(win::kDddRemoveDefinition, "U:", std::nullopt);
    Map("U:", "C:\\My Data");
    w.vList.ContextMenu(0, 0);
    EXPECT_EQ(std::tuple(w.vList.Items(), sim.dosDevices.Targets("U:"), Said()),
              std::tuple(Log{"U: \tC:\\My Data"}, Log{"\\??\\C:\\My Data"}, Log{}));
}

class Clear : public MountTest, public testing::WithParamInterface<int> {};

TEST_P(Clear, EmptiesTheListWithTheFileOrSaysWhyNeitherCanGo) {
    const int attributes = GetParam();  // of the history file: 0x100 opened elsewhere, -1 no file
    if (attributes >= 0) sim.files.AddFile(kHistoryFile, "C:\\Temp\r\n", static_cast<uint32_t>(attributes) & 0xFF);
    frmMount& w = Start();
    sim.files.SetLocked(kHistoryFile, attributes == 0x100);
    PickInPopups("mnuoClear");
    w.oList.MouseDown(2, 0, 100, 5000);
    const bool kept = attributes > 0;
    EXPECT_EQ(std::tuple(History(), w.oList.Items(), Said()),
              kept ? std::tuple("C:\\Temp\r\n", Log{"C:\\Temp"},
                                Log{"Plivant: " + std::string(DefaultText(UiString::HistoryNotCleared))})
                   : std::tuple("<missing>", Log{}, Log{}));
}

INSTANTIATE_TEST_SUITE_P(HistoryFile, Clear, testing::Values(0, win::kFileAttributeReadOnly, 0x100, -1));

TEST_F(MountTest, BrowseStartsInTheProgramFolderAndACancelKeepsThePath) {
    // The folder without its backslash, a root with it; a cancel keeps the path.
    const std::tuple<const char*, std::optional<std::string>, const char*, const char*> cases[] = {
        {"C:\\Apps\\Plivant\\", "C:\\Temp", "C:\\Apps\\Plivant", "C:\\Temp"},
        {"D:\\", std::nullopt, "D:\\", "C:\\My Data"}};
    for (const auto& [folder, choice, initial, path] : cases) {
        sim.process.programFolder = folder;
        frmMount& w = Start();
        w.txtPath.SetText("C:\\My Data");
        sim.shell.browseChoice = choice;
        w.cmdBrowse.Click();
        EXPECT_EQ(sim.shell.browses.back().title + "|" + sim.shell.browses.back().callbackDataText,
                  std::string("Folder to mount|") + initial);
        EXPECT_EQ(w.txtPath.Text(), path);
    }
}

TEST_F(MountTest, ButtonsOpenTheOtherWindowsAndClosingEndsTheProgram) {
    frmMount& w = Start();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w.cmdBoot, &w.cmdHelp, &w.imgAbout}) c->Click();
    EXPECT_EQ(opened.shown, (Log{"editor:frmMount", "help:frmMount", "about:frmMount"}));
    EXPECT_TRUE(platform::sim::EndsTheProcess([&] { w.NuvaXPForm1.CloseButton.Click(); }));
}

TEST_F(MountTest, BadInputNeitherCrashesNorMapsWrongly) {
    Start();
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "C:\\Folder " + std::to_string(i) + "\r\n";
    // A path longer than the system's longest names no folder, here where a path's length is read in 16 bits too.
    files.shortLengths = true;
    const std::string overLong = "C:\\" + std::string(65536, 'x');
    const std::pair<std::string, int> histories[] = {
        {many, 100000}, {std::string("C:\\Te\0mp\r\n\x01\xff\r\n", 12), 2}, {overLong + "\r\n", 1}};
    for (const auto& [content, rows] : histories) {
        sim.files.AddFile(kHistoryFile, content);
        frmMount w(toolkit, logged, opened);
        w.Load();
        ASSERT_EQ(w.oList.ListCount(), rows);
        w.oList.SetListIndex(0);
        w.cboDrive.SetText("T: ");
        w.mnuoMount.Click();
        EXPECT_EQ(std::tuple(sim.dosDevices.Targets("T:"), Said()), std::tuple(Log{}, Log{})) << rows;
    }
    sim.files.AddFile("C:\\Apps\\Plivant\\mount.ini", "T:\t" + overLong + "\r\n");
    MountStartupList(ports);
    EXPECT_EQ(sim.dosDevices.Targets("T:"), Log{});
    for (char c = 'A'; c <= 'Z'; ++c) sim.dosDevices.AddGlobal(std::string(1, c) + ":", "\\Device\\Disk");
    sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, "5009", "Plivant DE");
    frmMount w(toolkit, logged, opened);
    w.Load();
    w.txtPath.SetText(std::string(32000, 'a'));
    w.cmdOK.Click();
    // Every letter is in use; the message keeps the program's title under a translated caption, and has its window
    // as owner.
    EXPECT_EQ(std::tuple(w.Caption(), Said(), toolkit.messageBoxes.back().owner),
              std::tuple("Plivant DE", Log{"Plivant: No drive letter;"}, "frmMount"));
    w.cboDrive.SetText("S: ");
    w.cmdOK.Click();
    EXPECT_EQ(History(), overLong + "\r\n" + std::string(32000, 'a') + "\r\n");
    EXPECT_EQ(sim.dosDevices.Targets("S:"), Log{"\\Device\\Disk"});
}

}  // namespace
}  // namespace plivant::test
