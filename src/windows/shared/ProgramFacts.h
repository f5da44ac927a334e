// The program's facts, kept in this one place: its title (the About window, the message boxes that carry no
// title of their own), its maker (the help text's closing line, the About window's link), the maker's web
// address (the link's target) and the text of its version (the splash and the About window).
#pragma once
#include <string>

#include "platform/Process.h"

namespace plivant {

// The version as major.minor.revision.
inline std::string VersionNumbersText(const platform::VersionNumbers& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." + std::to_string(version.revision);
}

namespace facts {

// The application title: a build-time text that names the program.
inline constexpr const char* kProgramTitle = "Plivant";
// Not translated: a name.
inline constexpr const char* kMaker = "Corvinel";
inline constexpr const char* kMakerWebAddress = "https://corvinel.example/plivant/";

}  // namespace facts

}  // namespace plivant
