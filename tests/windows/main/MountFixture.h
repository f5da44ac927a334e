// The main window on a simulated machine, opened by the program's own start; a system that notes and can refuse every
// definition.
#pragma once
#include <gtest/gtest.h>

#include "SimHost.h"
#include "app/ProgramWindows.h"
#include "startup/modMain.h"

namespace plivant::test {

using Log = std::vector<std::string>;

// The simulated device table, noting every definition asked of it (flags, name, target) and refusing each while told
// to.
class NotedDevices final : public platform::IDosDevices {
public:
    explicit NotedDevices(platform::IDosDevices& real) : real_(real) {}
    bool Define(uint32_t flags, const std::string& name, const std::optional<std::string>& target) override {
        defined.push_back(std::to_string(flags) + " " + name + " " + target.value_or("<none>"));
        return !refuse && real_.Define(flags, name, target);
    }
    std::optional<std::string> Query(const std::string& name) override { return real_.Query(name); }
    uint32_t LogicalDriveStrings(uint32_t size, char* buffer) override {
        return real_.LogicalDriveStrings(size, buffer);
    }
    uint32_t LogicalDriveMask() override { return real_.LogicalDriveMask(); }
    Log defined;
    bool refuse = false;

private:
    platform::IDosDevices& real_;
};

inline constexpr const char* kHistoryFile = "C:\\Apps\\Plivant\\Plivant.ini";

class MountTest : public SimScreenTest {
protected:
    MountTest() {
        for (const char* folder : {"C:\\Apps\\Plivant", "C:\\My Data", "C:\\Temp"}) sim.files.AddFolder(folder);
        sim.process.programFolder = "C:\\Apps\\Plivant";
    }
    // The program's start with the command line.
    frmMount& Start(const std::string& commandLine = "C:\\My Data") {
        sim.process.commandLine = commandLine;
        Main(noted, windows);
        return *windows.Main();
    }
    void Map(const std::string& name, const std::string& folder) { sim.dosDevices.Define(0, name, folder); }
    // The user picks this item of a popup when it opens.
    void PickInPopups(const std::string& item) {
        toolkit.onPopup = [item](ui::Menu& menu) -> ui::Menu* {
            for (ui::Menu* m : menu.Items())
                if (m->Name() == item) return m;
            return nullptr;
        };
    }
    std::string History() const { return sim.files.Content(kHistoryFile).value_or("<missing>"); }
    // The message boxes shown since the last call, as icon and buttons, title and text.
    Log Said() {
        Log texts;
        for (; said_ < toolkit.messageBoxes.size(); ++said_) {
            const auto& box = toolkit.messageBoxes[said_];
            texts.push_back(std::to_string(box.buttons) + " " + box.title + ": " + box.prompt);
        }
        return texts;
    }
    size_t said_ = 0;

    NotedDevices devices{sim.dosDevices};
    platform::Platform noted{devices, sim.files, sim.registry, sim.process, sim.shell, sim.windowing, sim.codePage};
    app::ProgramOpenedWindows opened{toolkit, noted};
    app::ProgramWindows windows{toolkit, noted, opened};
};

}  // namespace plivant::test
