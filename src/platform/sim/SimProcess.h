// A scripted process: what the platform says about this run, and a record of the request to end it.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/Process.h"

namespace plivant::platform::sim {

class SimProcess final : public IProcess {
public:
    bool PreviousInstanceRunning() override { return previousInstance; }
    std::string CommandLineArguments() override { return commandLine; }
    std::string ProgramFolder() override { return programFolder; }
    VersionNumbers Version() override { return version; }
    void EndProcess() override { ++endRequests; }
    bool ComputerName(char* buffer, uint32_t* size) override {
        if (computerName.size() + 1 > *size) return false;
        std::memcpy(buffer, computerName.c_str(), computerName.size() + 1);
        *size = static_cast<uint32_t>(computerName.size());
        return true;
    }

    bool previousInstance = false;
    std::string commandLine;
    std::string programFolder = "C:\\Program Files\\Plivant";
    VersionNumbers version{1, 0, 0};
    int endRequests = 0;
    std::string computerName = "BUILDHOST";
};

}  // namespace plivant::platform::sim
