// What the toolkit's windows show and how they are named: named buttons, an image's picture and focus, a tooltip on
// hover, back colours, bulk fill, lines, menus and their pictures.

#include "ToolkitTesting.h"
#include "ui/Paint.h"

namespace plivant::wine {
namespace {

using ToolkitLooks = DialogTest;

TEST_F(ToolkitLooks, ControlsAUserActsOnAreNamedWindowsThatTabReachesAndTooltipsShowOnHover) {
    cmdBrowse.SetToolTipText("Browse");
    cmdOK.SetToolTipText("Close the window");
    imgAbout.SetToolTipText("About");
    txtPath.SetToolTipText("The folder to mount");
    txtPath.SetText("C:\\Data");
    Show();
    const std::tuple<const ui::Control*, const char*, LONG, const char*> cases[] = {
        {&cmdBrowse, "Button", BS_OWNERDRAW, "Browse"},  // a picture button draws itself, named by its tooltip
        {&cmdOK, "Button", BS_PUSHBUTTON, "OK"},       // a caption names a button before its tooltip
        {&imgAbout, "Button", BS_OWNERDRAW, "About"},  // an image that acts as a button is one
        {&txtPath, "Edit", 0, "C:\\Data"}};            // a text box's window text is its content
    for (const auto& [control, cls, style, text] : cases) {
        const HWND w = H(control->hwnd());
        char name[32] = {};
        GetClassNameA(w, name, sizeof name);
        EXPECT_EQ(std::tuple(std::string(name), GetWindowLongA(w, GWL_STYLE) & (style | WS_TABSTOP), WindowText(w)),
                  std::tuple(std::string(cls), style | WS_TABSTOP, std::string(text)))
            << control->Name();
    }
    imgAbout.SetToolTipText("About Plivant");
    EXPECT_EQ(WindowText(H(imgAbout.hwnd())), "About Plivant");
    // A picture button shows its picture, and greyed (not blanked) while disabled.
    EXPECT_TRUE(Contains(PrintClient(H(cmdBrowse.hwnd())), cmdBrowse.Picture()));
    cmdBrowse.SetEnabled(false);
    EXPECT_TRUE(Contains(PrintClient(H(cmdBrowse.hwnd())), ui::Greyed(cmdBrowse.Picture())));
    const HWND w = H(txtPath.hwnd()), tips = toolkit.ToolTips(nullptr);
    RECT r{};
    GetWindowRect(w, &r);
    SetCursorPos(r.left + 10, r.top + 5);
    SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));  // the control passes it on to the tooltip
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tips); }));
    EXPECT_EQ(WindowText(tips), "The folder to mount");
}

TEST_F(ToolkitLooks, AWindowedImagePaintsItsPictureOnItsContainerAndItsFocus) {
    form.SetBackColor(0x00FFFF);
    const ui::Bitmap picture = Framed(24, 0xC00000);
    imgAbout.SetPicture(picture);
    imgAbout.Move(imgAbout.Left(), imgAbout.Top(), 480, 480);  // 32 pixels: the form shows round the picture
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
}

TEST_F(ToolkitLooks, TextBoxesListsAndLinesPaintTheirColours) {
    constexpr ui::OleColor kPanel = 0xD8E9EC;
    form.SetBackColor(kPanel);
    for (ui::Control* c : {static_cast<ui::Control*>(&txtNotes), static_cast<ui::Control*>(&vList),
                           static_cast<ui::Control*>(&cboDrive)})
        c->SetBackColor(kPanel);
    txtNotes.SetText("Line one\r\nLine two");
    ui::Line grey(form, "Line1"), white(form, "Line2");  // the About window's separators
    grey.SetBorderColor(0x808080);
    white.SetBorderColor(0xFFFFFF);
    grey.SetEnds(4500, 1500, 5850, 1500);
    white.SetEnds(4500, 1515, 5850, 1515);
    Show();
    EXPECT_EQ(SendMessageA(H(txtNotes.hwnd()), EM_GETLINECOUNT, 0, 0), 2);
    for (HWND w : {H(txtNotes.hwnd()), H(vList.hwnd()), GetWindow(H(cboDrive.hwnd()), GW_CHILD)}) {
        RECT r{};
        GetClientRect(w, &r);
        EXPECT_TRUE(PumpUntil([&] {  // below the text, once the screen shows it
            const ui::Bitmap shot = ShootWindow(w);
            return shot.At(r.right / 2, shot.Height() - 3) == PixelOf(kPanel);
        })) << WindowText(w);
    }
    std::vector<std::string> rows;  // filled in one go
    for (int i = 0; i < 100000; ++i) rows.push_back("C:\\Folder\\" + std::to_string(i));
    vList.SetItems(rows);
    char last[32] = {};
    SendMessageA(H(vList.hwnd()), LB_GETTEXT, 99999, reinterpret_cast<LPARAM>(last));
    EXPECT_STREQ(last, "C:\\Folder\\99999");
    const ui::Bitmap shot = PrintClient(H(form.hwnd()));
    for (auto [y, colour] :
         {std::pair{99, PixelOf(kPanel)}, {100, 0x808080u}, {101, 0xFFFFFFu}, {102, PixelOf(kPanel)}}) {
        for (int x : {300, 350, 389}) EXPECT_EQ(shot.At(x, y), colour) << x << "," << y;
        EXPECT_EQ(shot.At(390, y), PixelOf(kPanel)) << "past the end, row " << y;
    }
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
