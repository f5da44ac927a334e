// Portable bitmap: bounds and equality.
#include "ui/Bitmap.h"

#include <gtest/gtest.h>

namespace plivant::ui {

TEST(Bitmap, SetOutsideTheBoundsIsIgnored) {
    Bitmap b(3, 2, 0x112233);
    b.Set(-1, 0, 0xFF0000);
    b.Set(3, 1, 0xFF0000);
    b.Set(0, 2, 0xFF0000);
    EXPECT_EQ(b, Bitmap(3, 2, 0x112233));
    b.Set(2, 1, 0xFF0000);
    EXPECT_EQ(b.At(2, 1), 0xFF0000u);
    EXPECT_NE(b, Bitmap(3, 2, 0x112233));
}

TEST(Bitmap, NegativeSizeIsEmpty) {
    EXPECT_TRUE(Bitmap(-4, 3).Empty());
    EXPECT_TRUE(Bitmap(4, 0).Empty());
    EXPECT_FALSE(Bitmap(1, 1).Empty());
}

}  // namespace plivant::ui
