// The program's facts, kept in this one place: its title (the About window, the message boxes that carry no
// title of their own), its maker (the help text's closing line, the About window's link) and the maker's web
// address (the link's target).
#pragma once

namespace plivant::facts {

// The application title: a build-time text that names the program.
inline constexpr const char* kProgramTitle = "Plivant";
// Not translated: a name.
inline constexpr const char* kMaker = "Corvinel";
inline constexpr const char* kMakerWebAddress = "https://corvinel.example/plivant/";

}  // namespace plivant::facts
