// The toolkit on real windows: controls mirror their models, the real cursor, a window's life (its peer bound from
// the first message, nothing sent to a window that has gone), and the keyboard typed through the system's input:
// focus order, default, cancel and focused buttons, context menus (the Menu key on a list: the main window's run).
// The skinned frame on a real window: its looks in every scheme, active and inactive (captured as PNG), the window
// region the system holds, the system move started from the title bar, resizing by an edge and maximising, and a new
// scale.
#include <memory>

#include "WineSupport.h"
#include "art/ThemeXArt.h"
#include "frame/NuvaXPForm.h"
#include "widgets/ControlButton.h"
#include "widgets/ZuLinkLabel.h"

namespace plivant::wine {
namespace {

LRESULT Send(platform::WindowHandle w, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(H(w), message, wParam, lParam);
}
std::string ClassOf(HWND w) {
    char name[32] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

// Shows the watcher, while it lives, every message sent to a window of this thread.
class Watch {
public:
    explicit Watch(std::function<void(const CWPSTRUCT&)> see) { see_ = std::move(see); }
    ~Watch() { UnhookWindowsHookEx(hook_); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        see_(*reinterpret_cast<const CWPSTRUCT*>(lParam));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    inline static std::function<void(const CWPSTRUCT&)> see_;
    HHOOK hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
};

// A selection, a click and a form's end reach the models in the program's windows' runs (the editor's, the main
// window's) and in ParentsAndChildrenGoInEitherOrder...; here what the windows show, typing, and tooltips.
TEST_F(DialogTest, SystemControlsMirrorTheirModelsReportTypingAndRegisterTooltips) {
    for (const char* item : {"E: ", "F: ", "G: "}) cboDrive.AddItem(item);
    txtPath.SetText("C:\\Data");
    vList.AddItem("X: \tC:\\Data");
    int changes = 0;
    txtPath.onChange = [&] { ++changes; };
    cmdOK.SetToolTipText("Plivant");
    Show();
    const auto text = txtPath.hwnd(), combo = cboDrive.hwnd(), list = vList.hwnd();
    char row[64] = {};
    Send(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
    EXPECT_EQ(std::tuple(WindowText(H(text)), Send(combo, CB_GETCOUNT), Send(combo, CB_GETCURSEL), std::string(row)),
              std::tuple("C:\\Data", 3, CB_ERR, "X: \tC:\\Data"));
    cboDrive.SetListIndex(1);
    cboDrive.RemoveItem(0);
    txtPath.SetEnabled(false);
    vList.SetVisible(false);
    EXPECT_EQ(std::tuple(Send(combo, CB_GETCOUNT), Send(combo, CB_GETCURSEL), WindowText(H(combo)),
                         IsWindowEnabled(H(text)), IsWindowVisible(H(list))),
              std::tuple(LRESULT{2}, LRESULT{0}, std::string("F: "), FALSE, FALSE));
    Send(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));  // as typing changes it
    EXPECT_EQ(std::tuple(txtPath.Text(), changes), std::tuple("typed", 1));
    const HWND tips = toolkit.ToolTips(nullptr);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
    RECT r{};  // the cursor on the button, and the button passes the move on to the tooltip
    GetWindowRect(H(cmdOK.hwnd()), &r);
    SetCursorPos(r.left + 10, r.top + 5);
    Send(cmdOK.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tips); }));
    EXPECT_EQ(WindowText(tips), "Plivant");
    cmdOK.SetToolTipText("");
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 0);
}

