// The main window's pictures, drawn by code: the program's icon (also the program file's icon, made at build time
// from this same drawing).
#pragma once
#include <cstdint>
#include <vector>

#include "ui/Bitmap.h"

namespace plivant {

// An icon drawn for one size: colours, and per pixel a coverage from 0 (transparent) to 255 (opaque).
struct IconArt {
    ui::Bitmap colour;
    std::vector<uint8_t> alpha;  // row by row, one per pixel
};

// The program's icon at pixels × pixels (16, 24, 32, 48 and 256 are the sizes in use).
IconArt ProgramIcon(int pixels);

}  // namespace plivant
