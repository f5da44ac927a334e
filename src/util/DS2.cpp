// DS2: framing, the 16 chaining rounds in both directions, and the hex conversions.
#include "util/DS2.h"

#include <random>

#include "util/ErrorPolicy.h"

namespace plivant {

// Both tables are indexed [a * 256 + b]; each round step is then a handful of look-ups.
struct DS2::Tables {
    std::uint8_t xorOf[256 * 256];
    // (a + b) mod 255: the values run 0 to 254, never 255.
    std::uint8_t sumOf[256 * 256];

    Tables() {
        for (unsigned a = 0; a < 256; ++a)
            for (unsigned b = 0; b < 256; ++b) {
                xorOf[a * 256 + b] = static_cast<std::uint8_t>(a ^ b);
                sumOf[a * 256 + b] = static_cast<std::uint8_t>((a + b) % 255);
            }
    }
};

namespace {

constexpr int kRounds = 16;
constexpr std::size_t kFrontFrame = 3;
constexpr std::size_t kBackFrame = 2;
constexpr std::size_t kMinKey = 3;
constexpr std::size_t kBufferStep = 1024;

DS2::FrameByteSource SeededSource() {
    // Seeded once per object rather than from the clock at each call: two encryptions within one clock tick
    // would otherwise get the same frame.
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine] { return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 254)(*engine)); };
}

void NormaliseKey(DS2::Bytes& key) {
    if (key.size() < kMinKey) key.resize(kMinKey, 1);
}

DS2::Bytes ToBytes(std::string_view text) {
    return DS2::Bytes(text.begin(), text.end());
}

std::string ToText(const DS2::Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

DS2::DS2() : DS2(SeededSource()) {}

DS2::DS2(FrameByteSource frameBytes)
    : m_Tables(std::make_unique<const Tables>()), m_FrameBytes(std::move(frameBytes)) {}

DS2::~DS2() = default;

void DS2::Buffer::Reset(std::size_t expected) {
    bytes.clear();
    // Room for the whole output from the start: the 1024-byte steps then never move what is written.
    bytes.reserve(expected + kBufferStep + 1);
    bytes.resize(kBufferStep + 1);
    position = 0;
}

void DS2::Buffer::Append(std::string_view piece) {
    while (position + piece.size() > bytes.size()) bytes.resize(bytes.size() + kBufferStep);
    // Pieces are one or two characters: a plain loop beats a call to memcpy.
    for (const char c : piece) bytes[position++] = c;
}

std::string DS2::Buffer::Take() {
    bytes.resize(position);
    position = 0;
    return std::move(bytes);
}

void DS2::RaiseProgress(int round) {
    if (!Progress) return;
    // round / 16 * 100, to the nearest integer, halves to even.
    const int scaled = round * 100;
    int percent = scaled / kRounds;
    const int rest = scaled % kRounds;
    if (rest * 2 > kRounds || (rest * 2 == kRounds && percent % 2 == 1)) ++percent;
    Progress(static_cast<std::int16_t>(percent));
}

void DS2::RunRounds(Bytes& Data, const Bytes& Key, bool decrypt) {
    const std::uint8_t* x = m_Tables->xorOf;
    const std::uint8_t* s = m_Tables->sumOf;
    std::uint8_t* d = Data.data();
    const std::uint8_t* key = Key.data();
    const std::size_t L = Key.size() - 1;
    for (int round = 1; round <= kRounds; ++round) {
        if (Data.size() >= 2) {
            const std::size_t U = Data.size() - 1;
            if (!decrypt) {
                std::size_t p = 0;
                for (std::size_t i = 0; i < U; ++i) {
                    if (p == L) p = 0;
                    d[i] = x[d[i] * 256 + s[key[p] * 256 + d[i + 1]]];
                    d[i + 1] = x[d[i + 1] * 256 + d[i]];
                    d[i] = x[d[i] * 256 + s[key[p + 1] * 256 + d[i + 1]]];
                    ++p;
                }
            } else {
                // The same key walk backwards: position k uses the two key bytes that position k - 1 used
                // going forwards, in the opposite order.
                std::size_t q = U % L;
                for (std::size_t k = U; k >= 1; --k) {
                    if (q == 0) q = L;
                    d[k - 1] = x[d[k - 1] * 256 + s[key[q] * 256 + d[k]]];
                    d[k] = x[d[k] * 256 + d[k - 1]];
                    d[k - 1] = x[d[k - 1] * 256 + s[key[q - 1] * 256 + d[k]]];
                    --q;
                }
            }
        }
        RaiseProgress(round);
    }
}

DS2::Bytes& DS2::EncryptByte(Bytes& Data, Bytes& Key) {
    NormaliseKey(Key);
    Bytes framed;
    framed.reserve(Data.size() + kFrontFrame + kBackFrame);
    for (std::size_t i = 0; i < kFrontFrame; ++i) framed.push_back(m_FrameBytes());
    framed.insert(framed.end(), Data.begin(), Data.end());
    for (std::size_t i = 0; i < kBackFrame; ++i) framed.push_back(m_FrameBytes());
    Data = std::move(framed);
    RunRounds(Data, Key, false);
    return Data;
}

DS2::Bytes& DS2::DecryptByte(Bytes& Data, Bytes& Key) {
    NormaliseKey(Key);
    RunRounds(Data, Key, true);
    if (Data.size() < kFrontFrame + kBackFrame) {
        // Not even a whole frame: there is no text inside it.
        Data.clear();
    } else {
        Data.erase(Data.end() - kBackFrame, Data.end());
        Data.erase(Data.begin(), Data.begin() + kFrontFrame);
    }
    return Data;
}

std::string DS2::EncryptString(std::string_view Text, std::string_view Key, bool OutputInHex) {
    Bytes data;
    Bytes key;
    std::string result;
    SkipOnError([&] { data = ToBytes(Text); });
    SkipOnError([&] { key = ToBytes(Key); });
    SkipOnError([&] { EncryptByte(data, key); });
    SkipOnError([&] { result = ToText(data); });
    if (OutputInHex) SkipOnError([&] { result = EnHex(result); });
    return result;
}

std::string DS2::DecryptString(std::string& Text, std::string_view Key, bool IsTextInHex) {
    if (IsTextInHex) SkipOnError([&] { Text = DeHex(Text); });
    Bytes data;
    Bytes key;
    std::string result;
    SkipOnError([&] { data = ToBytes(Text); });
    SkipOnError([&] { key = ToBytes(Key); });
    SkipOnError([&] { DecryptByte(data, key); });
    SkipOnError([&] { result = ToText(data); });
    return result;
}

std::string DS2::EnHex(std::string_view Text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    OutputBuffer.Reset(2 * Text.size());
    for (const char c : Text) {
        const auto byte = static_cast<unsigned char>(c);
        const char pair[2] = {kDigits[byte >> 4], kDigits[byte & 0xF]};
        OutputBuffer.Append(std::string_view(pair, 2));
    }
    return OutputBuffer.Take();
}

std::string DS2::DeHex(std::string_view Text) {
    OutputBuffer.Reset(Text.size() / 2 + 1);
    for (std::size_t i = 0; i < Text.size(); i += 2) {
        int value = 0;
        for (std::size_t j = i; j < i + 2 && j < Text.size(); ++j) {
            const int digit = HexDigitValue(Text[j]);
            if (digit < 0) break;
            value = value * 16 + digit;
        }
        const char byte = static_cast<char>(value);
        OutputBuffer.Append(std::string_view(&byte, 1));
    }
    return OutputBuffer.Take();
}

}  // namespace plivant
