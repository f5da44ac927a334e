// Plivant.exe: builds the real ports and hands over to the entry routine.
#include <windows.h>

#include "app/ProgramWindows.h"
#include "platform/win32/Win32Platform.h"
#include "startup/modMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    plivant::platform::win32::Win32Platform real;
    auto ports = real.Ports();
    plivant::app::ProgramWindows windows;
    plivant::Main(ports, windows);
    return 0;
}
