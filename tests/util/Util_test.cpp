// DS2: sizes, round trips, key padding, one known answer, hex, short texts, its Progress handler; clsCrc: known
// checksums, the length rules, chaining, agreement with zlib; the error policies' record of swallowed failures.
#include "util/DS2.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "SwallowCheck.h"
#include "util/clsCrc.h"

namespace plivant {
namespace {

using Bytes = DS2::Bytes;
using namespace std::string_literals;

// Frame bytes 1, 2, 3, ... 254, 1, ...: the same frame for every object built with it.
DS2::FrameByteSource CountingFrame() {
    return [n = 0]() mutable { return static_cast<std::uint8_t>(n++ % 254 + 1); };
}

// The error policies' record in the test builds: what a declared scope expects is counted, anything else is kept for
// the check that fails the test (added to this program here).
const bool kChecked = test::AddSwallowCheck();

Bytes BytesOf(std::string_view s) {
    return {s.begin(), s.end()};
}

TEST(DS2, SizesRoundTripsKeyPaddingAKnownAnswerHexShortTextsAndAFailingProgressHandler) {
    test::ExpectSwallowed scriptedFailures;
    DS2 cipher;
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    for (const auto& [text, key] : {std::pair{""s, "key"s},
                                    {"hello"s, ""s},
                                    {all, "\0\x80\xff"s},
                                    {std::string(507, 'a'), "key"s},  // hex about the buffer's first 1025 bytes
                                    {std::string(508, 'b'), "a much longer key than three bytes"s},
                                    {std::string(5000, 'd'), "key"s}}) {
        std::string plain = cipher.EncryptString(text, key), hex = cipher.EncryptString(text, key, true),
                    again = cipher.EncryptString(text, key, true);
        EXPECT_EQ(std::tuple(plain.size(), hex.size(), hex == again),
                  std::tuple(text.size() + 5, 2 * text.size() + 10, false));
        EXPECT_EQ(std::tuple(cipher.DecryptString(plain, key), cipher.DecryptString(hex, key, true)),
                  std::tuple(text, text));
        Bytes data = BytesOf(text), keyBytes = BytesOf(key), keyAgain = BytesOf(key);
        cipher.EncryptByte(data, keyBytes);
        EXPECT_EQ(cipher.DecryptByte(data, keyAgain), BytesOf(text));
    }
    // Short keys are padded with ones to three bytes; one known answer, with a longer key, pins the rounds.
    const std::string text = "0123456789abcdefghij";
    EXPECT_EQ(DS2(CountingFrame()).EncryptString(text, "AB"), DS2(CountingFrame()).EncryptString(text, "AB\x01"));
    EXPECT_EQ(DS2(CountingFrame()).EncryptString(text, "Plivant key", true),
              "6B536AE9AFDB3DE910FB5F12B2A00359E47B208319F9487B03");
    for (auto [hex, decoded] : {std::pair{"7a0f"s, "z\x0f"s}, {"41F"s, "A\x0f"s}, {"G1"s, "\0"s}}) {
        DS2().DecryptString(hex, "", true);
        EXPECT_EQ(hex, decoded);
    }
    DS2 counted(CountingFrame());
    EXPECT_EQ(counted.EnHex("\0\x0f\xff A"s), "000FFF2041");
    std::string shortText(4, 'x');
    EXPECT_EQ(counted.DecryptString(shortText, "key"), "");
    std::vector<std::int16_t> seen;
    counted.Progress = [&](std::int16_t percent) { seen.push_back(percent); };
    counted.EncryptString("some text", "key");
    EXPECT_EQ(seen, (std::vector<std::int16_t>{6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100}));
    counted.Progress = [](std::int16_t percent) {
        if (percent == 50) throw std::runtime_error("handler failed");
    };
    std::string result;
    EXPECT_NO_THROW(result = counted.EncryptString("text", "key"));
    EXPECT_EQ(result.size(), 9u) << "the framed bytes as far as they got";
    Bytes data = BytesOf("text"), key = BytesOf("key");
    EXPECT_THROW(counted.EncryptByte(data, key), std::runtime_error);
}

TEST(ClsCrc, KnownValuesTheLengthRulesAndAgreementWithZlibAtEveryAlignmentAndInPieces) {
    const struct {
        std::string_view text;
        std::int32_t length;
        std::uint32_t initial, expected;
    } cases[] = {
        {"abcdef", 3, 0, 0x352441C2u},              // a prefix only
        {"c", 1, 0x9E83486Du, 0x352441C2u},         // crc("ab"), then "c"
        {"abc", 0, 0xDEADBEEFu, 0},                 // no length: 0, whatever the initial
        {"", INT32_MIN, 0xFFFFFFFFu, 0xFFFFFFFFu},  // negative: the initial
    };
    const clsCrc crc;
    for (const auto& c : cases)
        EXPECT_EQ(crc.CRC32(BytesOf(c.text), c.length, c.initial), c.expected) << c.text << " " << c.length;
    // A length beyond the array is raised to the caller.
    for (const auto& [text, length] : {std::pair{"abc", 4}, {"", 1}, {"abc", INT32_MAX}})
        EXPECT_THROW(crc.CRC32(BytesOf(text), length, 0), std::out_of_range) << text << " " << length;
    std::mt19937 random(7);
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

TEST(ErrorPolicy, ASwallowedFailureIsCountedInAnExpectingScopeAndReportedOutsideIt) {
    const auto fail = [] { throw std::runtime_error("the disk is gone"); };
    {
        test::ExpectSwallowed expected;
        SkipOnError(fail);
        EXPECT_FALSE(StopOnError(fail));
    }
    SkipOnError(fail);
    EXPECT_THROW(SkipOnError([] { throw ProcessEnded{}; }), ProcessEnded);
    EXPECT_EQ(TakeUnexpectedSwallows(), std::vector<std::string>{"the disk is gone"});
}

}  // namespace
}  // namespace plivant
