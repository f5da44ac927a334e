// Port: the system's ANSI code page, into which text that other programs wrote in Unicode is brought, and its
// case mapping.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace plivant::platform {

class ICodePage {
public:
    virtual ~ICodePage() = default;

    // WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS): well-formed UTF-16 text in the ANSI code page, or nothing
    // when some character has no exact form there. A best-fit or default character would name another folder.
    virtual std::optional<std::string> FromUtf16(std::u16string_view text) = 0;

    // CharLowerBuffA: every letter of the code page in lower case, every other byte (NUL included) as it stands.
    virtual std::string Lower(std::string text) = 0;
};

}  // namespace plivant::platform
