// The system's ANSI code page through WideCharToMultiByte.
#pragma once
#include "platform/CodePage.h"

namespace plivant::platform::win32 {

class Win32CodePage final : public ICodePage {
public:
    std::optional<std::string> FromUtf16(std::u16string_view text) override;
    std::string Lower(std::string text) override;
};

}  // namespace plivant::platform::win32
