// The peers' common part: a control's window, its tooltip, the mouse and keys over it, the messages of the
// program's own window classes, and the views.
#include "ui/win32/WindowPeer.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "ui/win32/GdiPainting.h"
#include "util/ErrorPolicy.h"

namespace plivant::ui::win32 {

namespace {

// The windowless child under a client point, topmost first.
Control* WindowlessAt(const Control& owner, POINT p) {
    const auto& children = owner.Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control* child = *it;
        if (!child->Windowless() || !child->Visible() || !child->Enabled()) continue;
        const RECT r = RectOf(child->PixelBounds());
        if (PtInRect(&r, p)) return child;
    }
    return nullptr;
}

// The tool of a control's window, registered with its parent (a form's with itself). The peers pass the mouse
// messages on themselves (TTM_RELAYEVENT) rather than let the tooltip subclass the window.
TTTOOLINFOA ToolInfo(HWND owner, HWND window) {
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(window);
    return info;
}

LRESULT CALLBACK PeerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<WindowPeer*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (created) created->Bind(hwnd);
    }
    WindowPeer* peer = PeerOf(hwnd);
    if (!peer) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        peer->Unbind();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (peer->Detached()) return DefWindowProcA(hwnd, message, wParam, lParam);
    // An error in an event handler ends that handler, never the program.
    LRESULT result = 0;
    StopOnError([&] { result = peer->OnMessage(message, wParam, lParam); });
    return result;
}

class ViewPeer final : public WindowPeer {
public:
    ViewPeer(Win32Toolkit& toolkit, Control& owner, HWND parent) : WindowPeer(toolkit, owner) {
        RegisterClasses();
        const platform::Rect r = owner.PixelBounds();
        CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left, r.top, r.Width(),
                        r.Height(), parent, nullptr, Instance(), static_cast<WindowPeer*>(this));
    }
    ~ViewPeer() override { DestroyOwnWindow(); }
};

}  // namespace

