// The auxiliary windows' pictures: a manila folder and a grey drive, shaded from the upper left.
#include "windows/auxiliary/SplashArt.h"

#include <algorithm>

#include "ui/BitmapDrawing.h"

namespace plivant {

namespace {

using ui::Bitmap;
using ui::Rgb;

constexpr Rgb kOutline = 0x5A5A5A;

// A box shaded top to bottom between two colours, with a one-pixel outline.
void ShadedBox(Bitmap& b, int x, int y, int w, int h, Rgb top, Rgb bottom, Rgb outline) {
    for (int row = 0; row < h; ++row) {
        ui::FillRect(b, x, y + row, w, 1, ui::Mix(top, bottom, h > 1 ? double(row) / (h - 1) : 0));
    }
    ui::FillRect(b, x, y, w, 1, outline);
    ui::FillRect(b, x, y + h - 1, w, 1, outline);
    ui::FillRect(b, x, y, 1, h, outline);
    ui::FillRect(b, x + w - 1, y, 1, h, outline);
}

// A drive of w × h at (x, y): a grey case, a darker slot and a green light.
void Drive(Bitmap& b, int x, int y, int w, int h) {
    ShadedBox(b, x, y, w, h, 0xF2F2F2, 0x9C9C9C, kOutline);
    ui::FillRect(b, x + 1, y + 1, w - 2, 1, 0xFFFFFF);  // highlight along the top
    const int slotY = y + h / 2;
    ui::FillRect(b, x + 3, slotY, w - 6 - h / 3, 2, 0x6E6E6E);
    ui::FillRect(b, x + 3, slotY + 2, w - 6 - h / 3, 1, 0xFAFAFA);
    const int led = std::max(2, h / 6);
    ui::FillRect(b, x + w - 3 - led, slotY, led, led, 0x2EB82E);
    b.Set(x + w - 3 - led, slotY, 0xA8F0A8);
}

// A folder of w × h at (x, y): a tab at the upper left, a front flap a little lower.
void Folder(Bitmap& b, int x, int y, int w, int h) {
    const int tab = std::max(2, h / 6);
    ShadedBox(b, x, y, w * 2 / 5, tab + 2, 0xF7D774, 0xE8B830, 0xA07818);
    ShadedBox(b, x, y + tab, w, h - tab, 0xF3C94E, 0xD9A21E, 0xA07818);
    ShadedBox(b, x + 1, y + tab + tab / 2 + 1, w - 2, h - tab - tab / 2 - 2, 0xFFE9A6, 0xF0B832, 0xB8901F);
}

// An arrow pointing right: a shaft and a head, in a deep blue.
void Arrow(Bitmap& b, int x, int y, int length, int thickness) {
    const Rgb blue = 0x2F6FD6;
    const int head = thickness * 2;
    ui::FillRect(b, x, y - thickness / 2, length - head, thickness, blue);
    for (int i = 0; i < head; ++i) {
        const int half = head - i;
        ui::FillRect(b, x + length - head + i, y - half, 1, 2 * half, ui::Mix(blue, 0x1A4DA8, double(i) / head));
    }
    ui::FillRect(b, x, y - thickness / 2, length - head, 1, 0x7FA8F0);
}

}  // namespace

Bitmap SplashProgramPicture() {
    Bitmap b(kSplashProgramPictureSize, kSplashProgramPictureSize, kSplashBackground);
    Drive(b, 6, 22, 32, 14);
    Folder(b, 2, 4, 24, 20);
    return b;
}

Bitmap SplashMountPicture() {
    Bitmap b(kSplashMountPictureWidth, kSplashMountPictureHeight, kSplashBackground);
    Folder(b, 6, 18, 46, 38);
    Arrow(b, 58, 40, 34, 8);
    Drive(b, 98, 26, 46, 28);
    return b;
}

Bitmap AboutLogo() {
    Bitmap b(88, 88, kSplashBackground);
    Drive(b, 13, 48, 71, 31);
    Folder(b, 4, 9, 53, 44);
    return b;
}

}  // namespace plivant
