// Plivant.exe itself, copied into a folder of its own: whole runs, its icon, its windows at every scale against
// tests/wine/reference, and the program driven as a user or a screen reader drives it: windows found by class and
// name, keys and clicks sent as window messages, texts read in Unicode. (scripts/test.d/shipped-files checks the
// version resource and the manifest from the file: Wine 8 gives a process asking for common controls 6 now 5, now 6.)
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

// The target a letter mapped to the folder names: its short form.
std::vector<std::string> MappedTo(const std::wstring& folder) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetShortPathNameW(folder.c_str(), path, MAX_PATH);
    return {"\\??\\" + std::string(path, path + n)};  // ASCII on Wine
}

// Starts the program with the argument text as Explorer does (CreateProcessW); no process when it cannot start.
PROCESS_INFORMATION Launch(const std::string& program, const std::wstring& arguments = L"") {
    const std::wstring path = Wide(program);
    std::wstring commandLine = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION run{};
    CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &run);
    return run;
}

// True when the picture stands somewhere in the shot, pixel for pixel.
bool Contains(const ui::Bitmap& shot, const ui::Bitmap& picture) {
    const int columns = shot.Width() - picture.Width() + 1, rows = shot.Height() - picture.Height() + 1;
    const auto at = [&](int x, int y) {
        for (int i = 0; i < picture.Width() * picture.Height(); ++i)
            if (shot.At(x + i % picture.Width(), y + i / picture.Width()) != picture.Pixels()[i]) return false;
        return true;
    };
    for (int i = 0; columns > 0 && i < columns * rows; ++i)
        if (at(i % columns, i / columns)) return true;
    return false;
}

// The program's folder holds its start-up list and history; the letters a test takes are forgotten after it.
class WholeRun : public testing::Test {
protected:
    void SetUp() override {
        char shipped[MAX_PATH];  // the one PLIVANT_PROGRAM names, else the one beside this test program
        const DWORD n = GetEnvironmentVariableA("PLIVANT_PROGRAM", shipped, MAX_PATH);
        const std::string from = n && n < MAX_PATH ? std::string(shipped, n) : TestProgramFolder() + "\\Plivant.exe";
        ASSERT_TRUE(CopyFileA(from.c_str(), program.c_str(), FALSE)) << from << " is missing";
        MakeFolder(data);
    }
    void TearDown() override {
        for (char letter : used) ForgetLetter(letter);
    }
    std::string Letter() {  // a free letter, as "X:"
        used.push_back(FreeLetter(used));
        return {used.back(), ':'};
    }
    // A second instance that did not end at once would show its window and never end.
    void Run(const std::string& arguments) {
        const PROCESS_INFORMATION process = Launch(program, Wide(arguments));
        EXPECT_TRUE(process.hProcess && WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
            << "Plivant.exe " << arguments << " did not end";
        TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread), CloseHandle(process.hProcess);
    }

    TempFolder installed, folders;
    const std::string program = installed / "Plivant.exe", startList = installed / "mount.ini",
                      data = folders / "My Data";
    std::string used;
};

// Legacy ANSI and UTF-8 lines, as the editor writes them: folders in any script are mapped; none through a best fit,
// nor a path longer than any (Wine would read it as "C:\" by its length's low 16 bits). No history; no hidden list.
TEST_F(WholeRun, StartupRunMapsFoldersInAnyScriptAndNothingElse) {
    const std::wstring base = Wide(folders.Path()), muell = base + L"\\M\u00fcll",
                       beetle = base + L"\\\u0416\u0443\u043a", japan = base + L"\\\u65e5\u672c";
    for (const auto& folder : {muell, beetle, japan}) ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    MakeFolder(folders / "Data8");  // what best fit would make of the name with the infinity sign
    const std::string d = Letter(), e = Letter(), f = Letter(), g = Letter(), k = Letter();
    WriteBytes(startList, d + "\t" + folders / "M\xFCll" + "\r\n" + e + "\t" + folders / "Жук" + "\r\n" + f + "\t" +
                              folders / "日本" + "\r\n" + g + "\t" + folders / "Data∞" + "\r\n" + k + "\tC:\\" +
                              std::string(65536, 'x') + "\r\n");
    Run("/ini");
    EXPECT_EQ(std::tuple(DeviceTargets(d), DeviceTargets(e), DeviceTargets(f), DeviceTargets(g), DeviceTargets(k),
                         ReadBytes(installed / "Plivant.ini")),
              std::tuple(MappedTo(muell), MappedTo(beetle), MappedTo(japan), Targets{}, Targets{}, "<missing>"));
    ForgetLetter(d[0]);
    SetFileAttributesA(startList.c_str(), FILE_ATTRIBUTE_HIDDEN);
    Run("/ini");
    EXPECT_TRUE(DeviceTargets(d).empty());
}

