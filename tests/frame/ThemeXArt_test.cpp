// Frame pieces: they fit their places and stretch cleanly, meet without seams and follow the rounded top corners.
// (Which element each scheme and state selects is checked on the frame's layout.)
#include "art/ThemeXArt.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/BitmapDrawing.h"

namespace plivant {
namespace {

enum Piece { kTitle = 1, kTitleLeft, kTitleRight, kLeft, kRight, kBottom, kBottomRight, kBottomLeft };

// At 1, 1.5 and 2 times the scale.
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

}  // namespace
}  // namespace plivant
