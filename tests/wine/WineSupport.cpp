// Helpers for the Windows test program.
#include "WineSupport.h"

#include <cstdio>

namespace plivant::wine {

namespace {

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%splivant-%lu-%d", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            return;
        }
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string content;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) content.append(chunk, read);
    CloseHandle(file);
    return content;
}

std::vector<std::string> DeviceTargets(const std::string& name) {
    std::vector<char> buffer(65536);
    const DWORD n = QueryDosDeviceA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    std::vector<std::string> targets;
    for (DWORD at = 0; at < n && buffer[at] != '\0';) {
        targets.emplace_back(&buffer[at]);
        at += static_cast<DWORD>(targets.back().size()) + 1;
    }
    return targets;
}

char FreeLetter(const std::string& avoid) {
    for (char letter = 'Y'; letter >= 'D'; --letter) {
        if (avoid.find(letter) != std::string::npos) continue;
        if (DeviceTargets(std::string(1, letter) + ":").empty()) return letter;
    }
    return 0;
}

void ForgetLetter(char letter) {
    const std::string name = std::string(1, letter) + ":";
    for (int i = 0; i < 64 && !DeviceTargets(name).empty(); ++i) {
        DefineDosDeviceA(DDD_REMOVE_DEFINITION, name.c_str(), nullptr);
    }
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Pump();
        Sleep(1);
    }
    return true;
}

RunResult RunProgram(const std::string& program, const std::string& arguments, DWORD timeoutMs) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    RunResult result;
    const DWORD start = GetTickCount();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return result;
    }
    result.finished = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    result.milliseconds = GetTickCount() - start;
    if (!result.finished) TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

std::string TestProgramFolder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, n);
    return full.substr(0, full.find_last_of('\\'));
}

}  // namespace plivant::wine
