// The .ico writer. stb's PNG writer is compiled by whoever links this (the icon tool, or the tests' PNG helper).
#include "tools/icon/IconFile.h"

#include <stb_image_write.h>

#include <stdexcept>

#include "ui/BitmapDrawing.h"

namespace plivant::tools {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void Check(const IconArt& image) {
    const int n = image.colour.Width();
    if (n < 1 || n > 256 || image.colour.Height() != n) throw std::invalid_argument("icon images are square, 1 to 256");
    if (image.alpha.size() != static_cast<size_t>(n) * static_cast<size_t>(n)) {
        throw std::invalid_argument("icon alpha must cover every pixel");
    }
}

void Append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

std::vector<uint8_t> PngEntry(const IconArt& image) {
    const int n = image.colour.Width();
    std::vector<uint8_t> rgba;
    rgba.reserve(static_cast<size_t>(n * n * 4));
    for (size_t i = 0; i < image.alpha.size(); ++i) {
        const ui::Rgb c = image.colour.Pixels()[i];
        rgba.insert(rgba.end(), {static_cast<uint8_t>(ui::Red(c)), static_cast<uint8_t>(ui::Green(c)),
                                 static_cast<uint8_t>(ui::Blue(c)), image.alpha[i]});
    }
    std::vector<uint8_t> out;
    if (!stbi_write_png_to_func(Append, &out, n, n, 4, rgba.data(), n * 4)) throw std::runtime_error("PNG failed");
    return out;
}

}  // namespace

std::vector<uint8_t> IconFile(const std::vector<IconArt>& images) {
    std::vector<std::vector<uint8_t>> entries;
    for (const IconArt& image : images) {
        Check(image);
        entries.push_back(PngEntry(image));
    }
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // icon, not cursor
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].colour.Width();
        out.push_back(static_cast<uint8_t>(n == 256 ? 0 : n));  // a directory entry stores 1..255, and 0 for 256
        out.push_back(static_cast<uint8_t>(n == 256 ? 0 : n));
        out.push_back(0);  // no palette
        out.push_back(0);
        Put16(out, 1);   // planes
        Put16(out, 32);  // bits per pixel
        Put32(out, static_cast<uint32_t>(entries[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(entries[i].size());
    }
    for (const auto& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
    return out;
}

}  // namespace plivant::tools
