// The colour arithmetic the artwork uses, and PNG files written from a portable bitmap.
#include "ui/Paint.h"

#include <gtest/gtest.h>

#include <filesystem>

#define STB_IMAGE_IMPLEMENTATION
#include "PngRead.h"
#include "ui/sim/PngFile.h"

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

}  // namespace
}  // namespace plivant::ui
