// The artwork: the frame's pieces (which element each scheme and state selects is checked on the frame's layout), the
// caption-button pictures in one loop with the rules they share (and on a contact sheet for looking at), and the hand
// pointer.
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

enum Piece { kTitle = 1, kTitleLeft, kTitleRight, kLeft, kRight, kBottom, kBottomRight, kBottomLeft };

TEST(ThemeXArt, PiecesFitTheirPlacesAndStretchedOnesRepeatOneCrossSection) {
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
}

TEST(ThemeXArt, PiecesMeetWithoutSeamsAndTheTitlesEndsFollowTheRoundedRegion) {
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
