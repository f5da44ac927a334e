// Windows-1252 as Windows maps it: Latin-1 but for 0x80-0x9F, which hold typographic characters; the five bytes
// that name no character there (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same value.
#include "platform/sim/SimCodePage.h"

#include <array>

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

}  // namespace

std::optional<std::string> SimCodePage::FromUtf16(std::u16string_view text) {
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
