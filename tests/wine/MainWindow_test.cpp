// The real Plivant.exe driven from this process the way a user or a screen reader drives it: windows found by
// class and name, keys and clicks sent as window messages, texts read in Unicode. Mount from the command line's folder
// (in any script), Unmount through the list's popup, Mount again from the history and Clear it from the keyboard;
// pictures of the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "WineSupport.h"
#include "state/UiStrings.h"
#include "ui/BitmapDrawing.h"
#include "ui/Types.h"
#include "windows/main/MountArt.h"

namespace plivant::wine {
namespace {

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

class MainWindowRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileA(ProgramUnderTest().c_str(), program.c_str(), FALSE));
        used = {FreeLetter(), FreeLetter(std::string(1, FreeLetter()))};
        SetCursorPos(0, 0);  // off the windows, as a typing user's: a menu selects what the pointer moves onto
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
    // Picks an item of the popup that has just opened, from the keyboard; with a name, first a picture of the window
    // with the popup open, once the popup shows the Clear item's picture.
    void ChooseInPopup(int item, const char* picture = nullptr) {
        const HWND popup = Popup();
        ASSERT_TRUE(popup);
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
    Start(wideJapan);
    EXPECT_EQ(Text(Child("Edit")), japan);
    // The About image paints its picture on the window's colour, exactly.
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_TRUE(PumpUntil([&] { return Contains(CaptureScreen(r), AboutPicture(ui::RgbOf(0xD8E9EC))); }));
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
    TypeLetter(used[0]);
    PostMessageA(Child("Button", "Plivant"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 1; }, 10000));
    EXPECT_EQ(std::tuple(DeviceTargets(s + ":"), Row(lists[0], 0), ReadBytes(installed / "Plivant.ini"),
                         WindowText(Child("ComboBox"))),
              std::tuple(MappedTo(wideJapan), s + ": \t" + japan, japan + "\r\n", ""));
    PostMessageA(lists[0], WM_RBUTTONDOWN, MK_RBUTTON, RowMiddle(lists[0], 0));
    ChooseInPopup(1);  // Unmount
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 0; }, 10000));
    EXPECT_TRUE(DeviceTargets(s + ":").empty());
    Close();

    SetLanguage({{5012, "Подключено"}});
    Start(wideBeetle);
    EXPECT_EQ(std::tuple(Row(lists[1], 0), Text(lists[0]), Text(Child("Edit"))),
              std::tuple(japan, "Подключено", beetle));
    TypeLetter(used[1]);
    PostMessageA(lists[1], WM_LBUTTONDOWN, MK_LBUTTON, RowMiddle(lists[1], 0));
    PostMessageA(lists[1], WM_LBUTTONUP, 0, RowMiddle(lists[1], 0));
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);  // the Menu key
    ChooseInPopup(1);                                                                // Mount
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 1; }, 10000));
    EXPECT_EQ(std::tuple(Row(lists[0], 0), DeviceTargets(t + ":")),
              std::tuple(t + ": \t" + japan, MappedTo(wideJapan)));
    TypeLetter(used[0]);
    PostMessageA(Child("Button", "Plivant"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[0]) == 2; }, 10000));
    EXPECT_EQ(std::tuple(Row(lists[0], 0) + "|" + Row(lists[0], 1), DeviceTargets(s + ":"),
                         ReadBytes(installed / "Plivant.ini")),
              std::tuple(t + ": \t" + japan + "|" + s + ": \t" + beetle, MappedTo(wideBeetle),
                         japan + "\r\n" + beetle + "\r\n"));
    EXPECT_TRUE(SaveArtifact(CaptureScreen(r), "main-window-scripts"));
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);
    ChooseInPopup(2, "main-window-popup");  // Clear, with a folder in the path box, both lists
    ASSERT_TRUE(PumpUntil([&] { return Rows(lists[1]) == 0; }, 10000));
    EXPECT_EQ(ReadBytes(installed / "Plivant.ini"), "<missing>");
    SetLanguage({});
    for (const auto& folder : {wideJapan, wideBeetle}) RemoveDirectoryW(folder.c_str());
}

// Every language's table: the lists and windows are named in the language, and the main window, each list's popup,
// the help window and the start-up list editor, a row per language, make build\artifacts\languages.png, where a cut
// text or a broken line shows at a glance.
TEST_F(MainWindowRun, EveryLanguageNamesEveryWindowAndMakesARowOfTheSheet) {
    const std::string folder = installed / "Fotos", letter{used[0], ':'};
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

}  // namespace
}  // namespace plivant::wine
