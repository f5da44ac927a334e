// Frame pieces: their sizes, that the stretched ones stretch cleanly, that neighbouring pieces meet without
// seams, the rounded top corners, and the paler inactive looks.
#include "art/ThemeXArt.h"

#include <gtest/gtest.h>

#include <array>

#include "ui/Paint.h"

namespace plivant {
namespace {

enum Piece { kTitle = 1, kTitleLeft, kTitleRight, kLeft, kRight, kBottom, kBottomRight, kBottomLeft };

// Two pixels that touch across a join may differ by the step of a gradient, no more.
constexpr int kSeamTolerance = 8;

TEST(ThemeXArt, SizesOfAllPictures) {
    struct Size {
        int w, h;
    };
    const std::array<std::array<Size, 6>, 8> sizes{{
        {{{1, 30}, {63, 30}, {28, 30}, {35, 30}, {15, 30}, {16, 30}}},
        {{{10, 30}, {10, 30}, {11, 30}, {11, 30}, {15, 30}, {15, 30}}},
        {{{10, 30}, {10, 30}, {13, 30}, {15, 30}, {16, 30}, {14, 30}}},
        {{{4, 1}, {4, 182}, {4, 18}, {4, 16}, {4, 11}, {4, 7}}},
        {{{4, 1}, {4, 140}, {4, 23}, {4, 15}, {4, 9}, {4, 8}}},
        {{{1, 4}, {82, 4}, {13, 4}, {11, 4}, {6, 4}, {5, 4}}},
        {{{4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}}},
        {{{4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 4}}},
    }};
    for (int array = 1; array <= 8; ++array) {
        for (int e = 0; e < 6; ++e) {
            SCOPED_TRACE(testing::Message() << "Image" << array << "(" << e << ")");
            ui::Bitmap b = ThemeXPicture(array, e);
            EXPECT_EQ(b.Width(), sizes[static_cast<size_t>(array - 1)][static_cast<size_t>(e)].w);
            EXPECT_EQ(b.Height(), sizes[static_cast<size_t>(array - 1)][static_cast<size_t>(e)].h);
        }
    }
    for (auto [array, e] : {std::pair{0, 0}, {9, 0}, {1, -1}, {1, 6}, {8, 6}})
        EXPECT_TRUE(ThemeXPicture(array, e).Empty()) << array << "," << e;
}

// The frame stretches these along their length, so every slice across must be the same.
TEST(ThemeXArt, StretchedPiecesRepeatOneCrossSection) {
    for (int e = 0; e < 6; ++e) {
        SCOPED_TRACE(testing::Message() << "element " << e);
        for (int array : {kTitle, kBottom}) {
            ui::Bitmap b = ThemeXPicture(array, e);
            for (int y = 0; y < b.Height(); ++y)
                for (int x = 1; x < b.Width(); ++x) ASSERT_EQ(b.At(x, y), b.At(0, y)) << array << " " << x << "," << y;
        }
        for (int array : {kLeft, kRight}) {
            ui::Bitmap b = ThemeXPicture(array, e);
            for (int y = 1; y < b.Height(); ++y)
                for (int x = 0; x < b.Width(); ++x) ASSERT_EQ(b.At(x, y), b.At(x, 0)) << array << " " << x << "," << y;
        }
    }
}

void ExpectSeam(ui::Rgb a, ui::Rgb b, const char* where, int i) {
    EXPECT_LE(ui::ChannelDistance(a, b), kSeamTolerance)
        << where << " " << i << ": " << std::hex << a << " against " << b;
}

TEST(ThemeXArt, NeighbouringPiecesMeetWithoutSeams) {
    for (int e = 0; e < 6; ++e) {
        SCOPED_TRACE(testing::Message() << "element " << e);
        ui::Bitmap title = ThemeXPicture(kTitle, e), titleLeft = ThemeXPicture(kTitleLeft, e),
                   titleRight = ThemeXPicture(kTitleRight, e), left = ThemeXPicture(kLeft, e),
                   right = ThemeXPicture(kRight, e), bottom = ThemeXPicture(kBottom, e),
                   bottomLeft = ThemeXPicture(kBottomLeft, e), bottomRight = ThemeXPicture(kBottomRight, e);
        for (int y = 0; y < 30; ++y) {
            ExpectSeam(titleLeft.At(titleLeft.Width() - 1, y), title.At(0, y), "title left end into middle, row", y);
            ExpectSeam(title.At(title.Width() - 1, y), titleRight.At(0, y), "middle into title right end, row", y);
        }
        for (int x = 0; x < 4; ++x) {
            ExpectSeam(titleLeft.At(x, 29), left.At(x, 0), "title left end onto left edge, column", x);
            ExpectSeam(titleRight.At(titleRight.Width() - 4 + x, 29), right.At(x, 0),
                       "title right end onto right edge, column", x);
            ExpectSeam(left.At(x, left.Height() - 1), bottomLeft.At(x, 0), "left edge onto corner, column", x);
            ExpectSeam(right.At(x, right.Height() - 1), bottomRight.At(x, 0), "right edge onto corner, column", x);
            ExpectSeam(bottomLeft.At(3, x), bottom.At(0, x), "corner into bottom edge, row", x);
            ExpectSeam(bottom.At(bottom.Width() - 1, x), bottomRight.At(0, x), "bottom edge into corner, row", x);
        }
        // The outer column of the title's ends is the window's outline, not the bar.
        for (int y = 1; y < 30; ++y)
            EXPECT_NE(title.At(0, y), titleLeft.At(0, y)) << "the outline runs down the outer column, row " << y;
    }
}

// The window region cuts 5, 3, 2, 1 and 1 pixels off the first rows; the outline must follow that curve.
TEST(ThemeXArt, TitleEndsFollowTheRoundedRegion) {
    const std::array<int, 6> firstInside{5, 3, 2, 1, 1, 0};
    for (int e = 0; e < 6; ++e) {
        SCOPED_TRACE(testing::Message() << "element " << e);
        ui::Bitmap left = ThemeXPicture(kTitleLeft, e), right = ThemeXPicture(kTitleRight, e);
        ui::Rgb outline = ThemeXPicture(kLeft, e).At(0, 0);
        EXPECT_EQ(ThemeXPicture(kRight, e).At(3, 0), outline);
        EXPECT_EQ(ThemeXPicture(kTitle, e).At(0, 0), outline) << "the top row is the outline";
        for (int y = 0; y < 6; ++y) {
            int x = firstInside[static_cast<size_t>(y)];
            EXPECT_EQ(left.At(x, y), outline) << "left row " << y;
            EXPECT_EQ(right.At(right.Width() - 1 - x, y), outline) << "right row " << y;
            if (y > 0) {
                // Just inside the outline the bar is lighter.
                EXPECT_GT(ui::Luma(left.At(x + 1, y)), ui::Luma(outline)) << "left row " << y;
                EXPECT_GT(ui::Luma(right.At(right.Width() - 2 - x, y)), ui::Luma(outline)) << "right row " << y;
            }
        }
    }
}

TEST(ThemeXArt, InactiveLooksArePaler) {
    auto average = [](int element, auto measure) {
        double sum = 0;
        size_t count = 0;
        for (int array = 1; array <= 8; ++array) {
            ui::Bitmap piece = ThemeXPicture(array, element);
            for (ui::Rgb c : piece.Pixels()) {
                sum += measure(c);
                ++count;
            }
        }
        return sum / static_cast<double>(count);
    };
    auto luma = [](ui::Rgb c) { return ui::Luma(c); };
    auto chroma = [](ui::Rgb c) { return static_cast<double>(ui::Chroma(c)); };
    for (int scheme = 0; scheme < 3; ++scheme) {
        SCOPED_TRACE(testing::Message() << "scheme " << scheme);
        EXPECT_GT(average(scheme * 2 + 1, luma), average(scheme * 2, luma) + 10);
        EXPECT_LT(average(scheme * 2 + 1, chroma), average(scheme * 2, chroma));
    }
}

TEST(ThemeXArt, TitleColourIsTheMiddlePiecesRow) {
    for (int scheme = 0; scheme < 3; ++scheme) {
        for (bool active : {true, false}) {
            ui::Bitmap title = ThemeXPicture(kTitle, scheme * 2 + (active ? 0 : 1));
            for (int y = 0; y < 30; ++y) EXPECT_EQ(ThemeXTitleColour(scheme, active, y), title.At(0, y));
        }
    }
}

}  // namespace
}  // namespace plivant
