// The real Plivant.exe driven from this process the way a user or a screen reader drives it: windows found by
// class and name, keys and clicks sent as window messages. Mount from the command line's folder, Unmount through
// the list's popup, Mount again from the history and Clear it from the keyboard; pictures of the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Screenshot.h"
#include "WineSupport.h"

namespace plivant::wine {
namespace {

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = 10000) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(20)) {
        if (GetTickCount() - start > milliseconds) return false;
    }
    return true;
}

std::string Text(HWND w) {
    char text[1024] = "";
    SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The windows of a process, top-level ones or the children of one, in Z order; those of a class and, when given,
// a window text.
std::vector<HWND> Windows(DWORD process, HWND parent, const char* cls, const char* text = nullptr) {
    struct Search {
        DWORD process;
        const char *cls, *text;
        std::vector<HWND> found;
    } search{process, cls, text, {}};
    const WNDENUMPROC visit = [](HWND w, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        char name[64] = "";
        DWORD owner = 0;
        GetClassNameA(w, name, sizeof name);
        GetWindowThreadProcessId(w, &owner);
        if (owner == s.process && IsWindowVisible(w) && lstrcmpiA(name, s.cls) == 0 && (!s.text || Text(w) == s.text))
            s.found.push_back(w);
        return TRUE;
    };
    if (parent) {
        EnumChildWindows(parent, visit, reinterpret_cast<LPARAM>(&search));
    } else {
        EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

class MainWindowRun : public testing::Test {
protected:
    void SetUp() override {
        program = installed / "Plivant.exe";
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\Plivant.exe").c_str(), program.c_str(), FALSE));
        MakeFolder(folders / "My Data");
        char longForm[MAX_PATH];
        GetLongPathNameA((folders / "My Data").c_str(), longForm, MAX_PATH);
        data = longForm;
    }
    void TearDown() override {
        Close();
        for (char letter : used) ForgetLetter(letter);
    }
    // Starts the program with the argument text as the shell passes it, and waits for its main window once the
    // splash above it has gone.
    void Start(const std::string& arguments) {
        std::string commandLine = "\"" + program + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &run));
        ASSERT_TRUE(WaitFor([&] {
            return Windows(run.dwProcessId, nullptr, "PlivantForm", "Splash").empty() &&
                   !Windows(run.dwProcessId, nullptr, "PlivantForm", "Plivant").empty();
        }));
        main = Windows(run.dwProcessId, nullptr, "PlivantForm", "Plivant").front();
        lists = Windows(run.dwProcessId, main, "ListBox");
        ASSERT_EQ(lists.size(), 2u);
    }
    // Closing the main window ends the process.
    void Close() {
        if (!run.hProcess) return;
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(run.hProcess, 10000), WAIT_OBJECT_0);
        CloseHandle(run.hThread);
        CloseHandle(run.hProcess);
        run = {};
    }
    HWND Child(const char* cls, const char* text = nullptr) {
        const auto found = Windows(run.dwProcessId, main, cls, text);
        return found.empty() ? nullptr : found.front();
    }
    // A key as the keyboard sends it to the window that has the focus.
    static void Type(HWND w, UINT key, char character = 0) {
        PostMessageA(w, WM_KEYDOWN, key, 1);
        if (character) PostMessageA(w, WM_CHAR, static_cast<BYTE>(character), 1);
        PostMessageA(w, WM_KEYUP, key, 0xC0000001);
    }
    void TypeLetter(char letter) {
        const auto field = Windows(run.dwProcessId, Child("ComboBox"), "Edit");  // the drive box's edit field
        ASSERT_EQ(field.size(), 1u);
        Type(field.front(), static_cast<UINT>(letter), static_cast<char>(letter + 32));
        ASSERT_TRUE(WaitFor([&] { return Text(Child("ComboBox")) == std::string(1, letter) + ": "; }));
    }
    // A list's row read as a screen reader reads it, in Unicode.
    static std::string Row(HWND list, int index) {
        wchar_t row[1024] = L"";
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(row));
        char ansi[2048] = "";
        WideCharToMultiByte(CP_ACP, 0, row, -1, ansi, sizeof ansi, nullptr, nullptr);
        return ansi;
    }
    POINT RowMiddle(HWND list, int index) {
        const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        return {20, index * height + height / 2};
    }
    // Picks the item of the popup that has just opened, by the keyboard.
    void ChooseInPopup(int item) {
        std::vector<HWND> popup;
        ASSERT_TRUE(WaitFor([&] { return !(popup = Windows(run.dwProcessId, nullptr, "#32768")).empty(); }));
        for (int i = 0; i < item; ++i) Type(popup.front(), VK_DOWN);
        Type(popup.front(), VK_RETURN);
    }
    void Picture(const char* name) {
        RECT r{};
        GetWindowRect(main, &r);
        EXPECT_FALSE(SaveArtifact(CaptureScreen(r), name).empty());
    }
    char Letter() {
        used.push_back(FreeLetter(used));
        return used.back();
    }
    std::string Short(const std::string& path) {
        char s[MAX_PATH];
        GetShortPathNameA(path.c_str(), s, MAX_PATH);
        return s;
    }

    TempFolder installed, folders;
    std::string program, data, used;
    PROCESS_INFORMATION run{};
    HWND main = nullptr;
    std::vector<HWND> lists;
};

