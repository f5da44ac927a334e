// The toolkit on real windows: controls mirror their models, modal forms, the real cursor, the splash, and a
// window's life (its peer bound from the first message, nothing sent to a window that has gone).
#include <memory>

#include "SwallowCheck.h"
#include "ToolkitTesting.h"
#include "app/ProgramWindows.h"
#include "ui/BitmapDrawing.h"
#include "widgets/ControlButton.h"
#include "widgets/ZuLinkLabel.h"
#include "windows/auxiliary/SplashArt.h"

namespace plivant::wine {
namespace {

LRESULT Send(platform::WindowHandle w, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(H(w), message, wParam, lParam);
}

TEST_F(DialogTest, SystemControlsMirrorTheirModelsReportInputAndRegisterTooltips) {
    for (const char* item : {"E: ", "F: ", "G: "}) cboDrive.AddItem(item);
    txtPath.SetText("C:\\Data");
    vList.AddItem("X: \tC:\\Data");
    int changes = 0, selections = 0, clicks = 0;
    txtPath.onChange = [&] { ++changes; };
    cboDrive.onClick = [&] { ++selections; };
    cmdOK.onClick = [&] { ++clicks; };
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

    // What the user does reaches the models.
    Send(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
    Send(combo, CB_SETCURSEL, 1, 0);
    Send(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(H(combo)));
    Send(cmdOK.hwnd(), BM_CLICK);
    EXPECT_EQ(std::tuple(txtPath.Text(), WindowText(H(text)), cboDrive.ListIndex(), cboDrive.Text()),
              std::tuple("typed", "typed", 1, "G: "));
    EXPECT_EQ(std::tuple(changes, selections, clicks), std::tuple(1, 2, 1));
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
    form.Unload();
    EXPECT_EQ(std::tuple(IsWindow(H(list)), toolkit.FormCount()), std::tuple(FALSE, 0));
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

// Whether a control still had its font, a live one, each time it was given the next.
bool fontsHandedOver = true;
LRESULT CALLBACK WatchFonts(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == WM_SETFONT) {
        const auto current = reinterpret_cast<HGDIOBJ>(SendMessageA(call->hwnd, WM_GETFONT, 0, 0));
        if (current && !GetObjectType(current)) fontsHandedOver = false;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Back colours on the system controls (below their text), the About window's grey and white separator lines, and a
// picture button, which draws itself on the push-button face: its picture, greyed (not blanked) while disabled. A
// control keeps a live font until it has the next, and painting again makes no GDI object.
TEST_F(DialogTest, TextBoxesListsLinesAndPictureButtonsPaintTheirColoursAndPicturesWithTheGdiObjectsTheyHave) {
    constexpr ui::OleColor kPanel = 0xD8E9EC;
    constexpr ui::Rgb kPanelPixel = ui::RgbOf(kPanel);
    form.SetBackColor(kPanel);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&txtNotes, &vList, &cboDrive}) c->SetBackColor(kPanel);
    ui::Line grey(form, "Line1"), white(form, "Line2");
    ui::Label lblNote(form, "lblNote");  // the form paints its text
    lblNote.SetCaption("Note");
    grey.SetBorderColor(0x808080);
    white.SetBorderColor(0xFFFFFF);
    grey.SetEnds(4500, 1500, 5850, 1500);  // pixels 300 to 389 of row 100
    white.SetEnds(4500, 1515, 5850, 1515);
    Show();
    for (HWND w : {H(txtNotes.hwnd()), H(vList.hwnd()), GetWindow(H(cboDrive.hwnd()), GW_CHILD)}) {
        EXPECT_TRUE(PumpUntil([&] {
            const ui::Bitmap shot = ShootWindow(w);
            return shot.At(shot.Width() / 2, shot.Height() - 3) == kPanelPixel;
        })) << WindowText(w);
    }
    RECT client{};
    GetClientRect(H(form.hwnd()), &client);
    MapWindowPoints(H(form.hwnd()), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const std::pair<int, ui::Rgb> rows[] = {{99, kPanelPixel}, {100, 0x808080}, {101, 0xFFFFFF}, {102, kPanelPixel}};
    std::string wrong;  // the pixels, as x * 1000 + y, that the screen does not show as expected yet
    EXPECT_TRUE(PumpUntil([&] {
        const ui::Bitmap shot = CaptureScreen(client);
        wrong.clear();
        for (auto [y, colour] : rows)
            for (int x : {300, 350, 389, 390})
                if (shot.At(x, y) != (x < 390 ? colour : kPanelPixel)) wrong += std::to_string(x * 1000 + y) + " ";
        return wrong.empty();
    })) << wrong;
    const HWND button = H(cmdBrowse.hwnd());
    EXPECT_TRUE(PumpUntil([&] { return Contains(ShootWindow(button), cmdBrowse.Picture()); }));
    cmdBrowse.SetEnabled(false);
    EXPECT_TRUE(PumpUntil([&] { return Contains(ShootWindow(button), ui::Greyed(cmdBrowse.Picture())); }));
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchFonts, nullptr, GetCurrentThreadId());
    for (const float size : {12.0f, 9.0f}) txtPath.SetFont({.size = size});
    UnhookWindowsHookEx(hook);
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

TEST_F(ToolkitTest, SplashIsTopmostShowsItsPicturesAndIsGoneAboutASecondLater) {
    platform::win32::Win32Platform real;
    platform::Platform ports{real.dosDevices, real.files, real.registry, real.process, shell, windowing, real.codePage};
    app::ProgramWindows windows(toolkit, ports);
    const DWORD start = GetTickCount();
    windows.ShowSplash();
    static bool late = false;  // a timer due half a second after the splash's: it must not tick before the splash goes
    late = false;
    const UINT_PTR reference = SetTimer(nullptr, 0, 1500, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK { late = true; });
    const HWND splash = H(windows.Splash()->hwnd());
    ASSERT_TRUE(IsWindowVisible(splash));
    EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ui::Bitmap shot;  // the screen may show the painting a moment later (no message is run: the splash stays)
    const auto shown = [&] { return Contains(shot, SplashProgramPicture()) && Contains(shot, SplashMountPicture()); };
    for (const DWORD from = GetTickCount(); !shown() && GetTickCount() - from < 5000; Sleep(10))
        shot = ShootWindow(splash);
    EXPECT_TRUE(shown());
    EXPECT_TRUE(SaveArtifact(shot, "wine-splash"));
    // The frame's etched line shows on the left, right and bottom (shadow, light; light outside); its top edge lies
    // above the window.
    const ui::Rgb dark = ui::RgbOf(GetSysColor(COLOR_BTNSHADOW)), light = ui::RgbOf(GetSysColor(COLOR_BTNHIGHLIGHT));
    const int w = shot.Width(), h = shot.Height();
    EXPECT_EQ((std::vector{shot.At(0, h / 2), shot.At(1, h / 2), shot.At(w - 2, h / 2), shot.At(w - 1, h / 2),
                           shot.At(w / 2, h - 2), shot.At(w / 2, h - 1), shot.At(w / 2, 0)}),
              (std::vector{dark, light, dark, light, dark, light, ui::RgbOf(0xD8E9EC)}));
    toolkit.RunUntilNoFormIsLeft();  // returns when the splash has closed itself
    KillTimer(nullptr, reference);
    // About a second, told by the order of the timers rather than by the clock of a busy machine; unmanaged windows
    // hide at once.
    EXPECT_EQ(std::tuple(IsWindow(splash), GetTickCount() - start >= 990, late), std::tuple(FALSE, true, false));
}

// Of the program's own windows: whether each led back to its peer when WM_CREATE and WM_SIZE came.
std::vector<std::string> seen;
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char cls[32] = {};
    GetClassNameA(call->hwnd, cls, sizeof cls);
    if ((call->message == WM_CREATE || call->message == WM_SIZE) && std::string(cls).starts_with("Plivant")) {
        seen.push_back(std::string(cls) + (call->message == WM_CREATE ? " create" : " size") +
                       (GetWindowLongPtrA(call->hwnd, GWLP_USERDATA) ? " bound" : " unbound"));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ToolkitTest, APeerHasItsWindowFromItsFirstMessages) {
    ui::Form form(toolkit, "frmHost");
    ui::PictureBox picBox(form, "picBox");
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchCreation, nullptr, GetCurrentThreadId());
    form.Show();
    UnhookWindowsHookEx(hook);
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

}  // namespace
}  // namespace plivant::wine
