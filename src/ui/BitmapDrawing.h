// Colour arithmetic and drawing into portable bitmaps, for the artwork drawn by code (ui/win32/GdiPainting.h
// paints real windows).
#pragma once
#include "ui/Bitmap.h"

namespace plivant::ui {

constexpr int Red(Rgb c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int Green(Rgb c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int Blue(Rgb c) {
    return static_cast<int>(c & 0xFF);
}
// Channels outside 0..255 are clamped.
Rgb MakeRgb(int red, int green, int blue);
// A channel's value worked out in doubles, as a whole number: rounded half up (as lround rounds it), then clamped to
// 0..255.
int ChannelOf(double v);

// t = 0 gives a, t = 1 gives b; t outside 0..1 extrapolates along the same line (clamped per channel).
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t);  // towards white
Rgb Darker(Rgb c, double t);   // towards black

// Largest difference of one channel: how far apart two colours look where pieces meet.
int ChannelDistance(Rgb a, Rgb b);
// Perceived brightness, 0..255.
double Luma(Rgb c);
// Max minus min channel: 0 for greys.
int Chroma(Rgb c);

void FillRect(Bitmap& target, int x, int y, int width, int height, Rgb colour);
// Copies src with its top-left corner at (x, y); what falls outside target is clipped.
void Blit(Bitmap& target, const Bitmap& src, int x, int y);
// Nearest-neighbour resampling to any size, the way a stretched picture is shown.
Bitmap Stretched(const Bitmap& src, int width, int height);
// Each pixel becomes a factor × factor block.
Bitmap Scaled(const Bitmap& src, int factor);
// The picture as a disabled button shows it: its background (the colour of its top-left pixel) as it is, every
// other pixel a pale grey of its own brightness.
Bitmap Greyed(const Bitmap& src);

}  // namespace plivant::ui
