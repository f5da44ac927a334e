// NuvaXPForm's parts share these: the frame's measures and the error rules of its routines.
#pragma once
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "frame/IHostForm.h"
#include "platform/WinConst.h"
#include "ui/Types.h"
#include "util/ErrorPolicy.h"

namespace plivant::nuvaxp {

using Border = ui::FormBorderStyle;
using State = ui::FormWindowState;

// The frame's measures, in pixels at 96 DPI (at another scale, that many times larger) unless they say twips.
constexpr float kTitleHeight = 30;
constexpr float kEdge = 4;
constexpr float kButtonGap = 2;       // between two caption buttons, and the last one and the right edge
constexpr float kStripHeight = 24;    // the menu strip under the title
constexpr float kSeparatorTop = 345;  // twips, in a strip of 360
constexpr ui::OleColor kSeparatorColour = 0xC0C0C0;
// The title icon: its place and size in the design, and its gap to the left edge.
constexpr float kIconDesignLeft = 8, kIconDesignTop = 8, kIconSize = 16;
constexpr float kIconAfterEdge = 2;
// The caption: its gap to the caption button right of it, and its left end after the icon or the edge.
constexpr float kCaptionGap = 10;
constexpr float kCaptionAfterIcon = 3;
constexpr float kCaptionAfterEdge = 2.5f;
// The caption's top: on a 13-pixel line centred in the title, raised by 9 and lowered by the font's size in points.
constexpr float kCaptionLine = 13;
constexpr float kCaptionRaise = 9;
// The client area, in twips: the host's controls lie below the title (and the strip) and inside the edges.
constexpr float kClientLeftTwips = 75;
constexpr float kClientTopTwips = 450;
constexpr float kClientHeightLessTwips = 510;  // the title, the bottom edge and the strip's border
constexpr float kClientWidthLessTwips = 120;   // the two edges
// The menu strip's labels, in twips: the first one's left end and the top of every one; where a label's menu
// opens: right of the label's left end, up from its bottom, and down by the click's or the press's offset.
constexpr float kFirstLabelLeft = 60;
constexpr float kLabelTop = 45;
constexpr float kMenuRight = 60;
constexpr float kMenuUp = 80;
constexpr float kMenuClickOffset = 450;
constexpr float kMenuPressOffset = 480;
constexpr int16_t kLastMenuLabel = 100;  // the label that ends the strip
// Out of every window's way: where the cursor is parked while the skin is applied (pixels).
constexpr int32_t kCursorParking = 9000;
constexpr uint32_t kTopmostFlags = win::kSwpNoSize | win::kSwpNoMove | win::kSwpNoActivate | win::kSwpShowWindow;

// A single handed to a whole-number parameter rounds half to even.
inline int32_t Round(float value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

inline int16_t Checked16(int32_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
        throw LateBoundError("overflow");
    }
    return static_cast<int16_t>(value);
}

// Event values are 16-bit twips: a window too large for them reports the largest value rather than failing.
inline int16_t Saturated16(float twips) {
    const float rounded = std::nearbyint(twips);
    if (rounded > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (rounded < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(rounded);
}

// In the routines that go on after an error, a test whose own evaluation fails counts as passed.
template <typename Test>
bool TestOrTrue(Test test) {
    try {
        return test();
    } catch (...) {
        RecordSwallowed();
        return true;
    }
}

inline int32_t Difference32(int32_t to, int32_t from) {
    const int64_t d = int64_t{to} - int64_t{from};
    if (d < std::numeric_limits<int32_t>::min() || d > std::numeric_limits<int32_t>::max()) {
        throw LateBoundError("overflow");
    }
    return static_cast<int32_t>(d);
}

}  // namespace plivant::nuvaxp
