// The widgets on the simulated machine and clock, and the artwork they and the frame show: the frame's pieces (which
// scheme and state picks which is checked on the frame), the caption button's pictures (also on a contact sheet to look
// at), the hand pointer; the caption button, LabelMenu, ZuLinkLabel and clsTimer, each with its saved design.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <tuple>
#include <vector>

#include "SimHost.h"
#include "art/ArtCanvas.h"
#include "art/ThemeXArt.h"
#include "platform/sim/SimWindowing.h"
#include "ui/BitmapDrawing.h"
#include "ui/sim/PngFile.h"
#include "widgets/ControlButton.h"
#include "widgets/ControlButtonArt.h"
#include "widgets/HandCursorArt.h"
#include "widgets/LabelMenu.h"
#include "widgets/ZuLinkLabel.h"
#include "widgets/clsTimer.h"

namespace plivant {
namespace {

enum Piece { kTitle = 1, kTitleLeft, kTitleRight, kLeft, kRight, kBottom, kBottomRight, kBottomLeft };

TEST(ThemeXArt, PiecesFitTheirPlacesStretchCleanlyMeetWithoutSeamsAndTheTitlesEndsFollowTheRoundedRegion) {
    for (int array = 1, e = 0; array <= 8; e = (e + 1) % 6, array += e == 0) {
        for (double s : {1.0, 1.5, 2.0}) {
            const ui::Bitmap b = ThemeXPicture(array, e, s);
            const bool vertical = array == kLeft || array == kRight,
                       stretched = vertical || array == kTitle || array == kBottom;
            // The title's pieces are 30 high, the edges 4 across, the corners 4 square: at 1.5, 45 and 6.
            const int title = static_cast<int>(30 * s), edge = static_cast<int>(4 * s);
            EXPECT_EQ(vertical ? b.Width() : b.Height(), array <= kTitleRight ? title : edge) << array << "," << e;
            EXPECT_TRUE(array < kBottomRight || b.Width() == edge) << array << "," << e;
            for (int y = 0; stretched && y < b.Height(); ++y)
                for (int x = 0; x < b.Width(); ++x)
                    ASSERT_EQ(b.At(x, y), vertical ? b.At(x, 0) : b.At(0, y))
                        << array << "/" << e << " " << x << "," << y;
        }
    }
    for (auto [array, e] : {std::pair{0, 0}, {9, 0}, {1, -1}, {1, 6}})
        EXPECT_TRUE(ThemeXPicture(array, e).Empty()) << array << "," << e;
    for (int e = 0; e < 6; ++e) {
        SCOPED_TRACE(testing::Message() << "element " << e);
        const auto piece = [e](int array) { return ThemeXPicture(array, e); };
        const ui::Bitmap title = piece(kTitle), left = piece(kTitleLeft), right = piece(kTitleRight),
                         edgeL = piece(kLeft), edgeR = piece(kRight), bottom = piece(kBottom),
                         cornerL = piece(kBottomLeft), cornerR = piece(kBottomRight);
        const auto meet = [](ui::Rgb a, ui::Rgb b, const char* where, int i) {
            EXPECT_LE(ui::ChannelDistance(a, b), 8) << where << " " << i;
        };
        for (int y = 0; y < 30; ++y) meet(left.At(left.Width() - 1, y), title.At(0, y), "title's left end", y);
        for (int y = 0; y < 4; ++y) meet(title.At(0, y), right.At(0, y), "title's right end", y);  // above the buttons
        for (int i = 0; i < 4; ++i) {
            meet(left.At(i, 29), edgeL.At(i, 0), "left edge", i);
            meet(right.At(right.Width() - 4 + i, 29), edgeR.At(i, 0), "right edge", i);
            meet(edgeL.At(i, 0), cornerL.At(i, 0), "bottom-left corner", i);
            meet(edgeR.At(i, 0), cornerR.At(i, 0), "bottom-right corner", i);
            meet(cornerL.At(3, i), bottom.At(0, i), "bottom's left end", i);
            meet(bottom.At(0, i), cornerR.At(0, i), "bottom's right end", i);
        }
        const ui::Rgb outline = edgeL.At(0, 0);  // the title's ends follow the rounded corners
        EXPECT_EQ(std::pair(edgeR.At(3, 0), title.At(0, 0)), std::pair(outline, outline));
        const int firstInside[] = {5, 3, 2, 1, 1, 0}, w = right.Width();
        for (int y = 0; y < 6; ++y) {
            const int x = firstInside[y];
            EXPECT_EQ(std::pair(left.At(x, y), right.At(w - 1 - x, y)), std::pair(outline, outline)) << y;
            if (y == 0) continue;
            EXPECT_GT(std::min(ui::Luma(left.At(x + 1, y)), ui::Luma(right.At(w - 2 - x, y))), ui::Luma(outline)) << y;
            EXPECT_NE(title.At(0, y), left.At(0, y)) << "the outer column is the outline, row " << y;
        }
        for (int y = 0; y < 30; ++y) EXPECT_EQ(ThemeXTitleColour(e / 2, e % 2 == 0, y), title.At(0, y));
    }
}

using Set = CaptionImageSet;

// Where each glyph is solid inside the button's light frame.
bool Solid(Set set, int x, int y) {
    const auto in = [x, y](int l, int t, int r, int b) { return x >= l && x <= r && y >= t && y <= b; };
    if (set == Set::CbMin) return in(5, 13, 11, 15);
    if (set == Set::CbMax) return in(5, 5, 15, 15) && (y <= 7 || y == 15 || x == 5 || x == 15);
    // Close: two strokes corner to corner; restore: the front window's outline, the back one's where it shows.
    if (set == Set::CbClose) return in(5, 5, 15, 15) && (std::abs(x - y) <= 1 || std::abs(x + y - 20) <= 1);
    if (in(5, 8, 11, 14)) return y <= 9 || y == 14 || x == 5 || x == 11;
    return in(8, 5, 14, 11) && (y <= 6 || y == 11 || x == 8 || x == 14);
}

// A shape's solid box lies wholly inside it: a fill that trusts the box covers every pixel, at any scale, exactly as
// sampling each pixel does.
TEST(ArtCanvas, TrustingAShapesSolidBoxChangesNoPixel) {
    const auto sampled = [](art::Shape shape) {
        shape.solidRight = shape.solidLeft - 1;
        return shape;
    };
    for (const art::Shape& shape :
         {art::RoundRect(0.5, 1, 15.25, 12, 3), art::RoundRect(2, 2, 9, 9, 0), art::Ellipse(8, 7, 6.5, 4.25),
          art::Union(art::RoundRect(1, 1, 7, 5, 1), art::RoundRect(1, 3, 15, 14, 2))}) {
        EXPECT_LT(shape.solidLeft, shape.solidRight);
        for (double scale : {1.0, 1.25, 1.5, 2.0}) {
            art::Canvas trusting(16, 16, scale), sampling(16, 16, scale);
            trusting.Fill(shape, art::Vertical(0, 16, 0x102030, 0xF0E0D0), 0.75);
            sampling.Fill(sampled(shape), art::Vertical(0, 16, 0x102030, 0xF0E0D0), 0.75);
            EXPECT_EQ(std::pair(trusting.Coverage(), trusting.Colours()),
                      std::pair(sampling.Coverage(), sampling.Colours()))
                << scale;
        }
    }
}

// Each image is also laid on a contact sheet at 4×, one row per kind, written to build/artifacts for looking at.
TEST(ControlButtonArt, EveryImageFollowsTheRulesOfItsSlot) {
    ui::Bitmap sheet(15 * 92 + 8, 4 * 92 + 8, 0xA8A8B0);
    for (Set set : {Set::CbMin, Set::CbMax, Set::CbClose, Set::CbRestore}) {
        const int count = CaptionImageCount(set), perScheme = count / 3;
        EXPECT_EQ(count, set == Set::CbMax ? 15 : 12);
        EXPECT_TRUE(CaptionButtonImage(set, -1).Empty() && CaptionButtonImage(set, count).Empty());
        for (int i = 0; i < count; ++i) {
            SCOPED_TRACE(testing::Message() << int(set) << " " << i);
            const ui::Bitmap b = CaptionButtonImage(set, i);
            ASSERT_EQ(std::pair(b.Width(), b.Height()), std::pair(21, 21));
            ui::Blit(sheet, ui::Scaled(b, 4), 8 + 92 * i, 8 + 92 * static_cast<int>(set));
            // Scheme (blue, olive, silver) and state (resting, hover, pressed, inactive, disabled): blue and olive in
            // order, silver backwards from the last index.
            const int scheme = i < 2 * perScheme ? i / perScheme : 2,
                      state = scheme < 2 ? i % perScheme : count - 1 - i;
            if (set != Set::CbClose && state < 4) {
                // Minimise, maximise and restore share the colours of a slot; the pressed look is lit the other way.
                const ui::Bitmap min = CaptionButtonImage(Set::CbMin, scheme < 2 ? scheme * 4 + state : 11 - state);
                EXPECT_EQ(std::pair(b.At(3, 3), b.At(16, 10)), std::pair(min.At(3, 3), min.At(16, 10)));
                EXPECT_EQ(ui::Luma(b.At(2, 2)) < ui::Luma(b.At(18, 18)), state == 2);
            }
            // The corners show the title bar of the scheme and state behind.
            const ui::Bitmap title = ThemeXPicture(1, scheme * 2 + (state == 3 ? 1 : 0));
            for (auto [x, y] : {std::pair{0, 0}, {20, 0}, {0, 20}, {20, 20}}) EXPECT_EQ(b.At(x, y), title.At(0, 4 + y));
            const ui::Rgb glyph = set == Set::CbMin ? b.At(8, 14) : set == Set::CbClose ? b.At(10, 10) : b.At(5, 11);
            for (int y = 2; y <= 18; ++y) {
                for (int x = 2; x <= 18; ++x) {
                    // Anti-aliased diagonals are only checked on and well off their centre lines.
                    const int d1 = std::abs(std::abs(x - y) - 1), d2 = std::abs(std::abs(x + y - 20) - 1);
                    if (set == Set::CbClose && (d1 <= 1 || d2 <= 1) && x != y && x + y != 20) continue;
                    EXPECT_EQ(b.At(x, y) == glyph, Solid(set, x, y)) << x << "," << y;
                }
            }
        }
    }
    const auto dir = std::filesystem::path(PLIVANT_SOURCE_DIR) / "build" / "artifacts";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(ui::WritePngFile(sheet, (dir / "contact-sheet.png").string()));
}

TEST(HandCursorArt, HotSpotAtTheFingertipAndAnOutlineClosingTheFill) {
    for (const auto& [scale, size, hotX, hotY, fillAbove] :
         {std::tuple{1.0, 32, 6, 8, 100}, {1.5, 48, 9, 12, 225}, {2.0, 64, 12, 16, 400}}) {
        const CursorArt hand = HandPointer(scale);
        const auto opaque = [&](int x, int y) {
            return hand.colour.Contains(x, y) && !hand.transparent.at(static_cast<size_t>(y * size + x));
        };
        int fill = 0;
        for (int i = 0; i < size * size; ++i) {
            const int x = i % size, y = i / size;
            const ui::Rgb c = hand.colour.At(x, y);
            const bool closed = opaque(x + 1, y) && opaque(x - 1, y) && opaque(x, y + 1) && opaque(x, y - 1);
            EXPECT_TRUE(!opaque(x, y) || (y >= hand.hotY && (c == 0 || (c == 0xFFFFFF && closed)))) << x << "," << y;
            fill += opaque(x, y) && c != 0;
        }
        EXPECT_EQ(std::tuple(hand.colour.Width(), hand.hotX, hand.hotY, opaque(hotX, hotY), opaque(hotX, hotY - 1),
                             fill > fillAbove),
                  std::tuple(size, hotX, hotY, true, false, true));
    }
}

// The caption button, the menu label and the hyperlink on a form shown at (100, 100) pixels, 400 × 300.
class WidgetTest : public test::FormTest {
protected:
    void SetUp() override {
        form.Move(1500, 1500, 6000, 4500);
        button.Move(4500, 150, 315, 315);                     // at (400, 110), 21 × 21
        link.Move(600, 300, 1500, 300);                       // at (140, 120), 100 × 20
        label.Move(60, 2000, label.Width(), label.Height());  // at (104, 233)
        button.onClick = link.onClick = [this] { ++clicks; };
        form.Show();
    }
    // Moves the cursor on or off the button, lets the polling timer tick and tells what the button shows.
    CaptionImage Tick(bool on) {
        windowing.cursor = on ? platform::Point{405, 115} : platform::Point{10, 10};
        windowing.Advance(10);
        return button.Shown();
    }
    ControlButton button{form, "CloseButton"};
    ZuLinkLabel link{form, "ZuLinkLabel1"};
    LabelMenu label{form, "LbMenu", 1};
    int clicks = 0;
};

TEST_F(WidgetTest, ButtonHoverPressAndLeaveUnderThePollingTimerAFixedSizeAndSavedOnlyWhereNotDefault) {
    button.SetTheme(1);
    button.SetButtonStyle(4);  // from 3 on: the restore button
    button.SetIsActivate(false);
    EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbRestore, 4}));  // setting IsActivate alone changes nothing
    button.PicMain.MouseMove(0, 0, 5, 5);
    EXPECT_TRUE(button.Timer1.Armed());
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbRestore, 5}));   // hover
    EXPECT_EQ(Tick(false), (CaptionImage{Set::CbRestore, 7}));  // left: resting, in the inactive look
    EXPECT_FALSE(button.Timer1.Armed());
    button.PicMain.MouseDown(2, 0, 5, 5);  // only the left button presses
    EXPECT_EQ(button.MouseButtonState(), 0);
    button.PicMain.MouseMove(1, 0, 5, 5);  // moved with the button held: pressed
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbRestore, 6}));
    button.PicMain.MouseDown(1, 0, 5, 5);
    EXPECT_EQ(button.MouseButtonState(), 1);
    EXPECT_EQ(Tick(true), (CaptionImage{Set::CbRestore, 6}));
    EXPECT_EQ(Tick(false), (CaptionImage{Set::CbRestore, 7}));  // dragged out
    EXPECT_EQ(std::tuple(button.Timer1.Armed(), button.MouseButtonState()), std::tuple(false, 0));
    button.PicMain.MouseDown(1, 0, 5, 5);
    button.PicMain.Click();
    EXPECT_EQ(std::tuple(clicks, button.Shown()),
              std::tuple(1, CaptionImage{Set::CbRestore, 4}));  // resting active first
    for (auto [ipRes, index] : {std::pair{0, 7}, {1, 4}, {-1, 4}}) {
        button.RefreshControl(static_cast<int16_t>(ipRes));
        EXPECT_EQ(button.Shown(), (CaptionImage{Set::CbRestore, index})) << ipRes;
    }
    button.SetWidth(1), button.SetHeight(1200);  // any resize leaves it at 315 twips, 21 pixels
    EXPECT_EQ(
        std::tuple(button.WidthTwips(), button.HeightTwips(), windowing.WindowRect(button.PicMain.hwnd())->Width()),
        std::tuple(315.0f, 315.0f, 21));
    // The saved design: only what differs from the defaults.
    ControlButton loaded(form, "c");
    ui::PropertyBag bag;
    button.InitProperties();
    button.WriteProperties(bag);
    EXPECT_EQ(bag.Count(), 0u);
    button.SetTheme(2);
    button.SetButtonStyle(2);
    button.SetEnabled(false);
    button.SetToolTipText("Close");
    button.SetAutoRedraw(true);
    button.WriteProperties(bag);
    loaded.ReadProperties(bag);
    EXPECT_EQ(std::tuple(bag.Count(), loaded.Theme(), loaded.ButtonStyle(), loaded.Enabled(), loaded.ToolTipText(),
                         loaded.Shown()),
              std::tuple(5u, 2, 2, false, "Close", DisabledCaptionImage(2)));
}

