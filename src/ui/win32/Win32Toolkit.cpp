// The toolkit on real windows: peers for forms, views and the system's controls; painting of looks;
// cursors, tooltips, message boxes, popup menus and modal loops.
#include "ui/win32/Win32Toolkit.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "platform/win32/MessageLoop.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace plivant::ui::win32 {

using platform::win32::SelectGuard;
using platform::win32::UniqueBitmap;
using platform::win32::UniqueBrush;
using platform::win32::UniqueCursor;
using platform::win32::UniqueFont;
using platform::win32::UniqueMenu;
using platform::win32::UniqueWindow;
using platform::win32::WindowDc;

namespace {

constexpr char kFormClass[] = "PlivantForm";
constexpr char kViewClass[] = "PlivantView";
// Menu commands are numbered from here, clear of IDOK and IDCANCEL, the commands that Enter and Escape send.
constexpr UINT kFirstMenuCommand = 0x100;

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

COLORREF ColourOf(OleColor c) {
    return IsSystemColour(c) ? GetSysColor(static_cast<int>(c & 0xFF)) : (c & 0xFFFFFF);
}

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// A face the system lacks is replaced by Tahoma, the face of the era's window captions, rather than by whatever
// the font mapper picks (Wine picks a raster face that cannot be bold).
const char* InstalledFace(const std::string& name) {
    static std::map<std::string, bool> known;
    auto it = known.find(name);
    if (it == known.end()) {
        LOGFONTA wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(wanted.lfFaceName, name.c_str(), LF_FACESIZE);
        bool found = false;
        WindowDc screen(nullptr);
        EnumFontFamiliesExA(screen.get(), &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
        it = known.emplace(name, found).first;
    }
    return it->second ? name.c_str() : "Tahoma";
}

UniqueFont MakeFont(const Font& font) {
    WindowDc screen(nullptr);
    const int height =
        -MulDiv(static_cast<int>(std::lround(font.size * 100)), GetDeviceCaps(screen.get(), LOGPIXELSY), 7200);
    return UniqueFont(CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline,
                                  font.strikethrough, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, InstalledFace(font.name)));
}

BITMAPINFO DibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void DrawPicture(HDC dc, const Bitmap& picture, const RECT& area, bool stretch) {
    // 0x00RRGGBB in memory is the DIB's blue, green, red, unused byte order.
    const BITMAPINFO info = DibInfo(picture.Width(), picture.Height());
    const int width = stretch ? area.right - area.left : picture.Width();
    const int height = stretch ? area.bottom - area.top : picture.Height();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, area.left, area.top, width, height, 0, 0, picture.Width(), picture.Height(),
                  picture.Pixels().data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void PaintOne(HDC dc, const ViewLook& look, const RECT& area) {
    if (look.opaque) {
        UniqueBrush brush(CreateSolidBrush(ColourOf(look.back)));
        FillRect(dc, &area, brush.get());
    }
    if (!look.picture.Empty()) DrawPicture(dc, look.picture, area, look.stretch);
    if (!look.text.empty()) {
        UniqueFont font = MakeFont(look.font);
        SelectGuard selected(dc, font.get());
        SetTextColor(dc, ColourOf(look.fore));
        SetBkMode(dc, TRANSPARENT);
        UINT format = look.alignment == TextAlignment::Right    ? DT_RIGHT
                      : look.alignment == TextAlignment::Center ? DT_CENTER
                                                                : DT_LEFT;
        format |= look.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
        RECT text = area;
        DrawTextA(dc, look.text.c_str(), static_cast<int>(look.text.size()), &text, format);
    }
    if (look.border != ControlBorderStyle::None) {
        RECT edge = area;
        if (look.threeD) {
            DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
        } else {
            FrameRect(dc, &edge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    }
}

RECT RectOf(const platform::Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

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

int16_t ShiftState(WPARAM keys) {
    int16_t shift = 0;
    if (keys & MK_SHIFT) shift |= 1;
    if (keys & MK_CONTROL) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

// The shift mask while a key goes down.
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

LPCSTR StandardCursor(MousePointer pointer) {
    switch (pointer) {
        case MousePointer::Arrow:
            return IDC_ARROW;
        case MousePointer::Cross:
            return IDC_CROSS;
        case MousePointer::IBeam:
            return IDC_IBEAM;
        case MousePointer::SizeNESW:
            return IDC_SIZENESW;
        case MousePointer::SizeNS:
            return IDC_SIZENS;
        case MousePointer::SizeNWSE:
            return IDC_SIZENWSE;
        case MousePointer::SizeWE:
            return IDC_SIZEWE;
        case MousePointer::UpArrow:
            return IDC_UPARROW;
        case MousePointer::Hourglass:
            return IDC_WAIT;
        case MousePointer::NoDrop:
            return IDC_NO;
        default:
            return nullptr;
    }
}

// Custom pointers are made once per image and kept for the program's life: a cursor in use must not go.
HCURSOR CustomCursor(const CursorImage& image) {
    static std::vector<std::pair<CursorImage, UniqueCursor>> made;
    for (const auto& [known, cursor] : made) {
        if (known == image) return cursor.get();
    }
    const int w = image.colour.Width(), h = image.colour.Height();
    const int stride = ((w + 15) / 16) * 2;
    std::vector<uint8_t> mask(static_cast<size_t>(stride * h), 0);
    Bitmap colour = image.colour;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y * w + x);
            if (i < image.transparent.size() && image.transparent[i]) {
                mask[static_cast<size_t>(y * stride + x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
                colour.Set(x, y, 0);
            }
        }
    }
    UniqueBitmap maskBitmap(CreateBitmap(w, h, 1, 1, mask.data()));
    UniqueBitmap colourBitmap(MakeBitmap(colour));
    ICONINFO info{FALSE, static_cast<DWORD>(image.hotX), static_cast<DWORD>(image.hotY), maskBitmap.get(),
                  colourBitmap.get()};
    made.emplace_back(image, UniqueCursor(CreateIconIndirect(&info)));
    return made.back().second.get();
}

bool ApplyCursor(const Control& target) {
    const MousePointer pointer = target.GetMousePointer();
    if (pointer == MousePointer::Custom && !target.MouseIcon().Empty()) {
        SetCursor(CustomCursor(target.MouseIcon()));
        return true;
    }
    if (LPCSTR id = StandardCursor(pointer)) {
        SetCursor(LoadCursorA(nullptr, id));
        return true;
    }
    return false;
}

// A menu item's picture. The system blends 32-bit menu pictures by their alpha bytes, so every pixel is opaque.
UniqueBitmap MenuPicture(const Bitmap& picture) {
    Bitmap opaque = picture;
    for (int y = 0; y < opaque.Height(); ++y) {
        for (int x = 0; x < opaque.Width(); ++x) opaque.Set(x, y, opaque.At(x, y) | 0xFF000000u);
    }
    return UniqueBitmap(MakeBitmap(opaque));
}

// Gives the last item of a menu its picture. The menu does not own the bitmap: pictures keeps it, and must
// outlive the menu.
void SetLastItemPicture(HMENU target, const Menu& item, std::vector<UniqueBitmap>& pictures) {
    if (item.Picture().Empty()) return;
    UniqueBitmap picture = MenuPicture(item.Picture());
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = picture.get();
    if (SetMenuItemInfoA(target, static_cast<UINT>(GetMenuItemCount(target) - 1), TRUE, &info)) {
        pictures.push_back(std::move(picture));
    }
}

// Appends the visible items of a menu; each command's number is kFirstMenuCommand plus its place in byId. The
// submenus are owned by the menu they are appended to, the items' pictures by pictures.
void AddItems(HMENU target, const std::vector<Menu*>& items, std::vector<Menu*>& byId,
              std::vector<UniqueBitmap>& pictures) {
    for (Menu* item : items) {
        if (!item->Visible()) continue;
        if (item->Caption() == "-") {
            AppendMenuA(target, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags = MF_STRING | (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
        if (!item->Items().empty()) {
            UniqueMenu sub(CreatePopupMenu());
            AddItems(sub.get(), item->Items(), byId, pictures);
            if (AppendMenuA(target, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.get()), item->Caption().c_str())) {
                sub.release();
                SetLastItemPicture(target, *item, pictures);
            }
            continue;
        }
        byId.push_back(item);
        if (AppendMenuA(target, flags, kFirstMenuCommand + byId.size() - 1, item->Caption().c_str())) {
            SetLastItemPicture(target, *item, pictures);
        }
    }
}

// The menu item of a command number, or none.
Menu* CommandItem(const std::vector<Menu*>& byId, size_t id) {
    return id >= kFirstMenuCommand && id - kFirstMenuCommand < byId.size() ? byId[id - kFirstMenuCommand] : nullptr;
}

class WindowPeer;
WindowPeer* PeerOf(HWND hwnd) {
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
    UniqueWindow hwnd_;
    Control* pressed_ = nullptr;
    Control* held_ = nullptr;
    bool hasToolTip_ = false;
};

TTTOOLINFOA ToolInfo(HWND window) {
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(window) ? GetParent(window) : window;
    info.uId = reinterpret_cast<UINT_PTR>(window);
    return info;
}

void WindowPeer::RemoveToolTip() {
    if (!hasToolTip_) return;
    TTTOOLINFOA info = ToolInfo(hwnd_.get());
    SendMessageA(toolkit_.ToolTips(hwnd_.get()), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    hasToolTip_ = false;
}

void WindowPeer::UpdateToolTip() {
    RemoveToolTip();
    const std::string& text = owner_.ToolTipText();
    if (text.empty()) return;
    TTTOOLINFOA info = ToolInfo(hwnd_.get());
    info.lpszText = const_cast<char*>(text.c_str());
    hasToolTip_ = SendMessageA(toolkit_.ToolTips(hwnd_.get()), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

LRESULT WindowPeer::Mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // While a button is held, the windowless control that took the press keeps the mouse, as a window with the
    // capture would: its release arrives wherever the cursor has gone.
    const auto& children = owner_.Children();
    if (message == WM_MOUSEMOVE && ButtonsHeld(wParam) == 0) held_ = nullptr;  // the press ended elsewhere
    if (held_ && std::find(children.begin(), children.end(), held_) == children.end()) held_ = nullptr;
    Control* target = held_ ? held_ : WindowlessAt(owner_, p);
    Control& receiver = target ? *target : owner_;
    platform::Rect origin{};
    if (target) origin = target->PixelBounds();
    const float x = static_cast<float>(p.x - origin.left) * toolkit_.TwipsPerPixelX() / receiver.UnitX();
    const float y = static_cast<float>(p.y - origin.top) * toolkit_.TwipsPerPixelY() / receiver.UnitY();
    const int16_t shift = ShiftState(wParam);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            // A user control takes the focus when pressed, so that its keys reach it.
            if (GetParent(hwnd_.get())) SetFocus(hwnd_.get());
            const int16_t button = message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4;
            pressed_ = button == 1 ? &receiver : nullptr;
            held_ = target;
            SetCapture(hwnd_.get());
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
            if (GetCapture() == hwnd_.get()) ReleaseCapture();
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
    owner_.ContextMenu(static_cast<float>(r.Width()) / 2 * toolkit_.TwipsPerPixelX() / owner_.UnitX(),
                       static_cast<float>(r.Height()) / 2 * toolkit_.TwipsPerPixelY() / owner_.UnitY());
    return true;
}

LRESULT WindowPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND w = hwnd_.get();
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints everything
        case WM_PAINT: {
            platform::win32::PaintGuard paint(w);
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
                if (WindowPeer* child = PeerOf(reinterpret_cast<HWND>(lParam))) child->OnCommand(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_BUTTON) break;
            if (WindowPeer* child = PeerOf(item->hwndItem)) child->DrawItem(*item);
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX: {
            // A combo box passes on the messages of its edit field, whose parent it is.
            const HWND control = reinterpret_cast<HWND>(lParam);
            WindowPeer* child = PeerOf(control);
            if (!child && GetParent(control) != w) child = PeerOf(GetParent(control));
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

LRESULT CALLBACK PeerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    WindowPeer* peer = PeerOf(hwnd);
    if (!peer || !peer->hwnd()) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return peer->OnMessage(message, wParam, lParam);
    } catch (...) {
        // An error in an event handler ends that handler, never the program.
        return 0;
    }
}

void RegisterClasses() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = PeerWindowProc;
        wc.hInstance = Instance();
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kFormClass;
        wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        RegisterClassA(&wc);
        wc.lpszClassName = kViewClass;
        wc.hIcon = nullptr;
        RegisterClassA(&wc);
        return true;
    }();
    (void)registered;
}

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
        // Messages sent while the window is made reach no handler: the peer has no handle until it returns.
        hwnd_.reset(CreateWindowExA(exStyle, kFormClass, form.Caption().c_str(), style, r.left, r.top, r.Width(),
                                    r.Height(), owner, nullptr, Instance(), this));
        toolkit.FormOpened();
    }
    ~FormPeer() override {
        SetWindowLongPtrA(hwnd_.get(), GWLP_USERDATA, 0);
        SetMenu(hwnd_.get(), nullptr);  // the bar is destroyed by its owner below, not by the window
        hwnd_.reset();
        toolkit_.FormClosed();
    }

    void Update(Aspect aspect) override {
        if (aspect == Aspect::Bounds) {
            const FormWindowState state = form_.WindowState();
            const int show = state == FormWindowState::Maximized   ? SW_MAXIMIZE
                             : state == FormWindowState::Minimized ? SW_MINIMIZE
                                                                   : -1;
            if (show >= 0) {
                if (form_.Visible()) ShowWindow(hwnd_.get(), show);
                return;
            }
            if (IsZoomed(hwnd_.get()) || IsIconic(hwnd_.get())) ShowWindow(hwnd_.get(), SW_RESTORE);
        }
        if (aspect == Aspect::Visible) {
            ShowWindow(hwnd_.get(), form_.Visible() ? SW_SHOW : SW_HIDE);
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
        SetMenu(hwnd_.get(), bar.get());
        menuBar_ = std::move(bar);
        menuPictures_ = std::move(pictures);
        DrawMenuBar(hwnd_.get());
    }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        HWND w = hwnd_.get();
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
            case WM_MOVE:
            case WM_SIZE: {
                if (message == WM_SIZE) {
                    const FormWindowState state = wParam == SIZE_MAXIMIZED   ? FormWindowState::Maximized
                                                  : wParam == SIZE_MINIMIZED ? FormWindowState::Minimized
                                                                             : FormWindowState::Normal;
                    form_.UserWindowState(state);
                }
                RECT outer{};
                GetWindowRect(w, &outer);
                const float tx = toolkit_.TwipsPerPixelX(), ty = toolkit_.TwipsPerPixelY();
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

private:
    // As a dialog box does: the control that last had the focus takes it again, else the first that Tab reaches.
    void RestoreFocus() {
        HWND w = hwnd_.get();
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
        WindowPeer* focused = focus && IsChild(hwnd_.get(), focus) ? PeerOf(focus) : nullptr;
        if (focused && focused->IsButton()) {
            focused->Owner().Click();
        } else {
            form_.PressDefault();
        }
    }

    // The window keeps using the icon it was given, so the old one goes only after the new one is in place.
    void UpdateIcon() {
        platform::win32::UniqueIcon made;
        const Bitmap& picture = form_.Icon();
        if (!picture.Empty()) {
            const int w = picture.Width(), h = picture.Height();
            std::vector<uint8_t> mask(static_cast<size_t>(((w + 15) / 16) * 2 * h), 0);
            UniqueBitmap maskBitmap(CreateBitmap(w, h, 1, 1, mask.data()));
            UniqueBitmap colour(MakeBitmap(picture));
            ICONINFO info{TRUE, 0, 0, maskBitmap.get(), colour.get()};
            made.reset(CreateIconIndirect(&info));
        }
        SendMessageA(hwnd_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(made.get()));
        SendMessageA(hwnd_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(made.get()));
        icon_ = std::move(made);
    }

    Form& form_;
    std::vector<UniqueBitmap> menuPictures_;  // before the bar, which shows them and so goes first
    UniqueMenu menuBar_;
    std::vector<Menu*> menuCommands_;
    platform::win32::UniqueIcon icon_;
};

class ViewPeer final : public WindowPeer {
public:
    ViewPeer(Win32Toolkit& toolkit, Control& owner, HWND parent) : WindowPeer(toolkit, owner) {
        RegisterClasses();
        const platform::Rect r = owner.PixelBounds();
        hwnd_.reset(CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left, r.top,
                                    r.Width(), r.Height(), parent, nullptr, Instance(), this));
    }
};

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
                style |= TextBoxStyle(dynamic_cast<const TextBox*>(&owner));
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
            default: {
                const auto* button = dynamic_cast<const CommandButton*>(&owner);
                style |= button && button->Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
                break;
            }
        }
        const platform::Rect r = owner.PixelBounds();
        hwnd_.reset(CreateWindowExA(exStyle, cls, "", style, r.left, r.top, r.Width(), Height(r), parent, nullptr,
                                    Instance(), nullptr));
        controlProc_ = Subclass(hwnd_.get());
        if (kind == PeerKind::ComboBox) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            if (GetComboBoxInfo(hwnd_.get(), &info) && info.hwndItem) {
                field_ = info.hwndItem;
                fieldProc_ = Subclass(field_);
            }
        }
    }
    ~SystemControlPeer() override {
        if (fieldProc_ && IsWindow(field_)) {
            SetWindowLongPtrA(field_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fieldProc_));
            SetWindowLongPtrA(field_, GWLP_USERDATA, 0);
        }
        if (controlProc_ && IsWindow(hwnd_.get())) {
            SetWindowLongPtrA(hwnd_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
        }
    }

    void Update(Aspect aspect) override {
        HWND w = hwnd_.get();
        auto* list = dynamic_cast<ListControl*>(&owner_);
        const bool combo = kind_ == PeerKind::ComboBox;
        switch (aspect) {
            case Aspect::Bounds: {
                const platform::Rect r = owner_.PixelBounds();
                SetWindowPos(w, nullptr, r.left, r.top, r.Width(), Height(r), SWP_NOZORDER | SWP_NOACTIVATE);
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
                InvalidateRect(w, nullptr, TRUE);
                [[fallthrough]];
            case Aspect::Selection:
                if (list)
                    SendMessageA(w, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list->ListIndex()), 0);
                if (combo) SetWindowTextA(w, owner_.PeerText().c_str());
                return;
            case Aspect::Look:
                if (kind_ == PeerKind::Button) {
                    const ViewLook look = owner_.Look();
                    picture_.reset(MakeBitmap(look.picture));
                    LONG_PTR style = GetWindowLongPtrA(w, GWL_STYLE) & ~static_cast<LONG_PTR>(BS_BITMAP);
                    if (picture_) style |= BS_BITMAP;
                    SetWindowLongPtrA(w, GWL_STYLE, style);
                    SendMessageA(w, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
                }
                break;
            default:
                break;
        }
        WindowPeer::Update(aspect);
    }

    void OnCommand(WORD code) override {
        HWND w = hwnd_.get();
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
        if (const Control* container = owner_.Parent()) {
            const platform::Rect at = owner_.PixelBounds(), outer = container->PixelBounds();
            PaintOne(item.hDC, container->Look(),
                     RECT{-at.left, -at.top, outer.Width() - at.left, outer.Height() - at.top});
        }
        PaintOne(item.hDC, owner_.Look(), area);
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &area);
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
    std::string WindowText() const override {
        return kind_ == PeerKind::TextBox || kind_ == PeerKind::ComboBox ? owner_.PeerText() : owner_.AccessibleName();
    }
    bool NamedByToolTip() const override { return kind_ != PeerKind::TextBox && kind_ != PeerKind::ComboBox; }
    void UpdateFont() override {
        font_ = MakeFont(owner_.Font());
        SendMessageA(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    }

private:
    // A drop-down combo box's window height includes its list.
    int Height(const platform::Rect& r) const { return kind_ == PeerKind::ComboBox ? r.Height() + 200 : r.Height(); }

    static DWORD TextBoxStyle(const TextBox* box) {
        if (!box || !box->MultiLine()) return ES_AUTOHSCROLL;
        // Several lines wrap at the border unless there is a horizontal scroll bar.
        const auto bars = static_cast<int16_t>(box->GetScrollBars());
        DWORD style = ES_MULTILINE | ES_AUTOVSCROLL;
        if (bars & static_cast<int16_t>(ScrollBars::Horizontal)) style |= ES_AUTOHSCROLL | WS_HSCROLL;
        if (bars & static_cast<int16_t>(ScrollBars::Vertical)) style |= WS_VSCROLL;
        return style;
    }

    static std::string Text(HWND w) {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(w)) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(w, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    // WINE: the common controls' subclassing finds its data in a window property, which costs a call to the
    // server for every message (a list of 100,000 rows took seconds to fill instead of a tenth of one): the
    // window procedure is replaced directly, and the window's user data leads back to the peer.
    WNDPROC Subclass(HWND w) {
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<WindowPeer*>(this)));
        return reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SystemControlPeer::Procedure)));
    }

