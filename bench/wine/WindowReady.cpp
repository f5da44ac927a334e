// WindowReady.exe: how long a program takes from its start until its main window is visible and ready, measured
// from outside as a user sees it, and the CPU time its process has used by then. Runs the given programs in turn,
// each the given number of times, and prints for each "<label> <median wall ms> <median CPU ms> <least CPU ms>".
// A program's window is ready when a visible top-level window of its process has the given title, answers a message
// sent to it and, when a count is given, its second list box holds that many rows.
// A program given as "<path>|<arguments>" is started with those arguments ("|" is in no Windows path).
// Usage: WindowReady.exe <runs> <label> <program> <title> <rows> [<label> <program> <title> <rows>]...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Subject {
    std::string label, program, arguments, title;
    long rows;
    std::vector<double> times, cpu;
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

std::string ReadAll(const std::string& path) {
    std::string text;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n) text.append(buffer, n);
    CloseHandle(file);
    return text;
}

// The CPU milliseconds that the running process of the program has used: Wine reports none for another process
// (GetProcessTimes), so they are read from the kernel's account of its threads in /proc, through Wine's drive Z:
// (a process's /proc command line is its Windows one, its first argument the program). Negative when not found.
double CpuMs(const std::string& program) {
    WIN32_FIND_DATAA entry;
    const HANDLE processes = FindFirstFileA("Z:\\proc\\*", &entry);
    double ms = -1;
    for (bool more = processes != INVALID_HANDLE_VALUE; more && ms < 0; more = FindNextFileA(processes, &entry)) {
        const std::string folder = std::string("Z:\\proc\\") + entry.cFileName;
        if (entry.cFileName[0] < '1' || entry.cFileName[0] > '9') continue;
        if (ReadAll(folder + "\\cmdline").rfind(program + '\0', 0) != 0) continue;
        WIN32_FIND_DATAA thread;
        const HANDLE threads = FindFirstFileA((folder + "\\task\\*").c_str(), &thread);
        ms = 0;
        for (bool t = threads != INVALID_HANDLE_VALUE; t; t = FindNextFileA(threads, &thread))
            if (thread.cFileName[0] != '.')
                ms += std::atof(ReadAll(folder + "\\task\\" + thread.cFileName + "\\schedstat").c_str()) / 1e6;
        if (threads != INVALID_HANDLE_VALUE) FindClose(threads);
    }
    if (processes != INVALID_HANDLE_VALUE) FindClose(processes);
    return ms;
}

// Milliseconds until ready and the CPU milliseconds used by then, or negative numbers when the program did not get
// there within 30 s.
std::pair<double, double> TimeOnce(const Subject& s) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    std::string commandLine = "\"" + s.program + "\"" + (s.arguments.empty() ? "" : " " + s.arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION run{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(s.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &run)) {
        return {-1, -1};
    }
    double elapsed = -1, cpu = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
        const HWND window = MainWindow(run.dwProcessId, s.title.c_str());
        // Ready also means responding: the window's thread answers a message sent to it (a list's count, or nothing)
        // once it has done what it does before it waits for input. The time is taken when the answer comes.
        DWORD_PTR answer = 0;
        if (window && (s.rows < 0 ? SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer) != 0
                                  : SecondListRows(window) == s.rows)) {
            QueryPerformanceCounter(&now);
            elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
            cpu = CpuMs(s.program);
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        }
        if (ms > 30000) break;
        Sleep(1);
    }
    if (WaitForSingleObject(run.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(run.hProcess, 1);
    CloseHandle(run.hThread);
    CloseHandle(run.hProcess);
    return {elapsed, cpu};
}

double Median(std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    return values.front() < 0 ? -1.0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6 || (argc - 2) % 4 != 0) return 2;
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Subject> subjects;
    for (int i = 2; i + 3 < argc; i += 4) {
        const std::string program = argv[i + 1];
        const size_t bar = program.find('|');
        subjects.push_back({argv[i],
                            program.substr(0, bar),
                            bar == std::string::npos ? "" : program.substr(bar + 1),
                            argv[i + 2],
                            std::atol(argv[i + 3]),
                            {},
                            {}});
    }
    // Interleaved, so that a burst of load elsewhere on the machine hits every program alike.
    for (int r = 0; r < runs; ++r) {
        for (Subject& s : subjects) {
            const auto [wall, cpu] = TimeOnce(s);
            s.times.push_back(wall);
            s.cpu.push_back(cpu);
        }
    }
    // The least CPU time too: load elsewhere on the machine (time the hypervisor gives to others is counted as the
    // process's own) only ever adds to it.
    for (Subject& s : subjects) {
        const double median = Median(s.cpu);
        std::printf("%s %.1f %.1f %.1f\n", s.label.c_str(), Median(s.times), median, s.cpu.front());
    }
    return 0;
}
