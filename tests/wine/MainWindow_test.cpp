// The real Plivant.exe driven from this process the way a user or a screen reader drives it: windows found by
// class and name, keys and clicks sent as window messages, texts read in Unicode. Mount from the command line's folder
// (in any script), Unmount through the list's popup, Mount again from the history and Clear it from the keyboard;
// pictures of the window.
#include <gtest/gtest.h>

#include <algorithm>

#include "WineSupport.h"
#include "state/UiStrings.h"
#include "ui/Types.h"
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

}  // namespace
}  // namespace plivant::wine
