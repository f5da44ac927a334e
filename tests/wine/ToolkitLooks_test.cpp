// What the toolkit's windows show and how they are named: picture buttons and windowed images are named buttons,
// an image button paints its picture and its focus, a tooltip shows on hover, text boxes and lists paint their back
// colour, menu items their pictures, lines their one-pixel band; and a list of 100,000 rows fills in one go.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "Screenshot.h"
#include "ToolkitTesting.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace plivant::wine {
namespace {

// A picture with a border of another colour, so that a shifted or stretched copy does not match.
ui::Bitmap Framed(int size, ui::Rgb inside) {
    ui::Bitmap picture(size, size, 0x000000);
    for (int y = 1; y + 1 < size; ++y) {
        for (int x = 1; x + 1 < size; ++x) picture.Set(x, y, inside);
    }
    return picture;
}

// What the screen shows of a window, once its painting is done.
ui::Bitmap Shot(HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetWindowRect(w, &r);
    return CaptureScreen(r);
}

class ToolkitLooks : public ToolkitTest {
protected:
    ToolkitLooks() { form.Move(1500, 1500, 6000, 4500); }
    void Show() {
        form.Show();
        Pump();
    }
    ui::Form form{toolkit, "frmLooks"};
};

TEST_F(ToolkitLooks, ControlsAUserActsOnAreNamedWindowsThatTabReaches) {
    ui::CommandButton cmdPicture(form, "cmdPicture"), cmdOK(form, "cmdOK");
    cmdPicture.SetStyle(1);
    cmdPicture.SetPicture(Framed(16, 0x00C000));
    cmdPicture.SetToolTipText("Mount");
    cmdOK.SetCaption("OK");
    cmdOK.SetToolTipText("Close the window");
    ui::Image imgAbout(form, "imgAbout");
    imgAbout.SetWindowed(true);
    imgAbout.SetToolTipText("About");
    ui::TextBox txtPath(form, "txtPath");
    txtPath.SetToolTipText("Folder");
    txtPath.SetText("C:\\Data");
    Show();
    struct Case {
        const ui::Control* control;
        const char* cls;
        LONG style;  // style bits it must have
        const char* text;
    };
    const Case cases[] = {
        {&cmdPicture, "Button", BS_BITMAP, "Mount"},   // a picture button is named by its tooltip
        {&cmdOK, "Button", BS_PUSHBUTTON, "OK"},       // a caption names a button before its tooltip
        {&imgAbout, "Button", BS_OWNERDRAW, "About"},  // an image that acts as a button is one
        {&txtPath, "Edit", 0, "C:\\Data"},             // a text box's window text is its content
    };
    for (const Case& c : cases) {
        const HWND w = H(c.control->hwnd());
        char cls[32] = {};
        GetClassNameA(w, cls, sizeof cls);
        EXPECT_STREQ(cls, c.cls) << c.control->Name();
        EXPECT_EQ(GetWindowLongA(w, GWL_STYLE) & (c.style | WS_TABSTOP), c.style | WS_TABSTOP) << c.control->Name();
        EXPECT_EQ(WindowText(w), c.text) << c.control->Name();
    }
    imgAbout.SetToolTipText("About Plivant");
    EXPECT_EQ(WindowText(H(imgAbout.hwnd())), "About Plivant");
}

TEST_F(ToolkitLooks, AWindowedImagePaintsItsPictureOnItsContainerAndItsFocus) {
    form.SetBackColor(0x00FFFF);
    ui::Image imgAbout(form, "imgAbout");
    imgAbout.SetWindowed(true);
    const ui::Bitmap picture = Framed(24, 0xC00000);
    imgAbout.SetPicture(picture);
    imgAbout.Move(300, 300, 480, 480);  // 32 pixels: the form shows round the picture
    ui::TextBox txtOther(form, "txtOther");
    int clicks = 0;
    imgAbout.onClick = [&] { ++clicks; };
    Show();
    const HWND w = H(imgAbout.hwnd());
    txtOther.SetFocus();
    const ui::Bitmap resting = PrintClient(w);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(resting.At(x, y), x < 24 && y < 24 ? picture.At(x, y) : PixelOf(0x00FFFF)) << x << "," << y;
        }
    }
    // The keyboard in use (as after a Tab), the focus rectangle shows.
    SendMessageA(H(form.hwnd()), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    imgAbout.SetFocus();
    EXPECT_FALSE(PrintClient(w) == resting);
    SendMessageA(w, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitLooks, ATooltipShowsWhileTheMouseRestsOnItsControl) {
    ui::TextBox txtPath(form, "txtPath");
    txtPath.Move(300, 300, 3000, 300);
    txtPath.SetToolTipText("The folder to mount");
    Show();
    const HWND w = H(txtPath.hwnd()), tips = toolkit.ToolTips(nullptr);
    RECT r{};
    GetWindowRect(w, &r);
    SetCursorPos(r.left + 10, r.top + 5);
    SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));  // the control passes it on to the tooltip
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tips); }));
    EXPECT_EQ(WindowText(tips), "The folder to mount");
}

