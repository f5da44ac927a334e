// installer_probe: what the installer's Wine test asks of Windows that the shell cannot ask itself.
//   installer_probe run COMMANDLINE            runs the command line exactly as given (as Explorer runs a verb's
//                                              command) and ends with its exit code
//   installer_probe while-running COMMANDLINE  the same while holding Plivant's instance mutex, as a running
//                                              Plivant does
//   installer_probe shortcut FILE.lnk          prints the shortcut's target, arguments and working folder, one a line
//   installer_probe define X: FOLDER           maps the letter to the folder
//   installer_probe devices X:                 prints the letter's targets, one a line (none when unmapped)
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "platform/win32/Win32Platform.h"

namespace {

// Runs the command line exactly as given; its exit code (127: it could not start, 126: it did not end).
int Run(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot run %s: error %lu\n", commandLine.c_str(), GetLastError());
        return 127;
    }
    DWORD code = 126;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

int Shortcut(const char* file) {
    if (FAILED(CoInitialize(nullptr))) return 1;
    IShellLinkA* link = nullptr;
    IPersistFile* persist = nullptr;
    int result = 1;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, file, -1, wide, MAX_PATH);
        char target[MAX_PATH] = "", arguments[1024] = "", folder[MAX_PATH] = "";
        if (SUCCEEDED(persist->Load(wide, STGM_READ)) && SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
            SUCCEEDED(link->GetArguments(arguments, sizeof(arguments))) &&
            SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH))) {
            std::printf("%s\n%s\n%s\n", target, arguments, folder);
            result = 0;
        }
    }
    if (persist) persist->Release();
    if (link) link->Release();
    CoUninitialize();
    return result;
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
    std::fprintf(stderr, "usage: installer_probe run|while-running|shortcut|define|devices ...\n");
    return 2;
}
