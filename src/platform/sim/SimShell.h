// A shell that records what it was asked to open and answers with a scripted value, and a folder-browse
// dialog that runs the program's callback as the real one does and returns the folder the test chose.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "platform/sim/SimWindowing.h"

namespace plivant::platform::sim {

class SimShell final : public IShell {
public:
    struct Call {
        WindowHandle owner;
        std::string verb, file, parameters, directory;
        int32_t show;
    };
    intptr_t Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& directory, int32_t show) override {
        executed.push_back({owner, verb, file, parameters, directory, show});
        return result;
    }
    // Calls the callback with "initialised" for the dialog window, then returns the scripted choice.
    std::unique_ptr<IItemList> BrowseFolder(const BrowseInfo& info) override;
    std::unique_ptr<ILocalBlock> AllocateLocal(size_t bytes) override;

    std::vector<Call> executed;
    intptr_t result = 42;

    // The browse dialog: what the user picks, in UTF-8 (nothing: cancel; an empty text: an item without a path).
    std::optional<std::string> browseChoice;
    bool localHeapExhausted = false;
    static constexpr WindowHandle kDialog = 0xD1A10;
    struct Browse {
        WindowHandle owner;
        std::string title;
        uint32_t flags;
        std::string callbackDataText;  // the text at the callback data's address when the dialog opened
        std::vector<int32_t> callbackResults;
    };
    std::vector<Browse> browses;
    int LiveItemLists() const { return items_; }
    int LiveLocalBlocks() const { return blocks_; }

private:
    class Item;
    class Block;
    int items_ = 0;   // the items not yet freed
    int blocks_ = 0;  // the blocks not yet freed
};

}  // namespace plivant::platform::sim
