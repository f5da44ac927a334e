// The shipped Plivant.exe at the screen's scale: at 96 DPI each window (main, start-up list editor, help, About,
// splash) is the picture kept in tests/wine/reference, pixel for pixel; at 144 and 192 DPI each is that window grown
// by the scale, its title bar and caption buttons drawn at that size.
#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <functional>

#include "ToolkitTesting.h"
#include "WineSupport.h"
#include "art/ThemeXArt.h"
#include "windows/shared/FramedForm.h"

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
    void EveryWindow(DWORD dpi, const std::function<void(HWND, const char* name)>& check) {
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

TEST_F(DisplayScale, At96DpiEveryWindowIsTheReferencePicture) {
    EveryWindow(96, [&](HWND w, const char* name) {
        const ui::Bitmap reference = Reference(name);
        const ui::Bitmap shot = Shot(w, [&](const ui::Bitmap& b) { return b == reference; });
        if (reference.Empty() || shot != reference) {
            ADD_FAILURE() << name << " differs from its reference (" << shot.Width() << "x" << shot.Height() << ", "
                          << reference.Width() << "x" << reference.Height() << " expected)";
            SaveArtifact(shot, std::string("reference-") + name);
        }
    });
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
    return all ? double(alike) / all : 0;
}

// Each window at 144 and 192 DPI: its size the scale times its size at 96 DPI (within two pixels), its title bar
// and caption buttons (the top 30 rows at 96 DPI) and the whole of it like the picture at 96 DPI grown by the scale.
// The pictures stay among the artefacts.
TEST_F(DisplayScale, AtLargerScalesEveryWindowGrowsWithIt) {
    const auto check = [&](HWND w, const std::string& name, double scale) {
        const ui::Bitmap reference = Reference(name);
        ui::Bitmap previous;  // the painting is done once two shots in a row are the same
        const ui::Bitmap shot = Shot(w, [&](const ui::Bitmap& b) {
            const bool done = b == previous && Likeness(b, reference, scale, reference.Height()) > 0.9 &&
                              (name == "splash" || Likeness(b, reference, scale, 30) >= 0.9);
            previous = b;
            return done;
        });
        SaveArtifact(shot, name + "-" + std::to_string(int(scale * 100)));
        EXPECT_NEAR(shot.Width(), reference.Width() * scale, 2) << name << " at " << scale;
        EXPECT_NEAR(shot.Height(), reference.Height() * scale, 2) << name << " at " << scale;
        EXPECT_GT(Likeness(shot, reference, scale, reference.Height()), 0.9) << name << " at " << scale;
        const int titleRows = name == "splash" ? 0 : 30;  // the splash has no title bar
        EXPECT_GE(Likeness(shot, reference, scale, titleRows), titleRows ? 0.9 : 0) << name << "'s title at " << scale;
    };
    for (DWORD dpi : {144, 192}) {
        EveryWindow(dpi, [&](HWND w, const char* name) { check(w, name, dpi / 96.0); });
        TearDown();
        run = {};
    }
}

// A framed window told that it is now on a monitor of 192 DPI (the system's message, with the rectangle it suggests;
// Wine 8 has one DPI for all monitors, and passes the message's rectangle to no other process) takes that rectangle
// and lays itself out at twice the scale: a title bar 60 pixels high, 42-pixel caption buttons, corners cut twice as
// deep.
class Framed : public ui::Form {
public:
    Framed(ui::Toolkit& toolkit, platform::IProcess& process)
        : ui::Form(toolkit, "frmFramed"), NuvaXPForm1(*this, "NuvaXPForm1", process) {
        Move(1500, 1500, 6000, 4500);
        NuvaXPForm1.ReadProperties(FrameDesign("Framed", NuvaXPForm::TitleFont(), 1));
        NuvaXPForm1.Move(0, 0, 6000, 4500);
    }
    NuvaXPForm NuvaXPForm1;
};

TEST_F(ToolkitTest, AWindowOnAMonitorOfAnotherScaleLaysItselfOutAgainThere) {
    platform::win32::Win32Process process;
    Framed form(toolkit, process);
    form.Show();
    Pump();
    const HWND w = H(form.hwnd());
    RECT r{};
    GetWindowRect(w, &r);
    RECT suggested{r.left + 10, r.top, r.left + 10 + 800, r.top + 600};
    SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    const ui::Bitmap shot = ShootWindow(w);
    SaveArtifact(shot, "wine-dpi-changed");
    GetWindowRect(w, &r);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(w, region);
    const auto& f = form.NuvaXPForm1;
    EXPECT_EQ((std::vector<long>{r.left, r.right - r.left, r.bottom - r.top, long(f.Title.Height()),
                                 long(f.CloseButton.Width()), PtInRegion(region, 9, 0), PtInRegion(region, 10, 0)}),
              (std::vector<long>{suggested.left, 800, 600, 60, 42, FALSE, TRUE}));
    DeleteObject(region);
    // Halfway down the new title bar, where the bar of 96 DPI would have ended: still the bar's colour.
    EXPECT_EQ(shot.At(400, 45), ThemeXTitleColour(0, true, 45, 2));
    toolkit.SetDpi(96);  // the fonts of the tests that follow
    form.Unload();
}

}  // namespace
}  // namespace plivant::wine
