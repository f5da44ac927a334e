// frmSplash: the window that names the program and its version at the start of every run, stays above all
// other windows and closes itself after one second.
#pragma once
#include <string>

#include "platform/Process.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace plivant {

class frmSplash : public ui::Form {
public:
    frmSplash(ui::Toolkit& toolkit, platform::IProcess& process);

    ui::Frame Frame1;
    ui::Image Image1;
    ui::Image Image2;
    ui::Label lblName;
    ui::Label Label2;
    ui::Timer tmrRun;

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;
    void Rescaled() override;

private:
    void tmrRun_Timer();
    platform::IProcess& process_;
};

}  // namespace plivant
