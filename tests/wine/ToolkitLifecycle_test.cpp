// A window's life on real windows: a peer has its window from the first messages to the last; parents and
// children, owners and owned forms go in either order, from a timer's tick too, and nothing is sent to or destroyed
// through a window that has gone; an error in a timer's handler ends only that handler.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ToolkitTesting.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "widgets/ControlButton.h"

namespace plivant::wine {
namespace {

class ToolkitLifecycle : public ToolkitTest {};

// Of the program's own windows: whether each led back to its peer when WM_CREATE and WM_SIZE came.
std::vector<std::string> seen;
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char cls[32] = {};
    GetClassNameA(call->hwnd, cls, sizeof cls);
    if ((call->message == WM_CREATE || call->message == WM_SIZE) && std::string(cls).starts_with("Plivant")) {
        seen.push_back(std::string(cls) + (call->message == WM_CREATE ? " create" : " size") +
                       (GetWindowLongPtrA(call->hwnd, GWLP_USERDATA) ? " bound" : " unbound"));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ToolkitLifecycle, APeerHasItsWindowFromItsFirstMessages) {
    ui::Form form(toolkit, "frmHost");
    ui::PictureBox picBox(form, "picBox");
    const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchCreation, nullptr, GetCurrentThreadId());
    form.Show();
    UnhookWindowsHookEx(hook);
    for (const char* first : {"PlivantForm create bound", "PlivantForm size bound", "PlivantView create bound"}) {
        EXPECT_NE(std::find(seen.begin(), seen.end(), first), seen.end()) << first;
    }
    for (const std::string& message : seen) EXPECT_TRUE(message.ends_with(" bound")) << message;
}

// A container with controls of every kind, a user control, and a running timer whose handler works on a control.
struct Container {
    explicit Container(ui::Form& form) {
        box = std::make_unique<ui::PictureBox>(form, "picBox");
        inner = std::make_unique<ui::PictureBox>(*box, "picInner");
        txt = std::make_unique<ui::TextBox>(*inner, "txtPath");
        cbo = std::make_unique<ui::ComboBox>(*box, "cboDrive");
        lst = std::make_unique<ui::ListBox>(*box, "vList");
        btn = std::make_unique<ControlButton>(*box, "CloseButton");
        tmr = std::make_unique<ui::Timer>(*box, "tmrTick");
        for (ui::Control* c : Windowed()) c->Move(30, 30, 1500, 600);
        cbo->SetToolTipText("Drive");
        tmr->SetInterval(1);
        tmr->onTimer = [this] { txt->SetText("tick " + std::to_string(++ticks)); };
        box->Realize();
        for (ui::Control* c : Windowed()) windows.push_back(H(c->hwnd()));
    }
    std::vector<ui::Control*> Windowed() const { return {box.get(), inner.get(), txt.get(), cbo.get(), lst.get()}; }
    void EndParent() { box.reset(); }
    void EndChildren() {
        tmr.reset();
        btn.reset();
        txt.reset();
        inner.reset();
        cbo.reset();
        lst.reset();
    }
    // Works on every child whose window went with the parent: the peers know, and send the windows nothing.
    void Touch() {
        for (ui::Control* c : std::vector<ui::Control*>{inner.get(), txt.get(), cbo.get(), lst.get()})
            EXPECT_EQ(c->hwnd(), 0u) << c->Name();
        txt->SetText("after");
        txt->SetFocus();
        cbo->AddItem("G: ");
        cbo->SetListIndex(0);
        lst->SetItems({"X: \tC:\\One"});
        inner->Move(60, 60, 1000, 300);
        inner->SetVisible(false);
        btn->SetEnabled(false);
    }
    std::unique_ptr<ui::PictureBox> box, inner;
    std::unique_ptr<ui::TextBox> txt;
    std::unique_ptr<ui::ComboBox> cbo;
    std::unique_ptr<ui::ListBox> lst;
    std::unique_ptr<ControlButton> btn;
    std::unique_ptr<ui::Timer> tmr;
    std::vector<HWND> windows;
    int ticks = 0;
};

TEST_F(ToolkitLifecycle, ParentsAndChildrenGoInEitherOrderWithTimersRunning) {
    for (const bool parentFirst : {true, false}) {
        for (const bool fromTick : {false, true}) {  // as from an event's handler
            SCOPED_TRACE(std::string(parentFirst ? "parent first" : "children first") +
                         (fromTick ? ", in a tick" : ""));
            ui::Form form(toolkit, "frmHost");
            form.Show();
            Container controls(form);
            ASSERT_TRUE(PumpUntil([&] { return controls.ticks > 0; }));
            const auto end = [&] {
                SetLastError(0);
                if (parentFirst) {
                    controls.EndParent();
                    controls.Touch();
                }
                controls.EndChildren();
                if (!parentFirst) controls.EndParent();
                EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
            };
            ui::Timer tmrEnd(form, "tmrEnd");
            if (fromTick) {
                tmrEnd.SetInterval(5);
                tmrEnd.onTimer = [&] {
                    tmrEnd.SetEnabled(false);
                    end();
                };
                tmrEnd.Realize();
                ASSERT_TRUE(PumpUntil([&] { return !controls.box; }));
            } else {
                end();
            }
            for (HWND gone : controls.windows) EXPECT_FALSE(IsWindow(gone));
            form.Unload();
            EXPECT_EQ(toolkit.FormCount(), 0);
        }
    }
}

TEST_F(ToolkitLifecycle, AnOwnedFormGoesWithItsOwner) {
    ui::Form owner(toolkit, "frmMain"), owned(toolkit, "frmAbout");
    ui::TextBox txtReg(owned, "txtReg");
    owner.Show();
    owned.Show(0, &owner);
    ASSERT_EQ(toolkit.FormCount(), 2);
    const HWND ownedWindow = H(owned.hwnd());
    owner.Unload();
    EXPECT_FALSE(IsWindow(ownedWindow));
    EXPECT_EQ(owned.hwnd(), 0u);
    EXPECT_EQ(toolkit.FormCount(), 0);  // counted as closed however it went
    SetLastError(0);                    // IsWindow of the window that went set it
    txtReg.SetText("after");
    owned.SetCaption("after");
    owned.Unload();
    EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(ToolkitLifecycle, AnErrorInATimersHandlerEndsOnlyThatHandler) {
    int ticks = 0;
    const uintptr_t id = windowing.StartTimer(0, 0, 1, [&](platform::WindowHandle, uint32_t, uintptr_t, uint32_t) {
        ++ticks;
        throw std::runtime_error("a failing handler");
    });
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    windowing.StopTimer(0, id);
}

}  // namespace
}  // namespace plivant::wine
