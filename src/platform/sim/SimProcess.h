// A scripted process: what the platform says about this run, and a record of the request to end it.
#pragma once
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

    bool previousInstance = false;
    std::string commandLine;
    std::string programFolder = "C:\\Program Files\\Plivant";
    VersionNumbers version{1, 0, 0};
    int endRequests = 0;
};

}  // namespace plivant::platform::sim
