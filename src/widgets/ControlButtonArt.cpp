// The caption buttons' pictures, drawn by code.
//
// Each picture is a rounded square with a 1-pixel light frame round a shaded fill, and a glyph. The fill is
// lit from the upper left: its colour runs along the distance from a point just outside that corner, through
// the upper-left colour at (3, 3) and the centre colour at (16, 10), and on past it into the lower right (so the
// pressed looks, whose upper left is the darker, come out lit the other way round). Edges and the close
// button's strokes are anti-aliased by sampling each pixel 4 × 4 times; the pixels named in the colour table
// are fully covered and so carry the table's colours exactly. The corners show the title bar behind the button.
// At a larger scale the same shapes are sampled at the size the button has on the screen.
#include "widgets/ControlButtonArt.h"
#include "ui/Types.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "art/ArtCanvas.h"
#include "art/ThemeXArt.h"
#include "ui/BitmapDrawing.h"

namespace plivant {

namespace {

using ui::Bitmap;
using ui::Mix;
using ui::Rgb;

constexpr int kSize = 21;
constexpr int kTitleHeight = 30;  // the frame centres the buttons in its title bar

enum class State { Resting, Hover, Pressed, Inactive, Disabled };
enum class Scheme { Blue, Olive, Silver };

struct Slot {
    Scheme scheme;
    State state;
};

struct Look {
    Rgb upperLeft;  // at (3, 3)
    Rgb centre;     // at (16, 10)
    Rgb glyph;
};

// Minimise, maximise and restore, by scheme and state (Resting, Hover, Pressed, Inactive, Disabled).
constexpr std::array<std::array<Look, 5>, 3> kLooks{{
    {{{0x9FBFFF, 0x1F6FF0, 0xFFFFFF},
      {0xA0C0FF, 0x3090FF, 0xFFFFFF},
      {0x003F80, 0x0050BF, 0x7FA0DF},
      {0x88A2EA, 0x4B77E9, 0xFFFFFF},
      {0x5080EF, 0x1050EF, 0x8F9FE0}}},
    {{{0xC7C7BE, 0x8D9D67, 0xFFFFFF},
      {0xECF3DF, 0xAFC47D, 0xFFFFFF},
      {0x585D47, 0x6E7354, 0xDCE8CB},
      {0xECF4DD, 0xC3D0AA, 0xFFFFFF},
      {0xC7D3AF, 0x9AAA74, 0xDCE8CB}}},
    {{{0xE9E8F1, 0xCBCBDC, 0x6E6D8F},
      {0xFFFFFF, 0xDFDFF1, 0x6E6D8F},
      {0x9C9EB5, 0xC0C0D4, 0x6E6D8F},
      {0xF0EFF4, 0xDEDEE7, 0xB8B7C8},
      {0xF0EFF4, 0xDEDEE7, 0xB8B7C8}}},
}};

// The close button is red-orange in every scheme; blue and olive green share it. It has no disabled look.
constexpr std::array<Look, 4> kCloseLooks{{
    {0xE54D1F, 0xD25E30, 0xFFFFFF},
    {0xF0804F, 0xF38048, 0xFFFFFF},
    {0xBF502F, 0xBE5428, 0xDF9F8F},
    {0xAF697D, 0xBC9793, 0xFFFFFF},
}};
constexpr std::array<Look, 4> kSilverCloseLooks{{
    {0xE06A68, 0xC9504E, 0xFFFFFF},
    {0xFB806B, 0xF06550, 0xFFFFFF},
    {0xFD7F67, 0xFFA08C, 0xFFFFFF},
    {0xE4AFAD, 0xD9A3A1, 0xFFFFFF},
}};

constexpr std::array<State, 4> kOrder{State::Resting, State::Hover, State::Pressed, State::Inactive};
constexpr std::array<State, 5> kMaxOrder{State::Resting, State::Hover, State::Pressed, State::Inactive,
                                         State::Disabled};

std::optional<Slot> SlotOf(CaptionImageSet set, int index) {
    int count = CaptionImageCount(set);
    if (index < 0 || index >= count) return std::nullopt;
    int perScheme = count / 3;
    auto state = [&](int i) {
        return set == CaptionImageSet::CbMax ? kMaxOrder[static_cast<size_t>(i)] : kOrder[static_cast<size_t>(i)];
    };
    if (index < perScheme) return Slot{Scheme::Blue, state(index)};
    if (index < 2 * perScheme) return Slot{Scheme::Olive, state(index - perScheme)};
    return Slot{Scheme::Silver, state(count - 1 - index)};  // silver runs backwards from the last index
}

Look LookOf(CaptionImageSet set, Slot slot) {
    if (set == CaptionImageSet::CbClose) {
        const auto& looks = slot.scheme == Scheme::Silver ? kSilverCloseLooks : kCloseLooks;
        return looks[static_cast<size_t>(slot.state)];
    }
    return kLooks[static_cast<size_t>(slot.scheme)][static_cast<size_t>(slot.state)];
}

// Where the first and last of a pixel's samples lie along an axis, in the design's pixels.
double FirstSample(int pixel, double scale) {
    return (pixel + 0.5 / 4) / scale;
}
double LastSample(int pixel, double scale) {
    return (pixel + 3.5 / 4) / scale;
}

// Whether all of the pixel's samples lie in the box [from, to] on both axes.
bool SamplesWithin(int x, int y, double scale, double from, double to) {
    return FirstSample(x, scale) >= from && LastSample(x, scale) <= to && FirstSample(y, scale) >= from &&
           LastSample(y, scale) <= to;
}

// Fraction of the pixel (x, y) at the scale for which inside(px, py) holds in the design's pixels, sampled 4 × 4.
template <typename Inside>
double Coverage(int x, int y, double scale, Inside inside) {
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
            if (inside((x + (sx + 0.5) / 4) / scale, (y + (sy + 0.5) / 4) / scale)) ++hits;
    return hits / 16.0;
}

bool InRoundedRect(double px, double py, double x0, double y0, double x1, double y1, double radius) {
    if (px < x0 || py < y0 || px > x1 || py > y1) return false;
    double cx = std::clamp(px, x0 + radius, x1 - radius);
    double cy = std::clamp(py, y0 + radius, y1 - radius);
    return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius;
}

// The coverage of the pixel by the rounded square [edge, kSize - edge] with the radius. A pixel whose samples all
// lie in the square whose corners are on the corner arcs' diagonals (a little in, past any rounding) is covered
// without sampling: all but the pixels along the edges.
double RoundedSquareCoverage(int x, int y, double scale, double edge, double radius) {
    const double inset = edge + art::CornerInset(radius);
    if (SamplesWithin(x, y, scale, inset, kSize - inset)) return 1.0;
    return Coverage(x, y, scale, [edge, radius](double px, double py) {
        return InRoundedRect(px, py, edge, edge, kSize - edge, kSize - edge, radius);
    });
}

// Pixel rectangles in pixel coordinates, right and bottom inclusive, as the glyphs are measured.
bool InPixels(double px, double py, int left, int top, int right, int bottom) {
    return px >= left && py >= top && px < right + 1 && py < bottom + 1;
}

// A window outline with a thicker top edge (the caption bar of the little window).
bool InWindowOutline(double px, double py, int left, int top, int right, int bottom, int topEdge) {
    if (!InPixels(px, py, left, top, right, bottom)) return false;
    return !InPixels(px, py, left + 1, top + topEdge, right - 1, bottom - 1);
}

double GlyphCoverage(CaptionImageSet set, int x, int y, double scale) {
    // Every glyph lies in the pixels (5, 5)-(15, 15): a pixel with no sample there is not covered.
    if (LastSample(x, scale) < 5 || FirstSample(x, scale) >= 16 || LastSample(y, scale) < 5 ||
        FirstSample(y, scale) >= 16)
        return 0.0;
    switch (set) {
        case CaptionImageSet::CbMin:
            return Coverage(x, y, scale, [](double px, double py) { return InPixels(px, py, 5, 13, 11, 15); });
        case CaptionImageSet::CbMax:
            return Coverage(x, y, scale, [](double px, double py) { return InWindowOutline(px, py, 5, 5, 15, 15, 3); });
        case CaptionImageSet::CbClose:
            return Coverage(x, y, scale, [](double px, double py) {
                // Two strokes through the centres of the corner pixels (5, 5)-(15, 15) and (15, 5)-(5, 15).
                constexpr double kHalfWidth = 1.35;
                if (!InPixels(px, py, 5, 5, 15, 15)) return false;
                double u = px - 11.0, v = py - 11.0;
                return std::abs(u - v) / std::sqrt(2.0) <= kHalfWidth || std::abs(u + v) / std::sqrt(2.0) <= kHalfWidth;
            });
        case CaptionImageSet::CbRestore:
            return Coverage(x, y, scale, [](double px, double py) {
                if (InWindowOutline(px, py, 5, 8, 11, 14, 2)) return true;  // the front window hides the back one
                return !InPixels(px, py, 5, 8, 11, 14) && InWindowOutline(px, py, 8, 5, 14, 11, 2);
            });
    }
    return 0.0;
}

// Position along the light: 0 at (3, 3), 1 at (16, 10).
double LightPosition(double x, double y) {
    auto distance = [](double px, double py) { return std::hypot(px + 1.0, py + 1.0); };
    return (distance(x, y) - distance(3, 3)) / (distance(16, 10) - distance(3, 3));
}

Rgb FillColour(const Look& look, double x, double y) {
    double t = LightPosition(x, y);
    // The light spreads over the upper-left third before it fades; past the centre colour the shading goes on
    // more gently. (t to the power 1.3 by its logarithm: MinGW's pow, for this one call, weighs 2 KB.)
    double eased = t < 0 ? t : t <= 1 ? std::exp(1.3 * std::log(t)) : 1 + 0.5 * (t - 1);
    return Mix(look.upperLeft, look.centre, eased);
}

Rgb FrameColour(Slot slot, const Look& look) {
    if (slot.state == State::Disabled) return Mix(0xFFFFFF, look.centre, 0.3);
    return 0xFFFFFF;
}

}  // namespace

int CaptionImageCount(CaptionImageSet set) {
    return set == CaptionImageSet::CbMax ? 15 : 12;
}

namespace {
Bitmap DrawCaptionButtonImage(CaptionImageSet set, int index, double scale) {
    auto slot = SlotOf(set, index);
    if (!slot) return Bitmap();
    Look look = LookOf(set, *slot);
    Rgb frame = FrameColour(*slot, look);
    bool activeTitle = slot->state != State::Inactive;
    const int size = CaptionButtonSize(scale);
    const int top = (ui::ScaledPixels(kTitleHeight, scale) - size) / 2;
    Bitmap b(size, size);
    for (int y = 0; y < size; ++y) {
        Rgb behind = ThemeXTitleColour(static_cast<int>(slot->scheme), activeTitle, y + top, scale);
        for (int x = 0; x < size; ++x) {
            Rgb c = Mix(behind, frame, RoundedSquareCoverage(x, y, scale, 0, 3.0));
            // A mix with nothing of the second colour is the first: the fill's shading is worked out only where
            // it shows.
            const double inner = RoundedSquareCoverage(x, y, scale, 1, 2.0);
            if (inner > 0) c = Mix(c, FillColour(look, (x + 0.5) / scale - 0.5, (y + 0.5) / scale - 0.5), inner);
            c = Mix(c, look.glyph, GlyphCoverage(set, x, y, scale));
            b.Set(x, y, c);
        }
    }
    return b;
}
}  // namespace

int CaptionButtonSize(double scale) {
    return ui::ScaledPixels(kSize, scale);
}

Bitmap CaptionButtonImage(CaptionImageSet set, int index, double scale) {
    // Every framed window shows several of them and redraws one at each change of state or activation: each is
    // drawn once at the screen's scale (they weigh 1.7 KB each at 96 DPI, 88 KB all 51).
    static std::array<std::array<Bitmap, 15>, 4> drawn;
    static double drawnScale = 1;
    if (index < 0 || index >= CaptionImageCount(set)) return Bitmap();
    if (scale != drawnScale) drawn = {}, drawnScale = scale;
    Bitmap& picture = drawn[static_cast<size_t>(set)][static_cast<size_t>(index)];
    if (picture.Empty()) picture = DrawCaptionButtonImage(set, index, scale);
    return picture;
}

}  // namespace plivant
