// The program's own windows as the entry routine opens them: the splash in every run, and in an interactive run
// the main window, loaded before its path box is filled or its mount button disabled, and shown last.
#pragma once
#include <memory>

#include "app/ProgramOpenedWindows.h"
#include "platform/Platform.h"
#include "startup/StartupWindows.h"
#include "ui/Toolkit.h"
#include "windows/auxiliary/frmSplash.h"
#include "windows/main/IOpenedWindows.h"
#include "windows/main/frmMount.h"

namespace plivant::app {

class ProgramWindows final : public StartupWindows {
public:
    // The main window opens the program's own editor, help and About windows.
    ProgramWindows(ui::Toolkit& toolkit, platform::Platform& platform)
        : toolkit_(toolkit),
          platform_(platform),
          ownOpened_(std::make_unique<ProgramOpenedWindows>(toolkit, platform)),
          opened_(*ownOpened_) {}
    // The main window opens the given ones.
    ProgramWindows(ui::Toolkit& toolkit, platform::Platform& platform, IOpenedWindows& opened)
        : toolkit_(toolkit), platform_(platform), opened_(opened) {}

    void ShowSplash() override {
        if (!splash_) splash_ = std::make_unique<frmSplash>(toolkit_, platform_.process);
        splash_->Show();
    }
    void ShowMainWindowWithPath(const std::string& path) override {
        frmMount& window = MainWindow();
        window.txtPath.SetText(path);
        window.Show();
    }
    void ShowMainWindowWithMountDisabled(bool refused) override {
        frmMount& window = MainWindow();
        window.cmdOK.SetEnabled(false);
        window.Show();
        if (refused) window.ShowMountFailure();
    }

    frmSplash* Splash() const { return splash_.get(); }
    frmMount* Main() const { return main_.get(); }

private:
    // The first touch of the window makes it and runs its loading.
    frmMount& MainWindow() {
        if (!main_) main_ = std::make_unique<frmMount>(toolkit_, platform_, opened_);
        main_->Load();
        return *main_;
    }

    ui::Toolkit& toolkit_;
    platform::Platform& platform_;
    std::unique_ptr<ProgramOpenedWindows> ownOpened_;
    IOpenedWindows& opened_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmMount> main_;
};

}  // namespace plivant::app
