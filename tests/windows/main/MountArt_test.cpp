// The main window's pictures, checked by their pixels: each shows its sign in its colour where the eye looks for it,
// on its background (the icon on a see-through ground, at every size). All of them, at 2×, are written to
// build/artifacts/mount-art.png for looking at.
#include "windows/main/MountArt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>

#include "art/ProgramArt.h"
#include "tools/icon/IconFile.h"
#include "ui/BitmapDrawing.h"
#include "ui/sim/PngFile.h"

namespace plivant {
namespace {

using Family = bool (*)(ui::Rgb);
const Family Manila = [](ui::Rgb c) { return ui::Red(c) > 150 && ui::Red(c) - ui::Blue(c) > 60 && ui::Green(c) > 150; };
const Family Grey = [](ui::Rgb c) { return ui::Chroma(c) < 16 && ui::Luma(c) > 100; };
const Family Blue = [](ui::Rgb c) { return ui::Blue(c) - ui::Red(c) > 30; };
const Family Green = [](ui::Rgb c) { return ui::Green(c) - ui::Red(c) > 40 && ui::Green(c) - ui::Blue(c) > 40; };
const Family Red = [](ui::Rgb c) { return ui::Red(c) - ui::Green(c) > 60; };

// Most pixels of the box (x0, y0)-(x1, y1) are of the family.
bool Mostly(const ui::Bitmap& b, int x0, int y0, int x1, int y1, Family is) {
    int hits = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) hits += is(b.At(x, y)) ? 2 : 0;
    return hits > (x1 - x0) * (y1 - y0);
}

class IconSizes : public testing::TestWithParam<int> {};

TEST_P(IconSizes, FolderInFrontOfADriveOnASeeThroughGround) {
    const int s = GetParam();
    const IconArt icon = ProgramIcon(s);
    ASSERT_EQ(icon.alpha.size(), static_cast<size_t>(s * s));
    const auto alpha = [&](int x, int y) { return icon.alpha[static_cast<size_t>(y * s + x)]; };
    const auto at = [s](int sixteenths) { return s * sixteenths / 16; };
    EXPECT_EQ(alpha(s - 1, 0) + alpha(s / 2, s - 1), 0);
    EXPECT_EQ(alpha(0, at(12)) + alpha(s - 1, at(12)), 510) << "the drive reaches both sides";
    EXPECT_TRUE(Mostly(icon.colour, at(3), at(6), at(11), at(9), Manila));
    EXPECT_TRUE(Mostly(icon.colour, at(13), at(9), at(15), at(11), Grey));
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconSizes, testing::Values(16, 24, 32, 48, 256));

TEST(MountArt, PicturesShowTheirSignOnTheirBackground) {
    constexpr ui::Rgb kBack = 0xECE9D8;
    const struct {
        std::function<ui::Bitmap(ui::Rgb, double)> draw;
        int x0, y0, x1, y1;  // a box that reads as the family
        Family family;
    } cases[] = {{MountButtonPicture, 3, 13, 14, 19, Manila},  // the folder; the drive
                 {MountButtonPicture, 32, 10, 40, 13, Grey},  {StartupButtonPicture, 23, 19, 25, 23, Green},
                 {HelpButtonPicture, 12, 12, 17, 20, Blue},   {AboutPicture, 14, 20, 30, 28, Manila},
                 {UnmountMenuPicture, 11, 1, 12, 3, Red},     {ClearMenuPicture, 5, 5, 11, 13, Blue}};
    ui::Bitmap sheet(700, 140, 0xFFFFFF);
    int x = 4;
    for (const auto& c : cases) {
        for (double s : {1.0, 1.5, 2.0}) {  // at a larger scale, the same picture drawn larger
            const ui::Bitmap b = c.draw(kBack, s);
            const auto at = [s](int v) { return static_cast<int>(v * s); };
            EXPECT_TRUE(Mostly(b, at(c.x0), at(c.y0), at(c.x1), at(c.y1), c.family) && b.At(0, 0) == kBack)
                << x << " at " << s;
        }
        const ui::Bitmap b = c.draw(kBack, 1);
        ui::Blit(sheet, ui::Scaled(b, 2), x, 4);
        x += b.Width() * 2 + 6;
    }
    const auto dir = std::filesystem::path(PLIVANT_SOURCE_DIR) / "build" / "artifacts";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(ui::WritePngFile(sheet, (dir / "mount-art.png").string()));
}

// The icon file writer refuses what the format cannot hold (what it writes is checked as the system draws it, under
// Wine).
IconArt Solid(int n) {
    return {ui::Bitmap(n, n), std::vector<uint8_t>(static_cast<size_t>(n * n), 255)};
}

TEST(IconFile, RefusesImagesItCannotStore) {
    IconArt shortAlpha = Solid(16);
    shortAlpha.alpha.pop_back();
    for (const IconArt& image :
         {IconArt{}, IconArt{ui::Bitmap(16, 15), std::vector<uint8_t>(240, 255)}, Solid(257), shortAlpha})
        EXPECT_THROW(tools::IconFile({image}), std::invalid_argument);
    EXPECT_EQ(tools::IconFile({Solid(1), Solid(256)}).at(4), 2);  // the smallest and the largest, counted
}

}  // namespace
}  // namespace plivant
