// A form's peer: the top-level window with its border, menu bar, icon, window state, activation and the commands
// that Enter and Escape send.
#include <algorithm>
#include <vector>

#include "ui/win32/GdiPainting.h"
#include "ui/win32/Menus.h"
#include "ui/win32/WindowPeer.h"

namespace plivant::ui::win32 {

using platform::win32::UniqueBitmap;
using platform::win32::UniqueMenu;

namespace {

class FormPeer final : public WindowPeer {
public:
    FormPeer(Win32Toolkit& toolkit, Form& form) : WindowPeer(toolkit, form), form_(form) {
        DWORD style = WS_CLIPCHILDREN;
        // Holds controls: the dialog keys move between them (and into the views that hold more).
        DWORD exStyle = WS_EX_CONTROLPARENT;
        switch (form.BorderStyle()) {
            case FormBorderStyle::None:
                style |= WS_POPUP;
                break;
            case FormBorderStyle::FixedSingle:
                style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
                break;
            case FormBorderStyle::FixedDialog:
                style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
                exStyle |= WS_EX_DLGMODALFRAME;
                break;
            default:
                style |= WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
                break;
        }
        const bool bordered = form.BorderStyle() != FormBorderStyle::None;
        if (bordered && form.MinButton()) style |= WS_MINIMIZEBOX;
        if (bordered && form.MaxButton()) style |= WS_MAXIMIZEBOX;
        const platform::Rect r = form.PixelBounds();
        HWND owner = form.Owner() ? reinterpret_cast<HWND>(form.Owner()->hwnd()) : nullptr;
        RegisterClasses();
        creating_ = true;
        CreateWindowExA(exStyle, kFormClass, form.Caption().c_str(), style, r.left, r.top, r.Width(), r.Height(), owner,
                        nullptr, Instance(), static_cast<WindowPeer*>(this));
        creating_ = false;
        // The system may have fitted a top-level window to its least or greatest size as it made it: the window goes
        // where the form is all the same.
        if (RECT made{};
            hwnd_ && GetWindowRect(hwnd_, &made) && platform::Rect{made.left, made.top, made.right, made.bottom} != r) {
            SetWindowPos(hwnd_, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    ~FormPeer() override {
        if (hwnd_) SetMenu(hwnd_, nullptr);  // the bar is destroyed by its owner below, not by the window
        toolkit_.EndModal(form_);
        DestroyOwnWindow();
    }

    int MonitorDpi() const override {
        // Windows 10 1607 and later; before them every window is at the screen's DPI.
        using GetDpi = UINT(WINAPI*)(HWND);
        static const auto get = reinterpret_cast<GetDpi>(
            reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
        return get && hwnd_ ? static_cast<int>(get(hwnd_)) : 0;
    }

    void Update(Aspect aspect) override {
        if (!hwnd_) return;  // the window went with its owner
        if (aspect == Aspect::Bounds) {
            const FormWindowState state = form_.WindowState();
            const int show = state == FormWindowState::Maximized   ? SW_MAXIMIZE
                             : state == FormWindowState::Minimized ? SW_MINIMIZE
                                                                   : -1;
            if (show >= 0) {
                if (form_.Visible()) ShowWindow(hwnd_, show);
                return;
            }
            if (IsZoomed(hwnd_) || IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
        }
        if (aspect == Aspect::Visible) {
            // A modal form hides as a dialog box ends: its owner is enabled first, so the system activates it.
            if (!form_.Visible() && IsWindowVisible(hwnd_)) toolkit_.EndModal(form_);
            ShowWindow(hwnd_, form_.Visible() ? SW_SHOW : SW_HIDE);
            return;
        }
        if (aspect == Aspect::Menus) {
            MakeMenuBar();
            return;
        }
        if (aspect == Aspect::Icon) {
            UpdateIcon();
            return;
        }
        WindowPeer::Update(aspect);
    }

    // The form's visible menus as its menu bar; none when no menu is visible. The old bar goes once the window
    // no longer shows it, and its pictures after it.
    void MakeMenuBar() {
        menuCommands_.clear();
        std::vector<UniqueBitmap> pictures;
        UniqueMenu bar;
        if (std::any_of(form_.Menus().begin(), form_.Menus().end(), [](const Menu* m) { return m->Visible(); })) {
            bar.reset(CreateMenu());
            AddItems(bar.get(), form_.Menus(), menuCommands_, pictures);
        }
        // Setting a bar, even no bar over no bar, recomputes the window's frame twice.
        if (!bar && !menuBar_) return;
        SetMenu(hwnd_, bar.get());
        menuBar_ = std::move(bar);
        menuPictures_ = std::move(pictures);
        DrawMenuBar(hwnd_);
    }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        HWND w = hwnd_;
        switch (message) {
            case WM_ACTIVATE:
                if (LOWORD(wParam) == WA_INACTIVE) {
                    form_.Deactivate();
                } else {
                    if (!HIWORD(wParam)) RestoreFocus();
                    form_.Activate();
                }
                return 0;
            case WM_CLOSE:
                form_.UserClose();
                return 0;  // the peer may be gone now
            case WM_DESTROY:
                // Going with its owner: the system destroys the menu bar with the window.
                if (menuBar_ && GetMenu(w) == menuBar_.get()) menuBar_.release();
                return 0;
            case WM_COMMAND:
                if (lParam == 0 && HIWORD(wParam) == 0) {
                    const WORD id = LOWORD(wParam);
                    if (id == IDOK) {
                        PressEnter();
                    } else if (id == IDCANCEL) {
                        form_.PressCancel();
                    } else if (Menu* item = CommandItem(menuCommands_, id)) {
                        item->Click();
                    }
                    return 0;
                }
                return WindowPeer::OnMessage(message, wParam, lParam);
            case WM_DPICHANGED: {
                // On a monitor of another scale the window lays itself out again at that scale, in the rectangle
                // the system suggests (which keeps it under the cursor as it is dragged across).
                form_.SetDpi(HIWORD(wParam));
                const RECT& r = *reinterpret_cast<const RECT*>(lParam);
                SetWindowPos(w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                form_.RescaleTree();
                return 0;
            }
            case WM_MOVE:
            case WM_SIZE: {
                if (creating_) return 0;  // the place and size the form gave the window it is being made with
                if (message == WM_SIZE) {
                    const FormWindowState state = wParam == SIZE_MAXIMIZED   ? FormWindowState::Maximized
                                                  : wParam == SIZE_MINIMIZED ? FormWindowState::Minimized
                                                                             : FormWindowState::Normal;
                    form_.UserWindowState(state);
                }
                RECT outer{};
                GetWindowRect(w, &outer);
                const float tx = form_.TwipsPerPixelX(), ty = form_.TwipsPerPixelY();
                form_.UserMoved(static_cast<float>(outer.left) * tx, static_cast<float>(outer.top) * ty);
                if (message == WM_SIZE) {
                    form_.UserResized(static_cast<float>(outer.right - outer.left) * tx,
                                      static_cast<float>(outer.bottom - outer.top) * ty);
                }
                return 0;
            }
            default:
                return WindowPeer::OnMessage(message, wParam, lParam);
        }
    }

protected:
    // The program lives as long as one of its form windows, however the window ends.
    void WindowBound() override { toolkit_.FormOpened(); }
    void WindowGone() override { toolkit_.FormClosed(); }

private:
    // As a dialog box does: the control that last had the focus takes it again, else the first that Tab reaches.
    void RestoreFocus() {
        HWND w = hwnd_;
        HWND target = nullptr;
        if (const Control* last = form_.ActiveControl()) target = reinterpret_cast<HWND>(last->hwnd());
        if (!target || !IsChild(w, target) || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
            target = GetNextDlgTabItem(w, nullptr, FALSE);
        }
        if (target) ::SetFocus(target);
    }

    // Enter (the dialog manager's OK command): presses the button that has the focus, else the default button.
    void PressEnter() {
        const HWND focus = GetFocus();
        WindowPeer* focused = focus && IsChild(hwnd_, focus) ? SystemControlPeerOf(focus) : nullptr;
        if (focused && focused->IsButton()) {
            focused->Owner().Click();
        } else {
            form_.PressDefault();
        }
    }

    // The window keeps using the icon it was given, so the old one goes only after the new one is in place.
    void UpdateIcon() {
        platform::win32::UniqueIcon made;
        if (!form_.Icon().Empty()) made.reset(MakeIcon(CursorImage{form_.Icon(), {}, 0, 0}, false));
        if (!made && !icon_) return;  // no icon, as a new window has none: no messages for the system to pass on
        SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(made.get()));
        SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(made.get()));
        icon_ = std::move(made);
    }

    Form& form_;
    bool creating_ = false;
    std::vector<UniqueBitmap> menuPictures_;  // before the bar, which shows them and so goes first
    UniqueMenu menuBar_;
    std::vector<Menu*> menuCommands_;
    platform::win32::UniqueIcon icon_;
};

}  // namespace

std::unique_ptr<Peer> MakeFormPeer(Win32Toolkit& toolkit, Form& form) {
    return std::make_unique<FormPeer>(toolkit, form);
}

}  // namespace plivant::ui::win32
