// The toolkit on real windows: controls mirror their models, the real cursor, a window's life, the keyboard typed
// through the system's input. The skinned frame on a real window: its looks in every scheme, active and inactive
// (captured as PNG), its region, the system move from the title bar, resizing, maximising, and a new scale.
#include <memory>

#include "WineSupport.h"
#include "art/ThemeXArt.h"
#include "frame/NuvaXPForm.h"
#include "widgets/ControlButton.h"
#include "widgets/ZuLinkLabel.h"

namespace plivant::wine {
namespace {

// The real ports and toolkit, with keys typed through the system's input.
class ToolkitTest : public testing::Test {
protected:
    // Types a key, with a modifier key held, and lets the program take it.
    void Press(WORD key, WORD modifier = 0) {
        const SHORT toggle = GetKeyState(key) & 1;  // flips with each press the thread takes
        std::vector<INPUT> input;
        for (auto [vk, flags] :
             {std::pair{modifier, 0ul}, {key, 0ul}, {key, KEYEVENTF_KEYUP}, {modifier, KEYEVENTF_KEYUP}}) {
            if (!vk) continue;
            input.push_back({});
            input.back().type = INPUT_KEYBOARD;
            input.back().ki.wVk = vk;
            input.back().ki.dwFlags = flags;
        }
        ASSERT_EQ(SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)), input.size());
        // The input reaches this thread through the system's queue: done once the key and the modifier are released.
        ASSERT_TRUE(PumpUntil(
            [&] { return (GetKeyState(key) & 1) != toggle && GetKeyState(key) >= 0 && GetKeyState(modifier) >= 0; }));
    }

    platform::win32::Win32Windowing windowing;
    platform::win32::Win32Shell shell;
    ui::win32::Win32Toolkit toolkit{windowing, shell};
};

// The toolkit's controls one under the other (a picture box holds one, cmdBrowse is a picture button); clicks recorded.
class DialogTest : public ToolkitTest {
protected:
    DialogTest() {
        form.Move(1500, 1500, 6000, 4500);
        for (size_t i = 0; i < order.size(); ++i)  // the picture box in its text box's place
            (order[i] == &txtInner ? picBox : *order[i]).Move(90, 90 + 450.0f * i, 3000, 400);
        txtInner.Move(30, 30, 2000, 300);
        txtNotes.SetMultiLine(true);
        txtNotes.SetScrollBars(ui::ScrollBars::Vertical);
        imgAbout.SetWindowed(true);
        imgAbout.SetPicture(ui::Bitmap(16, 16, 0x2060C0));
        cmdOK.SetDefault(true);
        cmdCancel.SetCancel(true);
        cmdBrowse.SetStyle(1);
        cmdBrowse.SetPicture(ui::Bitmap(16, 16, 0x00C000));
        for (ui::Control* c : order) c->onClick = [this, c] { clicked += c->Name() + " "; };
    }
    void Show() {
        form.Show();
        SetForegroundWindow(H(form.hwnd()));
        Pump();
    }
    ui::Form form{toolkit, "frmDialog"};
    ui::TextBox txtPath{form, "txtPath"};
    ui::ComboBox cboDrive{form, "cboDrive"};
    ui::PictureBox picBox{form, "picBox"};
    ui::TextBox txtInner{picBox, "txtInner"};
    ui::ListBox vList{form, "vList"};
    ui::TextBox txtNotes{form, "txtNotes"};
    ui::Image imgAbout{form, "imgAbout"};
    ui::CommandButton cmdOK{form, "cmdOK"}, cmdCancel{form, "cmdCancel"}, cmdBrowse{form, "cmdBrowse"};
    // Creation order, which Tab follows.
    const std::vector<ui::Control*> order{&txtPath,  &cboDrive, &txtInner,  &vList,    &txtNotes,
                                          &imgAbout, &cmdOK,    &cmdCancel, &cmdBrowse};
    std::string clicked;
};

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

// The system controls' windows follow their models (back colours below their text; a control keeps a live font until
// it has the next), typing reaches the model, a repaint makes no GDI object. Selections, clicks and a form's end reach
// the models in the program's windows' runs and in ParentsAndChildrenGoInEitherOrder....
TEST_F(DialogTest, SystemControlsMirrorTheirModelsPaintTheirColoursReportTypingAndRegisterTooltips) {
    constexpr ui::OleColor kPanel = 0xD8E9EC;
    form.SetBackColor(kPanel);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&txtNotes, &vList, &cboDrive}) c->SetBackColor(kPanel);
    ui::Label lblNote(form, "lblNote");  // the form paints its text
    lblNote.SetCaption("Note");
    for (const char* item : {"E: ", "F: ", "G: "}) cboDrive.AddItem(item);
    txtPath.SetText("C:\\Data");
    vList.AddItem("X: \tC:\\Data");
    int changes = 0;
    txtPath.onChange = [&] { ++changes; };
    cmdOK.SetToolTipText("Plivant");
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
    const LRESULT toolsBefore = SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0);  // none until the mouse comes
    RECT r{};  // the cursor on the button, and the button passes the move on to the tooltip
    GetWindowRect(H(cmdOK.hwnd()), &r);
    SetCursorPos(r.left + 10, r.top + 5);
    Send(cmdOK.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tips); }));
    EXPECT_EQ(std::tuple(toolsBefore, SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), WindowText(tips)),
              std::tuple(LRESULT{0}, LRESULT{1}, "Plivant"));
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

