// The simulated machine's ANSI code page: Windows-1252 (Western), without best fit.
#pragma once
#include "platform/CodePage.h"

namespace plivant::platform::sim {

class SimCodePage final : public ICodePage {
public:
    std::optional<std::string> FromUtf16(std::u16string_view text) override;
};

}  // namespace plivant::platform::sim
