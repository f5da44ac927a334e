// The history reader on an arbitrary "Plivant.ini": the lines as SplitLines gives them, and an appended folder
// read back as the last line when the file ended with a line end.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "platform/sim/SimPlatform.h"
#include "state/History.h"
#include "state/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plivant;
    FuzzedDataProvider in(data, size);
    const std::string folder = in.ConsumeRandomLengthString(300);
    const std::string content = in.ConsumeRemainingBytesAsString();

    platform::sim::SimFileSystem files;
    files.AddVolume('C');
    files.AddFile("C:\\Apps\\Plivant\\Plivant.ini", content);
    auto lines = LoadHistory(files, "C:\\Apps\\Plivant\\");
    FUZZ_CHECK(lines == SplitLines(content));

    const bool endsLine = content.empty() || content.back() == '\n' || content.back() == '\r';
    if (endsLine && folder.find_first_of("\r\n") == std::string::npos &&
        AppendHistory(files, "C:\\Apps\\Plivant\\", folder)) {
        lines.push_back(folder);
        FUZZ_CHECK(LoadHistory(files, "C:\\Apps\\Plivant\\") == lines);
    }
    FUZZ_CHECK(ClearHistory(files, "C:\\Apps\\Plivant\\"));
    FUZZ_CHECK(LoadHistory(files, "C:\\Apps\\Plivant\\").empty());
    return 0;
}
