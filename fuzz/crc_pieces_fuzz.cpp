// CRC-32 of arbitrary bytes cut into arbitrary non-empty pieces, chained through the initial value: equal to the
// checksum of the whole and to zlib's.
#include <fuzzer/FuzzedDataProvider.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "util/clsCrc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const plivant::clsCrc crc;
    FuzzedDataProvider in(data, size);
    const auto initial = in.ConsumeIntegral<std::uint32_t>();
    std::vector<std::size_t> lengths;
    for (int i = 0; i < 4 && in.remaining_bytes() > 0; ++i)
        lengths.push_back(in.ConsumeIntegralInRange<std::size_t>(1, 300));
    const std::vector<std::uint8_t> bytes = in.ConsumeRemainingBytes<std::uint8_t>();
    if (bytes.empty()) return 0;
    const std::span<const std::uint8_t> all(bytes);

    const auto whole = crc.CRC32(all, static_cast<std::int32_t>(all.size()), initial);
    FUZZ_CHECK(whole == static_cast<std::uint32_t>(::crc32(initial, bytes.data(), static_cast<uInt>(bytes.size()))));

    std::uint32_t chained = initial;
    std::size_t at = 0;
    for (std::size_t i = 0; at < all.size(); ++i) {
        const std::size_t length = i < lengths.size() ? std::min(lengths[i], all.size() - at) : all.size() - at;
        chained = crc.CRC32(all.subspan(at, length), static_cast<std::int32_t>(length), chained);
        at += length;
    }
    FUZZ_CHECK(chained == whole);
    return 0;
}
