// Recognising and converting the encodings of the program's text files.
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

std::u16string Utf16Units(std::string_view body, bool bigEndian) {
    std::u16string units(body.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(body[2 * i]);
        const auto second = static_cast<unsigned char>(body[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return units;
}

bool StartsWithMark(std::string_view bytes) {
    return bytes.starts_with(kUtf8Mark) || bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark);
}

}  // namespace

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

bool IsWellFormed(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] < 0xD800 || text[i] > 0xDFFF) continue;
        if (text[i] > 0xDBFF || i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
        ++i;
    }
    return true;
}

EncodedText DetectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return {TextEncoding::Utf8, bytes.substr(kUtf8Mark.size())};
    if (bytes.starts_with(kUtf16LeMark)) return {TextEncoding::Utf16Le, bytes.substr(kUtf16LeMark.size())};
    if (bytes.starts_with(kUtf16BeMark)) return {TextEncoding::Utf16Be, bytes.substr(kUtf16BeMark.size())};
    return {TextEncoding::Unmarked, bytes};
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

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xE000) {
            const bool pair = c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
            c = pair ? 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00) : 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};  // by the number of bytes that follow
        const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        out.push_back(static_cast<char>(kLead[tail] | (c >> (6 * tail))));
        for (int k = tail - 1; k >= 0; --k) out.push_back(static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F)));
    }
    return out;
}

std::optional<std::string> InProcessPage(platform::ICodePage& codePage, platform::IFileSystem& files,
                                         std::u16string_view text) {
    std::string result;
    for (size_t start = 0;; ++start) {
        const size_t tab = std::min(text.find(u'\t', start), text.size());
        const std::u16string_view piece = text.substr(start, tab - start);
        auto held = codePage.FromUtf16(platform::Page::Process, piece);
        if (!held) {
            const std::u16string shortForm = files.ShortPathNameW(piece);
            if (!shortForm.empty()) held = codePage.FromUtf16(platform::Page::Process, shortForm);
        }
        if (!held) return std::nullopt;
        result += *held;
        if (tab == text.size()) return result;
        result += '\t';
        start = tab;
    }
}

DecodedLines DecodeLines(std::string_view bytes, platform::ICodePage& codePage, platform::IFileSystem& files) {
    const auto [encoding, body] = DetectEncoding(bytes);
    DecodedLines result;
    const auto keep = [&](const std::optional<std::u16string>& unicode) {
        auto text = unicode && IsWellFormed(*unicode) ? InProcessPage(codePage, files, *unicode) : std::nullopt;
        if (text)
            result.lines.push_back(std::move(*text));
        else
            result.complete = false;
    };
    switch (encoding) {
        case TextEncoding::Unmarked:
            for (auto& line : SplitLines(body)) {
                if (IsMultibyteUtf8(line))
                    keep(Utf8ToUtf16(line));
                else if (codePage.Utf8())
                    result.lines.push_back(Utf16ToUtf8(codePage.ToUtf16(platform::Page::Legacy, line)));
                else
                    result.lines.push_back(std::move(line));
            }
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

std::string EncodeLine(platform::ICodePage& codePage, const std::string& line) {
    if (!codePage.Utf8()) {
        if (!IsMultibyteUtf8(line) && !StartsWithMark(line)) return line;
        return Utf16ToUtf8(codePage.ToUtf16(platform::Page::Legacy, line));
    }
    const auto unicode = Utf8ToUtf16(line);
    if (!unicode) return line;  // no text of the program's is malformed; such bytes are kept as they stand
    const auto legacy = codePage.FromUtf16(platform::Page::Legacy, *unicode);
    return legacy && !IsMultibyteUtf8(*legacy) && !StartsWithMark(*legacy) ? *legacy : line;
}

}  // namespace plivant
