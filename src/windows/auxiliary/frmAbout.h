// frmAbout: names the program, its title and version, and links to the maker's web page.
#pragma once
#include <string>

#include "platform/Platform.h"
#include "ui/Controls.h"
#include "widgets/ZuLinkLabel.h"
#include "windows/shared/FramedForm.h"

namespace plivant {

class frmAbout : public FramedForm {
public:
    frmAbout(ui::Toolkit& toolkit, platform::Platform& platform);

    ui::Image Image2;
    ui::Label lblTitle;
    ui::Label lblVersion;
    ui::TextBox txtReg;
    ZuLinkLabel ZuLinkLabel1;
    ui::Line Line1;
    ui::Line Line2;
    ui::CommandButton cmdOK;

protected:
    void Form_Load() override;
    void Rescaled() override;  // the logo too

private:
    platform::IRegistry& registry_;
    platform::IProcess& process_;
};

}  // namespace plivant
