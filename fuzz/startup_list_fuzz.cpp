// The start-up list reader on an arbitrary "mount.ini", with UTF-8 or Windows-1252 as the process code page: a hidden
// list when the file is hidden or system; an unmarked file's every line where the process code page is UTF-8; the
// lines read the same when written again in UTF-8 or UTF-16 with a mark; each line's parse consistent with the line;
// a save read back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

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

std::string Encode(platform::ICodePage& page, const std::vector<std::string>& lines, TextEncoding encoding) {
    std::string bytes = encoding == TextEncoding::Utf8      ? "\xEF\xBB\xBF"
                        : encoding == TextEncoding::Utf16Le ? "\xFF\xFE"
                                                            : "\xFE\xFF";
    for (const auto& line : lines) {
        const std::u16string text = page.ToUtf16(platform::Page::Process, line) + u"\r\n";
        if (encoding == TextEncoding::Utf8) bytes += Utf16ToUtf8(text);
        for (const char16_t c : encoding == TextEncoding::Utf8 ? u"" : text) {
            const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
            bytes.append(encoding == TextEncoding::Utf16Le ? std::string{low, high} : std::string{high, low});
        }
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto attributes = in.ConsumeIntegral<std::uint8_t>() &
                            (win::kFileAttributeReadOnly | win::kFileAttributeHidden | win::kFileAttributeSystem);
    platform::sim::SimCodePage codePage;
    codePage.utf8 = in.ConsumeBool();
    const std::string content = in.ConsumeRemainingBytesAsString();

    platform::sim::SimFileSystem files;
    files.UseCodePage(codePage);
    files.AddVolume('C');
    files.AddFile(kFile, content, attributes);
    const StartupListContent read = ReadStartupList(files, codePage, kFolder);
    const bool visible = (attributes & (win::kFileAttributeHidden | win::kFileAttributeSystem)) == 0;
    if (!visible) {
        FUZZ_CHECK(read.state == ListFileState::Hidden && read.lines.empty());
        return 0;
    }
    if (codePage.utf8 && DetectEncoding(content).encoding == TextEncoding::Unmarked)
        FUZZ_CHECK(read.state == ListFileState::Read && read.lines.size() == SplitLines(content).size());
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
        files.AddFile(kFile, Encode(codePage, read.lines, unicode));
        const StartupListContent again = ReadStartupList(files, codePage, kFolder);
        FUZZ_CHECK(again.state == ListFileState::Read && again.lines == read.lines);
    }

    // What the editor writes back reads the same, unless its first line begins with U+FEFF, which is read as a mark.
    files.SetAttributes(kFile, attributes);
    const bool marked = !read.lines.empty() && read.lines[0].starts_with("\xEF\xBB\xBF") && codePage.utf8;
    if ((attributes & win::kFileAttributeReadOnly) == 0 && !marked &&
        SaveStartupList(files, codePage, kFolder, read.lines)) {
        const StartupListContent again = ReadStartupList(files, codePage, kFolder);
        FUZZ_CHECK(again.state == ListFileState::Read && again.lines == read.lines);
    }
    return 0;
}
