// Helpers for the Windows test program: temporary folders, device queries, the message loop, running Plivant.exe,
// pictures of what the screen or a window shows.
#pragma once
#include <windows.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/Bitmap.h"

namespace plivant::wine {

// A new empty folder under the temporary folder, removed with its content at the end of the scope.
class TempFolder {
public:
    // In `base` (ending in a backslash) instead of the temporary folder when given.
    explicit TempFolder(const char* base = nullptr);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);  // "<missing>" when the file cannot be opened
inline void MakeFolder(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
}

// The targets of a device name, newest first; empty when the name is unknown.
std::vector<std::string> DeviceTargets(const std::string& name);
// What a letter mapped to the folder names as its target: the folder's short form.
std::vector<std::string> MappedTo(const std::wstring& folder);
// A drive letter that nothing uses, searched from the end of the alphabet; 0 when none.
char FreeLetter(const std::string& avoid = "");
// Removes every definition of a letter, whatever its targets (for cleaning up after a test).
void ForgetLetter(char letter);

// Runs the messages waiting for the thread through the program's own loop (the one DoEvents runs).
void Pump();
// Pumps, so that timers tick, until the condition holds (true) or the time is up (false): a busy machine delays the
// ticks, so tests wait for what they expect rather than for a fixed time.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Runs program with the argument text; true when it ended within 30 seconds.
bool RunProgram(const std::string& program, const std::string& arguments);
// The folder holding this test program.
std::string TestProgramFolder();
// The Plivant.exe that whole runs drive: the one the environment's PLIVANT_PROGRAM names, else the one beside this
// test program.
std::string ProgramUnderTest();

// The screen's pixels in the rectangle (screen coordinates).
ui::Bitmap CaptureScreen(const RECT& area);
// What the screen shows of a window and the margin round it, once its painting is done.
ui::Bitmap ShootWindow(HWND window, int margin = 0);
// True when the picture stands somewhere in the shot, pixel for pixel.
bool Contains(const ui::Bitmap& shot, const ui::Bitmap& picture);
// Writes the bitmap as <name>.png among the build's artefacts (build\artifacts); false on failure.
bool SaveArtifact(const ui::Bitmap& bitmap, const std::string& name);

inline std::wstring Wide(const std::string& utf8) {  // UTF-8 as UTF-16
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}
// The program's texts by language code and id, in UTF-8: the repository's translations (translations\<code>.txt, read
// through Wine's Z: drive) and "en", the program's own English.
std::map<std::string, std::map<int, std::string>> Languages();

// A window's text, asked of the window itself (a control of another process answers with its content too).
inline std::string WindowText(HWND w) {
    std::string text(static_cast<size_t>(SendMessageA(w, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(SendMessageA(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

}  // namespace plivant::wine
