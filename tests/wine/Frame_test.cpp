// The skinned frame on a real window: its looks in every scheme, active and inactive (captured as PNG), the
// window region the system holds, the system move started from the title bar, and resizing by an edge.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Screenshot.h"
#include "WineSupport.h"
#include "frame/NuvaXPForm.h"
#include "art/ThemeXArt.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Paint.h"
#include "ui/win32/Win32Toolkit.h"
#include "widgets/ControlButtonArt.h"

namespace plivant::wine {
namespace {

// A drive with a green light, edge to edge: the test window's icon.
ui::Bitmap DriveIcon() {
    ui::Bitmap icon(16, 16, 0x3A5A8C);
    ui::FillRect(icon, 1, 1, 14, 14, 0xDDE4EC);
    ui::FillRect(icon, 1, 9, 14, 5, 0x8A98A8);
    ui::FillRect(icon, 10, 11, 3, 1, 0x30E050);
    return icon;
}

class frmFramed : public ui::Form {
public:
    frmFramed(ui::Toolkit& toolkit, platform::IProcess& process)
        : ui::Form(toolkit, "frmFramed"),
          NuvaXPForm1(*this, "NuvaXPForm1", process),
          lblText(*this, "lblText"),
          cmdOK(*this, "cmdOK"),
          mnuFile(*this, "mnuFile", "&File"),
          mnuFileOpen(mnuFile, "mnuFileOpen", "&Open"),
          mnuHelp(*this, "mnuHelp", "&Help"),
          mnuHelpAbout(mnuHelp, "mnuHelpAbout", "&About") {
        SetBackColor(0xD8E9EC);
        Move(1500, 1500, 6300, 5200);
        NuvaXPForm1.Move(0, 0, 6000, 4500);
        mnuFile.SetTag("MAINMENU");
        mnuHelp.SetTag("MainMenu");
        lblText.SetBackStyle(0);
        lblText.Move(600, 1500, 4500, 300);
        lblText.SetCaption("A window in the program's own frame.");
        cmdOK.Move(4500, 3600, 1200, 405);
        cmdOK.SetCaption("OK");
    }
    NuvaXPForm NuvaXPForm1;
    ui::Label lblText;
    ui::CommandButton cmdOK;
    ui::Menu mnuFile, mnuFileOpen, mnuHelp, mnuHelpAbout;
};

// Records what reaches the host window.
LRESULT CALLBACK Recorder(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    reinterpret_cast<std::vector<std::pair<UINT, WPARAM>>*>(data)->push_back({message, wParam});
    return DefSubclassProc(w, message, wParam, lParam);
}

class FramedWindow : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<frmFramed>(toolkit, real.process);
        ui::PropertyBag bag;
        bag.Store("AutoLoad", true);
        bag.Store("Caption", "Plivant frame");
        bag.Store("Icon", DriveIcon());
        ui::Font font;  // as the program's windows store it
        font.name = "Trebuchet MS";
        font.size = 9.75f;
        font.bold = true;
        bag.Store("Font", font);
        form->NuvaXPForm1.ReadProperties(bag);
        form->Show();
        PumpFor(150);
        hwnd = reinterpret_cast<HWND>(form->hwnd());
        frameView = reinterpret_cast<HWND>(static_cast<ui::Control&>(form->NuvaXPForm1).hwnd());
    }
    void TearDown() override {
        if (form->Loaded()) form->Unload();
        PumpFor(50);
    }
    RECT Bounds() const {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return r;
    }
    // The region the frame gives a window of that size.
    static HRGN RoundedTop(int w, int h) {
        const RECT rows[] = {{5, 0, w - 5, 1}, {3, 1, w - 3, 2}, {2, 2, w - 2, 3},
                             {1, 3, w - 1, 4}, {1, 4, w - 1, 5}, {0, 5, w, h}};
        HRGN all = CreateRectRgn(0, 0, 0, 0);
        for (const RECT& r : rows) {
            HRGN part = CreateRectRgnIndirect(&r);
            CombineRgn(all, all, part, RGN_OR);
            DeleteObject(part);
        }
        return all;
    }
    bool RegionIsRoundedTop() const {
        const RECT r = Bounds();
        HRGN actual = CreateRectRgn(0, 0, 0, 0);
        const int kind = GetWindowRgn(hwnd, actual);
        HRGN expected = RoundedTop(r.right - r.left, r.bottom - r.top);
        const bool same = kind != ERROR && EqualRgn(actual, expected);
        DeleteObject(actual);
        DeleteObject(expected);
        return same;
    }
    void Press(UINT down, UINT up, POINT client, POINT releaseClient) {
        SendMessageA(frameView, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(client.x, client.y));
        SendMessageA(frameView, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(releaseClient.x, releaseClient.y));
        SendMessageA(frameView, up, 0, MAKELPARAM(releaseClient.x, releaseClient.y));
    }

