// The frame's fields, public members, notifications and what it keeps in its host's saved design.
#include <gtest/gtest.h>

#include "frame/FrameFixture.h"
#include "platform/WinConst.h"

namespace plivant::test {
namespace {

using ModelTest = FrameTest;

ui::Bitmap Picture(ui::Rgb colour) {
    return ui::Bitmap(16, 16, colour);
}

TEST_F(ModelTest, NewInstanceValues) {
    EXPECT_TRUE(frame.AutoLoad());
    EXPECT_TRUE(frame.ShowMinimize());
    EXPECT_TRUE(frame.ShowMaximize());
    EXPECT_TRUE(frame.ShowClose());
    EXPECT_FALSE(frame.ShowHelp());
    EXPECT_TRUE(frame.EnableMaximize());
    EXPECT_EQ(frame.IpModal(), -1);
    EXPECT_EQ(frame.ColorScheme(), 0);
    EXPECT_EQ(frame.TitleTop(), -2);
    EXPECT_EQ(frame.IconTop(), 7);
    EXPECT_FALSE(frame.CloseActive());
    EXPECT_FALSE(frame.HaveChild());
    EXPECT_EQ(frame.NChildForm(), 0);
    EXPECT_FALSE(frame.TransparentEdgesSet());
    EXPECT_EQ(frame.DragStart(), (platform::Point{0, 0}));
    EXPECT_EQ(frame.MenuCount(), 0);
    EXPECT_EQ(frame.MyForm(), nullptr);
    EXPECT_EQ(frame.Minimizebutton.ButtonStyle(), 0);
    EXPECT_EQ(frame.MaximizeButton.ButtonStyle(), 1);
    EXPECT_EQ(frame.CloseButton.ButtonStyle(), 2);
    EXPECT_FALSE(frame.pICmenu.Visible());
    EXPECT_FALSE(frame.PicMain.Visible());
    EXPECT_EQ(frame.Caption1.Font().name, "Trebuchet MS");
    EXPECT_FLOAT_EQ(frame.Caption1.Font().size, 9.75f);
    EXPECT_TRUE(frame.Caption1.Font().bold);
    // Created at the smallest size the layout allows.
    EXPECT_FLOAT_EQ(frame.WidthTwips(), 1695);
    EXPECT_FLOAT_EQ(frame.HeightTwips(), 615);
}

TEST_F(ModelTest, DefaultBackgroundColorIsText) {
    EXPECT_EQ(frame.DefaultBackgroundColor(), "14215660");
    EXPECT_EQ(std::stoul(frame.DefaultBackgroundColor()), 0xD8E9ECu);
}

TEST_F(ModelTest, ComputerNameComesInTheWholeBuffer) {
    for (const std::string& name : std::vector<std::string>{"BUILDHOST", "A", std::string(200, 'N')}) {
        process.computerName = name;
        const std::string got = frame.GetCompName();
        ASSERT_EQ(got.size(), 255u) << name;
        EXPECT_EQ(got.substr(0, name.size()), name);
        EXPECT_EQ(got[name.size()], '\0');
        EXPECT_EQ(got.find_first_not_of(' ', name.size() + 1), std::string::npos);
    }
    process.computerName = std::string(300, 'X');  // too long for the buffer: the spaces come back untouched
    EXPECT_EQ(frame.GetCompName(), std::string(255, ' '));
}

TEST_F(ModelTest, ContainerCheckMovesDirectChildrenAndStopsAtTheFirstError) {
    auto other = windowing.AddWindow(0, {0, 0, 10, 10});
    auto a = std::make_shared<ScriptedControl>(100, 200, [this] { return HostWindow(); });
    auto b = std::make_shared<ScriptedControl>(100, 200, [other] { return other; });
    auto menu = std::make_shared<ScriptedMenu>("mnuFile", "", "&File");  // a menu has no container
    auto c = std::make_shared<ScriptedControl>(100, 200, [this] { return HostWindow(); });
    host->controls = {a, b, menu, c};
    frame.ContainerCheck();
    EXPECT_FLOAT_EQ(a->left, 175);
    EXPECT_FLOAT_EQ(a->top, 650);
    EXPECT_FLOAT_EQ(b->left, 100);
    EXPECT_FLOAT_EQ(c->left, 100);  // after the error: not moved
    EXPECT_FLOAT_EQ(c->top, 200);

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
    EXPECT_EQ(windowing.Find(childForm.hwnd())->parent, frame.hwnd());
    EXPECT_EQ(frame.hwnd(), frame.PicMain.hwnd());

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
    ASSERT_GE(windowing.placements.size(), 2u);
    const auto& last = windowing.placements.back();
    EXPECT_EQ(last.insertAfter, win::HWND_NOTOPMOST);
    EXPECT_EQ(last.flags, 0x53u);
    EXPECT_EQ(windowing.placements[windowing.placements.size() - 2].insertAfter, win::HWND_TOPMOST);

    const auto tray = windowing.AddWindow(0, {0, 740, 1024, 768}, false);
    windowing.SetClass(tray, "Shell_TrayWnd", "");
    frame.TaskBarShow();
    const auto& shown = windowing.placements.back();
    EXPECT_EQ(shown.window, tray);
    EXPECT_EQ(shown.insertAfter, 0u);
    EXPECT_EQ(shown.flags, win::SWP_SHOWWINDOW);
    EXPECT_EQ((std::vector<int32_t>{shown.x, shown.y, shown.cx, shown.cy}), (std::vector<int32_t>{0, 0, 0, 0}));
    EXPECT_TRUE(windowing.Find(tray)->visible);
}

TEST_F(ModelTest, IconAssignmentShowsOrHidesTheTitleIcon) {
    SizePixels(400, 300);
    frame.SetIcon(ui::Bitmap{});
    EXPECT_FALSE(frame.ShowIcon());
    EXPECT_FLOAT_EQ(frame.Caption1.Left(), 6.5f);  // re-laid out
    EXPECT_TRUE(host->icon.Empty());
    frame.SetIcon(Picture(0x123456));
    EXPECT_TRUE(frame.ShowIcon());
    EXPECT_FLOAT_EQ(frame.Caption1.Left(), 25);
    EXPECT_EQ(host->icon, Picture(0x123456));
    EXPECT_EQ(frame.Icon(), Picture(0x123456));

    host->failing = {"Icon"};  // stops before the icon is shown or hidden
    frame.SetIcon(ui::Bitmap{});
    EXPECT_TRUE(frame.ShowIcon());
}

TEST_F(ModelTest, ReadingIconTopMovesTheIconBack) {
    frame.SetIconTop(9);
    frame.TitleIcon.SetTop(20);
    EXPECT_EQ(frame.IconTop(), 9);
    EXPECT_FLOAT_EQ(frame.TitleIcon.Top(), 9);
}

TEST_F(ModelTest, AssignmentsReachTheirChildrenAndTheHost) {
    EXPECT_TRUE(frame.SetCaption("Mount"));
    EXPECT_EQ(frame.Caption1.Caption(), "Mount");
    EXPECT_EQ(host->caption, "Mount");
    frame.SetEnableMaximize(false);
    EXPECT_FALSE(frame.MaximizeButton.Enabled());
    frame.SetShowClose(false);
    EXPECT_FALSE(frame.CloseButton.Visible());
    frame.SetShowMinimize(false);
    EXPECT_FALSE(frame.Minimizebutton.Visible());
    frame.SetShowMaximize(false);
    EXPECT_FALSE(frame.MaximizeButton.Visible());
    frame.SetBackColor(0x112233);
    EXPECT_EQ(frame.PicMain.BackColor(), 0x112233u);
    frame.SetMenuBackColor(0x445566);
    EXPECT_EQ(frame.pICmenu.BackColor(), 0x445566u);
    frame.SetEnabled(false);
    EXPECT_FALSE(frame.PicMain.Enabled());
    frame.SetPicture(Picture(0xABCDEF));
    EXPECT_EQ(frame.PicMain.Picture(), Picture(0xABCDEF));
    frame.SetMDIPosition(10, 200, 100);
    EXPECT_FLOAT_EQ(frame.PicMain.Left(), 10);
    EXPECT_FLOAT_EQ(frame.PicMain.Width(), 200);
    EXPECT_FLOAT_EQ(frame.PicMain.Height(), 100);

    host->failing = {"Caption"};
    EXPECT_FALSE(frame.SetCaption("Refused"));
    EXPECT_EQ(host->caption, "Mount");
}

TEST_F(ModelTest, EveryAssignmentNotifiesUnderItsStoredName) {
    using Assign = std::function<void(NuvaXPForm&)>;
    const std::vector<std::pair<Assign, std::string>> cases = {
        {[](NuvaXPForm& f) { f.SetAutoLoad(false); }, "AutoLoad"},
        {[](NuvaXPForm& f) { f.SetBackColor(1); }, "BackColor"},
        {[](NuvaXPForm& f) { f.SetCaption("x"); }, "Caption"},
        {[](NuvaXPForm& f) { f.SetCloseActive(true); }, "CloseActive"},
        {[](NuvaXPForm& f) { f.SetEnabled(false); }, "Enabled"},
        {[](NuvaXPForm& f) { f.SetEnableMaximize(false); }, "EnableMaximize"},
        {[](NuvaXPForm& f) { f.SetFont(ui::Font{}); }, "Font"},
        {[](NuvaXPForm& f) { f.SetHaveChild(true); }, "HaveChild"},
        {[](NuvaXPForm& f) { f.SetIcon(Picture(1)); }, "Icon"},
        {[](NuvaXPForm& f) { f.SetIconTop(3); }, "IconTop"},
        {[](NuvaXPForm& f) { f.SetIpModal(1); }, "IpModal"},
        {[](NuvaXPForm& f) { f.SetMenuBackColor(1); }, "MenuBackColor"},
        {[](NuvaXPForm& f) { f.SetPicture(Picture(1)); }, "Picture"},
        {[](NuvaXPForm& f) { f.SetShowClose(false); }, "ShowClose"},
        {[](NuvaXPForm& f) { f.SetShowIcon(false); }, "ShowIcon"},
        {[](NuvaXPForm& f) { f.SetShowMaximize(false); }, "ShowMaximize"},
        {[](NuvaXPForm& f) { f.SetShowMinimize(false); }, "ShowMinimize"},
        {[](NuvaXPForm& f) { f.SetTitleTop(0); }, "TitleTop"},
        {[](NuvaXPForm& f) { f.SetColorScheme(2); }, "Theme"},
    };
    for (const auto& [assign, name] : cases) {
        const size_t before = frame.ChangedProperties().size();
        assign(frame);
        ASSERT_GT(frame.ChangedProperties().size(), before) << name;
        EXPECT_EQ(frame.ChangedProperties().back(), name);
    }
}

const std::vector<std::string> kReadOrder = {"Caption",   "Font",           "ShowMinimize", "ShowMaximize", "ShowClose",
                                             "ShowHelp",  "EnableMaximize", "Icon",         "AutoLoad",     "ShowIcon",
                                             "IpModal",   "MenuBackColor",  "CloseActive",  "IconTop",      "TitleTop",
                                             "HaveChild", "BackColor",      "Picture",      "Enabled",      "Theme"};

TEST_F(ModelTest, TwentyNamesReadInOrderAndWrittenWithEightToTenSwapped) {
    ui::PropertyBag bag;
    frame.ReadProperties(bag);
    EXPECT_EQ(bag.ReadNames(), kReadOrder);
    ui::PropertyBag out;
    frame.WriteProperties(out);
    std::vector<std::string> written = kReadOrder;
    written[7] = "AutoLoad";
    written[8] = "ShowIcon";
    written[9] = "Icon";
    EXPECT_EQ(out.WrittenNames(), written);
}

TEST_F(ModelTest, ABagWithOnlyAutoLoadAndIcon) {
    ui::PropertyBag bag;
    bag.Store("AutoLoad", true);
    bag.Store("Icon", Picture(0x00FF00));
    SizePixels(400, 300);
    frame.ReadProperties(bag);
    EXPECT_EQ(frame.Caption(), "Velmora");
    EXPECT_TRUE(frame.AutoLoad());
    EXPECT_TRUE(frame.ShowIcon());
    EXPECT_EQ(frame.Icon(), Picture(0x00FF00));
    EXPECT_TRUE(host->icon.Empty());  // the host's icon is not touched
    for (const ControlButton* b : {&frame.Minimizebutton, &frame.MaximizeButton, &frame.CloseButton}) {
        EXPECT_TRUE(b->Visible()) << b->Name();
    }
    EXPECT_EQ(frame.ColorScheme(), 0);
    EXPECT_FLOAT_EQ(frame.TitleIcon.Top(), 7);
    EXPECT_EQ(frame.TitleTop(), -2);
    // Without a stored font the caption takes the host's (8.25 pt): 8.5 - 9 + 8.25 - 2.
    EXPECT_EQ(frame.Font(), form.Font());
    EXPECT_FLOAT_EQ(frame.Caption1.Top(), 5.75f);
    EXPECT_EQ(frame.MenuBackColor(), ui::kMenuColour);
    EXPECT_EQ(frame.BackColor(), ui::kButtonFace);
}

TEST_F(ModelTest, AutoLoadIsStoredAgainstADefaultOfFalse) {
    ui::PropertyBag empty;
    frame.ReadProperties(empty);
    EXPECT_FALSE(frame.AutoLoad());

    frame.SetAutoLoad(true);
    ui::PropertyBag out;
    frame.WriteProperties(out);
    EXPECT_TRUE(out.Contains("AutoLoad"));
    EXPECT_TRUE(out.ReadProperty("AutoLoad", false));
}

TEST_F(ModelTest, RestoredButtonFlagsFillTheFieldsOnly) {
    ui::PropertyBag bag;
    bag.Store("ShowMinimize", false);
    bag.Store("ShowMaximize", false);
    bag.Store("ShowClose", false);
    bag.Store("EnableMaximize", false);
    frame.ReadProperties(bag);
    EXPECT_FALSE(frame.ShowMinimize());
    EXPECT_FALSE(frame.ShowMaximize());
    EXPECT_FALSE(frame.ShowClose());
    EXPECT_TRUE(frame.Minimizebutton.Visible());
    EXPECT_TRUE(frame.MaximizeButton.Visible());
    EXPECT_TRUE(frame.CloseButton.Visible());
    // The maximise button's state does follow the stored flag, with its disabled look.
    EXPECT_FALSE(frame.MaximizeButton.Enabled());
    EXPECT_EQ(frame.MaximizeButton.Shown(), DisabledCaptionImage(0));
}

TEST_F(ModelTest, RoundTripOfEveryStoredValue) {
    ui::Font font;
    font.name = "Tahoma";
    font.size = 11;
    ui::PropertyBag bag;
    bag.Store("Caption", "Mount");
    bag.Store("Font", font);
    bag.Store("ShowMinimize", false);
    bag.Store("ShowMaximize", false);
    bag.Store("ShowClose", false);
    bag.Store("ShowHelp", true);
    bag.Store("EnableMaximize", false);
    bag.Store("Icon", Picture(0x0000FF));
    bag.Store("AutoLoad", true);
    bag.Store("ShowIcon", false);
    bag.Store("IpModal", 1);
    bag.Store("MenuBackColor", 0xEEEEEE);
    bag.Store("CloseActive", true);
    bag.Store("IconTop", 5);
    bag.Store("TitleTop", 1);
    bag.Store("HaveChild", true);
    bag.Store("BackColor", 0x102030);
    bag.Store("Picture", Picture(0xFF0000));
    bag.Store("Enabled", false);
    bag.Store("Theme", 2);
    frame.ReadProperties(bag);

    EXPECT_EQ(frame.Caption(), "Mount");
    EXPECT_EQ(frame.Font(), font);
    EXPECT_TRUE(frame.ShowHelp());
    EXPECT_EQ(frame.IpModal(), 1);
    EXPECT_EQ(frame.IconTop(), 5);
    EXPECT_EQ(frame.TitleTop(), 1);
    EXPECT_EQ(frame.ColorScheme(), 2);
    EXPECT_FALSE(frame.Enabled());
    EXPECT_FALSE(frame.ShowIcon());

    ui::PropertyBag out;
    frame.WriteProperties(out);
    EXPECT_EQ(out.Count(), 20u);
    NuvaXPForm copy(form, "NuvaXPForm2", process, host);
    copy.ReadProperties(out);
    ui::PropertyBag again;
    copy.WriteProperties(again);
    for (const std::string& name : kReadOrder) {
        EXPECT_TRUE(again.Contains(name)) << name;
    }
    EXPECT_EQ(copy.Caption(), "Mount");
    EXPECT_EQ(copy.Icon(), Picture(0x0000FF));
    EXPECT_EQ(copy.Picture(), Picture(0xFF0000));
    EXPECT_EQ(copy.MenuBackColor(), 0xEEEEEEu);
    EXPECT_EQ(copy.BackColor(), 0x102030u);
    EXPECT_TRUE(copy.CloseActive());
    EXPECT_TRUE(copy.HaveChild());

    // Defaults are not stored.
    NuvaXPForm fresh(form, "NuvaXPForm3", process, host);
    ui::PropertyBag none;
    fresh.ReadProperties(none);
    ui::PropertyBag written;
    fresh.WriteProperties(written);
    EXPECT_EQ(written.Count(), 0u);
}

TEST_F(ModelTest, ANewInstanceOnItsHost) {
    host->caption = "Form1";
    frame.SetColorScheme(1);
    frame.InitProperties();
    EXPECT_EQ(host->backColor, 0xD8E9ECu);
    EXPECT_EQ(frame.Caption(), "Form1");
    EXPECT_EQ(host->caption, "Form1");
    EXPECT_FALSE(frame.ShowIcon());
    EXPECT_EQ(frame.ColorScheme(), 0);
    EXPECT_TRUE(frame.AutoLoad());
    EXPECT_EQ(frame.Minimizebutton.ButtonStyle(), 0);
    EXPECT_EQ(frame.MaximizeButton.ButtonStyle(), 1);
    EXPECT_EQ(frame.CloseButton.ButtonStyle(), 2);
}

}  // namespace
}  // namespace plivant::test
