// The program's text files as it and other programs write them (a byte-order mark, UTF-8, UTF-16, the legacy ANSI
// code page), brought into the process code page in which the program hands every text to the system; and the
// bytes it writes for a line.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace plivant {

enum class TextEncoding { Unmarked, Utf8, Utf16Le, Utf16Be };

struct EncodedText {
    TextEncoding encoding = TextEncoding::Unmarked;
    std::string_view body;  // the bytes after the byte-order mark
};

// A leading mark (EF BB BF, FF FE, FE FF) decides for the whole file; without one each line decides for itself.
EncodedText DetectEncoding(std::string_view bytes);

// Well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) as UTF-16; nothing when malformed.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);
// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Every surrogate in its pair: a lone one is no character at all.
bool IsWellFormed(std::u16string_view text);
// Well-formed UTF-8 holding at least one multi-byte sequence: what an unmarked line in UTF-8 looks like.
bool IsMultibyteUtf8(std::string_view text);

// A text the system or a file gave in UTF-16, in the process code page: as it stands where the page holds it; else
// each of its TAB-separated pieces that the page cannot hold as the short (8.3) form of the path it names. Nothing
// when such a piece has no short form the page holds: a "?" in its place would name another folder, or none.
std::optional<std::string> InProcessPage(platform::ICodePage& codePage, platform::IFileSystem& files,
                                         std::u16string_view text);

struct DecodedLines {
    std::vector<std::string> lines;
    bool complete = true;  // false when a line was left out
};

// The lines of a text file (split as SplitLines does) in the process code page. Without a mark a line that is
// multi-byte UTF-8 is UTF-8 and any other is in the legacy ANSI code page. A line that is malformed in its
// encoding, cut off at the end of the file, or that InProcessPage cannot bring over is left out.
DecodedLines DecodeLines(std::string_view bytes, platform::ICodePage& codePage, platform::IFileSystem& files);

// The bytes of a line of the process code page in a file, without its end: in the legacy ANSI code page, byte for
// byte as the program always wrote it, where that page holds the line and those bytes read back as such; else in
// UTF-8 (a folder in another script, or legacy bytes that would pass for UTF-8 or a mark, as "Ã¼" would for "ü").
std::string EncodeLine(platform::ICodePage& codePage, const std::string& line);

}  // namespace plivant
