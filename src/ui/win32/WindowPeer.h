// The peers' common part, for the peers: one native window that mirrors its control, the classes of the
// program's own windows, and what the kinds of peer are made with.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/Handles.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plivant::ui::win32 {

inline constexpr char kFormClass[] = "PlivantForm";
inline constexpr char kViewClass[] = "PlivantView";

inline HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}
// The classes of the forms' and the views' windows, registered once.
void RegisterClasses();

// The shift mask of a mouse message's keys, and while a key goes down; the mouse buttons held.
int16_t ShiftState(WPARAM keys);
int16_t KeyShift();
int16_t ButtonsHeld(WPARAM keys);

class WindowPeer;
inline WindowPeer* PeerOf(HWND hwnd) {
    return reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// The part every peer shares: one native window that mirrors its control.
class WindowPeer : public Peer {
public:
    WindowPeer(Win32Toolkit& toolkit, Control& owner) : toolkit_(toolkit), owner_(owner) {}
    ~WindowPeer() override {
        // No message of the window's end reaches the control, which may itself be going.
        if (hwnd_) {
            SetWindowLongPtrA(hwnd_.get(), GWLP_USERDATA, 0);
            RemoveToolTip();
        }
    }
    platform::WindowHandle Handle() const override { return reinterpret_cast<platform::WindowHandle>(hwnd_.get()); }
    HWND hwnd() const { return hwnd_.get(); }
    Control& Owner() const { return owner_; }

    void Update(Aspect aspect) override {
        HWND w = hwnd_.get();
        switch (aspect) {
            case Aspect::Bounds: {
                const platform::Rect r = owner_.PixelBounds();
                SetWindowPos(w, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
                break;
            }
            case Aspect::Visible:
                ShowWindow(w, owner_.Visible() ? SW_SHOWNA : SW_HIDE);
                break;
            case Aspect::Enabled:
                EnableWindow(w, owner_.Enabled());
                break;
            case Aspect::Text:
                SetWindowTextA(w, WindowText().c_str());
                break;
            case Aspect::ToolTip:
                UpdateToolTip();
                if (NamedByToolTip()) SetWindowTextA(w, WindowText().c_str());
                break;
            case Aspect::Look:
                UpdateFont();
                InvalidateRect(w, nullptr, TRUE);
                break;
            case Aspect::Focus:
                // A hidden window cannot take the focus; the form gives it to its active control when it is activated.
                if (IsWindowVisible(w) && IsWindowEnabled(w)) ::SetFocus(w);
                break;
            default:
                break;
        }
    }

    int ItemAt(platform::Point p) const override {
        const LRESULT hit = SendMessageA(hwnd_.get(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
        return HIWORD(hit) != 0 ? -1 : static_cast<int>(LOWORD(hit));
    }
    platform::Rect ItemBounds(int index) const override {
        RECT r{};
        if (SendMessageA(hwnd_.get(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) ==
            LB_ERR) {
            return {};
        }
        return {r.left, r.top, r.right, r.bottom};
    }

    // Our own classes' messages; the system's controls report through their parent's WM_COMMAND.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnCommand(WORD) {}
    // A button of ours, which Enter presses while it has the focus.
    virtual bool IsButton() const { return false; }
    // The parent's WM_DRAWITEM for an owner-drawn control.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    // The parent's WM_CTLCOLOR* for the control: the brush of its background, having set the colours into dc;
    // null for the system's colours.
    virtual HBRUSH ControlColours(HDC) { return nullptr; }

protected:
    // The window's text: what a screen reader names it by (a text box's and a combo box's is their content).
    virtual std::string WindowText() const { return owner_.AccessibleName(); }
    virtual bool NamedByToolTip() const { return true; }
    virtual void UpdateFont() {}
    void UpdateToolTip();
    void RemoveToolTip();
    LRESULT Mouse(UINT message, WPARAM wParam, LPARAM lParam);
    // The context-menu key or Shift+F10 on the control: raises ContextMenu at the control's middle when the control
    // has a handler for it (the model moves it where it belongs). False when there is none: the key then keeps the
    // system's meaning (a text box's own menu, or the parent's).
    bool KeyboardContextMenu();

    Win32Toolkit& toolkit_;
    Control& owner_;
    platform::win32::UniqueWindow hwnd_;
    Control* pressed_ = nullptr;
    Control* held_ = nullptr;
    bool hasToolTip_ = false;
};

std::unique_ptr<Peer> MakeFormPeer(Win32Toolkit& toolkit, Form& form);
std::unique_ptr<Peer> MakeViewPeer(Win32Toolkit& toolkit, Control& owner, HWND parent);
std::unique_ptr<Peer> MakeSystemControlPeer(Win32Toolkit& toolkit, Control& owner, PeerKind kind, HWND parent);

}  // namespace plivant::ui::win32