// The program's own windows lead back to their peers when WM_CREATE and WM_SIZE come. The hyperlink's hand, built from
// its picture, its focus and keys.
TEST_F(ToolkitTest, APeerHasItsWindowFromItsFirstMessagesAndTheHyperlinkShowsTheHandAndTakesTheFocusAndKeys) {
    ui::Form form(toolkit, "frmAbout");
    form.Move(1500, 1500, 4500, 1500);
    ui::PictureBox picBox(form, "picBox");
    ZuLinkLabel link(form, "ZuLinkLabel1");
    link.Move(900, 300, 2000, 300);
    link.SetMouseIcon(1);
    link.SetLinkEvent(2);  // the click only raises Click: nothing is opened
    std::vector<int16_t> keys;
    link.onKeyDown = [&](int16_t key, int16_t) { keys.push_back(key); };
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
    Pump();
    for (const char* first : {"PlivantForm create bound", "PlivantForm size bound", "PlivantView create bound"})
        EXPECT_NE(std::find(seen.begin(), seen.end(), first), seen.end()) << first;
    for (const std::string& message : seen) EXPECT_TRUE(message.ends_with(" bound")) << message;
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

// A container with a nested box, system controls, a user control, and a timer whose handler works on a control.
struct Container {
    explicit Container(ui::Form& form)
        : box(std::make_unique<ui::PictureBox>(form, "picBox")),
          inner(std::make_unique<ui::PictureBox>(*box, "picInner")),
          txt(std::make_unique<ui::TextBox>(*inner, "txtPath")),
          lst(std::make_unique<ui::ListBox>(*box, "vList")),
          btn(std::make_unique<ControlButton>(*box, "CloseButton")),
          tmr(std::make_unique<ui::Timer>(*box, "tmrTick")) {
        const std::initializer_list<ui::Control*> windowed{box.get(), inner.get(), txt.get(), lst.get()};
        for (ui::Control* c : windowed) c->Move(30, 30, 1500, 600);
        tmr->SetInterval(1);
        tmr->onTimer = [this] { txt->SetText("tick " + std::to_string(++ticks)); };
        box->Realize();
        for (ui::Control* c : windowed) windows.push_back(H(c->hwnd()));
    }
    // Ends the container before or after its children, working on those whose windows went with it: nothing is sent.
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
    // Shift+F10 or a right click; the event raised, and the menus shown: the window's popup, or the text box's own.
    const std::tuple<ui::Control*, WORD, const char*, int> cases[] = {{&vList, VK_F10, "vList row 2", 1},
                                                                      {&vList, VK_RBUTTON, "", 0},
                                                                      {&txtPath, VK_RBUTTON, "", 1},
                                                                      {&txtNotes, VK_F10, "", 1}};
    int shown = 0;  // popup menus (windows of the menu class), each closed at once
    Watch counting(
        [&](const CWPSTRUCT& call) { shown += call.message == WM_CREATE && ClassOf(call.hwnd) == "#32768"; });
    const UINT_PTR closing = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK { EndMenu(); });
    for (const auto& [control, input, event, menus] : cases) {
        raised.clear();
        shown = 0;
        const HWND w = H(control->hwnd());
        control->SetFocus();
        if (input == VK_F10) Press(VK_F10, VK_SHIFT);
        if (input == VK_RBUTTON) {
            SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
            SendMessageA(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
            Pump();
        }
        EXPECT_EQ(std::tuple(raised, shown), std::tuple(std::string(event), menus))
            << control->Name() << ", key " << input;
    }
    KillTimer(nullptr, closing);
}

class frmFramed : public ui::Form {
public:
    frmFramed(ui::Toolkit& toolkit, platform::IProcess& process)
        : ui::Form(toolkit, "frmFramed"), NuvaXPForm1(*this, "NuvaXPForm1", process) {
        SetBackColor(0xD8E9EC);
        Move(1500, 1500, 6300, 5200);
        NuvaXPForm1.Move(0, 0, 6000, 4500);
        mnuFile.SetTag("MainMenu");
        cmdOK.Move(4500, 3600, 1200, 405);
        cmdOK.SetCaption("OK");  // the frame's pictures among the artefacts show a dialog
    }
    NuvaXPForm NuvaXPForm1;
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::Menu mnuFile{*this, "mnuFile", "&File"}, mnuFileOpen{mnuFile, "mnuFileOpen", "&Open"};
};

class FramedWindow : public ToolkitTest {
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
    platform::win32::Win32Process process;
    frmFramed form{toolkit, process};
    HWND hwnd = nullptr, frameView = nullptr;
};

// The frame's size without the system's caption and border: pinned by the framed windows' reference pictures.
TEST_F(FramedWindow, TheSkinReplacesTheStandardFrameAndItsTitleAndButtonsWork) {
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), WS_SYSMENU);
    ExpectRoundedTop();
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

    // Checked as the click returns: without a window manager, Wine later re-applies the size X last reported.
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
    for (int e = 0; e < 6; ++e) {
        const int scheme = e / 2;
        const bool active = e % 2 == 0;
        const std::string name =
            std::string("frame-") + std::array{"blue", "olive", "silver"}[scheme] + (active ? "-active" : "-inactive");
        SCOPED_TRACE(name);
        form.NuvaXPForm1.SetColorScheme(scheme);
        SetForegroundWindow(active ? hwnd : other);
        SetActiveWindow(active ? hwnd : other);
        // Once the look follows the activation and the screen shows it.
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
        EXPECT_TRUE(SaveArtifact(shot, name));
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

// Told that it is on a monitor of 192 DPI (WM_DPICHANGED: Wine 8 has one DPI for all monitors), the window takes the
// suggested rectangle and lays itself out at twice the scale; another window of the program stays as it was.
TEST_F(FramedWindow, OnAMonitorOfAnotherScaleTheWindowLaysItselfOutAgainThere) {
    frmFramed second{toolkit, process};
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
