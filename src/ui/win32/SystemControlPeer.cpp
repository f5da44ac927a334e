// The peers of the system's controls: text boxes, combo boxes, list boxes, buttons and windowed images.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/win32/GrowToFit.h"
#include "ui/Controls.h"
#include "ui/win32/GdiPainting.h"
#include "ui/win32/WindowPeer.h"
#include "util/ErrorPolicy.h"

namespace plivant::ui::win32 {

using platform::win32::UniqueBrush;

namespace {

// The system's controls: created as children, told apart by class; their notifications arrive here through
// the parent's WM_COMMAND, their keys and mouse through a subclass (a combo box's through its edit field's too).
// A windowed image is an owner-drawn button that paints its picture.
class SystemControlPeer final : public WindowPeer {
public:
    SystemControlPeer(Win32Toolkit& toolkit, Control& owner, PeerKind kind, HWND parent)
        : WindowPeer(toolkit, owner), kind_(kind) {
        const char* cls = "BUTTON";
        DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        switch (kind) {
            case PeerKind::TextBox:
                cls = "EDIT";
                style |= TextBoxStyle(static_cast<const TextBox&>(owner));
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case PeerKind::ComboBox:
                cls = "COMBOBOX";
                style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
                break;
            case PeerKind::ListBox:
                cls = "LISTBOX";
                style |= LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case PeerKind::ImageButton:
                style |= BS_OWNERDRAW;
                break;
            default: {  // a command button
                // A picture button draws itself, so that its picture shows greyed, not blanked, while disabled.
                const auto& button = static_cast<const CommandButton&>(owner);
                pictureButton_ = button.Style() == 1;
                style |= pictureButton_ ? BS_OWNERDRAW : button.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
                break;
            }
        }
        const platform::Rect r = Placement(owner.PixelBounds());
        const HWND made = CreateWindowExA(exStyle, cls, "", style, r.left, r.top, r.Width(), r.Height(), parent,
                                          nullptr, Instance(), nullptr);
        if (!made) return;
        Bind(made);
        // A control whose input would not reach its model is not kept: the control goes on without a window (as when
        // the window cannot be made).
        if (!Subclass(made)) {
            DestroyOwnWindow();
            return;
        }
        if (kind == PeerKind::ComboBox) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            if (GetComboBoxInfo(made, &info) && info.hwndItem && Subclass(info.hwndItem)) field_ = info.hwndItem;
        }
    }
    ~SystemControlPeer() override { DestroyOwnWindow(); }