    // The system's own handling of a message of the control or its edit field.
    LRESULT DefSubclassProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) const {
        return CallWindowProcA(w == field_ ? fieldProc_ : controlProc_, w, message, wParam, lParam);
    }

    static LRESULT CALLBACK Procedure(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* peer = static_cast<SystemControlPeer*>(PeerOf(w));
        try {
            if (const auto handled = peer->Filter(w, message, wParam, lParam)) return *handled;
        } catch (...) {
            return 0;  // an error in an event handler ends that handler, never the program
        }
        return peer->DefSubclassProc(w, message, wParam, lParam);
    }

    // The subclassed window's messages (the control's, or its edit field's); none for the system's own handling.
    // Input handlers may destroy this peer: nothing of it is used after them.
    std::optional<LRESULT> Filter(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
        Control& owner = owner_;
        Win32Toolkit& toolkit = toolkit_;
        // A combo box's keys arrive at its edit field, which has the focus whenever the box has.
        const bool keys = kind_ != PeerKind::ComboBox || w == field_;
        switch (message) {
            case WM_GETDLGCODE:
                return DialogCode(w, wParam, lParam);
            case WM_SETFOCUS: {
                const LRESULT result = DefSubclassProc(w, message, wParam, lParam);
                owner.PeerFocused();
                return result;
            }
            case WM_CHAR: {
                if (!keys) break;
                int16_t key = static_cast<int16_t>(wParam);
                owner.KeyPress(key);
                if (key == 0) return 0;  // the handler discarded the character
                return DefSubclassProc(w, message, static_cast<WPARAM>(static_cast<uint16_t>(key)), lParam);
            }
            case WM_KEYDOWN:
                if (keys) owner.KeyDown(static_cast<int16_t>(wParam), KeyShift());
                // WINE: the edit field of an open drop-down list keeps Enter and Escape without closing the list;
                // the box itself closes it (taking the row under the cursor on Enter), as the field does on Windows.
                if (w == field_ && (wParam == VK_RETURN || wParam == VK_ESCAPE) &&
                    SendMessageA(hwnd_.get(), CB_GETDROPPEDSTATE, 0, 0)) {
                    return SendMessageA(hwnd_.get(), WM_KEYDOWN, wParam, lParam);
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
                if (w != hwnd_.get()) MapWindowPoints(w, hwnd_.get(), &p, 1);
                if (message == WM_RBUTTONDOWN) toolkit.SuppressMouseMenu(nullptr);
                const unsigned popups = toolkit.PopupsShown();
                const LRESULT result = DefSubclassProc(w, message, wParam, lParam);
                const float x = static_cast<float>(p.x) * toolkit.TwipsPerPixelX() / owner.UnitX();
                const float y = static_cast<float>(p.y) * toolkit.TwipsPerPixelY() / owner.UnitY();
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
    LRESULT DialogCode(HWND w, WPARAM wParam, LPARAM lParam) {
        LRESULT code = DefSubclassProc(w, WM_GETDLGCODE, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (kind_ == PeerKind::TextBox && msg && msg->message == WM_KEYDOWN &&
            (msg->wParam == VK_TAB || msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
            code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
        }
        return code;
    }

    PeerKind kind_;
    HWND field_ = nullptr;  // a combo box's edit field, which goes with the box
    WNDPROC controlProc_ = nullptr;
    WNDPROC fieldProc_ = nullptr;
    UniqueFont font_;
    UniqueBitmap picture_;
    UniqueBrush background_;
    COLORREF backgroundColour_ = 0;
};

}  // namespace

Win32Toolkit::Win32Toolkit(platform::IWindowing& windowing, platform::IShell& shell)
    : windowing_(windowing), shell_(shell) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WindowDc screen(nullptr);
    twipsPerPixelX_ = 1440.0f / static_cast<float>(GetDeviceCaps(screen.get(), LOGPIXELSX));
    twipsPerPixelY_ = 1440.0f / static_cast<float>(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

Win32Toolkit::~Win32Toolkit() = default;

std::unique_ptr<Peer> Win32Toolkit::CreatePeer(Control& owner, PeerKind kind, Peer* parent) {
    HWND parentWindow = parent ? reinterpret_cast<HWND>(parent->Handle()) : nullptr;
    if (kind == PeerKind::Form) return std::make_unique<FormPeer>(*this, dynamic_cast<Form&>(owner));
    // A view that holds windows is a container of controls: Tab goes into it (a view that holds none stays out of
    // the way of the dialog keys).
    if (parentWindow) {
        const LONG_PTR exStyle = GetWindowLongPtrA(parentWindow, GWL_EXSTYLE);
        if (!(exStyle & WS_EX_CONTROLPARENT))
            SetWindowLongPtrA(parentWindow, GWL_EXSTYLE, exStyle | WS_EX_CONTROLPARENT);
    }
    if (kind == PeerKind::View) return std::make_unique<ViewPeer>(*this, owner, parentWindow);
    return std::make_unique<SystemControlPeer>(*this, owner, kind, parentWindow);
}

SizeTwips Win32Toolkit::ScreenSize() const {
    return {static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * twipsPerPixelX_,
            static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * twipsPerPixelY_};
}

SizeTwips Win32Toolkit::MeasureText(const Font& font, const std::string& text) {
    WindowDc screen(nullptr);
    UniqueFont made = MakeFont(font);
    SelectGuard selected(screen.get(), made.get());
    RECT r{0, 0, 0, 0};
    DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    if (text.empty()) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(screen.get(), &metrics);
        r.bottom = metrics.tmHeight;
    }
    return {static_cast<float>(r.right) * twipsPerPixelX_, static_cast<float>(r.bottom) * twipsPerPixelY_};
}

int Win32Toolkit::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return MessageBoxA(GetActiveWindow(), prompt.c_str(), title.c_str(), static_cast<UINT>(buttons));
}

namespace {}  // namespace

void Win32Toolkit::PopupMenu(Form& form, Menu& menu, float x, float y) {
    ++popupsShown_;
    std::vector<UniqueBitmap> pictures;  // before the menu, which shows them and so goes first
    UniqueMenu popup(CreatePopupMenu());
    std::vector<Menu*> byId;
    AddItems(popup.get(), menu.Items(), byId, pictures);
    HWND owner = reinterpret_cast<HWND>(form.hwnd());
    POINT p{static_cast<LONG>(std::lround(x / twipsPerPixelX_)), static_cast<LONG>(std::lround(y / twipsPerPixelY_))};
    ClientToScreen(owner, &p);
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, owner, nullptr));
    if (Menu* item = CommandItem(byId, chosen)) item->Click();
}