TEST_F(ToolkitLooks, TextBoxesAndListsPaintTheirBackColour) {
    constexpr ui::OleColor kPanel = 0xD8E9EC;
    ui::TextBox txtReg(form, "txtReg");
    txtReg.SetMultiLine(true);
    txtReg.SetScrollBars(ui::ScrollBars::Vertical);
    ui::ListBox vList(form, "vList");
    ui::ComboBox cboDrive(form, "cboDrive");
    const std::vector<ui::Control*> controls{&txtReg, &vList, &cboDrive};
    for (size_t i = 0; i < controls.size(); ++i) {
        controls[i]->Move(165, 200 + 1300.0f * i, 3000, 1200);
        controls[i]->SetBackColor(kPanel);
    }
    txtReg.SetText("Line one\r\nLine two");
    Show();
    EXPECT_TRUE(GetWindowLongA(H(txtReg.hwnd()), GWL_STYLE) & ES_MULTILINE);
    EXPECT_EQ(SendMessageA(H(txtReg.hwnd()), EM_GETLINECOUNT, 0, 0), 2);
    for (const ui::Control* c : controls) {
        HWND w = H(c->hwnd());
        if (c == &cboDrive) w = GetWindow(w, GW_CHILD);  // the edit field
        RECT r{};
        GetClientRect(w, &r);
        const ui::Bitmap shot = Shot(w);
        // Below the text, left of any scroll bar.
        EXPECT_EQ(shot.At(r.right / 2, shot.Height() - 3), PixelOf(kPanel)) << c->Name();
    }
}

TEST_F(ToolkitLooks, MenuItemsShowTheirPicturesOwnedWithTheirMenu) {
    ui::Menu mnuFile(form, "mnuFile", "&File");
    ui::Menu mnuOpen(mnuFile, "mnuOpen", "&Open");
    ui::Menu mnuHelp(form, "mnuHelp", "&Help");
    const ui::Bitmap picture = Framed(13, 0x0000C0);
    mnuHelp.SetPicture(picture);
    mnuOpen.SetPicture(picture);
    Show();
    const HWND w = H(form.hwnd());
    const auto barPicture = [&] {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_BITMAP;
        return GetMenuItemInfoA(GetMenu(w), 1, TRUE, &info) ? info.hbmpItem : nullptr;
    };
    ASSERT_TRUE(barPicture());
    EXPECT_TRUE(Contains(Shot(w), picture));
    // A popup of the form's menus shows it too, while it is open.
    static bool shown = false;
    static const ui::Bitmap* wanted = &picture;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND popup = FindWindowA("#32768", nullptr)) shown = Contains(Shot(popup), *wanted);
        EndMenu();
    });
    form.PopupMenu(mnuFile, 0, 0);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(shown);
    mnuHelp.SetPicture({});  // the bar is made again, without it
    EXPECT_FALSE(barPicture());
}

TEST_F(ToolkitLooks, LinesArePaintedAsOnePixelBandsOfTheirColour) {
    form.SetBackColor(0xD8E9EC);
    ui::Line grey(form, "Line1"), white(form, "Line2");  // the About window's separators
    grey.SetBorderColor(0x808080);
    white.SetBorderColor(0xFFFFFF);
    grey.SetEnds(150, 1500, 4500, 1500);
    white.SetEnds(150, 1515, 4500, 1515);
    Show();
    const ui::Bitmap shot = PrintClient(H(form.hwnd()));
    const ui::Rgb back = PixelOf(0xD8E9EC);
    for (auto [y, colour] : {std::pair{99, back}, {100, 0x808080u}, {101, 0xFFFFFFu}, {102, back}}) {
        for (int x : {10, 150, 299}) EXPECT_EQ(shot.At(x, y), colour) << x << "," << y;
        EXPECT_EQ(shot.At(300, y), back) << "past the end, row " << y;
    }
}

TEST_F(ToolkitLooks, AHundredThousandRowsFillInOneGo) {
    ui::ListBox vList(form, "vList");
    vList.Move(90, 90, 4000, 3000);
    Show();
    std::vector<std::string> rows;
    for (int i = 0; i < 100000; ++i) rows.push_back("C:\\Folder\\" + std::to_string(i));
    const auto start = std::chrono::steady_clock::now();
    vList.SetItems(rows);
    Pump();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << "[ MEASURED ] 100,000 rows filled and painted in " << took.count() << " ms\n";
    char last[32] = {};
    SendMessageA(H(vList.hwnd()), LB_GETTEXT, 99999, reinterpret_cast<LPARAM>(last));
    EXPECT_STREQ(last, "C:\\Folder\\99999");
}

}  // namespace
}  // namespace plivant::wine