int16_t ShiftState(WPARAM keys) {
    int16_t shift = 0;
    if (keys & MK_SHIFT) shift |= 1;
    if (keys & MK_CONTROL) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

int16_t KeyShift() {
    int16_t shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

int16_t ButtonsHeld(WPARAM keys) {
    int16_t buttons = 0;
    if (keys & MK_LBUTTON) buttons |= 1;
    if (keys & MK_RBUTTON) buttons |= 2;
    if (keys & MK_MBUTTON) buttons |= 4;
    return buttons;
}

void WindowPeer::Bind(HWND w) {
    hwnd_ = w;
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    WindowBound();
}

void WindowPeer::Unbind() {
    RemoveToolTip();
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    WindowGone();
}

// A new window has no text: giving it none again would only cost the messages of a change (a call to the server,
// and a repaint).
void WindowPeer::SetText(HWND w, const std::string& text) {
    if (text.empty() && GetWindowTextLengthA(w) == 0) return;
    SetWindowTextA(w, text.c_str());
}

void WindowPeer::DestroyOwnWindow() {
    if (!hwnd_) return;
    detached_ = true;
    DestroyWindow(hwnd_);  // its WM_NCDESTROY lets go of it
    if (hwnd_) Unbind();   // a window whose last message did not come through the peer
}

void WindowPeer::Update(Aspect aspect) {
    HWND w = hwnd_;
    if (!w) return;  // the window went with its parent or owner
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
            SetText(w, WindowText());
            break;
        case Aspect::ToolTip:
            UpdateToolTip();
            if (!ShowsContent()) SetText(w, WindowText());
            break;
        case Aspect::Look:
            UpdateFont();
            // A hidden window is painted whole when it shows: until then a repaint would only cost a call to the
            // server.
            if (IsWindowVisible(w)) InvalidateRect(w, nullptr, TRUE);
            break;
        case Aspect::Focus:
            // A hidden window cannot take the focus; the form gives it to its active control when it is activated.
            if (IsWindowVisible(w) && IsWindowEnabled(w)) ::SetFocus(w);
            break;
        default:
            break;
    }
}

void WindowPeer::RemoveToolTip() {
    if (!toolOwner_) return;
    TTTOOLINFOA info = ToolInfo(toolOwner_, hwnd_);
    SendMessageA(toolkit_.ToolTips(hwnd_), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    toolOwner_ = nullptr;
}

void WindowPeer::UpdateToolTip() {
    RemoveToolTip();
    const std::string& text = owner_.ToolTipText();
    if (text.empty() || !mouseCame_) return;
    const HWND owner = GetParent(hwnd_) ? GetParent(hwnd_) : hwnd_;
    TTTOOLINFOA info = ToolInfo(owner, hwnd_);
    info.lpszText = const_cast<char*>(text.c_str());
    if (SendMessageA(toolkit_.ToolTips(hwnd_), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info))) toolOwner_ = owner;
}

void WindowPeer::RelayToToolTip(UINT message, WPARAM wParam, POINT p) {
    if (!mouseCame_) {
        mouseCame_ = true;
        UpdateToolTip();
    }
    if (!toolOwner_) return;
    MSG msg{hwnd_, message, wParam, MAKELPARAM(p.x, p.y), static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageA(toolkit_.ToolTips(hwnd_), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

LRESULT WindowPeer::Mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RelayToToolTip(message, wParam, p);
    // While a button is held, the windowless control that took the press keeps the mouse, as a window with the
    // capture would: its release arrives wherever the cursor has gone.
    const auto& children = owner_.Children();
    if (message == WM_MOUSEMOVE && ButtonsHeld(wParam) == 0) held_ = nullptr;  // the press ended elsewhere
    if (held_ && std::find(children.begin(), children.end(), held_) == children.end()) held_ = nullptr;
    Control* target = held_ ? held_ : WindowlessAt(owner_, p);
    Control& receiver = target ? *target : owner_;
    platform::Rect origin{};
    if (target) origin = target->PixelBounds();
    const float x = receiver.FromPixelsX(static_cast<float>(p.x - origin.left));
    const float y = receiver.FromPixelsY(static_cast<float>(p.y - origin.top));
    const int16_t shift = ShiftState(wParam);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            // A user control takes the focus when pressed, so that its keys reach it.
            if (GetParent(hwnd_)) SetFocus(hwnd_);
            const int16_t button = message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4;
            pressed_ = button == 1 ? &receiver : nullptr;
            held_ = target;
            SetCapture(hwnd_);
            receiver.MouseDown(button, shift, x, y);
            return 0;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const int16_t button = message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
            const RECT bounds = target ? RectOf(target->PixelBounds()) : RECT{0, 0, 0, 0};
            const bool click = button == 1 && pressed_ == &receiver && (!target || PtInRect(&bounds, p));
            pressed_ = nullptr;
            held_ = nullptr;
            if (GetCapture() == hwnd_) ReleaseCapture();
            // Input handlers may destroy this window: nothing of the peer is used after them.
            receiver.MouseUp(button, shift, x, y);
            if (click) receiver.Click();
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            pressed_ = nullptr;
            receiver.DblClick();
            return 0;
        case WM_MOUSEMOVE:
            receiver.MouseMove(ButtonsHeld(wParam), shift, x, y);
            return 0;
        default:
            return 0;
    }
}

bool WindowPeer::KeyboardContextMenu() {
    if (!owner_.onContextMenu) return false;
    const platform::Rect r = owner_.PixelBounds();
    owner_.ContextMenu(owner_.FromPixelsX(static_cast<float>(r.Width()) / 2),
                       owner_.FromPixelsY(static_cast<float>(r.Height()) / 2));
    return true;
}

bool WindowPeer::AllClient(HWND w) {
    RECT outer{}, client{};
    return GetWindowRect(w, &outer) && GetClientRect(w, &client) && outer.right - outer.left == client.right &&
           outer.bottom - outer.top == client.bottom;
}

LRESULT WindowPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND w = hwnd_;
    switch (message) {
        case WM_NCPAINT:
            if (AllClient(w)) return 0;
            break;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints everything
        case WM_PAINT: {
            platform::win32::PaintGuard paint(w);
            if (!paint.dc()) return 0;
            RECT client{};
            GetClientRect(w, &client);
            PaintLook(paint.dc(), owner_, client.right, client.bottom);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client{};
            GetClientRect(w, &client);
            PaintLook(reinterpret_cast<HDC>(wParam), owner_, client.right, client.bottom);
            return 0;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                POINT p{};
                GetCursorPos(&p);
                ScreenToClient(w, &p);
                Control* target = WindowlessAt(owner_, p);
                if ((target && ApplyCursor(*target)) || ApplyCursor(owner_)) return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
            return Mouse(message, wParam, lParam);
        case WM_GETDLGCODE:
            // Arrows and characters reach the control; Tab, Enter and Escape stay with the dialog keys.
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETFOCUS:
            owner_.PeerFocused();
            return 0;
        case WM_KEYDOWN:
            owner_.KeyDown(static_cast<int16_t>(wParam), KeyShift());
            return 0;
        case WM_KEYUP:
            owner_.KeyUp(static_cast<int16_t>(wParam), KeyShift());
            return 0;
        case WM_CHAR: {
            int16_t key = static_cast<int16_t>(wParam);
            owner_.KeyPress(key);
            return 0;
        }
        case WM_CONTEXTMENU:
            // Only the keyboard's is raised: the right button arrives as MouseDown, where the windows open their
            // popups. One that came up from a child goes on up.
            if (lParam == -1 && reinterpret_cast<HWND>(wParam) == w && KeyboardContextMenu()) return 0;
            break;
        case WM_COMMAND:
            if (lParam != 0) {
                if (WindowPeer* child = SystemControlPeerOf(reinterpret_cast<HWND>(lParam)))
                    child->OnCommand(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_BUTTON) break;
            if (WindowPeer* child = SystemControlPeerOf(item->hwndItem)) child->DrawItem(*item);
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX: {
            // A combo box passes on the messages of its edit field, whose parent it is.
            const HWND control = reinterpret_cast<HWND>(lParam);
            WindowPeer* child = SystemControlPeerOf(control);
            if (!child && GetParent(control) != w) child = SystemControlPeerOf(GetParent(control));
            if (child) {
                if (HBRUSH brush = child->ControlColours(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        }
        default:
            break;
    }
    return DefWindowProcA(w, message, wParam, lParam);
}

void RegisterClasses() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = PeerWindowProc;
        wc.hInstance = Instance();
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kFormClass;
        // The program file's icon (the taskbar's, until a form sets its own); the system's where there is none.
        wc.hIcon = LoadIconA(Instance(), MAKEINTRESOURCEA(1));
        if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        RegisterClassA(&wc);
        wc.lpszClassName = kViewClass;
        wc.hIcon = nullptr;
        RegisterClassA(&wc);
        return true;
    }();
    (void)registered;
}

std::unique_ptr<Peer> MakeViewPeer(Win32Toolkit& toolkit, Control& owner, HWND parent) {
    return std::make_unique<ViewPeer>(toolkit, owner, parent);
}

}  // namespace plivant::ui::win32
