// Screen capture through the screen's device context, client painting into a memory bitmap, and the pictures
// saved among the build's artefacts.
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

ui::Bitmap PrintClient(HWND window, int width, int height) {
    using namespace platform::win32;
    WindowDc screen(window);
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap target(CreateCompatibleBitmap(screen.get(), width, height));
    SelectGuard selected(memory.get(), target.get());
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    return ui::win32::ReadBitmap(memory.get(), width, height);
}

std::string SaveArtifact(const ui::Bitmap& bitmap, const std::string& name) {
    const std::string folder = TestProgramFolder() + "\\..\\artifacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + name + ".png";
    return ui::WritePngFile(bitmap, path) ? path : std::string();
}

}  // namespace plivant::wine
