// The toolkit's value types: stored colours (blue-green-red, system colour references), fonts, mouse pointers,
// scale modes.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Bitmap.h"

namespace plivant::ui {

// A length of the 96-DPI design in whole pixels at a display scale.
inline int ScaledPixels(double design, double scale) {
    return static_cast<int>(std::lround(design * scale));
}

// A stored colour: 0x00BBGGRR, or a system colour reference (top bit set, index in the low byte).
using OleColor = uint32_t;

inline constexpr OleColor kButtonFace = 0x8000000F;
inline constexpr OleColor kMenuColour = 0x80000004;
inline constexpr OleColor kWindowBackground = 0x80000005;
inline constexpr OleColor kWindowText = 0x80000008;
inline constexpr OleColor kButtonText = 0x80000012;

inline constexpr bool IsSystemColour(OleColor c) {
    return (c & 0x80000000u) != 0;
}
// 0xBBGGRR <-> 0xRRGGBB, for colours that are not system colour references.
inline constexpr Rgb RgbOf(OleColor c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline constexpr OleColor OleOf(Rgb c) {
    return RgbOf(c);
}

struct Font {
    std::string name = "MS Sans Serif";
    float size = 8.25f;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Mouse pointers by the platform's standard numbers.
enum class MousePointer : int16_t {
    Default = 0,
    Arrow = 1,
    Cross = 2,
    IBeam = 3,
    SizeNESW = 6,
    SizeNS = 7,
    SizeNWSE = 8,
    SizeWE = 9,
    UpArrow = 10,
    Hourglass = 11,
    NoDrop = 12,
    Custom = 99,
};

// A custom pointer image: colours, which pixels are transparent, and the hot spot.
struct CursorImage {
    Bitmap colour;
    std::vector<bool> transparent;  // row by row, one per pixel
    int hotX = 0;
    int hotY = 0;
    bool Empty() const { return colour.Empty(); }
    friend bool operator==(const CursorImage&, const CursorImage&) = default;
};

// A form's border, by the documented values; fixed when the window is made.
enum class FormBorderStyle : int16_t { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };
// A form's window state.
enum class FormWindowState : int16_t { Normal = 0, Minimized = 1, Maximized = 2 };
// The border of a label or picture box.
enum class ControlBorderStyle : int16_t { None = 0, FixedSingle = 1 };
// How a caption lies in its control.
enum class TextAlignment : int16_t { Left = 0, Right = 1, Center = 2 };

// How a container measures its children.
enum class ScaleMode : int16_t { Twips = 1, Pixels = 3 };

// The twips per pixel at the standard resolution, used where a fixed factor is wanted.
inline constexpr int kFixedTwipsPerPixel = 15;

struct SizeTwips {
    float width = 0;
    float height = 0;
};

}  // namespace plivant::ui
