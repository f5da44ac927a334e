// The program's windows on real windows, shown modally and driven by window messages, a screenshot of each among the
// artefacts. (The help window: one display-only box, as the editor's folder box; reference/help.png pins its look.)
#include <functional>
#include <map>

#include "WineSupport.h"
#include "app/ProgramOpenedWindows.h"
#include "state/UiStrings.h"
#include "ui/win32/GdiPainting.h"
#include "util/Text.h"
#include "windows/main/frmMount.h"
#include "windows/shared/ProgramFacts.h"

namespace plivant::wine {
namespace {

void Click(HWND w, int x, int y) {
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// A screenshot (if named), the steps, then (unless they close it) the close button, one per tick of a thread timer in
// whatever loop runs, once the window shows; a step still running holds the others back. A window left open fails the
// test, not hangs it.
class Script {
public:
    Script(std::function<FramedForm*()> form, std::vector<std::function<void()>> steps, const std::string& shot,
           bool stepsClose = false)
        : form_(std::move(form)), steps_(std::move(steps)) {
        if (!shot.empty())
            steps_.insert(steps_.begin(),
                          [this, shot] { EXPECT_TRUE(SaveArtifact(ShootWindow(H(form_()->hwnd())), shot)); });
        if (!stepsClose) steps_.push_back([this] { Click(H(form_()->NuvaXPForm1.CloseButton.PicMain.hwnd()), 5, 5); });
        current_ = this;
    }
    ~Script() {
        KillTimer(nullptr, id_);
        current_ = nullptr;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        Script* s = current_;
        if (!s || s->busy_) return;
        // The user acts on a window once it shows (it loads hidden, and may run this loop as it does).
        if (const FramedForm* form = s->form_(); form && form->Loaded() && !IsWindowVisible(H(form->hwnd()))) return;
        s->busy_ = true;
        if (s->next_ < s->steps_.size()) {
            s->steps_[s->next_++]();
        } else if (ui::Form* form = s->form_(); ++s->idle_ > 100 && form && form->Loaded()) {
            ADD_FAILURE() << form->Name() << " is still open after its last step";
            form->Unload();
        }
        s->busy_ = false;
    }
    inline static Script* current_ = nullptr;
    std::function<FramedForm*()> form_;
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0, idle_ = 0;
    bool busy_ = false;
    UINT_PTR id_ = SetTimer(nullptr, 0, 40, Tick);
};

// A display-only box: no way of editing changes it (a letter, Backspace, Ctrl+V, Ctrl+X, Ctrl+Z, Delete, and Paste,
// Cut, Delete and Undo, which its context menu sends too); Ctrl+C copies its selection.
void TypeInto(HWND w) {
    const std::string before = WindowText(w);
    std::string copied;
    if (OpenClipboard(nullptr)) EmptyClipboard(), CloseClipboard();
    SendMessageA(w, EM_SETSEL, 0, -1);
    SendMessageA(w, WM_CHAR, 0x03, 1);
    if (OpenClipboard(nullptr)) {
        if (const auto* text = static_cast<const char*>(GetClipboardData(CF_TEXT))) copied = text;
        CloseClipboard();
    }
    for (WPARAM c : {WPARAM{'x'}, WPARAM{'\b'}, WPARAM{0x16}, WPARAM{0x18}, WPARAM{0x1A}})
        SendMessageA(w, WM_CHAR, c, 1);
    SendMessageA(w, WM_KEYDOWN, VK_DELETE, 0x01530001);
    for (UINT edit : {UINT{WM_PASTE}, UINT{WM_CUT}, UINT{WM_CLEAR}, UINT{WM_UNDO}, UINT{EM_UNDO}})
        SendMessageA(w, edit, 0, 0);
    EXPECT_EQ(std::tuple(WindowText(w), copied), std::tuple(before, before));
}

class AuxiliaryWindows : public testing::Test {
protected:
    AuxiliaryWindows() {
        owner.Move(1500, 1500, 9000, 6000);
        owner.Show();
    }
    platform::win32::Win32Platform real;
    platform::Platform ports = real.Ports();
    ui::win32::Win32Toolkit toolkit{real.windowing, real.shell};
    ui::Form owner{toolkit, "frmMount"};
    app::ProgramOpenedWindows windows{toolkit, ports};
    TempFolder temp;
    const std::string folder = temp.Path() + "\\", list = folder + "mount.ini";
};

// Answers the program's message box, which must say the id's text, with the button.
std::function<void()> Answer(UiString id, WPARAM button) {
    return [=] {
        const HWND box = FindWindowA("#32770", "Plivant");
        ASSERT_TRUE(box) << DefaultText(id);
        EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), DefaultText(id));
        PostMessageA(box, WM_COMMAND, button, 0);
    };
}

// A row from a letter and the folder the real dialog chose, the first row deleted; a list held open by another program
// cannot take them: Retry, Cancel (close without saving?), No keeps the window open; let go of, closing saves them.
// Closing is posted, so that the next steps answer its message boxes.
TEST_F(AuxiliaryWindows, TheEditorIsDrivenByMessagesAsksAboutALockedListAndWritesItsRowsOnceItCan) {
    WriteBytes(list, "E:\tC:\\Projects\\Website\r\nF:\tC:\\Users\\Public\\Music\r\n");
    const std::string letter{FreeLetter(), ':'};
    PressOnceSelected shell(IDOK, temp.Path(), true);  // the scripted user chooses the folder and confirms it
    platform::Platform withDialog{real.dosDevices, real.files,     real.registry, real.process,
                                  shell,           real.windowing, real.codePage};
    frmStartLoad editor(toolkit, withDialog, folder);
    HANDLE holder = INVALID_HANDLE_VALUE;
    const auto pick = [&] {
        const HWND combo = H(editor.cboDrive.hwnd());
        SendMessageA(combo, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(letter.c_str()));
        SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        TypeInto(H(editor.txtBrowse.hwnd()));
        SendMessageA(H(editor.cmdBrowse.hwnd()), BM_CLICK, 0, 0);
    };
    const auto removeLockAndClose = [&] {
        const HWND rows = H(editor.vList.hwnd());
        Click(rows, 5, 3);  // the first row
        SendMessageA(rows, WM_KEYDOWN, VK_DELETE, 0x01530001);
        SendMessageA(rows, WM_KEYUP, VK_DELETE, 0xC1530001);
        holder = CreateFileA(list.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        PostMessageA(H(editor.hwnd()), WM_CLOSE, 0, 0);
    };
    const auto letGoAndClose = [&] {
        EXPECT_TRUE(editor.Loaded() && IsWindowVisible(H(editor.hwnd())));
        CloseHandle(holder);
        PostMessageA(H(editor.hwnd()), WM_CLOSE, 0, 0);
    };
    Script script([&] { return &editor; },
                  {pick, [&] { SendMessageA(H(editor.cmdAdd.hwnd()), BM_CLICK, 0, 0); }, removeLockAndClose,
                   Answer(UiString::StartListNotSaved, IDRETRY), Answer(UiString::StartListNotSaved, IDCANCEL),
                   Answer(UiString::CloseWithoutSaving, IDNO), letGoAndClose},
                  "wine-startlist", true);
    editor.Show(1, &owner);
    EXPECT_EQ(ReadBytes(list), "f:\tc:\\users\\public\\music\r\n" + letter + "\t" + temp.Path() + "\r\n");
}

// Its caption, its size (5800 by 4400 twips) and its look are pinned by tests/wine/reference/about.png.
TEST_F(AuxiliaryWindows, TheAboutWindowDisablesItsOwnerAndEscapeOrEnterClosesIt) {
    for (const WPARAM key : {WPARAM{VK_ESCAPE}, WPARAM{VK_RETURN}}) {
        const auto press = [&] {
            EXPECT_FALSE(IsWindowEnabled(H(owner.hwnd())));
            const HWND focus = GetFocus() ? GetFocus() : H(windows.AboutWindow()->hwnd());
            PostMessageA(focus, WM_KEYDOWN, key, 1);
            PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
        };
        Script script([&] { return windows.AboutWindow(); }, {press}, "wine-about", true);
        windows.ShowAbout(owner);
        // The owner, disabled while the window was open, was enabled before it hid: the system made it active again.
        EXPECT_EQ(std::tuple(windows.AboutWindow()->Loaded(), GetForegroundWindow()),
                  std::tuple(false, H(owner.hwnd())))
            << key;
    }
}

// A text's width in a font of the program, in pixels: the wider of Wine's face and the metric twin of Windows' face
// (Liberation Sans has Arial's widths, close to Microsoft Sans Serif's; Liberation Mono has Courier New's).
int TextWidth(ui::Font font, const std::string& text) {
    static const std::map<std::string, std::string> twins{
        {"Arial", "Liberation Sans"}, {"MS Sans Serif", "Liberation Sans"}, {"Courier New", "Liberation Mono"}};
    const std::wstring wide = Wide(text);
    const HDC dc = ui::win32::MeasuringDc();
    SIZE size{}, twin{};
    for (SIZE* measured : {&size, &twin}) {
        platform::win32::SelectGuard selected(dc, ui::win32::FontFor(font));
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), measured);
        font.name = twins.contains(font.name) ? twins.at(font.name) : font.name;
    }
    return std::max(size.cx, twin.cx);
}