// A box that takes no typing: the drive box still reports its keys and opens with Alt+Down, the notes still scroll.
TEST_F(DialogTest, TheDriveBoxReportsItsKeysAndOpensWithAltDownAndTheNotesScrollWithoutTyping) {
    for (const char* item : {"E: ", "F: "}) cboDrive.AddItem(item);
    std::string keys, text;
    cboDrive.onKeyDown = [&](int16_t key, int16_t) { keys += "down" + std::to_string(key) + " "; };
    cboDrive.onKeyUp = [&](int16_t key, int16_t) { keys += "up" + std::to_string(key) + " "; };
    cboDrive.onKeyPress = txtNotes.onKeyPress = [&](int16_t& key) {
        keys += "press" + std::to_string(key) + " ";
        key = 0;
    };
    for (int i = 0; i < 60; ++i) text += "Line " + std::to_string(i) + "\r\n";
    txtNotes.SetText(text);
    Show();
    cboDrive.SetFocus();
    Press('X');
    EXPECT_EQ(std::tuple(keys, WindowText(H(cboDrive.hwnd()))), std::tuple("down88 press120 up88 ", ""));
    const auto dropped = [&] { return Send(cboDrive.hwnd(), CB_GETDROPPEDSTATE) != 0; };
    Press(VK_DOWN, VK_MENU);
    EXPECT_TRUE(PumpUntil(dropped));
    Press(VK_ESCAPE);  // closes the list, and is not the form's Escape
    EXPECT_TRUE(PumpUntil([&] { return !dropped(); }));
    EXPECT_EQ(clicked, "");

    txtNotes.SetFocus();
    const auto firstVisible = [&] { return Send(txtNotes.hwnd(), EM_GETFIRSTVISIBLELINE); };
    Press(VK_NEXT);
    const LRESULT page = firstVisible();
    Press(VK_NEXT);
    EXPECT_EQ(std::tuple(page > 0, firstVisible() > page), std::tuple(true, true));
    for (WORD key : {VK_PRIOR, VK_PRIOR}) Press(key);
    EXPECT_EQ(firstVisible(), 0);
    for (int i = 0; i < 30; ++i) Press(VK_DOWN);
    Press('X');
    EXPECT_EQ(std::tuple(firstVisible() > 0, txtNotes.Text()), std::tuple(true, text));
}

// Back colours on the system controls (below their text). A control keeps a live font until it has the next, and
// painting again makes no GDI object.
TEST_F(DialogTest, TextBoxesListsAndComboBoxesPaintTheirBackColoursWithTheGdiObjectsTheyHave) {
    constexpr ui::OleColor kPanel = 0xD8E9EC;
    form.SetBackColor(kPanel);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&txtNotes, &vList, &cboDrive}) c->SetBackColor(kPanel);
    ui::Label lblNote(form, "lblNote");  // the form paints its text
    lblNote.SetCaption("Note");
    Show();
    for (HWND w : {H(txtNotes.hwnd()), H(vList.hwnd()), GetWindow(H(cboDrive.hwnd()), GW_CHILD)}) {
        EXPECT_TRUE(PumpUntil([&] {
            const ui::Bitmap shot = ShootWindow(w);
            return shot.At(shot.Width() / 2, shot.Height() - 3) == ui::RgbOf(kPanel);
        })) << WindowText(w);
    }
    bool fontsHandedOver = true;  // whether the box still had a live font each time it was given the next
    {
        Watch fonts([&](const CWPSTRUCT& call) {
            if (call.message != WM_SETFONT) return;
            const auto current = reinterpret_cast<HGDIOBJ>(SendMessageA(call.hwnd, WM_GETFONT, 0, 0));
            fontsHandedOver &= !current || GetObjectType(current) != 0;
        });
        for (const float size : {12.0f, 9.0f}) txtPath.SetFont({.size = size});
    }
    long made[2] = {};
    for (long& count : made) {
        RedrawWindow(H(form.hwnd()), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        count = platform::win32::Counts().made[0];
    }
    EXPECT_EQ(std::tuple(fontsHandedOver, made[1]), std::tuple(true, made[0])) << "GDI objects made by a repaint";
}

// The row under a point at any length: the system answers with its number in 16 bits.
TEST_F(DialogTest, TheRowUnderAPointOfAListOf70000Rows) {
    for (int i = 0; i < 70000; ++i) vList.AddItem("C:\\Folder " + std::to_string(i));
    Show();
    for (const int row : {66000, 3, 69999, 65535}) {
        vList.SetListIndex(row);  // scrolls it into view
        const auto place = vList.ItemBounds(row);
        EXPECT_EQ(vList.ItemAt(place.left + place.width / 2, place.top + place.height / 2), row);
    }
}

