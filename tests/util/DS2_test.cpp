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

TEST(DS2, ShortKeysArePaddedAndTheRoundsFollowTheKeyWalkForEveryKeyLength) {
    const std::string text = "0123456789abcdefghij";
    for (const std::string& key : {""s, "A"s, "AB"s, "ABC"s, "\0\0"s}) {
        std::string padded = key;  // to three bytes with bytes of 1
        padded.resize(std::max<size_t>(key.size(), 3), '\x01');
        EXPECT_EQ(DS2(CountingFrame()).EncryptString(text, key), DS2(CountingFrame()).EncryptString(text, padded));
        Bytes keyBytes = BytesOf(key), data = BytesOf(text);
        DS2(CountingFrame()).EncryptByte(data, keyBytes);
        EXPECT_EQ(keyBytes, BytesOf(padded));
    }
    std::string missing = DS2(CountingFrame()).EncryptString(text);
    EXPECT_EQ(missing, DS2(CountingFrame()).EncryptString(text, ""));
    EXPECT_EQ(DS2().DecryptString(missing), text);
    std::string key;
    for (int length = 0; length <= 30; ++length, key.push_back(static_cast<char>(200 + length))) {
        Bytes data = BytesOf(text), keyBytes = BytesOf(key), framed = BytesOf("\1\2\3" + text + "\4\5"),
              walk = BytesOf(key);
        DS2(CountingFrame()).EncryptByte(data, keyBytes);
        walk.resize(std::max<size_t>(walk.size(), 3), 1);
        for (int round = 0; round < 16; ++round) {
            for (std::size_t i = 0, p = 0; i + 1 < framed.size(); ++i, ++p) {
                if (p == walk.size() - 1) p = 0;
                framed[i] ^= static_cast<std::uint8_t>((walk[p] + framed[i + 1]) % 255);
                framed[i + 1] ^= framed[i];
                framed[i] ^= static_cast<std::uint8_t>((walk[p + 1] + framed[i + 1]) % 255);
            }
        }
        EXPECT_EQ(data, framed) << "key length " << length;
    }
}

TEST(DS2, HexConversionsAndShortTexts) {
    const std::string hexes[] = {""s, "41FF00"s, "7a0f"s, "41F"s, "9"s, "G1"s, "1G"s, "  4 "s},
                      decoded[] = {""s, "A\xff\0"s, "z\x0f"s, "A\x0f"s, "\x09"s, "\0"s, "\x01"s, "\0\x04"s};
    for (int i = 0; i < 8; ++i) {
        std::string hex = hexes[i];
        DS2().DecryptString(hex, "", true);
        EXPECT_EQ(hex, decoded[i]) << hexes[i];
    }
    DS2 cipher;
    EXPECT_EQ(cipher.EnHex("\0\x0f\xff A"s), "000FFF2041");
    std::string expected;
    for (int i = 0; i < 3000; ++i) expected += "AB";
    EXPECT_EQ(cipher.EnHex(std::string(3000, '\xab')), expected) << "past the buffer's first 1024-byte steps";
    const std::string raw = cipher.EncryptString("visible side effect", "k");
    std::string text = cipher.EnHex(raw), untouched = raw;
    EXPECT_EQ(cipher.DecryptString(text, "k", true), "visible side effect");
    cipher.DecryptString(untouched, "k", false);
    EXPECT_EQ(std::tuple(text, untouched), std::tuple(raw, raw));
    for (std::size_t n = 0; n <= 5; ++n) {
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