TEST_F(WidgetTest, LinkClickOpensItsTargetOrOnlyRaisesClickTheMouseIconItsSavedDesignAutoSizeAndAlignment) {
    // An unknown value leaves the preset as it was.
    for (auto [event, preset] :
         {std::pair{1, "mailto:"}, {2, "VB Command"}, {5, "VB Command"}, {0, "http://"}, {-1, "http://"}}) {
        link.SetLinkEvent(event);
        EXPECT_EQ(link.LinkExecute(), preset) << event;
    }
    link.SetLinkEvent(2);
    link.lblLink.Click();  // only Click
    link.SetLinkEvent(0);
    link.SetLinkExecute("http://www.example.org/");
    shell.result = 2;
    link.lblLink.Click();
    ASSERT_EQ(shell.executed.size(), 1u);
    const auto& call = shell.executed[0];
    EXPECT_EQ(std::tuple(call.owner, call.verb, call.file, call.parameters + call.directory, call.show, clicks),
              std::tuple(form.hwnd(), "Open", "http://www.example.org/", "", 1, 2));
    link.SetMouseIcon(1);
    EXPECT_EQ(std::tuple(link.lblLink.GetMousePointer(), link.GetMousePointer(), link.lblLink.MouseIcon().hotX),
              std::tuple(ui::MousePointer::Custom, ui::MousePointer::Custom, 6));
    link.SetMouseIcon(0);
    link.SetMouseIcon(3);
    EXPECT_EQ(link.GetMousePointer(), ui::MousePointer::Default);
}