    platform::win32::Win32Platform real;
    ui::win32::Win32Toolkit toolkit{real.windowing, real.shell};
    std::unique_ptr<frmFramed> form;
    HWND hwnd = nullptr;
    HWND frameView = nullptr;
};

TEST_F(FramedWindow, TheSkinReplacesTheStandardFrame) {
    const RECT r = Bounds();
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 300);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 400);  // no border is left
    EXPECT_EQ(client.bottom, 300);
    EXPECT_TRUE(RegionIsRoundedTop());
    EXPECT_EQ(form->NuvaXPForm1.MenuCount(), 2);
    // The host's own controls lie over the frame.
    HWND button = reinterpret_cast<HWND>(form->cmdOK.hwnd());
    const platform::Rect b = form->cmdOK.PixelBounds();
    POINT inside{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    ClientToScreen(hwnd, &inside);
    EXPECT_EQ(WindowFromPoint(inside), button);
}

TEST_F(FramedWindow, EachSchemeActiveAndInactive) {
    // A plain window elsewhere on the screen takes the activation away.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 700, 500, 100, 60, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    const char* names[] = {"blue", "olive", "silver"};
    for (int scheme = 0; scheme <= 2; ++scheme) {
        form->NuvaXPForm1.SetColorScheme(scheme);
        for (const bool active : {true, false}) {
            SCOPED_TRACE(std::string(names[scheme]) + (active ? " active" : " inactive"));
            SetForegroundWindow(active ? hwnd : other);
            SetActiveWindow(active ? hwnd : other);
            // Waits for the look to follow the activation (a busy machine takes its time), then lets it paint.
            for (int i = 0; i < 100 && form->NuvaXPForm1.CloseButton.IsActivate() != active; ++i) PumpFor(50);
            PumpFor(100);
            EXPECT_EQ(form->NuvaXPForm1.CloseButton.IsActivate(), active);
            RECT area = Bounds();
            InflateRect(&area, 12, 12);
            const ui::Bitmap shot = CaptureScreen(area);
            const std::string path =
                SaveArtifact(shot, std::string("frame-") + names[scheme] + (active ? "-active" : "-inactive"));
            EXPECT_FALSE(path.empty());
            // The title bar's middle, the close button's face and the cut corner, as drawn.
            const int ox = 12, oy = 12;
            EXPECT_EQ(shot.At(ox + 280, oy + 2), ThemeXTitleColour(scheme, active, 2));
            const int e = 2 * scheme + (active ? 0 : 1);
            const int closeIndex = scheme == 2 ? (active ? 11 : 8) : (active ? 0 : 3);
            const ui::Bitmap close = CaptionButtonImage(CaptionImageSet::CbClose, closeIndex);
            EXPECT_EQ(shot.At(ox + 373 + 3, oy + 5 + 3), close.At(3, 3));
            EXPECT_EQ(shot.At(ox + 0, oy + 0), shot.At(ox - 5, oy - 5));         // outside the region
            EXPECT_EQ(shot.At(ox + 1, oy + 150), ThemeXPicture(4, e).At(1, 0));  // left edge
        }
    }
    DestroyWindow(other);
}

