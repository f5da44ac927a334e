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
// The common controls are set up when the program first makes one of theirs, not at start: a run that shows only
// the splash never loads them (the program file delay-loads comctl32).
void UseCommonControls();

// The shift mask of a mouse message's keys, and while a key goes down; the mouse buttons held.
int16_t ShiftState(WPARAM keys);
int16_t KeyShift();
int16_t ButtonsHeld(WPARAM keys);

class WindowPeer;
// The peer of a window of the program's own classes, which its window's user data leads back to from the window's
// first message to its last.
inline WindowPeer* PeerOf(HWND hwnd) {
    return reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}
// The peer of a system control (or of a combo box's edit field), which the control's subclass tells; none for another
// window.
WindowPeer* SystemControlPeerOf(HWND hwnd);

// The part every peer shares: one native window that mirrors its control. The peer holds the window's handle from
// the window's first message (WM_NCCREATE; a system control's once it is made) to its last (WM_NCDESTROY): a window
// that goes with its parent or owner is not destroyed again, and a peer whose window has gone sends it nothing.
class WindowPeer : public Peer {
public:
    WindowPeer(Win32Toolkit& toolkit, Control& owner) : toolkit_(toolkit), owner_(owner) {}
    // The most derived peer destroys its window (DestroyOwnWindow) while all of it is still there.
    ~WindowPeer() override = default;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    platform::WindowHandle Handle() const override { return reinterpret_cast<platform::WindowHandle>(hwnd_); }
    HWND hwnd() const { return hwnd_; }
    Control& Owner() const { return owner_; }
    // Going: the messages of the window's end reach no control, which may itself be going.
    bool Detached() const { return detached_; }

    void Update(Aspect aspect) override;

    // The window's first and last messages.
    void Bind(HWND w);
    void Unbind();

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
    // For the most derived peer's destructor: the window goes, unless it has gone already.
    void DestroyOwnWindow();
    // After the window's first message, and after its last.
    virtual void WindowBound() {}
    virtual void WindowGone() {}
    // Whether the window's text is the control's content (a text box's, a combo box's) rather than the name a
    // screen reader gives it, which the tooltip provides where the control has no text.
    virtual bool ShowsContent() const { return false; }
    std::string WindowText() const { return ShowsContent() ? owner_.PeerText() : owner_.AccessibleName(); }
    static void SetText(HWND w, const std::string& text);
    // Whether the window is all client area (no border, no scroll bars): it then has nothing for the system to paint
    // round it, and the system's painting of that nothing would fetch a drawing surface all the same.
    static bool AllClient(HWND w);
    virtual void UpdateFont() {}
    // The tool is registered with the tooltip when the mouse first comes over the window: a window the mouse never
    // visits costs no tooltip (the program's first window opens without making one).
    void UpdateToolTip();
    void RemoveToolTip();
    // A mouse message for the tooltip, at a point of the control's window.
    void RelayToToolTip(UINT message, WPARAM wParam, POINT p);
    LRESULT Mouse(UINT message, WPARAM wParam, LPARAM lParam);
    // The context-menu key or Shift+F10 on the control: raises ContextMenu at the control's middle when the control
    // has a handler for it (the model moves it where it belongs). False when there is none: the key then keeps the
    // system's meaning (a text box's own menu, or the parent's).
    bool KeyboardContextMenu();

    Win32Toolkit& toolkit_;
    Control& owner_;
    HWND hwnd_ = nullptr;
    Control* pressed_ = nullptr;
    Control* held_ = nullptr;
    HWND toolOwner_ = nullptr;  // the window the tooltip's tool is registered with, while there is one
    bool mouseCame_ = false;

private:
    bool detached_ = false;
};

std::unique_ptr<Peer> MakeFormPeer(Win32Toolkit& toolkit, Form& form);
std::unique_ptr<Peer> MakeViewPeer(Win32Toolkit& toolkit, Control& owner, HWND parent);
std::unique_ptr<Peer> MakeSystemControlPeer(Win32Toolkit& toolkit, Control& owner, PeerKind kind, HWND parent);

}  // namespace plivant::ui::win32