TEST_F(WidgetTest, LinkHoverUnderlinesAtOnceColoursAtTheNextTickAndEndsOutsideTheEdges) {
    link.SetMouseOverUnderlined(true);
    link.SetMouseOverForeColor(0x0000FF);
    link.SetMouseOverBackColor(0x00FFFF);
    link.SetForeColor(0x111111);
    link.SetBackColor(0x222222);
    int moves = 0;
    link.onMouseMove = [&](int16_t, int16_t, float, float) { ++moves; };
    windowing.cursor = {150, 125};
    link.lblLink.MouseMove(0, 0, 10, 5);
    EXPECT_EQ(std::tuple(moves, link.lblLink.Font().underline, link.lblLink.ForeColor()),
              std::tuple(1, true, 0x111111u));
    const int pumps = windowing.pumps;
    windowing.Advance(10);
    EXPECT_EQ(std::tuple(windowing.pumps - pumps, link.lblLink.ForeColor(), link.lblLink.BackColor()),
              std::tuple(1, 0x0000FFu, 0x00FFFFu));
    windowing.cursor = {300, 300};
    windowing.Advance(10);
    EXPECT_EQ(std::tuple(link.lblLink.ForeColor(), link.lblLink.BackColor(), link.lblLink.Font().underline),
              std::tuple(0x111111u, 0x222222u, false));
    // The label spans (140, 120) to (240, 140), edges included.
    for (auto [x, y, inside] : {std::tuple{240, 140, true}, {241, 130, false}, {190, 141, false}}) {
        windowing.cursor = {150, 125};
        link.lblLink.MouseMove(0, 0, 1, 1);
        windowing.cursor = {x, y};
        windowing.Advance(10);
        EXPECT_EQ(link.tmrMouseOver.Armed(), inside) << x << "," << y;
        windowing.cursor = {0, 0};
        windowing.Advance(10);
    }
    ZuLinkLabel placed(form, "ZuLinkLabel2"), loaded(form, "ZuLinkLabel3");
    placed.InitProperties();  // a new control: its name, and no pointer (0) where the stored default is the hand (1)
    placed.SetLinkEvent(1);
    placed.SetMouseOverUnderlined(true);
    ui::PropertyBag bag;
    placed.WriteProperties(bag);
    loaded.ReadProperties(bag);
    EXPECT_EQ(std::tuple(bag.Count(), loaded.Caption(), loaded.MouseIcon(), loaded.LinkEvent(), loaded.LinkExecute(),
                         loaded.MouseOverUnderlined()),
              std::tuple(4u, "ZuLinkLabel2", 0, 0, "mailto:", true));
    link.SetCaption("www.example.org");
    link.SetAlignment(2);
    link.SetAutoSize(true);  // an auto-sized link is as large as its label, left-aligned
    EXPECT_EQ(std::tuple(link.Alignment(), link.WidthTwips(), link.HeightTwips()),
              std::tuple(0, link.lblLink.WidthTwips(), link.lblLink.HeightTwips()));
    link.SetAlignment(1);
    link.SetAlignment(7);  // an unknown value is kept and aligns right
    EXPECT_EQ(std::tuple(link.Alignment(), link.lblLink.Alignment()), std::tuple(7, ui::TextAlignment::Right));
}

