// The simulated machine's ANSI code page: Windows-1252 (Western), without best fit; its case mapping knows the
// letters A to Z only.
#pragma once
#include "platform/CodePage.h"
#include "util/Text.h"

namespace plivant::platform::sim {

class SimCodePage final : public ICodePage {
public:
    std::optional<std::string> FromUtf16(std::u16string_view text) override;
    std::string Lower(std::string text) override { return text::ToLowerAscii(text); }
};

}  // namespace plivant::platform::sim
