// The simulated shell and message sending.
#include "platform/sim/SimShell.h"

#include "platform/WinConst.h"

namespace plivant::platform::sim {

intptr_t SimWindowing::Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    Message record{window, message, wParam, {}};
    if (message == win::LB_SETTABSTOPS && lParam != 0) {
        const auto* values = reinterpret_cast<const int32_t*>(lParam);
        record.lParamInts.assign(values, values + wParam);
    }
    sent.push_back(record);
    return result;
}

}  // namespace plivant::platform::sim
