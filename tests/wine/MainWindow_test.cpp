// The real Plivant.exe driven from this process the way a user or a screen reader drives it: windows found by
// class and name, keys and clicks sent as window messages, texts read in Unicode. Mount from the command line's folder
// (in any script), Unmount through the list's popup, Mount again from the history and Clear it from the keyboard;
// pictures of the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

#include "WineSupport.h"
#include "platform/win32/Handles.h"
#include "state/UiStrings.h"
#include "ui/BitmapDrawing.h"
#include "ui/Types.h"
#include "ui/win32/GdiPainting.h"
#include "ui/win32/Win32Toolkit.h"
#include "windows/main/MountArt.h"

namespace plivant::wine {
namespace {

// Texts read as a screen reader reads them, in Unicode (given here in UTF-8): a list's row, a window's text.
std::string Utf8(const wchar_t* text) {
    char utf8[4096] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}
std::string Row(HWND list, int index) {
    wchar_t row[1024] = L"";
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(row));
    return Utf8(row);
}
std::string Text(HWND window) {
    wchar_t text[1024] = L"";
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return Utf8(text);
}

// A language's texts as the setup writes its table (none: English, which writes none).
void SetLanguage(const std::map<int, std::string>& texts) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kLanguageKey);
    HKEY key = nullptr;
    if (texts.empty() || RegCreateKeyA(HKEY_CURRENT_USER, kLanguageKey, &key) != ERROR_SUCCESS) return;
    for (const auto& [id, text] : texts) {
        const std::wstring name = std::to_wstring(id), value = Wide(text);
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

RECT Area(HWND window, int margin = 0) {
    RECT r{};
    GetWindowRect(window, &r);
    InflateRect(&r, margin, margin);
    return r;
}

// What the screen shows in the area once two looks a tenth of a second apart agree: painted, pictures drawn.
ui::Bitmap Settled(const RECT& area) {
    ui::Bitmap before, now = CaptureScreen(area);
    EXPECT_TRUE(PumpUntil([&] { return before = now, Sleep(100), (now = CaptureScreen(area)) == before; }));
    return now;
}

// A language's code, as the head of its row of the sheet.
ui::Bitmap Label(const std::string& code) {
    platform::win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    platform::win32::UniqueBitmap bitmap(ui::win32::MakeBitmap(ui::Bitmap(60, 24, 0xFFFFFF)));
    const platform::win32::UniqueFont font = ui::win32::MakeFont({.size = 12, .bold = true});
    platform::win32::SelectGuard withBitmap(dc.get(), bitmap.get()), withFont(dc.get(), font.get());
    TextOutA(dc.get(), 0, 0, code.c_str(), static_cast<int>(code.size()));
    return ui::win32::ReadBitmap(dc.get(), 60, 24);
}

// The pictures in a grid on white, each column as wide as its widest.
ui::Bitmap Sheet(const std::vector<std::vector<ui::Bitmap>>& rows) {
    constexpr int kGap = 10;
    std::vector<int> widths(rows.at(0).size()), heights(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            widths[c] = std::max(widths[c], rows[r][c].Width() + kGap);
            heights[r] = std::max(heights[r], rows[r][c].Height() + kGap);
        }
    }
    ui::Bitmap sheet(std::accumulate(widths.begin(), widths.end(), kGap),
                     std::accumulate(heights.begin(), heights.end(), kGap), 0xFFFFFF);
    for (size_t r = 0, y = kGap; r < rows.size(); y += heights[r++])
        for (size_t c = 0, x = kGap; c < rows[r].size(); x += widths[c++]) ui::Blit(sheet, rows[r][c], x, y);
    return sheet;
}

// A key as the keyboard sends it to the window with the focus.
void Type(HWND w, UINT key, char character = 0) {
    PostMessageA(w, WM_KEYDOWN, key, 1);
    if (character) PostMessageA(w, WM_CHAR, static_cast<BYTE>(character), 1);
    PostMessageA(w, WM_KEYUP, key, 0xC0000001);
}

class MainWindowRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileA(ProgramUnderTest().c_str(), program.c_str(), FALSE));
        used = {FreeLetter(), FreeLetter(std::string(1, FreeLetter()))};
    }
    void TearDown() override {
        Close();
        for (char letter : used) ForgetLetter(letter);
    }
    // A child of the main window (or of another), by class and name; after: the one found before.
    HWND Child(const char* cls, const char* text = nullptr, HWND parent = nullptr, HWND after = nullptr) {
        return FindWindowExA(parent ? parent : main, after, cls, text);
    }
    // Starts the program with the folder as Explorer passes it (unquoted, in Unicode); its main window, once the
    // splash has gone.
    void Start(const std::wstring& folder) {
        const std::wstring path(program.begin(), program.end());
        std::wstring commandLine = L"\"" + path + L"\" " + folder;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &run));
        ASSERT_TRUE(PumpUntil(
            [&] {
                return !FindWindowA("PlivantForm", "Splash") && IsWindowVisible(FindWindowA("PlivantForm", "Plivant"));
            },
            10000));
        main = FindWindowA("PlivantForm", "Plivant");
        lists = {Child("ListBox"), Child("ListBox", nullptr, nullptr, Child("ListBox"))};
        combo = Child("Edit", nullptr, Child("ComboBox"));
    }
    void Close() {  // closing the main window ends the process
        if (!run.hProcess) return;
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(run.hProcess, 10000), WAIT_OBJECT_0);
        CloseHandle(run.hThread);
        CloseHandle(run.hProcess);
        run = {};
    }
    void TypeLetter(char letter) {
        Type(combo, static_cast<UINT>(letter), static_cast<char>(letter + 32));
        ASSERT_TRUE(PumpUntil([&] { return WindowText(Child("ComboBox")) == std::string(1, letter) + ": "; }, 10000));
    }
    // Picks an item of the popup that has just opened, from the keyboard; with a name, first a picture of the window
    // with the popup open, once the popup shows the Clear item's picture.
    void ChooseInPopup(int item, const char* picture = nullptr) {
        ASSERT_TRUE(PumpUntil([&] { return FindWindowA("#32768", nullptr) != nullptr; }, 10000));
        const HWND popup = FindWindowA("#32768", nullptr);
        RECT r{}, menu{};
        if (picture && GetWindowRect(main, &r) && GetWindowRect(popup, &menu) && UnionRect(&r, &r, &menu)) {
            ui::Bitmap shot;  // once the popup has painted its pictures
            const ui::Bitmap clear = ClearMenuPicture(ui::RgbOf(GetSysColor(COLOR_MENU)));
            EXPECT_TRUE(PumpUntil([&] { return Contains(shot = CaptureScreen(r), clear); }));
            EXPECT_TRUE(SaveArtifact(shot, picture));
        }
        for (int i = 0; i < item; ++i) Type(popup, VK_DOWN);
        Type(popup, VK_RETURN);
    }
    LPARAM RowMiddle(HWND list, int index) {
        const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        return MAKELPARAM(20, index * height + height / 2);
    }
    size_t Rows(HWND list) { return static_cast<size_t>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

    TempFolder installed;
    const std::string program = installed / "Plivant.exe";
    std::string used;
    PROCESS_INFORMATION run{};
    HWND main = nullptr, combo = nullptr;
    std::vector<HWND> lists;
};

// In a Western prefix, as Explorer starts the folder command (CreateProcessW): a Chinese folder shows and mounts as
// named, the letter's target is that folder, the lists and the history read back as named, and Unmount removes it.
// Started again on a Cyrillic folder under a heading translated into Cyrillic (5012): Mount again from the history, the
// mount button, a picture of the window holding both, and Clear from the keyboard.
TEST_F(MainWindowRun, MountUnmountMountAgainAndClearFoldersInAnyScriptAsAUserWould) {
    const std::string s(1, used[0]), t(1, used[1]), japan = "C:\\Projekte\\日本", beetle = "C:\\Projekte\\Жук";
    const std::wstring wideJapan = L"C:\\Projekte\\\u65e5\u672c", wideBeetle = L"C:\\Projekte\\\u0416\u0443\u043a";
    CreateDirectoryW(L"C:\\Projekte", nullptr);
    for (const auto& folder : {wideJapan, wideBeetle})
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    const auto target = [](const std::wstring& folder) {
        wchar_t path[MAX_PATH];
        const DWORD n = GetShortPathNameW(folder.c_str(), path, MAX_PATH);
        return std::vector<std::string>{"\\??\\" + std::string(path, path + n)};  // ASCII on Wine
    };
    Start(wideJapan);
    EXPECT_EQ(Text(Child("Edit")), japan);
    // The About image paints its picture on the window's colour, exactly.
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_TRUE(PumpUntil([&] { return Contains(CaptureScreen(r), AboutPicture(ui::RgbOf(0xD8E9EC))); }));
    // Tab goes round the controls in the window's order, each window named as a screen reader names it (the picture
    // buttons by their tooltips).
    const std::vector<HWND> order{Child("Button", "Plivant"),
                                  Child("Button", "Setup [Mount as Win Boot]"),
                                  Child("Button", "Help"),
                                  Child("Button", "About"),
                                  Child("Edit"),
                                  Child("Button", "..."),
                                  combo,
                                  lists[0],
                                  lists[1],
                                  Child("Button", "Plivant")};
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    for (HWND expected : order) {
        EXPECT_TRUE(PumpUntil([&] { return GetGUIThreadInfo(run.dwThreadId, &focus) && focus.hwndFocus == expected; }));
        Type(focus.hwndFocus, VK_TAB);
    }
    TypeLetter(used[0]);
    PostMessageA(Child("Button", "Plivant"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 1; }, 10000));
    EXPECT_EQ(std::tuple(DeviceTargets(s + ":"), Row(lists[0], 0), ReadBytes(installed / "Plivant.ini"),
                         WindowText(Child("ComboBox"))),
              std::tuple(target(wideJapan), s + ": \t" + japan, japan + "\r\n", ""));
    PostMessageA(lists[0], WM_RBUTTONDOWN, MK_RBUTTON, RowMiddle(lists[0], 0));
    ChooseInPopup(1);  // Unmount
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 0; }, 10000));
    EXPECT_TRUE(DeviceTargets(s + ":").empty());
    Close();

    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kLanguageKey, &key), ERROR_SUCCESS);
    const std::wstring mounted = L"\u041f\u043e\u0434\u043a\u043b\u044e\u0447\u0435\u043d\u043e";
    RegSetValueExW(key, L"5012", 0, REG_SZ, reinterpret_cast<const BYTE*>(mounted.c_str()),
                   static_cast<DWORD>((mounted.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    Start(wideBeetle);
    EXPECT_EQ(std::tuple(Row(lists[1], 0), Text(lists[0]), Text(Child("Edit"))),
              std::tuple(japan, Utf8(mounted.c_str()), beetle));
    TypeLetter(used[1]);
    PostMessageA(lists[1], WM_LBUTTONDOWN, MK_LBUTTON, RowMiddle(lists[1], 0));
    PostMessageA(lists[1], WM_LBUTTONUP, 0, RowMiddle(lists[1], 0));
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);  // the Menu key
    ChooseInPopup(1);                                                                // Mount
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 1; }, 10000));
    EXPECT_EQ(std::tuple(Row(lists[0], 0), DeviceTargets(t + ":")), std::tuple(t + ": \t" + japan, target(wideJapan)));
    TypeLetter(used[0]);
    PostMessageA(Child("Button", "Plivant"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 2; }, 10000));
    EXPECT_EQ(std::tuple(Row(lists[0], 0) + "|" + Row(lists[0], 1), DeviceTargets(s + ":"),
                         ReadBytes(installed / "Plivant.ini")),
              std::tuple(t + ": \t" + japan + "|" + s + ": \t" + beetle, target(wideBeetle),
                         japan + "\r\n" + beetle + "\r\n"));
    EXPECT_TRUE(SaveArtifact(CaptureScreen(r), "main-window-scripts"));
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);
    ChooseInPopup(2, "main-window-popup");  // Clear, with a folder in the path box, both lists
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[1]) == 0; }, 10000));
    EXPECT_EQ(ReadBytes(installed / "Plivant.ini"), "<missing>");
    RegDeleteKeyA(HKEY_CURRENT_USER, kLanguageKey);
    for (const auto& folder : {wideJapan, wideBeetle}) RemoveDirectoryW(folder.c_str());
}

