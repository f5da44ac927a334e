// The skinned frame on a real window: its looks in every scheme, active and inactive (captured as PNG), the
// window region the system holds, the system move started from the title bar, resizing by an edge and maximising.
#include "WineSupport.h"
#include "art/ThemeXArt.h"
#include "frame/NuvaXPForm.h"
#include "widgets/ControlButton.h"

namespace plivant::wine {
namespace {

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

    static std::vector<std::pair<UINT, WPARAM>> seen;
    const SUBCLASSPROC record = [](HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
                                    CALLBACK -> LRESULT {
        seen.push_back({message, message == WM_SYSCOMMAND ? wParam & 0xFFF0 : wParam});
        return DefSubclassProc(w, message, wParam, lParam);
    };
    SetWindowSubclass(hwnd, record, 7, 0);
    // The move loop runs until the button is released: the release is already waiting for it.
    PostMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(frameView, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(280, 12));
    RemoveWindowSubclass(hwnd, record, 7);
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
