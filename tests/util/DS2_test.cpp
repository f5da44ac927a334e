// DS2: frame and sizes, Progress, key padding, the key walk against a plain reading of the rounds, round trips,
// hex conversions and the quiet failure of the string operations.
#include "util/DS2.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace plivant {
namespace {

using Bytes = DS2::Bytes;
using namespace std::string_literals;

// Frame bytes 1, 2, 3, ... 254, 1, ...: the same frame for every object built with it.
DS2::FrameByteSource CountingFrame() {
    return [n = 0]() mutable { return static_cast<std::uint8_t>(n++ % 254 + 1); };
}

Bytes BytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

// The 16 rounds written out with plain arithmetic, for comparison with the table-driven transform.
Bytes PlainEncrypt(Bytes framed, Bytes key) {
    key.resize(std::max<size_t>(key.size(), 3), 1);
    for (int round = 0; round < 16; ++round) {
        for (std::size_t i = 0, p = 0; i + 1 < framed.size(); ++i, ++p) {
            if (p == key.size() - 1) p = 0;
            framed[i] ^= static_cast<std::uint8_t>((key[p] + framed[i + 1]) % 255);
            framed[i + 1] ^= framed[i];
            framed[i] ^= static_cast<std::uint8_t>((key[p + 1] + framed[i + 1]) % 255);
        }
    }
    return framed;
}

TEST(DS2, ProgressRisesSixteenTimesPerTransformWithRoundedPercentages) {
    const std::vector<std::int16_t> once{6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100};
    DS2 cipher(CountingFrame());
    std::vector<std::int16_t> seen;
    cipher.Progress = [&](std::int16_t percent) { seen.push_back(percent); };
    std::string secret = cipher.EncryptString("some text", "key"), nothing;
    cipher.DecryptString(secret, "key");
    cipher.DecryptString(nothing, "key");  // too short to hold a frame, it still runs the rounds
    std::vector<std::int16_t> thrice = once;
    for (int i = 0; i < 2; ++i) thrice.insert(thrice.end(), once.begin(), once.end());
    EXPECT_EQ(seen, thrice);
}

// 508 and 510 put the hex output on either side of the buffer's first 1025 bytes.
TEST(DS2, CiphertextIsFiveBytesLongerItsHexTwiceThatAndEachEncryptionDiffers) {
    DS2 cipher;
    for (std::size_t n : {0, 1, 2, 3, 7, 507, 508, 510, 1019, 5000}) {
        std::string text(n, '\0');
        for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>(i * 37);
        EXPECT_EQ(cipher.EncryptString(text, "key").size(), n + 5);
        std::string hex = cipher.EncryptString(text, "key", true), again = cipher.EncryptString(text, "key", true);
        EXPECT_EQ(hex.size(), 2 * (n + 5));
        EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos) << hex;
        EXPECT_NE(hex, again);
        EXPECT_EQ(cipher.DecryptString(hex, "key", true), text);
        EXPECT_EQ(cipher.DecryptString(again, "key", true), text);
    }
}

TEST(DS2, AShortOrMissingKeyActsAsItsPaddedFormAndIsPaddedInPlace) {
    const std::string text = "padding decides every round";
    for (auto [key, padded] : {std::pair{""s, "\x01\x01\x01"s},
                               {"A"s, "A\x01\x01"s},
                               {"AB"s, "AB\x01"s},
                               {"ABC"s, "ABC"s},
                               {"\0\0"s, "\0\0\x01"s}}) {
        EXPECT_EQ(DS2(CountingFrame()).EncryptString(text, key), DS2(CountingFrame()).EncryptString(text, padded));
        Bytes keyBytes = BytesOf(key), data = BytesOf(text);
        DS2(CountingFrame()).EncryptByte(data, keyBytes);
        EXPECT_EQ(keyBytes, BytesOf(padded));
    }
    std::string missing = DS2(CountingFrame()).EncryptString(text);
    EXPECT_EQ(missing, DS2(CountingFrame()).EncryptString(text, ""));
    EXPECT_EQ(DS2().DecryptString(missing), text);
}

