// DS2: frame, sizes, Progress, key padding, the key walk, round trips, hex, quiet failures; clsCrc: known checksums,
// the length rules, chaining, agreement with zlib.
#include "util/DS2.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "util/clsCrc.h"

namespace plivant {
namespace {

using Bytes = DS2::Bytes;
using namespace std::string_literals;

// Frame bytes 1, 2, 3, ... 254, 1, ...: the same frame for every object built with it.
DS2::FrameByteSource CountingFrame() {
    return [n = 0]() mutable { return static_cast<std::uint8_t>(n++ % 254 + 1); };
}

Bytes BytesOf(std::string_view s) {
    return {s.begin(), s.end()};
}

TEST(DS2, CiphertextIsFiveBytesLongerItsHexTwiceThatEachDiffersAndAllRoundTrip) {
    DS2 cipher;
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    for (const auto& [text, key] : {std::pair{""s, "key"s},
                                    {"hello"s, ""s},
                                    {"\0\xff\x01"s, "\xff\xff\xff\xff"s},
                                    {"hi"s, "a much longer key than the text"s},
                                    {all, "\0\x80\xff"s},
                                    {std::string(507, 'a'), "key"s},  // hex about the buffer's first 1025 bytes
                                    {std::string(508, 'b'), "x"s},
                                    {std::string(510, 'c'), "key"s},
                                    {std::string(1019, 'e'), "k"s},
                                    {std::string(5000, 'd'), "key"s}}) {
        std::string plain = cipher.EncryptString(text, key), hex = cipher.EncryptString(text, key, true),
                    again = cipher.EncryptString(text, key, true);
        EXPECT_EQ(std::tuple(plain.size(), hex.size(), hex.find_first_not_of("0123456789ABCDEF"), hex == again),
                  std::tuple(text.size() + 5, 2 * text.size() + 10, std::string::npos, false));
        EXPECT_EQ(std::tuple(cipher.DecryptString(plain, key), cipher.DecryptString(hex, key, true)),
                  std::tuple(text, text));
        Bytes data = BytesOf(text), keyBytes = BytesOf(key), keyAgain = BytesOf(key);
        cipher.EncryptByte(data, keyBytes);
        EXPECT_EQ(cipher.DecryptByte(data, keyAgain), BytesOf(text));
    }
    std::string secret = cipher.EncryptString("attack at dawn", "right");
    const std::string out = cipher.DecryptString(secret, "wrong");
    EXPECT_EQ(std::tuple(out.size(), out == "attack at dawn"), std::tuple(14u, false));
}

TEST(DS2, ShortKeysArePaddedWithOnesToThreeBytes) {
    const std::string text = "0123456789abcdefghij";
    for (const std::string& key : {""s, "AB"s, "\0\0"s}) {
        std::string padded = key;
        padded.resize(3, '\x01');
        EXPECT_EQ(DS2(CountingFrame()).EncryptString(text, key), DS2(CountingFrame()).EncryptString(text, padded));
        Bytes keyBytes = BytesOf(key), data = BytesOf(text);
        DS2(CountingFrame()).EncryptByte(data, keyBytes);
        EXPECT_EQ(keyBytes, BytesOf(padded));
    }
    std::string missing = DS2(CountingFrame()).EncryptString(text);
    EXPECT_EQ(DS2().DecryptString(missing), text);
    // One known answer with a key longer than the walk's three bytes pins the rounds.
    EXPECT_EQ(DS2(CountingFrame()).EncryptString(text, "Plivant key", true),
              "6B536AE9AFDB3DE910FB5F12B2A00359E47B208319F9487B03");
}

TEST(DS2, HexConversionsAndShortTexts) {
    const std::string hexes[] = {"41FF00"s, "7a0f"s, "41F"s, "G1"s, "  4 "s},
                      decoded[] = {"A\xff\0"s, "z\x0f"s, "A\x0f"s, "\0"s, "\0\x04"s};
    for (int i = 0; i < 5; ++i) {
        std::string hex = hexes[i];
        DS2().DecryptString(hex, "", true);
        EXPECT_EQ(hex, decoded[i]) << hexes[i];
    }
    DS2 cipher;
    EXPECT_EQ(cipher.EnHex("\0\x0f\xff A"s), "000FFF2041");
    EXPECT_EQ(cipher.EnHex(std::string(3000, '\xab')).substr(5990), "ABABABABAB") << "past the buffer's first steps";
    for (std::size_t n : {0, 4}) {
        std::string shortText(n, 'x');
        Bytes data(n, 7), key;
        EXPECT_EQ(std::tuple(cipher.DecryptString(shortText, "key"), cipher.DecryptByte(data, key).size()),
                  std::tuple("", 0u))
            << n << " bytes";
    }
}

TEST(DS2, ProgressAndFailuresOfItsHandler) {
    const std::vector<std::int16_t> once{6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100};
    DS2 cipher(CountingFrame());
    std::vector<std::int16_t> seen;
    cipher.Progress = [&](std::int16_t percent) { seen.push_back(percent); };
    std::string secret = cipher.EncryptString("some text", "key"), nothing;
    cipher.DecryptString(secret, "key");
    cipher.DecryptString(nothing, "key");
    std::vector<std::int16_t> thrice = once;
    for (int i = 0; i < 2; ++i) thrice.insert(thrice.end(), once.begin(), once.end());
    EXPECT_EQ(seen, thrice);
    cipher.Progress = [](std::int16_t percent) {
        if (percent == 50) throw std::runtime_error("handler failed");
    };
    std::string result;
    EXPECT_NO_THROW(result = cipher.EncryptString("text", "key"));
    EXPECT_EQ(result.size(), 9u) << "the framed bytes as far as they got";
    EXPECT_NO_THROW(cipher.DecryptString(result, "key"));
    Bytes data = BytesOf("text"), key = BytesOf("key");
    EXPECT_THROW(cipher.EncryptByte(data, key), std::runtime_error);
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

TEST(ClsCrc, AgreesWithZlibAtEveryAlignmentAndChainsPieces) {
    std::mt19937 random(7);
    const clsCrc crc;
    std::vector<std::uint8_t> buffer(70000);
    for (auto& b : buffer) b = static_cast<std::uint8_t>(random());
    // Around the 16-byte steps and the 64-byte folding blocks, from every offset of a step.
    for (std::size_t offset = 0; offset < 16; ++offset)
        for (std::size_t length : {1, 15, 16, 17, 63, 64, 65, 127, 128, 129, 208, 69000})
            ASSERT_EQ(crc.CRC32({buffer.data() + offset, length}, static_cast<std::int32_t>(length), 0),
                      ::crc32(0, buffer.data() + offset, static_cast<uInt>(length)))
                << "offset " << offset << " length " << length;
    const std::span<const std::uint8_t> all(buffer);
    for (const std::int32_t cut : {1, 64, 4097, 69999}) {
        const std::uint32_t initial = random();
        ASSERT_EQ(crc.CRC32(all.subspan(cut), 70000 - cut, crc.CRC32(all.first(cut), cut, initial)),
                  ::crc32(initial, buffer.data(), 70000))
            << cut;
    }
}

}  // namespace
}  // namespace plivant
