// The frame on a toolkit form in the simulated window manager, reaching a scripted host form.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "frame/FormHost.h"
#include "frame/NuvaXPForm.h"
#include "frame/ScriptedHost.h"
#include "platform/sim/SimProcess.h"
#include "ui/Form.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant::test {

class FrameTest : public testing::Test {
protected:
    FrameTest() {
        form.Load();
        host->controls.push_back(std::make_shared<ControlItem>(frame));
    }
    void SizePixels(float width, float height) { frame.SetSizeTwips(width * 15, height * 15); }
    platform::WindowHandle HostWindow() const { return form.hwnd(); }
    const platform::sim::SimWindowing::Window& HostRecord() const { return *windowing.Find(form.hwnd()); }

    platform::sim::SimWindowing windowing;
    platform::sim::SimShell shell;
    ui::sim::HeadlessToolkit toolkit{windowing, shell};
    platform::sim::SimProcess process;
    ui::Form form{toolkit, "frmHost"};
    std::shared_ptr<ScriptedHost> host = std::make_shared<ScriptedHost>([this] { return form.hwnd(); });
    NuvaXPForm frame{form, "NuvaXPForm1", process, host};
};

}  // namespace plivant::test