// Every language's table, the program started on a folder with a mapped letter and a history row: the lists are named
// by their headings, the help window and the start-up list editor by their captions, in the language. The main window,
// each list's popup, the help window and the editor, a row per language, make build\artifacts\languages.png, where a
// cut text or a broken line shows at a glance.
TEST_F(MainWindowRun, EveryLanguageNamesEveryWindowAndMakesARowOfTheSheet) {
    const std::string folder = installed / "Fotos", letter{used[0], ':'};
    MakeFolder(folder);
    ASSERT_TRUE(DefineDosDeviceA(0, letter.c_str(), folder.c_str()));
    WriteBytes(installed / "Plivant.ini", folder + "\r\n");
    WriteBytes(installed / "mount.ini", letter + "\t" + folder + "\r\n");
    const std::vector<Language> languages = Languages();
    std::vector<std::vector<ui::Bitmap>> rows;
    for (const Language& language : languages) {
        SetLanguage(&language == &languages[0] ? std::map<int, std::string>{} : language.texts);
        Start(Wide(folder));
        EXPECT_EQ(Text(lists[0]) + "|" + Text(lists[1]), language.texts.at(5012) + "|" + language.texts.at(5013));
        std::vector<ui::Bitmap>& row = rows.emplace_back(std::vector{Label(language.code), Settled(Area(main))});
        for (HWND list : lists) {
            PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, RowMiddle(list, 0));
            ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(FindWindowA("#32768", nullptr)); }, 10000));
            row.push_back(Settled(Area(FindWindowA("#32768", nullptr), 10)));
            Type(FindWindowA("#32768", nullptr), VK_ESCAPE);
            ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(FindWindowA("#32768", nullptr)); }, 10000));
        }
        const HWND boot = Child("Button", nullptr, nullptr, Child("Button"));
        for (auto [button, caption] : {std::pair{Child("Button", nullptr, nullptr, boot), 5011}, {boot, 5003}}) {
            PostMessageA(button, BM_CLICK, 0, 0);
            const std::wstring name = Wide(language.texts.at(caption));
            HWND opened = nullptr;
            ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(opened = FindWindowW(L"PlivantForm", name.c_str())); },
                                  10000)) << language.code << " " << caption;
            row.push_back(Settled(Area(opened)));
            PostMessageA(opened, WM_CLOSE, 0, 0);
            ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(opened); }, 10000));
        }
        Close();
    }
    SetLanguage({});
    EXPECT_TRUE(SaveArtifact(Sheet(rows), "languages"));
}

}  // namespace
}  // namespace plivant::wine
