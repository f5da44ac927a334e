// plivant_icon: writes the program's icon file, drawn by the same code as the main window's icon.
// Usage: plivant_icon OUTPUT.ico
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cstdio>
#include <exception>
#include <fstream>

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
