// Screen capture through the screen's device context, and the pictures saved among the build's artefacts.
#include "Screenshot.h"

#include "WineSupport.h"
#include "platform/win32/Handles.h"
#include "ui/sim/PngFile.h"
#include "ui/win32/Win32Toolkit.h"

namespace plivant::wine {

ui::Bitmap CaptureScreen(const RECT& area) {
    platform::win32::WindowDc screen(nullptr);
    return ui::win32::ReadBitmap(screen.get(), area.right - area.left, area.bottom - area.top, area.left, area.top);
}

std::string SaveArtifact(const ui::Bitmap& bitmap, const std::string& name) {
    const std::string folder = TestProgramFolder() + "\\..\\artifacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + name + ".png";
    return ui::WritePngFile(bitmap, path) ? path : std::string();
}

}  // namespace plivant::wine
