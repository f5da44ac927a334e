// Port: windowing calls on existing windows.
#pragma once
#include <cstdint>

#include "platform/Shell.h"

namespace plivant::platform {

class IWindowing {
public:
    virtual ~IWindowing() = default;
    // SendMessageA.
    virtual intptr_t Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
};

}  // namespace plivant::platform
