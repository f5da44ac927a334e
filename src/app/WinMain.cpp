// Plivant.exe: builds the real ports and hands over to the entry routine; then the program lives as long as
// one of its windows is open.
#include <windows.h>

#include "app/ProgramWindows.h"
#include "platform/win32/Win32Platform.h"
#include "startup/modMain.h"
#include "ui/win32/Win32Toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Libraries loaded by name from now on come from the system folder only, never from the program's folder, where
    // a downloaded file may stand beside it. The call is missing from Windows 7 without its 2011 update.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    if (const auto set = reinterpret_cast<SetDirectories>(
            reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories"))))
        set(LOAD_LIBRARY_SEARCH_SYSTEM32);
    plivant::platform::win32::Win32Platform real;
    auto ports = real.Ports();
    plivant::ui::win32::Win32Toolkit toolkit(real.windowing, real.shell);
    plivant::app::ProgramWindows windows(toolkit, ports);
    plivant::Main(ports, windows);
    toolkit.RunUntilNoFormIsLeft();
    return 0;
}
