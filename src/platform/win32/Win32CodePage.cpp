// The code pages through MultiByteToWideChar and WideCharToMultiByte, refusing best fit and the default character.
#include "platform/win32/Win32CodePage.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/win32/GrowToFit.h"

namespace plivant::platform::win32 {

namespace {

// The system's own ANSI code page, as the locale tells it: under a UTF-8 process code page GetACP() answers 65001.
UINT LegacyCodePage() {
    static const UINT page = [] {
        DWORD number = 0;
        if (!GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                            reinterpret_cast<LPWSTR>(&number), sizeof number / sizeof(WCHAR)))
            return GetACP();
        return static_cast<UINT>(number);
    }();
    return page;
}

UINT Number(Page page) {
    return page == Page::Legacy ? LegacyCodePage() : GetACP();
}

}  // namespace

bool Win32CodePage::Utf8() {
    return GetACP() == CP_UTF8;
}

std::u16string Win32CodePage::ToUtf16(Page page, std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int length = static_cast<int>(bytes.size());
    const UINT number = Number(page);
    const auto wide = GrowToFit<char16_t>(
        [&](char16_t* buffer, size_t room) -> std::optional<size_t> {
            const int size =
                MultiByteToWideChar(number, 0, bytes.data(), length, room ? reinterpret_cast<LPWSTR>(buffer) : nullptr,
                                    static_cast<int>(room));
            if (size <= 0) return std::nullopt;
            return static_cast<size_t>(size);
        },
        0);
    return wide.value_or(std::u16string());
}

std::optional<std::string> Win32CodePage::FromUtf16(Page page, std::u16string_view text) {
    if (text.empty()) return std::string();
    if (text.size() > INT_MAX) return std::nullopt;
    const auto* wide = reinterpret_cast<LPCWSTR>(text.data());
    const int length = static_cast<int>(text.size());
    const UINT number = Number(page);
    // WIN32 QUIRK: a UTF-8 code page refuses WC_NO_BEST_FIT_CHARS and the used-default flag; there every well-formed
    // text has its exact form.
    const bool utf8 = number == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    // The first call, with no room, measures the text; the second writes it.
    return GrowToFit(
        [&](char* buffer, size_t room) -> std::optional<size_t> {
            BOOL usedDefault = FALSE;
            const int size = WideCharToMultiByte(number, flags, wide, length, room ? buffer : nullptr,
                                                 static_cast<int>(room), nullptr, utf8 ? nullptr : &usedDefault);
            if (size <= 0 || usedDefault) return std::nullopt;
            return static_cast<size_t>(size);
        },
        0);
}

std::string Win32CodePage::Lower(std::string text) {
    // A UTF-8 text is lowered as UTF-16, whose letters may take another number of bytes.
    if (Utf8()) {
        std::u16string wide = ToUtf16(Page::Process, text);
        CharLowerBuffW(reinterpret_cast<LPWSTR>(wide.data()), static_cast<DWORD>(wide.size()));
        return FromUtf16(Page::Process, wide).value_or(text);
    }
    // In pieces, since the call counts in DWORDs; it changes letters only, NULs included in the text.
    constexpr size_t kPiece = 1u << 30;
    for (size_t at = 0; at < text.size(); at += kPiece) {
        CharLowerBuffA(text.data() + at, static_cast<DWORD>(std::min(kPiece, text.size() - at)));
    }
    return text;
}

}  // namespace plivant::platform::win32
