// Port: the process itself: single instance, command line, program folder, version, ending.
#pragma once
#include <cstdint>
#include <string>

namespace plivant::platform {

struct VersionNumbers {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

class IProcess {
public:
    virtual ~IProcess() = default;
    // True when another instance of this program is already running.
    virtual bool PreviousInstanceRunning() = 0;
    // The argument text after the program's own name, exactly as the platform hands it over (in UTF-16, which any
    // folder's name fits).
    virtual std::u16string CommandLineArguments() = 0;
    // The folder that holds the program file, as the platform reports it (a trailing backslash or not), in UTF-16.
    virtual std::u16string ProgramFolder() = 0;
    virtual VersionNumbers Version() = 0;
    // GetComputerNameA: fills the buffer with the name and a terminating zero; size holds the buffer's size on
    // entry and the name's length on success.
    virtual bool ComputerName(char*, uint32_t*) { return false; }
    // Ends the process at once and never returns (a simulated process throws ProcessEnded instead).
    [[noreturn]] virtual void EndProcess() = 0;
};

}  // namespace plivant::platform
