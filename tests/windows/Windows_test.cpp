// The program's windows on a simulated machine: the main window (loading, its boxes, what each command maps, writes
// and says, its lists and popups, the windows it opens, closing, bad input, its pictures and the program's icon, drawn
// at 2x into build/artifacts/mount-art.png), the folder picker, the start-up list editor, the help, About and splash
// windows.
#include "windows/main/frmMount.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "SimHost.h"
#include "app/ProgramWindows.h"  // and with it every window of the program
#include "art/ProgramArt.h"
#include "platform/WinConst.h"
#include "state/UiStrings.h"
#include "tools/icon/IconFile.h"
#include "ui/BitmapDrawing.h"
#include "ui/sim/PngFile.h"
#include "windows/auxiliary/SplashArt.h"
#include "windows/main/MountArt.h"
#include "windows/shared/ProgramFacts.h"
#include "windows/shared/modFolderBrowse.h"

namespace plivant::test {

namespace {

using namespace std::string_literals;  // texts with the NULs they hold

using Log = std::vector<std::string>;

// The simulated device table, noting each definition asked of it (flags, name, target) and refusing it while told to.
class NotedDevices final : public platform::IDosDevices {
public:
    explicit NotedDevices(platform::IDosDevices& real) : real_(real) {}
    bool Define(uint32_t flags, const std::string& name, const std::optional<std::string>& target) override {
        defined.push_back(std::to_string(flags) + " " + name + " " + target.value_or("<none>"));
        return !refuse && real_.Define(flags, name, target);
    }
    std::optional<std::string> Query(const std::string& name) override { return real_.Query(name); }
    uint32_t LogicalDriveStrings(uint32_t size, char* to) override { return real_.LogicalDriveStrings(size, to); }
    uint32_t LogicalDriveMask() override { return real_.LogicalDriveMask(); }
    Log defined;
    bool refuse = false;

private:
    platform::IDosDevices& real_;
};

constexpr const char* kHistoryFile = "C:\\Apps\\Plivant\\Plivant.ini";

class MountTest : public SimScreenTest {
protected:
    MountTest() {
        for (const char* folder : {"C:\\Apps\\Plivant", "C:\\My Data", "C:\\Temp"}) sim.files.AddFolder(folder);
        sim.process.programFolder = "C:\\Apps\\Plivant";
    }
    frmMount& Start(const std::string& commandLine = "C:\\My Data") {
        sim.process.commandLine = commandLine;
        Main(noted, windows);
        return *windows.Main();
    }
    void Map(const std::string& name, const std::string& folder) { sim.dosDevices.Define(0, name, folder); }
    // The user picks this item of a popup when it opens.
    void PickInPopups(const std::string& item) {
        toolkit.onPopup = [item](ui::Menu& menu) -> ui::Menu* {
            for (ui::Menu* m : menu.Items())
                if (m->Name() == item) return m;
            return nullptr;
        };
    }
    std::string History() const { return sim.files.Content(kHistoryFile).value_or("<missing>"); }
    // The message boxes shown since the last call, as icon and buttons, title and text.
    Log Said() {
        Log texts;
        for (; said_ < toolkit.messageBoxes.size(); ++said_) {
            const auto& box = toolkit.messageBoxes[said_];
            texts.push_back(std::to_string(box.buttons) + " " + box.title + ": " + box.prompt);
        }
        return texts;
    }
    size_t said_ = 0;
    // A framed window appears once, as it is now: its frame, size and shape were applied before it first showed.
    bool FirstShownAsItIs(platform::WindowHandle window) const {
        const auto& shown = sim.windowing.shown;
        const auto first = std::find_if(shown.begin(), shown.end(), [&](const auto& s) { return s.first == window; });
        const auto* now = sim.windowing.Find(window);
        return first != shown.end() && now && first->second.style == now->style && now->style != 0 &&
               first->second.bounds == now->bounds && first->second.region == now->region && now->region;
    }

