// What the Wine tests of the toolkit share: the real ports and toolkit, the program's own message loop, keys
// typed through the system's input, and pictures of what a window paints.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Platform.h"
#include "ui/win32/Win32Toolkit.h"

namespace plivant::wine {

inline HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

inline std::string WindowText(HWND w) {
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

class ToolkitTest : public testing::Test {
protected:
    // The messages waiting, through the program's own loop (the one DoEvents runs).
    void Pump() { windowing.ProcessPendingMessages(); }
    // Pumps, so that timers tick, until the condition holds (true) or a few seconds have passed (false): a busy
    // machine delays the ticks, so tests wait for what they expect rather than for a fixed time.
    template <typename Condition>
    bool PumpUntil(Condition done) {
        for (const DWORD start = GetTickCount(); !done(); Sleep(1)) {
            if (GetTickCount() - start > 5000) return false;
            Pump();
        }
        return true;
    }
    // Types a key through the system's input, with a modifier key held, and lets the program take it.
    void Press(WORD key, WORD modifier = 0);

    platform::win32::Win32Windowing windowing;
    platform::win32::Win32Shell shell;
    ui::win32::Win32Toolkit toolkit{windowing, shell};
};

// What the window paints of its client area, into a bitmap of ours (the screen's copy of a window may lag).
ui::Bitmap PrintClient(HWND window);
// True when the picture stands somewhere in the shot, pixel for pixel.
bool Contains(const ui::Bitmap& shot, const ui::Bitmap& picture);
// A stored colour (blue-green-red) as a picture's pixel (red-green-blue).
inline ui::Rgb PixelOf(ui::OleColor c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace plivant::wine
