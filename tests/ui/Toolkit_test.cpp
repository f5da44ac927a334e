// The toolkit's models on the headless back end: forms' lifecycle, geometry and scale, windows made for
// realized controls, lists, control arrays, the timer control, menus, property bags.
#include <gtest/gtest.h>

#include "SimHost.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/PropertyBag.h"

namespace plivant::ui {
namespace {

class RecordingForm : public Form {
public:
    using Form::Form;
    std::vector<std::string> log;
    int16_t cancelUnload = 0;

protected:
    void Form_Load() override { log.push_back("Load"); }
    void Form_Unload(int16_t& Cancel) override {
        log.push_back("Unload");
        Cancel = cancelUnload;
    }
    void Form_Activate() override { log.push_back("Activate"); }
    void Form_Deactivate() override { log.push_back("Deactivate"); }
    void Form_Resize() override { log.push_back("Resize"); }
};

class ToolkitTest : public testing::Test, public test::SimScreen {
protected:
    RecordingForm form{toolkit, "frmTest"};
};

TEST_F(ToolkitTest, FormLifecycleRaisesItsEventsInOrderAndAModalShowRunsTheModalLoop) {
    form.Move(1500, 750, 3000, 1500);
    EXPECT_EQ(form.hwnd(), 0u);
    form.Show();
    EXPECT_EQ(*windowing.WindowRect(form.hwnd()), (platform::Rect{100, 50, 300, 150}));
    EXPECT_TRUE(windowing.Find(form.hwnd())->visible);
    form.Activate();
    form.Deactivate();
    form.cancelUnload = 1;
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.Loaded());
    form.cancelUnload = 0;
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(form.hwnd() + static_cast<uint64_t>(windowing.WindowCount()), 0u);
    EXPECT_EQ(form.log, (std::vector<std::string>{"Resize", "Load", "Activate", "Deactivate", "Unload", "Unload"}));

