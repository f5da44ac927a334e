// Port: the system's case mapping of ANSI text, which follows the ANSI code page.
#pragma once
#include <string>

#include "util/Text.h"

namespace plivant::platform {

class ITextCase {
public:
    virtual ~ITextCase() = default;
    // CharLowerBuffA: every letter of the ANSI code page in lower case, every other byte (NUL included) as it
    // stands.
    virtual std::string Lower(std::string text) = 0;
};

// The letters A to Z only: the simulated machine's rule, and the one a port without the system's tables falls
// back to.
class AsciiTextCase final : public ITextCase {
public:
    std::string Lower(std::string text) override {
        for (char& c : text) c = text::ToLowerAscii(c);
        return text;
    }
};

}  // namespace plivant::platform
