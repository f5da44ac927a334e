// Helpers for the Windows test program: files, devices, the message loop, screenshots, the toolkit tests' keys.
#include "WineSupport.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "SwallowCheck.h"
#include "state/UiStrings.h"
#include "ui/sim/PngFile.h"

namespace plivant::wine {

const bool kSwallowCheckAdded = test::AddSwallowCheck();  // const: of this file only

TempFolder::TempFolder(const char* base) {
    char temporary[MAX_PATH], name[MAX_PATH];
    if (!base) GetTempPathA(MAX_PATH, temporary);
    static int counter = 0;
    do {
        std::snprintf(name, sizeof name, "%splivant-%lu-%d", base ? base : temporary, GetCurrentProcessId(), ++counter);
    } while (!CreateDirectoryA(name, nullptr));
    path_ = name;
}

TempFolder::~TempFolder() {
    std::error_code ignored;  // read-only files are made deletable; names of any script go through the wide calls
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

std::vector<std::string> DeviceTargets(const std::string& name) {
    std::vector<char> buffer(65536);
    const DWORD n = QueryDosDeviceA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    std::vector<std::string> targets;
    for (DWORD at = 0; at < n && buffer[at] != '\0'; at += static_cast<DWORD>(targets.back().size()) + 1)
        targets.emplace_back(&buffer[at]);
    return targets;
}

char FreeLetter(const std::string& avoid) {
    for (char letter = 'Y'; letter >= 'D'; --letter) {
        if (avoid.find(letter) == std::string::npos && DeviceTargets(std::string(1, letter) + ":").empty())
            return letter;
    }
    return 0;
}

void ForgetLetter(char letter) {
    const std::string name = std::string(1, letter) + ":";
    for (int i = 0; i < 64 && !DeviceTargets(name).empty(); ++i)
        DefineDosDeviceA(DDD_REMOVE_DEFINITION, name.c_str(), nullptr);
}

void Pump() {
    platform::win32::Win32Windowing().ProcessPendingMessages();
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(1)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Pump();
    }
    return true;
}

std::string TestProgramFolder() {
    char path[MAX_PATH];
    const std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return full.substr(0, full.find_last_of('\\'));
}

ui::Bitmap CaptureScreen(const RECT& area) {
    platform::win32::WindowDc screen(nullptr);
    return ui::win32::ReadBitmap(screen.get(), area.right - area.left, area.bottom - area.top, area.left, area.top);
}

ui::Bitmap ShootWindow(HWND window, int margin) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetWindowRect(window, &r);
    InflateRect(&r, margin, margin);
    return CaptureScreen(r);
}

bool SaveArtifact(const ui::Bitmap& bitmap, const std::string& name) {
    const std::string folder = TestProgramFolder() + "\\..\\artifacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    return ui::WritePngFile(bitmap, folder + "\\" + name + ".png");
}

std::map<std::string, std::map<int, std::string>> Languages() {
    std::map<std::string, std::map<int, std::string>> languages;
    for (const auto& file : std::filesystem::directory_iterator(TestProgramFolder() + "\\..\\..\\translations")) {
        std::istringstream lines(file.path().extension() == ".txt" ? ReadBytes(file.path().string()) : "");
        for (std::string line; std::getline(lines, line);) {  // "5001=text"; the header and comments have no id
            if (!std::isdigit(line[0]) || line.find('=') != 4) continue;
            languages[file.path().stem().string()][std::stoi(line)] = line.substr(5, line.find_last_not_of('\r') - 4);
            languages["en"][std::stoi(line)] = DefaultText(UiString(std::stoi(line)));
        }
    }
    return languages;
}

}  // namespace plivant::wine
