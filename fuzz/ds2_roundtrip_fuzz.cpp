// Encrypt then decrypt, with the frame bytes, key, text and hex choice all taken from the input: the text comes
// back, the ciphertext has the frame's length, and the byte and string forms agree.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "util/DS2.h"

namespace {

// This input's frame bytes, handed out in order; the cipher (built once: its tables are large) reads them here.
std::array<std::uint8_t, 5> g_frame{};
std::size_t g_next = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static plivant::DS2 cipher([] { return g_frame[g_next++ % g_frame.size()]; });
    FuzzedDataProvider in(data, size);
    for (auto& b : g_frame) b = in.ConsumeIntegralInRange<std::uint8_t>(1, 254);
    const bool hex = in.ConsumeBool();
    const std::string key = in.ConsumeRandomLengthString(40);
    const std::string text = in.ConsumeRemainingBytesAsString();

    g_next = 0;
    std::string secret = cipher.EncryptString(text, key, hex);
    FUZZ_CHECK(secret.size() == (hex ? 2 : 1) * (text.size() + 5));
    const std::string hexForm = secret;
    FUZZ_CHECK(cipher.DecryptString(secret, key, hex) == text);

    plivant::DS2::Bytes bytes(text.begin(), text.end());
    plivant::DS2::Bytes keyBytes(key.begin(), key.end());
    g_next = 0;
    cipher.EncryptByte(bytes, keyBytes);
    const std::string viaBytes(bytes.begin(), bytes.end());
    FUZZ_CHECK((hex ? cipher.EnHex(viaBytes) : viaBytes) == hexForm);
    plivant::DS2::Bytes again(key.begin(), key.end());
    cipher.DecryptByte(bytes, again);
    FUZZ_CHECK(std::string(bytes.begin(), bytes.end()) == text);
    return 0;
}
