// The hand pointer, drawn from a pixel map.
#include "widgets/HandCursorArt.h"
#include "ui/Types.h"

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

CursorArt HandPointer(double scale) {
    // Each pixel of the map covers the pixels of the larger pointer whose centres fall on it.
    const auto scaled = [scale](int n) { return ui::ScaledPixels(n, scale); };
    const int size = scaled(kSize);
    CursorArt art{ui::Bitmap(size, size, 0x000000), std::vector<bool>(static_cast<size_t>(size * size), true),
                  scaled(kHotX), scaled(kHotY)};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const auto row = static_cast<size_t>((y + 0.5) / scale) - kHotY,
                       col = static_cast<size_t>((x + 0.5) / scale);
            const char c = row < kHand.size() && col < kHand[row].size() ? kHand[row][col] : ' ';
            if (c == ' ') continue;
            art.colour.Set(x, y, c == '#' ? 0x000000 : 0xFFFFFF);
            art.transparent[static_cast<size_t>(y * size + x)] = false;
        }
    }
    return art;
}

}  // namespace plivant
