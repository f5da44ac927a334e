// The frame on a toolkit form in the simulated window manager, reaching a scripted host form.
#pragma once
#include <memory>

#include "SimHost.h"
#include "SwallowCheck.h"
#include "frame/NuvaXPForm.h"
#include "frame/ScriptedHost.h"
#include "frame/ToolkitHostForm.h"
#include "platform/WinConst.h"

namespace plivant::test {

class FrameTest : public FormTest {
protected:
    FrameTest() {
        form.Load();
        host->controls.push_back(std::make_shared<ControlItem>(frame));
    }
    void SizePixels(float width, float height) { frame.SetSizeTwips(width * 15, height * 15); }
    platform::WindowHandle HostWindow() const { return form.hwnd(); }
    const platform::sim::SimWindowing::Window& HostRecord() const { return *windowing.Find(form.hwnd()); }
    // The region the frame gives a window: the top corners cut row by row.
    static platform::Region RoundedTop(int32_t w, int32_t h) {
        return {{5, 0, w - 5, 1}, {3, 1, w - 3, 2}, {2, 2, w - 2, 3}, {1, 3, w - 1, 4}, {1, 4, w - 1, 5}, {0, 5, w, h}};
    }

    std::shared_ptr<ScriptedHost> host = std::make_shared<ScriptedHost>([this] { return form.hwnd(); });
    NuvaXPForm frame{form, "NuvaXPForm1", sim.process, host};
};

}  // namespace plivant::test
