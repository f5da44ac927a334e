// The main window's pictures: the program's folder and drive (art/ProgramArt), carried, signed and badged.
#include "windows/main/MountArt.h"

#include "art/ArtCanvas.h"
#include "art/ProgramArt.h"

namespace plivant {

namespace {

using art::Canvas;
using art::Drive;
using art::Flat;
using art::Folder;
using art::ProgramIconAt;
using art::RoundRect;
using art::Vertical;
using ui::Rgb;

// An arrow pointing right from x0 to x1 along y, in a deep blue.
void Arrow(Canvas& c, double x0, double x1, double y, double thickness) {
    const double head = thickness * 1.8;
    const Rgb top = 0x5C93EA, bottom = 0x1A4DA8;
    c.Fill(RoundRect(x0, y - thickness / 2, x1 - head + 1, y + thickness / 2, 0),
           Vertical(y - head, y + head, top, bottom));
    c.Fill(art::Polygon({{x1 - head, y - head}, {x1, y}, {x1 - head, y + head}}),
           Vertical(y - head, y + head, top, bottom));
}

// A round badge of radius r at (cx, cy), shaded from its upper part, with a darker rim.
void Badge(Canvas& c, double cx, double cy, double r, Rgb light, Rgb dark, Rgb rim, double line) {
    c.Outlined(art::Ellipse(cx, cy, r, r), art::Ellipse(cx, cy, r - line, r - line),
               Vertical(cy - r, cy + r, light, dark), rim);
}

void QuestionMark(Canvas& c, double cx, double cy, double r) {
    const double hookY = cy - r * 0.2, mean = r * 0.28, t = r * 0.2;
    c.Fill(art::Arc(cx, hookY, mean - t / 2, mean + t / 2, -60, 200), Flat(0xFFFFFF));
    const double endX = cx + mean * 0.5, endY = hookY + mean * 0.866;
    c.Fill(art::Stroke(endX, endY, cx, cy + r * 0.22, t), Flat(0xFFFFFF));
    c.Fill(art::Ellipse(cx, cy + r * 0.52, t * 0.62, t * 0.62), Flat(0xFFFFFF));
}

void InfoSign(Canvas& c, double cx, double cy, double r) {
    c.Fill(art::Ellipse(cx, cy - r * 0.45, r * 0.14, r * 0.14), Flat(0xFFFFFF));
    c.Fill(RoundRect(cx - r * 0.12, cy - r * 0.2, cx + r * 0.12, cy + r * 0.58, r * 0.04), Flat(0xFFFFFF));
}

void PowerSign(Canvas& c, double cx, double cy, double r) {
    c.Fill(art::Arc(cx, cy, r * 0.38, r * 0.56, 125, 415), Flat(0xFFFFFF));
    c.Fill(art::Stroke(cx, cy - r * 0.62, cx, cy - r * 0.08, r * 0.18), Flat(0xFFFFFF));
}

void Cross(Canvas& c, double cx, double cy, double half, double width) {
    c.Fill(art::Stroke(cx - half, cy - half, cx + half, cy + half, width), Flat(0xFFFFFF));
    c.Fill(art::Stroke(cx - half, cy + half, cx + half, cy - half, width), Flat(0xFFFFFF));
}

void DownArrow(Canvas& c, double cx, double cy, double r) {
    c.Fill(RoundRect(cx - r * 0.18, cy - r * 0.6, cx + r * 0.18, cy + r * 0.05, 0), Flat(0xFFFFFF));
    c.Fill(art::Polygon({{cx - r * 0.55, cy - r * 0.05}, {cx + r * 0.55, cy - r * 0.05}, {cx, cy + r * 0.6}}),
           Flat(0xFFFFFF));
}

constexpr Rgb kGreenLight = 0x5CD65C, kGreenDark = 0x1E8C2E, kGreenRim = 0x166A22;
constexpr Rgb kBlueLight = 0x5C9CF0, kBlueDark = 0x1A50B0, kBlueRim = 0x143C86;
constexpr Rgb kRedLight = 0xF07060, kRedDark = 0xC02828, kRedRim = 0x8C1C1C;

}  // namespace

ui::Bitmap MountButtonPicture(Rgb face, double scale) {
    Canvas c(kButtonPictureWidth, kButtonPictureHeight, scale);
    Folder(c, 0, 5, 18, 16, 1);
    Arrow(c, 19, 28, 14, 4);
    Drive(c, 29, 8, 17, 14, 1);
    return c.Over(face);
}

ui::Bitmap StartupButtonPicture(Rgb face, double scale) {
    Canvas c(kButtonPictureWidth, kButtonPictureHeight, scale);
    c.Outlined(RoundRect(9, 2, 29, 29, 1), RoundRect(10, 3, 28, 28, 0), Vertical(2, 29, 0xFFFFFF, 0xE2E2E2), 0x6E6E6E);
    for (int row = 0; row < 5; ++row) {
        c.Fill(RoundRect(12, 7 + row * 4, row % 2 == 0 ? 26 : 22, 9 + row * 4, 0), Flat(0x7C93B8));
    }
    Badge(c, 31, 21, 9.5, kGreenLight, kGreenDark, kGreenRim, 1);
    PowerSign(c, 31, 21, 9.5);
    return c.Over(face);
}

ui::Bitmap HelpButtonPicture(Rgb face, double scale) {
    Canvas c(kButtonPictureWidth, kButtonPictureHeight, scale);
    Badge(c, 23, 16, 14, kBlueLight, kBlueDark, kBlueRim, 1);
    QuestionMark(c, 23, 16, 14);
    return c.Over(face);
}

ui::Bitmap AboutPicture(Rgb back, double scale) {
    Canvas c(kAboutPictureWidth, kAboutPictureHeight, scale);
    ProgramIconAt(c, 4, 2, 48);
    Badge(c, 48, 45, 12.5, kBlueLight, kBlueDark, kBlueRim, 1);
    InfoSign(c, 48, 45, 12.5);
    return c.Over(back);
}

ui::Bitmap UnmountMenuPicture(Rgb menu, double scale) {
    Canvas c(kMenuPictureWidth, kMenuPictureHeight, scale);
    Drive(c, 0, 7, 15, 7, 1);
    Badge(c, 11.5, 4.5, 4.5, kRedLight, kRedDark, kRedRim, 1);
    Cross(c, 11.5, 4.5, 1.6, 1.5);
    return c.Over(menu);
}

ui::Bitmap MountMenuPicture(Rgb menu, double scale) {
    Canvas c(kMenuPictureWidth, kMenuPictureHeight, scale);
    Drive(c, 0, 7, 15, 7, 1);
    Badge(c, 11.5, 4.5, 4.5, kGreenLight, kGreenDark, kGreenRim, 1);
    DownArrow(c, 11.5, 4.5, 4.5);
    return c.Over(menu);
}

ui::Bitmap ClearMenuPicture(Rgb menu, double scale) {
    Canvas c(kMenuPictureWidth, kMenuPictureHeight, scale);
    const Rgb rim = 0x3C4E6A;
    c.Fill(RoundRect(3, 2, 13, 4, 0.5), Flat(rim));  // lid
    c.Fill(RoundRect(6, 1, 10, 2, 0), Flat(rim));    // handle
    c.Outlined(art::Polygon({{3.5, 4}, {12.5, 4}, {11.5, 15}, {4.5, 15}}),
               art::Polygon({{4.6, 4}, {11.4, 4}, {10.5, 14}, {5.5, 14}}), Vertical(4, 15, 0xB8C8E0, 0x7890B8), rim);
    for (double x : {6.5, 8.5, 10.0}) c.Fill(RoundRect(x - 0.5, 6, x + 0.5, 12.5, 0), Flat(0x50648A));
    return c.Over(menu);
}

}  // namespace plivant
