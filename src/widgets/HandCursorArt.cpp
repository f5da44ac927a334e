// The hand pointer, drawn from a pixel map.
#include "widgets/HandCursorArt.h"

#include <array>
#include <string_view>

namespace plivant {

namespace {

constexpr int kSize = 32;
constexpr int kHotX = 6;
constexpr int kHotY = 8;

// '#' outline, '.' fill, blank transparent. The top of the index finger is the hot spot.
constexpr std::array<std::string_view, 22> kHand{
    "      ##          ",  //
    "     #..#         ",  //
    "     #..#         ",  //
    "     #..#         ",  //
    "     #..#         ",  //
    "     #..###       ",  //
    "     #..#..###    ",  //
    "     #..#..#..##  ",  //
    "     #..#..#..#.# ",  //
    "  ## #..#..#..#..#",  //
    " #..##...........#",  //
    " #...#...........#",  //
    "  #..#...........#",  //
    "   #.............#",  //
    "   #.............#",  //
    "    #............#",  //
    "    #...........# ",  //
    "     #..........# ",  //
    "     #..........# ",  //
    "      #........#  ",  //
    "      #........#  ",  //
    "      ##########  ",  //
};

}  // namespace

CursorArt HandPointer() {
    CursorArt art{ui::Bitmap(kSize, kSize, 0x000000), std::vector<bool>(kSize * kSize, true), kHotX, kHotY};
    for (size_t row = 0; row < kHand.size(); ++row) {
        for (size_t col = 0; col < kHand[row].size(); ++col) {
            char c = kHand[row][col];
            if (c == ' ') continue;
            int x = static_cast<int>(col);
            int y = kHotY + static_cast<int>(row);
            art.colour.Set(x, y, c == '#' ? 0x000000 : 0xFFFFFF);
            art.transparent[static_cast<size_t>(y * kSize + x)] = false;
        }
    }
    return art;
}

}  // namespace plivant
