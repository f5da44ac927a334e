// The simulated folder-browse dialog and local heap.
#include "platform/sim/SimShell.h"

#include <cstring>
#include <utility>

#include "platform/WinConst.h"
#include "platform/sim/SimCodePage.h"

namespace plivant::platform::sim {

// The dialog's item: its path, counted among the shell's live items until it is freed.
class SimShell::Item final : public IItemList {
public:
    Item(SimShell& shell, std::string path) : shell_(shell), path_(std::move(path)) { ++shell_.items_; }
    ~Item() override { --shell_.items_; }
    std::u16string Path() const override {
        const std::u16string path = Wide(path_);
        return path.size() < win::kMaxPath ? path : std::u16string();
    }

private:
    SimShell& shell_;
    std::string path_;
};

// A zero-filled block, counted among the shell's live blocks until it is freed.
class SimShell::Block final : public ILocalBlock {
public:
    Block(SimShell& shell, size_t bytes) : shell_(shell), bytes_(std::make_unique<char[]>(bytes == 0 ? 1 : bytes)) {
        ++shell_.blocks_;
    }
    ~Block() override { --shell_.blocks_; }
    void* Address() const override { return bytes_.get(); }

private:
    SimShell& shell_;
    std::unique_ptr<char[]> bytes_;
};

std::unique_ptr<IItemList> SimShell::BrowseFolder(const BrowseInfo& info) {
    Browse browse{info.owner, info.title, info.flags, {}, {}};
    if (info.callbackData != 0) browse.callbackDataText = reinterpret_cast<const char*>(info.callbackData);
    if (info.callback) {
        browse.callbackResults.push_back(info.callback(kDialog, win::kBffmInitialized, 0, info.callbackData));
        browse.callbackResults.push_back(info.callback(kDialog, win::kBffmSelChanged, 0, info.callbackData));
    }
    browses.push_back(browse);
    if (!browseChoice) return nullptr;
    return std::make_unique<Item>(*this, *browseChoice);
}

std::unique_ptr<ILocalBlock> SimShell::AllocateLocal(size_t bytes) {
    if (localHeapExhausted) return nullptr;
    return std::make_unique<Block>(*this, bytes);
}

}  // namespace plivant::platform::sim
