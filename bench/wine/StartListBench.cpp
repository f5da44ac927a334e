// The start-up list editor on real windows with a mount.ini of 100,000 lines: the time from Show to the painted
// window (reading, lower-casing, filling the list) and from the close to the list written back. Prints the median
// of each over the runs as "open <seconds>" and "close <seconds>".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "ui/win32/Win32Toolkit.h"
#include "windows/startlist/frmStartLoad.h"

namespace {

constexpr int kLines = 100000;

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 5);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "plivant-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string content;
    for (int i = 0; i < kLines; ++i) content += "E:\tC:\\Users\\Public\\Folder " + std::to_string(i) + "\r\n";
    const std::string path = folder + "mount.ini";

    plivant::platform::win32::Win32Platform real;
    plivant::platform::Platform ports = real.Ports();
    plivant::ui::win32::Win32Toolkit toolkit(real.windowing, real.shell);
    plivant::frmStartLoad editor(toolkit, ports, folder);
    std::vector<double> opens, closes;
    bool whole = true;
    for (int run = 0; run < runs; ++run) {
        if (!real.files.Replace(path, content)) return 1;
        const double start = Now();
        editor.Show();
        UpdateWindow(reinterpret_cast<HWND>(editor.hwnd()));
        Pump();
        const double shown = Now();
        whole = whole && editor.vList.ListCount() == kLines;
        editor.Unload();
        Pump();
        const double closed = Now();
        opens.push_back(shown - start);
        closes.push_back(closed - shown);
    }
    const auto written = real.files.ReadFile(path);
    whole = whole && written && written->size() == content.size();
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    std::printf("open %.4f\nclose %.4f\n", Median(opens), Median(closes));
    return whole ? 0 : 2;
}