// Every text of every language fits its room, in its window's font, a tenth wider for the faces Wine substitutes: a
// list heading up to its neighbour (the drive label, which grows to the left, beside it); a caption between the icon
// and the caption buttons; a help line the help box; a popup item half the list it opens over (its menu grows).
// Tooltips, message boxes and the folder picker's title wrap or size themselves.
TEST_F(AuxiliaryWindows, EveryTextOfEveryLanguageFitsTheRoomItHas) {
    frmMount main(toolkit, ports, windows);
    frmHelp help(toolkit, ports);
    frmStartLoad editor(toolkit, ports, folder);
    frmAbout about(toolkit, ports);
    for (ui::Form* form : std::initializer_list<ui::Form*>{&help, &editor, &about}) form->Show(0, &owner);
    Pump();
    RECT box{};
    SendMessageA(H(help.txtHelp.hwnd()), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&box));
    NONCLIENTMETRICSA system{};
    system.cbSize = sizeof system;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0);
    const ui::Font menu{system.lfMenuFont.lfFaceName, -system.lfMenuFont.lfHeight * toolkit.TwipsPerPixelY() / 20};
    const auto px = [&](float twips) { return static_cast<int>(twips / toolkit.TwipsPerPixelX()); };
    // The heading's row: from its left to the drive label's right edge, less the 120 twips between the two labels.
    const float row = main.lblDriveLetter.Left() + main.lblDriveLetter.Width() - main.lblListMDrives.Left() - 120;
    platform::win32::Win32CodePage codePage;
    for (const auto& [code, texts] : Languages()) {
        const auto fits = [&](int id, int width, int room) {
            EXPECT_LE(width * 11 / 10, room)
                << code << " " << id << " is " << width << " pixels wide; its room: " << room;
        };
        for (auto [form, id] : {std::pair<FramedForm*, int>{&editor, 5003}, {&help, 5011}, {&about, 5029}}) {
            const std::string caption = texts.at(id) + (id == 5029 ? std::string(" ") + facts::kProgramTitle : "");
            fits(id, TextWidth(form->NuvaXPForm1.Caption1.Font(), caption),
                 px(form->NuvaXPForm1.Caption1.WidthTwips()));
        }
        for (int id : {5014, 5015, 5016, 5017}) {  // each line of the help text with only the id's text
            std::string pieces[4];
            pieces[id - 5014] = texts.at(id);
            for (const std::string& line :
                 text::SplitAt(HelpText(codePage, pieces[0], pieces[1], pieces[2], pieces[3]), '\n'))
                fits(id, TextWidth(help.txtHelp.Font(), line.substr(0, line.find('\r'))), box.right - box.left);
        }
        for (int id : {5018, 5019, 5020}) fits(id, TextWidth(menu, texts.at(id)), px(main.vList.Width()) / 2);
        const int heading = TextWidth(main.lblListMDrives.Font(), texts.at(5012));
        fits(5012, heading, px(row - 825));  // the drive label 825 twips wide at its narrowest
        fits(5005, TextWidth(main.lblDriveLetter.Font(), texts.at(5005)), px(row) - heading);
        fits(5013, TextWidth(main.lblHistory.Font(), texts.at(5013)),
             px(main.oList.Left() + main.oList.Width() - main.lblHistory.Left()));
    }
}

