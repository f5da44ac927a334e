// The toolkit on real windows: the system's controls mirror their models and report the user's input back,
// windowless controls are painted and hit by their container, tooltips are registered, the splash is topmost and
// gone a second later, and a contact sheet of every caption-button image and theme piece is rendered through
// real GDI bitmaps, checked pixel for pixel and saved as a PNG.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "Screenshot.h"
#include "WineSupport.h"
#include "app/ProgramWindows.h"
#include "art/ThemeXArt.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Controls.h"
#include "ui/win32/Win32Toolkit.h"
#include "widgets/ControlButton.h"
#include "widgets/ZuLinkLabel.h"
#include "windows/auxiliary/SplashArt.h"

namespace plivant {
namespace {

using wine::Pump;

HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

std::string WindowText(HWND w) {
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

LRESULT Send(platform::WindowHandle w, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(H(w), message, wParam, lParam);
}

class ToolkitOnWindows : public testing::Test {
protected:
    platform::win32::Win32Windowing windowing;
    platform::win32::Win32Shell shell;
    ui::win32::Win32Toolkit toolkit{windowing, shell};
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
        for (const char* item : {"E: ", "F: ", "G: "}) cboDrive.AddItem(item);
    }
    ui::TextBox txtPath{*this, "txtPath"};
    ui::ComboBox cboDrive{*this, "cboDrive"};
    ui::ListBox vList{*this, "vList"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
};

TEST_F(ToolkitOnWindows, SystemControlsMirrorTheirModels) {
    ControlsForm form(toolkit);
    form.txtPath.SetText("C:\\Data");
    form.vList.AddItem("X: \tC:\\Data");
    form.Show();
    EXPECT_EQ(toolkit.FormCount(), 1);
    const auto combo = form.cboDrive.hwnd(), list = form.vList.hwnd();
    EXPECT_EQ(WindowText(H(form.txtPath.hwnd())), "C:\\Data");
    EXPECT_EQ(std::tuple(Send(combo, CB_GETCOUNT), Send(combo, CB_GETCURSEL), Send(list, LB_GETCOUNT)),
              std::tuple(3, CB_ERR, 1));
    char row[64] = {};
    Send(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
    EXPECT_STREQ(row, "X: \tC:\\Data");

    form.cboDrive.SetListIndex(1);
    EXPECT_EQ(std::pair(Send(combo, CB_GETCURSEL), WindowText(H(combo))), std::pair(LRESULT{1}, std::string("F: ")));
    form.cboDrive.RemoveItem(0);
    EXPECT_EQ(std::pair(Send(combo, CB_GETCOUNT), Send(combo, CB_GETCURSEL)), std::pair(LRESULT{2}, LRESULT{0}));
    form.txtPath.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(H(form.txtPath.hwnd())));
    form.txtPath.SetEnabled(true);
    form.vList.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(H(list)));
    form.txtPath.SetText("D:\\Music");
    EXPECT_EQ(WindowText(H(form.txtPath.hwnd())), "D:\\Music");
    EXPECT_TRUE(IsWindowEnabled(H(form.txtPath.hwnd())));
    form.Unload();
    EXPECT_FALSE(IsWindow(H(list)));
    EXPECT_EQ(toolkit.FormCount(), 0);
}

TEST_F(ToolkitOnWindows, UserInputReachesTheModelsAndToolTipsAreRegistered) {
    ControlsForm form(toolkit);
    int changes = 0, selections = 0, clicks = 0;
    form.txtPath.onChange = [&] { ++changes; };
    form.cboDrive.onClick = [&] { ++selections; };
    form.cmdOK.onClick = [&] { ++clicks; };
    form.cmdOK.SetToolTipText("Plivant");
    form.Show();
    const auto text = form.txtPath.hwnd(), combo = form.cboDrive.hwnd();
    Send(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
    form.txtPath.onKeyPress = [](int16_t& key) { key = 0; };  // a display-only box discards every typed character
    Send(text, WM_CHAR, 'x', 1);
    EXPECT_EQ(std::tuple(form.txtPath.Text(), WindowText(H(text)), changes), std::tuple("typed", "typed", 1));
    Send(combo, CB_SETCURSEL, 1, 0);
    Send(form.hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(H(combo)));
    EXPECT_EQ(std::tuple(form.cboDrive.ListIndex(), form.cboDrive.Text(), selections), std::tuple(1, "F: ", 1));
    Send(form.cmdOK.hwnd(), BM_CLICK);
    EXPECT_EQ(clicks, 1);

    const HWND tips = toolkit.ToolTips(nullptr);
    ASSERT_TRUE(tips);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
    char tip[80] = {};
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = H(form.hwnd());
    info.uId = reinterpret_cast<UINT_PTR>(H(form.cmdOK.hwnd()));
    info.lpszText = tip;
    SendMessageA(tips, TTM_GETTEXTA, sizeof tip, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(tip, "Plivant");
    form.cmdOK.SetToolTipText("");
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 0);
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

// A caption button and a hyperlink on one form: the button follows the real cursor by polling, the link shows
// the hand pointer with its hot spot, takes the focus when pressed and raises KeyDown.
TEST_F(ToolkitOnWindows, CaptionButtonAndHyperlinkFollowTheRealCursorAndKeyboard) {
    ui::Form form(toolkit, "frmAbout");
    form.SetBorderStyle(ui::FormBorderStyle::None);
    form.Move(1500, 1500, 4500, 1500);  // (100, 100) pixels at 15 twips per pixel
    ControlButton button(form, "CloseButton");
    button.SetButtonStyle(2);
    button.Move(300, 150, 315, 315);
    ZuLinkLabel link(form, "ZuLinkLabel1");
    link.Move(900, 300, 2000, 300);
    link.SetMouseIcon(1);
    link.SetLinkEvent(2);  // the click only raises Click: nothing is opened
    std::vector<int16_t> keys;
    link.onKeyDown = [&](int16_t key, int16_t) { keys.push_back(key); };
    form.Show();
    Pump();
    RECT r{};
    GetWindowRect(H(button.hwnd()), &r);
    ASSERT_EQ(r.right - r.left, 21);
    SetCursorPos(r.left + 10, r.top + 10);
    Send(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    const CaptionImage hover{CaptionImageSet::CbClose, 1};
    EXPECT_TRUE(wine::PumpUntil([&] { return button.Shown() == hover; }, 5000)) << "the polling never showed the hover";
    EXPECT_TRUE(button.Timer1.Armed());
    SetCursorPos(r.right + 200, r.bottom + 200);
    EXPECT_TRUE(wine::PumpUntil([&] { return !button.Timer1.Armed(); }, 5000)) << "the polling never ended the hover";
    EXPECT_EQ(button.Shown(), (CaptionImage{CaptionImageSet::CbClose, 0}));

    GetWindowRect(H(link.hwnd()), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    const auto setCursor = [&] {
        Send(link.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(link.hwnd())), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    setCursor();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(GetCursor(), &info));
    EXPECT_EQ(std::tuple(info.fIcon, info.xHotspot, info.yHotspot), std::tuple(FALSE, 6ul, 8ul));
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    link.SetMouseIcon(0);
    setCursor();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    Send(link.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    Send(link.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(GetFocus(), H(link.hwnd()));
    Send(link.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(keys, std::vector<int16_t>{VK_RETURN});
}

TEST_F(ToolkitOnWindows, VisibleMenusFormTheMenuBarAndTheirCommandsRunTheItems) {
    ui::Form form(toolkit, "frmMenus");
    form.Move(1500, 1500, 4500, 3000);
    ui::Menu file(form, "mnuFile", "&File"), open(file, "mnuOpen", "&Open"), help(form, "mnuHelp", "&Help");
    int opened = 0;
    open.onClick = [&] { ++opened; };
    form.Show();
    const HWND w = H(form.hwnd());
    HMENU bar = GetMenu(w);
    ASSERT_TRUE(bar);
    char text[32] = {};
    GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(std::pair(GetMenuItemCount(bar), std::string(text)), std::pair(2, std::string("&Help")));
    SendMessageA(w, WM_COMMAND, MAKEWPARAM(GetMenuItemID(GetSubMenu(bar, 0), 0), 0), 0);
    EXPECT_EQ(opened, 1);
    help.SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetMenu(w)), 1);
    file.SetVisible(false);
    EXPECT_EQ(GetMenu(w), nullptr);  // no standard menu bar is shown
}

// True when the picture stands somewhere in the shot, pixel for pixel.
bool Contains(const ui::Bitmap& shot, const ui::Bitmap& picture) {
    for (int y = 0; y + picture.Height() <= shot.Height(); ++y) {
        for (int x = 0; x + picture.Width() <= shot.Width(); ++x) {
            bool same = true;
            for (int py = 0; same && py < picture.Height(); ++py)
                for (int px = 0; same && px < picture.Width(); ++px)
                    same = shot.At(x + px, y + py) == picture.At(px, py);
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
    [[noreturn]] void EndProcess() override { ExitProcess(0); }
};

TEST_F(ToolkitOnWindows, SplashIsTopmostAndGoneAboutASecondLater) {
    FixedProcess process;
    platform::win32::Win32Platform real;
    platform::Platform ports{real.dosDevices, real.files, real.registry, process, shell, windowing, real.codePage};
    app::ProgramWindows windows(toolkit, ports);
    const DWORD start = GetTickCount();
    windows.ShowSplash();
    const HWND splash = H(windows.Splash()->hwnd());
    ASSERT_TRUE(IsWindowVisible(splash));
    EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(windows.Splash()->lblName.Caption(), "Plivant 4.1.58");
    // The window as the screen shows it, once its pending painting is done.
    RedrawWindow(splash, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&msg);
    RECT r{};
    GetWindowRect(splash, &r);
    EXPECT_EQ(r.right - r.left, 273);
    const ui::Bitmap shot = wine::CaptureScreen(r);
    EXPECT_TRUE(Contains(shot, SplashProgramPicture()));
    EXPECT_TRUE(Contains(shot, SplashMountPicture()));
    EXPECT_FALSE(wine::SaveArtifact(shot, "wine-splash").empty());
    toolkit.RunUntilNoFormIsLeft();  // returns when the splash has closed itself
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_FALSE(IsWindow(splash));
    // About a second: unmanaged windows hide at once (a loose bound, for a busy machine; not a measure of speed).
    EXPECT_GE(elapsed, 990u);
    EXPECT_LT(elapsed, 3000u);
}

// Every caption-button image and every theme piece laid out as windowless images in a picture box, painted by
// the real window, read back, compared with its source and saved; a press and release over one clicks it.
TEST_F(ToolkitOnWindows, ContactSheetThroughRealGdiBitmaps) {
    ui::Form form(toolkit, "frmSheet");
    form.SetBorderStyle(ui::FormBorderStyle::None);
    const int width = 400, height = 520;
    form.Move(0, 0, width * toolkit.TwipsPerPixelX(), height * toolkit.TwipsPerPixelY());
    ui::PictureBox sheet(form, "picSheet");
    sheet.SetScaleMode(ui::ScaleMode::Pixels);
    sheet.SetBorderStyle(ui::ControlBorderStyle::None);
    sheet.SetBackColor(0xFFFFFF);
    sheet.Move(0, 0, form.Width(), form.Height());
    std::vector<std::unique_ptr<ui::Image>> images;
    const auto place = [&](const ui::Bitmap& picture, int x, int y) {
        images.push_back(std::make_unique<ui::Image>(sheet, "img", static_cast<int>(images.size())));
        images.back()->Move(static_cast<float>(x), static_cast<float>(y), 1, 1);
        images.back()->SetPicture(picture);
    };
    int y = 8;
    for (auto set :
         {CaptionImageSet::CbMin, CaptionImageSet::CbMax, CaptionImageSet::CbClose, CaptionImageSet::CbRestore}) {
        for (int i = 0; i < CaptionImageCount(set); ++i) place(CaptionButtonImage(set, i), 8 + i * 25, y);
        y += 27;
    }
    for (int e = 0; e < 6; ++e) {
        int x = 8, rowHeight = 0;
        for (int array : {2, 1, 3, 4, 5, 8, 6, 7}) {
            const ui::Bitmap piece = ThemeXPicture(array, e);
            place(piece, x, y + 8);
            x += piece.Width() + 6;
            rowHeight = std::max(rowHeight, piece.Height());
        }
        y += rowHeight + 8;
    }
    int clicks = 0;
    images[0]->onClick = [&] { ++clicks; };
    form.Show();
    Pump();
    const ui::Bitmap shot = wine::PrintClient(H(sheet.hwnd()), width, height);
    int mismatches = 0;
    for (const auto& image : images) {
        const ui::Bitmap& picture = image->Picture();
        const int x0 = static_cast<int>(image->Left()), y0 = static_cast<int>(image->Top());
        ASSERT_LE(x0 + picture.Width(), width);
        ASSERT_LE(y0 + picture.Height(), height);
        for (int py = 0; py < picture.Height(); ++py)
            for (int px = 0; px < picture.Width(); ++px) mismatches += shot.At(x0 + px, y0 + py) != picture.At(px, py);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(images.size(), 51u + 48u);
    EXPECT_FALSE(wine::SaveArtifact(shot, "wine-contact-sheet").empty());
    Send(sheet.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    Send(sheet.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace plivant
