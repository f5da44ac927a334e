// Recognising and converting the encodings of hand-edited text files.
#include "state/TextEncoding.h"

#include "state/TextLines.h"

namespace plivant {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

struct Utf8Step {
    char32_t codePoint = 0;
    size_t length = 0;  // 0: malformed
};

// The well-formed sequence at the start of a non-empty text, by the table of well-formed UTF-8 byte sequences:
// the second byte's range narrows after E0, ED, F0 and F4, which shuts out overlong forms, surrogates and
// values above U+10FFFF.
Utf8Step NextUtf8(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    size_t length = 0;
    char32_t codePoint = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {};
    }
    if (text.size() < length) return {};
    for (size_t i = 1; i < length; ++i) {
        if (byte(i) < low || byte(i) > high) return {};
        low = 0x80;
        high = 0xBF;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    return {codePoint, length};
}

bool IsMultibyteUtf8(std::string_view text) {
    bool multibyte = false;
    for (size_t at = 0; at < text.size();) {
        const Utf8Step step = NextUtf8(text.substr(at));
        if (step.length == 0) return false;
        multibyte = multibyte || step.length > 1;
        at += step.length;
    }
    return multibyte;
}

std::u16string Utf16Units(std::string_view body, bool bigEndian) {
    std::u16string units(body.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(body[2 * i]);
        const auto second = static_cast<unsigned char>(body[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return units;
}

// Every surrogate in its pair: a lone one is no character at all.
bool IsWellFormed(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] < 0xD800 || text[i] > 0xDFFF) continue;
        if (text[i] > 0xDBFF || i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
        ++i;
    }
    return true;
}

}  // namespace

EncodedText DetectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return {TextEncoding::Utf8, bytes.substr(kUtf8Mark.size())};
    if (bytes.starts_with(kUtf16LeMark)) return {TextEncoding::Utf16Le, bytes.substr(kUtf16LeMark.size())};
    if (bytes.starts_with(kUtf16BeMark)) return {TextEncoding::Utf16Be, bytes.substr(kUtf16BeMark.size())};
    return {IsMultibyteUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Ansi, bytes};
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const Utf8Step step = NextUtf8(text.substr(at));
        if (step.length == 0) return std::nullopt;
        if (step.codePoint < 0x10000) {
            units.push_back(static_cast<char16_t>(step.codePoint));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((step.codePoint - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((step.codePoint - 0x10000) & 0x3FF)));
        }
        at += step.length;
    }
    return units;
}

AnsiLines ToAnsiLines(std::string_view bytes, platform::ICodePage& codePage) {
    const auto [encoding, body] = DetectEncoding(bytes);
    AnsiLines result;
    const auto keep = [&](const std::optional<std::u16string>& unicode) {
        auto ansi = unicode && IsWellFormed(*unicode) ? codePage.FromUtf16(*unicode) : std::nullopt;
        if (ansi)
            result.lines.push_back(std::move(*ansi));
        else
            result.complete = false;
    };
    switch (encoding) {
        case TextEncoding::Ansi:
            result.lines = SplitLines(body);
            break;
        case TextEncoding::Utf8:
            for (const auto& line : SplitLines(body)) keep(Utf8ToUtf16(line));
            break;
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be: {
            const std::u16string units = Utf16Units(body, encoding == TextEncoding::Utf16Be);
            auto lines = SplitLinesOf(std::u16string_view(units));
            // An odd byte at the end is half a code unit: the file was cut, and so was the line it belongs to, unless
            // that line had already ended.
            const bool cut = body.size() % 2 != 0;
            if (cut && !units.empty() && units.back() != u'\r' && units.back() != u'\n') lines.pop_back();
            for (const auto& line : lines) keep(line);
            if (cut) result.complete = false;
            break;
        }
    }
    return result;
}

}  // namespace plivant
