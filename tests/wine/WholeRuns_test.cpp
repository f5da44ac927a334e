// Plivant.exe itself, copied into a folder of its own: whole runs (the start-up run, a second instance, the removal
// run), its icon as the system draws it, and the program driven from this process the way a user or a screen reader
// drives it: windows found by class and name, keys and clicks sent as window messages, texts read in Unicode. The
// version resource and the manifest are checked from the file by scripts/test.d/shipped-files (Wine 8 gives a process
// asking for common controls 6 now 5, now 6). Its windows at the screen's scale: at 96 DPI each window (main, start-up
// list editor, help, About, splash) is the picture kept in tests/wine/reference, pixel for pixel; at 144 and 192 DPI
// each is that window grown by the scale, its title bar and caption buttons drawn at that size.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <algorithm>

#include "WineSupport.h"
#include "art/ProgramArt.h"
#include "state/UiStrings.h"
#include "ui/BitmapDrawing.h"
#include "windows/main/MountArt.h"

namespace plivant::wine {
namespace {

using Targets = std::vector<std::string>;

// The program's folder holds its start-up list and history; the letters a test takes are forgotten after it.
class WholeRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileA(ProgramUnderTest().c_str(), program.c_str(), FALSE))
            << ProgramUnderTest() << " is missing";
        MakeFolder(data);
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
    const std::string program = installed / "Plivant.exe", mountIni = installed / "mount.ini",
                      data = folders / "My Data";
    std::string used;
};

// A list another program wrote: a valid line is mapped, a path longer than any is not (Wine would read it as "C:\" by
// its length's low 16 bits), no history is written, and a hidden list is not read.
TEST_F(WholeRun, StartupRunMapsTheValidLinesAndNothingWithoutAVisibleList) {
    const std::string e = Letter(), k = Letter();
    WriteBytes(mountIni, e + "\t" + data + "\r\n" + k + "\tC:\\" + std::string(65536, 'x') + "\r\n");
    Run("/ini");
    EXPECT_EQ(std::tuple(DeviceTargets(e), DeviceTargets(k), ReadBytes(installed / "Plivant.ini")),
              std::tuple(MappedTo(Wide(data)), Targets{}, "<missing>"));
    ForgetLetter(e[0]);
    SetFileAttributesA(mountIni.c_str(), FILE_ATTRIBUTE_HIDDEN);
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
    WriteBytes(mountIni, d + "\t" + folders / "M\xFCll" + "\r\n" + e + "\t" + folders / "Жук" + "\r\n" + f + "\t" +
                             folders / "日本" + "\r\n" + g + "\t" + folders / "Data∞" + "\r\n");
    Run("/ini");
    EXPECT_EQ(std::tuple(DeviceTargets(d), DeviceTargets(e), DeviceTargets(f), DeviceTargets(g)),
              std::tuple(MappedTo(muell), MappedTo(beetle), MappedTo(japan), Targets{}));
}

TEST_F(WholeRun, ASecondInstanceEndsAtOnceAndTouchesNothingAndOnceAloneTheRemovalRunRemovesTheLetter) {
    const std::string x = Letter(), e = Letter();
    ASSERT_TRUE(DefineDosDeviceA(0, x.c_str(), data.c_str()));
    WriteBytes(mountIni, e + "\t" + data + "\r\n");
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

TEST_F(WholeRun, TheProgramFilesIconAtEverySizeIsTheDrawing) {
    using namespace platform::win32;
    HMODULE file = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(file, nullptr);
    for (const int n : {16, 24, 32, 48, 256}) {
        UniqueIcon icon(static_cast<HICON>(LoadImageA(file, MAKEINTRESOURCEA(1), IMAGE_ICON, n, n, 0)));
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
    FreeLibrary(file);
}

// Texts read as a screen reader reads them, in Unicode (given here in UTF-8): a window's text, a list's row.
std::string Text(HWND window, UINT message = WM_GETTEXT, WPARAM index = 1024) {
    wchar_t text[1024] = L"";
    char utf8[4096] = "";
    SendMessageW(window, message, index, reinterpret_cast<LPARAM>(text));
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}
std::string Row(HWND list, int index) {
    return Text(list, LB_GETTEXT, index);
}

// The language table as a setup writes it (none: English).
void SetLanguage(const std::map<int, std::string>& texts) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kLanguageKey);
    for (const auto& [id, text] : texts) {
        const std::wstring key = Wide(kLanguageKey), value = Wide(text);
        RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), std::to_wstring(id).c_str(), REG_SZ, value.c_str(),
                        static_cast<DWORD>(value.size() * 2 + 2));
    }
}

