// Colour arithmetic and drawing into portable bitmaps.
#include "ui/BitmapDrawing.h"

#include <algorithm>
#include <cmath>

namespace plivant::ui {

namespace {

int Clamp(int v) {
    return std::clamp(v, 0, 255);
}

int MixChannel(int a, int b, double t) {
    return ChannelOf(a + (b - a) * t);
}

}  // namespace

// What lround gives, without its call (the artwork works out every channel of every pixel this way). The value is
// held as a double first, as a call's argument is, so that a processor that works in longer intermediates (the x87)
// rounds it exactly as before; adding a half to a double is then exact there.
int ChannelOf(double v) {
    const volatile double held = v;
    return held <= 0 ? 0 : held >= 255 ? 255 : static_cast<int>(held + 0.5);
}

Rgb MakeRgb(int red, int green, int blue) {
    return static_cast<Rgb>(Clamp(red)) << 16 | static_cast<Rgb>(Clamp(green)) << 8 | static_cast<Rgb>(Clamp(blue));
}

Rgb Mix(Rgb a, Rgb b, double t) {
    // Most pixels of a picture are wholly one thing or another: nothing to work out.
    if (t == 0) return a & 0xFFFFFF;
    if (t == 1) return b & 0xFFFFFF;
    return MakeRgb(MixChannel(Red(a), Red(b), t), MixChannel(Green(a), Green(b), t), MixChannel(Blue(a), Blue(b), t));
}

Rgb Lighter(Rgb c, double t) {
    return Mix(c, 0xFFFFFF, t);
}
Rgb Darker(Rgb c, double t) {
    return Mix(c, 0x000000, t);
}

int ChannelDistance(Rgb a, Rgb b) {
    return std::max({std::abs(Red(a) - Red(b)), std::abs(Green(a) - Green(b)), std::abs(Blue(a) - Blue(b))});
}

double Luma(Rgb c) {
    return 0.299 * Red(c) + 0.587 * Green(c) + 0.114 * Blue(c);
}

int Chroma(Rgb c) {
    return std::max({Red(c), Green(c), Blue(c)}) - std::min({Red(c), Green(c), Blue(c)});
}

void FillRect(Bitmap& target, int x, int y, int width, int height, Rgb colour) {
    for (int row = y; row < y + height; ++row)
        for (int col = x; col < x + width; ++col) target.Set(col, row, colour);
}

void Blit(Bitmap& target, const Bitmap& src, int x, int y) {
    for (int row = 0; row < src.Height(); ++row)
        for (int col = 0; col < src.Width(); ++col) target.Set(x + col, y + row, src.At(col, row));
}

Bitmap Stretched(const Bitmap& src, int width, int height) {
    Bitmap out(width, height);
    if (src.Empty() || out.Empty()) return out;
    for (int row = 0; row < height; ++row) {
        int sy = static_cast<int>(static_cast<long long>(row) * src.Height() / height);
        for (int col = 0; col < width; ++col) {
            int sx = static_cast<int>(static_cast<long long>(col) * src.Width() / width);
            out.Set(col, row, src.At(sx, sy));
        }
    }
    return out;
}

Bitmap Greyed(const Bitmap& src) {
    if (src.Empty()) return src;
    Bitmap out = src;
    const Rgb background = src.At(0, 0);
    for (int y = 0; y < src.Height(); ++y) {
        for (int x = 0; x < src.Width(); ++x) {
            const Rgb c = src.At(x, y);
            if (c == background) continue;
            const int grey = static_cast<int>(Luma(c));
            out.Set(x, y, Mix(MakeRgb(grey, grey, grey), background, 0.55));
        }
    }
    return out;
}

Bitmap Scaled(const Bitmap& src, int factor) {
    if (factor < 1) return Bitmap();
    return Stretched(src, src.Width() * factor, src.Height() * factor);
}

}  // namespace plivant::ui
