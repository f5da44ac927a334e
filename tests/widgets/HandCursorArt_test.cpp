// The hand pointer: size, hot spot on the fingertip, a closed black outline round the white fill, transparent
// elsewhere.
#include "widgets/HandCursorArt.h"

#include <gtest/gtest.h>

namespace plivant {
namespace {

TEST(HandCursorArt, HotSpotAtTheFingertipAndAnOutlineClosingTheFill) {
    const CursorArt hand = HandPointer();
    ASSERT_EQ(hand.colour.Width() * 100 + hand.colour.Height(), 3232);
    ASSERT_EQ(hand.transparent.size(), 32u * 32u);
    EXPECT_EQ(std::pair(hand.hotX, hand.hotY), std::pair(6, 8));
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < 32 && y < 32 && !hand.transparent[static_cast<size_t>(y * 32 + x)];
    };
    EXPECT_EQ(std::pair(hand.colour.At(6, 8), hand.colour.At(6, 9)), std::pair(0x000000u, 0xFFFFFFu));
    int white = 0, black = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!opaque(x, y)) continue;
            EXPECT_GE(y, 8) << "the fingertip is the top of the pointer";
            const ui::Rgb c = hand.colour.At(x, y);
            ASSERT_TRUE(c == 0x000000u || c == 0xFFFFFFu) << x << "," << y;
            if (c == 0x000000u) {
                ++black;
                continue;
            }
            ++white;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                EXPECT_TRUE(opaque(x + dx, y + dy)) << "fill touches the transparent area at " << x << "," << y;
        }
    }
    EXPECT_GT(white, 100) << "a hand, not a sliver";
    EXPECT_GT(black, 40);
    EXPECT_FALSE(opaque(0, 31) || opaque(31, 31));
}

}  // namespace
}  // namespace plivant
