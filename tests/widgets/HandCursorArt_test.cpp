// The hand pointer: size, hot spot on the fingertip, a closed black outline round the white fill, transparent
// elsewhere.
#include "widgets/HandCursorArt.h"

#include <gtest/gtest.h>

#include <tuple>

namespace plivant {
namespace {

TEST(HandCursorArt, HotSpotAtTheFingertipAndAnOutlineClosingTheFill) {
    const CursorArt hand = HandPointer();
    ASSERT_EQ(std::tuple(hand.colour.Width(), hand.colour.Height(), hand.transparent.size()),
              std::tuple(32, 32, 1024u));
    EXPECT_EQ(std::tuple(hand.hotX, hand.hotY, hand.colour.At(6, 8), hand.colour.At(6, 9)),
              std::tuple(6, 8, 0x000000u, 0xFFFFFFu));
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < 32 && y < 32 && !hand.transparent[static_cast<size_t>(y * 32 + x)];
    };
    int count[2] = {};  // black, white
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!opaque(x, y)) continue;
            const ui::Rgb c = hand.colour.At(x, y);
            ASSERT_TRUE((c == 0x000000u || c == 0xFFFFFFu) && y >= 8) << x << "," << y;  // the fingertip is the top
            ++count[c != 0];
            const bool closed = opaque(x + 1, y) && opaque(x - 1, y) && opaque(x, y + 1) && opaque(x, y - 1);
            EXPECT_TRUE(c == 0 || closed) << "fill touches the transparent area at " << x << "," << y;
        }
    }
    EXPECT_GT(count[1], 100) << "a hand, not a sliver";
    EXPECT_GT(count[0], 40);
    EXPECT_FALSE(opaque(0, 31) || opaque(31, 31));
}

}  // namespace
}  // namespace plivant
