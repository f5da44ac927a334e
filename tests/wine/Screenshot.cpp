// Screen capture through the screen's device context and PNG writing through stb.
#include "Screenshot.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <vector>

#include "WineSupport.h"
#include "platform/win32/Handles.h"

namespace plivant::wine {

ui::Bitmap CaptureScreen(const RECT& area) {
    platform::win32::WindowDc screen(nullptr);
    const int width = area.right - area.left, height = area.bottom - area.top;
    platform::win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    platform::win32::UniqueBitmap target(CreateCompatibleBitmap(screen.get(), width, height));
    if (!memory || !target) return {};
    {
        platform::win32::SelectGuard selected(memory.get(), target.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<ui::Rgb> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    GetDIBits(memory.get(), target.get(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ui::Bitmap result(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) result.Set(x, y, pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF);
    }
    return result;
}

std::string SaveArtifact(const ui::Bitmap& bitmap, const std::string& name) {
    const std::string folder = TestProgramFolder() + "\\..\\artifacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + name + ".png";
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.Height()) * 3);
    for (const ui::Rgb p : bitmap.Pixels()) {
        rgb.push_back(static_cast<unsigned char>(p >> 16));
        rgb.push_back(static_cast<unsigned char>(p >> 8));
        rgb.push_back(static_cast<unsigned char>(p));
    }
    const bool written =
        stbi_write_png(path.c_str(), bitmap.Width(), bitmap.Height(), 3, rgb.data(), bitmap.Width() * 3) != 0;
    return written ? path : std::string();
}

}  // namespace plivant::wine