TEST_F(WholeRun, ASecondInstanceEndsAtOnceAndTouchesNothingAndOnceAloneTheRemovalRunRemovesTheLetter) {
    const std::string x = Letter(), e = Letter();
    ASSERT_TRUE(DefineDosDeviceA(0, x.c_str(), data.c_str()));
    WriteBytes(startList, e + "\t" + data + "\r\n");
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
        for (size_t i = 0; i < art.alpha.size(); ++i) {
            const ui::Rgb expected = ui::Mix(0xFFFFFF, art.colour.Pixels()[i], art.alpha[i] / 255.0);
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

// The window (with a size: that area round its top left corner) once two looks a tenth of a second apart agree.
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
    // Starts the program with the folder as Explorer passes it (unquoted, in Unicode); the main window once the splash
    // has gone and it shows steadily.
    void Start(const std::wstring& folder, const std::function<void(HWND)>& splashShown = nullptr) {
        run = Launch(program, folder);
        ASSERT_TRUE(run.hProcess);
        HWND splash = nullptr;
        if (splashShown) {
            ASSERT_TRUE(
                PumpUntil([&] { return IsWindowVisible(splash = FindWindowA("PlivantForm", "Splash")); }, 10000));
            splashShown(splash);
        }
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
    // Presses a button of the main window; the window it opens in front of it is handed to use, then closed.
    void WithOpened(HWND button, const std::function<void(HWND)>& use) {
        PostMessageA(button, BM_CLICK, 0, 0);
        HWND opened = nullptr;
        const auto shown = [&] {
            return IsWindowVisible(opened = GetForegroundWindow()) && GetWindow(opened, GW_OWNER) == main;
        };
        ASSERT_TRUE(PumpUntil(shown, 30000));
        use(opened);
        PostMessageA(opened, WM_CLOSE, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return !IsWindow(opened); }, 10000));
    }
    void TypeLetter(char letter) {
        Type(combo, static_cast<UINT>(letter), static_cast<char>(letter + 32));
        ASSERT_TRUE(PumpUntil([&] { return WindowText(Child("ComboBox")) == std::string(1, letter) + ": "; }, 10000));
    }
    // The popup the program has opened, once it shows and the program's thread tracks it (and so takes keys), or null.
    HWND Popup() {
        HWND popup = nullptr;
        const auto tracked = [&] {
            while ((popup = FindWindowExA(nullptr, popup, "#32768", nullptr)))
                if (GetWindowThreadProcessId(popup, nullptr) == run.dwThreadId && IsWindowVisible(popup))
                    return (Gui().flags & GUI_INMENUMODE) != 0;
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
    // Picks an item from the keyboard once the popup shows the item's picture; with a name, a picture of it first.
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
    LPARAM FirstRow(HWND list) { return MAKELPARAM(20, SendMessageA(list, LB_GETITEMHEIGHT, 0, 0) / 2); }
    size_t Rows(HWND list) { return static_cast<size_t>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

    PROCESS_INFORMATION run{};
    HWND main = nullptr, combo = nullptr;
    std::vector<HWND> lists;
};

// In a Western prefix, started as Explorer starts it: a Chinese folder shows, mounts and reads back as named, and
// Unmount removes it. Again on a Cyrillic folder under a Cyrillic heading (5012): Mount again from the history, the
// mount button, and Clear from the keyboard.
TEST_F(MainWindowRun, MountUnmountMountAgainAndClearFoldersInAnyScriptAsAUserWould) {
    const std::string s = Letter(), t = Letter(), japan = "C:\\Projekte\\日本", beetle = "C:\\Projekte\\Жук";
    const std::wstring wideJapan = L"C:\\Projekte\\\u65e5\u672c", wideBeetle = L"C:\\Projekte\\\u0416\u0443\u043a";
    CreateDirectoryW(L"C:\\Projekte", nullptr);
    for (const auto& folder : {wideJapan, wideBeetle})
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    Start(wideJapan);
    EXPECT_EQ(Text(Child("Edit")), japan);
    // Tab goes round the controls in order, each found by its name (the picture buttons: their tooltips).
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
    PostMessageA(lists[0], WM_RBUTTONDOWN, MK_RBUTTON, FirstRow(lists[0]));
    ChooseInPopup(1, UnmountMenuPicture);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 0; }, 10000));
    EXPECT_TRUE(DeviceTargets(s).empty());
    Close();

    SetLanguage({{5012, "Подключено"}});
    Start(wideBeetle, [&](HWND splash) {  // a popup opened as the main window shows stays open as the splash goes
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(main = FindWindowA("PlivantForm", "Plivant")); }, 10000));
        const HWND history = Child("ListBox", nullptr, nullptr, Child("ListBox"));
        PostMessageA(history, WM_LBUTTONDOWN, MK_LBUTTON, FirstRow(history));
        PostMessageA(history, WM_LBUTTONUP, 0, FirstRow(history));
        PostMessageA(history, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(history), -1);
        ASSERT_TRUE(Popup() && IsWindow(splash)) << "the splash went before the popup opened";
        ASSERT_TRUE(PumpUntil([&] { return !IsWindow(splash); }, 10000));
        PumpUntil([] { return false; }, 300);  // the activation's messages, had the splash taken it as it went
        EXPECT_TRUE(Popup() && GetForegroundWindow() == main && Gui().hwndActive == main);
        Type(Popup(), VK_ESCAPE);
    });
    EXPECT_EQ(std::tuple(Row(lists[1], 0), Text(lists[0]), Text(Child("Edit"))),
              std::tuple(japan, "Подключено", beetle));
    TypeLetter(t[0]);
    PostMessageA(lists[1], WM_LBUTTONDOWN, MK_LBUTTON, FirstRow(lists[1]));
    PostMessageA(lists[1], WM_LBUTTONUP, 0, FirstRow(lists[1]));
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
    EXPECT_TRUE(SaveArtifact(ShootWindow(main), "main-window-scripts"));
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);
    ChooseInPopup(2, ClearMenuPicture, "main-window-popup");  // with a folder in the path box, both lists
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[1]) == 0; }, 10000));
    EXPECT_EQ(ReadBytes(installed / "Plivant.ini"), "<missing>");
    SetLanguage({});
    for (const auto& folder : {wideJapan, wideBeetle}) RemoveDirectoryW(folder.c_str());
}

