// A shell that records what it was asked to open and answers with a scripted value.
#pragma once
#include <string>
#include <vector>

#include "platform/Shell.h"
#include "platform/sim/SimWindowing.h"

namespace plivant::platform::sim {

class SimShell final : public IShell {
public:
    struct Call {
        WindowHandle owner;
        std::string verb, file, parameters, directory;
        int32_t show;
    };
    intptr_t Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                          const std::string& parameters, const std::string& directory, int32_t show) override {
        executed.push_back({owner, verb, file, parameters, directory, show});
        return result;
    }
    std::vector<Call> executed;
    intptr_t result = 42;
};

}  // namespace plivant::platform::sim
