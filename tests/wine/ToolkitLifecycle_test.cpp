// A window's life on real windows: a peer has its window from the first messages to the last; parents and
// children, owners and owned forms go in either order, from a timer's tick too, and nothing is sent to (or
// destroyed through) a window that has gone; an error in a timer's handler ends only that handler.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"
#include "widgets/ControlButton.h"

namespace plivant {
namespace {

HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

class ToolkitLifecycle : public testing::Test {
protected:
    void PumpFor(DWORD milliseconds) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds) {
            windowing.ProcessPendingMessages();
            Sleep(1);
        }
    }

    platform::win32::Win32Windowing windowing;
    platform::win32::Win32Shell shell;
    ui::win32::Win32Toolkit toolkit{windowing, shell};
};

// For the program's own windows: whether the window led back to its peer when WM_CREATE and WM_SIZE came.
class CreationWatch {
public:
    CreationWatch() { hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId()); }
    ~CreationWatch() { UnhookWindowsHookEx(hook_); }
    static inline std::vector<std::string> seen;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        char cls[32] = {};
        GetClassNameA(call->hwnd, cls, sizeof cls);
        if ((call->message == WM_CREATE || call->message == WM_SIZE) && std::string(cls).starts_with("Plivant")) {
            seen.push_back(std::string(cls) + (call->message == WM_CREATE ? " create " : " size ") +
                           (GetWindowLongPtrA(call->hwnd, GWLP_USERDATA) ? "bound" : "unbound"));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

TEST_F(ToolkitLifecycle, APeerHasItsWindowFromItsFirstMessages) {
    ui::Form form(toolkit, "frmHost");
    ui::PictureBox picBox(form, "picBox");
    CreationWatch::seen.clear();
    {
        CreationWatch watch;
        form.Show();
    }
    const std::vector<std::string> expected{"PlivantForm create bound", "PlivantForm size bound",
                                            "PlivantView create bound", "PlivantView size bound"};
    for (const std::string& e : expected) {
        EXPECT_NE(std::find(CreationWatch::seen.begin(), CreationWatch::seen.end(), e), CreationWatch::seen.end()) << e;
    }
    for (const std::string& s : CreationWatch::seen) EXPECT_TRUE(s.ends_with(" bound")) << s;
}

// A container with controls of every kind, a user control with its own timer, and a running timer whose handler
// works on a control of the container.
struct Container {
    explicit Container(ui::Form& form) {
        box = std::make_unique<ui::PictureBox>(form, "picBox");
        box->Move(90, 90, 4000, 3000);
        inner = std::make_unique<ui::PictureBox>(*box, "picInner");
        inner->Move(30, 30, 2000, 600);
        txt = std::make_unique<ui::TextBox>(*inner, "txtPath");
        txt->Move(30, 30, 1500, 300);
        cbo = std::make_unique<ui::ComboBox>(*box, "cboDrive");
        cbo->Move(30, 900, 1200, 315);
        lst = std::make_unique<ui::ListBox>(*box, "vList");
        lst->Move(30, 1400, 2000, 900);
        btn = std::make_unique<ControlButton>(*box, "CloseButton");
        btn->Move(3000, 30, 315, 315);
        tmr = std::make_unique<ui::Timer>(*box, "tmrTick");
        tmr->SetInterval(1);
        tmr->onTimer = [this] {
            ++ticks;
            txt->SetText("tick " + std::to_string(ticks));
        };
        for (const char* item : {"E: ", "F: "}) cbo->AddItem(item);
        cbo->SetToolTipText("Drive");
        box->Realize();
        for (ui::Control* c : Windowed()) handles.push_back(H(c->hwnd()));
    }
    std::vector<ui::Control*> Windowed() const { return {box.get(), inner.get(), txt.get(), cbo.get(), lst.get()}; }
    // Works on every control whose window may have gone.
    void Touch() {
        txt->SetText("after");
        txt->SetFocus();
        cbo->AddItem("G: ");
        cbo->SetListIndex(0);
        lst->SetItems({"X: \tC:\\One"});
        lst->RemoveItem(0);
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
    std::vector<HWND> handles;
    int ticks = 0;
};

TEST_F(ToolkitLifecycle, ParentsAndChildrenGoInEitherOrderWithTimersRunning) {
    struct Case {
        const char* name;
        bool parentFirst;
        bool fromTick;  // the controls go in a timer's handler, as from an event
    };
    const Case cases[] = {
        {"parent first", true, false},
        {"children first", false, false},
        {"parent first from a tick", true, true},
        {"children first from a tick", false, true},
    };
    for (const Case& c : cases) {
        ui::Form form(toolkit, "frmHost");
        form.Move(1500, 1500, 6000, 4500);
        form.Show();
        auto controls = std::make_unique<Container>(form);
        PumpFor(20);
        ASSERT_GT(controls->ticks, 0) << c.name;
        SetLastError(0);
        const auto endParent = [&] {
            controls->box.reset();
            if (!c.parentFirst) return;
            // The children's windows went with it: their peers know, and send them nothing.
            for (ui::Control* child : controls->Windowed()) {
                if (child) {
                    EXPECT_EQ(child->hwnd(), 0u) << c.name << ": " << child->Name();
                }
            }
            controls->Touch();
        };
        const auto endChildren = [&] {
            controls->tmr.reset();
            controls->btn.reset();
            controls->txt.reset();
            controls->inner.reset();
            controls->cbo.reset();
            controls->lst.reset();
        };
        const auto end = [&] {
            if (c.parentFirst) {
                endParent();
                endChildren();
            } else {
                endChildren();
                endParent();
            }
        };
        if (c.fromTick) {
            ui::Timer tmrEnd(form, "tmrEnd");
            tmrEnd.SetInterval(5);
            tmrEnd.onTimer = [&] {
                tmrEnd.SetEnabled(false);
                end();
            };
            tmrEnd.Realize();
            for (int i = 0; i < 400 && (controls->box || controls->txt); ++i) PumpFor(5);
            ASSERT_FALSE(controls->box || controls->txt) << c.name << ": the timer did not tick";
        } else {
            end();
        }
        EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << c.name;
        for (HWND gone : controls->handles) EXPECT_FALSE(IsWindow(gone)) << c.name;
        PumpFor(20);
        form.Unload();
        EXPECT_EQ(toolkit.FormCount(), 0) << c.name;
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
    EXPECT_EQ(toolkit.FormCount(), 0);
    SetLastError(0);  // IsWindow of a window that has gone set it
    txtReg.SetText("after");
    owned.SetCaption("after");
    owned.Unload();
    EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(toolkit.FormCount(), 0);
}

TEST_F(ToolkitLifecycle, AnErrorInATimersHandlerEndsOnlyThatHandler) {
    int ticks = 0;
    const uintptr_t id = windowing.StartTimer(0, 0, 1, [&](platform::WindowHandle, uint32_t, uintptr_t, uint32_t) {
        ++ticks;
        throw std::runtime_error("a failing handler");
    });
    ASSERT_NE(id, 0u);
    PumpFor(50);
    windowing.StopTimer(0, id);
    EXPECT_GE(ticks, 2);
}

}  // namespace
}  // namespace plivant
