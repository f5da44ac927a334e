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

// Each answer is given only once the dialog shows the initial folder, so it also proves the selection.
TEST(FolderBrowseDialog, OkReturnsTheInitialFolderThatTheCallbackSelectedAndCancelNothing) {
    wine::TempFolder temp;
    const std::string folder = temp / "Mount Me";
    wine::MakeFolder(folder);
    platform::win32::Win32Windowing windowing;
    PressOnceSelected ok(IDOK, folder), cancel(IDCANCEL, "C:\\windows");
    EXPECT_EQ(BrowseForFolder(ok, windowing, 0, "Folder to mount", folder), folder);
    EXPECT_EQ(BrowseForFolder(cancel, windowing, 0, "Folder to mount", "C:\\windows"), "");
}

}  // namespace
}  // namespace plivant
