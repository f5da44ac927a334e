// Frame pieces and the theme control that hands them to the frame: sizes, which element each scheme and state
// selects, pieces that stretch cleanly, the rounded top corners, and the paler inactive looks.
#include "art/ThemeXArt.h"

#include <gtest/gtest.h>

#include "SimHost.h"
#include "frame/ThemeX.h"
#include "ui/Paint.h"

namespace plivant {
namespace {

enum Piece { kTitle = 1, kTitleLeft, kTitleRight, kLeft, kRight, kBottom, kBottomRight, kBottomLeft };

TEST(ThemeXArt, SizesOfAllPicturesAndNoneOutsideTheTable) {
    // Per piece, the length that differs by element; the other side is 30 (title), 4 (edges, corners).
    const int lengths[8][6] = {{1, 63, 28, 35, 15, 16}, {10, 10, 11, 11, 15, 15}, {10, 10, 13, 15, 16, 14},
                               {1, 182, 18, 16, 11, 7}, {1, 140, 23, 15, 9, 8},   {1, 82, 13, 11, 6, 5},
                               {4, 4, 4, 4, 4, 4},      {4, 4, 4, 4, 4, 4}};
    for (int array = 1; array <= 8; ++array) {
        for (int e = 0; e < 6; ++e) {
            const ui::Bitmap b = ThemeXPicture(array, e);
            const int length = lengths[array - 1][e];
            const bool vertical = array == kLeft || array == kRight;
            EXPECT_EQ(b.Width(), vertical ? 4 : length) << array << "," << e;
            EXPECT_EQ(b.Height(), vertical ? length : array <= kTitleRight ? 30 : 4) << array << "," << e;
        }
    }
    for (auto [array, e] : {std::pair{0, 0}, {9, 0}, {1, -1}, {1, 6}, {8, 6}})
        EXPECT_TRUE(ThemeXPicture(array, e).Empty()) << array << "," << e;
}

// The frame stretches these along their length, so every slice across must be the same.
TEST(ThemeXArt, StretchedPiecesRepeatOneCrossSection) {
    for (int e = 0; e < 6; ++e) {
        for (int array : {kTitle, kBottom, kLeft, kRight}) {
            const ui::Bitmap b = ThemeXPicture(array, e);
            const bool vertical = array == kLeft || array == kRight;
            for (int y = 0; y < b.Height(); ++y)
                for (int x = 0; x < b.Width(); ++x)
                    ASSERT_EQ(b.At(x, y), vertical ? b.At(x, 0) : b.At(0, y))
                        << array << "/" << e << " " << x << "," << y;
        }
    }
}

// The window region cuts 5, 3, 2, 1 and 1 pixels off the first rows; the outline must follow that curve, with the
// bar lighter just inside it. The outer column of the title's ends is the outline, not the bar.
TEST(ThemeXArt, TitleEndsFollowTheRoundedRegion) {
    const int firstInside[] = {5, 3, 2, 1, 1, 0};
    for (int e = 0; e < 6; ++e) {
        SCOPED_TRACE(testing::Message() << "element " << e);
        const ui::Bitmap left = ThemeXPicture(kTitleLeft, e), right = ThemeXPicture(kTitleRight, e),
                         title = ThemeXPicture(kTitle, e);
        const ui::Rgb outline = ThemeXPicture(kLeft, e).At(0, 0);
        EXPECT_EQ(ThemeXPicture(kRight, e).At(3, 0), outline);
        EXPECT_EQ(title.At(0, 0), outline) << "the top row is the outline";
        for (int y = 0; y < 6; ++y) {
            const int x = firstInside[y];
            EXPECT_EQ(left.At(x, y), outline) << "left row " << y;
            EXPECT_EQ(right.At(right.Width() - 1 - x, y), outline) << "right row " << y;
            if (y == 0) continue;
            EXPECT_GT(ui::Luma(left.At(x + 1, y)), ui::Luma(outline)) << "left row " << y;
            EXPECT_GT(ui::Luma(right.At(right.Width() - 2 - x, y)), ui::Luma(outline)) << "right row " << y;
            EXPECT_NE(title.At(0, y), left.At(0, y)) << "row " << y;
        }
    }
}

TEST(ThemeXArt, InactiveLooksArePalerAndTheTitleColourIsTheMiddlePiecesRow) {
    const auto average = [](int element, auto measure) {
        double sum = 0, count = 0;
        for (int array = 1; array <= 8; ++array) {
            const ui::Bitmap piece = ThemeXPicture(array, element);
            for (ui::Rgb c : piece.Pixels()) sum += measure(c), ++count;
        }
        return sum / count;
    };
    const auto luma = [](ui::Rgb c) { return ui::Luma(c); };
    const auto chroma = [](ui::Rgb c) { return static_cast<double>(ui::Chroma(c)); };
    for (int scheme = 0; scheme < 3; ++scheme) {
        EXPECT_GT(average(scheme * 2 + 1, luma), average(scheme * 2, luma) + 10) << scheme;
        EXPECT_LT(average(scheme * 2 + 1, chroma), average(scheme * 2, chroma)) << scheme;
        for (bool active : {true, false}) {
            const ui::Bitmap title = ThemeXPicture(kTitle, scheme * 2 + (active ? 0 : 1));
            for (int y = 0; y < 30; ++y) EXPECT_EQ(ThemeXTitleColour(scheme, active, y), title.At(0, y));
        }
    }
}

class ThemeXTest : public test::FormTest {
protected:
    bool Change(int16_t scheme, bool active) {
        return theme.ChangeTheme(images[3], images[1], images[0], images[2], images[4], images[5], images[7], images[6],
                                 scheme, active);
    }
    // Every image shows the picture of its array in element e.
    void ExpectElement(int e) {
        for (int array = 1; array <= 8; ++array)
            EXPECT_EQ(images[array - 1].Picture(), ThemeXPicture(array, e)) << array;
    }

    ThemeX theme{form, "ThemeX1"};
    ui::Image images[8] = {{form, "Title"}, {form, "TitleLeft"}, {form, "TitleRight"},  {form, "Left"},
                           {form, "Right"}, {form, "Bottom"},    {form, "BottomRight"}, {form, "BottomLeft"}};
};

TEST_F(ThemeXTest, ElementIsTwiceTheSchemePlusOneWhenInactive) {
    for (int16_t scheme = 0; scheme <= 2; ++scheme) {
        for (bool active : {true, false}) {
            ASSERT_TRUE(Change(scheme, active));
            ExpectElement(2 * scheme + (active ? 0 : 1));
        }
    }
    // Omitted arguments mean blue, inactive.
    ASSERT_TRUE(
        theme.ChangeTheme(images[3], images[1], images[0], images[2], images[4], images[5], images[7], images[6]));
    ExpectElement(1);
}

TEST_F(ThemeXTest, ASchemeWithoutPicturesFailsAndChangesNothingAndTheControlShowsNothingItself) {
    ASSERT_TRUE(Change(1, false));
    for (int16_t scheme : {3, -1, 20000, -20000}) {
        for (bool active : {true, false}) {
            EXPECT_FALSE(Change(scheme, active)) << scheme;
            ExpectElement(3);
        }
    }
    form.Show();
    for (int e = 0; e < ThemeX::kElements; ++e) EXPECT_FALSE(theme.Image1[e].Visible());
}

}  // namespace
}  // namespace plivant
