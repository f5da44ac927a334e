// Screenshots for the Windows test program: what the screen or a window's client painting shows, written as PNG
// among the build's artefacts so that a person can look at it.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Bitmap.h"

namespace plivant::wine {

// The screen's pixels in the rectangle (screen coordinates).
ui::Bitmap CaptureScreen(const RECT& area);
// The window's client area as it paints itself into a memory bitmap (WM_PRINTCLIENT).
ui::Bitmap PrintClient(HWND window, int width, int height);
// Writes the bitmap as <name>.png among the build's artefacts (build\artifacts); returns the path, empty on
// failure.
std::string SaveArtifact(const ui::Bitmap& bitmap, const std::string& name);

}  // namespace plivant::wine
