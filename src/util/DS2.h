// DS2: a symmetric byte-chaining cipher with a random frame, on texts (plain or hexadecimal) and byte arrays.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plivant {

class DS2 {
public:
    using Bytes = std::vector<std::uint8_t>;
    // Gives one frame byte, 1 to 254, each time it is called.
    using FrameByteSource = std::function<std::uint8_t()>;

    // Frame bytes from a generator seeded once, when the object is made, from the system's random source.
    DS2();
    // Frame bytes from the given source (tests and fuzzers make the frame predictable this way).
    explicit DS2(FrameByteSource frameBytes);
    ~DS2();
    DS2(const DS2&) = delete;
    DS2& operator=(const DS2&) = delete;

    // Raised after each of the 16 rounds of a transform with the percentage of rounds done.
    std::function<void(std::int16_t Percent)> Progress;

    // The text's bytes framed and enciphered: n + 5 bytes, or 2 * (n + 5) upper-case hex digits.
    std::string EncryptString(std::string_view Text, std::string_view Key = {}, bool OutputInHex = false);
    // The inverse. With IsTextInHex, Text is first replaced by its hex decoding (the caller sees it decoded):
    // pairs of digits from the start, an odd final digit read alone, each pair's value read from its leading
    // hex digits (a character that is not one ends the number, so "G1" gives 0 and "1G" gives 1).
    // A text shorter than the five frame bytes decrypts to an empty text.
    std::string DecryptString(std::string& Text, std::string_view Key = {}, bool IsTextInHex = false);

    // Transform Data in place and return it. A key shorter than three bytes is padded in place with bytes of
    // value 1 to exactly three.
    Bytes& EncryptByte(Bytes& Data, Bytes& Key);
    Bytes& DecryptByte(Bytes& Data, Bytes& Key);

    // Each character as two upper-case hex digits of its byte value.
    std::string EnHex(std::string_view Text);

private:
    struct Tables;
    // The hex conversions' output: its logical size grows by 1024 bytes whenever an append would not fit.
    struct Buffer {
        std::string bytes;
        std::size_t position = 0;
        // Empties the buffer; expected is the output's final length, when known, to size it once.
        void Reset(std::size_t expected);
        void Append(std::string_view piece);
        // The written bytes; the buffer is left empty.
        std::string Take();
    };

    std::string DeHex(std::string_view Text);
    void RunRounds(Bytes& Data, const Bytes& Key, bool decrypt);
    void RaiseProgress(int round);

    std::unique_ptr<const Tables> m_Tables;
    FrameByteSource m_FrameBytes;
    Buffer OutputBuffer;
};

}  // namespace plivant
