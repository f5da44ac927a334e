// BrowseForFolder with the system's dialog: the callback selects the initial folder, and the dialog's OK
// returns that folder, its Cancel an empty text.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "WineSupport.h"
#include "platform/win32/Win32Platform.h"
#include "windows/main/modFolderBrowse.h"

namespace plivant {
namespace {

// The real shell, with the user's answer to the dialog: the button is pressed only once the dialog reports that
// its selection has changed to the wanted folder. Pressing it as soon as the selection message is sent races the
// dialog, which applies the selection later on a busy machine; and a press posted while the dialog is still being
// made has gone unanswered there, so the press is repeated every tenth of a second until the dialog ends.
class PressOnceSelected final : public platform::IShell {
public:
    PressOnceSelected(WORD button, std::string wanted) : button_(button), wanted_(std::move(wanted)) {}
    intptr_t Execute(platform::WindowHandle o, const std::string& v, const std::string& f, const std::string& p,
                     const std::string& d, int32_t s) override {
        return real_.Execute(o, v, f, p, d, s);
    }
    std::unique_ptr<platform::IItemList> BrowseFolder(const platform::BrowseInfo& info) override {
        platform::BrowseInfo watched = info;
        watched.callback = [this, &info](platform::WindowHandle dialog, uint32_t message, intptr_t value,
                                         intptr_t data) {
            const int32_t result = info.callback ? info.callback(dialog, message, value, data) : 0;
            if (message == BFFM_INITIALIZED) {
                current_ = this;
                started_ = GetTickCount();
                SetTimer(reinterpret_cast<HWND>(dialog), 1, 100, Tick);
            }
            char path[MAX_PATH] = {};
            if (message == BFFM_SELCHANGED && !selected_ &&
                SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(value), path) &&
                lstrcmpiA(path, wanted_.c_str()) == 0) {
                selected_ = true;
                Press(reinterpret_cast<HWND>(dialog), button_);
            }
            return result;
        };
        return real_.BrowseFolder(watched);
    }
    std::unique_ptr<platform::ILocalBlock> AllocateLocal(size_t bytes) override { return real_.AllocateLocal(bytes); }

private:
    static void Press(HWND dialog, WORD button) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }
    // Presses again while the dialog lasts; a dialog that never reaches the folder is cancelled after a while: the
    // test then fails, not hangs.
    static void CALLBACK Tick(HWND dialog, UINT, UINT_PTR, DWORD) {
        if (current_->selected_) {
            Press(dialog, current_->button_);
        } else if (GetTickCount() - current_->started_ > 20000) {
            Press(dialog, IDCANCEL);
        }
    }

    static inline PressOnceSelected* current_ = nullptr;
    DWORD started_ = 0;
    platform::win32::Win32Shell real_;
    WORD button_;
    std::string wanted_;
    bool selected_ = false;
};

// The real windowing, counting the selection messages the program sends.
class CountSelections final : public platform::IWindowing {
public:
    intptr_t Send(platform::WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
        if (message == BFFM_SETSELECTIONA) ++selections;
        return real_.Send(window, message, wParam, lParam);
    }
    int32_t ReadLong(platform::WindowHandle w, int32_t i) override { return real_.ReadLong(w, i); }
    int32_t WriteLong(platform::WindowHandle w, int32_t i, int32_t v) override { return real_.WriteLong(w, i, v); }
    bool Place(platform::WindowHandle w, platform::WindowHandle a, int32_t x, int32_t y, int32_t cx, int32_t cy,
               uint32_t f) override {
        return real_.Place(w, a, x, y, cx, cy, f);
    }
    bool ApplyRegion(platform::WindowHandle w, const platform::Region& r, bool d) override {
        return real_.ApplyRegion(w, r, d);
    }
    std::optional<platform::Point> CursorPosition() override { return real_.CursorPosition(); }
    bool MoveCursor(platform::Point p) override { return real_.MoveCursor(p); }
    platform::WindowHandle WindowAt(platform::Point p) override { return real_.WindowAt(p); }
    std::optional<platform::Rect> WindowRect(platform::WindowHandle w) override { return real_.WindowRect(w); }
    bool ReleaseMouseCapture() override { return real_.ReleaseMouseCapture(); }
    uintptr_t StartTimer(platform::WindowHandle w, uintptr_t id, uint32_t e, platform::TimerCallback c) override {
        return real_.StartTimer(w, id, e, std::move(c));
    }
    bool StopTimer(platform::WindowHandle w, uintptr_t id) override { return real_.StopTimer(w, id); }
    void ProcessPendingMessages() override { real_.ProcessPendingMessages(); }

    int selections = 0;

private:
    platform::win32::Win32Windowing real_;
};

TEST(FolderBrowseDialog, OkReturnsTheInitialFolderThatTheCallbackSelected) {
    wine::TempFolder temp;
    const std::string folder = temp / "Mount Me";
    wine::MakeFolder(folder);
    PressOnceSelected shell(IDOK, folder);
    CountSelections windowing;
    EXPECT_EQ(BrowseForFolder(shell, windowing, 0, "Folder to mount", folder), folder);
    EXPECT_EQ(windowing.selections, 1);
}

TEST(FolderBrowseDialog, CancelReturnsNothing) {
    PressOnceSelected shell(IDCANCEL, "C:\\windows");
    CountSelections windowing;
    EXPECT_EQ(BrowseForFolder(shell, windowing, 0, "Folder to mount", "C:\\windows"), "");
    EXPECT_EQ(windowing.selections, 1);
}

}  // namespace
}  // namespace plivant
