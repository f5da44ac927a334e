// What the Wine tests of the toolkit share: the real ports and toolkit, the program's own message loop, keys
// typed through the system's input, and pictures of what a window paints.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "Screenshot.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plivant::wine {

inline HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

inline std::string WindowText(HWND w) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(w)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(w, text.data(), static_cast<int>(text.size()))));
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

// True when the picture stands somewhere in the shot, pixel for pixel.
bool Contains(const ui::Bitmap& shot, const ui::Bitmap& picture);
// A stored colour (blue-green-red) as a picture's pixel (red-green-blue).
inline ui::Rgb PixelOf(ui::OleColor c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace plivant::wine
