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
// dialog, which applies the selection later on a busy machine.
class PressOnceSelected final : public platform::IShell {
public:
    PressOnceSelected(WORD button, std::string wanted) : button_(button), wanted_(std::move(wanted)) {}
    intptr_t Execute(platform::WindowHandle o, const std::string& v, const std::string& f, const std::string& p,
                     const std::string& d, int32_t s) override {
        return real_.Execute(o, v, f, p, d, s);
    }
    platform::ItemList BrowseFolder(const platform::BrowseInfo& info) override {
        platform::BrowseInfo watched = info;
        watched.callback = [this, &info](platform::WindowHandle dialog, uint32_t message, intptr_t value,
                                         intptr_t data) {
            const int32_t result = info.callback ? info.callback(dialog, message, value, data) : 0;
            // A dialog that never reaches the folder is cancelled after a while: the test then fails, not hangs.
            if (message == BFFM_INITIALIZED) SetTimer(reinterpret_cast<HWND>(dialog), 1, 20000, GiveUp);
            char path[MAX_PATH] = {};
            if (message == BFFM_SELCHANGED && !pressed_ &&
                SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(value), path) &&
                lstrcmpiA(path, wanted_.c_str()) == 0) {
                pressed_ = true;
                PostMessageA(reinterpret_cast<HWND>(dialog), WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
            }
            return result;
        };
        return real_.BrowseFolder(watched);
    }
    bool PathFromItemList(platform::ItemList item, char* buffer) override {
        return real_.PathFromItemList(item, buffer);
    }
    void FreeItemList(platform::ItemList item) override { real_.FreeItemList(item); }
    void* AllocateLocal(size_t bytes) override { return real_.AllocateLocal(bytes); }
    void FreeLocal(void* block) override { real_.FreeLocal(block); }

private:
    static void CALLBACK GiveUp(HWND dialog, UINT, UINT_PTR id, DWORD) {
        KillTimer(dialog, id);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }

    platform::win32::Win32Shell real_;
    WORD button_;
    std::string wanted_;
    bool pressed_ = false;
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
