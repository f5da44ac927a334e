// The hand pointer: size, hot spot on the fingertip, a closed outline round the fill, transparent elsewhere.
#include "widgets/HandCursorArt.h"

#include <gtest/gtest.h>

namespace plivant {
namespace {

TEST(HandCursorArt, SizeAndHotSpotAtTheFingertip) {
    CursorArt hand = HandPointer();
    ASSERT_EQ(hand.colour.Width(), 32);
    ASSERT_EQ(hand.colour.Height(), 32);
    ASSERT_EQ(hand.transparent.size(), 32u * 32u);
    EXPECT_EQ(hand.hotX, 6);
    EXPECT_EQ(hand.hotY, 8);
    auto opaque = [&](int x, int y) { return !hand.transparent[static_cast<size_t>(y * 32 + x)]; };
    EXPECT_TRUE(opaque(6, 8));
    EXPECT_EQ(hand.colour.At(6, 8), 0x000000u);
    EXPECT_EQ(hand.colour.At(6, 9), 0xFFFFFFu) << "the finger is filled just under its tip";
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) EXPECT_FALSE(opaque(x, y)) << x << "," << y;
    // The fingertip is the top of the pointer: nothing above the hot spot's row.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x) EXPECT_FALSE(opaque(x, y)) << x << "," << y;
}

TEST(HandCursorArt, OutlineClosesTheWhiteFill) {
    CursorArt hand = HandPointer();
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < 32 && y < 32 && !hand.transparent[static_cast<size_t>(y * 32 + x)];
    };
    int white = 0, black = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!opaque(x, y)) continue;
            ui::Rgb c = hand.colour.At(x, y);
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
}

}  // namespace
}  // namespace plivant
