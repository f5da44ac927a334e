// A scripted process: what the platform says about this run; ending it throws ProcessEnded, which
// EndsTheProcess catches for the test that runs the program.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/Process.h"
#include "platform/sim/SimCodePage.h"
#include "util/ErrorPolicy.h"

namespace plivant::platform::sim {

class SimProcess final : public IProcess {
public:
    bool PreviousInstanceRunning() override { return previousInstance; }
    std::u16string CommandLineArguments() override { return Wide(commandLine); }
    std::u16string ProgramFolder() override { return Wide(programFolder); }
    VersionNumbers Version() override { return version; }
    [[noreturn]] void EndProcess() override { throw ProcessEnded{}; }
    bool ComputerName(char* buffer, uint32_t* size) override {
        if (computerName.size() + 1 > *size) return false;
        std::memcpy(buffer, computerName.c_str(), computerName.size() + 1);
        *size = static_cast<uint32_t>(computerName.size());
        return true;
    }

    bool previousInstance = false;
    std::string commandLine;  // in UTF-8, or bytes that are no UTF-8 as Windows-1252 characters
    std::string programFolder = "C:\\Program Files\\Plivant";
    VersionNumbers version{1, 0, 0};
    std::string computerName = "BUILDHOST";
};

// Runs a routine of the program (Main, a click); true when it ended the process.
template <typename Routine>
bool EndsTheProcess(Routine&& routine) {
    try {
        routine();
        return false;
    } catch (const ProcessEnded&) {
        return true;
    }
}

}  // namespace plivant::platform::sim
