// clsCrc: the standard CRC-32 (reflected polynomial 0xEDB88320, as zlib and IEEE 802.3 compute it).
#pragma once
#include <array>
#include <cstdint>
#include <span>

namespace plivant {

class clsCrc {
public:
    clsCrc();

    // The CRC-32 of the first lLen bytes of bArrayIn, continuing from lcrc (0 to start afresh; the result of
    // the previous piece to go on), so that pieces fed in order give the checksum of the whole.
    // lLen is a byte count: bytes 0 to lLen - 1 are read. lLen = 0 returns 0 whatever lcrc holds, so a caller
    // chaining pieces must not pass an empty one; a negative lLen returns lcrc unchanged.
    // Throws std::out_of_range, before reading anything, when lLen exceeds the array's size.
    std::uint32_t CRC32(std::span<const std::uint8_t> bArrayIn, std::int32_t lLen, std::uint32_t lcrc) const;

private:
    void BuildTable();
    void BuildFoldConstants();

    // m_Table[0] is the byte-at-a-time table; m_Table[k][b] advances b through k further zero bytes, which
    // lets the loop fold sixteen bytes per step with the same result.
    std::array<std::array<std::uint32_t, 256>, 16> m_Table{};
    // Constants for folding whole blocks with carry-less multiplication, where the processor has it.
    std::array<std::uint64_t, 7> m_Fold{};
    bool m_CanFold = false;
};

}  // namespace plivant
