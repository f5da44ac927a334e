// The entry routine with an arbitrary command line and start-up list: no fault, and the dispatch the command
// line asks for (which windows open, whether the process ends, whether anything is mapped).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "platform/sim/SimPlatform.h"
#include "startup/modMain.h"
#include "state/TextEncoding.h"

namespace {

class RecordedWindows final : public plivant::StartupWindows {
public:
    void ShowSplash() override { shown.push_back("splash"); }
    void ShowMainWindowWithPath(const std::string& path) override { shown.push_back("main:" + path); }
    void ShowMainWindowWithMountDisabled(bool refused) override {
        shown.push_back(refused ? "main:refused" : "main:disabled");
    }
    std::vector<std::string> shown;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using plivant::platform::sim::SimPlatform;
    FuzzedDataProvider in(data, size);
    SimPlatform machine;
    machine.process.previousInstance = in.ConsumeIntegralInRange<int>(0, 15) == 0;
    machine.process.commandLine = in.ConsumeRandomLengthString(300);
    machine.process.programFolder = "C:\\Apps\\Plivant";
    machine.files.AddVolume('C');
    machine.files.AddFolder("C:\\Data");
    machine.files.AddFolder("C:\\Program Files\\My Data");
    machine.files.AddFile("C:\\Apps\\Plivant\\mount.ini", in.ConsumeRemainingBytesAsString());
    machine.dosDevices.AddLocal("X:", "\\??\\C:\\Data");

    RecordedWindows windows;
    auto ports = machine.Ports();
    const bool ended = plivant::platform::sim::EndsTheProcess([&] { plivant::Main(ports, windows); });

    // The text the program took: the command line itself where it is UTF-8 (the process code page), else the characters
    // the simulated system read in its bytes.
    const std::string& commandLine =
        machine.process.previousInstance ? machine.process.commandLine : plivant::CommandLine();
    FUZZ_CHECK(machine.process.previousInstance || !plivant::Utf8ToUtf16(machine.process.commandLine) ||
               commandLine == machine.process.commandLine);
    std::vector<std::string> expected;
    bool ends = false;
    if (machine.process.previousInstance) {
        ends = true;
    } else {
        expected.push_back("splash");
        if (commandLine == "/ini") {
        } else if (!commandLine.empty() && commandLine.front() == '-') {
            ends = true;
        } else {
            expected.push_back(commandLine.empty() ? "main:disabled" : "main:" + commandLine);
        }
    }
    FUZZ_CHECK(windows.shown == expected);
    FUZZ_CHECK(ended == ends);
    const bool mayMap = !machine.process.previousInstance &&
                        (commandLine == "/ini" || (!commandLine.empty() && commandLine.front() == '-'));
    FUZZ_CHECK(mayMap || machine.dosDevices.DefineCalls().empty());
    return 0;
}