    void Update(Aspect aspect) override {
        HWND w = hwnd_;
        if (!w) return;  // the window went with its parent
        const bool combo = kind_ == PeerKind::ComboBox;
        auto* list = combo || kind_ == PeerKind::ListBox ? static_cast<ListControl*>(&owner_) : nullptr;
        switch (aspect) {
            case Aspect::Bounds: {
                const platform::Rect r = Placement(owner_.PixelBounds());
                SetWindowPos(w, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
                return;
            }
            case Aspect::ItemAppended:
                if (list && list->ListCount() > 0) {
                    SendMessageA(w, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(list->Items().back().c_str()));
                }
                return;
            case Aspect::ItemRemoved:
                if (list) SendMessageA(w, combo ? CB_DELETESTRING : LB_DELETESTRING, list->LastRemovedIndex(), 0);
                return;
            case Aspect::Items:
                if (!list) return;
                // One repaint for the whole fill, and the list's storage reserved at once.
                SendMessageA(w, WM_SETREDRAW, FALSE, 0);
                SendMessageA(w, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
                if (!combo) SendMessageA(w, LB_INITSTORAGE, list->Items().size(), 0);
                for (const auto& item : list->Items()) {
                    SendMessageA(w, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
                }
                SendMessageA(w, WM_SETREDRAW, TRUE, 0);
                if (IsWindowVisible(w)) InvalidateRect(w, nullptr, TRUE);
                [[fallthrough]];
            case Aspect::Selection:
                if (list)
                    SendMessageA(w, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list->ListIndex()), 0);
                if (combo) SetWindowTextA(w, owner_.PeerText().c_str());
                return;
            default:
                break;
        }
        WindowPeer::Update(aspect);
    }

    int ItemAt(platform::Point p) const override {
        if (kind_ != PeerKind::ListBox || !hwnd_) return -1;
        const LRESULT hit = SendMessageA(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
        if (HIWORD(hit) != 0) return -1;
        // The answer holds the row's number in 16 bits, which a list of more rows cuts: the row is the one with those
        // low bits among the rows shown, which start at the top row.
        const auto top = static_cast<int>(SendMessageA(hwnd_, LB_GETTOPINDEX, 0, 0));
        return top + static_cast<uint16_t>(LOWORD(hit) - top);
    }

    platform::Rect ItemBounds(int index) const override {
        RECT r{};
        if (kind_ != PeerKind::ListBox || !hwnd_ ||
            SendMessageA(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) == LB_ERR) {
            return {};
        }
        return {r.left, r.top, r.right, r.bottom};
    }

    void OnCommand(WORD code) override {
        HWND w = hwnd_;
        switch (kind_) {
            case PeerKind::TextBox:
                if (code == EN_CHANGE) owner_.PeerTextChanged(Text(w));
                break;
            case PeerKind::ComboBox:
                if (code == CBN_SELCHANGE) {
                    owner_.PeerSelectionChanged(static_cast<int>(SendMessageA(w, CB_GETCURSEL, 0, 0)));
                } else if (code == CBN_EDITCHANGE) {
                    owner_.PeerTextChanged(Text(w));
                }
                break;
            case PeerKind::ListBox:
                if (code == LBN_SELCHANGE) {
                    owner_.PeerSelectionChanged(static_cast<int>(SendMessageA(w, LB_GETCURSEL, 0, 0)));
                } else if (code == LBN_DBLCLK) {
                    owner_.DblClick();
                }
                break;
            default:
                if (code == BN_CLICKED) owner_.Click();
                if (code == BN_DOUBLECLICKED) owner_.DblClick();  // an owner-drawn button's second click
                break;
        }
    }

    bool IsButton() const override { return kind_ == PeerKind::Button || kind_ == PeerKind::ImageButton; }

    // The picture on its container's look, with the focus rectangle while the button has the focus.
    void DrawItem(const DRAWITEMSTRUCT& item) override {
        const RECT& area = item.rcItem;
        if (pictureButton_) {
            DrawPictureButton(item);
            return;
        }
        if (const Control* container = owner_.Parent()) {
            const platform::Rect at = owner_.PixelBounds(), outer = container->PixelBounds();
            PaintOne(item.hDC, container->Look(),
                     RECT{-at.left, -at.top, outer.Width() - at.left, outer.Height() - at.top}, owner_.Dpi());
        }
        PaintOne(item.hDC, owner_.Look(), area, owner_.Dpi());
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &area);
    }

    // The system's push-button face, and the picture (the model greys it while disabled) centred inside it, one
    // pixel lower and further right while pressed.
    void DrawPictureButton(const DRAWITEMSTRUCT& item) {
        const bool pushed = (item.itemState & ODS_SELECTED) != 0, disabled = (item.itemState & ODS_DISABLED) != 0;
        const bool hot = (item.itemState & ODS_HOTLIGHT) != 0;
        const RECT inside = DrawPushButtonFace(item.hwndItem, item.hDC, item.rcItem, pushed, disabled, hot);
        const ViewLook look = owner_.Look();
        if (!look.picture.Empty()) {
            const int shift = pushed ? 1 : 0;
            const int left = (inside.left + inside.right - look.picture.Width()) / 2 + shift;
            const int top = (inside.top + inside.bottom - look.picture.Height()) / 2 + shift;
            const int saved = SaveDC(item.hDC);
            IntersectClipRect(item.hDC, inside.left, inside.top, inside.right, inside.bottom);
            DrawPicture(item.hDC, look.picture,
                        RECT{left, top, left + look.picture.Width(), top + look.picture.Height()}, false);
            RestoreDC(item.hDC, saved);
        }
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
            RECT focus = inside;
            InflateRect(&focus, -1, -1);
            DrawFocusRect(item.hDC, &focus);
        }
    }

    HBRUSH ControlColours(HDC dc) override {
        if (kind_ != PeerKind::TextBox && kind_ != PeerKind::ComboBox && kind_ != PeerKind::ListBox) return nullptr;
        const OleColor back = owner_.BackColor(), fore = owner_.ForeColor();
        if (back == kWindowBackground && fore == kWindowText) return nullptr;
        if (!background_ || backgroundColour_ != ColourOf(back)) {
            backgroundColour_ = ColourOf(back);
            background_.reset(CreateSolidBrush(backgroundColour_));
        }
        SetTextColor(dc, ColourOf(fore));
        SetBkColor(dc, backgroundColour_);
        return background_.get();
    }

protected:
    bool ShowsContent() const override { return kind_ == PeerKind::TextBox || kind_ == PeerKind::ComboBox; }
    void UpdateFont() override {
        if (!hwnd_) return;
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(owner_.Font(), owner_.Dpi())),
                     IsWindowVisible(hwnd_));
    }

private:
    friend WindowPeer* win32::SystemControlPeerOf(HWND w);
    // The program's own message, which the subclass answers with the peer (any other window with 0): how the
    // parent's notifications find the control's peer.
    static constexpr UINT kPeerQuery = WM_APP + 0x50;

    // The window's rectangle for the control's: a drop-down combo box's window height includes its list.
    platform::Rect Placement(platform::Rect r) const {
        if (kind_ == PeerKind::ComboBox) r.bottom += 200;
        return r;
    }

