// The program's own windows as the entry routine opens them.
#pragma once
#include <memory>

#include "platform/Process.h"
#include "startup/StartupWindows.h"
#include "ui/Toolkit.h"
#include "windows/auxiliary/frmSplash.h"

namespace plivant::app {

// The main window is still to come: until then an interactive run opens no window but the splash.
class ProgramWindows final : public StartupWindows {
public:
    ProgramWindows(ui::Toolkit& toolkit, platform::IProcess& process) : toolkit_(toolkit), process_(process) {}

    void ShowSplash() override {
        if (!splash_) splash_ = std::make_unique<frmSplash>(toolkit_, process_);
        splash_->Show();
    }
    void ShowMainWindowWithPath(const std::string&) override {}
    void ShowMainWindowWithMountDisabled() override {}

    frmSplash* Splash() const { return splash_.get(); }

private:
    ui::Toolkit& toolkit_;
    platform::IProcess& process_;
    std::unique_ptr<frmSplash> splash_;
};

}  // namespace plivant::app
