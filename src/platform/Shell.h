// Port: the shell: opening a target with its associated program, and the folder-browse dialog with the
// memory it hands over. What the dialog returns and the block it reads are objects of the port that free their
// memory when they go.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace plivant::platform {

using WindowHandle = uintptr_t;

// The shell item (an item list, PIDL) that the browse dialog returned; CoTaskMemFree when it goes.
class IItemList {
public:
    virtual ~IItemList() = default;
    // SHGetPathFromIDListW: the item's file-system path in UTF-16 (which any folder's name fits); empty when it has
    // none.
    virtual std::u16string Path() const = 0;
};

// A fixed, zero-filled block of the local heap (LocalAlloc); LocalFree when it goes.
class ILocalBlock {
public:
    virtual ~ILocalBlock() = default;
    virtual void* Address() const = 0;
};

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
    // SHBrowseForFolderA: runs the dialog; the chosen item, or none when the user cancelled.
    virtual std::unique_ptr<IItemList> BrowseFolder(const BrowseInfo& info) = 0;
    // LocalAlloc: the block whose address the dialog's callback receives; none when the heap refuses.
    virtual std::unique_ptr<ILocalBlock> AllocateLocal(size_t bytes) = 0;
};

}  // namespace plivant::platform
