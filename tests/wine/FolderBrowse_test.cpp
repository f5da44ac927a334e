// BrowseForFolder with the system's dialog: the callback selects the initial folder, and the dialog's OK
// returns that folder, its Cancel an empty text.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "ScriptedShell.h"
#include "WineSupport.h"
#include "platform/win32/Win32Platform.h"
#include "windows/main/modFolderBrowse.h"

namespace plivant {
namespace {

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
    wine::PressOnceSelected shell(IDOK, folder);
    CountSelections windowing;
    EXPECT_EQ(BrowseForFolder(shell, windowing, 0, "Folder to mount", folder), folder);
    EXPECT_EQ(windowing.selections, 1);
}

TEST(FolderBrowseDialog, CancelReturnsNothing) {
    wine::PressOnceSelected shell(IDCANCEL, "C:\\windows");
    CountSelections windowing;
    EXPECT_EQ(BrowseForFolder(shell, windowing, 0, "Folder to mount", "C:\\windows"), "");
    EXPECT_EQ(windowing.selections, 1);
}

}  // namespace
}  // namespace plivant
