// The start-up list reader on an arbitrary "mount.ini": a hidden list when the file is hidden or system; an ANSI file's
// lines as SplitLines gives them; a Unicode file's lines brought into the (simulated, Western) ANSI code page,
// which read the same when written again in UTF-8 or UTF-16; each line's parse consistent with the line; a save
// read back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"
#include "state/StartupList.h"
#include "state/TextEncoding.h"
#include "state/TextLines.h"

namespace {

using namespace plivant;
constexpr const char* kFolder = "C:\\Apps\\Plivant\\";
constexpr const char* kFile = "C:\\Apps\\Plivant\\mount.ini";

// The character of each Western byte, found by asking the code page about every UTF-16 unit.
const std::array<char16_t, 256>& WesternCharacters() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> characters{};
        platform::sim::SimCodePage codePage;
        for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
            const char16_t one = static_cast<char16_t>(unit);
            if (const auto ansi = codePage.FromUtf16(std::u16string_view(&one, 1)))
                characters[static_cast<unsigned char>(ansi->at(0))] = one;
        }
        return characters;
    }();
    return table;
}

std::string Encode(const std::vector<std::string>& lines, TextEncoding encoding) {
    std::string bytes = encoding == TextEncoding::Utf8      ? "\xEF\xBB\xBF"
                        : encoding == TextEncoding::Utf16Le ? "\xFF\xFE"
                                                            : "\xFE\xFF";
    for (const char byte : JoinLines(lines)) {
        const char16_t c = WesternCharacters()[static_cast<unsigned char>(byte)];
        if (encoding == TextEncoding::Utf16Le)
            bytes.append({static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)});
        else if (encoding == TextEncoding::Utf16Be)
            bytes.append({static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)});
        else if (c < 0x80)
            bytes.push_back(static_cast<char>(c));
        else if (c < 0x800)
            bytes.append({static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))});
        else
            bytes.append({static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                          static_cast<char>(0x80 | (c & 0x3F))});
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto attributes = in.ConsumeIntegral<std::uint8_t>() &
                            (win::kFileAttributeReadOnly | win::kFileAttributeHidden | win::kFileAttributeSystem);
    const std::string content = in.ConsumeRemainingBytesAsString();

    platform::sim::SimFileSystem files;
    platform::sim::SimCodePage codePage;
    files.AddVolume('C');
    files.AddFile(kFile, content, attributes);
    const StartupListContent read = ReadStartupList(files, codePage, kFolder);
    const bool visible = (attributes & (win::kFileAttributeHidden | win::kFileAttributeSystem)) == 0;
    if (!visible) {
        FUZZ_CHECK(read.state == ListFileState::Hidden && read.lines.empty());
        return 0;
    }
    const TextEncoding encoding = DetectEncoding(content).encoding;
    if (encoding == TextEncoding::Ansi)
        FUZZ_CHECK(read.state == ListFileState::Read && read.lines == SplitLines(content));
    else
        FUZZ_CHECK(read.state == ListFileState::Read || read.state == ListFileState::Partial);

    for (const auto& line : read.lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        const auto pair = ParseStartupLine(line);
        if (pair)
            FUZZ_CHECK(
                line.compare(0, pair->drive.size() + 1 + pair->folder.size(), pair->drive + '\t' + pair->folder) == 0);
        else
            FUZZ_CHECK(line.find('\t') == std::string::npos);
    }

    for (const TextEncoding unicode : {TextEncoding::Utf8, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        files.AddFile(kFile, Encode(read.lines, unicode));
        const StartupListContent again = ReadStartupList(files, codePage, kFolder);
        FUZZ_CHECK(again.state == ListFileState::Read && again.lines == read.lines);
    }

    // The ANSI text that the editor writes back reads the same, unless it happens to be well-formed UTF-8 with a
    // multi-byte sequence (or to begin with a mark), which a file without a mark cannot tell from ANSI.
    files.SetAttributes(kFile, attributes);
    const std::string saved = JoinLines(read.lines);
    if ((attributes & win::kFileAttributeReadOnly) == 0 && DetectEncoding(saved).encoding == TextEncoding::Ansi &&
        SaveStartupList(files, kFolder, read.lines)) {
        const StartupListContent again = ReadStartupList(files, codePage, kFolder);
        FUZZ_CHECK(again.state == ListFileState::Read && again.lines == read.lines);
    }
    return 0;
}
