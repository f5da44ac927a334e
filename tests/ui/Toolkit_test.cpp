// The toolkit's models on the headless back end: forms' lifecycle, geometry and scale, lazy pictures and
// auto-sized labels, lists, control arrays, popup menus; the colour arithmetic of the artwork. (The timer control is
// checked by the windows that use it: the splash, the hyperlink's hover, and the Wine runs of a window's life.)
#include <gtest/gtest.h>

#include "SimHost.h"
#include "ui/BitmapDrawing.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/PropertyBag.h"

namespace plivant::ui {
namespace {

using Strings = std::vector<std::string>;

class RecordingForm : public Form {
public:
    using Form::Form;
    Strings log;
    int16_t cancelUnload = 0;

protected:
    void Form_Load() override { log.push_back("Load"); }
    void Form_Unload(int16_t& Cancel) override { log.push_back("Unload"), Cancel = cancelUnload; }
    void Form_Activate() override { log.push_back("Activate"); }
    void Form_Deactivate() override { log.push_back("Deactivate"); }
    void Form_Resize() override { log.push_back("Resize"); }
};

using ToolkitTest = test::FormTest;

TEST_F(ToolkitTest, FormLifecycleModalLoopAndTheDefaultAndCancelButtons) {
    RecordingForm recording(toolkit, "frmTest");
    recording.Move(1500, 750, 3000, 1500);
    EXPECT_EQ(recording.hwnd(), 0u);
    recording.Show();
    EXPECT_EQ(*windowing.WindowRect(recording.hwnd()), (platform::Rect{100, 50, 300, 150}));
    recording.Activate();
    recording.Deactivate();
    recording.cancelUnload = 1;
    EXPECT_FALSE(recording.Unload() || !recording.Loaded());
    recording.cancelUnload = 0;
    EXPECT_TRUE(recording.Unload());
    EXPECT_EQ(std::tuple(recording.hwnd(), windowing.WindowCount(), recording.log),
              std::tuple(0u, 0, Strings{"Resize", "Load", "Activate", "Deactivate", "Unload", "Unload"}));
    toolkit.onModal = [&](Form& shown) {
        EXPECT_TRUE(&shown == &recording && shown.Visible());
        shown.Unload();
    };
    recording.Show(1);
    EXPECT_EQ(std::tuple(toolkit.modalRuns, recording.Loaded()), std::tuple(1, false));

    CommandButton ok(recording, "cmdOK"), cancel(recording, "cmdCancel");
    Strings pressed;
    for (CommandButton* b : {&ok, &cancel}) b->onClick = [&pressed, b] { pressed.push_back(b->Name()); };
    EXPECT_FALSE(recording.PressDefault());
    ok.SetDefault(true);
    cancel.SetCancel(true);
    EXPECT_TRUE(recording.PressDefault() && recording.PressCancel());
    ok.SetEnabled(false);
    cancel.SetVisible(false);
    EXPECT_FALSE(recording.PressDefault() || recording.PressCancel());
    EXPECT_EQ(pressed, (Strings{"cmdOK", "cmdCancel"}));
}

TEST_F(ToolkitTest, ChildrenArePlacedInTheirContainersScaleAndTheFormForgetsAFocusedControlThatGoes) {
    toolkit.twipsPerPixelX = toolkit.twipsPerPixelY = 12;  // a screen of 120 dots per inch
    form.Move(0, 0, 6000, 6000);
    PictureBox box(form, "picBox");
    box.Move(120, 240, 1200, 600);  // twips, the form's scale
    box.SetScaleMode(ScaleMode::Pixels);
    PictureBox inner(box, "picIn");
    inner.Move(10, 5, 20, 8);  // pixels, the box's scale
    EXPECT_EQ(std::tuple(inner.WidthTwips(), box.ScaleWidth()), std::tuple(240.0f, 100.0f));
    form.Show();
    EXPECT_EQ(std::tuple(*windowing.WindowRect(box.hwnd()), *windowing.WindowRect(inner.hwnd())),
              std::tuple(platform::Rect{10, 20, 110, 70}, platform::Rect{20, 25, 40, 33}));
    toolkit.monitorDpi = 144;  // a window opening on a monitor at 150 %: laid out at that scale where it opens
    ui::Form wide(toolkit, "frmWide");
    wide.Move(1200, 1200, 3000, 1500);
    PictureBox picture(wide, "picWide");
    picture.Move(150, 150, 300, 300);
    wide.Show();
    EXPECT_EQ(std::tuple(*windowing.WindowRect(wide.hwnd()), *windowing.WindowRect(picture.hwnd()), form.Dpi()),
              std::tuple(platform::Rect{100, 100, 400, 250}, platform::Rect{115, 115, 145, 145}, 120));
    inner.SetVisible(false);
    EXPECT_EQ(windowing.WindowAt({25, 30}), box.hwnd());
    {
        TextBox second(form, "txtSecond");
        second.PeerFocused();
        EXPECT_EQ(form.ActiveControl(), &second);
    }
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST_F(ToolkitTest, LazyPicturesAutoSizedLabelsListSelectionAndItemsAndTextChanges) {
    Image image(form, "imgLazy");
    int drawn = 0;
    image.SetPicture(4, 3, [&] { return ++drawn, Bitmap(4, 3, 0x123456); });
    form.Show();
    EXPECT_EQ(std::tuple(image.WidthTwips(), image.HeightTwips(), drawn), std::tuple(4 * 15.0f, 3 * 15.0f, 0));
    EXPECT_EQ(std::tuple(image.Look().picture, image.Picture(), drawn),
              std::tuple(Bitmap(4, 3, 0x123456), Bitmap(4, 3, 0x123456), 1));
    image.SetPicture(2, 2, [&] { return ++drawn, Bitmap(2, 2); });
    image.SetPicture(Bitmap(5, 5, 0xFFFFFF));
    EXPECT_EQ(std::tuple(image.Picture(), drawn), std::tuple(Bitmap(5, 5, 0xFFFFFF), 1));
    Label label(form, "lbl");
    label.SetCaption("abcde");
    label.SetWidth(100);
    label.SetAutoSize(true);
    EXPECT_FLOAT_EQ(label.WidthTwips(), 25 * 15);  // 5 characters of 8.25 points: 25 pixels
    label.SetFont(Font{.size = 20});
    label.SetCaption("ab");
    EXPECT_EQ(std::tuple(label.WidthTwips(), label.HeightTwips()), std::tuple(24.0f * 15, 32.0f * 15));
    ComboBox combo(form, "cboDrive");
    TextBox text(form, "txtPath");
    int clicks = 0, changes = 0;
    combo.onClick = [&] { ++clicks; };
    text.onChange = [&] { ++changes; };
    for (const char* item : {"E: ", "F: ", "G: "}) combo.AddItem(item);
    EXPECT_EQ(std::tuple(combo.ListIndex(), combo.Text()), std::tuple(-1, ""));
    combo.SetListIndex(2);
    combo.SetListIndex(2);
    combo.SetListIndex(5);  // out of range: refused
    EXPECT_EQ(std::tuple(combo.ListIndex(), combo.Text(), clicks), std::tuple(2, "G: ", 1));
    combo.RemoveItem(0);
    EXPECT_EQ(std::tuple(combo.ListIndex(), combo.Text(), combo.LastRemovedIndex()), std::tuple(1, "G: ", 0));
    combo.RemoveItem(1);
    combo.SetItems({"X: "});
    EXPECT_EQ(std::tuple(combo.ListIndex(), combo.Items()), std::tuple(-1, Strings{"X: "}));
    text.SetText("C:\\Data");
    text.SetText("C:\\Data");
    text.PeerTextChanged("C:\\Dat");
    EXPECT_EQ(std::tuple(changes, text.Text()), std::tuple(2, "C:\\Dat"));
}

TEST_F(ToolkitTest, ControlArraysAndPopupMenus) {
    ControlArray<PictureBox> labels(form, "LbMenu");
    form.Show();
    EXPECT_TRUE(labels.Load(100) && !labels.Load(100));
    const auto handle = labels[100].hwnd();  // realized at once: the form has its window
    EXPECT_TRUE(labels.Unload(100) && handle != 0u && !windowing.Find(handle));
    EXPECT_THROW(labels[100], std::out_of_range);
    Menu menu(form, "mnuMenu", "Menu"), unmount(menu, "mnuMenuUnmount", "&Unmount");
    int clicks = 0;
    unmount.onClick = [&] { ++clicks; };
    toolkit.onPopup = [&](Menu& shown) { return shown.Items().front(); };
    form.PopupMenu(menu, 120, 240);
    unmount.SetEnabled(false);
    form.PopupMenu(menu, 0, 0);
    ASSERT_EQ(toolkit.popups.size(), 2u);
    EXPECT_EQ(std::tuple(clicks, toolkit.popups[0].menu, toolkit.popups[0].y), std::tuple(1, "mnuMenu", 240.0f));
}

// The colour arithmetic the artwork uses; a greyed picture keeps its background and turns the rest pale grey.
TEST(Paint, MixEndsExtrapolatesAndClampsTheMeasuresAndGreying) {
    for (auto [a, b, t, expected] : {std::tuple<Rgb, Rgb, double, Rgb>{0x102030, 0x90A0B0, 1.0, 0x90A0B0},
                                     {0x000000, 0xFFFFFF, 0.5, 0x808080},
                                     {0x000000, 0x010305, 0.5, 0x010203},  // halves round up, not to even
                                     {0x102030, 0x203040, -1.0, 0x001020},
                                     {0x80F010, 0xF0F000, 3.0, 0xFFF000},
                                     {0x10F010, 0x00F000, 3.0, 0x00F000}})
        EXPECT_EQ(Mix(a, b, t), expected) << std::hex << a << " " << b << " " << t;
    EXPECT_EQ(MakeRgb(300, -5, 0x12), 0xFF0012u);
    EXPECT_EQ(ChannelDistance(0x102030, 0x132A2F), 10);
    EXPECT_EQ(Chroma(0x808080) + Chroma(0x20A040), 0x80);
    EXPECT_NEAR(Luma(0xFFFFFF), 255.0, 1e-9);
    EXPECT_GT(Luma(0x00FF00), Luma(0xFF0000));
    Bitmap picture(3, 1, 0xECE9D8);
    picture.Set(1, 0, 0xD02020);
    picture.Set(2, 0, 0x000000);
    const Bitmap greyed = Greyed(picture);
    EXPECT_EQ(greyed.At(0, 0), 0xECE9D8u);
    for (int x = 1; x < 3; ++x) {
        EXPECT_LT(Chroma(greyed.At(x, 0)), 12) << x;
        EXPECT_GT(Luma(greyed.At(x, 0)), Luma(picture.At(x, 0))) << x;
    }
    EXPECT_LT(Luma(greyed.At(2, 0)), Luma(greyed.At(1, 0)));  // darker stays darker
}

}  // namespace
}  // namespace plivant::ui
