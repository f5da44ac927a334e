// Writes a portable bitmap as a PNG file through stb's image writer.
#include "ui/sim/PngFile.h"

#include <cstdint>
#include <vector>

#include "ui/BitmapDrawing.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace plivant::ui {

bool WritePngFile(const Bitmap& bitmap, const std::string& path) {
    if (bitmap.Empty()) return false;
    std::vector<uint8_t> rgb;
    rgb.reserve(bitmap.Pixels().size() * 3);
    for (Rgb c : bitmap.Pixels()) {
        rgb.push_back(static_cast<uint8_t>(Red(c)));
        rgb.push_back(static_cast<uint8_t>(Green(c)));
        rgb.push_back(static_cast<uint8_t>(Blue(c)));
    }
    return stbi_write_png(path.c_str(), bitmap.Width(), bitmap.Height(), 3, rgb.data(), bitmap.Width() * 3) != 0;
}

}  // namespace plivant::ui
