// clsCrc: known checksums, the length rules, chaining of pieces, and agreement with zlib on random buffers.
#include "util/clsCrc.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace plivant {
namespace {

std::vector<std::uint8_t> BytesOf(std::string_view s) {
    return {s.begin(), s.end()};
}

template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& p) {
    return p.param.name;
}

struct CrcCase {
    const char* name;
    std::string_view text;
    std::int32_t length;
    std::uint32_t initial;
    std::uint32_t expected;
};

class CrcKnownValues : public testing::TestWithParam<CrcCase> {};

TEST_P(CrcKnownValues, GivesTheExpectedChecksum) {
    const auto& c = GetParam();
    const auto bytes = BytesOf(c.text);
    EXPECT_EQ(clsCrc().CRC32(bytes, c.length, c.initial), c.expected) << std::hex << "expected 0x" << c.expected;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CrcKnownValues,
    testing::Values(CrcCase{"abc", "abc", 3, 0, 0x352441C2u}, CrcCase{"check", "123456789", 9, 0, 0xCBF43926u},
                    CrcCase{"one_zero_byte", std::string_view("\0", 1), 1, 0, 0xD202EF8Du},
                    CrcCase{"prefix_only", "abcdef", 3, 0, 0x352441C2u},
                    CrcCase{"continues_from_initial", "c", 1, 0x9E83486Du, 0x352441C2u},  // crc("ab") then "c"
                    CrcCase{"zero_length", "abc", 0, 0, 0},
                    CrcCase{"zero_length_ignores_initial", "abc", 0, 0xDEADBEEFu, 0},
                    CrcCase{"zero_length_empty_array", "", 0, 0x12345678u, 0},
                    CrcCase{"negative_keeps_initial", "abc", -1, 0x12345678u, 0x12345678u},
                    CrcCase{"negative_keeps_zero", "abc", -5, 0, 0},
                    CrcCase{"most_negative_keeps_all_ones", "", INT32_MIN, 0xFFFFFFFFu, 0xFFFFFFFFu}),
    CaseName<CrcCase>);

TEST(ClsCrc, LengthBeyondTheArrayIsRaisedToTheCaller) {
    const auto bytes = BytesOf("abc");
    const clsCrc crc;
    EXPECT_THROW(crc.CRC32(bytes, 4, 0), std::out_of_range);
    EXPECT_THROW(crc.CRC32({}, 1, 0), std::out_of_range);
    EXPECT_THROW(crc.CRC32(bytes, INT32_MAX, 0), std::out_of_range);
    EXPECT_EQ(crc.CRC32(bytes, 3, 0), 0x352441C2u);
}

// Lengths around the sixteen- and 64-byte blocks, at every alignment, against zlib over the same bytes.
TEST(ClsCrc, AgreesWithZlibAroundBlockBoundaries) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> buffer(224);
    for (auto& b : buffer) b = static_cast<std::uint8_t>(random());
    const clsCrc crc;
    for (std::size_t offset = 0; offset < 16; ++offset)
        for (std::size_t length = 1; length <= 208; ++length) {
            const std::span<const std::uint8_t> piece(buffer.data() + offset, length);
            const auto expected = static_cast<std::uint32_t>(::crc32(0, piece.data(), static_cast<uInt>(length)));
            ASSERT_EQ(crc.CRC32(piece, static_cast<std::int32_t>(length), 0), expected)
                << "offset " << offset << " length " << length;
        }
}

TEST(ClsCrc, AgreesWithZlibOnRandomBuffersAndInitialValues) {
    std::mt19937 random(20240601);
    const clsCrc crc;
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> buffer(random() % 70000 + 1);
        for (auto& b : buffer) b = static_cast<std::uint8_t>(random());
        const std::uint32_t initial = round % 2 ? random() : 0;
        const auto expected =
            static_cast<std::uint32_t>(::crc32(initial, buffer.data(), static_cast<uInt>(buffer.size())));
        ASSERT_EQ(crc.CRC32(buffer, static_cast<std::int32_t>(buffer.size()), initial), expected)
            << "length " << buffer.size() << " initial " << initial;
    }
}

TEST(ClsCrc, PiecesChainedThroughTheInitialValueGiveTheWhole) {
    std::mt19937 random(99);
    const clsCrc crc;
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> buffer(random() % 5000 + 2);
        for (auto& b : buffer) b = static_cast<std::uint8_t>(random());
        const std::size_t cut = random() % (buffer.size() - 1) + 1;
        const std::span<const std::uint8_t> all(buffer);
        const auto first = crc.CRC32(all.first(cut), static_cast<std::int32_t>(cut), 0);
        const auto both = crc.CRC32(all.subspan(cut), static_cast<std::int32_t>(buffer.size() - cut), first);
        ASSERT_EQ(both, crc.CRC32(all, static_cast<std::int32_t>(buffer.size()), 0))
            << "length " << buffer.size() << " cut " << cut;
    }
}

}  // namespace
}  // namespace plivant
