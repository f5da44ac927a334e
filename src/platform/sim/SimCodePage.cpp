// Windows-1252 as Windows maps it: Latin-1 but for 0x80-0x9F, which hold typographic characters; the five bytes
// that name no character there (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same value.
#include "platform/sim/SimCodePage.h"

#include <array>

#include "state/TextEncoding.h"

namespace plivant::platform::sim {

namespace {

constexpr std::array<char16_t, 32> kRow80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> ToWestern(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (size_t i = 0; i < kRow80.size(); ++i)
        if (kRow80[i] == unit) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

constexpr uint32_t kInvalidChars = 0x80;  // WC_ERR_INVALID_CHARS, MB_ERR_INVALID_CHARS
constexpr uint32_t kNoBestFit = 0x400;    // WC_NO_BEST_FIT_CHARS
constexpr unsigned kUtf8 = 65001;

std::u16string FromWestern(std::string_view bytes) {
    std::u16string out;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        out.push_back(b >= 0x80 && b < 0xA0 ? kRow80[b - 0x80] : b);
    }
    return out;
}

}  // namespace

std::optional<std::string> WideCharToMultiByte(unsigned ansiCodePage, const WideToAnsi& call,
                                               std::u16string_view text) {
    if (ansiCodePage == kUtf8) {
        if ((call.flags & ~kInvalidChars) || call.defaultChar || call.usedDefaultFlag) return std::nullopt;
        if ((call.flags & kInvalidChars) && !IsWellFormed(text)) return std::nullopt;
        return Utf16ToUtf8(text);
    }
    std::string out;
    for (const char16_t unit : text) {
        const auto byte = ToWestern(unit);
        out.push_back(byte ? *byte : unit == u'\u221E' && !(call.flags & kNoBestFit) ? '8' : '?');
    }
    return out;
}

std::optional<std::u16string> MultiByteToWideChar(unsigned ansiCodePage, uint32_t flags, std::string_view bytes) {
    if (ansiCodePage == kUtf8) return flags & ~kInvalidChars ? std::nullopt : Utf8ToUtf16(bytes);
    return FromWestern(bytes);
}

std::u16string Wide(std::string_view text) {
    return Utf8ToUtf16(text).value_or(FromWestern(text));
}

std::u16string SimCodePage::ToUtf16(Page page, std::string_view bytes) {
    if (page == Page::Legacy || !utf8) return FromWestern(bytes);
    return Utf8ToUtf16(bytes).value_or(u"\uFFFD");  // malformed: a text that names nothing
}

std::optional<std::string> SimCodePage::FromUtf16(Page page, std::u16string_view text) {
    if (!IsWellFormed(text)) return std::nullopt;
    if (page == Page::Process && utf8) return Utf16ToUtf8(text);
    std::string ansi;
    ansi.reserve(text.size());
    for (const char16_t unit : text) {
        const auto byte = ToWestern(unit);
        if (!byte) return std::nullopt;
        ansi.push_back(*byte);
    }
    return ansi;
}

}  // namespace plivant::platform::sim
