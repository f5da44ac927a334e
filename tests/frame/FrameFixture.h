// The frame on a toolkit form in the simulated window manager, reaching the form through a scripted host.
#pragma once
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "SimHost.h"
#include "SwallowCheck.h"
#include "frame/NuvaXPForm.h"
#include "frame/ToolkitHostForm.h"
#include "platform/WinConst.h"

namespace plivant::test {

// The program's host over a form, except that any member can be told to fail the way a late-bound member that the
// object lacks does, and that the calls which show, hide, move or unload the form are recorded.
class ScriptedHost final : public IHostForm {
public:
    explicit ScriptedHost(ui::Form& form) : real(form) {}
    std::string Caption() const override { return Check("Caption"), real.Caption(); }
    void SetCaption(const std::string& value) override { Check("Caption"), real.SetCaption(value); }
    void SetIcon(const ui::Bitmap& value) override { Check("Icon"), real.SetIcon(value); }
    void SetBackColor(ui::OleColor value) override { Check("BackColor"), real.SetBackColor(value); }
    float Left() const override { return Check("Left"), real.Left(); }
    void SetLeft(float value) override { Check("Left"), real.SetLeft(value); }
    float Top() const override { return Check("Top"), real.Top(); }
    void SetTop(float value) override { Check("Top"), real.SetTop(value); }
    float Width() const override { return Check("Width"), real.Width(); }
    void SetWidth(float value) override { Check("Width"), real.SetWidth(value); }
    float Height() const override { return Check("Height"), real.Height(); }
    void SetHeight(float value) override { Check("Height"), real.SetHeight(value); }
    void Move(float l, float t, float w, float h) override { Record("Move", "Move"), real.Move(l, t, w, h); }
    ui::FormBorderStyle BorderStyle() const override { return Check("BorderStyle"), real.BorderStyle(); }
    bool MinButton() const override { return Check("MinButton"), real.MinButton(); }
    bool MaxButton() const override { return Check("MaxButton"), real.MaxButton(); }
    ui::FormWindowState WindowState() const override { return Check("WindowState"), real.WindowState(); }
    void SetWindowState(ui::FormWindowState value) override { Check("WindowState"), real.SetWindowState(value); }
    bool Visible() const override { return Check("Visible"), real.Visible(); }
    void SetVisible(bool value) override {
        Record(value ? "Visible=True" : "Visible=False", "Visible"), real.SetVisible(value);
    }
    void Show() override { Record("Show", "Show"), real.Show(); }
    void ShowAs(int16_t modal, IHostForm* owner) override {
        Record("Show " + std::to_string(modal) + (owner ? " owner" : " none"), "Show"), real.ShowAs(modal, owner);
    }
    void Unload() override { Record("Unload", "Unload"), real.Unload(); }
    void PopupMenu(IHostControl& menu, float x, float y) override { real.PopupMenu(menu, x, y); }
    platform::WindowHandle hwnd() const override { return Check("hwnd"), real.hwnd(); }
    std::vector<std::shared_ptr<IHostControl>> Controls() override { return real.Controls(); }
    void OnActivation(ui::Handler<void(bool)> handler) override { real.OnActivation(handler); }
    ui::Form* ToolkitForm() const override { return real.ToolkitForm(); }

    std::set<std::string> failing;  // members that fail with LateBoundError
    std::vector<std::string> calls;

private:
    void Check(const std::string& member) const {
        if (failing.count(member)) throw LateBoundError("scripted failure of " + member);
    }
    void Record(const std::string& call, const std::string& member) { Check(member), calls.push_back(call); }
    ToolkitHostForm real;
};

class FrameTest : public FormTest {
protected:
    FrameTest() { form.Load(); }
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

    std::shared_ptr<ScriptedHost> host = std::make_shared<ScriptedHost>(form);
    NuvaXPForm frame{form, "NuvaXPForm1", sim.process, host};
};

}  // namespace plivant::test