TEST_F(WidgetTest, LabelLitByEachInputButReleaseWhileTheCursorIsOverItWidthFollowsTheCaptionAndSavedDesign) {
    const auto r = *windowing.WindowRect(label.hwnd());
    const platform::Point inside{r.left + 1, r.top + 1}, onLabel{r.left + 6, r.top + 3};
    using State = std::tuple<bool, ui::OleColor, int16_t>;  // lit, back colour and border
    const State kPlain{false, ui::kButtonFace, 0}, kLit{true, LabelMenu::kHighlight, 1};
    const auto state = [&] { return State{label.Lit(), label.BackColor(), label.BorderStyle()}; };
    const auto leave = [&] { windowing.cursor = {500, 500}, windowing.Advance(10); };
    const std::function<void(ui::Control&)> lighting[] = {[](ui::Control& c) { c.Click(); },
                                                          [](ui::Control& c) { c.MouseDown(1, 0, 1, 1); },
                                                          [](ui::Control& c) { c.MouseMove(0, 0, 1, 1); }};
    for (ui::Control* target : {static_cast<ui::Control*>(&label), static_cast<ui::Control*>(&label.Label1)}) {
        for (const auto& input : lighting) {
            windowing.cursor = inside;
            input(*target);
            input(*target);
            EXPECT_EQ(std::tuple(state(), windowing.ActiveTimers()), std::tuple(kLit, 1));
            leave();
            EXPECT_EQ(state(), kPlain);
        }
        target->MouseUp(1, 0, 1, 1);
        EXPECT_EQ(state(), kPlain);
    }
    windowing.cursor = onLabel;  // over the inner label, which has no window of its own: still over the control
    label.Label1.MouseMove(0, 0, 1, 1);
    windowing.Advance(50);
    EXPECT_EQ(state(), kLit);
    leave();
    EXPECT_EQ(std::tuple(state(), windowing.ActiveTimers()), std::tuple(kPlain, 0));
    // A back colour set while lit is kept only by the next move.
    windowing.cursor = inside;
    label.MouseMove(0, 0, 1, 1);
    label.SetBackColor(0x123456);
    label.MouseMove(0, 0, 2, 2);
    label.SetBackColor(0x00FF00);
    leave();
    EXPECT_EQ(state(), std::tuple(false, 0x123456u, int16_t{0}));
    label.SetCaption("&Much longer");
    label.SetHeight(1000);
    label.SetWidth(5);
    EXPECT_EQ(std::tuple(label.WidthTwips() - label.Label1.WidthTwips(), label.HeightTwips()),
              std::tuple(210.0f, 270.0f));
    label.SetBackColor(0xC0FFEE);
    label.SetEnabled(false);
    label.SetBorderStyle(1);
    ui::PropertyBag bag;
    label.WriteProperties(bag);
    LabelMenu loaded(form, "LbMenu", 2);
    loaded.ReadProperties(bag);
    EXPECT_EQ(std::tuple(bag.Count(), loaded.BackColor(), loaded.Caption(), loaded.Enabled(), loaded.BorderStyle(),
                         loaded.WidthTwips()),
              std::tuple(4u, 0xC0FFEEu, "&Much longer", false, int16_t{1}, label.WidthTwips()));
}