    static DWORD TextBoxStyle(const TextBox& box) {
        if (!box.MultiLine()) return ES_AUTOHSCROLL;
        // Several lines wrap at the border unless there is a horizontal scroll bar.
        const auto bars = static_cast<int16_t>(box.GetScrollBars());
        DWORD style = ES_MULTILINE | ES_AUTOVSCROLL;
        if (bars & static_cast<int16_t>(ScrollBars::Horizontal)) style |= ES_AUTOHSCROLL | WS_HSCROLL;
        if (bars & static_cast<int16_t>(ScrollBars::Vertical)) style |= WS_VSCROLL;
        return style;
    }

    static std::string Text(HWND w) {
        return platform::win32::GrowToFit(
                   [w](char* buffer, size_t room) -> std::optional<size_t> {
                       const auto needed = static_cast<size_t>(std::max(GetWindowTextLengthA(w), 0));
                       if (needed > room) return needed;
                       return static_cast<size_t>(GetWindowTextA(w, buffer, static_cast<int>(room + 1)));
                   },
                   MAX_PATH)
            .value_or(std::string());
    }

    // A subclassed window: its peer and the system's procedure. A plain subclass, not the common controls'
    // SetWindowSubclass, which finds its data in a window property at every message: under Wine a call to the server
    // each time (870 of the 6,400 calls the main window made in its first seconds; a 100,000-row list took seconds to
    // fill). Wide, as that one is: the characters typed arrive in UTF-16.
    struct Subclassed {
        HWND window;
        SystemControlPeer* peer;
        WNDPROC system;
    };
    // The windows of the open forms' system controls: a few dozen at most. Never destroyed: a window may still get
    // its last message as the program ends.
    static std::vector<Subclassed>& AllSubclassed() {
        static auto* all = new std::vector<Subclassed>;
        return *all;
    }

