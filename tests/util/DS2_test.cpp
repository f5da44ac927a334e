// DS2: frame and sizes, Progress, key padding, the key walk against a plain reading of the rounds,
// round trips, hex conversions and the quiet failure of the string operations.
#include "util/DS2.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace plivant {
namespace {

using Bytes = DS2::Bytes;
using namespace std::string_literals;

template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& p) {
    return p.param.name;
}

// Frame bytes 1, 2, 3, ... 254, 1, ...: the same frame for every object built with it.
DS2::FrameByteSource CountingFrame() {
    return [n = 0]() mutable { return static_cast<std::uint8_t>(n++ % 254 + 1); };
}

Bytes BytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

// The rounds written out with plain arithmetic, one round at a time, for comparison with the table-driven
// transform: framed data in, 16 rounds out.
Bytes PlainEncrypt(Bytes framed, Bytes key) {
    if (key.size() < 3) key.resize(3, 1);
    const std::size_t last = key.size() - 1;
    for (int round = 0; round < 16; ++round) {
        std::size_t p = 0;
        for (std::size_t i = 0; i + 1 < framed.size(); ++i) {
            if (p == last) p = 0;
            framed[i] ^= static_cast<std::uint8_t>((key[p] + framed[i + 1]) % 255);
            framed[i + 1] ^= framed[i];
            framed[i] ^= static_cast<std::uint8_t>((key[p + 1] + framed[i + 1]) % 255);
            ++p;
        }
    }
    return framed;
}

bool IsUpperHex(const std::string& s) {
    for (const char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)) && !(c >= 'A' && c <= 'F')) return false;
    return true;
}

TEST(DS2, ProgressRisesSixteenTimesPerTransformWithRoundedPercentages) {
    const std::vector<std::int16_t> expected{6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100};
    DS2 cipher(CountingFrame());
    std::vector<std::int16_t> seen;
    cipher.Progress = [&](std::int16_t percent) { seen.push_back(percent); };
    std::string secret = cipher.EncryptString("some text", "key");
    EXPECT_EQ(seen, expected);
    seen.clear();
    cipher.DecryptString(secret, "key");
    EXPECT_EQ(seen, expected);
    seen.clear();
    std::string nothing;
    cipher.DecryptString(nothing, "key");
    EXPECT_EQ(seen, expected) << "a text too short to hold a frame still runs the rounds";
}

class DS2Sizes : public testing::TestWithParam<std::size_t> {};

TEST_P(DS2Sizes, CiphertextIsFiveBytesLongerAndItsHexTwiceThat) {
    const std::size_t n = GetParam();
    std::string text(n, '\0');
    for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>(i * 37);
    DS2 cipher;
    const std::string plain = cipher.EncryptString(text, "key");
    EXPECT_EQ(plain.size(), n + 5);
    const std::string hex = cipher.EncryptString(text, "key", true);
    EXPECT_EQ(hex.size(), 2 * (n + 5));
    EXPECT_TRUE(IsUpperHex(hex)) << hex;
    std::string copy = hex;
    EXPECT_EQ(cipher.DecryptString(copy, "key", true), text);
}

// 508 and 510 put the hex output on either side of the buffer's first 1025 bytes.
INSTANTIATE_TEST_SUITE_P(Table, DS2Sizes, testing::Values(0, 1, 2, 3, 7, 507, 508, 510, 1019, 5000));

TEST(DS2, EncryptingTwiceGivesDifferentCiphertextsThatBothDecrypt) {
    DS2 cipher;
    const std::string first = cipher.EncryptString("the same text", "k");
    const std::string second = cipher.EncryptString("the same text", "k");
    EXPECT_NE(first, second);
    std::string a = first, b = second;
    EXPECT_EQ(cipher.DecryptString(a, "k"), "the same text");
    EXPECT_EQ(cipher.DecryptString(b, "k"), "the same text");
}

