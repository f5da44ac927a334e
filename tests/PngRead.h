// Reads a PNG file back into a portable bitmap, for tests that check what was written. stb's loader is
// compiled once, in the test of the paint helpers.
#pragma once
#include <stb/stb_image.h>

#include <string>

#include "ui/Bitmap.h"
#include "ui/Paint.h"

namespace plivant::test {

// An empty bitmap when the file cannot be read.
inline ui::Bitmap ReadPngFile(const std::string& path) {
    int w = 0, h = 0, channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &w, &h, &channels, 3);
    if (data == nullptr) return ui::Bitmap();
    ui::Bitmap b(w, h);
    const unsigned char* p = data;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x, p += 3) b.Set(x, y, ui::MakeRgb(p[0], p[1], p[2]));
    }
    stbi_image_free(data);
    return b;
}

}  // namespace plivant::test
