// Decrypting arbitrary text with an arbitrary key, plain or hex: no fault, and the length the frame implies.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "util/DS2.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static plivant::DS2 cipher([] { return std::uint8_t{1}; });
    FuzzedDataProvider in(data, size);
    const bool hex = in.ConsumeBool();
    const std::string key = in.ConsumeRandomLengthString(64);
    const std::string original = in.ConsumeRemainingBytesAsString();

    std::string text = original;
    const std::string plain = cipher.DecryptString(text, key, hex);
    const std::size_t decoded = hex ? (original.size() + 1) / 2 : original.size();
    FUZZ_CHECK(text.size() == decoded);
    FUZZ_CHECK(plain.size() == (decoded >= 5 ? decoded - 5 : 0));
    return 0;
}