using Ticks = std::vector<std::string>;

using ClsTimerTest = test::SimScreenTest;

// The ticks a timer raised, as count@time.
void Record(clsTimer& timer, Ticks& into) {
    timer.OnTime = [&into](int32_t n, int32_t t) { into.push_back(std::to_string(n) + "@" + std::to_string(t)); };
}

TEST_F(ClsTimerTest, PeriodsCountsAndOwnerWindows) {
    // Interval, the period given, the period that results (10: the system's shortest).
    for (auto [interval, given, period] :
         {std::array{1000, 0, 1000}, {1000, -5, 1000}, {1000, 250, 250}, {40, 1, 10}}) {
        platform::sim::SimWindowing clock;
        clsTimer timer(clock);
        timer.SetInterval(static_cast<int16_t>(interval));
        Ticks ticks;
        Record(timer, ticks);
        timer.StartTimer(static_cast<int16_t>(given));
        clock.Advance(static_cast<uint32_t>(period - 1));
        const bool early = !ticks.empty();
        clock.Advance(1);
        EXPECT_EQ(std::tuple(early, ticks, timer.Interval()),
                  std::tuple(false, Ticks{"1@" + std::to_string(period)}, interval));
    }
    // Each object counts its own ticks, also on one owner window, whose handle is fixed while it runs.
    const auto window = windowing.AddWindow(0, {0, 0, 100, 100});
    clsTimer a(windowing), b(windowing), c(windowing);
    Ticks ta;
    Record(a, ta);
    b.SetHwnd(window);
    c.SetHwnd(window);
    a.StartTimer(30);
    b.StartTimer(10);
    c.StartTimer(10);
    a.SetHwnd(window);
    windowing.Advance(100);
    b.StopTimer();
    windowing.Advance(10);
    EXPECT_EQ(std::tuple(ta, b.TickCount(), c.TickCount(), a.hwnd(), b.hwnd()),
              std::tuple(Ticks{"1@30", "2@60", "3@90"}, 10, 11, 0u, window));
}

