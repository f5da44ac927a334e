// Port: the code pages the program's texts are in, and their case mapping. Every text the program hands the system
// is in the process code page: UTF-8 where the system honours the manifest's activeCodePage (Windows 10 version 1903
// and later, Wine 8), else the system's legacy ANSI code page. Files other programs wrote may hold either.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace plivant::platform {

enum class Page {
    Process,  // CP_ACP: what GetACP() answers
    Legacy,   // the system's own ANSI code page, which GetACP() no longer tells under a UTF-8 process code page
};

class ICodePage {
public:
    virtual ~ICodePage() = default;

    // True when the process code page is UTF-8.
    virtual bool Utf8() = 0;

    // MultiByteToWideChar: the bytes as UTF-16; what the page cannot read becomes U+FFFD.
    virtual std::u16string ToUtf16(Page page, std::string_view bytes) = 0;

    // WideCharToMultiByte: well-formed UTF-16 text in the page, or nothing when some character has no exact form
    // there. A best-fit or default character would name another folder.
    virtual std::optional<std::string> FromUtf16(Page page, std::u16string_view text) = 0;

    // CharLowerBuff: every letter of the process code page's text in lower case, every other character (NUL
    // included) as it stands.
    virtual std::string Lower(std::string text) = 0;
};

}  // namespace plivant::platform