    toolkit.onModal = [&](Form& shown) {
        EXPECT_EQ(&shown, &form);
        EXPECT_TRUE(shown.Visible());
        shown.Unload();
    };
    form.Show(1);
    EXPECT_EQ(toolkit.modalRuns, 1);
    EXPECT_FALSE(form.Loaded());
    form.Show(0);
    EXPECT_EQ(toolkit.modalRuns, 1);
}

TEST_F(ToolkitTest, ChildrenArePlacedInTheirContainersScale) {
    toolkit.twipsPerPixelX = 12;  // a screen of 120 dots per inch
    toolkit.twipsPerPixelY = 12;
    form.Move(0, 0, 6000, 6000);
    PictureBox box(form, "picBox");
    box.Move(120, 240, 1200, 600);  // twips, the form's scale
    box.SetScaleMode(ScaleMode::Pixels);
    PictureBox inner(box, "picIn");
    inner.Move(10, 5, 20, 8);   // pixels, the box's scale
    Label label(box, "lblIn");  // windowless: the box's window is under the cursor over it
    label.Move(50, 5, 20, 8);
    EXPECT_FLOAT_EQ(inner.WidthTwips(), 240);
    EXPECT_FLOAT_EQ(box.ScaleWidth(), 100);
    form.Show();
    EXPECT_EQ(*windowing.WindowRect(box.hwnd()), (platform::Rect{10, 20, 110, 70}));
    EXPECT_EQ(*windowing.WindowRect(inner.hwnd()), (platform::Rect{20, 25, 40, 33}));
    EXPECT_EQ(windowing.WindowAt({25, 30}), inner.hwnd());
    EXPECT_EQ(windowing.WindowAt({65, 30}), box.hwnd());
    inner.SetVisible(false);
    EXPECT_EQ(windowing.WindowAt({25, 30}), box.hwnd());
}

TEST_F(ToolkitTest, LazyPictureTakesItsSizeAtOnceAndIsDrawnOnceWhenFirstShown) {
    Image image(form, "imgLazy");
    int drawn = 0;
    image.SetPicture(4, 3, [&] {
        ++drawn;
        return Bitmap(4, 3, 0x123456);
    });
    form.Show();
    EXPECT_FLOAT_EQ(image.WidthTwips(), 4 * toolkit.TwipsPerPixelX());
    EXPECT_FLOAT_EQ(image.HeightTwips(), 3 * toolkit.TwipsPerPixelY());
    EXPECT_EQ(drawn, 0) << "drawn before anything showed it";
    EXPECT_EQ(image.Look().picture, Bitmap(4, 3, 0x123456));
    EXPECT_EQ(image.Picture(), Bitmap(4, 3, 0x123456));
    EXPECT_EQ(drawn, 1);

    image.SetPicture(2, 2, [&] {
        ++drawn;
        return Bitmap(2, 2);
    });
    image.SetPicture(Bitmap(5, 5, 0xFFFFFF));  // replaces the drawing still to come
    EXPECT_EQ(image.Picture(), Bitmap(5, 5, 0xFFFFFF));
    EXPECT_EQ(drawn, 1);
}

TEST_F(ToolkitTest, AutoSizedLabelFollowsItsCaptionAndFont) {
    Label label(form, "lbl");
    label.SetCaption("abcde");
    label.SetWidth(100);
    label.SetAutoSize(true);
    EXPECT_FLOAT_EQ(label.WidthTwips(), 25 * 15);  // 5 characters of 8.25 points: 25 pixels
    label.SetCaption("abcdefghij");
    EXPECT_FLOAT_EQ(label.WidthTwips(), 50 * 15);
    Font big = label.Font();
    big.size = 20;
    label.SetFont(big);
    label.SetCaption("ab");
    EXPECT_EQ(std::pair(label.WidthTwips(), label.HeightTwips()), std::pair(24.0f * 15, 32.0f * 15));
}

TEST_F(ToolkitTest, ListSelectionRaisesClickAndFollowsRemovalsAndTextRaisesChangeOnlyForANewText) {
    ComboBox combo(form, "cboDrive");
    TextBox text(form, "txtPath");
    int clicks = 0, changes = 0;
    combo.onClick = [&] { ++clicks; };
    text.onChange = [&] { ++changes; };
    for (const char* item : {"E: ", "F: ", "G: "}) combo.AddItem(item);
    EXPECT_EQ(std::pair(combo.ListIndex(), combo.Text()), std::pair(-1, std::string()));
    combo.SetListIndex(2);
    combo.SetListIndex(2);
    combo.SetListIndex(5);  // out of range: refused
    EXPECT_EQ(std::tuple(combo.ListIndex(), combo.Text(), clicks), std::tuple(2, std::string("G: "), 1));
    combo.RemoveItem(0);
    EXPECT_EQ(combo.ListIndex(), 1);
    combo.RemoveItem(1);
    EXPECT_EQ(combo.ListIndex(), -1);
    combo.Clear();
    EXPECT_EQ(combo.ListCount(), 0);

    text.SetText("C:\\Data");
    text.SetText("C:\\Data");
    text.PeerTextChanged("C:\\Dat");
    EXPECT_EQ(std::pair(changes, text.Text()), std::pair(2, std::string("C:\\Dat")));
}

TEST_F(ToolkitTest, ControlArrayElementsAreCreatedAtRunTimeWithTheirWindows) {
    ControlArray<PictureBox> labels(form, "LbMenu");
    EXPECT_TRUE(labels.Load(1));
    form.Show();
    EXPECT_NE(labels[1].hwnd(), 0u);  // realized with the form
    EXPECT_TRUE(labels.Load(100));
    EXPECT_NE(labels[100].hwnd(), 0u);  // realized at once: the form has its window
    EXPECT_FALSE(labels[100].Visible());
    EXPECT_FALSE(labels.Load(1));
    EXPECT_EQ(std::pair(labels[1].Index(), labels.UBound()), std::pair(1, 100));
    const auto handle = labels[100].hwnd();
    EXPECT_TRUE(labels.Unload(100));
    EXPECT_FALSE(windowing.Find(handle));
    EXPECT_THROW(labels[100], std::out_of_range);
}

TEST_F(ToolkitTest, TimerControlTicksOnlyWhileLoadedEnabledAndWithAnInterval) {
    Timer timer(form, "tmrRun");
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.SetInterval(100);
    const auto run = [&](uint32_t ms) {
        windowing.Advance(ms);
        return ticks;
    };
    EXPECT_EQ(run(500), 0);  // not loaded
    form.Load();
    EXPECT_EQ(run(250), 2);
    timer.SetEnabled(false);
    EXPECT_EQ(run(500), 2);
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_EQ(run(500), 2);
    timer.SetInterval(50);
    EXPECT_EQ(run(50), 3);
    form.Unload();
    EXPECT_EQ(run(500), 3);
    EXPECT_EQ(windowing.ActiveTimers(), 0);
}

TEST_F(ToolkitTest, PopupMenuRunsTheChosenEnabledItem) {
    Menu menu(form, "mnuMenu", "Menu");
    Menu unmount(menu, "mnuMenuUnmount", "&Unmount");
    int clicks = 0;
    unmount.onClick = [&] { ++clicks; };
    toolkit.onPopup = [&](Menu& shown) { return shown.Items().front(); };
    form.PopupMenu(menu, 120, 240);
    unmount.SetEnabled(false);
    form.PopupMenu(menu, 0, 0);
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(toolkit.popups.size(), 2u);
    EXPECT_EQ(std::pair(toolkit.popups[0].menu, toolkit.popups[0].y), std::pair(std::string("mnuMenu"), 240.0f));
}

TEST(PropertyBag, ValuesEqualToTheirDefaultAreNotStored) {
    PropertyBag bag;
    bag.WriteProperty("Theme", int32_t{0}, int32_t{0});
    bag.WriteProperty("Enabled", true, true);
    bag.WriteProperty("Caption", std::string("&System"), "&System");
    EXPECT_EQ(bag.Count(), 0u);
    bag.WriteProperty("Theme", int32_t{2}, int32_t{0});
    bag.WriteProperty("Enabled", false, true);
    bag.WriteProperty("Caption", std::string("&File"), "&System");
    bag.WriteProperty("BackColor", uint32_t{0x8000000F}, uint32_t{0});
    EXPECT_EQ(bag.Count(), 4u);
    EXPECT_EQ(std::tuple(bag.ReadProperty("Theme", int32_t{0}), bag.ReadProperty("Enabled", true),
                         bag.ReadProperty("Caption", "&System"), bag.ReadProperty("BackColor", uint32_t{0})),
              std::tuple(2, false, std::string("&File"), 0x8000000Fu));
    // Absent names and values of another kind read as the default; writing the default removes a value.
    EXPECT_EQ(bag.ReadProperty("Missing", int16_t{7}) + bag.ReadProperty("Caption", int32_t{5}), 12);
    bag.WriteProperty("Theme", int32_t{0}, int32_t{0});
    EXPECT_FALSE(bag.Contains("Theme"));
}

TEST_F(ToolkitTest, EnterAndEscapePressTheVisibleEnabledDefaultAndCancelButtons) {
    CommandButton ok(form, "cmdOK"), cancel(form, "cmdCancel"), other(form, "cmdOther");
    std::vector<std::string> pressed;
    for (CommandButton* b : {&ok, &cancel, &other}) b->onClick = [&pressed, b] { pressed.push_back(b->Name()); };
    EXPECT_FALSE(form.PressDefault());
    ok.SetDefault(true);
    cancel.SetCancel(true);
    EXPECT_TRUE(form.PressDefault());
    EXPECT_TRUE(form.PressCancel());
    ok.SetEnabled(false);
    cancel.SetVisible(false);
    EXPECT_FALSE(form.PressDefault());
    EXPECT_FALSE(form.PressCancel());
    EXPECT_EQ(pressed, (std::vector<std::string>{"cmdOK", "cmdCancel"}));
}

TEST_F(ToolkitTest, TheFormForgetsAFocusedControlThatGoes) {
    TextBox first(form, "txtFirst");
    EXPECT_EQ(form.ActiveControl(), nullptr);
    first.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &first);
    {
        TextBox second(form, "txtSecond");
        second.PeerFocused();
        EXPECT_EQ(form.ActiveControl(), &second);
    }
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(ToolkitTest, ListRowsUnderThePointerAndTheKeyboardsPopupPlace) {
    ListBox list(form, "vList");
    list.Move(0, 0, 3000, 1125);
    list.SetItems({"C:", "D:", "E:"});
    const float row = sim::HeadlessToolkit::kListRowPixels * 15.0f;
    EXPECT_EQ(list.ItemAt(10, row * 1.5f), -1);  // no window yet
    form.Show();
    const struct {
        float y;
        int item;
    } hits[] = {{0, 0}, {row - 1, 0}, {row, 1}, {row * 2.5f, 2}, {row * 3, -1}, {-1, -1}};
    for (const auto& h : hits) EXPECT_EQ(list.ItemAt(10, h.y), h.item) << h.y;

    std::vector<std::pair<float, float>> opened;
    list.onContextMenu = [&opened](float x, float y) { opened.push_back({x, y}); };
    list.ContextMenu(1500, 500);  // nothing selected: where the toolkit put it
    list.SetListIndex(2);
    list.ContextMenu(1500, 500);
    EXPECT_EQ(opened, (std::vector<std::pair<float, float>>{{1500, 500}, {0, row * 2.5f}}));
}

TEST_F(ToolkitTest, ListItemsAreReplacedAtOnceAndRemovedOneByOne) {
    ComboBox box(form, "cboDrive");
    box.SetItems({"A: ", "B: ", "C: "});
    box.SetListIndex(2);
    box.RemoveItem(0);
    EXPECT_EQ(box.LastRemovedIndex(), 0);
    EXPECT_EQ(box.ListIndex(), 1);
    EXPECT_EQ(box.Text(), "C: ");
    box.SetItems({"X: "});
    EXPECT_EQ(box.ListIndex(), -1);
    EXPECT_EQ(box.Items(), std::vector<std::string>{"X: "});
}

}  // namespace
}  // namespace plivant::ui
