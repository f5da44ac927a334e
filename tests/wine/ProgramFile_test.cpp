// What Plivant.exe carries besides its code, read back through the system: the icon drawn by the program's
// own drawing code at every size, and the version resource. The manifest is checked by scripts/test.d/shipped-files
// from its text: under Wine 8 the common controls' version a process that asks for 6 is given varied from run to
// run (5 or 6), so its effect is not asserted here.
#include <gtest/gtest.h>

#include <algorithm>

#include "Screenshot.h"
#include "Version.h"
#include "WineSupport.h"
#include "platform/win32/Handles.h"
#include "ui/Paint.h"
#include "ui/win32/Win32Toolkit.h"
#include "windows/main/MountArt.h"

namespace plivant::wine {
namespace {

const std::string kProgram = TestProgramFolder() + "\\Plivant.exe";

// The icon of each size in use, as the system draws it over white, is the drawing composited the same way.
TEST(ProgramFile, TheIconAtEverySizeIsTheDrawing) {
    using namespace platform::win32;
    HMODULE program =
        LoadLibraryExA(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr) << "Plivant.exe must stand beside the test program";
    for (const int n : {16, 24, 32, 48, 256}) {
        UniqueIcon icon(static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, n, n, 0)));
        ASSERT_TRUE(icon) << "no icon of " << n << " pixels, error " << GetLastError();
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        GetObjectA(colour.get(), sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, n) << "the system took another size than the one asked for";
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        UniqueBitmap target(CreateBitmap(n, n, 1, 32, nullptr));
        SelectGuard selected(dc.get(), target.get());
        PatBlt(dc.get(), 0, 0, n, n, WHITENESS);
        DrawIconEx(dc.get(), 0, 0, icon.get(), n, n, 0, nullptr, DI_NORMAL);
        const ui::Bitmap drawn = ui::win32::ReadBitmap(dc.get(), n, n);
        const IconArt art = ProgramIcon(n);
        int worst = 0;
        for (int i = 0; i < n * n; ++i) {
            const ui::Rgb expected =
                ui::Mix(0xFFFFFF, art.colour.Pixels()[i], art.alpha[static_cast<size_t>(i)] / 255.0);
            worst = std::max(worst, ui::ChannelDistance(drawn.Pixels()[i], expected));
        }
        EXPECT_LE(worst, 2) << n << " pixels: the program file's icon differs from the drawing code's";
        if (n == 256) SaveArtifact(drawn, "program-icon-256");
    }
    FreeLibrary(program);
}

TEST(ProgramFile, VersionResourceNamesTheProductAndItsPublisher) {
    DWORD ignored = 0;
    std::string block(GetFileVersionInfoSizeA(kProgram.c_str(), &ignored), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(kProgram.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const auto value = [&](const std::string& name) -> std::string {
        char* text = nullptr;
        UINT length = 0;
        const bool found = VerQueryValueA(block.data(), ("\\StringFileInfo\\040904b0\\" + name).c_str(),
                                          reinterpret_cast<void**>(&text), &length);
        return found && text ? text : "<missing>";
    };
    EXPECT_EQ(std::tuple(value("CompanyName"), value("ProductVersion"), value("LegalCopyright").find("Copyright")),
              std::tuple("Corvinel", PLIVANT_VERSION_TEXT, 0u));
    EXPECT_NE(value("Comments"), "<missing>");
}

}  // namespace
}  // namespace plivant::wine
