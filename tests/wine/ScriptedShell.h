// The system's folder dialog answered as a user would: the real shell, whose dialog is confirmed (or cancelled) only
// once it shows the wanted folder selected.
#pragma once
#include <windows.h>

#include <shlobj.h>

#include <memory>
#include <string>

#include "platform/win32/Win32Platform.h"

namespace plivant::wine {

// The real shell whose folder dialog the user answers once it shows the wanted folder selected for three ticks of
// 50 ms, again every half second until it goes: the dialog applies a selection late on a busy machine, and Wine can
// lose a press while it fills its tree. WINE: a cold shell can leave the selection on a parent: `choose` selects it.
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
            // WINE: a shell that has just started, on a busy machine, can drop the selection made while the dialog
            // initialised, leaving no folder selected: the dialog announces itself again, and the program selects.
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
