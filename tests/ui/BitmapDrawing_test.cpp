// The colour arithmetic the artwork uses.
#include "ui/BitmapDrawing.h"

#include <gtest/gtest.h>

namespace plivant::ui {
namespace {

TEST(Paint, MixEndsExtrapolatesAndClampsAndTheMeasures) {
    const struct {
        Rgb a, b;
        double t;
        Rgb expected;
    } cases[] = {
        {0x102030, 0x90A0B0, 1.0, 0x90A0B0}, {0x000000, 0xFFFFFF, 0.5, 0x808080}, {0x102030, 0x203040, -1.0, 0x001020},
        {0x80F010, 0xF0F000, 3.0, 0xFFF000}, {0x10F010, 0x00F000, 3.0, 0x00F000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Mix(c.a, c.b, c.t), c.expected) << std::hex << c.a << " " << c.b << " " << c.t;
    EXPECT_EQ(MakeRgb(300, -5, 0x12), 0xFF0012u);
    EXPECT_EQ(ChannelDistance(0x102030, 0x132A2F), 10);
    EXPECT_EQ(Chroma(0x808080) + Chroma(0x20A040), 0x80);
    EXPECT_NEAR(Luma(0xFFFFFF), 255.0, 1e-9);
    EXPECT_GT(Luma(0x00FF00), Luma(0xFF0000));
}

TEST(Paint, AGreyedPictureKeepsItsBackgroundAndTurnsTheRestPaleGrey) {
    Bitmap picture(3, 1, 0xECE9D8);
    picture.Set(1, 0, 0xD02020);
    picture.Set(2, 0, 0x000000);
    const Bitmap greyed = Greyed(picture);
    EXPECT_EQ(greyed.At(0, 0), 0xECE9D8u);
    for (int x = 1; x < 3; ++x) {
        EXPECT_LT(Chroma(greyed.At(x, 0)), 12) << x;
        EXPECT_GT(Luma(greyed.At(x, 0)), Luma(picture.At(x, 0))) << x;
    }
    EXPECT_LT(Luma(greyed.At(2, 0)), Luma(greyed.At(1, 0)));  // darker stays darker
}

}  // namespace
}  // namespace plivant::ui
