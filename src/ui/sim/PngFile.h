// Writes a portable bitmap as a PNG file, for looking at the artwork outside the program.
#pragma once
#include <string>

#include "ui/Bitmap.h"

namespace plivant::ui {

// False when the bitmap is empty or the file cannot be written.
bool WritePngFile(const Bitmap& bitmap, const std::string& path);

}  // namespace plivant::ui
