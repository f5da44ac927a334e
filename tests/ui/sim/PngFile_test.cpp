// PNG writing: what is read back is what was written, channel for channel.
#include "ui/sim/PngFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#define STB_IMAGE_IMPLEMENTATION
#include "PngRead.h"

namespace plivant::ui {
namespace {

TEST(PngFile, RoundTripKeepsEveryChannel) {
    Bitmap b(3, 2);
    const Rgb colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFEDCBA, 0xFFFFFF};
    for (int i = 0; i < 6; ++i) b.Set(i % 3, i / 3, colours[i]);
    auto path = std::filesystem::temp_directory_path() / "plivant-png-roundtrip.png";
    ASSERT_TRUE(WritePngFile(b, path.string()));
    EXPECT_EQ(test::ReadPngFile(path.string()), b);
    std::filesystem::remove(path);
}

TEST(PngFile, EmptyBitmapOrUnwritablePathFails) {
    EXPECT_FALSE(WritePngFile(Bitmap(), (std::filesystem::temp_directory_path() / "plivant-empty.png").string()));
    EXPECT_FALSE(WritePngFile(Bitmap(2, 2), "/nonexistent-folder/plivant.png"));
}

}  // namespace
}  // namespace plivant::ui