    NotedDevices devices{sim.dosDevices};
    platform::Platform noted{devices, sim.files, sim.registry, sim.process, sim.shell, sim.windowing, sim.codePage};
    app::ProgramOpenedWindows opened{toolkit, noted};
    app::ProgramWindows windows{toolkit, noted, opened};
};

constexpr float kRow = ui::sim::HeadlessToolkit::kListRowPixels * 15;

// The mapped folders' rows show the long folder, the root itself and the system's text for a gone folder; a network
// drive has none.
TEST_F(MountTest, LoadsTheFreeLettersTheHistoryAndTheMappedFoldersBeforeTheCommandLineFillsThePath) {
    sim.dosDevices.AddGlobal("A:", "\\Device\\Floppy0");
    sim.dosDevices.AddGlobal("D:", "\\Device\\CdRom0");
    sim.dosDevices.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share");
    sim.files.AddFile(kHistoryFile, "C:\\My Data\r\n\r\nC:\\Gone\r\n");
    for (const auto& [letter, folder] : {std::pair{"Q:", "C:\\Gone"}, {"R:", "C:\\"}, {"S:", "C:\\MYDATA~1"}})
        Map(letter, folder);
    const frmMount& w = Start("\"C:\\My Data\"");
    EXPECT_EQ(std::tuple(w.cboDrive.ListCount(), w.cboDrive.List(0) + w.cboDrive.List(1) + w.cboDrive.Text()),
              std::tuple(19, "B: E: "));
    EXPECT_EQ(std::tuple(w.oList.Items(), w.vList.Items(), sim.windowing.sent.back().lParamInts, w.txtPath.Text()),
              std::tuple(Log{"C:\\My Data", "", "C:\\Gone"}, Log{"Q: \tC:\\Gone", "R: \tC:\\", "S: \tC:\\My Data"},
                         std::vector<int32_t>{16, 0}, "\"C:\\My Data\""));  // the list's tab stop at 16 dialog units
    EXPECT_TRUE(w.Visible() && w.cmdOK.Enabled() && w.NuvaXPForm1.CloseActive() && !w.NuvaXPForm1.EnableMaximize());
    EXPECT_TRUE(FirstShownAsItIs(w.hwnd()));
}

// The drive letter label keeps its right edge by the drive box, and a longer translation widens it to the left, as far
// as the heading before it allows (its right edge at 1830 twips, the headless toolkit's measure).
TEST_F(MountTest, BoxesDiscardTypingButTheDriveBoxTakesALowerCaseLetterForItsItemWhoseLabelGrowsToTheLeft) {
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
    for (const auto& [text, left] : {std::pair{"Laufwerk", 4200.0f},
                                     {"Laufwerksbuchstabe", 3675.0f},
                                     {"Laufwerksbuchstabe, unter dem der Ordner erscheint", 1950.0f}}) {
        sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, "5005", text);
        frmMount other(toolkit, ports, opened);
        other.Load();
        const auto& label = other.lblDriveLetter;
        EXPECT_EQ(std::tuple(label.Left(), label.Left() + label.Width()), std::tuple(left, 5025.0f)) << text;
    }
}

// What each handler defines or removes, says, appends to the history and refreshes. T: is mapped to C:\Temp and the
// history holds C:\My Data, C:\Gone and an empty line; the OK button, or a right press on a row of the list whose
// popup offers the item picked. Once the window is open, another program maps U: (which a refreshed list shows and a
// refilled drive box leaves out), and may take S:.
struct Handler {
    const char* name;
    std::string drive, path, pick;
    int row;
    bool refuse, taken;
    Log defined, said;
    std::string appended;
    bool listed, refilled;
};

class Handlers : public MountTest, public testing::WithParamInterface<Handler> {};

TEST_P(Handlers, DefineSayAppendAndRefreshWhatTheyShould) {
    const Handler& c = GetParam();
    const std::string history = "C:\\My Data\r\nC:\\Gone\r\n\r\n";
    Map("T:", "C:\\Temp");
    sim.files.AddFile(kHistoryFile, history);
    frmMount& w = Start(c.path);
    w.cboDrive.SetText(c.drive);
    Map("U:", "C:\\Temp");
    if (c.taken) Map("S:", "C:\\Temp");
    devices.refuse = c.refuse;
    devices.defined.clear();
    PickInPopups(c.pick);
    if (c.pick.empty()) w.cmdOK.Click();
    if (!c.pick.empty()) (c.pick == "mnuMenuUnmount" ? w.vList : w.oList).MouseDown(2, 0, 100, c.row * kRow + 30);
    const auto has = [](const Log& items, const char* item) { return std::ranges::count(items, item) == 1; };
    EXPECT_EQ(std::tuple(devices.defined, Said(), History(), has(w.vList.Items(), "U: \tC:\\Temp"),
                         w.cboDrive.Text().empty() && !has(w.cboDrive.Items(), "U: ")),
              std::tuple(c.defined, c.said, history + c.appended, c.listed, c.refilled));
}

const std::string kMounted = "0 S: C:\\MYDATA~1", kAppended = "C:\\My Data\r\n",
                  kNoLetter = "64 Plivant: No drive letter;",
                  kFailed = "16 ERROR!: " + std::string(DefaultText(UiString::DriveCreationFailed));
INSTANTIATE_TEST_SUITE_P(
    Handler, Handlers,
    testing::Values(
        Handler{"NoLetter", "", "C:\\My Data", "", 0, false, false, {}, {kNoLetter}, "", false, false},
        Handler{"FolderMissing", "S: ", "C:\\Gone", "", 0, false, false, {}, {}, "C:\\Gone\r\n", true, true},
        Handler{"Refused", "S: ", "C:\\My Data", "", 0, true, false, {kMounted}, {kFailed}, kAppended, true, true},
        Handler{"LetterTakenMeanwhile", "S: ", "C:\\My Data", "", 0, false, true, {}, {kFailed}, kAppended, true, true},
        Handler{"Mounted", "S: ", "C:\\My Data", "", 0, false, false, {kMounted}, {}, kAppended, true, true},
        Handler{"Unmount", "", "", "mnuMenuUnmount", 0, false, false, {"7 T: \\??\\C:\\Temp"}, {}, "", true, false},
        Handler{"MountAgain", "S: ", "", "mnuoMount", 0, false, false, {kMounted}, {}, "", true, true},
        Handler{"AgainNoLetter", "", "", "mnuoMount", 0, false, false, {}, {kFailed}, "", true, true},
        Handler{"AgainRefused", "S: ", "", "mnuoMount", 0, true, false, {kMounted}, {kFailed}, "", true, true},
        Handler{"AgainLetterTaken", "S: ", "", "mnuoMount", 0, false, true, {}, {kFailed}, "", true, true},
        Handler{"AgainFolderGone", "S: ", "", "mnuoMount", 1, false, false, {}, {}, "", false, false},
        Handler{"AgainEmptyLine", "S: ", "", "mnuoMount", 2, false, false, {}, {}, "", false, false},
        Handler{"AgainBelowTheRows", "S: ", "", "mnuoMount", 3, false, false, {}, {}, "", false, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MountTest, UnmountRemovesEveryStackedDefinitionOfTheRowPressed) {
    for (const auto& [letter, folder] : {std::pair{"S:", "C:\\Temp"}, {"S:", "C:\\My Data"}, {"T:", "C:\\Temp"}})
        Map(letter, folder);
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
    const int attributes = GetParam();  // of the history file, -1: no file
    if (attributes >= 0) sim.files.AddFile(kHistoryFile, "C:\\Temp\r\n", static_cast<uint32_t>(attributes));
    frmMount& w = Start();
    PickInPopups("mnuoClear");
    w.oList.MouseDown(2, 0, 100, 5000);
    const bool kept = attributes > 0;
    EXPECT_EQ(std::tuple(History(), w.oList.Items(), Said()),
              kept ? std::tuple("C:\\Temp\r\n", Log{"C:\\Temp"},
                                Log{"48 Plivant: " + std::string(DefaultText(UiString::HistoryNotCleared))})
                   : std::tuple("<missing>", Log{}, Log{}));
}

INSTANTIATE_TEST_SUITE_P(HistoryFile, Clear, testing::Values(0, win::kFileAttributeReadOnly, -1));

TEST_F(MountTest, BrowseStartsInTheProgramFolderAndACancelKeepsThePath) {
    // The folder without its backslash, a root with it; a cancel keeps the path.
    const std::tuple<const char*, std::optional<std::string>, const char*, const char*> cases[] = {
        {"C:\\Apps\\Plivant\\", "C:\\Temp", "C:\\Apps\\Plivant", "C:\\Temp"},
        {"D:\\", std::nullopt, "D:\\", "C:\\My Data"}};
    for (const auto& [folder, choice, initial, path] : cases) {
        sim.process.programFolder = folder;
        frmMount& w = Start("C:\\My Data");
        sim.shell.browseChoice = choice;
        w.cmdBrowse.Click();
        const auto& browse = sim.shell.browses.back();
        EXPECT_EQ(std::tuple(browse.title, browse.callbackDataText, w.txtPath.Text()),
                  std::tuple("Folder to mount", initial, path));
    }
}

// The windows the buttons open: one shared instance each, made on first use and shown modally, centred over the main
// window, and kept on its monitor. A click on the About image that waits while a window loads (which lets waiting
// messages run) opens no window; once the user has closed the loading window, it does. ShowAboutBox goes through the
// same About window, which is unloaded and dropped afterwards.
TEST_F(MountTest, ButtonsOpenTheOtherWindowsOnceEachOverItAndClosingEndsTheProgram) {
    frmMount& w = Start();
    Log shown;
    std::function<void()> reenter;
    toolkit.onModal = [&](ui::Form& form) {
        shown.push_back(form.Name() + ":" + form.Owner()->Name());
        EXPECT_FLOAT_EQ(form.Left() + form.Width() / 2, w.Left() + w.Width() / 2) << form.Name();
        if (reenter) reenter();
        form.Unload();
    };
    sim.windowing.onPump = [&] { w.imgAbout.Click(); };
    std::vector<ui::Form*> made;
    for (int round = 0; round < 2; ++round) {
        for (ui::Control* c : std::initializer_list<ui::Control*>{&w.cmdBoot, &w.cmdHelp, &w.imgAbout}) c->Click();
        made.insert(made.end(), {opened.Editor(), opened.Help(), opened.AboutWindow()});
    }
    sim.windowing.onPump = [&] { opened.Help()->Unload(), w.imgAbout.Click(); };
    w.cmdHelp.Click();
    sim.windowing.onPump = nullptr;
    EXPECT_EQ(std::vector(made.begin(), made.begin() + 3), std::vector(made.begin() + 3, made.end()));
    const Log each{"frmStartLoad:frmMount", "frmHelp:frmMount", "frmAbout:frmMount"};
    EXPECT_EQ(shown, (Log{each[0], each[1], each[2], each[0], each[1], each[2], each[2]}));
    ZuLinkLabel link(w, "ZuLinkLabel1");
    link.ShowAboutBox();
    EXPECT_EQ(opened.AboutWindow(), nullptr);
    reenter = [&] { opened.AboutWindow()->ZuLinkLabel1.ShowAboutBox(); };  // from the open window's own label
    w.imgAbout.Click();
    EXPECT_EQ(std::tuple(Log(shown.begin() + 7, shown.end()), opened.AboutWindow() != nullptr),
              std::tuple(Log{each[2], each[2]}, true));
    sim.windowing.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};  // near the right edge of the second monitor
    w.Move(1900 * 15, 300 * 15, w.Width(), w.Height());
    toolkit.onModal = [&](ui::Form& form) {
        EXPECT_EQ(std::tuple(form.Left() + form.Width(), form.Top()),
                  std::tuple(2048 * 15.0f, w.Top() + (w.Height() - form.Height()) / 2));
        form.Unload();
    };
    w.imgAbout.Click();
    EXPECT_TRUE(platform::sim::EndsTheProcess([&] { w.NuvaXPForm1.CloseButton.Click(); }));
}

TEST_F(MountTest, BadInputNeitherCrashesNorMapsWrongly) {
    Start();
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "C:\\Folder " + std::to_string(i) + "\r\n";
    const std::string overLong = "C:\\" + std::string(65536, 'x');
    const std::pair<std::string, int> histories[] = {
        {many, 100000}, {std::string("C:\\Te\0mp\r\n\x01\xff\r\n", 12), 2}, {overLong + "\r\n", 1}};
    for (const auto& [content, rows] : histories) {
        sim.files.AddFile(kHistoryFile, content);
        frmMount w(toolkit, noted, opened);
        w.Load();
        w.oList.SetListIndex(0);
        w.cboDrive.SetText("T: ");
        w.mnuoMount.Click();
        EXPECT_EQ(std::tuple(w.oList.ListCount(), sim.dosDevices.Targets("T:"), Said()),
                  std::tuple(rows, Log{}, Log{}));
    }
    for (char c = 'A'; c <= 'Z'; ++c) sim.dosDevices.AddGlobal(std::string(1, c) + ":", "\\Device\\Disk");
    sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, "5009", "Plivant DE");
    frmMount w(toolkit, noted, opened);
    w.Load();
    w.txtPath.SetText(std::string(32000, 'a'));
    w.cmdOK.Click();
    // Every letter is in use: the message keeps the program's title under a translated caption, has its window as
    // owner, and the drive box takes the focus.
    EXPECT_EQ(std::tuple(w.Caption(), Said(), toolkit.messageBoxes.back().owner, w.ActiveControl() == &w.cboDrive),
              std::tuple("Plivant DE", Log{kNoLetter}, "frmMount", true));
    w.cboDrive.SetText("S: ");
    w.cmdOK.Click();
    EXPECT_EQ(History(), overLong + "\r\n" + std::string(32000, 'a') + "\r\n");
}

constexpr const char* kList = "C:\\Apps\\Plivant\\mount.ini";

// The start-up list editor, opened from the main window.
class StartLoadTest : public MountTest {
protected:
    // The user answers Retry as often as given, then Cancel, then Yes to closing without saving; each message is noted
    // as its id and buttons.
    StartLoadTest() {
        toolkit.onMessageBox = [this](const ui::sim::HeadlessToolkit::MessageBoxCall& box) {
            for (int id = 5030; id <= 5034; ++id)
                if (box.prompt == DefaultText(UiString(id)) && box.title == "Plivant")
                    said += std::to_string(id) + ":" + std::to_string(box.buttons) + " ";
            if ((box.buttons & 0xF) != win::kMbRetryCancel) return win::kIdYes;  // an OK box's answer is not read
            return retries-- > 0 ? win::kIdRetry : win::kIdCancel;
        };
    }
    void Session(const std::function<void(frmStartLoad&)>& act) {
        toolkit.onModal = [&](ui::Form&) {
            act(*opened.Editor());
            opened.Editor()->NuvaXPForm1.CloseButton.Click();
        };
        main.cmdBoot.Click();
        EXPECT_FALSE(opened.Editor()->Loaded());
    }
    std::string said;
    int retries = 0;
    frmMount& main = Start();
};

TEST_F(StartLoadTest, LoadEditAndCloseWritingEveryRowInOrder) {
    sim.dosDevices.AddGlobal("D:", "\\Device\\CdRom0");
    Map("S:", "C:\\Gone");  // a mapped folder names a drive too
    sim.files.AddFile(kList, "E:\tC:\\My Data\r\nNo Tab\rX:\t\xC4Q\x01\0Z\n"s);
    sim.shell.browseChoice = "C:\\Data";
    Session([&](frmStartLoad& f) {
        EXPECT_TRUE(FirstShownAsItIs(f.hwnd()));
        std::string letters;
        for (const auto& item : f.cboDrive.Items()) letters += item;
        EXPECT_EQ(letters, "A:B:E:F:G:H:I:J:K:L:M:N:O:P:Q:R:T:U:V:W:X:Y:Z:");
        f.cmdAdd.Click();     // an empty folder box: nothing
        f.cmdBrowse.Click();  // the picker fills the folder box
        f.cmdAdd.Click();     // no letter chosen: the row begins with the TAB
        f.cboDrive.SetListIndex(2);
        f.cmdAdd.Click();
        f.cmdAdd.Click();  // both boxes keep their values: the same row again
        int16_t typed = 'q';
        f.txtBrowse.KeyPress(typed);  // display only
        f.vList.KeyUp(46, 0);         // Delete, nothing selected
        f.vList.SetListIndex(1);
        f.vList.KeyUp(45, 0);  // Insert
        f.vList.KeyUp(46, 0);
        sim.shell.browseChoice.reset();  // cancelled: the box keeps its folder
        f.cmdBrowse.Click();
        EXPECT_EQ(std::pair(f.txtBrowse.Text(), typed), std::pair("C:\\Data"s, int16_t{0}));
    });
    EXPECT_EQ(std::tuple(sim.shell.browses[0].title, sim.shell.browses[0].callbackDataText, sim.files.Content(kList)),
              std::tuple("Folder to mount", "C:\\Apps\\Plivant",
                         "e:\tc:\\my data\r\nx:\t\xC4q\x01\0z\r\n\tC:\\Data\r\nE:\tC:\\Data\r\nE:\tC:\\Data\r\n"s));
}

TEST_F(StartLoadTest, ListsItMustNotReplaceAreSaidSoAndRowsThatCannotBeSavedAreNeverLostWithoutAWord) {
    const std::string old = "E:\tC:\\Old\r\n";
    const std::string cut = "\xEF\xBB\xBF"s + "E:\tC:\\\xD0\r\n", cyrillic = "\xEF\xBB\xBF"s + "E:\tC:\\Жук\r\n";
    const uint32_t plain = win::kFileAttributeArchive;
    // The user adds a row (and, unless editing, deletes it again) and closes; a write that fails is retried once.
    const std::tuple<const char*, uint32_t, bool, bool, bool, std::string, std::string, const char*> cases[] = {
        {"locked", plain, true, true, true, old, old, "5031:48 5033:308 "},
        {"partial", plain, false, true, true, cut, cut, "5031:48 5033:308 "},  // a line malformed in its UTF-8
        {"hidden", win::kFileAttributeHidden, false, true, true, old, old, "5030:48 5033:308 "},
        {"hidden, unchanged", win::kFileAttributeHidden, false, true, false, old, old, "5030:48 "},
        {"read-only", win::kFileAttributeReadOnly, false, true, true, old, old, "5032:53 5032:53 5033:308 "},
        {"folder refuses", plain, false, false, true, old, old, "5032:53 5032:53 5033:308 "},
        {"folder refuses, unchanged", plain, false, false, false, old, old, ""},
        {"plain", plain, false, true, true, old, "e:\tc:\\old\r\nf:\tC:\\New\r\n", ""},
        {"another script", plain, false, true, true, cyrillic, "e:\tc:\\Жук\r\nf:\tC:\\New\r\n", ""}};
    for (const auto& [name, attributes, locked, folderWritable, edits, before, after, messages] : cases) {
        said.clear();
        retries = 1;
        sim.files.SetWritable("C:\\Apps\\Plivant", true);
        sim.files.AddFile(kList, before, attributes);
        sim.files.SetLocked(kList, locked);
        sim.files.SetWritable("C:\\Apps\\Plivant", folderWritable);
        Session([&](frmStartLoad& f) {
            sim.files.SetLocked(kList, false);  // let go of while the window is open: writable again
            EXPECT_EQ(f.txtBrowse.Text() + f.cboDrive.Text(), "");
            f.txtBrowse.SetText("C:\\New");
            f.cboDrive.SetText("f:");
            f.cmdAdd.Click();
            if (!edits) f.vList.RemoveItem(f.vList.ListCount() - 1);
        });
        EXPECT_EQ(std::tuple(sim.files.Content(kList), said), std::tuple(after, messages)) << name;
    }
}

using WindowsTest = SimScreenTest;

// The splash shows the version topmost and centred, and closes itself after a second, dropping topmost first. The help
// window's heading has dots as long as it in characters, in UTF-8 as in Windows-1252; a bar ends a paragraph's line.
TEST_F(WindowsTest, TheSplashClosesItselfTheHelpShowsItsTranslatedTextAndTheAboutWindowItsVersionLinkAndWaysToClose) {
    sim.process.version = {4, 1, 58};
    frmSplash splash(toolkit, sim.process);
    splash.Show();
    const auto handle = splash.hwnd();
    EXPECT_EQ(std::tuple(splash.lblName.Caption(), splash.Label2.Caption(), windowing.WindowRect(handle)->left),
              std::tuple("Plivant 4.1.58", "* * Freeware * *", 376));  // 273 pixels wide, centred: 375.5 rounded
    windowing.Advance(999);
    EXPECT_TRUE(splash.Loaded() && windowing.Topmost(handle));
    windowing.Advance(1);
    // The timer fired once and went too.
    EXPECT_EQ(std::tuple(splash.Loaded(), windowing.placements.size(), windowing.placements.at(1).insertAfter,
                         windowing.WindowCount() + windowing.ActiveTimers()),
              std::tuple(false, 2u, win::kHwndNoTopmost, 0));
    for (const auto& [id, text] :
         {std::pair{"5011", "Hilfe"}, {"5015", "a|b"}, {"5016", "c|"}, {"5017", "Von"}, {"5029", "Info"}})
        sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, id, text);
    for (const bool utf8 : {true, false}) {
        sim.codePage.utf8 = utf8;
        const std::string heading = utf8 ? "H\u00dcLFE" : "H\xdcLFE";
        sim.registry.SetString(win::kHkeyCurrentUser, kLanguageKey, "5014", heading);
        frmHelp help(toolkit, ports);
        help.Show();
        const std::string text = "\r\n   ..: " + heading + " :..\r\n   .............\r\n\r\n" +
                                 "1. a\r\n   b\r\n   \r\n2. c\r\n   \r\n   \r\n   Von Corvinel\r\n";
        EXPECT_EQ(std::tuple(help.NuvaXPForm1.Caption(), help.txtHelp.Text(), help.txtHelp.MultiLine()),
                  std::tuple("Hilfe", text, true));
        // A letter, Backspace and Ctrl+V are discarded; Ctrl+C copies. Locked, the box takes no other edit either.
        for (const auto& [typed, kept] : {std::pair{'a', 0}, {'\b', 0}, {'\x16', 0}, {'\x03', 3}}) {
            int16_t key = typed;
            help.txtHelp.KeyPress(key);
            EXPECT_EQ(std::tuple(key, help.txtHelp.Locked()), std::tuple(kept, true));
        }
    }
    sim.process.version = {4, 1, 0};
    frmAbout about(toolkit, ports);
    about.Show();
    about.SetDpi(192);  // on a monitor at 200 %: the logo and the link's hand pointer drawn again, twice as large
    about.RescaleTree();
    about.ZuLinkLabel1.lblLink.Click();
    EXPECT_EQ(
        std::tuple(about.NuvaXPForm1.Caption(), about.lblVersion.Caption(), about.Image2.Picture() == AboutLogo(2),
                   about.ZuLinkLabel1.lblLink.MouseIcon().hotY, sim.shell.executed.at(0).file),
        std::tuple(std::string("Info ") + facts::kProgramTitle, "Version 4.1.0", true, 16, facts::kMakerWebAddress));
    for (ui::Control* close : std::initializer_list<ui::Control*>{&about.cmdOK, &about.NuvaXPForm1.CloseButton}) {
        about.Show();
        int16_t typed = 'x';
        about.txtReg.KeyPress(typed);
        close->Click();
        EXPECT_EQ(std::tuple(typed, about.Loaded(), about.txtReg.Locked()), std::tuple(0, false, true));
    }
}

