// The program's implementation of IOpenedWindows: the real windows behind the main window's buttons, the start-up
// list editor, the help window and the About window, each made on first use and shared from then on. The About
// window is also the one the hyperlink label's ShowAboutBox shows.
#pragma once
#include <memory>

#include "platform/Platform.h"
#include "startup/modMain.h"
#include "ui/Toolkit.h"
#include "widgets/ZuLinkLabel.h"
#include "windows/auxiliary/frmAbout.h"
#include "windows/auxiliary/frmHelp.h"
#include "windows/main/IOpenedWindows.h"
#include "windows/startlist/frmStartLoad.h"

namespace plivant::app {

class ProgramOpenedWindows final : public IOpenedWindows {
public:
    ProgramOpenedWindows(ui::Toolkit& toolkit, platform::Platform& platform) : toolkit_(toolkit), platform_(platform) {
        ZuLinkLabel::RegisterAboutBox([this](ui::Form* owner) { ShowAboutBox(owner); });
    }
    ~ProgramOpenedWindows() override { ZuLinkLabel::RegisterAboutBox(nullptr); }
    ProgramOpenedWindows(const ProgramOpenedWindows&) = delete;
    ProgramOpenedWindows& operator=(const ProgramOpenedWindows&) = delete;

    void ShowStartupListEditor(ui::Form& owner) override {
        if (!editor_) editor_ = std::make_unique<frmStartLoad>(toolkit_, platform_, ProgramFolder());
        ShowModal(*editor_, &owner);
    }
    void ShowHelp(ui::Form& owner) override {
        if (!help_) help_ = std::make_unique<frmHelp>(toolkit_, platform_);
        ShowModal(*help_, &owner);
    }
    void ShowAbout(ui::Form& owner) override { ShowModal(About(), &owner); }

    frmStartLoad* Editor() const { return editor_.get(); }
    frmHelp* Help() const { return help_.get(); }
    frmAbout* AboutWindow() const { return about_.get(); }

private:
    frmAbout& About() {
        if (!about_) about_ = std::make_unique<frmAbout>(toolkit_, platform_);
        return *about_;
    }
    // A window that is open already (its own controls asking for it again) is left as it is: showing it modally a
    // second time would nest its loop inside its own.
    static void ShowModal(ui::Form& form, ui::Form* owner) {
        if (!form.Loaded()) form.Show(1, owner);
    }
    // As the label promises: once the window has closed it is unloaded and the next use makes a new one.
    void ShowAboutBox(ui::Form* owner) {
        if (about_ && about_->Loaded()) return;
        ShowModal(About(), owner);
        about_->Unload();
        about_.reset();
    }

    ui::Toolkit& toolkit_;
    platform::Platform& platform_;
    std::unique_ptr<frmStartLoad> editor_;
    std::unique_ptr<frmHelp> help_;
    std::unique_ptr<frmAbout> about_;
};

}  // namespace plivant::app