// Every language names the lists and windows; the main window, its popups, the help window and the editor make a row
// each of build\artifacts\languages.png, where a cut text or a broken line shows at a glance.
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
            PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, FirstRow(list));
            const HWND popup = Popup();
            ASSERT_TRUE(popup) << code;
            row.push_back(Settled(popup, 250, 70));
            Type(popup, VK_ESCAPE);
            ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(popup); }, 10000));
        }
        const HWND boot = Child("Button", nullptr, nullptr, Child("Button"));
        for (auto [button, caption] : {std::pair{Child("Button", nullptr, nullptr, boot), 5011}, {boot, 5003}}) {
            WithOpened(button, [&](HWND opened) {
                EXPECT_EQ(Text(opened), texts.at(caption)) << code;
                row.push_back(Settled(opened));
            });
        }
        Close();
    }
    SetLanguage({});
    int width = 0, height = 0;  // each row as the first: its pictures side by side, 10 pixels apart
    for (const ui::Bitmap& shot : rows[0]) width += shot.Width() + 10, height = std::max(height, shot.Height() + 10);
    ui::Bitmap sheet(width + 10, static_cast<int>(rows.size()) * height + 10, 0xFFFFFF);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int x = 10; const ui::Bitmap& shot : rows[r])
            ui::Blit(sheet, shot, x, 10 + r * height), x += shot.Width() + 10;
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

// The last picture of the window while it showed, once it is the expected one or after a while (a caret blinks).
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

// The share of the 96-DPI picture's pixels (in its rows from the top) whose place in the scaled window shows nearly
// their colour: a piece left at its 96-DPI size (a title bar, a caption button) or a white patch lowers it.
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

// At 96 DPI each window is its picture, pixel for pixel; at 144 and 192 DPI it is the picture grown by the scale (its
// size within two pixels; its title bar and caption buttons, the top 30 rows, and the whole of it alike).
TEST_F(MainWindowRun, EveryWindowIsItsPictureAt96DpiAndThatPictureGrownAtLargerScales) {
    for (DWORD dpi : {96, 144, 192}) {
        const double scale = dpi / 96.0;
        const auto check = [&](HWND w, const std::string& name) {
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
        };
        SetScreenDpi(dpi);
        Start(L"", [&](HWND splash) {
            SetScreenDpi(96);                                                  // the program has read it
            EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);  // until it goes, a second later
            // Moved away for a moment, the main window uncovers the splash (in Wine it covers it, topmost or not).
            // WINE: off the screen it loses the activation, which the user's click gives back.
            HWND shown = nullptr;
            ASSERT_TRUE(
                PumpUntil([&] { return IsWindowVisible(shown = FindWindowA("PlivantForm", "Plivant")); }, 10000));
            RECT r{};
            GetWindowRect(shown, &r);
            SetWindowPos(shown, nullptr, -4000, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            check(splash, "splash");
            SetWindowPos(shown, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            SetForegroundWindow(shown);
        });
        check(main, "main");
        for (auto [control, name] :
             {std::pair{"Setup [Mount as Win Boot]", "editor"}, {"Help", "help"}, {"About", "about"}})
            WithOpened(Child("Button", control), [&](HWND opened) { check(opened, name); });
        Close();
    }
}

}  // namespace
}  // namespace plivant::wine
