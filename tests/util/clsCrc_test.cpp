// clsCrc: known checksums, the length rules, chaining of pieces, and agreement with zlib.
#include "util/clsCrc.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <stdexcept>

namespace plivant {
namespace {

std::vector<std::uint8_t> BytesOf(std::string_view s) {
    return {s.begin(), s.end()};
}

TEST(ClsCrc, KnownValuesAndTheLengthRules) {
    const struct {
        std::string_view text;
        std::int32_t length;
        std::uint32_t initial, expected;
    } cases[] = {
        {"abc", 3, 0, 0x352441C2u},
        {"123456789", 9, 0, 0xCBF43926u},
        {{"\0", 1}, 1, 0, 0xD202EF8Du},
        {"abcdef", 3, 0, 0x352441C2u},       // a prefix only
        {"c", 1, 0x9E83486Du, 0x352441C2u},  // crc("ab"), then "c"
        {"abc", 0, 0xDEADBEEFu, 0},
        {"", 0, 0x12345678u, 0},  // no length: 0, whatever the initial
        {"abc", -1, 0x12345678u, 0x12345678u},
        {"", INT32_MIN, 0xFFFFFFFFu, 0xFFFFFFFFu},  // negative: the initial
    };
    const clsCrc crc;
    for (const auto& c : cases)
        EXPECT_EQ(crc.CRC32(BytesOf(c.text), c.length, c.initial), c.expected) << c.text << " " << c.length;
    // A length beyond the array is raised to the caller.
    EXPECT_THROW(crc.CRC32(BytesOf("abc"), 4, 0), std::out_of_range);
    EXPECT_THROW(crc.CRC32({}, 1, 0), std::out_of_range);
    EXPECT_THROW(crc.CRC32(BytesOf("abc"), INT32_MAX, 0), std::out_of_range);
}

// Lengths around the sixteen- and 64-byte blocks at every alignment, then random buffers, initial values and
// cuts: against zlib over the same bytes, and pieces chained through the initial value give the whole.
TEST(ClsCrc, AgreesWithZlibAndChainsPieces) {
    std::mt19937 random(7);
    const clsCrc crc;
    std::vector<std::uint8_t> buffer(224);
    for (auto& b : buffer) b = static_cast<std::uint8_t>(random());
    for (std::size_t offset = 0; offset < 16; ++offset)
        for (std::size_t length = 1; length <= 208; ++length)
            ASSERT_EQ(crc.CRC32({buffer.data() + offset, length}, static_cast<std::int32_t>(length), 0),
                      ::crc32(0, buffer.data() + offset, static_cast<uInt>(length)))
                << "offset " << offset << " length " << length;
    for (int round = 0; round < 200; ++round) {
        buffer.resize(random() % 70000 + 2);
        for (auto& b : buffer) b = static_cast<std::uint8_t>(random());
        const std::uint32_t initial = round % 2 ? random() : 0;
        const auto size = static_cast<std::int32_t>(buffer.size()),
                   cut = static_cast<std::int32_t>(random() % (size - 1) + 1);
        const std::span<const std::uint8_t> all(buffer);
        const auto whole = crc.CRC32(all, size, initial);
        ASSERT_EQ(whole, ::crc32(initial, buffer.data(), static_cast<uInt>(size))) << "length " << size;
        ASSERT_EQ(crc.CRC32(all.subspan(cut), size - cut, crc.CRC32(all.first(cut), cut, initial)), whole) << cut;
    }
}

}  // namespace
}  // namespace plivant
