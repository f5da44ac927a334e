// The simulated machine's code pages: a Western system (Windows-1252 as its legacy ANSI code page), whose process code
// page is UTF-8 (a system that honours the manifest) or that legacy page (one that does not); its case mapping knows
// the letters A to Z only.
#pragma once
#include <cstdint>

#include "platform/CodePage.h"
#include "util/Text.h"

namespace plivant::platform::sim {

class SimCodePage final : public ICodePage {
public:
    bool Utf8() override { return utf8; }
    std::u16string ToUtf16(Page page, std::string_view bytes) override;
    std::optional<std::string> FromUtf16(Page page, std::u16string_view text) override;
    std::string Lower(std::string text) override { return text::ToLowerAscii(text); }

    bool utf8 = true;
};

// A text a test wrote, in UTF-16: its UTF-8, or where it is none, its bytes as Windows-1252 characters.
std::u16string Wide(std::string_view text);

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
