// Text files as other programs write them (a byte-order mark, UTF-8, UTF-16), brought into the ANSI code page
// in which the program hands every text to the system.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace plivant {

enum class TextEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

struct EncodedText {
    TextEncoding encoding = TextEncoding::Ansi;
    std::string_view body;  // the bytes after the byte-order mark
};

// A leading mark decides (EF BB BF, FF FE, FE FF). Without one, text that is well-formed UTF-8 and holds at least
// one multi-byte sequence is UTF-8; anything else is ANSI, taken byte for byte.
EncodedText DetectEncoding(std::string_view bytes);

// Well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) as UTF-16; nothing when malformed.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

struct AnsiLines {
    std::vector<std::string> lines;
    bool complete = true;  // false when a line was left out
};

// The lines of a text file (split as SplitLines does) in the ANSI code page. A line that is malformed in its
// encoding, cut off at the end of the file, or holds a character the code page cannot represent is left out.
AnsiLines ToAnsiLines(std::string_view bytes, platform::ICodePage& codePage);

}  // namespace plivant
