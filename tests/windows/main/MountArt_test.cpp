// The main window's pictures: the icon at every size, the button, About and menu pictures on their backgrounds,
// checked by pixels; and one sheet of them all, at their size and enlarged, in build/artifacts/mount-art.png.
#include "windows/main/MountArt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "frame/ThemeXArt.h"
#include "ui/Paint.h"
#include "ui/sim/PngFile.h"

namespace plivant {
namespace {

constexpr ui::Rgb kBack = 0xECE9D8;

int Alpha(const IconArt& icon, int x, int y) {
    return icon.alpha[static_cast<size_t>(y * icon.colour.Width() + x)];
}

// The most common colour family under a box of the picture: what the eye reads there.
bool Mostly(const ui::Bitmap& b, int x0, int y0, int x1, int y1, const std::function<bool(ui::Rgb)>& is) {
    int hits = 0, all = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x, ++all) hits += is(b.At(x, y)) ? 1 : 0;
    return hits * 2 > all;
}
bool Manila(ui::Rgb c) {
    return ui::Red(c) > 150 && ui::Red(c) - ui::Blue(c) > 60 && ui::Green(c) - ui::Blue(c) > 20;
}
bool Grey(ui::Rgb c) {
    return ui::Chroma(c) < 16 && ui::Luma(c) > 100;
}
bool Blue(ui::Rgb c) {
    return ui::Blue(c) - ui::Red(c) > 30;
}
bool Green(ui::Rgb c) {
    return ui::Green(c) - ui::Red(c) > 40 && ui::Green(c) - ui::Blue(c) > 40;
}
bool Red(ui::Rgb c) {
    return ui::Red(c) - ui::Green(c) > 60;
}
bool White(ui::Rgb c) {
    return ui::Luma(c) > 240;
}

class IconSizes : public testing::TestWithParam<int> {};

TEST_P(IconSizes, FolderAboveADriveOnATransparentGround) {
    const int s = GetParam();
    const IconArt icon = ProgramIcon(s);
    ASSERT_EQ(icon.colour.Width(), s);
    ASSERT_EQ(icon.colour.Height(), s);
    ASSERT_EQ(icon.alpha.size(), static_cast<size_t>(s * s));
    // Corners beside the folder's tab and below the drive are see-through; the drive reaches both sides.
    EXPECT_EQ(Alpha(icon, s - 1, 0), 0);
    EXPECT_EQ(Alpha(icon, s / 2, s - 1), 0);
    EXPECT_EQ(Alpha(icon, 0, s * 12 / 16), 255);
    EXPECT_EQ(Alpha(icon, s - 1, s * 12 / 16), 255);
    const auto at = [s](int sixteenths) { return s * sixteenths / 16; };
    EXPECT_TRUE(Mostly(icon.colour, at(3), at(6), at(11), at(9), Manila)) << s;
    EXPECT_TRUE(Mostly(icon.colour, at(13), at(9), at(15), at(11), Grey)) << s;
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconSizes, testing::Values(16, 24, 32, 48, 256));

TEST(MountArt, TitleBarIconSitsOnTheBarWithoutAHalo) {
    const ui::Bitmap icon = TitleBarIcon(7);
    ASSERT_EQ(icon.Width(), 16);
    EXPECT_EQ(icon.At(15, 0), ThemeXTitleColour(0, true, 7));
    EXPECT_EQ(icon.At(8, 15), ThemeXTitleColour(0, true, 22));
    EXPECT_EQ(icon.At(0, 12), ProgramIcon(16).colour.At(0, 12));
}

struct PictureCase {
    const char* name;
    std::function<ui::Bitmap(ui::Rgb)> draw;
    int width, height;
    // A box that must read as one colour family (the element that names the command), and the family.
    int x0, y0, x1, y1;
    std::function<bool(ui::Rgb)> family;
};

class Pictures : public testing::TestWithParam<PictureCase> {};

TEST_P(Pictures, NameTheirCommandOnTheirBackground) {
    const PictureCase& c = GetParam();
    const ui::Bitmap b = c.draw(kBack);
    ASSERT_EQ(b.Width(), c.width);
    ASSERT_EQ(b.Height(), c.height);
    EXPECT_EQ(b.At(0, 0), kBack);
    EXPECT_EQ(b.At(c.width - 1, c.height - 1), kBack);
    EXPECT_TRUE(Mostly(b, c.x0, c.y0, c.x1, c.y1, c.family));
    EXPECT_NE(c.draw(0x000000), b) << "the background shows around the drawing";
}

INSTANTIATE_TEST_SUITE_P(Art, Pictures,
                         testing::Values(PictureCase{"mount_folder", MountButtonPicture, 46, 32, 3, 13, 14, 19, Manila},
                                         PictureCase{"mount_arrow", MountButtonPicture, 46, 32, 20, 13, 24, 15, Blue},
                                         PictureCase{"mount_drive", MountButtonPicture, 46, 32, 32, 10, 40, 13, Grey},
                                         PictureCase{"startup_power", StartupButtonPicture, 46, 32, 23, 19, 25, 23,
                                                     Green},
                                         PictureCase{"help_disc", HelpButtonPicture, 46, 32, 12, 12, 17, 20, Blue},
                                         PictureCase{"help_mark", HelpButtonPicture, 46, 32, 22, 22, 24, 24, White},
                                         PictureCase{"about_folder", AboutPicture, 63, 60, 14, 20, 30, 28, Manila},
                                         PictureCase{"about_sign", AboutPicture, 63, 60, 38, 40, 44, 50, Blue},
                                         PictureCase{"unmount_cross", UnmountMenuPicture, 16, 16, 11, 1, 12, 3, Red},
                                         PictureCase{"mount_badge", MountMenuPicture, 16, 16, 8, 2, 10, 4, Green},
                                         PictureCase{"clear_bin", ClearMenuPicture, 16, 16, 5, 5, 11, 13, Blue}),
                         [](const testing::TestParamInfo<PictureCase>& p) { return std::string(p.param.name); });

// Every picture at its size on the window's colour and at 4×; the icon's sizes on white and on a dark ground.
ui::Bitmap Sheet() {
    ui::Bitmap sheet(1100, 680, 0xFFFFFF);
    int x = 8;
    for (int s : {16, 24, 32, 48, 256}) {
        const IconArt icon = ProgramIcon(s);
        for (int row = 0; row < 2; ++row) {
            const ui::Rgb ground = row == 0 ? 0xFFFFFF : 0x202830;
            ui::Bitmap laid(s, s);
            for (int y = 0; y < s; ++y)
                for (int xx = 0; xx < s; ++xx)
                    laid.Set(xx, y, ui::Mix(ground, icon.colour.At(xx, y), Alpha(icon, xx, y) / 255.0));
            ui::Blit(sheet, laid, x, 8 + row * 264);
        }
        x += s + 12;
    }
    ui::Blit(sheet, ui::Scaled(ProgramIcon(16).colour, 8), 480, 8);
    ui::Blit(sheet, ui::Scaled(TitleBarIcon(7), 8), 620, 8);
    int px = 760, py = 8;
    for (const auto& draw : {MountButtonPicture, StartupButtonPicture, HelpButtonPicture}) {
        ui::Blit(sheet, ui::Scaled(draw(kBack), 4), 8 + (px - 760) * 4, 540);
        ui::Blit(sheet, draw(kBack), px, py);
        px += 52;
    }
    ui::Blit(sheet, ui::Scaled(AboutPicture(kBack), 3), 760, 140);
    ui::Blit(sheet, AboutPicture(kBack), 960, 140);
    int mx = 760;
    for (const auto& draw : {UnmountMenuPicture, MountMenuPicture, ClearMenuPicture}) {
        ui::Blit(sheet, ui::Scaled(draw(0xFFFFFF), 6), mx, 340);
        ui::Blit(sheet, draw(0xFFFFFF), mx, 444);
        mx += 104;
    }
    return sheet;
}

TEST(MountArt, SheetIsWrittenForLookingAt) {
    const std::filesystem::path dir = std::filesystem::path(PLIVANT_SOURCE_DIR) / "build" / "artifacts";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(ui::WritePngFile(Sheet(), (dir / "mount-art.png").string()));
}

}  // namespace
}  // namespace plivant
