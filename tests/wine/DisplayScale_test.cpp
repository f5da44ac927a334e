// The shipped Plivant.exe at the screen's scale: at 96 DPI each window (main, start-up list editor, help, About,
// splash) is the picture kept in tests/wine/reference, pixel for pixel; at 144 and 192 DPI each is that window grown
// by the scale, its title bar and caption buttons drawn at that size.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <algorithm>

#include "WineSupport.h"

namespace plivant::wine {
namespace {

ui::Bitmap ReadPng(const std::string& path) {
    int w = 0, h = 0, n = 0;
    unsigned char* data = stbi_load(path.c_str(), &w, &h, &n, 3);
    ui::Bitmap bitmap(data ? w : 0, data ? h : 0);
    for (int i = 0; data && i < w * h; ++i)
        bitmap.Set(i % w, i / w, ui::Rgb{data[3 * i]} << 16 | ui::Rgb{data[3 * i + 1]} << 8 | data[3 * i + 2]);
    stbi_image_free(data);
    return bitmap;
}

// The screen's DPI for the programs started from now on (Wine reads it as a program starts).
void SetScreenDpi(DWORD dpi) {
    RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

// The last picture of the window taken while it showed (the splash goes by itself), once it is the expected one or
// after a while (a caret blinks, painting takes a moment).
ui::Bitmap Shot(HWND w, const std::function<bool(const ui::Bitmap&)>& expected) {
    ui::Bitmap shot;
    PumpUntil(
        [&] {
            RECT r{};
            const ui::Bitmap next = GetWindowRect(w, &r) ? CaptureScreen(r) : ui::Bitmap();
            return !IsWindowVisible(w) || expected(shot = next);
        },
        3000);
    return shot;
}

// A window drawn at a scale against its picture at 96 DPI: the share of the picture's pixels in its rows from the top
// whose place in the window (the scale times farther) shows nearly their colour. A piece left at its 96-DPI size (a
// title bar, a caption button) or a white patch leaves a good part of them on another colour.
double Likeness(const ui::Bitmap& shot, const ui::Bitmap& reference, double scale, int rows) {
    int alike = 0, all = 0;
    for (int y = 0; y < std::min(rows, reference.Height()); ++y) {
        for (int x = 0; x < reference.Width(); ++x, ++all) {
            const ui::Rgb a = reference.At(x, y);
            const ui::Rgb b = shot.At(std::min(shot.Width() - 1, static_cast<int>((x + 0.5) * scale)),
                                      std::min(shot.Height() - 1, static_cast<int>((y + 0.5) * scale)));
            bool same = true;
            for (int shift : {0, 8, 16})
                same = same && std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)) < 48;
            alike += same;
        }
    }
    return all ? double(alike) / all : 1;
}

// Runs the check on every window of a copy of the program started at the DPI: the splash, the main window, and the
// three it opens from its picture buttons (found by their names).
void EveryWindow(DWORD dpi, const std::function<void(HWND, const std::string& name)>& check) {
    TempFolder installed;
    const std::string program = installed / "Plivant.exe";
    ASSERT_TRUE(CopyFileA(ProgramUnderTest().c_str(), program.c_str(), FALSE));
    SetScreenDpi(dpi);
    const PROCESS_INFORMATION run = Launch(program);
    HWND splash = nullptr, main = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(splash = FindWindowA("PlivantForm", "Splash")); }, 10000));
    SetScreenDpi(96);  // the program has read it
    ASSERT_TRUE(run.hProcess);
    EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);  // until it goes, a second later
    // The main window, shown before the splash has painted, covers it (in Wine, topmost or not): moved out of its way
    // for a moment, it uncovers the splash, which paints.
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(main = FindWindowA("PlivantForm", "Plivant")); }, 10000));
    RECT r{};
    GetWindowRect(main, &r);
    SetWindowPos(main, nullptr, -4000, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    check(splash, "splash");
    SetWindowPos(main, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(PumpUntil([&] { return !FindWindowA("PlivantForm", "Splash"); }, 10000));
    check(main, "main");
    for (auto [control, name] :
         {std::pair{"Setup [Mount as Win Boot]", "editor"}, {"Help", "help"}, {"About", "about"}}) {
        const HWND c = FindWindowExA(main, nullptr, "Button", control);
        PostMessageA(c, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageA(c, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        HWND opened = nullptr;
        const auto shown = [&] {  // in front, over the main window
            opened = GetForegroundWindow();
            return (IsWindowVisible(opened) && GetWindow(opened, GW_OWNER) == main) || (opened = nullptr);
        };
        EXPECT_TRUE(PumpUntil(shown, 10000));
        check(opened, name);
        PostMessageA(opened, WM_CLOSE, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(opened); }));
    }
    TerminateProcess(run.hProcess, 0);
    WaitForSingleObject(run.hProcess, 10000);
    CloseHandle(run.hThread);
    CloseHandle(run.hProcess);
}

// Each window at 96 DPI is its picture, pixel for pixel; at 144 and 192 DPI its size is the scale times that of the
// picture (within two pixels), and its title bar and caption buttons (the picture's top 30 rows) and the whole of it
// are like the picture grown by the scale. Shots of them stay among the artefacts.
TEST(DisplayScale, EveryWindowIsItsPictureAt96DpiAndThatPictureGrownAtLargerScales) {
    for (DWORD dpi : {96, 144, 192}) {
        const double scale = dpi / 96.0;
        EveryWindow(dpi, [&](HWND w, const std::string& name) {
            const ui::Bitmap reference =
                ReadPng(TestProgramFolder() + "\\..\\..\\tests\\wine\\reference\\" + name + ".png");
            const int title = name == "splash" ? 0 : 30;  // the splash has no title bar
            ui::Bitmap previous;                          // the painting is done once two shots in a row are the same
            const ui::Bitmap shot = Shot(w, [&](const ui::Bitmap& b) {
                const bool done = dpi == 96
                                      ? b == reference
                                      : b == previous && Likeness(b, reference, scale, reference.Height()) > 0.9 &&
                                            Likeness(b, reference, scale, title) >= 0.9;
                previous = b;
                return done;
            });
            SaveArtifact(shot, name + "-" + std::to_string(dpi * 100 / 96));
            if (dpi == 96) {
                EXPECT_TRUE(!reference.Empty() && shot == reference) << name << " differs from its picture";
                return;
            }
            EXPECT_NEAR(shot.Width(), reference.Width() * scale, 2) << name << " at " << dpi;
            EXPECT_NEAR(shot.Height(), reference.Height() * scale, 2) << name << " at " << dpi;
            EXPECT_GT(Likeness(shot, reference, scale, reference.Height()), 0.9) << name << " at " << dpi;
            EXPECT_GE(Likeness(shot, reference, scale, title), 0.9) << name << "'s title at " << dpi;
        });
    }
}

}  // namespace
}  // namespace plivant::wine
