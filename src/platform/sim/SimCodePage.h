// The simulated machine's ANSI code page: Windows-1252 (Western), without best fit; its case mapping knows the
// letters A to Z only.
#pragma once
#include <cstdint>

#include "platform/CodePage.h"
#include "util/Text.h"

namespace plivant::platform::sim {

class SimCodePage final : public ICodePage {
public:
    std::optional<std::string> FromUtf16(std::u16string_view text) override;
    std::string Lower(std::string text) override { return text::ToLowerAscii(text); }
};

// WideCharToMultiByte(CP_ACP, ...) and MultiByteToWideChar(CP_ACP, ...) as Windows answers them where the ANSI code
// page is Windows-1252 (1252) or UTF-8 (65001, Windows' "Use Unicode UTF-8 for worldwide language support"): the
// converted text, or nothing where Windows fails the call with ERROR_INVALID_PARAMETER. Windows-1252 takes a best
// fit (U+221E as "8") unless WC_NO_BEST_FIT_CHARS is given, else the default character "?"; UTF-8 refuses every flag
// but the invalid-characters one, a default character and a used-default flag.
struct WideToAnsi {
    uint32_t flags = 0;
    bool defaultChar = false;      // lpDefaultChar given
    bool usedDefaultFlag = false;  // lpUsedDefaultChar given
};
std::optional<std::string> WideCharToMultiByte(unsigned ansiCodePage, const WideToAnsi& call, std::u16string_view text);
std::optional<std::u16string> MultiByteToWideChar(unsigned ansiCodePage, uint32_t flags, std::string_view bytes);

}  // namespace plivant::platform::sim
