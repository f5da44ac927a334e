// The frame's public members, notifications, child forms, and what it keeps in its host's saved design.
#include <gtest/gtest.h>

#include "frame/FrameFixture.h"

namespace plivant::test {
namespace {

using ModelTest = FrameTest;

ui::Bitmap Picture(ui::Rgb colour) {
    return ui::Bitmap(16, 16, colour);
}

TEST_F(ModelTest, ComputerNameComesInTheWholeBuffer) {
    for (const std::string& name : {std::string("A"), std::string(200, 'N')}) {
        sim.process.computerName = name;
        EXPECT_EQ(frame.GetCompName(), name + '\0' + std::string(254 - name.size(), ' '));
    }
    sim.process.computerName = std::string(300, 'X');  // too long for the buffer: the spaces come back untouched
    EXPECT_EQ(frame.GetCompName(), std::string(255, ' '));
}

TEST_F(ModelTest, ContainerCheckMovesDirectChildrenAndStopsAtTheFirstError) {
    auto other = windowing.AddWindow(0, {0, 0, 10, 10});
    auto a = std::make_shared<ScriptedControl>(100, 200, [this] { return HostWindow(); });
    auto b = std::make_shared<ScriptedControl>(100, 200, [other] { return other; });
    auto menu = std::make_shared<ScriptedMenu>("", "&File");  // a menu has no container
    auto c = std::make_shared<ScriptedControl>(100, 200, [this] { return HostWindow(); });
    host->controls = {a, b, menu, c};
    frame.ContainerCheck();
    EXPECT_EQ((std::vector<float>{a->left, a->top, b->left, c->left, c->top}),
              (std::vector<float>{175, 650, 100, 100, 200}));  // c, after the error: not moved

    host->controls = {a, std::make_shared<ControlItem>(frame)};
    frame.ContainerCheck();
    EXPECT_FLOAT_EQ(a->left, 250);
    EXPECT_FLOAT_EQ(frame.Control::Left(), 75);  // the frame sits on the host too
    EXPECT_FLOAT_EQ(frame.Control::Top(), 450);
}

TEST_F(ModelTest, ChildFormsAreShownIntoTheClientAreaAndCounted) {
    frame.LoadXP();
    ui::Form childForm(toolkit, "frmChild");
    childForm.Load();
    auto child = std::make_shared<ScriptedHost>([&] { return childForm.hwnd(); });
    EXPECT_TRUE(frame.ShowChild(*child));
    EXPECT_TRUE(frame.ShowChild(*child));
    EXPECT_EQ(frame.NChildForm(), 2);
    EXPECT_EQ(child->calls, (std::vector<std::string>{"Show 0 owner", "Show 0 owner"}));
    EXPECT_EQ(windowing.Find(childForm.hwnd())->parent, frame.PicMain.hwnd());

    child->failing = {"Show"};
    EXPECT_FALSE(frame.ShowChild(*child));
    EXPECT_EQ(frame.NChildForm(), 2);
    for (int i = 0; i < 5; ++i) frame.CloseChildForm();
    EXPECT_EQ(frame.NChildForm(), 0);
}

TEST_F(ModelTest, FormOnTopAndTaskBarShow) {
    const auto window = windowing.AddWindow(0, {10, 10, 50, 50});
    frame.FormOnTop(window, true);
    EXPECT_TRUE(windowing.Topmost(window));
    frame.FormOnTop(window, false);
    EXPECT_FALSE(windowing.Topmost(window));
    EXPECT_EQ(windowing.placements.back().flags, 0x53u);

    const auto tray = windowing.AddWindow(0, {0, 740, 1024, 768}, false);
    windowing.SetClass(tray, "Shell_TrayWnd", "");
    frame.TaskBarShow();
    const auto& shown = windowing.placements.back();
    EXPECT_EQ((std::vector<uint64_t>{shown.window, shown.insertAfter, shown.flags}),
              (std::vector<uint64_t>{tray, 0, win::SWP_SHOWWINDOW}));
    EXPECT_TRUE(windowing.Find(tray)->visible);
}

TEST_F(ModelTest, IconAssignmentShowsOrHidesTheTitleIconAndIconTopIsKept) {
    SizePixels(400, 300);
    frame.SetIcon(ui::Bitmap{});
    EXPECT_FALSE(frame.ShowIcon());
    EXPECT_FLOAT_EQ(frame.Caption1.Left(), 6.5f);  // re-laid out
    frame.SetIcon(Picture(0x123456));
    EXPECT_TRUE(frame.ShowIcon());
    EXPECT_FLOAT_EQ(frame.Caption1.Left(), 25);
    EXPECT_EQ(host->icon, Picture(0x123456));
    host->failing = {"Icon"};  // stops before the icon is shown or hidden
    frame.SetIcon(ui::Bitmap{});
    EXPECT_TRUE(frame.ShowIcon());

    frame.SetIconTop(9);
    frame.TitleIcon.SetTop(20);
    EXPECT_EQ(frame.IconTop(), 9);  // reading moves the icon back
    EXPECT_FLOAT_EQ(frame.TitleIcon.Top(), 9);
}

TEST_F(ModelTest, AssignmentsReachTheirChildrenAndNotifyUnderTheirStoredNames) {
    frame.SetAutoLoad(false);
    frame.SetBackColor(0x112233);
    EXPECT_TRUE(frame.SetCaption("Mount"));
    frame.SetCloseActive(true);
    frame.SetEnabled(false);
    frame.SetEnableMaximize(false);
    frame.SetFont(ui::Font{});
    frame.SetHaveChild(true);
    frame.SetIcon(Picture(1));
    frame.SetIconTop(3);
    frame.SetIpModal(1);
    frame.SetMenuBackColor(0x445566);
    frame.SetPicture(Picture(2));
    frame.SetShowClose(false);
    frame.SetShowIcon(false);
    frame.SetShowMaximize(false);
    frame.SetShowMinimize(false);
    frame.SetTitleTop(0);
    frame.SetColorScheme(2);
    EXPECT_EQ(frame.ChangedProperties(),
              (std::vector<std::string>{"AutoLoad",       "BackColor",    "Caption",       "CloseActive", "Enabled",
                                        "EnableMaximize", "Font",         "HaveChild",     "ShowIcon",    "Icon",
                                        "IconTop",        "IpModal",      "MenuBackColor", "Picture",     "ShowClose",
                                        "ShowIcon",       "ShowMaximize", "ShowMinimize",  "TitleTop",    "Theme"}));
    EXPECT_EQ(frame.Caption1.Caption() + host->caption, "MountMount");
    EXPECT_EQ(
        (std::vector<bool>{frame.PicMain.Enabled(), frame.MaximizeButton.Enabled(), frame.CloseButton.Visible(),
                           frame.MaximizeButton.Visible(), frame.Minimizebutton.Visible(), frame.TitleIcon.Visible()}),
        std::vector<bool>(6, false));
    EXPECT_EQ(std::pair(frame.PicMain.BackColor(), frame.pICmenu.BackColor()), std::pair(0x112233u, 0x445566u));
    EXPECT_EQ(frame.PicMain.Picture(), Picture(2));
    frame.SetMDIPosition(10, 200, 100);
    EXPECT_EQ((std::vector<float>{frame.PicMain.Left(), frame.PicMain.Width(), frame.PicMain.Height()}),
              (std::vector<float>{10, 200, 100}));

    host->failing = {"Caption"};
    EXPECT_FALSE(frame.SetCaption("Refused"));
    EXPECT_EQ(host->caption, "Mount");
}

const std::vector<std::string> kReadOrder = {"Caption",   "Font",           "ShowMinimize", "ShowMaximize", "ShowClose",
                                             "ShowHelp",  "EnableMaximize", "Icon",         "AutoLoad",     "ShowIcon",
                                             "IpModal",   "MenuBackColor",  "CloseActive",  "IconTop",      "TitleTop",
                                             "HaveChild", "BackColor",      "Picture",      "Enabled",      "Theme"};

TEST_F(ModelTest, TwentyNamesReadInOrderAndWrittenWithEightToTenSwapped) {
    ui::PropertyBag bag, out;
    frame.ReadProperties(bag);
    EXPECT_EQ(bag.ReadNames(), kReadOrder);
    frame.WriteProperties(out);
    std::vector<std::string> written = kReadOrder;
    std::rotate(written.begin() + 7, written.begin() + 8, written.begin() + 10);
    EXPECT_EQ(out.WrittenNames(), written);
}

TEST_F(ModelTest, ABagWithOnlyAutoLoadAndIcon) {
    ui::PropertyBag bag;
    bag.Store("AutoLoad", true);
    bag.Store("Icon", Picture(0x00FF00));
    SizePixels(400, 300);
    frame.ReadProperties(bag);
    EXPECT_EQ(frame.Caption(), "Velmora");
    EXPECT_TRUE(frame.ShowIcon());
    EXPECT_TRUE(host->icon.Empty());  // the host's icon is not touched
    // Without a stored font the caption takes the host's (8.25 pt): 8.5 - 9 + 8.25 - 2.
    EXPECT_EQ(frame.Font(), form.Font());
    EXPECT_FLOAT_EQ(frame.Caption1.Top(), 5.75f);
}

TEST_F(ModelTest, RestoredButtonFlagsFillTheFieldsOnly) {
    ui::PropertyBag bag;
    for (const char* flag : {"ShowMinimize", "ShowMaximize", "ShowClose", "EnableMaximize"}) bag.Store(flag, false);
    frame.ReadProperties(bag);
    EXPECT_FALSE(frame.ShowMinimize() || frame.ShowMaximize() || frame.ShowClose());
    EXPECT_TRUE(frame.Minimizebutton.Visible() && frame.MaximizeButton.Visible() && frame.CloseButton.Visible());
    // The maximise button's state does follow the stored flag, with its disabled look.
    EXPECT_EQ(frame.MaximizeButton.Shown(), DisabledCaptionImage(0));
}

TEST_F(ModelTest, EveryStoredValueRoundTripsAndDefaultsAreNotStored) {
    ui::Font font;
    font.name = "Tahoma";
    ui::PropertyBag bag;
    bag.Store("Caption", "Mount");
    bag.Store("Font", font);
    for (const char* flag : {"ShowMinimize", "ShowMaximize", "ShowClose", "EnableMaximize", "ShowIcon", "Enabled"})
        bag.Store(flag, false);
    for (const char* flag : {"ShowHelp", "AutoLoad", "CloseActive", "HaveChild"}) bag.Store(flag, true);
    bag.Store("Icon", Picture(0x0000FF));
    bag.Store("Picture", Picture(0xFF0000));
    for (const char* number : {"IpModal", "IconTop", "TitleTop", "Theme"}) bag.Store(number, 2);
    bag.Store("MenuBackColor", 0xEEEEEE);
    bag.Store("BackColor", 0x102030);
    frame.ReadProperties(bag);
    EXPECT_TRUE(frame.ShowHelp());
    EXPECT_EQ(frame.ColorScheme(), 2);

    ui::PropertyBag out, again;
    frame.WriteProperties(out);
    EXPECT_EQ(out.Count(), 20u);
    NuvaXPForm copy(form, "NuvaXPForm2", sim.process, host);
    copy.ReadProperties(out);
    copy.WriteProperties(again);
    EXPECT_EQ(again.Count(), 20u);
    EXPECT_EQ(copy.Icon(), Picture(0x0000FF));
    EXPECT_EQ(copy.Picture(), Picture(0xFF0000));
    EXPECT_EQ(std::pair(copy.BackColor(), copy.MenuBackColor()), std::pair(0x102030u, 0xEEEEEEu));
    EXPECT_EQ(copy.Font().name, "Tahoma");

    // AutoLoad is stored against a default of False, the rest against their initial values.
    ui::PropertyBag none, written;
    copy.ReadProperties(none);
    EXPECT_FALSE(copy.AutoLoad());
    copy.WriteProperties(written);
    EXPECT_EQ(written.Count(), 0u);
}

TEST_F(ModelTest, ANewInstanceOnItsHost) {
    host->caption = "Form1";
    frame.SetColorScheme(1);
    frame.SetShowIcon(true);
    frame.InitProperties();
    EXPECT_EQ(host->backColor, 0xD8E9ECu);
    EXPECT_EQ(frame.Caption(), "Form1");
    EXPECT_FALSE(frame.ShowIcon());
    EXPECT_EQ(frame.ColorScheme(), 0);
}

}  // namespace
}  // namespace plivant::test
