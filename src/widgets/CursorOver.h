// The test that ends the widgets' hover looks, which poll the cursor rather than wait for it to leave: the caption
// button's and the window-timer object's.
#pragma once
#include "platform/Windowing.h"

namespace plivant {

// True when the window under the cursor (the deepest one there) is the given window.
inline bool CursorIsOver(platform::IWindowing& windowing, platform::WindowHandle window) {
    const auto cursor = windowing.CursorPosition();
    return cursor && windowing.WindowAt(*cursor) == window;
}

}  // namespace plivant
