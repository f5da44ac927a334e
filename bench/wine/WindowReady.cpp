// WindowReady.exe: how long a program takes from its start until its main window is visible and ready, measured
// from outside as a user sees it. Runs the given programs in turn, each the given number of times, and prints for
// each its median in milliseconds. A program's window is ready when a visible top-level window of its process has
// the given title and, when a count is given, its second list box holds that many rows.
// Usage: WindowReady.exe <runs> <label> <program> <title> <rows> [<label> <program> <title> <rows>]...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Subject {
    std::string label, program, title;
    long rows;
    std::vector<double> times;
};

struct Search {
    DWORD process;
    const char* title;
    HWND found;
};

BOOL CALLBACK Visit(HWND w, LPARAM data) {
    auto& s = *reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    char text[64] = "";
    GetWindowThreadProcessId(w, &owner);
    GetWindowTextA(w, text, sizeof text);
    if (owner != s.process || !IsWindowVisible(w) || lstrcmpA(text, s.title) != 0) return TRUE;
    s.found = w;
    return FALSE;
}

HWND MainWindow(DWORD process, const char* title) {
    Search search{process, title, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

long SecondListRows(HWND window) {
    HWND first = FindWindowExA(window, nullptr, "ListBox", nullptr);
    HWND second = first ? FindWindowExA(window, first, "ListBox", nullptr) : nullptr;
    return second ? static_cast<long>(SendMessageA(second, LB_GETCOUNT, 0, 0)) : -1;
}

// Milliseconds until ready, or a negative number when the program did not get there within 30 s.
double TimeOnce(const Subject& s) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    std::string commandLine = "\"" + s.program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION run{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(s.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &run)) {
        return -1;
    }
    double elapsed = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
        const HWND window = MainWindow(run.dwProcessId, s.title.c_str());
        if (window && (s.rows < 0 || SecondListRows(window) == s.rows)) {
            elapsed = ms;
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        }
        if (ms > 30000) break;
        Sleep(1);
    }
    if (WaitForSingleObject(run.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(run.hProcess, 1);
    CloseHandle(run.hThread);
    CloseHandle(run.hProcess);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6 || (argc - 2) % 4 != 0) return 2;
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Subject> subjects;
    for (int i = 2; i + 3 < argc; i += 4)
        subjects.push_back({argv[i], argv[i + 1], argv[i + 2], std::atol(argv[i + 3]), {}});
    // Interleaved, so that a burst of load elsewhere on the machine hits every program alike.
    for (int r = 0; r < runs; ++r) {
        for (Subject& s : subjects) s.times.push_back(TimeOnce(s));
    }
    for (Subject& s : subjects) {
        std::sort(s.times.begin(), s.times.end());
        std::printf("%s %.1f\n", s.label.c_str(), s.times.front() < 0 ? -1.0 : s.times[s.times.size() / 2]);
    }
    return 0;
}
