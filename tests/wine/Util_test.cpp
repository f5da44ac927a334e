// The utility library as the Windows builds compile it: the checksum's block folding (chosen at run time from
// the processor's features) against the byte-at-a-time definition, and the cipher's own random frame.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "util/DS2.h"
#include "util/clsCrc.h"

namespace {

std::uint32_t ByteAtATime(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const auto b : bytes) {
        crc ^= b;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

TEST(WindowsUtil, ChecksumOfLargeBuffersMatchesTheDefinition) {
    std::mt19937 random(5);
    const plivant::clsCrc crc;
    for (const std::size_t size : {63u, 64u, 65u, 1000u, 4096u, 1u << 20}) {
        std::vector<std::uint8_t> bytes(size);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        EXPECT_EQ(crc.CRC32(bytes, static_cast<std::int32_t>(size), 0), ByteAtATime(bytes)) << size << " bytes";
    }
}

TEST(WindowsUtil, CipherFramesDifferAndRoundTrip) {
    plivant::DS2 cipher;
    const std::string first = cipher.EncryptString("Plivant", "key", true);
    const std::string second = cipher.EncryptString("Plivant", "key", true);
    EXPECT_NE(first, second);
    std::string text = second;
    EXPECT_EQ(cipher.DecryptString(text, "key", true), "Plivant");
}

}  // namespace
