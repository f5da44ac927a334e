// The history reader on an arbitrary "Plivant.ini", with UTF-8 or Windows-1252 as the process code page: an unmarked
// file's every line where the process code page is UTF-8, and an appended folder (a text of the process code page)
// read back as the last line when the file ended with a line end.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "platform/sim/SimPlatform.h"
#include "state/History.h"
#include "state/TextEncoding.h"
#include "state/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plivant;
    FuzzedDataProvider in(data, size);
    platform::sim::SimCodePage page;
    page.utf8 = in.ConsumeBool();
    const std::string folder = in.ConsumeRandomLengthString(300);
    const std::string content = in.ConsumeRemainingBytesAsString();
    constexpr const char* kFolder = "C:\\Apps\\Plivant\\";

    platform::sim::SimFileSystem files;
    files.UseCodePage(page);
    files.AddVolume('C');
    files.AddFile("C:\\Apps\\Plivant\\Plivant.ini", content);
    auto lines = LoadHistory(files, page, kFolder);
    const bool unmarked = DetectEncoding(content).encoding == TextEncoding::Unmarked;
    FUZZ_CHECK(!page.utf8 || !unmarked || lines.size() == SplitLines(content).size());

    const bool endsLine = content.empty() || content.back() == '\n' || content.back() == '\r';
    // The program's texts are well-formed in UTF-8; a first line that begins with U+FEFF is read as the file's mark.
    const bool text = !page.utf8 || (Utf8ToUtf16(folder) && !(content.empty() && folder.starts_with("\xEF\xBB\xBF")));
    if (unmarked && endsLine && text && folder.find_first_of("\r\n") == std::string::npos &&
        AppendHistory(files, page, kFolder, folder)) {
        lines.push_back(folder);
        FUZZ_CHECK(LoadHistory(files, page, kFolder) == lines);
    }
    FUZZ_CHECK(ClearHistory(files, kFolder));
    FUZZ_CHECK(LoadHistory(files, page, kFolder).empty());
    return 0;
}
