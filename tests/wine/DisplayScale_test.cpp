// The shipped Plivant.exe at the screen's scale: at 96 DPI each window (main, start-up list editor, help, About,
// splash) is the picture kept in tests/wine/reference, pixel for pixel; at 144 and 192 DPI each is that window grown
// by the scale, its title bar and caption buttons drawn at that size.
#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <functional>

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

// The screen's DPI for the programs started from now on (Wine reads it when a program starts).
void SetScreenDpi(DWORD dpi) {
    RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

BOOL CALLBACK Collect(HWND w, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(w);
    return TRUE;
}
// The descendants of a window, or (without one) the top-level windows.
std::vector<HWND> Windows(HWND parent = nullptr) {
    std::vector<HWND> all;
    parent ? EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all))
           : EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}
HWND FindByText(HWND parent, const char* text) {
    for (HWND w : Windows(parent))
        if (WindowText(w) == text) return w;
    return nullptr;
}
// A visible window of the program's class that the process shows besides the one given.
HWND OtherWindow(DWORD process, HWND besides) {
    for (HWND w : Windows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        char cls[32] = "";
        GetClassNameA(w, cls, sizeof cls);
        if (owner == process && w != besides && IsWindowVisible(w) && std::string(cls) == "PlivantForm") return w;
    }
    return nullptr;
}

class DisplayScale : public testing::Test {
protected:
    void TearDown() override {
        SetScreenDpi(96);
        if (!run.hProcess) return;
        TerminateProcess(run.hProcess, 0);
        WaitForSingleObject(run.hProcess, 10000);
        CloseHandle(run.hThread);
        CloseHandle(run.hProcess);
    }
    // Starts the program at the DPI; what to do with its splash, then its main window.
    void Start(DWORD dpi, const std::function<void(HWND)>& onSplash) {
        ASSERT_TRUE(CopyFileA(ProgramUnderTest().c_str(), program.c_str(), FALSE));
        SetScreenDpi(dpi);
        std::string commandLine = "\"" + program + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &run));
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(splash = FindWindowA("PlivantForm", "Splash")); }, 10000));
        // The main window, shown before the splash has painted, covers it (in Wine, topmost or not): moved out of its
        // way for a moment, it uncovers the splash, which paints.
        const HWND shown = PumpUntil([&] { return IsWindowVisible(FindWindowA("PlivantForm", "Plivant")); }, 10000)
                               ? FindWindowA("PlivantForm", "Plivant")
                               : nullptr;
        RECT r{};
        GetWindowRect(shown, &r);
        SetWindowPos(shown, nullptr, -4000, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        onSplash(splash);
        SetWindowPos(shown, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(PumpUntil(
            [&] {
                return !FindWindowA("PlivantForm", "Splash") &&
                       IsWindowVisible(main = FindWindowA("PlivantForm", "Plivant"));
            },
            10000));
    }
    // Opens one of the main window's other windows by its control's text; the window.
    HWND Open(const char* control) {
        const HWND c = FindByText(main, control);
        PostMessageA(c, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageA(c, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        HWND opened = nullptr;
        EXPECT_TRUE(PumpUntil([&] { return (opened = OtherWindow(run.dwProcessId, main)) != nullptr; }, 10000))
            << control;
        return opened;
    }

    // Runs the check on every window of the program started at the DPI: the splash, the main window, and those it
    // opens.
    void EveryWindow(DWORD dpi, const std::function<void(HWND, const std::string& name)>& check) {
        ASSERT_NO_FATAL_FAILURE(Start(dpi, [&](HWND w) { check(w, "splash"); }));
        check(main, "main");
        for (auto [control, name] :
             {std::pair{"Setup [Mount as Win Boot]", "editor"}, {"Help", "help"}, {"About", "about"}}) {
            const HWND w = Open(control);
            check(w, name);
            PostMessageA(w, WM_CLOSE, 0, 0);
            EXPECT_TRUE(PumpUntil([&] { return !IsWindow(w); }));
        }
    }
    // The last picture of the window taken while it showed (the splash goes by itself), once it is the expected one
    // or after a while (a caret blinks, painting takes a moment).
    static ui::Bitmap Shot(HWND w, const std::function<bool(const ui::Bitmap&)>& expected) {
        ui::Bitmap shot;
        PumpUntil(
            [&] {
                RECT r{};
                const ui::Bitmap next = GetWindowRect(w, &r) ? CaptureScreen(r) : ui::Bitmap();
                if (!IsWindowVisible(w)) return true;
                return expected(shot = next);
            },
            3000);
        return shot;
    }
    static ui::Bitmap Reference(const std::string& name) {
        return ReadPng(TestProgramFolder() + "\\..\\..\\tests\\wine\\reference\\" + name + ".png");
    }

    TempFolder installed;
    const std::string program = installed / "Plivant.exe";
    PROCESS_INFORMATION run{};
    HWND splash = nullptr, main = nullptr;
};

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

// Each window at 96 DPI is its picture, pixel for pixel (a failing one leaves its shot among the artefacts); at 144
// and 192 DPI its size is the scale times that of the picture (within two pixels), and its title bar and caption
// buttons (the picture's top 30 rows) and the whole of it are like the picture grown by the scale (pictures of them
// stay among the artefacts).
TEST_F(DisplayScale, EveryWindowIsItsPictureAt96DpiAndThatPictureGrownAtLargerScales) {
    for (DWORD dpi : {96, 144, 192}) {
        const double scale = dpi / 96.0;
        EveryWindow(dpi, [&](HWND w, const std::string& name) {
            const ui::Bitmap reference = Reference(name);
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
        TearDown();
        run = {};
    }
}

}  // namespace
}  // namespace plivant::wine
