// Hex decoding of arbitrary text (seen through DecryptString's decoded side effect): one byte per pair, an odd
// final digit alone, and valid hex read back by EnHex as the same digits in upper case.
#include <cctype>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "util/DS2.h"

namespace {

int DigitValue(char c) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return -1;
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                       : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static plivant::DS2 cipher([] { return std::uint8_t{1}; });
    const std::string original(reinterpret_cast<const char*>(data), size);
    std::string text = original;
    cipher.DecryptString(text, "k", true);
    FUZZ_CHECK(text.size() == (size + 1) / 2);

    for (std::size_t i = 0; i < size; i += 2) {
        const int high = DigitValue(original[i]);
        const int low = i + 1 < size ? DigitValue(original[i + 1]) : -2;
        const auto byte = static_cast<unsigned char>(text[i / 2]);
        if (high < 0) {
            FUZZ_CHECK(byte == 0);
        } else if (low == -2 || low == -1) {
            FUZZ_CHECK(byte == high);
        } else {
            FUZZ_CHECK(byte == high * 16 + low);
        }
    }

    bool allHex = true;
    for (const char c : original) allHex = allHex && DigitValue(c) >= 0;
    if (allHex && size % 2 == 0) {
        std::string upper = original;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        FUZZ_CHECK(cipher.EnHex(text) == upper);
    }
    return 0;
}