namespace {
BOOL CALLBACK CollectEnabled(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<std::vector<HWND>*>(data);
    if (window != found->front() && IsWindowVisible(window) && IsWindowEnabled(window)) found->push_back(window);
    return TRUE;
}
}  // namespace

void Win32Toolkit::RunModal(Form& form) {
    std::vector<HWND> windows{reinterpret_cast<HWND>(form.hwnd())};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&windows));
    for (size_t i = 1; i < windows.size(); ++i) EnableWindow(windows[i], FALSE);
    MSG msg;
    while (form.Loaded() && form.Visible()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
            break;
        }
        platform::win32::DeliverMessage(msg);
    }
    for (size_t i = 1; i < windows.size(); ++i) {
        if (IsWindow(windows[i])) EnableWindow(windows[i], TRUE);
    }
}

void Win32Toolkit::FormClosed() {
    if (--forms_ == 0 && looping_) PostQuitMessage(0);
}

void Win32Toolkit::RunUntilNoFormIsLeft() {
    if (forms_ == 0) return;
    looping_ = true;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) platform::win32::DeliverMessage(msg);
    looping_ = false;
}

HWND Win32Toolkit::ToolTips(HWND) {
    if (!toolTips_) {
        toolTips_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                        nullptr, nullptr, Instance(), nullptr));
    }
    return toolTips_.get();
}

