// The Windows icon file format: one file holding the program's icon at several sizes, for the program file's
// resources, the installer and the shortcuts.
#pragma once
#include <cstdint>
#include <vector>

#include "art/ProgramArt.h"

namespace plivant::tools {

// The bytes of an .ico file with one image per entry, in the given order, each stored as a PNG: Windows reads PNG
// entries of any size since Vista, and they take a fraction of a bitmap's room in the program file. Throws
// std::invalid_argument for an image that is not square, is larger than 256 pixels, or whose alpha does not cover
// every pixel.
std::vector<uint8_t> IconFile(const std::vector<IconArt>& images);

}  // namespace plivant::tools
