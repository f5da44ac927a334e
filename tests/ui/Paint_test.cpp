// The portable bitmap, the colour arithmetic and copying the artwork uses, and PNG files written from it.
#include "ui/Paint.h"

#include <gtest/gtest.h>

#include <filesystem>

#define STB_IMAGE_IMPLEMENTATION
#include "PngRead.h"
#include "ui/sim/PngFile.h"

namespace plivant::ui {
namespace {

TEST(Bitmap, SetOutsideTheBoundsIsIgnoredAndANonPositiveSizeIsEmpty) {
    Bitmap b(3, 2, 0x112233);
    for (auto [x, y] : {std::pair{-1, 0}, {3, 1}, {0, 2}}) b.Set(x, y, 0xFF0000);
    EXPECT_EQ(b, Bitmap(3, 2, 0x112233));
    b.Set(2, 1, 0xFF0000);
    EXPECT_EQ(b.At(2, 1), 0xFF0000u);
    EXPECT_TRUE(Bitmap(-4, 3).Empty() && Bitmap(4, 0).Empty());
}

TEST(Paint, MixEndsExtrapolatesAndClampsAndTheMeasures) {
    const struct {
        Rgb a, b;
        double t;
        Rgb expected;
    } cases[] = {
        {0x102030, 0x90A0B0, 0.0, 0x102030}, {0x102030, 0x90A0B0, 1.0, 0x90A0B0},  {0x000000, 0xFFFFFF, 0.5, 0x808080},
        {0x102030, 0x203040, 2.0, 0x304050}, {0x102030, 0x203040, -1.0, 0x001020}, {0x80F010, 0xF0F000, 3.0, 0xFFF000},
        {0x10F010, 0x00F000, 3.0, 0x00F000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Mix(c.a, c.b, c.t), c.expected) << std::hex << c.a << " " << c.b << " " << c.t;
    EXPECT_EQ(MakeRgb(300, -5, 0x12), 0xFF0012u);
    EXPECT_EQ(ChannelDistance(0x102030, 0x132A2F), 10);
    EXPECT_EQ(Chroma(0x808080) + Chroma(0x20A040), 0x80);
    EXPECT_NEAR(Luma(0xFFFFFF), 255.0, 1e-9);
    EXPECT_GT(Luma(0x00FF00), Luma(0xFF0000));
}

TEST(Paint, StretchScaleBlitAndFill) {
    Bitmap src(2, 1);
    src.Set(0, 0, 0x111111);
    src.Set(1, 0, 0x222222);
    Bitmap wide = Stretched(src, 5, 2), big = Scaled(src, 3);
    ASSERT_EQ(wide.Width() * 10 + wide.Height(), 52);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(wide.At(x, 1), x < 3 ? 0x111111u : 0x222222u) << x;
    ASSERT_EQ(big.Width() * 10 + big.Height(), 63);
    EXPECT_EQ(std::pair(big.At(2, 2), big.At(3, 0)), std::pair(0x111111u, 0x222222u));
    EXPECT_TRUE(Scaled(src, 0).Empty());
    EXPECT_EQ(Stretched(Bitmap(), 4, 4).Pixels(), Bitmap(4, 4).Pixels());

    Bitmap target(4, 3, 0x000000);  // both clip at the edges
    Blit(target, Bitmap(3, 3, 0xABCDEF), 2, -1);
    FillRect(target, -2, 2, 3, 5, 0x123456);
    const Rgb expected[3][4] = {{0, 0, 0xABCDEF, 0xABCDEF}, {0, 0, 0xABCDEF, 0xABCDEF}, {0x123456, 0, 0, 0}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(target.At(x, y), expected[y][x]) << x << "," << y;
}

TEST(PngFile, RoundTripKeepsEveryChannelAndAnEmptyBitmapOrUnwritablePathFails) {
    Bitmap b(3, 2);
    const Rgb colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFEDCBA, 0xFFFFFF};
    for (int i = 0; i < 6; ++i) b.Set(i % 3, i / 3, colours[i]);
    const auto path = (std::filesystem::temp_directory_path() / "plivant-png-roundtrip.png").string();
    ASSERT_TRUE(WritePngFile(b, path));
    EXPECT_EQ(test::ReadPngFile(path), b);
    std::filesystem::remove(path);
    EXPECT_FALSE(WritePngFile(Bitmap(), path));
    EXPECT_FALSE(WritePngFile(Bitmap(2, 2), "/nonexistent-folder/plivant.png"));
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
