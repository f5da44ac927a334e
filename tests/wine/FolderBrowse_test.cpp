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

// Each answer is given only once the dialog shows the initial folder, so it also proves the selection.
TEST(FolderBrowseDialog, OkReturnsTheInitialFolderThatTheCallbackSelectedAndCancelNothing) {
    wine::TempFolder temp;
    const std::string folder = temp / "Mount Me";
    wine::MakeFolder(folder);
    platform::win32::Win32Windowing windowing;
    wine::PressOnceSelected ok(IDOK, folder), cancel(IDCANCEL, "C:\\windows");
    EXPECT_EQ(BrowseForFolder(ok, windowing, 0, "Folder to mount", folder), folder);
    EXPECT_EQ(BrowseForFolder(cancel, windowing, 0, "Folder to mount", "C:\\windows"), "");
}

}  // namespace
}  // namespace plivant
