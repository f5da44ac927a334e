// The widgets' artwork: the caption-button pictures in one loop with the rules they share (and on a contact sheet
// for looking at), and the hand pointer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "art/ThemeXArt.h"
#include "ui/BitmapDrawing.h"
#include "ui/sim/PngFile.h"
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

// At 1, 1.5 and 2 times the scale.
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

}  // namespace
}  // namespace plivant
