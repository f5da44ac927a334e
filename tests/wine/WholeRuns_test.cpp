// Plivant.exe itself: whole runs, and its icon as the system draws it. The version resource and the manifest are
// checked from the file by scripts/test.d/shipped-files (Wine 8 gives a process asking for common controls 6 now 5,
// now 6).
#include <algorithm>

#include "WineSupport.h"
#include "art/ProgramArt.h"
#include "ui/BitmapDrawing.h"

namespace plivant::wine {
namespace {

using Targets = std::vector<std::string>;

// Plivant.exe copied into a folder of its own, so that its mount.ini is the test's.
class WholeRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileA(ProgramUnderTest().c_str(), program.c_str(), FALSE))
            << ProgramUnderTest() << " is missing";
        MakeFolder(data);
        mappedData = MappedTo(std::wstring(data.begin(), data.end()));
    }
    void TearDown() override {
        for (char letter : used) ForgetLetter(letter);
    }
    // A free letter, as "X:".
    std::string Letter() {
        used.push_back(FreeLetter(used));
        return {used.back(), ':'};
    }
    // A second instance that did not end at once would show its window and never end.
    void Run(const std::string& arguments) {
        EXPECT_TRUE(RunProgram(program, arguments)) << "Plivant.exe " << arguments << " did not end";
    }

    TempFolder installed, folders;
    const std::string program = installed / "Plivant.exe", list = installed / "mount.ini", data = folders / "My Data";
    Targets mappedData;
    std::string used;
};

// A list another program wrote: a valid line is mapped, a path longer than any is not (Wine would read it as "C:\" by
// its length's low 16 bits), no history is written, and a hidden list is not read.
TEST_F(WholeRun, StartupRunMapsTheValidLinesAndNothingWithoutAVisibleList) {
    const std::string e = Letter(), k = Letter();
    WriteBytes(list, e + "\t" + data + "\r\n" + k + "\tC:\\" + std::string(65536, 'x') + "\r\n");
    Run("/ini");
    EXPECT_EQ(std::tuple(DeviceTargets(e), DeviceTargets(k), ReadBytes(installed / "Plivant.ini")),
              std::tuple(mappedData, Targets{}, "<missing>"));
    ForgetLetter(e[0]);
    SetFileAttributesA(list.c_str(), FILE_ATTRIBUTE_HIDDEN);
    Run("/ini");
    EXPECT_TRUE(DeviceTargets(e).empty());
}

// Legacy ANSI lines and UTF-8 lines in one list, as the editor writes it: a folder in any script is mapped, a legacy
// line (C:\...\M<FC>ll) still maps its folder, and none is mapped through a best fit.
TEST_F(WholeRun, StartupRunMapsFoldersInAnyScriptAndNoneThroughABestFit) {
    const std::wstring base = Wide(folders.Path()), muell = base + L"\\M\u00fcll",
                       beetle = base + L"\\\u0416\u0443\u043a", japan = base + L"\\\u65e5\u672c";
    for (const auto& folder : {muell, beetle, japan}) ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    MakeFolder(folders / "Data8");  // what best fit would make of the name with the infinity sign
    const std::string d = Letter(), e = Letter(), f = Letter(), g = Letter();
    WriteBytes(list, d + "\t" + folders / "M\xFCll" + "\r\n" + e + "\t" + folders / "Жук" + "\r\n" + f + "\t" +
                         folders / "日本" + "\r\n" + g + "\t" + folders / "Data∞" + "\r\n");
    Run("/ini");
    EXPECT_EQ(std::tuple(DeviceTargets(d), DeviceTargets(e), DeviceTargets(f), DeviceTargets(g)),
              std::tuple(MappedTo(muell), MappedTo(beetle), MappedTo(japan), Targets{}));
}

TEST_F(WholeRun, ASecondInstanceEndsAtOnceAndTouchesNothingAndOnceAloneTheRemovalRunRemovesTheLetter) {
    const std::string x = Letter(), e = Letter();
    ASSERT_TRUE(DefineDosDeviceA(0, x.c_str(), data.c_str()));
    WriteBytes(list, e + "\t" + data + "\r\n");
    // A running instance is what holds the instance object.
    HANDLE running = CreateMutexA(nullptr, FALSE, platform::win32::kInstanceMutexName);
    ASSERT_NE(running, nullptr);
    Run(std::string("-") + x[0]);
    Run("/ini");
    CloseHandle(running);
    EXPECT_EQ(std::tuple(DeviceTargets(x).size(), DeviceTargets(e).size()), std::tuple(1u, 0u));
    Run(std::string("-") + static_cast<char>(x[0] + 32));  // once the first instance is gone, in either case
    EXPECT_TRUE(DeviceTargets(x).empty());
}

const std::string kProgram = ProgramUnderTest();

TEST(ProgramFile, TheIconAtEverySizeIsTheDrawing) {
    using namespace platform::win32;
    HMODULE program =
        LoadLibraryExA(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr) << kProgram << " is missing";
    for (const int n : {16, 24, 32, 48, 256}) {
        UniqueIcon icon(static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, n, n, 0)));
        ASSERT_TRUE(icon) << "no icon of " << n << " pixels, error " << GetLastError();
        // Drawn at its size: an image the system took at another size and stretched would not match.
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
        EXPECT_TRUE(n != 256 || SaveArtifact(drawn, "program-icon-256"));
    }
    FreeLibrary(program);
}

}  // namespace
}  // namespace plivant::wine
