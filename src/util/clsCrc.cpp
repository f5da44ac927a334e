// clsCrc: table-driven CRC-32, sixteen bytes per step.
#include "util/clsCrc.h"

#include <stdexcept>

namespace plivant {

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;

std::uint32_t LoadLittleEndian(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

clsCrc::clsCrc() {
    BuildTable();
}

void clsCrc::BuildTable() {
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ kPolynomial : c >> 1;
        m_Table[0][i] = c;
    }
    for (std::size_t k = 1; k < m_Table.size(); ++k)
        for (std::size_t i = 0; i < 256; ++i)
            m_Table[k][i] = m_Table[0][m_Table[k - 1][i] & 0xFF] ^ (m_Table[k - 1][i] >> 8);
}

std::uint32_t clsCrc::CRC32(std::span<const std::uint8_t> bArrayIn, std::int32_t lLen, std::uint32_t lcrc) const {
    if (lLen == 0) return 0;
    if (lLen > 0 && static_cast<std::size_t>(lLen) > bArrayIn.size())
        throw std::out_of_range("clsCrc::CRC32: length beyond the array");
    std::uint32_t crc = ~lcrc;
    if (lLen < 0) return ~crc;

    const std::uint8_t* p = bArrayIn.data();
    std::size_t left = static_cast<std::size_t>(lLen);
    const auto& t = m_Table;
    // Sixteen bytes at a time: the register is folded into the first four, and each byte's contribution is
    // looked up already advanced over the bytes that follow it in the block.
    while (left >= 16) {
        const std::uint32_t a = LoadLittleEndian(p) ^ crc;
        const std::uint32_t b = LoadLittleEndian(p + 4);
        const std::uint32_t c = LoadLittleEndian(p + 8);
        const std::uint32_t d = LoadLittleEndian(p + 12);
        crc = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^ t[11][b & 0xFF] ^
              t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^ t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^
              t[5][(c >> 16) & 0xFF] ^ t[4][c >> 24] ^ t[3][d & 0xFF] ^ t[2][(d >> 8) & 0xFF] ^ t[1][(d >> 16) & 0xFF] ^
              t[0][d >> 24];
        p += 16;
        left -= 16;
    }
    while (left-- > 0) crc = t[0][(crc ^ *p++) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

}  // namespace plivant
