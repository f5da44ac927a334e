// modFolderBrowse: the dialog's settings, the callback that selects the initial folder, and the result.
#include "windows/shared/modFolderBrowse.h"

#include <cstring>

#include "platform/WinConst.h"
#include "state/TextEncoding.h"
#include "util/ErrorPolicy.h"

namespace plivant {

namespace {
constexpr uint32_t kFlags = win::kBifReturnOnlyFsDirs | win::kBifDontGoBelowDomain | win::kBifNewDialogStyle;
}  // namespace

std::optional<std::string> BrowseForFolder(platform::Platform& platform, platform::WindowHandle owner,
                                           const std::string& title, const std::string& initialFolder) {
    platform::IShell& shell = platform.shell;
    platform::IWindowing& windowing = platform.windowing;
    std::optional<std::string> result = "";
    // The initial folder, NUL-ended, in a zero-filled local-heap block whose address the callback receives; the
    // block is freed as the routine ends, the chosen item once its path is read.
    const std::unique_ptr<platform::ILocalBlock> block = shell.AllocateLocal(initialFolder.size() + 1);
    if (block) std::memcpy(block->Address(), initialFolder.c_str(), initialFolder.size() + 1);
    SkipOnError([&] {
        platform::BrowseInfo info;
        info.owner = owner;
        info.title = title;
        info.flags = kFlags;
        info.callbackData = block ? reinterpret_cast<intptr_t>(block->Address()) : 0;
        info.callback = [&windowing](platform::WindowHandle dialog, uint32_t message, intptr_t, intptr_t data) {
            // Once the dialog is ready, select the initial folder: a non-zero first value says the second is a
            // path. Without the block there is nothing to select.
            if (message == win::kBffmInitialized && data != 0) windowing.Send(dialog, win::kBffmSetSelectionA, 1, data);
            return int32_t{0};
        };
        const std::unique_ptr<platform::IItemList> item = shell.BrowseFolder(info);
        if (!item) return;
        const std::u16string path = item->Path();
        if (path.empty()) return;
        result = InProcessPage(platform.codePage, platform.files, path);
        while (result && !result->empty() && result->back() == ' ') result->pop_back();
    });
    return result;
}

std::string PickerStartFolder(const std::string& programFolder) {
    std::string folder = programFolder;
    if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

}  // namespace plivant