TEST_F(ClsTimerTest, StartRestartsTheCountOnlyWhenStoppedIntervalReArmsOnlyARunningTimerAndNoTickFollowsDestruction) {
    clsTimer timer(windowing);
    timer.SetInterval(300);  // stopped: only stored
    EXPECT_EQ(windowing.ActiveTimers(), 0);
    timer.StartTimer(20);
    windowing.Advance(40);
    timer.StartTimer(100);  // running: neither restarts the count nor changes the period
    windowing.Advance(20);
    EXPECT_EQ(timer.TickCount(), 3);
    timer.StopTimer();
    timer.StartTimer();
    windowing.Advance(300);
    EXPECT_EQ(timer.TickCount(), 1);
    timer.SetInterval(300);  // the same value: nothing
    timer.SetInterval(200);
    windowing.Advance(1000);
    EXPECT_EQ(std::tuple(timer.TickCount(), timer.Running(), windowing.ActiveTimers()), std::tuple(6, true, 1));
    timer.StopTimer();  // and no tick after destruction, even by its own handler
    auto owned = std::make_unique<clsTimer>(windowing);
    int ticks = 0;
    owned->OnTime = [&](int32_t, int32_t) { ++ticks, owned.reset(); };
    owned->StartTimer(10);
    windowing.Advance(100);
    owned = std::make_unique<clsTimer>(windowing);
    owned->OnTime = [&](int32_t, int32_t) { ++ticks; };
    owned->StartTimer(10);
    windowing.Advance(10);
    owned.reset();
    windowing.Advance(100);
    EXPECT_EQ(std::pair(ticks, windowing.ActiveTimers()), std::pair(2, 0));
}