// The caption button's hover follows the real cursor through the windowing port (checked on a real window); here
// the hyperlink's hand, built from its picture, and its focus and keys.
TEST_F(ToolkitTest, TheHyperlinkShowsTheHandAndTakesTheFocusAndKeys) {
    ui::Form form(toolkit, "frmAbout");
    form.Move(1500, 1500, 4500, 1500);
    ZuLinkLabel link(form, "ZuLinkLabel1");
    link.Move(900, 300, 2000, 300);
    link.SetMouseIcon(1);
    link.SetLinkEvent(2);  // the click only raises Click: nothing is opened
    std::vector<int16_t> keys;
    link.onKeyDown = [&](int16_t key, int16_t) { keys.push_back(key); };
    form.Show();
    Pump();
    const auto cursor = [&] {
        Send(link.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(link.hwnd())), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    ICONINFO hand{};
    ASSERT_TRUE(GetIconInfo(cursor(), &hand));
    EXPECT_EQ(std::tuple(hand.fIcon, hand.xHotspot, hand.yHotspot), std::tuple(FALSE, 6ul, 8ul));
    DeleteObject(hand.hbmMask), DeleteObject(hand.hbmColor);
    link.SetMouseIcon(0);
    EXPECT_EQ(cursor(), LoadCursorA(nullptr, IDC_ARROW));
    Send(link.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    Send(link.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    Send(link.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(std::tuple(GetFocus(), keys), std::tuple(H(link.hwnd()), std::vector<int16_t>{VK_RETURN}));
}

// Of the program's own windows: whether each led back to its peer when WM_CREATE and WM_SIZE came.
TEST_F(ToolkitTest, APeerHasItsWindowFromItsFirstMessages) {
    ui::Form form(toolkit, "frmHost");
    ui::PictureBox picBox(form, "picBox");
    std::vector<std::string> seen;
    {
        Watch creation([&](const CWPSTRUCT& call) {
            if ((call.message != WM_CREATE && call.message != WM_SIZE) || !ClassOf(call.hwnd).starts_with("Plivant"))
                return;
            seen.push_back(ClassOf(call.hwnd) + (call.message == WM_CREATE ? " create" : " size") +
                           (GetWindowLongPtrA(call.hwnd, GWLP_USERDATA) ? " bound" : " unbound"));
        });
        form.Show();
    }
    for (const char* first : {"PlivantForm create bound", "PlivantForm size bound", "PlivantView create bound"})
        EXPECT_NE(std::find(seen.begin(), seen.end(), first), seen.end()) << first;
    for (const std::string& message : seen) EXPECT_TRUE(message.ends_with(" bound")) << message;
}

// A container with a nested box, system controls, a user control, and a running timer whose handler works on a
// control.
struct Container {
    explicit Container(ui::Form& form)
        : box(std::make_unique<ui::PictureBox>(form, "picBox")),
          inner(std::make_unique<ui::PictureBox>(*box, "picInner")),
          txt(std::make_unique<ui::TextBox>(*inner, "txtPath")),
          lst(std::make_unique<ui::ListBox>(*box, "vList")),
          btn(std::make_unique<ControlButton>(*box, "CloseButton")),
          tmr(std::make_unique<ui::Timer>(*box, "tmrTick")) {
        for (ui::Control* c : std::initializer_list<ui::Control*>{box.get(), inner.get(), txt.get(), lst.get()})
            c->Move(30, 30, 1500, 600);
        tmr->SetInterval(1);
        tmr->onTimer = [this] { txt->SetText("tick " + std::to_string(++ticks)); };
        box->Realize();
        for (ui::Control* c : std::initializer_list<ui::Control*>{box.get(), inner.get(), txt.get(), lst.get()})
            windows.push_back(H(c->hwnd()));
    }
    // Ends the container before or after its children; the children whose windows went with it are worked on
    // first: the peers know, and send the windows nothing.
    void End(bool parentFirst) {
        SetLastError(0);
        if (parentFirst) {
            box.reset();
            EXPECT_EQ(txt->hwnd() + lst->hwnd(), 0u);
            txt->SetText("after");
            txt->SetFocus();
            lst->SetItems({"X: \tC:\\One"});
            inner->Move(60, 60, 1000, 300);
            btn->SetEnabled(false);
        }
        tmr.reset(), btn.reset(), txt.reset(), inner.reset(), lst.reset(), box.reset();
        EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    }
    std::unique_ptr<ui::PictureBox> box, inner;
    std::unique_ptr<ui::TextBox> txt;
    std::unique_ptr<ui::ListBox> lst;
    std::unique_ptr<ControlButton> btn;
    std::unique_ptr<ui::Timer> tmr;
    std::vector<HWND> windows;
    int ticks = 0;
};

// At the end an owned form goes with its owner, and working on it or its control afterwards sends nothing.
TEST_F(ToolkitTest, ParentsAndChildrenGoInEitherOrderWithTimersRunningAndOwnedFormsWithTheirOwner) {
    for (const bool parentFirst : {true, false}) {
        for (const bool fromTick : {false, true}) {  // as from an event's handler
            SCOPED_TRACE(std::string(parentFirst ? "parent first" : "children first") +
                         (fromTick ? ", in a tick" : ""));
            ui::Form form(toolkit, "frmHost"), owned(toolkit, "frmAbout");
            ui::TextBox txtReg(owned, "txtReg");
            ui::Menu mnuFile(owned, "mnuFile", "&File");  // on the menu bar, which the system destroys with the window
            const long refused = platform::win32::Counts().refusedCloses;
            form.Show();
            owned.Show(0, &form);
            Container controls(form);
            ASSERT_TRUE(PumpUntil([&] { return controls.ticks > 0; }));
            ui::Timer tmrEnd(form, "tmrEnd");
            tmrEnd.onTimer = [&] {
                tmrEnd.SetEnabled(false);
                controls.End(parentFirst);
            };
            if (fromTick) {
                tmrEnd.SetInterval(5);
                tmrEnd.Realize();
            } else {
                controls.End(parentFirst);
            }
            ASSERT_TRUE(PumpUntil([&] { return !controls.box; }));
            for (HWND gone : controls.windows) EXPECT_FALSE(IsWindow(gone));
            const HWND ownedWindow = H(owned.hwnd());
            ASSERT_EQ(toolkit.FormCount(), 2);
            form.Unload();
            EXPECT_EQ(std::tuple(IsWindow(ownedWindow), owned.hwnd(), toolkit.FormCount()), std::tuple(FALSE, 0u, 0));
            SetLastError(0);  // IsWindow of the window that went set it
            txtReg.SetText("after");
            owned.SetCaption("after");
            owned.Unload();
            EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
            EXPECT_EQ(platform::win32::Counts().refusedCloses, refused)
                << "handles closed that the system had destroyed";
        }
    }
}

TEST_F(DialogTest, TabFollowsTheCreationOrderAndEnterSpaceAndEscapePressTheRightButton) {
    const auto Focused = [&] {  // a combo box's edit field counts as the box
        return GetParent(GetFocus()) == H(cboDrive.hwnd()) ? GetParent(GetFocus()) : GetFocus();
    };
    Show();
    ASSERT_EQ(Focused(), H(txtPath.hwnd()));  // shown, the form gives the focus to its first control
    for (size_t i = 1; i <= order.size(); ++i) {
        Press(VK_TAB);
        ui::Control* expected = order[i % order.size()];
        EXPECT_EQ(std::tuple(Focused(), form.ActiveControl()), std::tuple(H(expected->hwnd()), expected))
            << "Tab to " << expected->Name();
    }
    Press(VK_TAB, VK_SHIFT);
    EXPECT_EQ(Focused(), H(order.back()->hwnd())) << "Shift+Tab from the first control";
    cmdOK.SetFocus();  // activated again, the form gives the focus back to its active control
    SendMessageA(H(form.hwnd()), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Focused(), H(cmdOK.hwnd()));
    // A multi-line box passes Enter and Escape on; a focused button takes them before the default and the cancel.
    const std::tuple<ui::Control*, WORD, const char*> cases[] = {
        {&txtNotes, VK_RETURN, "cmdOK "},      {&txtNotes, VK_ESCAPE, "cmdCancel "}, {&cboDrive, VK_RETURN, "cmdOK "},
        {&cmdCancel, VK_RETURN, "cmdCancel "}, {&imgAbout, VK_SPACE, "imgAbout "},   {&txtPath, VK_RETURN, ""}};
    for (const auto& [focus, key, expected] : cases) {
        if (!*expected) cmdOK.SetVisible(false);  // without a visible default button, Enter presses nothing
        focus->SetFocus();
        clicked.clear();
        Press(key);
        EXPECT_EQ(clicked, expected) << focus->Name() << ", key " << key;
    }
}

TEST_F(DialogTest, KeyboardContextMenusAreRaisedAndARightClickOpensOnePopup) {
    Show();
    ui::Menu mnuPopup(form, "mnuPopup", "Popup");
    mnuPopup.SetVisible(false);
    ui::Menu mnuItem(mnuPopup, "mnuItem", "Item");
    for (const char* row : {"X: \tC:\\One", "Y: \tC:\\Two", "Z: \tC:\\Three"}) vList.AddItem(row);
    vList.SetListIndex(2);
    std::string raised;
    vList.onContextMenu = [&](float x, float y) {
        raised = "vList row " + std::to_string(vList.ItemAt(x, y));
        form.PopupMenu(mnuPopup, x, y);
    };
    // The path box opens the window's popup when the right button goes down, as the windows do.
    txtPath.onMouseDown = [&](int16_t button, int16_t, float, float) {
        if (button == 2) form.PopupMenu(mnuPopup, 0, 0);
    };
    enum How { kRightButton, kShiftF10 };
    // The event raised, and the menus shown: the window's popup, or the text box's own menu.
    const std::tuple<ui::Control*, How, const char*, int> cases[] = {{&vList, kShiftF10, "vList row 2", 1},
                                                                     {&vList, kRightButton, "", 0},
                                                                     {&txtPath, kRightButton, "", 1},
                                                                     {&txtNotes, kShiftF10, "", 1}};
    int shown = 0;  // popup menus (windows of the menu class), each closed at once
    Watch counting(
        [&](const CWPSTRUCT& call) { shown += call.message == WM_CREATE && ClassOf(call.hwnd) == "#32768"; });
    const UINT_PTR closing = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK { EndMenu(); });
    for (const auto& [control, how, event, menus] : cases) {
        raised.clear();
        shown = 0;
        const HWND w = H(control->hwnd());
        control->SetFocus();
        if (how == kShiftF10) Press(VK_F10, VK_SHIFT);
        if (how == kRightButton) {
            SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
            SendMessageA(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
            Pump();
        }
        EXPECT_EQ(std::tuple(raised, shown), std::tuple(std::string(event), menus))
            << control->Name() << ", case " << how;
    }
    KillTimer(nullptr, closing);
}

class frmFramed : public ui::Form {
public:
    frmFramed(ui::Toolkit& toolkit, platform::IProcess& process)
        : ui::Form(toolkit, "frmFramed"),
          NuvaXPForm1(*this, "NuvaXPForm1", process),
          cmdOK(*this, "cmdOK"),
          mnuFile(*this, "mnuFile", "&File"),
          mnuFileOpen(mnuFile, "mnuFileOpen", "&Open") {
        SetBackColor(0xD8E9EC);
        Move(1500, 1500, 6300, 5200);
        NuvaXPForm1.Move(0, 0, 6000, 4500);
        mnuFile.SetTag("MainMenu");
        cmdOK.Move(4500, 3600, 1200, 405);
        cmdOK.SetCaption("OK");
    }
    NuvaXPForm NuvaXPForm1;
    ui::CommandButton cmdOK;
    ui::Menu mnuFile, mnuFileOpen;
};

class FramedWindow : public testing::Test {
protected:
    void SetUp() override {
        hwnd = Open(form);
        frameView = H(static_cast<ui::Control&>(form.NuvaXPForm1).hwnd());
    }
    static HWND Open(frmFramed& framed) {
        ui::PropertyBag bag;
        bag.Store("AutoLoad", true);
        bag.Store("Caption", "Plivant frame");
        bag.Store("Icon", ui::Bitmap(16, 16, 0x3A5A8C));
        framed.NuvaXPForm1.ReadProperties(bag);
        framed.Show();
        Pump();
        return H(framed.hwnd());
    }
    SIZE Size(HWND w = nullptr) const {
        RECT r{};
        GetWindowRect(w ? w : hwnd, &r);
        return {r.right - r.left, r.bottom - r.top};
    }
    // The window holds the frame's region: the top corners cut 5, 3, 2, 1 and 1 pixels off the first rows at 96 DPI.
    void ExpectRoundedTop(const std::vector<int>& cuts = {5, 3, 2, 1, 1}) const {
        const SIZE s = Size();
        HRGN held = CreateRectRgn(0, 0, 0, 0), expected = CreateRectRgn(0, int(cuts.size()), s.cx, s.cy);
        for (int y = 0; const int cut : cuts) {
            HRGN row = CreateRectRgn(cut, y, s.cx - cut, y + 1);
            CombineRgn(expected, expected, row, RGN_OR);
            DeleteObject(row), ++y;
        }
        EXPECT_NE(GetWindowRgn(hwnd, held), ERROR);
        EXPECT_TRUE(EqualRgn(held, expected)) << s.cx << " x " << s.cy;
        DeleteObject(held), DeleteObject(expected);
    }
    // Presses the frame's view at a client point, moves to another with the cursor, and releases there.
    void Drag(POINT from, POINT to) {
        POINT screen = from;
        ClientToScreen(hwnd, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(frameView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        SetCursorPos(screen.x + to.x - from.x, screen.y + to.y - from.y);
        SendMessageA(frameView, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        SendMessageA(frameView, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        Pump();
    }
    platform::win32::Win32Platform real;
    ui::win32::Win32Toolkit toolkit{real.windowing, real.shell};
    frmFramed form{toolkit, real.process};
    HWND hwnd = nullptr, frameView = nullptr;
};

TEST_F(FramedWindow, TheSkinReplacesTheStandardFrameAndItsTitleAndButtonsWork) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ((std::vector<LONG>{Size().cx, Size().cy, client.right, client.bottom,
                                 style & (WS_CAPTION | WS_THICKFRAME), (style & WS_SYSMENU) != 0}),
              (std::vector<LONG>{400, 300, 400, 300, 0, 1}));
    ExpectRoundedTop();
    EXPECT_EQ(form.NuvaXPForm1.MenuCount(), 1);
    const platform::Rect b = form.cmdOK.PixelBounds();
    POINT inside{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    ClientToScreen(hwnd, &inside);
    EXPECT_EQ(WindowFromPoint(inside), H(form.cmdOK.hwnd())) << "the frame's window lies under the form's controls";

    std::vector<std::pair<UINT, WPARAM>> seen;
    {
        Watch moving([&](const CWPSTRUCT& c) {
            if (c.hwnd == hwnd) seen.push_back({c.message, c.message == WM_SYSCOMMAND ? c.wParam & 0xFFF0 : c.wParam});
        });
        // The move loop runs until the button is released: the release is already waiting for it.
        PostMessageA(hwnd, WM_LBUTTONUP, 0, 0);
        PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
        SendMessageA(frameView, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(280, 12));
    }
    for (auto wanted : {std::pair<UINT, WPARAM>{WM_NCLBUTTONDOWN, HTCAPTION}, {WM_SYSCOMMAND, SC_MOVE}})
        EXPECT_NE(std::find(seen.begin(), seen.end(), wanted), seen.end()) << wanted.first;

    // Checked as the click returns: without a window manager, Wine's X11 driver later re-applies the size the X
    // server last reported for the window.
    form.NuvaXPForm1.MaxBtnClick();
    const LONG screen = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_EQ(std::tuple(IsZoomed(hwnd), Size().cx, form.NuvaXPForm1.CloseButton.Left()),
              std::tuple(TRUE, screen, screen - 27.0f));
    ExpectRoundedTop();
    form.NuvaXPForm1.MaxBtnClick();
    EXPECT_EQ(std::tuple(IsZoomed(hwnd), Size().cx, Size().cy), std::tuple(FALSE, 400, 300));
}

TEST_F(FramedWindow, EachSchemeActiveAndInactive) {
    // A plain window elsewhere on the screen takes the activation away.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 700, 500, 100, 60, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    const char* schemes[] = {"blue", "olive", "silver"};
    for (int e = 0; e < 6; ++e) {
        const int scheme = e / 2;
        const bool active = e % 2 == 0;
        const std::string name = std::string("frame-") + schemes[scheme];
        SCOPED_TRACE(name + (active ? " active" : " inactive"));
        form.NuvaXPForm1.SetColorScheme(scheme);
        SetForegroundWindow(active ? hwnd : other);
        SetActiveWindow(active ? hwnd : other);
        // Waits for the look to follow the activation and the screen to show it (a busy machine takes its time).
        EXPECT_TRUE(PumpUntil([&] { return form.NuvaXPForm1.CloseButton.IsActivate() == active; }));
        // The title bar's middle, the close button's face, the cut corner and the left edge, as drawn.
        const auto look =
            CaptionImageFor(scheme, 2, active ? CaptionLook::RestingActive : CaptionLook::RestingInactive);
        const std::vector<ui::Rgb> drawn{ThemeXTitleColour(scheme, active, 2),
                                         CaptionButtonImage(look.set, look.index).At(3, 3),
                                         ThemeXPicture(4, e).At(1, 0)};
        ui::Bitmap shot;
        const auto seen = [&] {
            return std::vector<ui::Rgb>{shot.At(12 + 280, 12 + 2), shot.At(12 + 376, 12 + 8), shot.At(13, 162)};
        };
        PumpUntil([&] { return (shot = ShootWindow(hwnd, 12), seen() == drawn); }, 10000);
        EXPECT_EQ(std::tuple(seen(), shot.At(12, 12)), std::tuple(drawn, shot.At(7, 7)));
        EXPECT_TRUE(SaveArtifact(shot, name + (active ? "-active" : "-inactive")));
    }
    DestroyWindow(other);
}

TEST_F(FramedWindow, DraggingTheRightEdgeOrTheCornerResizesTheWindow) {
    ASSERT_TRUE(SetCursorPos(398, 250));
    POINT check{};
    GetCursorPos(&check);
    if (check.x != 398 || check.y != 250) GTEST_SKIP() << "WINE: the cursor cannot be placed on this display";
    RECT before{}, after{};
    GetWindowRect(hwnd, &before);
    Drag({398, 150}, {408, 150});
    GetWindowRect(hwnd, &after);
    EXPECT_EQ((std::vector<LONG>{after.left, after.top, Size().cx, Size().cy}),
              (std::vector<LONG>{before.left, before.top, 410, 300}));
    EXPECT_FLOAT_EQ(form.NuvaXPForm1.WidthTwips(), 410 * 15.0f);
    Drag({408, 298}, {428, 318});  // the bottom-right corner: 20 pixels right and down
    EXPECT_EQ(std::tuple(Size().cx, Size().cy), std::tuple(430, 320));
    ExpectRoundedTop();
}

// Told that it is now on a monitor of 192 DPI (the system's message with the rectangle it suggests; Wine 8 has one
// DPI for all monitors, and passes the rectangle to no other process), the window takes that rectangle and lays itself
// out at twice the scale: a title bar 60 pixels high, 42-pixel caption buttons, corners cut twice as deep. Another
// window of the program, on its own monitor, stays as it was.
TEST_F(FramedWindow, OnAMonitorOfAnotherScaleTheWindowLaysItselfOutAgainThere) {
    frmFramed second{toolkit, real.process};
    const HWND other = Open(second);
    RECT r{};
    GetWindowRect(hwnd, &r);
    RECT suggested{r.left + 10, r.top, r.left + 810, r.top + 600};
    SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    const ui::Bitmap shot = ShootWindow(hwnd);
    GetWindowRect(hwnd, &r);
    const NuvaXPForm& frame = form.NuvaXPForm1;
    EXPECT_EQ(
        (std::vector<LONG>{r.left, Size().cx, Size().cy, LONG(frame.Title.Height()), LONG(frame.CloseButton.Width())}),
        (std::vector<LONG>{suggested.left, 800, 600, 60, 42}));
    ExpectRoundedTop({10, 10, 6, 6, 4, 4, 2, 2, 2, 2});
    EXPECT_EQ(shot.At(400, 45), ThemeXTitleColour(0, true, 45, 2)) << "halfway down the new title bar, below the old";
    EXPECT_TRUE(SaveArtifact(shot, "frame-dpi-changed"));
    EXPECT_EQ((std::vector<LONG>{Size(other).cx, Size(other).cy, LONG(second.NuvaXPForm1.Title.Height()),
                                 LONG(second.NuvaXPForm1.CloseButton.Width())}),
              (std::vector<LONG>{400, 300, 30, 21}));
}

}  // namespace
}  // namespace plivant::wine