// What the screen shows of the window (with a size: of that area round its top left corner) once it has painted (the
// program paints it before the redraw returns) and two looks a tenth of a second apart agree.
ui::Bitmap Settled(HWND window, LONG width = 0, LONG height = 0) {
    RECT r{};
    GetWindowRect(window, &r);
    if (width) r = {r.left - 10, r.top - 10, r.left + width - 10, r.top + height - 10};
    ui::Bitmap before, now;
    EXPECT_TRUE(PumpUntil([&] {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return before = now, Sleep(100), (now = CaptureScreen(r)) == before;
    }));
    return now;
}

// A key as the keyboard sends it to the window with the focus.
void Type(HWND w, UINT key, char character = 0) {
    PostMessageA(w, WM_KEYDOWN, key, 1);
    if (character) PostMessageA(w, WM_CHAR, static_cast<BYTE>(character), 1);
    PostMessageA(w, WM_KEYUP, key, 0xC0000001);
}

class MainWindowRun : public WholeRun {
protected:
    void SetUp() override {
        WholeRun::SetUp();
        SetCursorPos(0, 0);  // off the windows, as a typing user's: a menu selects what the pointer moves onto
    }
    void TearDown() override {
        Close();
        WholeRun::TearDown();
    }
    // A child of the main window (or of another), by class and name; after: the one found before.
    HWND Child(const char* cls, const char* text = nullptr, HWND parent = nullptr, HWND after = nullptr) {
        return FindWindowExA(parent ? parent : main, after, cls, text);
    }
    // Starts the program with the folder as Explorer passes it (unquoted, in Unicode); its main window, once the
    // splash has gone and the window shows steadily. WINE: the splash takes the activation for a moment as it goes; the
    // X server's focus events of that, handled late, would close a popup opened at once.
    void Start(const std::wstring& folder) {
        run = Launch(program, folder);
        ASSERT_TRUE(run.hProcess);
        ASSERT_TRUE(PumpUntil(
            [&] {
                return !FindWindowA("PlivantForm", "Splash") && IsWindowVisible(FindWindowA("PlivantForm", "Plivant"));
            },
            10000));
        main = FindWindowA("PlivantForm", "Plivant");
        Settled(main);
        lists = {Child("ListBox"), Child("ListBox", nullptr, nullptr, Child("ListBox"))};
        combo = Child("Edit", nullptr, Child("ComboBox"));
    }
    void Close() {  // closing the main window ends the process
        if (!run.hProcess) return;
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(run.hProcess, 10000), WAIT_OBJECT_0);
        CloseHandle(run.hThread), CloseHandle(run.hProcess);
        run = {};
    }
    void TypeLetter(char letter) {
        Type(combo, static_cast<UINT>(letter), static_cast<char>(letter + 32));
        ASSERT_TRUE(PumpUntil([&] { return WindowText(Child("ComboBox")) == std::string(1, letter) + ": "; }, 10000));
    }
    // The popup the program has opened, once it shows and the program's thread tracks it (and so takes the keys), or
    // null. Another process's menu window, or a hidden one, is not it.
    HWND Popup() {
        HWND popup = nullptr;
        const auto tracked = [&] {
            while ((popup = FindWindowExA(nullptr, popup, "#32768", nullptr))) {
                if (GetWindowThreadProcessId(popup, nullptr) == run.dwThreadId && IsWindowVisible(popup))
                    return (Gui().flags & GUI_INMENUMODE) != 0;
            }
            return false;
        };
        return PumpUntil(tracked, 10000) ? popup : nullptr;
    }
    GUITHREADINFO Gui() {  // the program's thread: its focus, whether it tracks a menu
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(run.dwThreadId, &info);
        return info;
    }
    // Picks an item of the popup that has just opened, from the keyboard, once it shows the item's picture on the
    // menu's colour, as a user who sees it would; with a name, first a picture of the window with the popup open.
    void ChooseInPopup(int item, ui::Bitmap (*sign)(ui::Rgb, double), const char* picture = nullptr) {
        const HWND popup = Popup();
        RECT r{}, menu{};
        ASSERT_TRUE(popup && GetWindowRect(main, &r) && GetWindowRect(popup, &menu) && UnionRect(&r, &r, &menu));
        ui::Bitmap shot;
        const ui::Bitmap shown = sign(ui::RgbOf(GetSysColor(COLOR_MENU)), 1);
        EXPECT_TRUE(PumpUntil([&] { return Contains(shot = CaptureScreen(r), shown); }));
        EXPECT_TRUE(!picture || SaveArtifact(shot, picture));
        for (int i = 0; i < item; ++i) Type(popup, VK_DOWN);
        Type(popup, VK_RETURN);
    }
    LPARAM RowMiddle(HWND list, int index) {
        const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        return MAKELPARAM(20, index * height + height / 2);
    }
    size_t Rows(HWND list) { return static_cast<size_t>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

    PROCESS_INFORMATION run{};
    HWND main = nullptr, combo = nullptr;
    std::vector<HWND> lists;
};

