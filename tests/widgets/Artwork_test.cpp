// The widgets' artwork: the caption-button pictures in one loop with the rules they share, the hand pointer, sample
// framed windows without seams, and the contact sheet written to build/artifacts for looking at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "art/ThemeXArt.h"
#include "ui/Paint.h"
#include "ui/sim/PngFile.h"
#include "widgets/ContactSheet.h"
#include "widgets/ControlButtonArt.h"
#include "widgets/HandCursorArt.h"

namespace plivant {
namespace {

using Set = CaptionImageSet;

// Where each glyph is solid inside the button's light frame.
bool Solid(Set set, int x, int y) {
    const bool box = x >= 5 && x <= 15 && y >= 5 && y <= 15;
    const bool front = x >= 5 && x <= 11 && y >= 8 && y <= 14, back = x >= 8 && x <= 14 && y >= 5 && y <= 11;
    switch (set) {
        case Set::CbMin:
            return x >= 5 && x <= 11 && y >= 13 && y <= 15;
        case Set::CbMax:
            return box && (y <= 7 || y == 15 || x == 5 || x == 15);
        case Set::CbClose:  // two strokes corner to corner
            return box && (std::abs(x - y) <= 1 || std::abs(x + y - 20) <= 1);
        case Set::CbRestore:  // the front window's outline, and the back one's where the front leaves it
            return front ? (y <= 9 || y == 14 || x == 5 || x == 11) : back && (y <= 6 || y == 11 || x == 8 || x == 14);
    }
    return false;
}

TEST(ControlButtonArt, EveryImageFollowsTheRulesOfItsSlot) {
    for (Set set : {Set::CbMin, Set::CbMax, Set::CbClose, Set::CbRestore}) {
        const int count = CaptionImageCount(set), perScheme = count / 3;
        EXPECT_EQ(count, set == Set::CbMax ? 15 : 12);
        EXPECT_TRUE(CaptionButtonImage(set, -1).Empty() && CaptionButtonImage(set, count).Empty());
        for (int i = 0; i < count; ++i) {
            SCOPED_TRACE(testing::Message() << int(set) << " " << i);
            const ui::Bitmap b = CaptionButtonImage(set, i);
            ASSERT_EQ(std::pair(b.Width(), b.Height()), std::pair(21, 21));
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
            // The corners show the title bar of the scheme and state behind; the frame is as light as the fill.
            const ui::Bitmap title = ThemeXPicture(1, scheme * 2 + (state == 3 ? 1 : 0));
            for (auto [x, y] : {std::pair{0, 0}, {20, 0}, {0, 20}, {20, 20}}) EXPECT_EQ(b.At(x, y), title.At(0, 4 + y));
            for (auto [x, y] : {std::pair{10, 0}, {0, 10}, {20, 10}, {10, 20}})
                EXPECT_GE(ui::Luma(b.At(x, y)), ui::Luma(b.At(16, 10))) << x << "," << y;
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
        EXPECT_EQ(std::pair(b.At(3, 3), b.At(16, 10)), std::pair(a.upperLeft, a.centre)) << int(a.set) << a.index;
    }
}

TEST(HandCursorArt, HotSpotAtTheFingertipAndAnOutlineClosingTheFill) {
    const CursorArt hand = HandPointer();
    ASSERT_EQ(std::tuple(hand.colour.Width(), hand.colour.Height(), hand.transparent.size()),
              std::tuple(32, 32, 1024u));
    EXPECT_EQ(std::tuple(hand.hotX, hand.hotY, hand.colour.At(6, 8), hand.colour.At(6, 9)),
              std::tuple(6, 8, 0x000000u, 0xFFFFFFu));
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < 32 && y < 32 && !hand.transparent[static_cast<size_t>(y * 32 + x)];
    };
    int count[2] = {};  // black, white
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!opaque(x, y)) continue;
            const ui::Rgb c = hand.colour.At(x, y);
            ASSERT_TRUE((c == 0x000000u || c == 0xFFFFFFu) && y >= 8) << x << "," << y;  // the fingertip is the top
            ++count[c != 0];
            const bool closed = opaque(x + 1, y) && opaque(x - 1, y) && opaque(x, y + 1) && opaque(x, y - 1);
            EXPECT_TRUE(c == 0 || closed) << "fill touches the transparent area at " << x << "," << y;
        }
    }
    EXPECT_GT(count[1], 100) << "a hand, not a sliver";
    EXPECT_GT(count[0], 40);
    EXPECT_FALSE(opaque(0, 31) || opaque(31, 31));
}

TEST(ContactSheet, SampleWindowsHaveNoSeamsAtTheJoinsAndTheSheetIsWritten) {
    constexpr ui::Rgb kBehind = 0xFF00FF;
    for (auto [w, h] : {std::pair{300, 120}, {113, 41}, {640, 480}}) {
        for (int e = 0; e < 6; ++e) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " element " << e);
            const ui::Bitmap b = SampleFramedWindow(e / 2, e % 2 == 0, w, h, kBehind);
            ASSERT_EQ(std::pair(b.Width(), b.Height()), std::pair(w, h));
            const auto join = [&](int x0, int y0, int x1, int y1) {
                EXPECT_LE(ui::ChannelDistance(b.At(x0, y0), b.At(x1, y1)), 8)
                    << x0 << "," << y0 << " " << x1 << "," << y1;
            };
            const int leftJoin = ThemeXPicture(2, e).Width(), rightJoin = w - ThemeXPicture(3, e).Width();
            for (int y = 0; y < 30; ++y) join(leftJoin - 1, y, leftJoin, y);   // the title's ends and its middle
            for (int y = 0; y < 4; ++y) join(rightJoin - 1, y, rightJoin, y);  // above the caption buttons
            for (int i = 0; i < 4; ++i) {
                join(i, 29, i, 30);  // title onto the edges
                join(w - 1 - i, 29, w - 1 - i, 30);
                join(i, h - 5, i, h - 4);  // edges onto the corners
                join(w - 1 - i, h - 5, w - 1 - i, h - 4);
                join(3, h - 1 - i, 4, h - 1 - i);  // corners into the bottom edge
                join(w - 5, h - 1 - i, w - 4, h - 1 - i);
            }
            // The region's cut corners, and only those, show what is behind the window.
            EXPECT_EQ((std::vector<bool>{b.At(4, 0) == kBehind, b.At(5, 0) == kBehind, b.At(w - 5, 0) == kBehind,
                                         b.At(w - 6, 0) == kBehind, b.At(0, 4) == kBehind, b.At(0, 5) == kBehind,
                                         b.At(0, h - 1) == kBehind}),
                      (std::vector<bool>{1, 0, 1, 0, 1, 0, 0}));
        }
    }
    const ui::Bitmap sheet = ArtContactSheet();
    EXPECT_GT(std::min(sheet.Width(), sheet.Height()), 1000);
    const auto dir = std::filesystem::path(PLIVANT_SOURCE_DIR) / "build" / "artifacts";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(ui::WritePngFile(sheet, (dir / "contact-sheet.png").string()));
}

}  // namespace
}  // namespace plivant
