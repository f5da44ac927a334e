// modFolderBrowse: the shell's folder-browse dialog, opened over a window with a title and a folder already
// selected. The main window and the start-up list editor both open it.
#pragma once
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace plivant {

// The chosen folder without trailing blanks, in the process code page (see InProcessPage); empty when the user cancels
// or the item has no file-system path; nothing when the code page cannot name the folder.
std::optional<std::string> BrowseForFolder(platform::Platform& platform, platform::WindowHandle owner,
                                           const std::string& title, const std::string& initialFolder);

// The folder both windows open the picker in: the program's folder without its trailing backslash, unless it is a
// drive root.
std::string PickerStartFolder(const std::string& programFolder);

}  // namespace plivant