// Opened and closed twenty times more, each window leaves the GDI and USER objects and heap bytes of after the first
// time (when the looks' fonts were made), and closes no handle twice.
TEST_F(AuxiliaryWindows, EachWindowOpenedAndClosedTwentyTimesLeavesNothingBehind) {
    frmStartLoad editor(toolkit, ports, folder);
    const std::pair<std::function<void()>, std::function<FramedForm*()>> each[] = {
        {[&] { editor.Show(1, &owner); }, [&] { return &editor; }},
        {[&] { windows.ShowHelp(owner); }, [&] { return windows.Help(); }},
        {[&] { windows.ShowAbout(owner); }, [&] { return windows.AboutWindow(); }}};
    const auto held = [] {  // and the bytes the process's heaps hold (the C++ objects among them)
        HANDLE heaps[64];
        size_t bytes = 0;
        for (DWORD i = 0, count = GetProcessHeaps(64, heaps); i < count && i < 64; ++i) {
            PROCESS_HEAP_ENTRY entry{};
            HeapLock(heaps[i]);
            while (HeapWalk(heaps[i], &entry)) bytes += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ? entry.cbData : 0;
            HeapUnlock(heaps[i]);
        }
        const auto& counts = platform::win32::Counts();
        return std::tuple(counts.live[0], counts.live[1], counts.refusedCloses, bytes);
    };
    decltype(held()) first;
    for (int round = 0; round <= 20; ++round) {
        for (const auto& [show, form] : each) {
            Script closing(form, {}, "");
            show();
        }
        if (round == 0) first = held();
    }
    EXPECT_EQ(held(), first) << "GDI and USER objects held, closes refused, heap bytes";
}

}  // namespace
}  // namespace plivant::wine
