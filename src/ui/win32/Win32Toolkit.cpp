// The toolkit on real windows: the peers it makes, the screen's measures, message boxes and the message loops.
// The peers are in WindowPeer, FormPeer and SystemControlPeer, painting in GdiPainting, menus in Menus.
#include "ui/win32/Win32Toolkit.h"

#include <commctrl.h>

#include "platform/win32/MessageLoop.h"
#include "ui/win32/GdiPainting.h"
#include "ui/win32/WindowPeer.h"

namespace plivant::ui::win32 {

void UseCommonControls() {
    static const bool ready = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)ready;
}

using platform::win32::SelectGuard;

Win32Toolkit::Win32Toolkit(platform::IWindowing& windowing, platform::IShell& shell)
    : windowing_(windowing), shell_(shell) {
    twipsPerPixelX_ = 1440.0f / static_cast<float>(GetDeviceCaps(MeasuringDc(), LOGPIXELSX));
    twipsPerPixelY_ = 1440.0f / static_cast<float>(GetDeviceCaps(MeasuringDc(), LOGPIXELSY));
}

Win32Toolkit::~Win32Toolkit() = default;

std::unique_ptr<Peer> Win32Toolkit::CreatePeer(Control& owner, PeerKind kind, Peer* parent) {
    HWND parentWindow = parent ? reinterpret_cast<HWND>(parent->Handle()) : nullptr;
    if (kind == PeerKind::Form) return MakeFormPeer(*this, static_cast<Form&>(owner));
    // A view that holds windows is a container of controls: Tab goes into it (a view that holds none stays out of
    // the way of the dialog keys).
    if (parentWindow) {
        const LONG_PTR exStyle = GetWindowLongPtrA(parentWindow, GWL_EXSTYLE);
        if (!(exStyle & WS_EX_CONTROLPARENT))
            SetWindowLongPtrA(parentWindow, GWL_EXSTYLE, exStyle | WS_EX_CONTROLPARENT);
    }
    if (kind == PeerKind::View) return MakeViewPeer(*this, owner, parentWindow);
    return MakeSystemControlPeer(*this, owner, kind, parentWindow);
}

SizeTwips Win32Toolkit::ScreenSize() const {
    return {static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * twipsPerPixelX_,
            static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * twipsPerPixelY_};
}

SizeTwips Win32Toolkit::MeasureText(const Font& font, const std::string& text, float twipsPerPixel) {
    const HDC dc = MeasuringDc();
    SelectGuard selected(dc, FontFor(font, static_cast<int>(1440 / twipsPerPixel + 0.5f)));
    RECT r{0, 0, 0, 0};
    DrawProcessText(dc, text, &r, DT_CALCRECT | DT_SINGLELINE);
    if (text.empty()) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        r.bottom = metrics.tmHeight;
    }
    return {static_cast<float>(r.right) * twipsPerPixel, static_cast<float>(r.bottom) * twipsPerPixel};
}

int Win32Toolkit::MsgBox(Form& owner, const std::string& prompt, int buttons, const std::string& title) {
    return MessageBoxA(reinterpret_cast<HWND>(owner.hwnd()), prompt.c_str(), title.c_str(), static_cast<UINT>(buttons));
}

namespace {
struct Disabling {
    std::forward_list<std::pair<const Form*, HWND>>& disabled;
    const Form& form;
    HWND self;
};
BOOL CALLBACK DisableOne(HWND window, LPARAM data) {
    auto& d = *reinterpret_cast<Disabling*>(data);
    if (window != d.self && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        d.disabled.emplace_front(&d.form, window);
    }
    return TRUE;
}
}  // namespace

void Win32Toolkit::BeginModal(Form& form) {
    Disabling disabling{disabled_, form, reinterpret_cast<HWND>(form.hwnd())};
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabling));
}

void Win32Toolkit::EndModal(const Form& form) {
    disabled_.remove_if([&form](const std::pair<const Form*, HWND>& entry) {
        if (entry.first != &form) return false;
        if (IsWindow(entry.second)) EnableWindow(entry.second, TRUE);
        return true;
    });
}

void Win32Toolkit::RunModal(Form& form) {
    MSG msg;
    while (form.Loaded() && form.Visible()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
            break;
        }
        platform::win32::DeliverMessage(msg);
    }
    EndModal(form);
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
        UseCommonControls();
        toolTips_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                        nullptr, nullptr, Instance(), nullptr));
    }
    return toolTips_.get();
}

}  // namespace plivant::ui::win32
