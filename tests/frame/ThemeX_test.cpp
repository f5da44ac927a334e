// ThemeX: which element each scheme and state selects, the sizes that arrive in the frame's images, and a
// scheme without pictures failing before anything changes.
#include "frame/ThemeX.h"

#include <gtest/gtest.h>

#include "art/ThemeXArt.h"
#include "ui/Form.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant {
namespace {

class ThemeXTest : public testing::Test {
protected:
    bool Change(int16_t scheme, bool active) {
        return theme.ChangeTheme(left, titleLeft, title, titleRight, right, bottom, bottomLeft, bottomRight, scheme,
                                 active);
    }
    struct Sizes {
        int leftH, titleLeftW, titleW, titleRightW, rightH, bottomW;
    };
    void ExpectElement(int e) {
        EXPECT_EQ(left.Picture(), ThemeXPicture(4, e));
        EXPECT_EQ(titleLeft.Picture(), ThemeXPicture(2, e));
        EXPECT_EQ(title.Picture(), ThemeXPicture(1, e));
        EXPECT_EQ(titleRight.Picture(), ThemeXPicture(3, e));
        EXPECT_EQ(right.Picture(), ThemeXPicture(5, e));
        EXPECT_EQ(bottom.Picture(), ThemeXPicture(6, e));
        EXPECT_EQ(bottomLeft.Picture(), ThemeXPicture(8, e));
        EXPECT_EQ(bottomRight.Picture(), ThemeXPicture(7, e));
    }

    platform::sim::SimWindowing windowing;
    platform::sim::SimShell shell;
    ui::sim::HeadlessToolkit toolkit{windowing, shell};
    ui::Form form{toolkit, "frmHost"};
    ThemeX theme{form, "ThemeX1"};
    ui::Image left{form, "Left"}, titleLeft{form, "TitleLeft"}, title{form, "Title"}, titleRight{form, "TitleRight"},
        right{form, "Right"}, bottom{form, "Bottom"}, bottomLeft{form, "BottomLeft"}, bottomRight{form, "BottomRight"};
};

TEST_F(ThemeXTest, ElementIsTwiceTheSchemePlusOneWhenInactive) {
    // Widths and heights of the pieces that differ by element: left edge height, title left / middle / right
    // widths, right edge height, bottom edge width.
    const Sizes sizes[] = {{1, 10, 1, 10, 1, 1},     {182, 10, 63, 10, 140, 82}, {18, 11, 28, 13, 23, 13},
                           {16, 11, 35, 15, 15, 11}, {11, 15, 15, 16, 9, 6},     {7, 15, 16, 14, 8, 5}};
    for (int16_t scheme = 0; scheme <= 2; ++scheme) {
        for (bool active : {true, false}) {
            const int e = 2 * scheme + (active ? 0 : 1);
            SCOPED_TRACE(e);
            ASSERT_TRUE(Change(scheme, active));
            ExpectElement(e);
            const Sizes& s = sizes[e];
            EXPECT_EQ(left.Picture().Width(), 4);
            EXPECT_EQ(left.Picture().Height(), s.leftH);
            EXPECT_EQ(titleLeft.Picture().Width(), s.titleLeftW);
            EXPECT_EQ(title.Picture().Width(), s.titleW);
            EXPECT_EQ(titleRight.Picture().Width(), s.titleRightW);
            for (const ui::Image* piece : {&titleLeft, &title, &titleRight}) EXPECT_EQ(piece->Picture().Height(), 30);
            EXPECT_EQ(right.Picture().Width(), 4);
            EXPECT_EQ(right.Picture().Height(), s.rightH);
            EXPECT_EQ(bottom.Picture().Width(), s.bottomW);
            EXPECT_EQ(bottom.Picture().Height(), 4);
            for (const ui::Image* corner : {&bottomLeft, &bottomRight}) {
                EXPECT_EQ(corner->Picture().Width(), 4);
                EXPECT_EQ(corner->Picture().Height(), 4);
            }
        }
    }
}

TEST_F(ThemeXTest, OmittedArgumentsMeanBlueInactive) {
    ASSERT_TRUE(theme.ChangeTheme(left, titleLeft, title, titleRight, right, bottom, bottomLeft, bottomRight));
    ExpectElement(1);
}

TEST_F(ThemeXTest, ASchemeWithoutPicturesFailsAndChangesNothing) {
    ASSERT_TRUE(Change(1, false));
    for (int16_t scheme : {3, -1, 20000, -20000}) {
        for (bool active : {true, false}) {
            EXPECT_FALSE(Change(scheme, active)) << scheme;
            ExpectElement(3);
        }
    }
}

TEST_F(ThemeXTest, ShowsNothingItself) {
    form.Show();
    for (int e = 0; e < ThemeX::kElements; ++e) EXPECT_FALSE(theme.Image1[e].Visible());
}

}  // namespace
}  // namespace plivant