// The shared folder picker against the scripted dialog: each answer of the dialog, every block freed; the dialog's
// settings; only the "initialised" message selects the initial folder (one message, to the dialog), and nothing is
// selected without a local block. A folder the legacy process code page cannot hold comes by its short form, or is
// refused (nothing) without one.
TEST(BrowseForFolder, ResultSettingsSelectionAndEveryBlockFreed) {
    using Named = std::optional<std::string>;
    const std::string kInitial = "C:\\Program Files\\Plivant";
    const std::tuple<Named, Named, bool> choices[] = {
        {std::nullopt, "", true},            // cancel
        {"", "", true},                      // an item without a file-system path
        {"C:\\Tab\t  ", "C:\\Tab\t", true},  // trailing blanks go, only blanks
        {std::string(259, 'x'), std::string(259, 'x'), true},
        {"C:\\日本", "C:\\日本", true},
        {"C:\\日本", "C:\\__~1", false},
        {"C:\\Жук", std::nullopt, false}};  // missing: no short form
    for (const auto& [choice, expected, utf8] : choices) {
        platform::sim::SimPlatform sim;
        sim.codePage.utf8 = utf8;
        sim.files.AddFolder("C:\\日本");
        sim.shell.browseChoice = choice;
        auto ports = sim.Ports();
        EXPECT_EQ(BrowseForFolder(ports, 0x4242, "Folder to mount", kInitial), expected);
        const auto& [browse, sent] = std::tie(sim.shell.browses.at(0), sim.windowing.sent.at(0));
        EXPECT_EQ(std::tuple(sim.shell.LiveItemLists() + sim.shell.LiveLocalBlocks(), browse.owner, browse.flags,
                             browse.callbackDataText, sim.windowing.sent.size(), sent.message, sent.lParamText),
                  std::tuple(0, 0x4242u, 0x43u, kInitial, 1u, 0x466u, kInitial));
    }
    platform::sim::SimPlatform sim;
    sim.shell.browseChoice = "E:\\Music";
    sim.shell.localHeapExhausted = true;
    auto ports = sim.Ports();
    EXPECT_TRUE(BrowseForFolder(ports, 0, "t", "C:\\") == "E:\\Music" && sim.windowing.sent.empty());
}

