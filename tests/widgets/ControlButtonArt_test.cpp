// Caption-button pictures: where each scheme and state stands among the 51 images, the colours at the table's
// points, the glyph geometry, the light, and how the pictures sit on the title bar.
#include "widgets/ControlButtonArt.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "art/ThemeXArt.h"
#include "ui/Paint.h"

namespace plivant {
namespace {

using Set = CaptionImageSet;
constexpr Set kSets[] = {Set::CbMin, Set::CbMax, Set::CbClose, Set::CbRestore};

// Scheme (0 blue, 1 olive, 2 silver) and state (0 resting, 1 hover, 2 pressed, 3 inactive, 4 disabled) of an
// index: blue and olive in order, silver backwards from the last index.
std::pair<int, int> SlotOf(Set set, int index) {
    const int count = CaptionImageCount(set), perScheme = count / 3;
    return index < 2 * perScheme ? std::pair{index / perScheme, index % perScheme} : std::pair{2, count - 1 - index};
}

TEST(ControlButtonArt, CountsRangesAndTheColoursOfEachSlot) {
    for (Set set : kSets) {
        const int count = set == Set::CbMax ? 15 : 12;
        EXPECT_EQ(CaptionImageCount(set), count);
        EXPECT_TRUE(CaptionButtonImage(set, -1).Empty() && CaptionButtonImage(set, count).Empty());
        for (int i = 0; i < count; ++i) {
            const ui::Bitmap b = CaptionButtonImage(set, i);
            ASSERT_EQ(b.Width() * 100 + b.Height(), 2121);
            const auto [scheme, state] = SlotOf(set, i);
            if (set == Set::CbClose || state == 4) continue;
            // Minimise, maximise and restore share the colours of a slot, at the table's points.
            const ui::Bitmap min = CaptionButtonImage(Set::CbMin, scheme < 2 ? scheme * 4 + state : 11 - state);
            EXPECT_EQ(std::pair(b.At(3, 3), b.At(16, 10)), std::pair(min.At(3, 3), min.At(16, 10))) << int(set) << i;
        }
    }
    const struct {
        Set set;
        int index;
        ui::Rgb upperLeft, centre;
    } anchors[] = {{Set::CbMin, 0, 0x9FBFFF, 0x1F6FF0},   {Set::CbMax, 4, 0x5080EF, 0x1050EF},
                   {Set::CbMax, 10, 0xF0EFF4, 0xDEDEE7},  {Set::CbRestore, 6, 0x585D47, 0x6E7354},
                   {Set::CbMin, 8, 0xF0EFF4, 0xDEDEE7},   {Set::CbClose, 7, 0xAF697D, 0xBC9793},
                   {Set::CbClose, 11, 0xE06A68, 0xC9504E}};
    for (const auto& a : anchors) {
        const ui::Bitmap b = CaptionButtonImage(a.set, a.index);
        EXPECT_EQ(std::pair(b.At(3, 3), b.At(16, 10)), std::pair(a.upperLeft, a.centre))
            << int(a.set) << " " << a.index;
    }
}

// Where each glyph is solid and where it must leave the fill alone, inside the button's light frame.
TEST(ControlButtonArt, GlyphGeometry) {
    const auto solid = [](Set set, int x, int y) {
        const bool box = x >= 5 && x <= 15 && y >= 5 && y <= 15;
        switch (set) {
            case Set::CbMin:
                return x >= 5 && x <= 11 && y >= 13 && y <= 15;
            case Set::CbMax:
                return box && (y <= 7 || y == 15 || x == 5 || x == 15);
            case Set::CbClose:  // two strokes corner to corner
                return box && (std::abs(x - y) <= 1 || std::abs(x + y - 20) <= 1);
            case Set::CbRestore: {  // the front window's outline, and the back one's where the front leaves it
                const bool front = x >= 5 && x <= 11 && y >= 8 && y <= 14;
                const bool back = x >= 8 && x <= 14 && y >= 5 && y <= 11;
                return front ? (y <= 9 || y == 14 || x == 5 || x == 11)
                             : back && (y <= 6 || y == 11 || x == 8 || x == 14);
            }
        }
        return false;
    };
    for (Set set : kSets) {
        for (int i = 0; i < CaptionImageCount(set); ++i) {
            const ui::Bitmap b = CaptionButtonImage(set, i);
            const ui::Rgb glyph = set == Set::CbMin ? b.At(8, 14) : set == Set::CbClose ? b.At(10, 10) : b.At(5, 11);
            for (int y = 2; y <= 18; ++y) {
                for (int x = 2; x <= 18; ++x) {
                    // Anti-aliased diagonals are only checked on and well off their centre lines.
                    const bool edge = set == Set::CbClose &&
                                      (std::abs(std::abs(x - y) - 1) <= 1 || std::abs(std::abs(x + y - 20) - 1) <= 1);
                    if (edge && !(x == y || x + y == 20)) continue;
                    EXPECT_EQ(b.At(x, y) == glyph, solid(set, x, y)) << int(set) << " " << i << " at " << x << "," << y;
                }
            }
        }
    }
}

// The fill is lit from the upper left, and the pressed minimise, maximise and restore looks the other way round;
// the corners show the title bar of the scheme and state behind the button, and the light frame is at least as
// light as the fill.
TEST(ControlButtonArt, LightCornersAndFrame) {
    for (Set set : kSets) {
        for (int i = 0; i < CaptionImageCount(set); ++i) {
            SCOPED_TRACE(testing::Message() << int(set) << " " << i);
            const ui::Bitmap b = CaptionButtonImage(set, i);
            const auto [scheme, state] = SlotOf(set, i);
            if (set != Set::CbClose && state < 4) {
                EXPECT_EQ(ui::Luma(b.At(2, 2)) < ui::Luma(b.At(18, 18)), state == 2);
            }
            const ui::Bitmap title = ThemeXPicture(1, scheme * 2 + (state == 3 ? 1 : 0));
            for (auto [x, y] : {std::pair{0, 0}, {20, 0}, {0, 20}, {20, 20}}) EXPECT_EQ(b.At(x, y), title.At(0, 4 + y));
            for (auto [x, y] : {std::pair{10, 0}, {0, 10}, {20, 10}, {10, 20}})
                EXPECT_GE(ui::Luma(b.At(x, y)), ui::Luma(b.At(16, 10))) << "frame at " << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace plivant
