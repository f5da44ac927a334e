// The start-up list reader on an arbitrary "mount.ini": the lines as SplitLines gives them (nothing when the
// file is hidden or system), each line's parse consistent with the line, and a save read back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"
#include "state/StartupList.h"
#include "state/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plivant;
    FuzzedDataProvider in(data, size);
    const auto attributes = in.ConsumeIntegral<std::uint8_t>() &
                            (win::FILE_ATTRIBUTE_READONLY | win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_SYSTEM);
    const std::string content = in.ConsumeRemainingBytesAsString();

    platform::sim::SimFileSystem files;
    files.AddVolume('C');
    files.AddFile("C:\\Apps\\Plivant\\mount.ini", content, attributes);
    const auto lines = LoadStartupList(files, "C:\\Apps\\Plivant\\");
    const bool visible = (attributes & (win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_SYSTEM)) == 0;
    FUZZ_CHECK(lines == (visible ? SplitLines(content) : std::vector<std::string>{}));

    for (const auto& line : lines) {
        const auto pair = ParseStartupLine(line);
        if (pair)
            FUZZ_CHECK(
                line.compare(0, pair->drive.size() + 1 + pair->folder.size(), pair->drive + '\t' + pair->folder) == 0);
        else
            FUZZ_CHECK(line.find('\t') == std::string::npos);
    }

    if (visible && (attributes & win::FILE_ATTRIBUTE_READONLY) == 0 &&
        SaveStartupList(files, "C:\\Apps\\Plivant\\", lines))
        FUZZ_CHECK(LoadStartupList(files, "C:\\Apps\\Plivant\\") == lines);
    return 0;
}
