// The calls the window frame adds to the real ports: finding a top-level window, re-parenting, the computer's name.
#include <windows.h>

#include "platform/win32/Win32Platform.h"

namespace plivant::platform::win32 {

bool Win32Process::ComputerName(char* buffer, uint32_t* size) {
    DWORD length = *size;
    if (!GetComputerNameA(buffer, &length)) return false;
    *size = length;
    return true;
}

WindowHandle Win32Windowing::FindTopLevel(const std::string& className, const std::string& title) {
    return reinterpret_cast<WindowHandle>(FindWindowA(className.c_str(), title.c_str()));
}

WindowHandle Win32Windowing::Reparent(WindowHandle child, WindowHandle newParent) {
    return reinterpret_cast<WindowHandle>(SetParent(reinterpret_cast<HWND>(child), reinterpret_cast<HWND>(newParent)));
}

}  // namespace plivant::platform::win32