TEST_F(ClsTimerTest, WaitPumpsMessagesUntilTheNextTickOrAnythingThatEndsTheWait) {
    clsTimer timer(windowing);
    int otherEvents = 0;
    windowing.onPump = [&] { ++otherEvents, windowing.Advance(5); };
    timer.Wait(50);
    EXPECT_EQ(std::tuple(windowing.Now(), otherEvents, timer.TickCount(), timer.Running(), windowing.ActiveTimers()),
              std::tuple(50u, 10, 1, false, 0));
    timer.StartTimer(100);
    windowing.Advance(70);
    timer.Wait(20);
    EXPECT_EQ(std::tuple(windowing.Now(), timer.TickCount(), timer.Running()), std::tuple(150u, 1, false));
    auto gone = std::make_unique<clsTimer>(windowing);
    windowing.onPump = [&] { gone.reset(); };
    gone->Wait(10);
    EXPECT_EQ(windowing.ActiveTimers(), 0);
    clsTimer refused(windowing), quitting(windowing);
    refused.SetHwnd(0xBAD0);  // no such window
    windowing.onPump = [] { FAIL() << "no message loop expected"; };
    refused.Wait(10);
    const int pumps = windowing.pumps;
    windowing.onPump = [&] { windowing.quitRequested = true; };
    quitting.Wait(10);
    EXPECT_EQ(std::tuple(refused.Running(), windowing.pumps - pumps, quitting.TickCount(), quitting.Running(),
                         windowing.ActiveTimers()),
              std::tuple(false, 1, 0, false, 0));
}

}  // namespace
}  // namespace plivant
