// plivant_icon: writes the program's icon file, drawn by the same code as the main window's icon.
// Usage: plivant_icon OUTPUT.ico
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>

// zlib's best compression packs the icon's images about a third smaller than stb's own deflate, and the icon is
// a good part of the program file. The result is freed by stb with free().
namespace {
unsigned char* Deflate(unsigned char* data, int length, int* outLength, int /*quality*/) {
    uLongf size = compressBound(static_cast<uLong>(length));
    auto* out = static_cast<unsigned char*>(std::malloc(size));
    if (out == nullptr || compress2(out, &size, data, static_cast<uLong>(length), Z_BEST_COMPRESSION) != Z_OK) {
        std::free(out);
        return nullptr;
    }
    *outLength = static_cast<int>(size);
    return out;
}
}  // namespace
#define STBIW_ZLIB_COMPRESS Deflate
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "tools/icon/IconFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
        return 2;
    }
    try {
        std::vector<plivant::IconArt> images;
        for (int pixels : {16, 24, 32, 48, 256}) images.push_back(plivant::ProgramIcon(pixels));
        const auto bytes = plivant::tools::IconFile(images);
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) throw std::runtime_error("cannot write the file");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1], e.what());
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
