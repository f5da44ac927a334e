// Helpers for the Windows test program: folders, devices, the message loop, screenshots, a user of the folder dialog.
#pragma once
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "ui/Bitmap.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plivant::wine {

// A new empty folder in the temporary folder (or in `base`, ending in a backslash), removed with its content.
class TempFolder {
public:
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
using Targets = std::vector<std::string>;
Targets DeviceTargets(const std::string& name);
// A drive letter that nothing uses, searched from the end of the alphabet; 0 when none.
char FreeLetter(const std::string& avoid = "");
// Removes every definition of a letter, whatever its targets (for cleaning up after a test).
void ForgetLetter(char letter);

// Runs the messages waiting for the thread through the program's own loop (the one DoEvents runs).
void Pump();
// Pumps until the condition holds (true) or the time is up (false): a busy machine delays ticks, so tests wait for
// what they expect rather than for a fixed time.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

std::string TestProgramFolder();

ui::Bitmap CaptureScreen(const RECT& area);
// What the screen shows of a window and the margin round it, once its painting is done.
ui::Bitmap ShootWindow(HWND window, int margin = 0);
// Writes the bitmap as <name>.png among the build's artefacts (build\artifacts); false on failure.
bool SaveArtifact(const ui::Bitmap& bitmap, const std::string& name);

inline std::wstring Wide(const std::string& utf8) {  // UTF-8 as UTF-16
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

// The program's texts by language code and id, in UTF-8: translations\<code>.txt (through Wine's Z:) and "en".
std::map<std::string, std::map<int, std::string>> Languages();

// A window's text, asked of the window itself (a control of another process answers with its content too).
inline std::string WindowText(HWND w) {
    std::string text(static_cast<size_t>(SendMessageA(w, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(SendMessageA(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

inline HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

// The real shell whose folder dialog the user answers with the button once it shows the wanted folder selected for
// three ticks of 50 ms, again every half second until it goes: the dialog applies a selection late on a busy machine,
// and Wine can lose a press while it fills its tree. WINE: a cold shell can leave the selection on a parent (choose).
class PressOnceSelected final : public platform::IShell {
public:
    PressOnceSelected(WORD button, std::string wanted, bool choose = false)
        : button_(button), wanted_(std::move(wanted)), choose_(choose) {}
    intptr_t Execute(platform::WindowHandle o, const std::string& v, const std::string& f, const std::string& p,
                     const std::string& d, int32_t s) override {
        return real_.Execute(o, v, f, p, d, s);
    }
    std::unique_ptr<platform::IItemList> BrowseFolder(const platform::BrowseInfo& info) override {
        current_ = this;
        program_ = info;
        selected_.clear();
        platform::BrowseInfo watched = info;
        watched.callback = [this](platform::WindowHandle dialog, uint32_t message, intptr_t value, intptr_t data) {
            const int32_t result = program_.callback ? program_.callback(dialog, message, value, data) : 0;
            if (message == BFFM_INITIALIZED) {
                // A dialog that never reaches the folder is cancelled after a while: the test then fails, not hangs.
                SetTimer(reinterpret_cast<HWND>(dialog), kGiveUpTimer, 20000, GiveUp);
                SetTimer(reinterpret_cast<HWND>(dialog), kCheckTimer, 50, Check);
            }
            char path[MAX_PATH] = {};
            if (message == BFFM_SELCHANGED) {
                selected_ = SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(value), path) ? path : "";
                steady_ = 0;
            }
            return result;
        };
        auto item = real_.BrowseFolder(watched);
        current_ = nullptr;
        return item;
    }
    std::unique_ptr<platform::ILocalBlock> AllocateLocal(size_t bytes) override { return real_.AllocateLocal(bytes); }

private:
    static constexpr UINT_PTR kGiveUpTimer = 1, kCheckTimer = 2;
    static void CALLBACK Check(HWND dialog, UINT, UINT_PTR, DWORD) {
        PressOnceSelected* self = current_;
        if (!self) return;
        if (!IsWindowVisible(dialog)) {
            self->steady_ = 0;
            return;
        }
        // Every tenth tick from the third on which the selection held, the user acts.
        const bool act = ++self->steady_ % 10 == 3;
        if (lstrcmpiA(self->selected_.c_str(), self->wanted_.c_str()) == 0) {
            if (act) PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(self->button_, BN_CLICKED), 0);
        } else if (act && self->choose_) {
            SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(self->wanted_.c_str()));
        } else if (act && self->selected_.empty() && self->program_.callback) {
            // WINE: a cold shell on a busy machine can drop the selection made as the dialog initialised: announced
            // again, the program selects.
            self->program_.callback(reinterpret_cast<platform::WindowHandle>(dialog), BFFM_INITIALIZED, 0,
                                    self->program_.callbackData);
        }
    }
    static void CALLBACK GiveUp(HWND dialog, UINT, UINT_PTR id, DWORD) {
        KillTimer(dialog, id);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }

    inline static PressOnceSelected* current_ = nullptr;
    platform::win32::Win32Shell real_;
    WORD button_;
    std::string wanted_;
    bool choose_;
    platform::BrowseInfo program_;
    std::string selected_;
    int steady_ = 0;
};

}  // namespace plivant::wine
