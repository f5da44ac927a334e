// The system's ANSI code page through WideCharToMultiByte, refusing best fit and the default character.
#include "platform/win32/Win32CodePage.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/win32/GrowToFit.h"

namespace plivant::platform::win32 {

std::optional<std::string> Win32CodePage::FromUtf16(std::u16string_view text) {
    if (text.empty()) return std::string();
    if (text.size() > INT_MAX) return std::nullopt;
    const std::wstring wide(text.begin(), text.end());
    const int length = static_cast<int>(wide.size());
    // WIN32 QUIRK: with UTF-8 as the ANSI code page (a system-wide option since Windows 10) the call refuses
    // WC_NO_BEST_FIT_CHARS and the used-default flag; there every well-formed text has its exact form.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    // The first call, with no room, measures the text; the second writes it.
    return GrowToFit(
        [&](char* buffer, size_t room) -> std::optional<size_t> {
            BOOL usedDefault = FALSE;
            const int size = WideCharToMultiByte(CP_ACP, flags, wide.data(), length, room ? buffer : nullptr,
                                                 static_cast<int>(room), nullptr, utf8 ? nullptr : &usedDefault);
            if (size <= 0 || usedDefault) return std::nullopt;
            return static_cast<size_t>(size);
        },
        0);
}

std::string Win32CodePage::Lower(std::string text) {
    // In pieces, since the call counts in DWORDs; it changes letters only, NULs included in the text.
    constexpr size_t kPiece = 1u << 30;
    for (size_t at = 0; at < text.size(); at += kPiece) {
        CharLowerBuffA(text.data() + at, static_cast<DWORD>(std::min(kPiece, text.size() - at)));
    }
    return text;
}

}  // namespace plivant::platform::win32
