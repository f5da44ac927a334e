// The frame pieces of the three colour schemes, drawn by code.
//
// Every scheme is one palette: a 1-pixel outline round the window, the title bar's vertical gradient and the
// cross-section of the 4-pixel edges. The pieces are cut from that palette so that they meet without seams
// wherever the frame places them, and the stretched pieces repeat one cross-section along their length.
// At a larger scale the pieces are drawn at their size on the screen: the gradient is read between its rows, and the
// outline and the edge's cross-section keep whole pixels (each band of the cross-section is as wide as a pixel is
// now; the 1-pixel outline as many pixels as the scale rounded up).
#include "art/ThemeXArt.h"
#include "ui/Types.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/BitmapDrawing.h"

namespace plivant {

namespace {

using ui::Bitmap;
using ui::Mix;
using ui::Rgb;

constexpr int kTitleHeight = 30;
constexpr int kEdge = 4;

// A pixel at the scale: the design's pixel (band) it lies in, and its centre in the design's pixels.
int Band(int pixel, double scale) {
    return static_cast<int>(pixel / scale);
}
double At(int pixel, double scale) {
    return (pixel + 0.5) / scale - 0.5;
}
int Scaled(int design, double scale) {
    return ui::ScaledPixels(design, scale);
}

struct Key {
    int row;
    Rgb colour;
};

struct Palette {
    Rgb outline;
    std::array<Key, 8> title;  // rows 1..29, row 0 is the outline
    // Cross-sections from the outside in: the light edge is on the left, the shaded ones on the right and bottom.
    Rgb light, body, shade, inner;
    double sideGlow;  // how much lighter the title's ends are next to the outline
};

// Index: 2 × scheme + (1 when inactive), the element numbering of the theme control.
// clang-format off
constexpr std::array<Palette, 6> kPalettes{{
    // blue, active
    {0x0831D9,
     {{{1, 0x4D9BFF}, {2, 0x3A8EFF}, {4, 0x1F76F7}, {7, 0x0B62EC}, {16, 0x0559E6}, {24, 0x004FDD}, {28, 0x0046D4},
       {29, 0x003FC8}}},
     0x2A78F4, 0x0855DD, 0x0348D2, 0x0A3FC0, 0.22},
    // blue, inactive
    {0x6A7FD0,
     {{{1, 0xC9D8FA}, {2, 0xB8CBF7}, {4, 0xA5BBF1}, {7, 0x96AEEC}, {16, 0x8DA7E9}, {24, 0x839EE4}, {28, 0x7A94DE},
       {29, 0x718BD7}}},
     0xA6BBF0, 0x8AA4E8, 0x7F98E0, 0x7088D6, 0.22},
    // olive green, active
    {0x5F7339,
     {{{1, 0xE4EBCB}, {2, 0xD2DDAF}, {4, 0xBBCA91}, {7, 0xA8BA79}, {16, 0x9DB06C}, {24, 0x93A762}, {28, 0x899D58},
       {29, 0x7D914C}}},
     0xB8C89A, 0x98AC68, 0x8A9E59, 0x7A8E4A, 0.22},
    // olive green, inactive
    {0xA2AF83,
     {{{1, 0xF6F8EE}, {2, 0xEEF2E0}, {4, 0xE4EAD1}, {7, 0xDAE2C3}, {16, 0xD3DCBA}, {24, 0xCDD6B2}, {28, 0xC6CFAA},
       {29, 0xBCC6A0}}},
     0xE3E9CF, 0xD0D9B6, 0xC7D0AB, 0xBAC49E, 0.22},
    // silver, active
    {0x8485A0,
     {{{1, 0xFFFFFF}, {2, 0xF2F2F7}, {4, 0xE2E2EB}, {8, 0xD3D3E0}, {16, 0xC8C8D8}, {24, 0xC2C2D3}, {28, 0xB5B5C9},
       {29, 0xA0A0B8}}},
     0xE4E4EC, 0xC8C8D8, 0xB5B5C9, 0x9C9CB4, 0.3},
    // silver, inactive
    {0xB5B6C8,
     {{{1, 0xFFFFFF}, {2, 0xFBFBFD}, {4, 0xF6F6F9}, {7, 0xF1F1F5}, {16, 0xECECF2}, {24, 0xE6E6EE}, {28, 0xDEDEE8},
       {29, 0xD2D2DE}}},
     0xF7F7FA, 0xE9E9EF, 0xE0E0E8, 0xCACAD8, 0.3},
}};
// clang-format on

struct Sizes {
    std::array<int, 6> width;
    std::array<int, 6> height;
};

// Image1..Image8: title middle, title left end, title right end, left edge, right edge, bottom edge,
// bottom-right corner, bottom-left corner.
constexpr std::array<Sizes, 8> kSizes{{
    {{1, 63, 28, 35, 15, 16}, {30, 30, 30, 30, 30, 30}},
    {{10, 10, 11, 11, 15, 15}, {30, 30, 30, 30, 30, 30}},
    {{10, 10, 13, 15, 16, 14}, {30, 30, 30, 30, 30, 30}},
    {{4, 4, 4, 4, 4, 4}, {1, 182, 18, 16, 11, 7}},
    {{4, 4, 4, 4, 4, 4}, {1, 140, 23, 15, 9, 8}},
    {{1, 82, 13, 11, 6, 5}, {4, 4, 4, 4, 4, 4}},
    {{4, 4, 4, 4, 4, 4}, {4, 4, 4, 4, 4, 4}},
    {{4, 4, 4, 4, 4, 4}, {4, 4, 4, 4, 4, 4}},
}};

// The window region cuts this many pixels off each end of the first five rows, rounding the top corners.
constexpr std::array<int, 5> kCornerCut{5, 3, 2, 1, 1};

// The bar's colour on a pixel row at the scale.
Rgb TitleRow(const Palette& p, int y, double scale) {
    if (Band(y, scale) <= 0) return p.outline;
    const double row = At(y, scale);
    const auto& keys = p.title;
    if (row <= keys.front().row) return keys.front().colour;
    for (size_t i = 1; i < keys.size(); ++i) {
        if (row <= keys[i].row) {
            double t = (row - keys[i - 1].row) / (keys[i].row - keys[i - 1].row);
            return Mix(keys[i - 1].colour, keys[i].colour, t);
        }
    }
    return keys.back().colour;
}

std::array<Rgb, kEdge> LeftEdge(const Palette& p) {
    return {p.outline, p.light, p.body, p.inner};
}
std::array<Rgb, kEdge> RightEdge(const Palette& p) {
    return {p.inner, p.body, p.shade, p.outline};
}
std::array<Rgb, kEdge> BottomEdge(const Palette& p) {
    return {p.inner, p.body, p.shade, p.outline};
}

Bitmap TitleMiddle(const Palette& p, int width, double scale) {
    const int height = Scaled(kTitleHeight, scale);
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y) ui::FillRect(b, 0, y, width, 1, TitleRow(p, y, scale));
    return b;
}

// The left end, drawn with x counted from the outer side; the right end is the same drawing mirrored with its
// own edge underneath. The outline follows the region's rounded corner; next to it the bar is a little lighter,
// fading to the middle piece's colours at the inner column; the last rows turn into the edge's cross-section.
Bitmap TitleEnd(const Palette& p, int design, const std::array<Rgb, kEdge>& edgeOutsideIn, bool mirrored,
                double scale) {
    const int width = Scaled(design, scale), height = Scaled(kTitleHeight, scale);
    const int outline = static_cast<int>(std::ceil(scale));
    Bitmap b(width, height);
    constexpr int kBlendRows = 4;
    for (int y = 0; y < height; ++y) {
        const int first = ThemeXCornerCut(y, scale);
        const bool corner = Band(y, scale) < static_cast<int>(kCornerCut.size());
        Rgb bar = TitleRow(p, y, scale);
        for (int x = 0; x < width; ++x) {
            Rgb c;
            if (Band(y, scale) == 0 || x < first + outline) {
                c = p.outline;  // also the pixels the region cuts away: never seen on a shaped window
            } else {
                double fade = 1.0 - (At(x, scale) - 1) / (design - 2);
                c = ui::Lighter(bar, p.sideGlow * fade * fade);
                if (x == first + outline && corner) c = Mix(p.outline, c, 0.5);  // softens the rounded corner's steps
                int fromBottom = Band(height - 1 - y, scale);
                if (Band(x, scale) < kEdge && fromBottom < kBlendRows)
                    c = Mix(c, edgeOutsideIn[static_cast<size_t>(Band(x, scale))],
                            static_cast<double>(kBlendRows - fromBottom) / kBlendRows);
            }
            b.Set(mirrored ? width - 1 - x : x, y, c);
        }
    }
    return b;
}

// The edges' cross-section across their width at the scale, one band per design pixel.
Rgb Across(const std::array<Rgb, kEdge>& bands, int pixel, double scale) {
    return bands[static_cast<size_t>(std::min(Band(pixel, scale), kEdge - 1))];
}

Bitmap VerticalEdge(const std::array<Rgb, kEdge>& columns, int height, double scale) {
    Bitmap b(Scaled(kEdge, scale), height);
    for (int x = 0; x < b.Width(); ++x) ui::FillRect(b, x, 0, 1, height, Across(columns, x, scale));
    return b;
}

Bitmap HorizontalEdge(const std::array<Rgb, kEdge>& rows, int width, double scale) {
    Bitmap b(width, Scaled(kEdge, scale));
    for (int y = 0; y < b.Height(); ++y) ui::FillRect(b, 0, y, width, 1, Across(rows, y, scale));
    return b;
}

// A mitred corner: each pixel takes the cross-section of whichever edge, side or bottom, it lies nearer the
// outside of.
Bitmap BottomCorner(const Palette& p, bool right, double scale) {
    const int size = Scaled(kEdge, scale);
    Bitmap b(size, size);
    auto side = right ? RightEdge(p) : LeftEdge(p);
    auto bottom = BottomEdge(p);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int toSide = Band(right ? size - 1 - x : x, scale);
            int toBottom = Band(size - 1 - y, scale);
            b.Set(x, y, toSide < toBottom ? Across(side, x, scale) : Across(bottom, y, scale));
        }
    }
    return b;
}

}  // namespace

