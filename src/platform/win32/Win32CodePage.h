// The code pages through the system's conversions.
#pragma once
#include "platform/CodePage.h"

namespace plivant::platform::win32 {

class Win32CodePage final : public ICodePage {
public:
    bool Utf8() override;
    std::u16string ToUtf16(Page page, std::string_view bytes) override;
    std::optional<std::string> FromUtf16(Page page, std::u16string_view text) override;
    std::string Lower(std::string text) override;
};

}  // namespace plivant::platform::win32
