// Screenshots for the Windows test program: what the screen shows in a rectangle, written as PNG beside the
// test program so that a person can look at it.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Bitmap.h"

namespace plivant::wine {

// The screen's pixels in the rectangle (screen coordinates).
ui::Bitmap CaptureScreen(const RECT& area);
// Writes the bitmap as artifacts\<name>.png beside the test program; returns the path, empty on failure.
std::string SaveArtifact(const ui::Bitmap& bitmap, const std::string& name);

}  // namespace plivant::wine
