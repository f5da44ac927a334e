/* Floor.exe: the least that a removal run (Plivant.exe -Q) must do, as the baseline for timing it under Wine.
   It starts, shows one topmost popup window of the splash's size, asks the system about one letter, and ends
   the way the removal run does (at once, without pumping messages). It carries Plivant.exe's manifest and is
   linked the same way, so that the two differ only in Plivant's own work. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)previous;
    (void)commandLine;
    (void)show;
    WNDCLASSA windowClass = {0};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.lpszClassName = "PlivantFloor";
    RegisterClassA(&windowClass);
    CreateWindowExA(WS_EX_TOPMOST, "PlivantFloor", "Splash", WS_POPUP | WS_VISIBLE, 100, 100, 273, 286, NULL, NULL,
                    instance, NULL);
    char targets[1024];
    QueryDosDeviceA("Q:", targets, sizeof targets);
    ExitProcess(0);
}