    // Stays until the window's last message, which tells the peer the window has gone.
    bool Subclass(HWND w) {
        const auto system = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SystemControlPeer::Procedure)));
        if (!system) return false;
        AllSubclassed().push_back({w, this, system});
        return true;
    }

    static LRESULT CALLBACK Procedure(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
        auto& all = AllSubclassed();
        const auto found = std::find_if(all.begin(), all.end(), [w](const Subclassed& s) { return s.window == w; });
        if (found == all.end()) return DefWindowProcW(w, message, wParam, lParam);
        auto* peer = found->peer;
        const WNDPROC systemProcedure = found->system;
        // An input handler may destroy the peer, and with it the window: the system's handling needs neither.
        const auto system = [w, systemProcedure](UINT m, WPARAM wp, LPARAM lp) {
            return IsWindow(w) ? CallWindowProcW(systemProcedure, w, m, wp, lp) : 0;
        };
        if (message == kPeerQuery) return reinterpret_cast<LRESULT>(static_cast<WindowPeer*>(peer));
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProcedure));
            all.erase(found);
            const LRESULT result = CallWindowProcW(systemProcedure, w, message, wParam, lParam);
            peer->Gone(w);
            return result;
        }
        if (peer->Detached()) return system(message, wParam, lParam);
        // An error in an event handler ends that handler, never the program.
        std::optional<LRESULT> handled;
        if (!StopOnError([&] { handled = peer->Filter(w, message, wParam, lParam, system); })) return 0;
        return handled ? *handled : system(message, wParam, lParam);
    }

    // The last message of the control's window or of its edit field.
    void Gone(HWND w) {
        if (w != field_) {
            Unbind();
            return;
        }
        field_ = nullptr;
    }

    // The subclassed window's messages (the control's, or its edit field's); none for the system's own handling,
    // which system gives. Input handlers may destroy this peer: nothing of it is used after them.
    template <typename System>
    std::optional<LRESULT> Filter(HWND w, UINT message, WPARAM wParam, LPARAM lParam, const System& system) {
        Control& owner = owner_;
        Win32Toolkit& toolkit = toolkit_;
        const HWND box = hwnd_;
        // A combo box's keys arrive at its edit field, which has the focus whenever the box has.
        const bool keys = kind_ != PeerKind::ComboBox || w == field_;
        // A locked text box takes none of the edits the system makes: characters but Ctrl+C (copy), Delete,
        // Shift+Insert (paste), Alt+Backspace (undo), input methods, and the clipboard's and undo messages, which its
        // context menu sends too. (A read-only box would do the same, but looks different: the visual styles frame it
        // in grey.)
        const bool locked = kind_ == PeerKind::TextBox && static_cast<const TextBox&>(owner).Locked();
        constexpr int16_t kCtrlC = 3;
        switch (message) {
            case WM_NCPAINT:
                if (AllClient(w)) return 0;
                break;
            case WM_GETDLGCODE:
                return DialogCode(system(message, wParam, lParam), lParam);
            case WM_SETFOCUS: {
                const LRESULT result = system(message, wParam, lParam);
                owner.PeerFocused();
                return result;
            }
            case WM_CHAR: {
                if (!keys) break;
                int16_t key = static_cast<int16_t>(wParam);
                owner.KeyPress(key);
                if (key == 0 || (locked && key != kCtrlC)) return 0;  // discarded
                return system(message, static_cast<WPARAM>(static_cast<uint16_t>(key)), lParam);
            }
            case WM_PASTE:
            case WM_CUT:
            case WM_CLEAR:
            case WM_UNDO:
            case EM_UNDO:
            case WM_IME_STARTCOMPOSITION:
            case WM_IME_COMPOSITION:
            case WM_IME_CHAR:
                if (locked) return 0;
                break;
            case WM_SYSKEYDOWN:
                if (locked && wParam == VK_BACK) return 0;
                break;
            case WM_KEYDOWN:
                if (keys) owner.KeyDown(static_cast<int16_t>(wParam), KeyShift());
                if (locked && (wParam == VK_DELETE || (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0))) return 0;
                // WINE: the edit field of an open drop-down list keeps Enter and Escape without closing the list;
                // the box itself closes it (taking the row under the cursor on Enter), as the field does on Windows.
                if (box != w && IsWindow(box) && (wParam == VK_RETURN || wParam == VK_ESCAPE) &&
                    SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0)) {
                    return SendMessageA(box, WM_KEYDOWN, wParam, lParam);
                }
                break;
            case WM_KEYUP:
                if (keys) owner.KeyUp(static_cast<int16_t>(wParam), KeyShift());
                break;
            case WM_CONTEXTMENU:
                if (lParam == -1) {
                    if (KeyboardContextMenu()) return 0;
                } else if (toolkit.TakeMouseMenuSuppression(w)) {
                    return 0;  // the window opened its own popup when the right button went down
                }
                break;
            case WM_SETCURSOR:
                if (kind_ == PeerKind::ImageButton && LOWORD(lParam) == HTCLIENT && ApplyCursor(owner)) return TRUE;
                break;
            case WM_MOUSEMOVE:
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_LBUTTONUP:
            case WM_RBUTTONUP: {
                POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (w != box) MapWindowPoints(w, box, &p, 1);
                RelayToToolTip(message, wParam, p);
                if (message == WM_RBUTTONDOWN) toolkit.SuppressMouseMenu(nullptr);
                const unsigned popups = toolkit.PopupsShown();
                const LRESULT result = system(message, wParam, lParam);
                const float x = owner.FromPixelsX(static_cast<float>(p.x));
                const float y = owner.FromPixelsY(static_cast<float>(p.y));
                const int16_t shift = ShiftState(wParam);
                if (message == WM_MOUSEMOVE) owner.MouseMove(ButtonsHeld(wParam), shift, x, y);
                if (message == WM_LBUTTONDOWN) owner.MouseDown(1, shift, x, y);
                if (message == WM_RBUTTONDOWN) owner.MouseDown(2, shift, x, y);
                if (message == WM_LBUTTONUP) owner.MouseUp(1, shift, x, y);
                if (message == WM_RBUTTONUP) owner.MouseUp(2, shift, x, y);
                // A popup opened on the press is the only one: the system's menu on the release is not shown.
                if (message == WM_RBUTTONDOWN && toolkit.PopupsShown() != popups) toolkit.SuppressMouseMenu(w);
                return result;
            }
            default:
                break;
        }
        return std::nullopt;
    }

    // A multi-line edit field wants every key; Tab, Enter and Escape go to the dialog keys all the same, as in a
    // one-line box, so that they move and press alike everywhere (the box has no way to take a new line or a tab).
    LRESULT DialogCode(LRESULT code, LPARAM lParam) const {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (kind_ == PeerKind::TextBox && msg && msg->message == WM_KEYDOWN &&
            (msg->wParam == VK_TAB || msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
            code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
        }
        return code;
    }

    PeerKind kind_;
    bool pictureButton_ = false;
    HWND field_ = nullptr;  // a combo box's edit field, which goes with the box
    UniqueBrush background_;
    COLORREF backgroundColour_ = 0;
};

}  // namespace

WindowPeer* SystemControlPeerOf(HWND w) {
    return w ? reinterpret_cast<WindowPeer*>(SendMessageA(w, SystemControlPeer::kPeerQuery, 0, 0)) : nullptr;
}

std::unique_ptr<Peer> MakeSystemControlPeer(Win32Toolkit& toolkit, Control& owner, PeerKind kind, HWND parent) {
    UseCommonControls();
    return std::make_unique<SystemControlPeer>(toolkit, owner, kind, parent);
}

}  // namespace plivant::ui::win32
