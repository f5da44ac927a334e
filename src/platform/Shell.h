// Port: the shell: opening a target with its associated program, and the folder-browse dialog with the
// memory it hands over.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace plivant::platform {

using WindowHandle = uintptr_t;
// A shell item list (PIDL) that the browse dialog returned; 0 for none.
using ItemList = uintptr_t;

// The browse dialog's callback: dialog window, message, message value, callback data; returns 0.
using BrowseCallback = std::function<int32_t(WindowHandle dialog, uint32_t message, intptr_t value, intptr_t data)>;

// The ANSI BROWSEINFO as the program fills it: no root and no display-name buffer.
struct BrowseInfo {
    WindowHandle owner = 0;
    std::string title;
    uint32_t flags = 0;
    BrowseCallback callback;
    intptr_t callbackData = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    // ShellExecuteA; returns the value the system returned (greater than 32 on success).
    virtual intptr_t Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory, int32_t show) = 0;
    // SHBrowseForFolderA: runs the dialog; the chosen item, or 0 when the user cancelled.
    virtual ItemList BrowseFolder(const BrowseInfo& info) = 0;
    // SHGetPathFromIDListA into a buffer of at least MAX_PATH characters; false when the item has no
    // file-system path.
    virtual bool PathFromItemList(ItemList item, char* buffer) = 0;
    // CoTaskMemFree of an item list.
    virtual void FreeItemList(ItemList item) = 0;
    // LocalAlloc (fixed, zero-filled) and LocalFree: the block whose address the dialog's callback receives.
    virtual void* AllocateLocal(size_t bytes) = 0;
    virtual void FreeLocal(void* block) = 0;
};

}  // namespace plivant::platform
