// installer_probe: what the installer's Wine test asks of Windows that the shell cannot ask itself.
//   installer_probe run COMMANDLINE            runs the command line exactly as given (as Explorer runs a verb's
//                                              command) and ends with its exit code
//   installer_probe while-running COMMANDLINE  the same while holding Plivant's instance mutex, as a running
//                                              Plivant does
//   installer_probe shortcut FILE.lnk          prints the shortcut's target, arguments and working folder, one a line
//   installer_probe define X: FOLDER           maps the letter to the folder
//   installer_probe devices X:                 prints the letter's targets, one a line (none when unmapped)
//   installer_probe start COMMANDLINE          starts the command line and returns at once
//   installer_probe path-box MILLISECONDS      waits for a Plivant window holding a text box (not a combo box's),
//                                              prints that box's text and closes the window
//   installer_probe wait-ended MILLISECONDS    waits until no Plivant runs; 1 when one still runs after the time
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/Win32Platform.h"

namespace {

// Starts the command line exactly as given; the process, or null.
HANDLE Launch(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot run %s: error %lu\n", commandLine.c_str(), GetLastError());
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

int Run(const std::string& commandLine) {
    const HANDLE process = Launch(commandLine);
    DWORD code = process ? 126 : 127;
    if (process && WaitForSingleObject(process, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    if (process) CloseHandle(process);
    return static_cast<int>(code);
}

// What the probe holds goes when it ends, right after.
int Shortcut(const char* file) {
    IShellLinkA* link = nullptr;
    IPersistFile* persist = nullptr;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, file, -1, wide, MAX_PATH);
    char target[MAX_PATH] = "", arguments[1024] = "", folder[MAX_PATH] = "";
    if (FAILED(CoInitialize(nullptr)) ||
        FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) ||
        FAILED(persist->Load(wide, STGM_READ)) || FAILED(link->GetPath(target, MAX_PATH, nullptr, 0)) ||
        FAILED(link->GetArguments(arguments, sizeof(arguments))) || FAILED(link->GetWorkingDirectory(folder, MAX_PATH)))
        return 1;
    std::printf("%s\n%s\n%s\n", target, arguments, folder);
    return 0;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// The first text box among a window's descendants that is not a combo box's edit field.
HWND PathBox(HWND window) {
    HWND found = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM result) CALLBACK -> BOOL {
            if (lstrcmpiA(ClassOf(child).c_str(), "Edit") != 0) return TRUE;
            if (lstrcmpiA(ClassOf(GetParent(child)).c_str(), "ComboBox") == 0) return TRUE;
            *reinterpret_cast<HWND*>(result) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

int PathBoxText(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        for (HWND w = FindWindowExA(nullptr, nullptr, "PlivantForm", nullptr); w;
             w = FindWindowExA(nullptr, w, "PlivantForm", nullptr)) {
            const HWND box = IsWindowVisible(w) ? PathBox(w) : nullptr;
            if (!box) continue;
            // Asked of the window itself: GetWindowText reads only the caption of another process's window.
            char text[1024] = "";
            SendMessageA(box, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
            std::printf("%s\n", text);
            PostMessageA(w, WM_CLOSE, 0, 0);
            return 0;
        }
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return 1;
}

// Waits until no Plivant runs (its single-instance object is gone): 0, or 1 when it still runs after the time.
int WaitEnded(DWORD milliseconds) {
    for (const DWORD start = GetTickCount();; Sleep(50)) {
        const HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, plivant::platform::win32::kInstanceMutexName);
        if (!mutex) return 0;
        CloseHandle(mutex);
        if (GetTickCount() - start >= milliseconds) return 1;
    }
}

int Devices(const char* name) {
    char targets[4096];
    const DWORD n = QueryDosDeviceA(name, targets, sizeof(targets));
    for (const char* t = targets; n && *t; t += std::string(t).size() + 1) std::printf("%s\n", t);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "run" && argc == 3) return Run(argv[2]);
    if (verb == "while-running" && argc == 3) {
        const HANDLE mutex = CreateMutexA(nullptr, FALSE, plivant::platform::win32::kInstanceMutexName);
        const int code = Run(argv[2]);
        CloseHandle(mutex);
        return code;
    }
    if (verb == "shortcut" && argc == 3) return Shortcut(argv[2]);
    if (verb == "define" && argc == 4) return DefineDosDeviceA(0, argv[2], argv[3]) ? 0 : 1;
    if (verb == "devices" && argc == 3) return Devices(argv[2]);
    if (verb == "start" && argc == 3) {
        const HANDLE process = Launch(argv[2]);
        return process && CloseHandle(process) ? 0 : 1;
    }
    if (verb == "path-box" && argc == 3) return PathBoxText(static_cast<DWORD>(std::atoi(argv[2])));
    if (verb == "wait-ended" && argc == 3) return WaitEnded(static_cast<DWORD>(std::atoi(argv[2])));
    std::fprintf(stderr,
                 "usage: installer_probe run|while-running|shortcut|define|devices|start|path-box|wait-ended ...\n");
    return 2;
}
