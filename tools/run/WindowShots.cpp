// WindowShots.exe: for scripts/run on a machine without a display. Saves a picture of each visible window of a
// running program (found by the name of its program file) as <folder>\run-<n>.png, prints the files' paths and the
// drive letters mapped to folders in this Wine prefix (asked of the system letter by letter), then closes the
// program's windows and waits for it to end.
// Usage: WindowShots.exe <program file name> <folder>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "ui/sim/PngFile.h"
#include "ui/win32/Win32Toolkit.h"

namespace {

struct Found {
    std::string program;
    std::vector<HWND> windows;
    DWORD process = 0;
};

std::string ProgramOf(DWORD processId) {
    plivant::platform::win32::UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    char path[MAX_PATH] = "";
    DWORD size = MAX_PATH;
    if (!process || !QueryFullProcessImageNameA(process.get(), 0, path, &size)) return {};
    const std::string full(path, size);
    return full.substr(full.find_last_of("\\/") + 1);
}

BOOL CALLBACK Visit(HWND window, LPARAM data) {
    auto& found = *reinterpret_cast<Found*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (!IsWindowVisible(window) || lstrcmpiA(ProgramOf(processId).c_str(), found.program.c_str()) != 0) return TRUE;
    found.windows.push_back(window);
    found.process = processId;
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    Found found{argv[1], {}, 0};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&found));
    plivant::platform::win32::WindowDc screen(nullptr);
    int n = 0;
    for (HWND window : found.windows) {
        RECT r{};
        GetWindowRect(window, &r);
        const auto shot =
            plivant::ui::win32::ReadBitmap(screen.get(), r.right - r.left, r.bottom - r.top, r.left, r.top);
        const std::string path = std::string(argv[2]) + "\\run-" + std::to_string(++n) + ".png";
        char title[256] = "";
        GetWindowTextA(window, title, sizeof title);
        if (plivant::ui::WritePngFile(shot, path)) std::printf("window \"%s\": %s\n", title, path.c_str());
    }
    int mapped = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const char name[] = {letter, ':', 0};
        char targets[4096];
        if (QueryDosDeviceA(name, targets, sizeof targets) > 0 && std::string(targets).starts_with("\\??\\")) {
            std::printf("mapped %s %s\n", name, targets + 4);
            ++mapped;
        }
    }
    if (mapped == 0) std::printf("mapped: no letter\n");
    std::fflush(stdout);
    if (found.process == 0) return 0;  // nothing left to close
    plivant::platform::win32::UniqueKernelHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, found.process));
    // Closing the main window ends the program; a program that does not end in time is ended.
    for (HWND window : found.windows) PostMessageA(window, WM_CLOSE, 0, 0);
    if (process && WaitForSingleObject(process.get(), 5000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
    return 0;
}