TEST_F(FramedWindow, APressOnTheTitleStartsTheSystemMove) {
    std::vector<std::pair<UINT, WPARAM>> seen;
    SetWindowSubclass(hwnd, Recorder, 7, reinterpret_cast<DWORD_PTR>(&seen));
    // The move loop runs until the button is released: the release is already waiting for it.
    PostMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(frameView, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(280, 12));  // any button
    RemoveWindowSubclass(hwnd, Recorder, 7);
    bool nc = false, command = false;
    for (const auto& [message, wParam] : seen) {
        if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION) nc = true;
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MOVE) command = true;
    }
    EXPECT_TRUE(nc);
    EXPECT_TRUE(command);
}

TEST_F(FramedWindow, DraggingTheRightEdgeWidensTheWindow) {
    const RECT before = Bounds();
    const int w = before.right - before.left, h = before.bottom - before.top;
    POINT start{before.left + w - 2, before.top + h / 2};
    ASSERT_TRUE(SetCursorPos(start.x, start.y));
    POINT check{};
    GetCursorPos(&check);
    if (check.x != start.x || check.y != start.y) GTEST_SKIP() << "WINE: the cursor cannot be placed on this display";
    SendMessageA(frameView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(w - 2, h / 2));
    SetCursorPos(start.x + 10, start.y);
    SendMessageA(frameView, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(w + 8, h / 2));
    SendMessageA(frameView, WM_LBUTTONUP, 0, MAKELPARAM(w + 8, h / 2));
    PumpFor(100);
    const RECT after = Bounds();
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, w + 10);
    EXPECT_EQ(after.bottom - after.top, h);
    EXPECT_FLOAT_EQ(form->NuvaXPForm1.WidthTwips(), static_cast<float>((w + 10) * 15));
    EXPECT_TRUE(RegionIsRoundedTop());

    // A press and release without movement leaves the window as it was.
    SetCursorPos(start.x + 10, start.y);
    Press(WM_LBUTTONDOWN, WM_LBUTTONUP, {w + 8, h / 2}, {w + 8, h / 2});
    PumpFor(100);
    const RECT again = Bounds();
    EXPECT_EQ(again.right - again.left, w + 10);
    EXPECT_EQ(again.bottom - again.top, h);

    // The bottom-right corner: 20 pixels right and down.
    const RECT now = Bounds();
    const int cw = now.right - now.left;
    SetCursorPos(now.left + cw - 2, now.top + h - 2);
    SendMessageA(frameView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cw - 2, h - 2));
    SetCursorPos(now.left + cw + 18, now.top + h + 18);
    SendMessageA(frameView, WM_LBUTTONUP, 0, MAKELPARAM(cw + 18, h + 18));
    PumpFor(100);
    const RECT corner = Bounds();
    EXPECT_EQ(corner.right - corner.left, cw + 20);
    EXPECT_EQ(corner.bottom - corner.top, h + 20);
    EXPECT_TRUE(RegionIsRoundedTop());
}

TEST_F(FramedWindow, TheMaximiseButtonFillsTheScreenAndRestores) {
    // Checked as the click returns: without a window manager, Wine's X11 driver later re-applies the size the X
    // server last reported for the window.
    const RECT before = Bounds();
    form->NuvaXPForm1.MaxBtnClick();
    EXPECT_TRUE(IsZoomed(hwnd));
    const RECT zoomed = Bounds();
    EXPECT_EQ(zoomed.right - zoomed.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_FLOAT_EQ(form->NuvaXPForm1.WidthTwips(), static_cast<float>((zoomed.right - zoomed.left) * 15));
    EXPECT_FLOAT_EQ(form->NuvaXPForm1.CloseButton.Left(), static_cast<float>(zoomed.right - zoomed.left - 27));
    EXPECT_TRUE(RegionIsRoundedTop());
    form->NuvaXPForm1.MaxBtnClick();
    EXPECT_FALSE(IsZoomed(hwnd));
    const RECT restored = Bounds();
    EXPECT_EQ(restored.right - restored.left, before.right - before.left);
    EXPECT_EQ(restored.bottom - restored.top, before.bottom - before.top);
    EXPECT_TRUE(RegionIsRoundedTop());
}

}  // namespace
}  // namespace plivant::wine
