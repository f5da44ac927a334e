// Whole runs of Plivant.exe: the start-up run, the removal run, a second instance.
#include <gtest/gtest.h>

#include "WineSupport.h"
#include "platform/win32/Win32Platform.h"

namespace plivant::wine {
namespace {

// Plivant.exe copied into a folder of its own, so that its mount.ini is the test's.
class WholeRun : public testing::Test {
protected:
    void SetUp() override {
        program = installed / "Plivant.exe";
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\Plivant.exe").c_str(), program.c_str(), FALSE))
            << "Plivant.exe must stand beside the test program";
        data = folders / "My Data";
        temp = folders / "Temp";
        MakeFolder(data);
        MakeFolder(temp);
    }
    void TearDown() override {
        for (char letter : used) ForgetLetter(letter);
    }
    char Letter() {
        const char letter = FreeLetter(used);
        used.push_back(letter);
        return letter;
    }
    RunResult Run(const std::string& arguments) {
        const RunResult result = RunProgram(program, arguments);
        EXPECT_TRUE(result.finished) << "Plivant.exe " << arguments << " did not end";
        return result;
    }
    static std::string Name(char letter) { return std::string(1, letter) + ":"; }

    TempFolder installed, folders;
    std::string program, data, temp;
    std::string used;
};

TEST_F(WholeRun, StartupRunMapsExactlyTheValidLines) {
    const char e = Letter(), f = Letter(), g = Letter(), h = Letter();
    WriteBytes(installed / "mount.ini", std::string(1, e) + ":\t" + data + "\tignored\r\n" +  // mapped
                                            std::string(1, static_cast<char>(f + 32)) + ":\t" + temp + "\r\n" +
                                            std::string(1, g) + ":\t" + folders / "Missing" + "\r\n" +  // no folder
                                            std::string(1, h) + ": " + data + "\r\n" +                  // no TAB
                                            "\t" + data + "\r\n" +                                      // no letter
                                            "\r\n");
    Run("/ini");
    char shortData[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(data.c_str(), shortData, MAX_PATH), 0u);
    EXPECT_EQ(DeviceTargets(Name(e)), std::vector<std::string>{"\\??\\" + std::string(shortData)});
    EXPECT_EQ(DeviceTargets(Name(f)).size(), 1u);
    EXPECT_TRUE(DeviceTargets(Name(g)).empty());
    EXPECT_TRUE(DeviceTargets(Name(h)).empty());
    EXPECT_TRUE(DeviceTargets(":").empty());
    EXPECT_EQ(ReadBytes(installed / "Plivant.ini"), "<missing>") << "the start-up run writes no history";
}

std::wstring Wide(const std::string& ansi) {
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    return wide;
}

std::string Utf8Marked(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                                    static_cast<int>(utf8.size()), nullptr, nullptr));
    return "\xEF\xBB\xBF" + utf8;
}

// As Windows PowerShell 5 writes with ">": UTF-16 LE with its mark, CR LF after every line.
std::string Utf16LeMarked(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (const wchar_t c : text) bytes.append({static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)});
    return bytes;
}

struct EncodingCase {
    const char* name;
    std::string (*encode)(const std::wstring&);
};

void PrintTo(const EncodingCase& c, std::ostream* out) {
    *out << c.name;
}

class WholeRunEncodings : public WholeRun, public testing::WithParamInterface<EncodingCase> {};

TEST_P(WholeRunEncodings, StartupRunMapsEveryLineTheAnsiCodePageCanName) {
    const char e = Letter(), f = Letter(), g = Letter(), h = Letter();
    const std::wstring cafe = Wide(folders.Path()) + L"\\Caf\u00e9", script = Wide(folders.Path()) + L"\\\u4e00";
    ASSERT_TRUE(CreateDirectoryW(cafe.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(script.c_str(), nullptr));
    MakeFolder(folders / "Data8");  // what best fit would make of the name with the infinity sign
    const auto line = [](char letter, const std::wstring& folder) {
        return std::wstring(1, static_cast<wchar_t>(letter)) + L":\t" + folder + L"\r\n";
    };
    WriteBytes(installed / "mount.ini",
               GetParam().encode(line(e, Wide(data)) + line(f, cafe) + line(g, Wide(folders / "Data") + L"\u221e") +
                                 line(h, script)));
    Run("/ini");
    RemoveDirectoryW(script.c_str());  // the ANSI clean-up cannot name it
    char shortData[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(data.c_str(), shortData, MAX_PATH), 0u);
    EXPECT_EQ(DeviceTargets(Name(e)), std::vector<std::string>{"\\??\\" + std::string(shortData)});
    EXPECT_EQ(DeviceTargets(Name(f)).size(), 1u);
    EXPECT_TRUE(DeviceTargets(Name(g)).empty()) << DeviceTargets(Name(g)).front();
    EXPECT_TRUE(DeviceTargets(Name(h)).empty()) << DeviceTargets(Name(h)).front();
}

INSTANTIATE_TEST_SUITE_P(Files, WholeRunEncodings,
                         testing::Values(EncodingCase{"Utf8WithMark", Utf8Marked},
                                         EncodingCase{"Utf16LeAsPowerShellWritesIt", Utf16LeMarked}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(WholeRun, StartupRunWithoutAListOrWithAHiddenListMapsNothing) {
    const char e = Letter();
    Run("/ini");
    WriteBytes(installed / "mount.ini", std::string(1, e) + ":\t" + data + "\r\n");
    SetFileAttributesA((installed / "mount.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
    Run("/ini");
    EXPECT_TRUE(DeviceTargets(Name(e)).empty());
}

TEST_F(WholeRun, RemovalRunRemovesTheLetterInEitherCaseAndNothingElse) {
    const char x = Letter();
    const auto c = DeviceTargets("C:"), z = DeviceTargets("Z:");
    ASSERT_FALSE(c.empty());
    ASSERT_TRUE(DefineDosDeviceA(0, Name(x).c_str(), data.c_str()));
    for (const char* odd : {"-", "-\xe9", "-1", "-C", "-Z", "-c"}) Run(odd);  // the system's drives stay
    EXPECT_EQ(DeviceTargets(Name(x)).size(), 1u);
    EXPECT_EQ(DeviceTargets("C:"), c);
    EXPECT_EQ(DeviceTargets("Z:"), z);
    Run(std::string("-") + static_cast<char>(x + 32));
    EXPECT_TRUE(DeviceTargets(Name(x)).empty());
}

TEST_F(WholeRun, SecondInstanceEndsAtOnceAndTouchesNothing) {
    const char x = Letter(), e = Letter();
    ASSERT_TRUE(DefineDosDeviceA(0, Name(x).c_str(), data.c_str()));
    WriteBytes(installed / "mount.ini", std::string(1, e) + ":\t" + data + "\r\n");
    // A running instance is what holds the instance object.
    HANDLE running = CreateMutexA(nullptr, FALSE, platform::win32::kInstanceMutexName);
    ASSERT_NE(running, nullptr);
    const RunResult removal = Run(std::string("-") + x);
    const RunResult startup = Run("/ini");
    CloseHandle(running);
    EXPECT_EQ(DeviceTargets(Name(x)).size(), 1u);
    EXPECT_TRUE(DeviceTargets(Name(e)).empty());
    EXPECT_LT(removal.milliseconds, 10000u);
    EXPECT_LT(startup.milliseconds, 10000u);
    // Once the first instance is gone the same run works.
    Run(std::string("-") + x);
    EXPECT_TRUE(DeviceTargets(Name(x)).empty());
}

}  // namespace
}  // namespace plivant::wine
