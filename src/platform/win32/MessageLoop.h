// One message of any of the program's message loops, delivered as a dialog box delivers it.
#pragma once
#include <windows.h>

namespace plivant::platform::win32 {

// Keys for a window inside a container of controls (a form of the program, or any dialog) pass through the
// dialog manager first, so that Tab and Shift+Tab move between the controls, Enter and Escape reach the window as
// its OK and Cancel commands and mnemonics work; everything else is translated and dispatched as usual.
inline void DeliverMessage(MSG& msg) {
    const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    const HWND root = key && msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && (GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageA(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

}  // namespace plivant::platform::win32
