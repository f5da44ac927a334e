// The add button's arrow: a shaft and a head, symmetric about the picture's middle, shaded from a light green at
// the top to a deep green at the tip, with a dark green outline.
#include "windows/startlist/StartLoadArt.h"
#include "ui/Types.h"

#include <cmath>

#include "ui/BitmapDrawing.h"

namespace plivant {

namespace {

constexpr int kSize = 24;
constexpr int kShaftTop = 4, kHeadTop = 12, kTip = 18;
constexpr ui::Rgb kOutline = 0x1B4D1B;
constexpr ui::Rgb kTopGreen = 0x8BE38B;
constexpr ui::Rgb kBottomGreen = 0x23902A;

// Half the arrow's width in a row, measured from the middle (11.5); 0 outside the arrow.
int HalfWidth(int y) {
    if (y >= kShaftTop && y < kHeadTop) return 3;
    if (y >= kHeadTop && y <= kTip) return kTip + 1 - y;
    return 0;
}

bool Inside(int x, int y) {
    const int half = HalfWidth(y);
    return half > 0 && x >= kSize / 2 - half && x < kSize / 2 + half;
}

}  // namespace

ui::Bitmap AddPairPicture(double scale) {
    const int size = ui::ScaledPixels(kSize, scale);
    ui::Bitmap b(size, size, kAddPictureBackground);
    // At a larger scale each pixel takes the design's pixel it lies in: the outline stays as thick as a pixel is.
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            const int x = static_cast<int>(px / scale), y = static_cast<int>(py / scale);
            if (!Inside(x, y)) continue;
            const bool edge = !Inside(x - 1, y) || !Inside(x + 1, y) || !Inside(x, y - 1) || !Inside(x, y + 1);
            const double t = double(y - kShaftTop) / (kTip - kShaftTop);
            ui::Rgb fill = ui::Mix(kTopGreen, kBottomGreen, t);
            if (x < kSize / 2) fill = ui::Lighter(fill, 0.18);  // lit from the left
            b.Set(px, py, edge ? kOutline : fill);
        }
    }
    return b;
}

}  // namespace plivant