struct PaddingCase {
    const char* name;
    std::string key;
    std::string equivalent;
};

class DS2KeyPadding : public testing::TestWithParam<PaddingCase> {};

TEST_P(DS2KeyPadding, ShortKeyActsAsItsPaddedForm) {
    const auto& c = GetParam();
    const std::string text = "padding decides every round";
    EXPECT_EQ(DS2(CountingFrame()).EncryptString(text, c.key), DS2(CountingFrame()).EncryptString(text, c.equivalent));

    Bytes key = BytesOf(c.key);
    Bytes data = BytesOf(text);
    DS2(CountingFrame()).EncryptByte(data, key);
    EXPECT_EQ(key, BytesOf(c.equivalent)) << "the key is padded in place";
}

INSTANTIATE_TEST_SUITE_P(Table, DS2KeyPadding,
                         testing::Values(PaddingCase{"empty", "", "\x01\x01\x01"},
                                         PaddingCase{"one_byte", "A", "A\x01\x01"},
                                         PaddingCase{"two_bytes", "AB", "AB\x01"},
                                         PaddingCase{"three_bytes", "ABC", "ABC"},
                                         PaddingCase{"zero_bytes_kept", "\0\0"s, "\0\0\x01"s}),
                         CaseName<PaddingCase>);

TEST(DS2, MissingKeyIsTheEmptyKey) {
    const std::string text = "no key at all";
    const std::string missing = DS2(CountingFrame()).EncryptString(text);
    EXPECT_EQ(missing, DS2(CountingFrame()).EncryptString(text, ""));
    EXPECT_EQ(missing, DS2(CountingFrame()).EncryptString(text, "\x01\x01\x01"));
    std::string copy = missing;
    EXPECT_EQ(DS2().DecryptString(copy), text);
}

// Keys of every length from the padded three to longer than the data exercise the walk's wrap-around.
TEST(DS2, RoundsFollowTheKeyWalkForEveryKeyLength) {
    const std::string text = "0123456789abcdefghij";
    std::string key;
    for (int length = 0; length <= 30; ++length) {
        Bytes data = BytesOf(text);
        Bytes keyBytes = BytesOf(key);
        DS2(CountingFrame()).EncryptByte(data, keyBytes);
        Bytes framed{1, 2, 3};
        framed.insert(framed.end(), text.begin(), text.end());
        framed.insert(framed.end(), {4, 5});
        EXPECT_EQ(data, PlainEncrypt(framed, BytesOf(key))) << "key length " << length;
        key.push_back(static_cast<char>(200 + length));
    }
}

struct RoundTripCase {
    const char* name;
    std::string text;
    std::string key;
};

class DS2RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(DS2RoundTrip, DecryptGivesBackTheTextInPlainAndHexForm) {
    const auto& c = GetParam();
    DS2 cipher;
    std::string plain = cipher.EncryptString(c.text, c.key);
    EXPECT_EQ(cipher.DecryptString(plain, c.key), c.text);
    std::string hex = cipher.EncryptString(c.text, c.key, true);
    EXPECT_EQ(cipher.DecryptString(hex, c.key, true), c.text);

    Bytes data = BytesOf(c.text);
    Bytes key = BytesOf(c.key);
    cipher.EncryptByte(data, key);
    Bytes again = BytesOf(c.key);
    EXPECT_EQ(cipher.DecryptByte(data, again), BytesOf(c.text));
}

INSTANTIATE_TEST_SUITE_P(Table, DS2RoundTrip,
                         testing::Values(RoundTripCase{"empty_text", "", "key"},
                                         RoundTripCase{"empty_key", "hello", ""},
                                         RoundTripCase{"one_byte_key", "hello", "x"},
                                         RoundTripCase{"binary", "\0\xff\x01\xfe\0"s, "\xff\xff\xff\xff"s},
                                         RoundTripCase{"key_longer_than_text", "hi", "a much longer key than the text"},
                                         RoundTripCase{"all_byte_values",
                                                       [] {
                                                           std::string s;
                                                           for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
                                                           return s;
                                                       }(),
                                                       "\0\x80\xff"s}),
                         CaseName<RoundTripCase>);

