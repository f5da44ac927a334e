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
    // The region the frame gives a window: the top corners cut row by row (at 96 DPI by default).
    static platform::Region RoundedTop(int32_t w, int32_t h, std::vector<int32_t> cuts = {5, 3, 2, 1, 1}) {
        platform::Region region;
        for (int32_t row = 0; row < static_cast<int32_t>(cuts.size()); ++row)
            region.push_back({cuts[row], row, w - cuts[row], row + 1});
        region.push_back({0, static_cast<int32_t>(cuts.size()), w, h});
        return region;
    }

    std::shared_ptr<ScriptedHost> host = std::make_shared<ScriptedHost>([this] { return form.hwnd(); });
    NuvaXPForm frame{form, "NuvaXPForm1", sim.process, host};
};

}  // namespace plivant::test
