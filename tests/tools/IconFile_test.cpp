// The icon file writer: what a reader of the .ico format gets back is each image as drawn, at its size, with
// its transparency (the program file's icon is checked at every size under Wine).
#include "tools/icon/IconFile.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <stdexcept>

namespace plivant::tools {
namespace {

uint32_t Read16(const std::vector<uint8_t>& f, size_t at) {
    return f.at(at) | (f.at(at + 1) << 8);
}
uint32_t Read32(const std::vector<uint8_t>& f, size_t at) {
    return Read16(f, at) | (Read16(f, at + 2) << 16);
}

// Decodes entry i, which must be a PNG.
IconArt Decode(const std::vector<uint8_t>& file, size_t i) {
    const size_t entry = 6 + 16 * i;
    const uint32_t size = Read32(file, entry + 8), offset = Read32(file, entry + 12);
    EXPECT_LE(offset + size, file.size());
    EXPECT_EQ(Read16(file, entry + 6), 32u);
    IconArt art;
    int w = 0, h = 0, channels = 0;
    unsigned char* rgba = stbi_load_from_memory(file.data() + offset, static_cast<int>(size), &w, &h, &channels, 4);
    EXPECT_NE(rgba, nullptr) << stbi_failure_reason();
    if (!rgba) return art;
    art.colour = ui::Bitmap(w, h);
    for (int p = 0; p < w * h; ++p) {
        art.colour.Set(p % w, p / w, (rgba[4 * p] << 16) | (rgba[4 * p + 1] << 8) | rgba[4 * p + 2]);
        art.alpha.push_back(rgba[4 * p + 3]);
    }
    stbi_image_free(rgba);
    return art;
}

// Every pixel different, alpha running through 0 and 255.
IconArt Pattern(int n) {
    IconArt art{ui::Bitmap(n, n), {}};
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            art.colour.Set(x, y, static_cast<ui::Rgb>((x * 7919 + y * 104729) & 0xFFFFFF));
            art.alpha.push_back(static_cast<uint8_t>((x + 3 * y) % 256));
        }
    }
    return art;
}

// Sizes of 1 to 256 pixels, each read back as written (the directory stores 256 as 0).
TEST(IconFile, EveryImageReadsBackAsDrawn) {
    const std::vector<IconArt> images{Pattern(1), Pattern(17), Pattern(33), Pattern(255), Pattern(256)};
    const auto file = IconFile(images);
    ASSERT_GE(file.size(), 6u);
    ASSERT_EQ(std::tuple(Read16(file, 0), Read16(file, 2), Read16(file, 4)), std::tuple(0u, 1u, images.size()));
    for (size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].colour.Width();
        const IconArt back = Decode(file, i);
        EXPECT_EQ(std::tuple(file[6 + 16 * i], back.colour, back.alpha),
                  std::tuple(n == 256 ? 0 : n, images[i].colour, images[i].alpha))
            << n << " pixels";
    }
}

TEST(IconFile, RefusesImagesItCannotStore) {
    IconArt shortAlpha = Pattern(16);
    shortAlpha.alpha.pop_back();
    const IconArt refused[] = {IconArt{}, IconArt{ui::Bitmap(16, 15), std::vector<uint8_t>(240, 255)}, Pattern(257),
                               shortAlpha};
    for (const IconArt& image : refused) EXPECT_THROW(IconFile({image}), std::invalid_argument);
}

}  // namespace
}  // namespace plivant::tools