// In a Western prefix, as Explorer starts the folder command (CreateProcessW): a Chinese folder shows and mounts as
// named, the letter's target is that folder, the lists and the history read back as named, and Unmount removes it.
// Started again on a Cyrillic folder under a heading translated into Cyrillic (5012): Mount again from the history, the
// mount button, a picture of the window holding both, and Clear from the keyboard.
TEST_F(MainWindowRun, MountUnmountMountAgainAndClearFoldersInAnyScriptAsAUserWould) {
    const std::string s = Letter(), t = Letter(), japan = "C:\\Projekte\\日本", beetle = "C:\\Projekte\\Жук";
    const std::wstring wideJapan = L"C:\\Projekte\\\u65e5\u672c", wideBeetle = L"C:\\Projekte\\\u0416\u0443\u043a";
    CreateDirectoryW(L"C:\\Projekte", nullptr);
    for (const auto& folder : {wideJapan, wideBeetle})
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    Start(wideJapan);
    EXPECT_EQ(Text(Child("Edit")), japan);
    // Tab goes round the controls in the window's order, each window named as a screen reader names it (the picture
    // buttons by their tooltips).
    std::vector<HWND> order;
    for (const char* name : {"Plivant", "Setup [Mount as Win Boot]", "Help", "About"})
        order.push_back(Child("Button", name));
    order.insert(order.end(), {Child("Edit"), Child("Button", "..."), combo, lists[0], lists[1], order[0]});
    for (HWND expected : order) {
        EXPECT_TRUE(PumpUntil([&] { return Gui().hwndFocus == expected; }));
        Type(Gui().hwndFocus, VK_TAB);
    }
    TypeLetter(s[0]);
    PostMessageA(Child("Button", "Plivant"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 1; }, 10000));
    EXPECT_EQ(std::tuple(DeviceTargets(s), Row(lists[0], 0), ReadBytes(installed / "Plivant.ini"),
                         WindowText(Child("ComboBox"))),
              std::tuple(MappedTo(wideJapan), s + " \t" + japan, japan + "\r\n", ""));
    PostMessageA(lists[0], WM_RBUTTONDOWN, MK_RBUTTON, RowMiddle(lists[0], 0));
    ChooseInPopup(1, UnmountMenuPicture);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 0; }, 10000));
    EXPECT_TRUE(DeviceTargets(s).empty());
    Close();

    SetLanguage({{5012, "Подключено"}});
    Start(wideBeetle);
    EXPECT_EQ(std::tuple(Row(lists[1], 0), Text(lists[0]), Text(Child("Edit"))),
              std::tuple(japan, "Подключено", beetle));
    TypeLetter(t[0]);
    PostMessageA(lists[1], WM_LBUTTONDOWN, MK_LBUTTON, RowMiddle(lists[1], 0));
    PostMessageA(lists[1], WM_LBUTTONUP, 0, RowMiddle(lists[1], 0));
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);  // the Menu key
    ChooseInPopup(1, MountMenuPicture);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 1; }, 10000));
    EXPECT_EQ(std::tuple(Row(lists[0], 0), DeviceTargets(t)), std::tuple(t + " \t" + japan, MappedTo(wideJapan)));
    TypeLetter(s[0]);
    PostMessageA(Child("Button", "Plivant"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 2; }, 10000));
    EXPECT_EQ(
        std::tuple(Row(lists[0], 0) + "|" + Row(lists[0], 1), DeviceTargets(s), ReadBytes(installed / "Plivant.ini")),
        std::tuple(t + " \t" + japan + "|" + s + " \t" + beetle, MappedTo(wideBeetle),
                   japan + "\r\n" + beetle + "\r\n"));
    RECT r{};
    EXPECT_TRUE(GetWindowRect(main, &r) && SaveArtifact(CaptureScreen(r), "main-window-scripts"));
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);
    ChooseInPopup(2, ClearMenuPicture, "main-window-popup");  // with a folder in the path box, both lists
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[1]) == 0; }, 10000));
    EXPECT_EQ(ReadBytes(installed / "Plivant.ini"), "<missing>");
    SetLanguage({});
    for (const auto& folder : {wideJapan, wideBeetle}) RemoveDirectoryW(folder.c_str());
}

