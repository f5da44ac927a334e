// The simulated folder-browse dialog and local heap.
#include "platform/sim/SimShell.h"

#include <cstring>

#include "platform/WinConst.h"

namespace plivant::platform::sim {

ItemList SimShell::BrowseFolder(const BrowseInfo& info) {
    Browse browse{info.owner, info.title, info.flags, {}, {}};
    if (info.callbackData != 0) browse.callbackDataText = reinterpret_cast<const char*>(info.callbackData);
    if (info.callback) {
        browse.callbackResults.push_back(info.callback(kDialog, win::BFFM_INITIALIZED, 0, info.callbackData));
        browse.callbackResults.push_back(info.callback(kDialog, 2 /* BFFM_SELCHANGED */, 0, info.callbackData));
    }
    browses.push_back(browse);
    if (!browseChoice) return 0;
    const ItemList item = nextItem_++;
    items_[item] = *browseChoice;
    return item;
}

bool SimShell::PathFromItemList(ItemList item, char* buffer) {
    const auto found = items_.find(item);
    if (found == items_.end() || found->second.empty() || found->second.size() >= win::MAX_PATH) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer, found->second.c_str(), found->second.size() + 1);
    return true;
}

void SimShell::FreeItemList(ItemList item) {
    items_.erase(item);
}

void* SimShell::AllocateLocal(size_t bytes) {
    if (localHeapExhausted) return nullptr;
    auto block = std::make_unique<char[]>(bytes == 0 ? 1 : bytes);  // zero-filled
    void* address = block.get();
    blocks_[address] = std::move(block);
    return address;
}

void SimShell::FreeLocal(void* block) {
    blocks_.erase(block);
}

}  // namespace plivant::platform::sim
