// The program's own picture: a manila folder in front of a grey drive, the same folder and drive as the splash,
// shaded from the upper left, drawn at any size with edges on whole pixels so that the small sizes stay crisp.
#include "art/ProgramArt.h"
#include "ui/Types.h"

#include <algorithm>
#include <cmath>

#include "art/ThemeXArt.h"

namespace plivant {

namespace art {

namespace {

double Px(double v) {
    return std::round(v);
}

// The width of outlines for a drawing of the given size: one pixel up to 32, then growing with the size.
double Line(double size) {
    return std::max(1.0, Px(size / 28));
}

}  // namespace

// A grey drive case of w × h at (x, y): a dark slot and a green light.
void Drive(Canvas& c, double x, double y, double w, double h, double line) {
    x = Px(x), y = Px(y), w = Px(w), h = Px(h);
    const double r = std::max(1.0, Px(h * 0.18));
    c.Outlined(RoundRect(x, y, x + w, y + h, r), RoundRect(x + line, y + line, x + w - line, y + h - line, r - 1),
               Vertical(y, y + h, 0xF6F6F6, 0x9A9A9A), 0x585858);
    c.Fill(RoundRect(x + line, y + line, x + w - line, y + line + std::max(1.0, Px(h * 0.1)), 0), Flat(0xFFFFFF), 0.8);
    const double slotY = Px(y + h * 0.52), slotH = std::max(1.0, Px(h * 0.13));
    c.Fill(RoundRect(Px(x + w * 0.14), slotY, Px(x + w * 0.6), slotY + slotH, 0), Flat(0x5E5E5E));
    const double led = std::max(2.0, Px(h * 0.2));
    const double ledX = Px(x + w - line - std::max(1.0, Px(w * 0.1)) - led);
    c.Fill(RoundRect(ledX, slotY, ledX + led, slotY + led, led * 0.25),
           Vertical(slotY, slotY + led, 0x8CF08C, 0x1E9E2E));
}

// A manila folder of w × h at (x, y): a tab at the upper left and a front flap a little lower.
void Folder(Canvas& c, double x, double y, double w, double h, double line) {
    x = Px(x), y = Px(y), w = Px(w), h = Px(h);
    const double r = std::max(1.0, Px(h * 0.1));
    const double tabW = Px(w * 0.42), tabH = std::max(line + 2, Px(h * 0.28));
    const double backTop = Px(y + tabH * 0.5);
    const art::Shape back =
        art::Union(RoundRect(x, y, x + tabW, y + tabH + r, r), RoundRect(x, backTop, x + w, y + h, r));
    const art::Shape backInset = art::Union(RoundRect(x + line, y + line, x + tabW - line, y + tabH + r, r - 1),
                                            RoundRect(x + line, backTop + line, x + w - line, y + h - line, r - 1));
    c.Outlined(back, backInset, Vertical(y, y + h, 0xF2CD5A, 0xD49A1A), 0x9A7016);
    const double frontTop = Px(y + tabH + std::max(1.0, h * 0.08));
    c.Outlined(RoundRect(x, frontTop, x + w, y + h, r),
               RoundRect(x + line, frontTop + line, x + w - line, y + h - line, r - 1),
               Vertical(frontTop, y + h, 0xFFEBAA, 0xF0B630), 0xA8801A);
}

// The program's icon drawn into a square of the given size at (x, y).
void ProgramIconAt(Canvas& c, double x, double y, double size) {
    const double u = size / 16, line = Line(size);
    Drive(c, x, y + 8 * u, 16 * u, 7 * u, line);
    Folder(c, x + 1 * u, y + 1 * u, 12 * u, 10 * u, line);
}

}  // namespace art

IconArt ProgramIcon(int pixels) {
    art::Canvas c(pixels, pixels);
    art::ProgramIconAt(c, 0, 0, pixels);
    return IconArt{c.Colours(), c.Coverage()};
}

ui::Bitmap TitleBarIcon(int iconTop, double scale) {
    art::Canvas c(16, 16, scale);
    art::ProgramIconAt(c, 0, 0, 16);
    const int top = ui::ScaledPixels(iconTop, scale);
    const float s = static_cast<float>(scale);  // a handler holds no doubles
    return c.Over([top, s](int row) { return ThemeXTitleColour(0, true, top + row, s); });
}

}  // namespace plivant