namespace {
// The windowless children of a control, drawn with the control's client origin at (dx, dy).
void PaintWindowlessChildren(HDC dc, const Control& control, int dx, int dy, const Control* skip) {
    for (const Control* child : control.Children()) {
        if (child == skip || !child->Windowless() || !child->Visible()) continue;
        RECT r = RectOf(child->PixelBounds());
        OffsetRect(&r, dx, dy);
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        PaintOne(dc, child->Look(), r);
        RestoreDC(dc, saved);
    }
}
}  // namespace

void PaintLook(HDC dc, const Control& control, int width, int height) {
    const ViewLook look = control.Look();
    PaintOne(dc, look, RECT{0, 0, width, height});
    if (look.showsContainer && control.Parent()) {
        const platform::Rect at = control.PixelBounds();
        PaintWindowlessChildren(dc, *control.Parent(), -at.left, -at.top, &control);
    }
    PaintWindowlessChildren(dc, control, 0, 0, nullptr);
}

HBITMAP MakeBitmap(const Bitmap& bitmap) {
    if (bitmap.Empty()) return nullptr;
    const BITMAPINFO info = DibInfo(bitmap.Width(), bitmap.Height());
    void* bits = nullptr;
    HBITMAP made = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (made && bits) std::memcpy(bits, bitmap.Pixels().data(), bitmap.Pixels().size() * sizeof(Rgb));
    return made;
}

Bitmap ReadBitmap(HDC dc, int width, int height, int left, int top) {
    Bitmap result(width, height);
    platform::win32::UniqueMemoryDc memory(CreateCompatibleDC(dc));
    UniqueBitmap target(MakeBitmap(result));
    if (!memory || !target) return {};
    {
        SelectGuard selected(memory.get(), target.get());
        BitBlt(memory.get(), 0, 0, width, height, dc, left, top, SRCCOPY);
    }
    BITMAPINFO info = DibInfo(width, height);
    std::vector<Rgb> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    GetDIBits(memory.get(), target.get(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) result.Set(x, y, pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF);
    }
    return result;
}

}  // namespace plivant::ui::win32
