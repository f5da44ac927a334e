// The toolkit on real windows: the system's controls mirror their models and report the user's input back,
// windowless controls are painted by their container, tooltips are registered, the splash is topmost and
// gone a second later, and a contact sheet of every caption-button image and theme piece is rendered through
// real GDI bitmaps, checked pixel for pixel and saved as a PNG.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Screenshot.h"
#include "WineSupport.h"
#include "app/ProgramWindows.h"
#include "frame/ThemeXArt.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"
#include "widgets/ControlButton.h"
#include "widgets/ControlButtonArt.h"
#include "widgets/ZuLinkLabel.h"
#include "windows/auxiliary/SplashArt.h"

namespace plivant {
namespace {

using ui::win32::Win32Toolkit;

HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

std::string WindowText(HWND w) {
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class ToolkitOnWindows : public testing::Test {
protected:
    platform::win32::Win32Windowing windowing;
    platform::win32::Win32Shell shell;
    Win32Toolkit toolkit{windowing, shell};
};

// A form of the system's controls.
class ControlsForm : public ui::Form {
public:
    explicit ControlsForm(ui::Toolkit& toolkit) : ui::Form(toolkit, "frmControls") {
        Move(1500, 1500, 6000, 4500);
        txtPath.Move(90, 90, 3000, 300);
        cboDrive.Move(90, 600, 1200, 315);
        vList.Move(90, 1200, 3000, 1125);
        cmdOK.Move(3300, 90, 810, 600);
        cmdOK.SetCaption("OK");
    }
    ui::TextBox txtPath{*this, "txtPath"};
    ui::ComboBox cboDrive{*this, "cboDrive"};
    ui::ListBox vList{*this, "vList"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
};

TEST_F(ToolkitOnWindows, SystemControlsMirrorTheirModels) {
    ControlsForm form(toolkit);
    form.txtPath.SetText("C:\\Data");
    for (const char* item : {"E: ", "F: ", "G: "}) form.cboDrive.AddItem(item);
    form.vList.AddItem("X: \tC:\\Data");
    form.Show();
    EXPECT_EQ(toolkit.FormCount(), 1);
    const HWND text = H(form.txtPath.hwnd()), combo = H(form.cboDrive.hwnd()), list = H(form.vList.hwnd());
    EXPECT_EQ(WindowText(text), "C:\\Data");
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
    char row[64] = {};
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
    EXPECT_STREQ(row, "X: \tC:\\Data");

    form.cboDrive.SetListIndex(1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(WindowText(combo), "F: ");
    form.cboDrive.RemoveItem(0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);

    form.txtPath.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(text));
    form.txtPath.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(text));
    form.vList.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(list));
    form.txtPath.SetText("D:\\Music");
    EXPECT_EQ(WindowText(text), "D:\\Music");
    form.Unload();
    EXPECT_FALSE(IsWindow(text));
    EXPECT_EQ(toolkit.FormCount(), 0);
}

TEST_F(ToolkitOnWindows, UserInputReachesTheModels) {
    ControlsForm form(toolkit);
    int changes = 0, selections = 0, clicks = 0;
    form.txtPath.onChange = [&] { ++changes; };
    form.cboDrive.onClick = [&] { ++selections; };
    form.cmdOK.onClick = [&] { ++clicks; };
    for (const char* item : {"E: ", "F: "}) form.cboDrive.AddItem(item);
    form.Show();
    const HWND text = H(form.txtPath.hwnd()), combo = H(form.cboDrive.hwnd());

    SendMessageA(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
    EXPECT_EQ(form.txtPath.Text(), "typed");
    EXPECT_EQ(changes, 1);

    // A display-only box discards every typed character.
    form.txtPath.onKeyPress = [](int16_t& key) { key = 0; };
    SendMessageA(text, WM_CHAR, 'x', 1);
    EXPECT_EQ(WindowText(text), "typed");

    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SendMessageA(H(form.hwnd()), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(form.cboDrive.ListIndex(), 1);
    EXPECT_EQ(form.cboDrive.Text(), "F: ");
    EXPECT_EQ(selections, 1);

    SendMessageA(H(form.cmdOK.hwnd()), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitOnWindows, ToolTipsAreRegisteredForTheirWindows) {
    ControlsForm form(toolkit);
    form.cmdOK.SetToolTipText("Plivant");
    form.Show();
    const HWND tips = toolkit.ToolTips(nullptr);
    ASSERT_TRUE(tips);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[80] = {};
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = H(form.hwnd());
    info.uId = reinterpret_cast<UINT_PTR>(H(form.cmdOK.hwnd()));
    info.lpszText = text;
    SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, "Plivant");
    form.cmdOK.SetToolTipText("");
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(ToolkitOnWindows, WindowlessControlsArePaintedAndHitByTheirContainer) {
    ui::Form form(toolkit, "frmPaint");
    form.Move(1500, 1500, 3000, 3000);
    ui::PictureBox box(form, "picBox");
    box.Move(0, 0, 1500, 1500);
    box.SetScaleMode(ui::ScaleMode::Pixels);
    box.SetBorderStyle(ui::ControlBorderStyle::None);
    box.SetBackColor(0x00FF00);  // green, stored blue-green-red
    ui::Image image(box, "img");
    image.Move(10, 10, 21, 21);
    image.SetPicture(CaptionButtonImage(CaptionImageSet::CbClose, 0));
    int clicks = 0;
    image.onClick = [&] { ++clicks; };
    form.Show();
    Pump();
    const HWND view = H(box.hwnd());
    HDC screen = GetDC(view);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 100, 100);
    HGDIOBJ old = SelectObject(memory, target);
    SendMessageA(view, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const ui::Bitmap shot = ui::win32::ReadBitmap(memory, 100, 100);
    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(view, screen);
    EXPECT_EQ(shot.At(2, 2), 0x00FF00u);
    const ui::Bitmap picture = CaptionButtonImage(CaptionImageSet::CbClose, 0);
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) ASSERT_EQ(shot.At(10 + x, 10 + y), picture.At(x, y)) << x << "," << y;
    }
    // A press and release over the image click it, not the box.
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    SendMessageA(view, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(windowing.WindowAt(platform::Point{100 + 15, 100 + 15}) != 0, true);
}

TEST_F(ToolkitOnWindows, ModalShowDisablesTheOtherWindowsUntilTheFormGoes) {
    ControlsForm owner(toolkit);
    owner.Show();
    ui::Form dialog(toolkit, "frmDialog");
    dialog.Move(3000, 3000, 3000, 2000);
    ui::Timer tmrClose(dialog, "tmrClose");
    bool ownerWasDisabled = false;
    tmrClose.SetInterval(50);
    tmrClose.onTimer = [&] {
        ownerWasDisabled = !IsWindowEnabled(H(owner.hwnd()));
        dialog.Unload();
    };
    dialog.Show(1, &owner);  // returns when the timer has unloaded it
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(IsWindowEnabled(H(owner.hwnd())));
}

// Runs the message loop for a while, so that timers tick.
void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        Pump();
        Sleep(1);
    }
}

TEST_F(ToolkitOnWindows, CaptionButtonFollowsTheRealCursorByPolling) {
    ui::Form form(toolkit, "frmHost");
    form.SetBorderStyle(ui::FormBorderStyle::None);
    form.Move(1500, 1500, 3000, 1500);  // (100, 100) pixels at 15 twips per pixel
    ControlButton button(form, "CloseButton");
    button.SetButtonStyle(2);
    button.Move(300, 150, 315, 315);
    form.Show();
    Pump();
    RECT r{};
    GetWindowRect(H(button.hwnd()), &r);
    ASSERT_EQ(r.right - r.left, 21);
    SetCursorPos(r.left + 10, r.top + 10);
    SendMessageA(H(button.hwnd()), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    PumpFor(60);
    EXPECT_EQ(button.Shown(), (CaptionImage{CaptionImageSet::CbClose, 1}));  // hover
    EXPECT_TRUE(button.Timer1.Armed());
    SetCursorPos(r.right + 200, r.bottom + 200);
    PumpFor(60);
    EXPECT_EQ(button.Shown(), (CaptionImage{CaptionImageSet::CbClose, 0}));
    EXPECT_FALSE(button.Timer1.Armed());
}

TEST_F(ToolkitOnWindows, HyperlinkShowsTheHandPointerWithItsHotSpot) {
    ui::Form form(toolkit, "frmAbout");
    form.SetBorderStyle(ui::FormBorderStyle::None);
    form.Move(1500, 1500, 4500, 1500);
    ZuLinkLabel link(form, "ZuLinkLabel1");
    link.Move(300, 300, 2000, 300);
    link.SetMouseIcon(1);
    form.Show();
    Pump();
    RECT r{};
    GetWindowRect(H(link.hwnd()), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    SendMessageA(H(link.hwnd()), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(link.hwnd())),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const HCURSOR cursor = GetCursor();
    ASSERT_TRUE(cursor);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 8u);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    link.SetMouseIcon(0);
    SendMessageA(H(link.hwnd()), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(link.hwnd())),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(ToolkitOnWindows, VisibleMenusFormTheMenuBarAndTheirCommandsRunTheItems) {
    ui::Form form(toolkit, "frmMenus");
    form.Move(1500, 1500, 4500, 3000);
    ui::Menu file(form, "mnuFile", "&File");
    ui::Menu open(file, "mnuOpen", "&Open");
    ui::Menu help(form, "mnuHelp", "&Help");
    int opened = 0;
    open.onClick = [&] { ++opened; };
    form.Show();
    const HWND w = H(form.hwnd());
    HMENU bar = GetMenu(w);
    ASSERT_TRUE(bar);
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    char text[32] = {};
    GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Help");
    const UINT id = GetMenuItemID(GetSubMenu(bar, 0), 0);
    SendMessageA(w, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ(opened, 1);
    help.SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetMenu(w)), 1);
    file.SetVisible(false);
    EXPECT_EQ(GetMenu(w), nullptr);  // no standard menu bar is shown
}

TEST_F(ToolkitOnWindows, AUserControlTakesTheFocusWhenPressedAndRaisesKeyDown) {
    ui::Form form(toolkit, "frmAbout");
    form.Move(1500, 1500, 4500, 1500);
    ZuLinkLabel link(form, "ZuLinkLabel1");
    link.Move(300, 300, 2000, 300);
    link.SetLinkEvent(2);  // the click only raises Click: nothing is opened
    std::vector<int16_t> keys;
    link.onKeyDown = [&](int16_t key, int16_t) { keys.push_back(key); };
    form.Show();
    Pump();
    const HWND w = H(link.hwnd());
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(GetFocus(), w);
    SendMessageA(w, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(keys, std::vector<int16_t>{VK_RETURN});
}

// The window as the screen shows it, once its pending painting is done.
ui::Bitmap Screenshot(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&msg);
    RECT r{};
    GetWindowRect(window, &r);
    return wine::CaptureScreen(r);
}

// True when the picture stands somewhere in the shot, pixel for pixel.
bool Contains(const ui::Bitmap& shot, const ui::Bitmap& picture) {
    for (int y = 0; y + picture.Height() <= shot.Height(); ++y) {
        for (int x = 0; x + picture.Width() <= shot.Width(); ++x) {
            bool same = true;
            for (int py = 0; same && py < picture.Height(); ++py) {
                for (int px = 0; same && px < picture.Width(); ++px)
                    same = shot.At(x + px, y + py) == picture.At(px, py);
            }
            if (same) return true;
        }
    }
    return false;
}

class FixedProcess final : public platform::IProcess {
public:
    bool PreviousInstanceRunning() override { return false; }
    std::string CommandLineArguments() override { return "/ini"; }
    std::string ProgramFolder() override { return "C:\\"; }
    platform::VersionNumbers Version() override { return {4, 1, 58}; }
    void EndProcess() override {}
};

TEST_F(ToolkitOnWindows, SplashIsTopmostAndGoneAboutASecondLater) {
    FixedProcess process;
    platform::win32::Win32Platform real;
    platform::Platform ports{real.dosDevices, real.files, real.registry, process, shell, windowing, real.codePage};
    app::ProgramWindows windows(toolkit, ports);
    const DWORD start = GetTickCount();
    windows.ShowSplash();
    const HWND splash = H(windows.Splash()->hwnd());
    ASSERT_TRUE(IsWindow(splash));
    EXPECT_TRUE(IsWindowVisible(splash));
    EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(windows.Splash()->lblName.Caption(), "Plivant 4.1.58");
    RECT r{};
    GetWindowRect(splash, &r);
    EXPECT_EQ(r.right - r.left, 273);
    const ui::Bitmap shot = Screenshot(splash);
    EXPECT_TRUE(Contains(shot, SplashProgramPicture()));
    EXPECT_TRUE(Contains(shot, SplashMountPicture()));
    EXPECT_FALSE(wine::SaveArtifact(shot, "wine-splash").empty());
    toolkit.RunUntilNoFormIsLeft();  // returns when the splash has closed itself
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_GE(elapsed, 990u);
    EXPECT_LT(elapsed, 10000u);
}

// Every caption-button image and every theme piece laid out on one form, painted by the real window, read
// back, compared with its source and saved.
TEST_F(ToolkitOnWindows, ContactSheetThroughRealGdiBitmaps) {
    ui::Form form(toolkit, "frmSheet");
    form.SetBorderStyle(ui::FormBorderStyle::None);
    const int width = 400, height = 520;
    form.Move(0, 0, static_cast<float>(width) * toolkit.TwipsPerPixelX(),
              static_cast<float>(height) * toolkit.TwipsPerPixelY());
    ui::PictureBox sheet(form, "picSheet");
    sheet.SetScaleMode(ui::ScaleMode::Pixels);
    sheet.SetBorderStyle(ui::ControlBorderStyle::None);
    sheet.SetBackColor(0xFFFFFF);
    sheet.Move(0, 0, form.Width(), form.Height());
    struct Placed {
        ui::Bitmap picture;
        int x, y;
    };
    std::vector<Placed> placed;
    int y = 8;
    for (auto set :
         {CaptionImageSet::CbMin, CaptionImageSet::CbMax, CaptionImageSet::CbClose, CaptionImageSet::CbRestore}) {
        for (int i = 0; i < CaptionImageCount(set); ++i) placed.push_back({CaptionButtonImage(set, i), 8 + i * 25, y});
        y += 27;
    }
    y += 8;
    for (int e = 0; e < 6; ++e) {
        int x = 8, rowHeight = 0;
        for (int array : {2, 1, 3, 4, 5, 8, 6, 7}) {
            ui::Bitmap piece = ThemeXPicture(array, e);
            placed.push_back({piece, x, y});
            x += piece.Width() + 6;
            rowHeight = std::max(rowHeight, piece.Height());
        }
        y += rowHeight + 8;
    }
    std::vector<std::unique_ptr<ui::Image>> images;
    for (const auto& p : placed) {
        auto image = std::make_unique<ui::Image>(sheet, "img", static_cast<int>(images.size()));
        image->Move(static_cast<float>(p.x), static_cast<float>(p.y), 1, 1);
        image->SetPicture(p.picture);
        images.push_back(std::move(image));
    }
    form.Show();
    Pump();
    const HWND view = H(sheet.hwnd());
    HDC screen = GetDC(view);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, target);
    SendMessageA(view, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const ui::Bitmap shot = ui::win32::ReadBitmap(memory, width, height);
    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(view, screen);

    int mismatches = 0;
    for (const auto& p : placed) {
        ASSERT_LE(p.x + p.picture.Width(), width);
        ASSERT_LE(p.y + p.picture.Height(), height);
        for (int py = 0; py < p.picture.Height(); ++py) {
            for (int px = 0; px < p.picture.Width(); ++px) {
                if (shot.At(p.x + px, p.y + py) != p.picture.At(px, py)) ++mismatches;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(placed.size(), 51u + 48u);

    EXPECT_FALSE(wine::SaveArtifact(shot, "wine-contact-sheet").empty());
}

}  // namespace
}  // namespace plivant
