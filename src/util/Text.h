// Small text helpers shared by the subsystems: ASCII case, trimming, NUL-splitting.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plivant::text {

char ToUpperAscii(char c);
char ToLowerAscii(char c);
std::string ToUpperAscii(std::string_view s);
std::string ToLowerAscii(std::string_view s);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view s, std::string_view prefix);
bool IsAsciiLetter(char c);

// Leading and trailing blanks (spaces only) removed.
std::string TrimBlanks(std::string_view s);

// The text up to its first NUL: what a Windows call reads of a C string.
std::string_view UpToNul(std::string_view s);

// The pieces between NUL characters, in order; n NULs give n + 1 pieces.
std::vector<std::string> SplitAt(std::string_view s, char separator);

}  // namespace plivant::text