using Family = bool (*)(ui::Rgb);
const Family Manila = [](ui::Rgb c) { return ui::Red(c) > 150 && ui::Red(c) - ui::Blue(c) > 60 && ui::Green(c) > 150; };
const Family Grey = [](ui::Rgb c) { return ui::Chroma(c) < 16 && ui::Luma(c) > 100; };
const Family Blue = [](ui::Rgb c) { return ui::Blue(c) - ui::Red(c) > 30; };
const Family Green = [](ui::Rgb c) { return ui::Green(c) - ui::Red(c) > 40 && ui::Green(c) - ui::Blue(c) > 40; };
const Family Red = [](ui::Rgb c) { return ui::Red(c) - ui::Green(c) > 60; };

// Most pixels of the box (x0, y0)-(x1, y1) are of the family.
bool Mostly(const ui::Bitmap& b, int x0, int y0, int x1, int y1, Family is) {
    int hits = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) hits += is(b.At(x, y)) ? 2 : 0;
    return hits > (x1 - x0) * (y1 - y0);
}

// The icon: a folder in front of a drive on a see-through ground, at every size.
TEST(MountArt, PicturesAndTheIconShowTheirSignOnTheirBackground) {
    for (const int s : {16, 24, 32, 48, 256}) {
        const IconArt icon = ProgramIcon(s);
        ASSERT_EQ(icon.alpha.size(), static_cast<size_t>(s * s));
        const auto alpha = [&](int x, int y) { return icon.alpha[static_cast<size_t>(y * s + x)]; };
        const auto at = [s](int sixteenths) { return s * sixteenths / 16; };
        EXPECT_EQ(alpha(s - 1, 0) + alpha(s / 2, s - 1), 0) << s;
        EXPECT_EQ(alpha(0, at(12)) + alpha(s - 1, at(12)), 510) << s << ": the drive reaches both sides";
        EXPECT_TRUE(Mostly(icon.colour, at(3), at(6), at(11), at(9), Manila)) << s;
        EXPECT_TRUE(Mostly(icon.colour, at(13), at(9), at(15), at(11), Grey)) << s;
    }
    constexpr ui::Rgb kBack = 0xECE9D8;
    const struct {
        std::function<ui::Bitmap(ui::Rgb, double)> draw;
        int x0, y0, x1, y1;  // a box that reads as the family
        Family family;
    } cases[] = {{MountButtonPicture, 3, 13, 14, 19, Manila},  // the folder; the drive
                 {MountButtonPicture, 32, 10, 40, 13, Grey},  {StartupButtonPicture, 23, 19, 25, 23, Green},
                 {HelpButtonPicture, 12, 12, 17, 20, Blue},   {AboutPicture, 14, 20, 30, 28, Manila},
                 {UnmountMenuPicture, 11, 1, 12, 3, Red},     {ClearMenuPicture, 5, 5, 11, 13, Blue}};
    ui::Bitmap sheet(700, 140, 0xFFFFFF);
    int x = 4;
    for (const auto& c : cases) {
        for (double s : {1.0, 1.5, 2.0}) {  // at a larger scale, the same picture drawn larger
            const ui::Bitmap b = c.draw(kBack, s);
            const auto at = [s](int v) { return static_cast<int>(v * s); };
            EXPECT_TRUE(Mostly(b, at(c.x0), at(c.y0), at(c.x1), at(c.y1), c.family) && b.At(0, 0) == kBack)
                << x << " at " << s;
        }
        const ui::Bitmap b = c.draw(kBack, 1);
        ui::Blit(sheet, ui::Scaled(b, 2), x, 4);
        x += b.Width() * 2 + 6;
    }
    const auto dir = std::filesystem::path(PLIVANT_SOURCE_DIR) / "build" / "artifacts";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(ui::WritePngFile(sheet, (dir / "mount-art.png").string()));
}

// The icon file writer refuses what the format cannot hold (what it writes is checked as the system draws it, under
// Wine).
IconArt Solid(int n) {
    return {ui::Bitmap(n, n), std::vector<uint8_t>(static_cast<size_t>(n * n), 255)};
}

TEST(IconFile, RefusesImagesItCannotStore) {
    IconArt shortAlpha = Solid(16);
    shortAlpha.alpha.pop_back();
    for (const IconArt& image :
         {IconArt{}, IconArt{ui::Bitmap(16, 15), std::vector<uint8_t>(240, 255)}, Solid(257), shortAlpha})
        EXPECT_THROW(tools::IconFile({image}), std::invalid_argument);
    EXPECT_EQ(tools::IconFile({Solid(1), Solid(256)}).at(4), 2);  // the smallest and the largest, counted
}

}  // namespace
}  // namespace plivant::test
