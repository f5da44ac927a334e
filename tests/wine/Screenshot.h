// Screenshots for the Windows test program: what the screen or a window's client painting shows, written as PNG
// among the build's artefacts so that a person can look at it.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Bitmap.h"

namespace plivant::wine {

// The screen's pixels in the rectangle (screen coordinates).
ui::Bitmap CaptureScreen(const RECT& area);
// What the screen shows of a window and the margin round it, once its painting is done.
ui::Bitmap ShootWindow(HWND window, int margin = 0);
// The window's client area (or its top-left width × height) as it paints itself into a memory bitmap of ours
// (WM_PRINTCLIENT; the screen's copy of a window may lag).
ui::Bitmap PrintClient(HWND window, int width = 0, int height = 0);
// Writes the bitmap as <name>.png among the build's artefacts (build\artifacts); returns the path, empty on
// failure.
std::string SaveArtifact(const ui::Bitmap& bitmap, const std::string& name);

}  // namespace plivant::wine
