// What the toolkit's windows show and how they are named: picture buttons and windowed images are named buttons,
// an image button paints its picture and its focus, text boxes and lists their background colour, menu items
// their pictures, lines their one-pixel band; and a list of 100,000 rows fills in one go.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "Screenshot.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plivant {
namespace {

HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

std::string WindowText(HWND w) {
    char text[128] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

// A stored colour (blue-green-red) as a picture's pixel (red-green-blue).
ui::Rgb PixelOf(ui::OleColor c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// What the screen shows of a window's client area, once its painting is done.
ui::Bitmap ClientShot(HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return wine::CaptureScreen(r);
}

// What a window paints of its client area into a bitmap of ours (away from the screen, whose copy of a window may
// lag behind).
ui::Bitmap PrintedClient(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    platform::win32::WindowDc screen(w);
    platform::win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    platform::win32::UniqueBitmap target(CreateCompatibleBitmap(screen.get(), r.right, r.bottom));
    platform::win32::SelectGuard selected(memory.get(), target.get());
    SendMessageA(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    return ui::win32::ReadBitmap(memory.get(), r.right, r.bottom);
}

// True when the picture stands in the shot with its top left corner somewhere, pixel for pixel.
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

// A picture with a border of another colour, so that a shifted or stretched copy does not match.
ui::Bitmap Framed(int size, ui::Rgb inside, ui::Rgb border) {
    ui::Bitmap picture(size, size, border);
    for (int y = 1; y + 1 < size; ++y) {
        for (int x = 1; x + 1 < size; ++x) picture.Set(x, y, inside);
    }
    return picture;
}

class ToolkitLooks : public testing::Test {
protected:
    ToolkitLooks() { form.Move(1500, 1500, 6000, 4500); }
    void Show() {
        form.Show();
        windowing.ProcessPendingMessages();
    }

    platform::win32::Win32Windowing windowing;
    platform::win32::Win32Shell shell;
    ui::win32::Win32Toolkit toolkit{windowing, shell};
    ui::Form form{toolkit, "frmLooks"};
};

TEST_F(ToolkitLooks, ControlsAUserActsOnAreNamedWindowsThatTabReaches) {
    ui::CommandButton cmdPicture(form, "cmdPicture");
    cmdPicture.SetStyle(1);
    cmdPicture.SetPicture(Framed(16, 0x00C000, 0x000000));
    cmdPicture.SetToolTipText("Mount");
    ui::CommandButton cmdOK(form, "cmdOK");
    cmdOK.SetCaption("OK");
    cmdOK.SetToolTipText("Close the window");
    ui::Image imgAbout(form, "imgAbout");
    imgAbout.SetWindowed(true);
    imgAbout.SetPicture(Framed(16, 0xC00000, 0x000000));
    imgAbout.SetToolTipText("About");
    ui::TextBox txtPath(form, "txtPath");
    txtPath.SetToolTipText("Folder");
    txtPath.SetText("C:\\Data");
    Show();
    struct Case {
        const ui::Control* control;
        const char* cls;
        LONG type;  // a button's type bits
        const char* text;
    };
    const Case cases[] = {
        {&cmdPicture, "Button", BS_PUSHBUTTON, "Mount"},  // a picture button is named by its tooltip
        {&cmdOK, "Button", BS_PUSHBUTTON, "OK"},          // a caption names a button before its tooltip
        {&imgAbout, "Button", BS_OWNERDRAW, "About"},     // an image that acts as a button is one
        {&txtPath, "Edit", 0, "C:\\Data"},                // a text box's window text is its content
    };
    for (const Case& c : cases) {
        const HWND w = H(c.control->hwnd());
        char cls[32] = {};
        GetClassNameA(w, cls, sizeof cls);
        EXPECT_STREQ(cls, c.cls) << c.control->Name();
        const LONG style = GetWindowLongA(w, GWL_STYLE);
        if (std::string(c.cls) == "Button") {
            EXPECT_EQ(style & BS_TYPEMASK, c.type) << c.control->Name();
        }
        EXPECT_TRUE(style & WS_TABSTOP) << c.control->Name();
        EXPECT_EQ(WindowText(w), c.text) << c.control->Name();
    }
    EXPECT_TRUE(GetWindowLongA(H(cmdPicture.hwnd()), GWL_STYLE) & BS_BITMAP);
    imgAbout.SetToolTipText("About Plivant");
    EXPECT_EQ(WindowText(H(imgAbout.hwnd())), "About Plivant");
}

TEST_F(ToolkitLooks, AWindowedImagePaintsItsPictureOnItsContainerAndItsFocus) {
    form.SetBackColor(0x00FFFF);  // yellow
    ui::Image imgAbout(form, "imgAbout");
    imgAbout.SetWindowed(true);
    const ui::Bitmap picture = Framed(24, 0xC00000, 0x000000);
    imgAbout.SetPicture(picture);
    imgAbout.Move(300, 300, 480, 480);  // 32 pixels: the form shows around the picture
    ui::TextBox txtOther(form, "txtOther");
    txtOther.Move(900, 300, 1500, 300);
    int clicks = 0;
    imgAbout.onClick = [&] { ++clicks; };
    Show();
    const HWND w = H(imgAbout.hwnd());
    txtOther.SetFocus();
    const ui::Bitmap resting = PrintedClient(w);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const ui::Rgb expected = x < 24 && y < 24 ? picture.At(x, y) : PixelOf(0x00FFFF);
            ASSERT_EQ(resting.At(x, y), expected) << x << "," << y;
        }
    }
    // The keyboard is in use (as after a Tab): focus rectangles are shown.
    SendMessageA(H(form.hwnd()), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    imgAbout.SetFocus();
    ASSERT_EQ(GetFocus(), w);
    const ui::Bitmap focused = PrintedClient(w);
    EXPECT_FALSE(focused == resting);  // the focus rectangle
    EXPECT_EQ(focused.At(picture.Width() / 2, picture.Height() / 2), 0xC00000u);
    EXPECT_FALSE(wine::SaveArtifact(focused, "wine-image-button-focused").empty());
    SendMessageA(w, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitLooks, TextBoxesAndListsPaintTheirBackColour) {
    constexpr ui::OleColor kPanel = 0xD8E9EC;
    ui::TextBox txtReg(form, "txtReg");
    txtReg.SetMultiLine(true);
    txtReg.SetScrollBars(ui::ScrollBars::Vertical);
    txtReg.Move(165, 200, 3000, 1260);
    ui::ListBox vList(form, "vList");
    vList.Move(165, 1600, 3000, 1000);
    ui::ComboBox cboDrive(form, "cboDrive");
    cboDrive.Move(165, 2800, 1500, 315);
    std::vector<const ui::Control*> painted{&txtReg, &vList, &cboDrive};
    for (ui::Control* c : std::vector<ui::Control*>{&txtReg, &vList, &cboDrive}) c->SetBackColor(kPanel);
    txtReg.SetText("Line one\r\nLine two");
    Show();
    EXPECT_TRUE(GetWindowLongA(H(txtReg.hwnd()), GWL_STYLE) & ES_MULTILINE);
    EXPECT_EQ(SendMessageA(H(txtReg.hwnd()), EM_GETLINECOUNT, 0, 0), 2);
    for (const ui::Control* c : painted) {
        HWND w = H(c->hwnd());
        if (c == &cboDrive) w = GetWindow(w, GW_CHILD);  // the edit field
        const ui::Bitmap shot = ClientShot(w);
        // Below the text, left of any scroll bar.
        EXPECT_EQ(shot.At(shot.Width() / 2, shot.Height() - 3), PixelOf(kPanel)) << c->Name();
    }
}

TEST_F(ToolkitLooks, MenuItemsShowTheirPicturesInTheBarAndInPopups) {
    ui::Menu mnuFile(form, "mnuFile", "&File");
    ui::Menu mnuOpen(mnuFile, "mnuOpen", "&Open");
    ui::Menu mnuHelp(form, "mnuHelp", "&Help");
    const ui::Bitmap barPicture = Framed(13, 0x0000C0, 0x000000), popupPicture = Framed(13, 0x00C000, 0x000000);
    mnuHelp.SetPicture(barPicture);
    mnuOpen.SetPicture(popupPicture);
    Show();
    const HWND w = H(form.hwnd());
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    ASSERT_TRUE(GetMenuItemInfoA(GetMenu(w), 1, TRUE, &info));
    ASSERT_TRUE(info.hbmpItem);
    BITMAP bitmap{};
    ASSERT_TRUE(GetObjectA(info.hbmpItem, sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 13);
    RECT bar{};
    GetWindowRect(w, &bar);
    const ui::Bitmap shot = wine::CaptureScreen(bar);
    EXPECT_TRUE(Contains(shot, barPicture));
    // A popup of the window's menus: the picture is on the screen while the menu is open.
    static bool seen = false;
    static ui::Bitmap wanted;
    seen = false;
    wanted = popupPicture;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND popup = FindWindowA("#32768", nullptr)) {
            RECT r{};
            GetWindowRect(popup, &r);
            seen = Contains(wine::CaptureScreen(r), wanted);
            wine::SaveArtifact(wine::CaptureScreen(r), "wine-menu-picture");
        }
        EndMenu();
    });
    form.PopupMenu(mnuFile, 0, 0);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(seen);
    // Changing the menus makes the bar again; the old pictures go with the old bar.
    mnuHelp.SetPicture({});
    info.hbmpItem = nullptr;
    ASSERT_TRUE(GetMenuItemInfoA(GetMenu(w), 1, TRUE, &info));
    EXPECT_FALSE(info.hbmpItem);
}

TEST_F(ToolkitLooks, LinesArePaintedAsOnePixelBandsOfTheirColour) {
    form.SetBackColor(0xD8E9EC);
    ui::Line grey(form, "Line1"), white(form, "Line2");
    grey.SetBorderColor(0x808080);
    white.SetBorderColor(0xFFFFFF);
    grey.SetEnds(150, 1500, 4500, 1500);
    white.SetEnds(150, 1515, 4500, 1515);
    Show();
    const ui::Bitmap shot = ClientShot(H(form.hwnd()));
    struct Case {
        int y;
        ui::Rgb colour;
    };
    const Case rows[] = {{99, PixelOf(0xD8E9EC)}, {100, 0x808080}, {101, 0xFFFFFF}, {102, PixelOf(0xD8E9EC)}};
    for (const Case& row : rows) {
        for (int x : {10, 150, 299}) EXPECT_EQ(shot.At(x, row.y), row.colour) << x << "," << row.y;
        EXPECT_EQ(shot.At(300, row.y), PixelOf(0xD8E9EC)) << "past the end, row " << row.y;
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
    windowing.ProcessPendingMessages();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << "[ MEASURED ] 100,000 rows filled and painted in " << took.count() << " ms\n";
    EXPECT_EQ(SendMessageA(H(vList.hwnd()), LB_GETCOUNT, 0, 0), 100000);
    char last[32] = {};
    SendMessageA(H(vList.hwnd()), LB_GETTEXT, 99999, reinterpret_cast<LPARAM>(last));
    EXPECT_STREQ(last, "C:\\Folder\\99999");
}

}  // namespace
}  // namespace plivant