// Keys of every length from the padded three to longer than the data exercise the walk's wrap-around.
TEST(DS2, RoundsFollowTheKeyWalkForEveryKeyLength) {
    const std::string text = "0123456789abcdefghij";
    std::string key;
    for (int length = 0; length <= 30; ++length, key.push_back(static_cast<char>(200 + length))) {
        Bytes data = BytesOf(text), keyBytes = BytesOf(key), framed{1, 2, 3};
        DS2(CountingFrame()).EncryptByte(data, keyBytes);
        framed.insert(framed.end(), text.begin(), text.end());
        framed.insert(framed.end(), {4, 5});
        EXPECT_EQ(data, PlainEncrypt(framed, BytesOf(key))) << "key length " << length;
    }
}

TEST(DS2, DecryptGivesBackTheTextInPlainHexAndByteFormAndOtherBytesForAWrongKey) {
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    DS2 cipher;
    for (auto [text, key] : {std::pair{""s, "key"s},
                             {"hello"s, ""s},
                             {"hello"s, "x"s},
                             {"\0\xff\x01"s, "\xff\xff\xff\xff"s},
                             {"hi"s, "a much longer key than the text"s},
                             {all, "\0\x80\xff"s}}) {
        std::string plain = cipher.EncryptString(text, key), hex = cipher.EncryptString(text, key, true);
        EXPECT_EQ(cipher.DecryptString(plain, key), text);
        EXPECT_EQ(cipher.DecryptString(hex, key, true), text);
        Bytes data = BytesOf(text), keyBytes = BytesOf(key), again = BytesOf(key);
        cipher.EncryptByte(data, keyBytes);
        EXPECT_EQ(cipher.DecryptByte(data, again), BytesOf(text));
    }
    std::string secret = cipher.EncryptString("attack at dawn", "right");
    const std::string out = cipher.DecryptString(secret, "wrong");
    EXPECT_EQ(out.size(), 14u);
    EXPECT_NE(out, "attack at dawn");
}

TEST(DS2, DecryptingOnlyAFrameOrLessGivesAnEmptyText) {
    DS2 cipher;
    for (std::size_t n = 0; n <= 5; ++n) {
        std::string text(n, 'x');
        Bytes data(n, 7), key;
        EXPECT_EQ(cipher.DecryptString(text, "key"), "") << n << " bytes";
        EXPECT_TRUE(cipher.DecryptByte(data, key).empty()) << n << " bytes";
    }
}

TEST(DS2, HexDecryptLeavesTheCallersTextDecodedAPlainOneLeavesItAlone) {
    DS2 cipher;
    const std::string raw = cipher.EncryptString("visible side effect", "k");
    std::string text = cipher.EnHex(raw), untouched = raw;
    EXPECT_EQ(cipher.DecryptString(text, "k", true), "visible side effect");
    EXPECT_EQ(text, raw);
    cipher.DecryptString(untouched, "k", false);
    EXPECT_EQ(untouched, raw);
}

TEST(DS2, HexConversions) {
    // Decoding reads pairs from the start; a character that is not a digit ends a pair's number.
    for (auto [hex, decoded] : {std::pair{""s, ""s},
                                {"41FF00"s, "A\xff\0"s},
                                {"7a0f"s, "z\x0f"s},
                                {"41F"s, "A\x0f"s},
                                {"9"s, "\x09"s},
                                {"G1"s, "\0"s},
                                {"1G"s, "\x01"s},
                                {"  4 "s, "\0\x04"s}}) {
        DS2().DecryptString(hex, "", true);
        EXPECT_EQ(hex, decoded);
    }
    DS2 cipher;
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
    Bytes data = BytesOf("text"), key = BytesOf("key");
    EXPECT_THROW(cipher.EncryptByte(data, key), std::runtime_error);
}

}  // namespace
}  // namespace plivant