TEST_F(MainWindowRun, MountUnmountMountAgainAndClearAsAUserWould) {
    const std::string history = installed / "Plivant.ini";
    const char s = Letter(), t = Letter();
    Start(data);  // unquoted, with its space
    EXPECT_EQ(Text(Child("Edit")), data);
    ASSERT_NE(Child("Button", "About"), nullptr) << "the About image is a window named by its tooltip";
    Picture("main-window-empty");
    TypeLetter(s);
    PostMessageA(Child("Button", "Plivant"), BM_CLICK, 0, 0);  // the mount button, named by its tooltip
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(lists[0], LB_GETCOUNT, 0, 0) == 1; }));
    EXPECT_EQ(DeviceTargets(std::string(1, s) + ":"), std::vector<std::string>{"\\??\\" + Short(data)});
    EXPECT_EQ(Row(lists[0], 0), std::string(1, s) + ": \t" + data);
    EXPECT_EQ(ReadBytes(history), data + "\r\n");
    EXPECT_EQ(Text(Child("ComboBox")), "");

    const POINT row = RowMiddle(lists[0], 0);
    PostMessageA(lists[0], WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(row.x, row.y));
    ChooseInPopup(1);  // Unmount
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(lists[0], LB_GETCOUNT, 0, 0) == 0; }));
    EXPECT_TRUE(DeviceTargets(std::string(1, s) + ":").empty());
    Close();

    Start("");
    EXPECT_FALSE(IsWindowEnabled(Child("Button", "Plivant")));
    ASSERT_EQ(Row(lists[1], 0), data);
    TypeLetter(t);
    const POINT first = RowMiddle(lists[1], 0);
    PostMessageA(lists[1], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
    PostMessageA(lists[1], WM_LBUTTONUP, 0, MAKELPARAM(first.x, first.y));
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);  // the Menu key
    ChooseInPopup(1);                                                                // Mount
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(lists[0], LB_GETCOUNT, 0, 0) == 1; }));
    EXPECT_EQ(Row(lists[0], 0), std::string(1, t) + ": \t" + data);
    Picture("main-window-mapped");
    PostMessageA(lists[1], WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lists[1]), -1);
    ChooseInPopup(2);  // Clear
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(lists[1], LB_GETCOUNT, 0, 0) == 0; }));
    EXPECT_EQ(ReadBytes(history), "<missing>");
}

}  // namespace
}  // namespace plivant::wine
