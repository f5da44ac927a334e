// Port: the shell: opening a target with its associated program.
#pragma once
#include <cstdint>
#include <string>

namespace plivant::platform {

using WindowHandle = uintptr_t;

class IShell {
public:
    virtual ~IShell() = default;
    // ShellExecuteA; returns the value the system returned (greater than 32 on success).
    virtual intptr_t Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory, int32_t show) = 0;
};

}  // namespace plivant::platform
