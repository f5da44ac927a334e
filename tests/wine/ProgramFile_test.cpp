// What Plivant.exe carries besides its code, read back through the system: the icon drawn by the program's
// own drawing code at every size, and the version resource. The manifest is checked by scripts/test.d/shipped-files
// from its text: under Wine 8 the common controls' version a process that asks for 6 is given varied from run to
// run (5 or 6), so its effect is not asserted here.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "Screenshot.h"
#include "Version.h"
#include "WineSupport.h"
#include "ui/Paint.h"
#include "windows/main/MountArt.h"

namespace plivant::wine {
namespace {

// The icon as the system draws it over white, and the drawing composited the same way.
ui::Bitmap DrawnOverWhite(HICON icon, int n) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), n, -n, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    PatBlt(dc, 0, 0, n, n, WHITENESS);
    DrawIconEx(dc, 0, 0, icon, n, n, 0, nullptr, DI_NORMAL);
    GdiFlush();
    ui::Bitmap out(n, n);
    const auto* px = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < n * n; ++i) out.Set(i % n, i / n, px[i] & 0xFFFFFF);
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    return out;
}

ui::Bitmap ExpectedOverWhite(const IconArt& art) {
    const int n = art.colour.Width();
    ui::Bitmap out(n, n);
    for (int i = 0; i < n * n; ++i) {
        out.Set(i % n, i / n, ui::Mix(0xFFFFFF, art.colour.Pixels()[i], art.alpha[static_cast<size_t>(i)] / 255.0));
    }
    return out;
}

class ProgramFileIcon : public testing::TestWithParam<int> {};

TEST_P(ProgramFileIcon, IsTheDrawingAtThatSize) {
    const int n = GetParam();
    HMODULE program = LoadLibraryExA((TestProgramFolder() + "\\Plivant.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr) << "Plivant.exe must stand beside the test program";
    HICON icon = static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, n, n, 0));
    ASSERT_NE(icon, nullptr) << "no icon of " << n << " pixels, error " << GetLastError();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, n) << "the system took another size than the one asked for";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    const ui::Bitmap drawn = DrawnOverWhite(icon, n), expected = ExpectedOverWhite(ProgramIcon(n));
    int worst = 0;
    for (int i = 0; i < n * n; ++i)
        worst = std::max(worst, ui::ChannelDistance(drawn.Pixels()[i], expected.Pixels()[i]));
    EXPECT_LE(worst, 2) << "the program file's icon differs from the drawing code's";
    if (n == 256) SaveArtifact(drawn, "program-icon-256");
    DestroyIcon(icon);
    FreeLibrary(program);
}

INSTANTIATE_TEST_SUITE_P(EverySize, ProgramFileIcon, testing::Values(16, 24, 32, 48, 256));

std::string VersionString(const std::string& file, const std::string& name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    std::string block(size, '\0');
    char* value = nullptr;
    UINT length = 0;
    if (!size || !GetFileVersionInfoA(file.c_str(), 0, size, block.data()) ||
        !VerQueryValueA(block.data(), ("\\StringFileInfo\\040904b0\\" + name).c_str(), reinterpret_cast<void**>(&value),
                        &length) ||
        !value) {
        return "<missing>";
    }
    return value;
}

TEST(ProgramFile, VersionResourceNamesTheProductAndItsPublisher) {
    const std::string program = TestProgramFolder() + "\\Plivant.exe";
    EXPECT_EQ(VersionString(program, "CompanyName"), "Corvinel");
    EXPECT_EQ(VersionString(program, "ProductVersion"), PLIVANT_VERSION_TEXT);
    EXPECT_EQ(VersionString(program, "LegalCopyright").find("Copyright"), 0u);
    EXPECT_NE(VersionString(program, "Comments"), "<missing>");
}

}  // namespace
}  // namespace plivant::wine
