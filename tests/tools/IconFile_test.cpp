// The icon file writer refuses what the format cannot hold. What it writes is checked at every size of the program
// file's icon, as the system draws it, under Wine.
#include "tools/icon/IconFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace plivant::tools {
namespace {

IconArt Solid(int n) {
    return {ui::Bitmap(n, n), std::vector<uint8_t>(static_cast<size_t>(n * n), 255)};
}

TEST(IconFile, RefusesImagesItCannotStore) {
    IconArt shortAlpha = Solid(16);
    shortAlpha.alpha.pop_back();
    for (const IconArt& image :
         {IconArt{}, IconArt{ui::Bitmap(16, 15), std::vector<uint8_t>(240, 255)}, Solid(257), shortAlpha})
        EXPECT_THROW(IconFile({image}), std::invalid_argument);
    EXPECT_EQ(IconFile({Solid(1), Solid(256)}).at(4), 2);  // the smallest and the largest, counted
}

}  // namespace
}  // namespace plivant::tools