// Every language's table: the lists and windows are named in the language, and the main window, each list's popup,
// the help window and the start-up list editor, a row per language, make build\artifacts\languages.png, where a cut
// text or a broken line shows at a glance.
TEST_F(MainWindowRun, EveryLanguageNamesEveryWindowAndMakesARowOfTheSheet) {
    const std::string folder = installed / "Fotos", letter = Letter();
    MakeFolder(folder);
    ASSERT_TRUE(DefineDosDeviceA(0, letter.c_str(), folder.c_str()));
    WriteBytes(installed / "Plivant.ini", folder + "\r\n");
    WriteBytes(installed / "mount.ini", letter + "\t" + folder + "\r\n");
    std::vector<std::vector<ui::Bitmap>> rows;
    for (const auto& [code, texts] : Languages()) {
        SetLanguage(code == "en" ? std::map<int, std::string>{} : texts);
        Start(Wide(folder));
        EXPECT_EQ(Text(lists[0]) + "|" + Text(lists[1]), texts.at(5012) + "|" + texts.at(5013));
        std::vector<ui::Bitmap>& row = rows.emplace_back(std::vector{Settled(main)});
        for (HWND list : lists) {
            PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, RowMiddle(list, 0));
            const HWND popup = Popup();
            ASSERT_TRUE(popup) << code;
            row.push_back(Settled(popup, 250, 70));
            Type(popup, VK_ESCAPE);
            ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(popup); }, 10000));
        }
        const HWND boot = Child("Button", nullptr, nullptr, Child("Button"));
        for (auto [button, caption] : {std::pair{Child("Button", nullptr, nullptr, boot), 5011}, {boot, 5003}}) {
            PostMessageA(button, BM_CLICK, 0, 0);
            const std::wstring name = Wide(texts.at(caption));
            HWND opened = nullptr;
            const auto shown = [&] { return IsWindowVisible(opened = FindWindowW(L"PlivantForm", name.c_str())); };
            ASSERT_TRUE(PumpUntil(shown, 30000)) << code << " " << caption;
            row.push_back(Settled(opened));
            PostMessageA(opened, WM_CLOSE, 0, 0);
            ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(opened); }, 10000));
        }
        Close();
    }
    SetLanguage({});
    int width = 0, height = 0;  // each row as the first: its pictures side by side, 10 pixels apart
    for (const ui::Bitmap& shot : rows[0]) width += shot.Width() + 10, height = std::max(height, shot.Height() + 10);
    ui::Bitmap sheet(width + 10, static_cast<int>(rows.size()) * height + 10, 0xFFFFFF);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int x = 10; const ui::Bitmap& shot : rows[r])
            ui::Blit(sheet, shot, x, 10 + r * height), x += shot.Width() + 10;
    }
    EXPECT_TRUE(SaveArtifact(sheet, "languages"));
}

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
            const ui::Rgb grown = shot.At(std::min(shot.Width() - 1, static_cast<int>((x + 0.5) * scale)),
                                          std::min(shot.Height() - 1, static_cast<int>((y + 0.5) * scale)));
            alike += ui::ChannelDistance(reference.At(x, y), grown) < 48;
        }
    }
    return all ? double(alike) / all : 1;
}

// Runs the check on every window of a copy of the program started at the DPI: the splash, the main window, and the
// three it opens from its picture buttons (found by their names).
void EveryWindow(const std::string& program, DWORD dpi, const std::function<void(HWND, const std::string&)>& check) {
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
TEST_F(WholeRun, EveryWindowIsItsPictureAt96DpiAndThatPictureGrownAtLargerScales) {
    for (DWORD dpi : {96, 144, 192}) {
        const double scale = dpi / 96.0;
        EveryWindow(program, dpi, [&](HWND w, const std::string& name) {
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
