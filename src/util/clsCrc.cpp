// clsCrc: CRC-32 by tables, sixteen bytes per step, and on processors with carry-less multiplication by folding
// 64-byte blocks with constants derived from the same polynomial.
#include "util/clsCrc.h"

#include <stdexcept>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define PLIVANT_CRC_FOLDING 1
#endif

namespace plivant {

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;

std::uint32_t LoadLittleEndian(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// x^n mod P in the reflected bit order (bit 31 is x^0): each step multiplies by x, as one table step does.
std::uint32_t XPowerModP(int n) {
    std::uint32_t r = 0x80000000u;
    for (int i = 0; i < n; ++i) r = (r & 1) ? (r >> 1) ^ kPolynomial : r >> 1;
    return r;
}

std::uint64_t Reflect(std::uint64_t value, int bits) {
    std::uint64_t out = 0;
    for (int i = 0; i < bits; ++i) out |= ((value >> i) & 1) << (bits - 1 - i);
    return out;
}

#ifdef PLIVANT_CRC_FOLDING
// Folds len bytes (a multiple of 16, at least 64) into the register crc (not inverted) and returns it.
// Four 128-bit lanes are carried 512 bits forward per block, merged into one, carried 128 bits per remaining
// block, then reduced to 64 and to 32 bits (Barrett) in the reflected domain.
#define PLIVANT_FOLD_TARGET __attribute__((target("pclmul,sse4.1")))

PLIVANT_FOLD_TARGET __m128i Load(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// The lane carried forward by the distance the constants stand for, plus the next block.
PLIVANT_FOLD_TARGET __m128i FoldInto(__m128i lane, __m128i constants, __m128i next) {
    const __m128i low = _mm_clmulepi64_si128(lane, constants, 0x00);
    const __m128i high = _mm_clmulepi64_si128(lane, constants, 0x11);
    return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

PLIVANT_FOLD_TARGET std::uint32_t Fold(const std::uint8_t* buf, std::size_t len, std::uint32_t crc,
                                       const std::uint64_t* k) {
    const __m128i k1k2 = _mm_set_epi64x(static_cast<long long>(k[1]), static_cast<long long>(k[0]));
    const __m128i k3k4 = _mm_set_epi64x(static_cast<long long>(k[3]), static_cast<long long>(k[2]));
    const __m128i k5 = _mm_set_epi64x(0, static_cast<long long>(k[4]));
    const __m128i polyMu = _mm_set_epi64x(static_cast<long long>(k[6]), static_cast<long long>(k[5]));
    const __m128i mask32 = _mm_setr_epi32(-1, 0, -1, 0);

    __m128i x1 = _mm_xor_si128(Load(buf), _mm_cvtsi32_si128(static_cast<int>(crc)));
    __m128i x2 = Load(buf + 16);
    __m128i x3 = Load(buf + 32);
    __m128i x4 = Load(buf + 48);
    buf += 64;
    len -= 64;
    while (len >= 64) {
        x1 = FoldInto(x1, k1k2, Load(buf));
        x2 = FoldInto(x2, k1k2, Load(buf + 16));
        x3 = FoldInto(x3, k1k2, Load(buf + 32));
        x4 = FoldInto(x4, k1k2, Load(buf + 48));
        buf += 64;
        len -= 64;
    }
    x1 = FoldInto(x1, k3k4, x2);
    x1 = FoldInto(x1, k3k4, x3);
    x1 = FoldInto(x1, k3k4, x4);
    while (len >= 16) {
        x1 = FoldInto(x1, k3k4, Load(buf));
        buf += 16;
        len -= 16;
    }
    // 128 to 64 bits.
    __m128i x2r = _mm_clmulepi64_si128(x1, k3k4, 0x10);
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), x2r);
    x2r = _mm_srli_si128(x1, 4);
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, mask32), k5, 0x00), x2r);
    // Barrett reduction to 32 bits.
    x2r = _mm_clmulepi64_si128(_mm_and_si128(x1, mask32), polyMu, 0x10);
    x2r = _mm_clmulepi64_si128(_mm_and_si128(x2r, mask32), polyMu, 0x00);
    x1 = _mm_xor_si128(x1, x2r);
    return static_cast<std::uint32_t>(_mm_extract_epi32(x1, 1));
}

bool CanFold() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
}
#endif

}  // namespace

clsCrc::clsCrc() {
    BuildTable();
    BuildFoldConstants();
}

void clsCrc::BuildFoldConstants() {
    // Carrying a 64-bit half forward by n bits multiplies it by x^n mod P; the constants are those remainders
    // for the distances the folding uses (512 and 128 bits, each side of a half, and 64), shifted into place.
    const int distances[] = {4 * 128 + 32, 4 * 128 - 32, 128 + 32, 128 - 32, 64};
    for (std::size_t i = 0; i < 5; ++i) m_Fold[i] = static_cast<std::uint64_t>(XPowerModP(distances[i])) << 1;
    // P itself and floor(x^64 / P), both over 33 bits, for the Barrett step.
    const std::uint64_t p = Reflect(kPolynomial, 32) | (std::uint64_t{1} << 32);
    std::uint64_t quotient = 0;
    std::uint64_t rest = 0;  // long division of x^64 by P, one bit of x^64 at a time
    for (int bit = 64; bit >= 0; --bit) {
        rest = (rest << 1) | (bit == 64 ? 1 : 0);
        quotient <<= 1;
        if (rest >> 32) {
            rest ^= p;
            quotient |= 1;
        }
    }
    m_Fold[5] = Reflect(p, 33);
    m_Fold[6] = Reflect(quotient, 33);
#ifdef PLIVANT_CRC_FOLDING
    m_CanFold = CanFold();
#endif
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
#ifdef PLIVANT_CRC_FOLDING
    if (m_CanFold && left >= 64) {
        const std::size_t blocks = left & ~std::size_t{15};
        crc = Fold(p, blocks, crc, m_Fold.data());
        p += blocks;
        left -= blocks;
    }
#endif
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
