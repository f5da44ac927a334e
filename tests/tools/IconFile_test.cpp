// The icon file writer: what a reader of the .ico format gets back is each image as drawn, at its size, with
// its transparency (the program file's icon is checked at every size under Wine).
#include "tools/icon/IconFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace plivant::tools {
namespace {

uint32_t Read16(const std::vector<uint8_t>& f, size_t at) {
    return f.at(at) | (f.at(at + 1) << 8);
}
uint32_t Read32(const std::vector<uint8_t>& f, size_t at) {
    return Read16(f, at) | (Read16(f, at + 2) << 16);
}

// Decodes entry i the way the system does: a DIB of colours bottom-up followed by the AND mask.
IconArt Decode(const std::vector<uint8_t>& file, size_t i, bool* maskAgrees) {
    const size_t entry = 6 + 16 * i;
    const uint32_t size = Read32(file, entry + 8), offset = Read32(file, entry + 12);
    EXPECT_LE(offset + size, file.size());
    EXPECT_EQ(Read16(file, entry + 6), 32u);
    IconArt art;
    const int n = static_cast<int>(Read32(file, offset + 4));
    EXPECT_EQ(Read32(file, offset + 8), static_cast<uint32_t>(2 * n));
    const size_t pixels = offset + 40, mask = pixels + static_cast<size_t>(n * n * 4), stride = (n + 31) / 32 * 4;
    EXPECT_EQ(mask + stride * n, offset + size);
    art.colour = ui::Bitmap(n, n);
    art.alpha.assign(static_cast<size_t>(n * n), 0);
    *maskAgrees = true;
    for (int row = 0; row < n; ++row) {
        const int y = n - 1 - row;
        for (int x = 0; x < n; ++x) {
            const size_t p = pixels + static_cast<size_t>((row * n + x) * 4);
            art.colour.Set(x, y, (file[p + 2] << 16) | (file[p + 1] << 8) | file[p]);
            art.alpha[static_cast<size_t>(y * n + x)] = file[p + 3];
            const bool transparent = file[mask + row * stride + x / 8] & (0x80 >> (x % 8));
            if (transparent != (file[p + 3] == 0)) *maskAgrees = false;
        }
    }
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

// Sizes of 1 to 255 pixels, written as a DIB with its AND mask, read back as written; 256 pixels are stored as a PNG
// (the program file's icon of that size is checked as the system draws it, under Wine).
TEST(IconFile, EveryImageReadsBackAsDrawn) {
    const std::vector<IconArt> images{Pattern(1), Pattern(17), Pattern(33), Pattern(255), Pattern(256)};
    const auto file = IconFile(images);
    ASSERT_GE(file.size(), 6u);
    ASSERT_EQ(std::tuple(Read16(file, 0), Read16(file, 2), Read16(file, 4)), std::tuple(0u, 1u, images.size()));
    for (size_t i = 0; i < 4; ++i) {
        const int n = images[i].colour.Width();
        bool maskAgrees = false;
        const IconArt back = Decode(file, i, &maskAgrees);
        EXPECT_EQ(std::tuple(file[6 + 16 * i], back.colour, back.alpha, maskAgrees),
                  std::tuple(n, images[i].colour, images[i].alpha, true))
            << n << " pixels (the AND mask marks exactly the clear pixels)";
    }
    const uint32_t png = Read32(file, 6 + 16 * 4 + 12);
    EXPECT_EQ(std::tuple(file[6 + 16 * 4], std::string(file.begin() + png + 1, file.begin() + png + 4)),
              std::tuple(0, "PNG"));
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
