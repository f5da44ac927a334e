// The auxiliary windows' pictures: a manila folder and a grey drive, shaded from the upper left. They are boxes and
// lines on the design's pixels: at a larger scale each is drawn at its size there, its edges on whole pixels.
#include "windows/auxiliary/SplashArt.h"
#include "ui/Types.h"

#include <algorithm>
#include <cmath>

#include "ui/BitmapDrawing.h"

namespace plivant {

namespace {

using ui::Bitmap;
using ui::Rgb;

constexpr Rgb kOutline = 0x5A5A5A;

// A picture at a scale: boxes given in the design's pixels land on the pixels they cover.
struct Scaled {
    Bitmap b;
    double s;
    int At(double v) const { return static_cast<int>(std::lround(v * s)); }
    void Fill(int x, int y, int w, int h, Rgb c) {
        ui::FillRect(b, At(x), At(y), At(x + w) - At(x), At(y + h) - At(y), c);
    }
};

// A box shaded top to bottom between two colours, with a one-pixel outline.
void ShadedBox(Scaled& b, int x, int y, int w, int h, Rgb top, Rgb bottom, Rgb outline) {
    const int from = b.At(y), to = b.At(y + h);  // the shading runs over the pixels of the scale
    for (int row = from; row < to; ++row) {
        ui::FillRect(b.b, b.At(x), row, b.At(x + w) - b.At(x), 1,
                     ui::Mix(top, bottom, to - from > 1 ? double(row - from) / (to - from - 1) : 0));
    }
    b.Fill(x, y, w, 1, outline);
    b.Fill(x, y + h - 1, w, 1, outline);
    b.Fill(x, y, 1, h, outline);
    b.Fill(x + w - 1, y, 1, h, outline);
}

// A drive of w × h at (x, y): a grey case, a darker slot and a green light.
void Drive(Scaled& b, int x, int y, int w, int h) {
    ShadedBox(b, x, y, w, h, 0xF2F2F2, 0x9C9C9C, kOutline);
    b.Fill(x + 1, y + 1, w - 2, 1, 0xFFFFFF);  // highlight along the top
    const int slotY = y + h / 2;
    b.Fill(x + 3, slotY, w - 6 - h / 3, 2, 0x6E6E6E);
    b.Fill(x + 3, slotY + 2, w - 6 - h / 3, 1, 0xFAFAFA);
    const int led = std::max(2, h / 6);
    b.Fill(x + w - 3 - led, slotY, led, led, 0x2EB82E);
    b.Fill(x + w - 3 - led, slotY, 1, 1, 0xA8F0A8);
}

// A folder of w × h at (x, y): a tab at the upper left, a front flap a little lower.
void Folder(Scaled& b, int x, int y, int w, int h) {
    const int tab = std::max(2, h / 6);
    ShadedBox(b, x, y, w * 2 / 5, tab + 2, 0xF7D774, 0xE8B830, 0xA07818);
    ShadedBox(b, x, y + tab, w, h - tab, 0xF3C94E, 0xD9A21E, 0xA07818);
    ShadedBox(b, x + 1, y + tab + tab / 2 + 1, w - 2, h - tab - tab / 2 - 2, 0xFFE9A6, 0xF0B832, 0xB8901F);
}

// An arrow pointing right: a shaft and a head, in a deep blue.
void Arrow(Scaled& b, int x, int y, int length, int thickness) {
    const Rgb blue = 0x2F6FD6;
    const int head = thickness * 2;
    b.Fill(x, y - thickness / 2, length - head, thickness, blue);
    for (int i = 0; i < head; ++i) {
        const int half = head - i;
        b.Fill(x + length - head + i, y - half, 1, 2 * half, ui::Mix(blue, 0x1A4DA8, double(i) / head));
    }
    b.Fill(x, y - thickness / 2, length - head, 1, 0x7FA8F0);
}

Scaled Picture(int width, int height, double scale) {
    return {Bitmap(ui::ScaledPixels(width, scale), ui::ScaledPixels(height, scale), kSplashBackground), scale};
}

}  // namespace

Bitmap SplashProgramPicture(double scale) {
    Scaled b = Picture(kSplashProgramPictureSize, kSplashProgramPictureSize, scale);
    Drive(b, 6, 22, 32, 14);
    Folder(b, 2, 4, 24, 20);
    return b.b;
}

Bitmap SplashMountPicture(double scale) {
    Scaled b = Picture(kSplashMountPictureWidth, kSplashMountPictureHeight, scale);
    Folder(b, 6, 18, 46, 38);
    Arrow(b, 58, 40, 34, 8);
    Drive(b, 98, 26, 46, 28);
    return b.b;
}

Bitmap AboutLogo(double scale) {
    Scaled b = Picture(88, 88, scale);
    Drive(b, 13, 48, 71, 31);
    Folder(b, 4, 9, 53, 44);
    return b.b;
}

}  // namespace plivant
