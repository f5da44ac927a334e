// The icon file writer: what a reader of the .ico format gets back is each image as drawn, at its size, with
// its transparency, and the program's icon makes a file of the five sizes in use.
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

// Decodes entry i the way the system does: a PNG, or a DIB of colours bottom-up followed by the AND mask.
IconArt Decode(const std::vector<uint8_t>& file, size_t i, bool* maskAgrees) {
    const size_t entry = 6 + 16 * i;
    const uint32_t size = Read32(file, entry + 8), offset = Read32(file, entry + 12);
    EXPECT_LE(offset + size, file.size());
    EXPECT_EQ(Read16(file, entry + 6), 32u);
    const uint8_t* data = file.data() + offset;
    IconArt art;
    if (size >= 8 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G') {
        int w = 0, h = 0, channels = 0;
        unsigned char* rgba = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &channels, 4);
        EXPECT_NE(rgba, nullptr);
        if (!rgba) return art;
        art.colour = ui::Bitmap(w, h);
        for (int p = 0; p < w * h; ++p) {
            art.colour.Set(p % w, p / w, (rgba[4 * p] << 16) | (rgba[4 * p + 1] << 8) | rgba[4 * p + 2]);
            art.alpha.push_back(rgba[4 * p + 3]);
        }
        stbi_image_free(rgba);
        *maskAgrees = true;
        return art;
    }
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

void ExpectRoundTrip(const std::vector<IconArt>& images) {
    const auto file = IconFile(images);
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(Read16(file, 0), 0u);
    EXPECT_EQ(Read16(file, 2), 1u);
    ASSERT_EQ(Read16(file, 4), images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].colour.Width();
        EXPECT_EQ(file[6 + 16 * i], n == 256 ? 0 : n) << "entry " << i;
        bool maskAgrees = false;
        const IconArt back = Decode(file, i, &maskAgrees);
        EXPECT_EQ(back.colour, images[i].colour) << n << " pixels";
        EXPECT_EQ(back.alpha, images[i].alpha) << n << " pixels";
        EXPECT_TRUE(maskAgrees) << n << " pixels: the AND mask marks exactly the clear pixels";
    }
}

TEST(IconFile, EveryImageReadsBackAsDrawn) {
    ExpectRoundTrip({Pattern(1), Pattern(17), Pattern(33), Pattern(255), Pattern(256)});
}

TEST(IconFile, TheProgramIconAtTheSizesInUse) {
    std::vector<IconArt> images;
    for (int n : {16, 24, 32, 48, 256}) images.push_back(ProgramIcon(n));
    ExpectRoundTrip(images);
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