int ThemeXCornerCut(int row, double scale) {
    const size_t band = static_cast<size_t>(Band(row, scale));
    return band < kCornerCut.size() ? Scaled(kCornerCut[band], scale) : 0;
}

Bitmap ThemeXPicture(int array, int element, double scale) {
    if (array < 1 || array > 8 || element < 0 || element > 5) return Bitmap();
    const Palette& p = kPalettes[static_cast<size_t>(element)];
    const Sizes& s = kSizes[static_cast<size_t>(array - 1)];
    int w = s.width[static_cast<size_t>(element)];
    int h = Scaled(s.height[static_cast<size_t>(element)], scale);
    switch (array) {
        case 1:
            return TitleMiddle(p, Scaled(w, scale), scale);
        case 2:
            return TitleEnd(p, w, LeftEdge(p), false, scale);
        case 3: {
            auto edge = RightEdge(p);
            std::reverse(edge.begin(), edge.end());  // outside in
            return TitleEnd(p, w, edge, true, scale);
        }
        case 4:
            return VerticalEdge(LeftEdge(p), h, scale);
        case 5:
            return VerticalEdge(RightEdge(p), h, scale);
        case 6:
            return HorizontalEdge(BottomEdge(p), Scaled(w, scale), scale);
        case 7:
            return BottomCorner(p, true, scale);
        default:
            return BottomCorner(p, false, scale);
    }
}

Rgb ThemeXTitleColour(int scheme, bool active, int row, double scale) {
    int element = std::clamp(scheme, 0, 2) * 2 + (active ? 0 : 1);
    return TitleRow(kPalettes[static_cast<size_t>(element)], std::clamp(row, 0, Scaled(kTitleHeight, scale) - 1),
                    scale);
}

}  // namespace plivant
