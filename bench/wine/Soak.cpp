// Soak.exe: a running Plivant.exe driven from another process as a user drives it, for many cycles in one run: each
// of its windows (the start-up list editor, help, About) opened and closed, and a folder mounted and unmounted. After
// one warm-up cycle of each, and after every 50 cycles of each, it prints the program's private bytes (its page-file
// use, which Wine reads as the process's anonymous resident memory from its /proc), its working set and its count of
// windows, one sample a line:
//   <what> <cycles> <private bytes> <working set bytes> <windows>
// Usage: Soak.exe <Plivant.exe> <folder to mount> <drive letter> <cycles>   (the letter and the next must be free)
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

DWORD process = 0;

struct Found {
    const char* title;
    HWND window;
    int windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<Found*>(data)->windows;
    return TRUE;
}

BOOL CALLBACK Visit(HWND w, LPARAM data) {
    auto& found = *reinterpret_cast<Found*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner != process) return TRUE;
    ++found.windows;
    EnumChildWindows(w, CountChild, data);
    char text[64] = "";
    GetWindowTextA(w, text, sizeof text);
    if (found.title && IsWindowVisible(w) && lstrcmpA(text, found.title) == 0) found.window = w;
    return TRUE;
}

// The program's visible top-level window of the title, and its count of windows (top-level and child).
Found Look(const char* title = nullptr) {
    Found found{title, nullptr, 0};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Waits (up to 20 seconds) for the condition; false when it did not come.
bool Until(const std::function<bool()>& done) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(2)) {
        if (GetTickCount() - start > 20000) return false;
    }
    return true;
}

std::string Text(HWND w) {
    char text[256] = "";
    SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void Key(HWND w, UINT key, char character = 0) {
    PostMessageA(w, WM_KEYDOWN, key, 1);
    if (character) PostMessageA(w, WM_CHAR, static_cast<BYTE>(character), 1);
    PostMessageA(w, WM_KEYUP, key, 0xC0000001);
}

HWND Popup() {
    const HWND popup = FindWindowA("#32768", nullptr);
    return popup && IsWindowVisible(popup) ? popup : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    const std::string program = argv[1], folder = argv[2];
    const char first = argv[3][0];
    const int cycles = std::atoi(argv[4]);
    std::string commandLine = "\"" + program + "\" " + folder;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION run{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &run)) {
        return 3;
    }
    process = run.dwProcessId;
    HWND main = nullptr;
    if (!Until([&] { return !Look("Splash").window && (main = Look("Plivant").window) != nullptr; })) return 4;
    const auto button = [&](const char* name) { return FindWindowExA(main, nullptr, "Button", name); };
    const HWND combo = FindWindowExA(main, nullptr, "ComboBox", nullptr);
    const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    const HWND mounted = FindWindowExA(main, nullptr, "ListBox", nullptr);
    const auto rows = [&] { return SendMessageA(mounted, LB_GETCOUNT, 0, 0); };

    // One opening and closing of a window, by its button and its caption. A click while another window loads opens
    // nothing (the driver may close a window before its load is over, sooner than a user can): it is made again.
    int again = 0;  // clicks and presses made again
    const auto openAndClose = [&](const char* buttonName, const char* caption) {
        HWND window = nullptr;
        const auto opened = [&] { return (window = Look(caption).window) != nullptr; };
        for (int click = 0; click < 5 && !window; ++click) {
            again += click > 0;
            PostMessageA(button(buttonName), BM_CLICK, 0, 0);
            for (const DWORD start = GetTickCount(); !opened() && GetTickCount() - start < 1000;) Sleep(2);
        }
        if (!window) return false;
        WaitForInputIdle(run.hProcess, 2000);  // its load over: the window waits for the user
        PostMessageA(window, WM_CLOSE, 0, 0);
        return Until([&] { return !IsWindow(window); }) && Until([&] { return IsWindowEnabled(main) != FALSE; });
    };
    // One mount of the folder and its unmount through the list's popup, on the letter and the next one in turn: the
    // drive box is refilled after a mount, not after an unmount, so it offers a letter again after the next mount.
    int mounts = 0;
    const auto mountAndUnmount = [&] {
        const char letter = static_cast<char>(first + mounts++ % 2);
        const std::string item = std::string(1, letter) + ": ";
        Key(field, static_cast<UINT>(letter), static_cast<char>(letter + 32));
        if (!Until([&] { return Text(combo) == item; })) return false;
        PostMessageA(button("Plivant"), BM_CLICK, 0, 0);
        if (!Until([&] { return rows() == 1; })) return false;
        // Keys sent to a popup the moment it shows are now and then lost under Wine: it is closed and opened again.
        for (int press = 0; press < 5; ++press) {
            again += press > 0;
            PostMessageA(mounted, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 5));
            HWND popup = nullptr;
            if (!Until([&] { return (popup = Popup()) != nullptr; })) return false;
            Key(popup, VK_DOWN);
            Key(popup, VK_RETURN);
            for (const DWORD start = GetTickCount(); GetTickCount() - start < 1000; Sleep(2)) {
                if (rows() == 0 && !Popup()) return true;
            }
            if (Popup()) Key(Popup(), VK_ESCAPE);
            Until([&] { return !Popup(); });
        }
        return false;
    };
    const auto sample = [&](const char* what, int done) {
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(run.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        std::printf("%s %d %llu %llu %d\n", what, done, static_cast<unsigned long long>(memory.PagefileUsage),
                    static_cast<unsigned long long>(memory.WorkingSetSize), Look().windows);
        std::fflush(stdout);
    };
    const std::pair<const char*, std::function<bool()>> actions[] = {
        {"editor", [&] { return openAndClose("Setup [Mount as Win Boot]", "Mount @ Windows Startup"); }},
        {"help", [&] { return openAndClose("Help", "Help"); }},
        {"about", [&] { return openAndClose("About", "About Plivant"); }},
        {"mount", mountAndUnmount}};
    int failed = 0;
    for (const auto& [what, action] : actions) {  // the warm-up: first uses make what lasts
        if (!action()) std::printf("failed %s 0\n", what), ++failed;
    }
    sample("start", 0);
    for (const auto& [what, action] : actions) {
        for (int i = 1; i <= cycles && !failed; ++i) {
            if (!action()) {
                std::printf("failed %s %d\n", what, i);
                ++failed;
            }
            if (i % 50 == 0 || i == cycles || i == cycles / 2) sample(what, i);
        }
    }
    std::printf("again %d\n", again);
    PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(run.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(run.hProcess, 1);
    return failed ? 1 : 0;
}