TEST(DS2, WrongKeyGivesOtherBytesQuietly) {
    DS2 cipher;
    std::string secret = cipher.EncryptString("attack at dawn", "right");
    const std::string out = cipher.DecryptString(secret, "wrong");
    EXPECT_EQ(out.size(), std::string("attack at dawn").size());
    EXPECT_NE(out, "attack at dawn");
}

TEST(DS2, DecryptingOnlyAFrameOrLessGivesAnEmptyText) {
    DS2 cipher;
    for (std::size_t n = 0; n <= 5; ++n) {
        std::string text(n, 'x');
        EXPECT_EQ(cipher.DecryptString(text, "key"), "") << n << " bytes";
        Bytes data(n, 7);
        Bytes key;
        EXPECT_TRUE(cipher.DecryptByte(data, key).empty()) << n << " bytes";
    }
}

TEST(DS2, HexDecryptLeavesTheCallersTextDecoded) {
    DS2 cipher;
    const std::string raw = cipher.EncryptString("visible side effect", "k");
    std::string text = cipher.EnHex(raw);
    EXPECT_EQ(cipher.DecryptString(text, "k", true), "visible side effect");
    EXPECT_EQ(text, raw);
    std::string untouched = raw;
    cipher.DecryptString(untouched, "k", false);
    EXPECT_EQ(untouched, raw) << "a plain decrypt leaves the caller's text alone";
}

struct HexCase {
    const char* name;
    std::string hex;
    std::string decoded;
};

class DS2DeHex : public testing::TestWithParam<HexCase> {};

TEST_P(DS2DeHex, DecodesPairsFromTheStart) {
    std::string text = GetParam().hex;
    DS2().DecryptString(text, "", true);
    EXPECT_EQ(text, GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(Table, DS2DeHex,
                         testing::Values(HexCase{"empty", "", ""}, HexCase{"upper", "41FF00", "A\xff\0"s},
                                         HexCase{"lower", "7a0f", "z\x0f"},
                                         HexCase{"odd_final_digit_alone", "41F", "A\x0f"},
                                         HexCase{"single_digit", "9", "\x09"}, HexCase{"bad_first_digit", "G1", "\0"s},
                                         HexCase{"bad_second_digit", "1G", "\x01"},
                                         HexCase{"blanks", "  4 ", "\0\x04"s}),
                         CaseName<HexCase>);

TEST(DS2, EnHexGivesTwoUpperCaseDigitsPerByte) {
    DS2 cipher;
    EXPECT_EQ(cipher.EnHex(""), "");
    EXPECT_EQ(cipher.EnHex("\0\x0f\xff A"s), "000FFF2041");
    std::string expected;
    for (int i = 0; i < 3000; ++i) expected += "AB";
    EXPECT_EQ(cipher.EnHex(std::string(3000, '\xab')), expected) << "past the buffer's first 1024-byte steps";
}

TEST(DS2, StringOperationsSwallowFailuresWhileByteOperationsPassThemOn) {
    DS2 cipher(CountingFrame());
    cipher.Progress = [](std::int16_t percent) {
        if (percent == 50) throw std::runtime_error("handler failed");
    };
    std::string result;
    EXPECT_NO_THROW(result = cipher.EncryptString("text", "key"));
    EXPECT_EQ(result.size(), 9u) << "the framed bytes as far as they got";
    EXPECT_NO_THROW(cipher.DecryptString(result, "key"));
    Bytes data = BytesOf("text");
    Bytes key = BytesOf("key");
    EXPECT_THROW(cipher.EncryptByte(data, key), std::runtime_error);
}

}  // namespace
}  // namespace plivant
