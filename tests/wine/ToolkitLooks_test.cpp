// What the toolkit's windows show and how they are named: picture buttons and windowed images are named buttons,
// an image button paints its picture and its focus, a tooltip shows on hover, text boxes and lists paint their back
// colour, menus form the bar and show their pictures, lines their one-pixel band; 100,000 rows fill in one go.
#include <chrono>
#include <iostream>

#include "ToolkitTesting.h"

namespace plivant::wine {
namespace {

// A picture with a border of another colour, so that a shifted or stretched copy does not match.
ui::Bitmap Framed(int size, ui::Rgb inside) {
    ui::Bitmap picture(size, size, 0x000000);
    for (int i = 0; i < size * size; ++i) {
        if (i % size && i % size < size - 1 && i / size && i / size < size - 1) picture.Set(i % size, i / size, inside);
    }
    return picture;
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

TEST_F(ToolkitLooks, ControlsAUserActsOnAreNamedWindowsThatTabReachesAndTooltipsShowOnHover) {
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
    txtPath.Move(300, 1500, 3000, 300);
    txtPath.SetToolTipText("The folder to mount");
    txtPath.SetText("C:\\Data");
    Show();
    const std::tuple<const ui::Control*, const char*, LONG, const char*> cases[] = {
        {&cmdPicture, "Button", BS_BITMAP, "Mount"},   // a picture button is named by its tooltip
        {&cmdOK, "Button", BS_PUSHBUTTON, "OK"},       // a caption names a button before its tooltip
        {&imgAbout, "Button", BS_OWNERDRAW, "About"},  // an image that acts as a button is one
        {&txtPath, "Edit", 0, "C:\\Data"},             // a text box's window text is its content
    };
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
    for (int i = 0; i < 32 * 32; ++i) {
        const int x = i % 32, y = i / 32;
        ASSERT_EQ(resting.At(x, y), x < 24 && y < 24 ? picture.At(x, y) : PixelOf(0x00FFFF)) << x << "," << y;
    }
    // The keyboard in use (as after a Tab), the focus rectangle shows.
    SendMessageA(H(form.hwnd()), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    imgAbout.SetFocus();
    EXPECT_FALSE(PrintClient(w) == resting);
    SendMessageA(w, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitLooks, TextBoxesListsAndLinesPaintTheirColours) {
    constexpr ui::OleColor kPanel = 0xD8E9EC;
    form.SetBackColor(kPanel);
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
    ui::Line grey(form, "Line1"), white(form, "Line2");  // the About window's separators
    grey.SetBorderColor(0x808080);
    white.SetBorderColor(0xFFFFFF);
    grey.SetEnds(4500, 1500, 5850, 1500);
    white.SetEnds(4500, 1515, 5850, 1515);
    Show();
    EXPECT_TRUE(GetWindowLongA(H(txtReg.hwnd()), GWL_STYLE) & ES_MULTILINE);
    EXPECT_EQ(SendMessageA(H(txtReg.hwnd()), EM_GETLINECOUNT, 0, 0), 2);
    for (const ui::Control* c : controls) {
        HWND w = H(c->hwnd());
        if (c == &cboDrive) w = GetWindow(w, GW_CHILD);  // the edit field
        RECT r{};
        GetClientRect(w, &r);
        EXPECT_TRUE(PumpUntil([&] {  // below the text, once the screen shows it
            const ui::Bitmap shot = ShootWindow(w);
            return shot.At(r.right / 2, shot.Height() - 3) == PixelOf(kPanel);
        })) << c->Name();
    }
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
