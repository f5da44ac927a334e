// Colour arithmetic and bitmap copying used by the artwork.
#include "ui/Paint.h"

#include <gtest/gtest.h>

namespace plivant::ui {
namespace {

TEST(Paint, MixEndsExtrapolatesAndClamps) {
    struct Case {
        Rgb a, b;
        double t;
        Rgb expected;
    };
    const Case cases[] = {
        {0x102030, 0x90A0B0, 0.0, 0x102030}, {0x102030, 0x90A0B0, 1.0, 0x90A0B0},  {0x000000, 0xFFFFFF, 0.5, 0x808080},
        {0x102030, 0x203040, 2.0, 0x304050}, {0x102030, 0x203040, -1.0, 0x001020}, {0x80F010, 0xF0F000, 3.0, 0xFFF000},
        {0x10F010, 0x00F000, 3.0, 0x00F000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Mix(c.a, c.b, c.t), c.expected) << std::hex << c.a << " " << c.b << " " << c.t;
    EXPECT_EQ(MakeRgb(300, -5, 0x12), 0xFF0012u);
}

TEST(Paint, Measures) {
    EXPECT_EQ(ChannelDistance(0x102030, 0x132A2F), 10);
    EXPECT_EQ(Chroma(0x808080), 0);
    EXPECT_EQ(Chroma(0x20A040), 0x80);
    EXPECT_NEAR(Luma(0xFFFFFF), 255.0, 1e-9);
    EXPECT_GT(Luma(0x00FF00), Luma(0xFF0000));
}

TEST(Paint, StretchAndScaleAreNearestNeighbour) {
    Bitmap src(2, 1);
    src.Set(0, 0, 0x111111);
    src.Set(1, 0, 0x222222);
    Bitmap wide = Stretched(src, 5, 2);
    ASSERT_EQ(wide.Width(), 5);
    ASSERT_EQ(wide.Height(), 2);
    const Rgb row[] = {0x111111, 0x111111, 0x111111, 0x222222, 0x222222};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(wide.At(x, y), row[x]) << x << "," << y;
    Bitmap big = Scaled(src, 3);
    ASSERT_EQ(big.Width(), 6);
    ASSERT_EQ(big.Height(), 3);
    EXPECT_EQ(big.At(2, 2), 0x111111u);
    EXPECT_EQ(big.At(3, 0), 0x222222u);
    EXPECT_TRUE(Scaled(src, 0).Empty());
    EXPECT_TRUE(Stretched(Bitmap(), 4, 4).Pixels() == Bitmap(4, 4).Pixels());
}

TEST(Paint, BlitAndFillClipAtTheEdges) {
    Bitmap target(4, 3, 0x000000);
    Bitmap src(3, 3, 0xABCDEF);
    Blit(target, src, 2, -1);
    FillRect(target, -2, 2, 3, 5, 0x123456);
    const Rgb expected[3][4] = {{0, 0, 0xABCDEF, 0xABCDEF}, {0, 0, 0xABCDEF, 0xABCDEF}, {0x123456, 0, 0, 0}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(target.At(x, y), expected[y][x]) << x << "," << y;
}

}  // namespace
}  // namespace plivant::ui
