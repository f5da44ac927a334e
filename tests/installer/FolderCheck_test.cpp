// The installer's folder check (installer/Plivant.nsi, CheckFolder) as Windows answers its code-page conversions: in
// UTF-8 where Windows honours the program's UTF-8 process code page (build 18362 and later) or its ANSI code page is
// UTF-8, else in Windows-1252. Wine accepts flags that Windows refuses with UTF-8, so the calls are read from the
// script and made on the simulated conversions, which refuse them as Windows does.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "platform/sim/SimCodePage.h"

namespace plivant {
namespace {

struct Conversions {
    std::vector<platform::sim::WideToAnsi> toAnsi;
    std::vector<uint32_t> toWide;
    bool byRoute = true;  // every call converts in the code page the script chose: UTF-8 from build 18362 on
};

// Every conversion CheckFolder calls, with its flags and whether it passes the default-character pointers.
Conversions ReadCheckFolder() {
    const std::string script =
        (std::stringstream() << std::ifstream(PLIVANT_SOURCE_DIR "/installer/Plivant.nsi").rdbuf()).str();
    const size_t start = script.find("Function CheckFolder");
    const std::string body = script.substr(start, script.find("FunctionEnd", start) - start);
    Conversions found;
    const std::regex call(R"(kernel32::(WideCharToMultiByte|MultiByteToWideChar)\(i (\w+), i (\w+), ([^)]*)\))");
    found.byRoute =
        std::regex_search(body, std::regex(R"(StrCpy \$5 0\s+\$\{If\} \$\{AtLeastBuild\} 18362\s+StrCpy \$5 65001)"));
    for (std::sregex_iterator it(body.begin(), body.end(), call), end; it != end; ++it) {
        found.byRoute = found.byRoute && (*it)[2] == "r5";
        const uint32_t flags = static_cast<uint32_t>(std::stoul((*it)[3], nullptr, 0));
        if ((*it)[1] == "MultiByteToWideChar") {
            found.toWide.push_back(flags);
            continue;
        }
        std::vector<std::string> args;  // text, length, buffer, size, default character, used-default flag
        std::stringstream list((*it)[4]);
        for (std::string arg; std::getline(list, arg, ',');) args.push_back(arg.substr(arg.find_first_not_of(' ')));
        found.toAnsi.push_back({flags, args.at(4) != "p 0", args.at(5) != "p 0"});
    }
    return found;
}

// What CheckFolder decides: the folder comes back unchanged from the ANSI code page.
bool Accepted(const Conversions& check, unsigned codePage, const std::u16string& folder) {
    std::optional<std::string> ansi;
    for (const auto& call : check.toAnsi)
        if (!(ansi = platform::sim::WideCharToMultiByte(codePage, call, folder))) return false;
    for (const uint32_t flags : check.toWide)
        if (platform::sim::MultiByteToWideChar(codePage, flags, ansi.value_or("")) != folder) return false;
    return ansi && !check.toWide.empty();
}

TEST(InstallerFolderCheck, AcceptsWhatComesBackFromTheAnsiCodePageWithWesternAndWithUtf8) {
    const Conversions check = ReadCheckFolder();
    ASSERT_FALSE(check.toAnsi.empty());
    EXPECT_TRUE(check.byRoute);
    const std::tuple<std::u16string, bool, bool> cases[] = {
        // folder, accepted with 1252, with UTF-8
        {u"C:\\Users\\Ana\\AppData\\Local\\Programs\\Plivant", true, true},
        {u"C:\\Caf\u00e9 \u20ac\\Plivant", true, true},
        {u"C:\\\u03a9\u03bc\u03ad\u03b3\u03b1\\Plivant", false, true},
        {u"C:\\Data\u221e", false, true},  // best fit: "C:\Data8"
        {u"C:\\\xd800", false, false}};    // a lone surrogate has no form anywhere
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [folder, western, utf8] = cases[i];
        EXPECT_EQ(std::pair(Accepted(check, 1252, folder), Accepted(check, 65001, folder)), std::pair(western, utf8))
            << "case " << i;
    }
}

}  // namespace
}  // namespace plivant
