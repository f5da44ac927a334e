// The frame pieces of the three colour schemes, drawn by code.
//
// Every scheme is one palette: a 1-pixel outline round the window, the title bar's vertical gradient and the
// cross-section of the 4-pixel edges. The pieces are cut from that palette so that they meet without seams
// wherever the frame places them, and the stretched pieces repeat one cross-section along their length.
#include "art/ThemeXArt.h"

#include <algorithm>
#include <array>

#include "ui/BitmapDrawing.h"

namespace plivant {

namespace {

using ui::Bitmap;
using ui::Mix;
using ui::Rgb;

constexpr int kTitleHeight = 30;
constexpr int kEdge = 4;

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

Rgb TitleRow(const Palette& p, int row) {
    if (row <= 0) return p.outline;
    const auto& keys = p.title;
    if (row <= keys.front().row) return keys.front().colour;
    for (size_t i = 1; i < keys.size(); ++i) {
        if (row <= keys[i].row) {
            double t = static_cast<double>(row - keys[i - 1].row) / (keys[i].row - keys[i - 1].row);
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

Bitmap TitleMiddle(const Palette& p, int width) {
    Bitmap b(width, kTitleHeight);
    for (int y = 0; y < kTitleHeight; ++y) ui::FillRect(b, 0, y, width, 1, TitleRow(p, y));
    return b;
}

// The left end, drawn with x counted from the outer side; the right end is the same drawing mirrored with its
// own edge underneath. The outline follows the region's rounded corner; next to it the bar is a little lighter,
// fading to the middle piece's colours at the inner column; the last rows turn into the edge's cross-section.
Bitmap TitleEnd(const Palette& p, int width, const std::array<Rgb, kEdge>& edgeOutsideIn, bool mirrored) {
    Bitmap b(width, kTitleHeight);
    constexpr int kBlendRows = 4;
    for (int y = 0; y < kTitleHeight; ++y) {
        int first = y < static_cast<int>(kCornerCut.size()) ? kCornerCut[static_cast<size_t>(y)] : 0;
        Rgb bar = TitleRow(p, y);
        for (int x = 0; x < width; ++x) {
            Rgb c;
            if (y == 0 || x <= first) {
                c = p.outline;  // also the pixels the region cuts away: never seen on a shaped window
            } else {
                double fade = 1.0 - static_cast<double>(x - 1) / (width - 2);
                c = ui::Lighter(bar, p.sideGlow * fade * fade);
                if (x == first + 1 && y < static_cast<int>(kCornerCut.size()))
                    c = Mix(p.outline, c, 0.5);  // softens the steps of the rounded corner
                int fromBottom = kTitleHeight - 1 - y;
                if (x < kEdge && fromBottom < kBlendRows)
                    c = Mix(c, edgeOutsideIn[static_cast<size_t>(x)],
                            static_cast<double>(kBlendRows - fromBottom) / kBlendRows);
            }
            b.Set(mirrored ? width - 1 - x : x, y, c);
        }
    }
    return b;
}

Bitmap VerticalEdge(const std::array<Rgb, kEdge>& columns, int height) {
    Bitmap b(kEdge, height);
    for (int x = 0; x < kEdge; ++x) ui::FillRect(b, x, 0, 1, height, columns[static_cast<size_t>(x)]);
    return b;
}

Bitmap HorizontalEdge(const std::array<Rgb, kEdge>& rows, int width) {
    Bitmap b(width, kEdge);
    for (int y = 0; y < kEdge; ++y) ui::FillRect(b, 0, y, width, 1, rows[static_cast<size_t>(y)]);
    return b;
}

// A mitred corner: each pixel takes the cross-section of whichever edge, side or bottom, it lies nearer the
// outside of.
Bitmap BottomCorner(const Palette& p, bool right) {
    Bitmap b(kEdge, kEdge);
    auto side = right ? RightEdge(p) : LeftEdge(p);
    auto bottom = BottomEdge(p);
    for (int y = 0; y < kEdge; ++y) {
        for (int x = 0; x < kEdge; ++x) {
            int toSide = right ? kEdge - 1 - x : x;
            int toBottom = kEdge - 1 - y;
            b.Set(x, y, toSide < toBottom ? side[static_cast<size_t>(x)] : bottom[static_cast<size_t>(y)]);
        }
    }
    return b;
}

}  // namespace

Bitmap ThemeXPicture(int array, int element) {
    if (array < 1 || array > 8 || element < 0 || element > 5) return Bitmap();
    const Palette& p = kPalettes[static_cast<size_t>(element)];
    const Sizes& s = kSizes[static_cast<size_t>(array - 1)];
    int w = s.width[static_cast<size_t>(element)];
    int h = s.height[static_cast<size_t>(element)];
    switch (array) {
        case 1:
            return TitleMiddle(p, w);
        case 2:
            return TitleEnd(p, w, LeftEdge(p), false);
        case 3: {
            auto edge = RightEdge(p);
            std::reverse(edge.begin(), edge.end());  // outside in
            return TitleEnd(p, w, edge, true);
        }
        case 4:
            return VerticalEdge(LeftEdge(p), h);
        case 5:
            return VerticalEdge(RightEdge(p), h);
        case 6:
            return HorizontalEdge(BottomEdge(p), w);
        case 7:
            return BottomCorner(p, true);
        default:
            return BottomCorner(p, false);
    }
}

Rgb ThemeXTitleColour(int scheme, bool active, int row) {
    int element = std::clamp(scheme, 0, 2) * 2 + (active ? 0 : 1);
    return TitleRow(kPalettes[static_cast<size_t>(element)], std::clamp(row, 0, kTitleHeight - 1));
}

}  // namespace plivant
