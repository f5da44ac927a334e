// The simulated folder-browse dialog and local heap.
#include "platform/sim/SimShell.h"

#include <cstring>

#include "platform/WinConst.h"

namespace plivant::platform::sim {

// The dialog's item: its path, freed when it goes.
class SimShell::Item final : public IItemList {
public:
    Item(SimShell& shell, ItemId id) : shell_(shell), id_(id) {}
    ~Item() override { shell_.items_.erase(id_); }
    bool Path(char* buffer) const override {
        const std::string& path = shell_.items_.at(id_);
        if (path.empty() || path.size() >= win::MAX_PATH) {
            buffer[0] = '\0';
            return false;
        }
        std::memcpy(buffer, path.c_str(), path.size() + 1);
        return true;
    }

private:
    SimShell& shell_;
    ItemId id_;
};

class SimShell::Block final : public ILocalBlock {
public:
    Block(SimShell& shell, void* address) : shell_(shell), address_(address) {}
    ~Block() override { shell_.blocks_.erase(address_); }
    void* Address() const override { return address_; }

private:
    SimShell& shell_;
    void* address_;
};

std::unique_ptr<IItemList> SimShell::BrowseFolder(const BrowseInfo& info) {
    Browse browse{info.owner, info.title, info.flags, {}, {}};
    if (info.callbackData != 0) browse.callbackDataText = reinterpret_cast<const char*>(info.callbackData);
    if (info.callback) {
        browse.callbackResults.push_back(info.callback(kDialog, win::BFFM_INITIALIZED, 0, info.callbackData));
        browse.callbackResults.push_back(info.callback(kDialog, 2 /* BFFM_SELCHANGED */, 0, info.callbackData));
    }
    browses.push_back(browse);
    if (!browseChoice) return nullptr;
    const ItemId item = nextItem_++;
    items_[item] = *browseChoice;
    return std::make_unique<Item>(*this, item);
}

std::unique_ptr<ILocalBlock> SimShell::AllocateLocal(size_t bytes) {
    if (localHeapExhausted) return nullptr;
    auto block = std::make_unique<char[]>(bytes == 0 ? 1 : bytes);  // zero-filled
    void* address = block.get();
    blocks_[address] = std::move(block);
    return std::make_unique<Block>(*this, address);
}

}  // namespace plivant::platform::sim
