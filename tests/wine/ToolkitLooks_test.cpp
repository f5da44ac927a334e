// What the toolkit's windows show: an image's picture and focus, a tooltip on hover, back colours, bulk fill, menus
// and their pictures.

#include "ToolkitTesting.h"

namespace plivant::wine {
namespace {

using ToolkitLooks = DialogTest;

// The names the controls' windows carry (a picture button's and an image's from their tooltips) are checked on the
// real program by the main window's run.
TEST_F(ToolkitLooks, AWindowedImagePaintsItsPictureOnItsContainerItsFocusAndItsTooltip) {
    form.SetBackColor(0x00FFFF);
    const ui::Bitmap picture = Framed(24, 0xC00000);
    imgAbout.SetPicture(picture);
    imgAbout.Move(imgAbout.Left(), imgAbout.Top(), 480, 480);  // 32 pixels: the form shows round the picture
    imgAbout.SetToolTipText("About");
    Show();
    const HWND w = H(imgAbout.hwnd());
    txtPath.SetFocus();
    const ui::Bitmap resting = PrintClient(w);
    for (int i = 0; i < 32 * 32; ++i) {
        const int x = i % 32, y = i / 32;
        ASSERT_EQ(resting.At(x, y), x < 24 && y < 24 ? picture.At(x, y) : PixelOf(0x00FFFF)) << x << "," << y;
    }
    // The keyboard in use (as after a Tab), the focus rectangle shows.
    SendMessageA(H(form.hwnd()), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    imgAbout.SetFocus();
    EXPECT_FALSE(PrintClient(w) == resting);
    SendMessageA(w, BM_CLICK, 0, 0);
    EXPECT_EQ(clicked, "imgAbout ");
    RECT r{};
    GetWindowRect(w, &r);
    SetCursorPos(r.left + 10, r.top + 5);
    SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));  // the control passes it on to the tooltip
    const HWND tips = toolkit.ToolTips(nullptr);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tips); }));
    EXPECT_EQ(WindowText(tips), "About");
}

TEST_F(ToolkitLooks, TextBoxesListsAndComboBoxesPaintTheirBackColourAndAListFillsInOneGo) {
    constexpr ui::OleColor kPanel = 0xD8E9EC;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&form, &txtNotes, &vList, &cboDrive})
        c->SetBackColor(kPanel);
    txtNotes.SetText("Line one\r\nLine two");
    Show();
    for (HWND w : {H(txtNotes.hwnd()), H(vList.hwnd()), GetWindow(H(cboDrive.hwnd()), GW_CHILD)}) {
        RECT r{};
        GetClientRect(w, &r);
        EXPECT_TRUE(PumpUntil([&] {  // below the text, once the screen shows it
            const ui::Bitmap shot = ShootWindow(w);
            return shot.At(r.right / 2, shot.Height() - 3) == PixelOf(kPanel);
        })) << WindowText(w);
    }
    std::vector<std::string> rows;
    for (int i = 0; i < 100000; ++i) rows.push_back("C:\\Folder\\" + std::to_string(i));
    vList.SetItems(rows);
    char last[32] = {};
    SendMessageA(H(vList.hwnd()), LB_GETTEXT, 99999, reinterpret_cast<LPARAM>(last));
    EXPECT_STREQ(last, "C:\\Folder\\99999");
}

TEST_F(ToolkitLooks, VisibleMenusFormTheBarRunTheirItemsAndShowTheirPictures) {
    ui::Menu mnuFile(form, "mnuFile", "&File"), mnuOpen(mnuFile, "mnuOpen", "&Open"), mnuHelp(form, "mnuHelp", "&Help");
    const ui::Bitmap picture = Framed(13, 0x0000C0);
    mnuHelp.SetPicture(picture);
    mnuOpen.SetPicture(picture);
    int opened = 0;
    mnuOpen.onClick = [&] { ++opened; };
    Show();
    const HWND w = H(form.hwnd());
    const auto barItem = [&](UINT mask) {
        char text[32] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = mask;
        info.dwTypeData = text;
        info.cch = sizeof text;
        return GetMenuItemInfoA(GetMenu(w), 1, TRUE, &info) ? std::pair(info.hbmpItem, std::string(text))
                                                            : std::pair(HBITMAP{}, std::string());
    };
    EXPECT_EQ(GetMenuItemCount(GetMenu(w)), 2);
    EXPECT_EQ(barItem(MIIM_STRING).second, "&Help");
    ASSERT_TRUE(barItem(MIIM_BITMAP).first);
    EXPECT_TRUE(PumpUntil([&] { return Contains(ShootWindow(w), picture); }));
    SendMessageA(w, WM_COMMAND, MAKEWPARAM(GetMenuItemID(GetSubMenu(GetMenu(w), 0), 0), 0), 0);
    EXPECT_EQ(opened, 1);
    // A popup of the form's menus shows the picture too, while it is open.
    static bool shown = false;
    static const ui::Bitmap* wanted = &picture;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND popup = FindWindowA("#32768", nullptr)) shown = Contains(ShootWindow(popup), *wanted);
        EndMenu();
    });
    form.PopupMenu(mnuFile, 0, 0);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(shown);
    mnuHelp.SetPicture({});  // the bar is made again, without it
    EXPECT_FALSE(barItem(MIIM_BITMAP).first);
    mnuHelp.SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetMenu(w)), 1);
    mnuFile.SetVisible(false);
    EXPECT_EQ(GetMenu(w), nullptr);  // no standard menu bar is shown
}

}  // namespace
}  // namespace plivant::wine
