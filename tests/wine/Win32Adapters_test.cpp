// The real ports and the engine on top of them, against the system's own API (Wine here).
#include <gtest/gtest.h>

#include <optional>

#include "Version.h"
#include "WineSupport.h"
#include "mapping/modFiles.h"
#include "mapping/mod_DriveInfo.h"
#include "mapping/mod_Subst.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32Platform.h"
#include "state/StartupList.h"
#include "state/UiStrings.h"
#include "state/modRegistry.h"
#include "util/Text.h"

namespace plivant::wine {
namespace {

using platform::win32::Win32DosDevices;
using platform::win32::Win32FileSystem;

bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

class DosDevicesAdapter : public testing::Test {
protected:
    void SetUp() override {
        letter = FreeLetter();
        ASSERT_NE(letter, 0);
        name = std::string(1, letter) + ":";
        one = folder / "One";
        two = folder / "Two";
        MakeFolder(one);
        MakeFolder(two);
    }
    void TearDown() override { ForgetLetter(letter); }

    Win32DosDevices devices;
    TempFolder folder;
    char letter = 0;
    std::string name, one, two;
};

TEST_F(DosDevicesAdapter, QueryReplyLayoutAndErrors) {
    std::string buffer(1024, ' ');
    SetLastError(0xdeadbeef);
    EXPECT_EQ(devices.Query(name, buffer.data(), 1024), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    ASSERT_TRUE(devices.Define(0, name, one));
    const uint32_t n = devices.Query(name, buffer.data(), 1024);
    const std::string expected = "\\??\\" + one + std::string(2, '\0');
    EXPECT_EQ(buffer.substr(0, n + 4), expected + "    ") << "the rest of the buffer is untouched";
    SetLastError(0xdeadbeef);
    EXPECT_EQ(devices.Query(name, buffer.data(), 4), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST_F(DosDevicesAdapter, EngineDefinesTellsReportsListsAndRemovesButNeverWithoutALetter) {
    EXPECT_FALSE(DefineDrive(devices, "", one, 0));
    EXPECT_FALSE(DefineDrive(devices, "1", one, 0));
    EXPECT_TRUE(DeviceTargets(":").empty() && DeviceTargets("1:").empty());
    EXPECT_EQ(GetDriveLetters(devices).find(letter), std::string::npos);
    ASSERT_TRUE(DefineDrive(devices, std::string(1, static_cast<char>(letter + 32)), one, 0));
    const std::string letters = GetDriveLetters(devices);
    EXPECT_NE(letters.find(letter), std::string::npos) << letters;
    EXPECT_NE(letters.find('C'), std::string::npos) << letters;
    EXPECT_EQ(letters.find_first_of(":\\ "), std::string::npos) << letters;
    EXPECT_TRUE(IsSubstDrive(devices, name));
    EXPECT_EQ(std::string(GetSubstPath(devices, name).c_str()), one);
    RemoveDrive(devices, std::string(1, letter));
    EXPECT_TRUE(DeviceTargets(name).empty());
    EXPECT_FALSE(IsSubstDrive(devices, name));
}

TEST_F(DosDevicesAdapter, StackedDefinitionsAreClearedInOneRemoval) {
    ASSERT_TRUE(DefineDrive(devices, name, one, 0));
    SetLastError(0xdeadbeef);
    const bool stacked = DefineDrive(devices, name, two, 0);
    if (!stacked && UnderWine()) {
        RemoveDrive(devices, name);
        EXPECT_TRUE(DeviceTargets(name).empty());
        GTEST_SKIP() << "WINE: no stacked definitions (error " << GetLastError() << ")";
    }
    ASSERT_TRUE(stacked);
    EXPECT_EQ(DeviceTargets(name), (std::vector<std::string>{"\\??\\" + two, "\\??\\" + one}));
    RemoveDrive(devices, name);
    EXPECT_TRUE(DeviceTargets(name).empty());
}

TEST_F(DosDevicesAdapter, DisksAreNotSubstitutionsAndRemovalLeavesThemAlone) {
    const auto c = DeviceTargets("C:"), z = DeviceTargets("Z:");
    ASSERT_FALSE(c.empty());
    EXPECT_FALSE(IsSubstDrive(devices, "C"));
    for (const char* drive : {"C", "c", "Z"}) RemoveDrive(devices, drive);
    EXPECT_EQ(DeviceTargets("C:"), c);
    EXPECT_EQ(DeviceTargets("Z:"), z);
}

class FileSystemAdapter : public testing::Test {
protected:
    Win32FileSystem files;
    TempFolder folder;
};

TEST_F(FileSystemAdapter, FindDoesNotFilterAttributesButFileExistsDoesAndFolderExists) {
    for (const char* name : {"plain.txt", "hidden.txt", "readonly.txt"}) WriteBytes(folder / name, "x");
    MakeFolder(folder / "sub");
    SetFileAttributesA((folder / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((folder / "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    bool sawHidden = false;
    ASSERT_TRUE(files.FindFiles(folder / "*", [&](const platform::FindEntry& e) {
        if (e.name == "hidden.txt") sawHidden = (e.attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        return true;
    }));
    EXPECT_TRUE(sawHidden);
    for (auto [name, exists] : {std::pair{"plain.txt", true},
                                {"readonly.txt", true},
                                {"pl*.txt", true},
                                {"hidden.txt", false},
                                {"sub", false},
                                {"missing.txt", false},
                                {"", false}})
        EXPECT_EQ(FileExists(files, folder / name), exists) << name;
    EXPECT_EQ(files.IsDirectory(folder.Path()), static_cast<uint32_t>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(FolderExists(files, "C:\\"));
    for (const std::string& name : {std::string("plain.txt"), std::string("missing"), std::string(300, 'a')})
        EXPECT_FALSE(FolderExists(files, folder / name)) << name;
}

TEST_F(FileSystemAdapter, LongAndShortPathsRoundTrip) {
    const std::string deep = folder / "A Long Folder Name";
    MakeFolder(deep);
    const std::string shortForm = GetShortPath(files, deep);
    ASSERT_FALSE(shortForm.empty());
    EXPECT_TRUE(FolderExists(files, shortForm));
    EXPECT_TRUE(text::EqualsIgnoreCase(GetLongPath(files, shortForm), GetLongPath(files, deep)));
    EXPECT_EQ(GetLongPath(files, deep + "\\").substr(GetLongPath(files, deep + "\\").size() - 18),
              "A Long Folder Name");
    EXPECT_EQ(GetLongPath(files, "C:\\"), "C:");
    EXPECT_EQ(GetLongPath(files, folder / "missing"), "");
    EXPECT_EQ(GetShortPath(files, folder / "missing"), "");
}

TEST_F(FileSystemAdapter, ReadAppendReplaceDeleteAndTheStartupList) {
    const std::string path = folder / "list.ini";
    EXPECT_FALSE(files.ReadFile(path));
    ASSERT_TRUE(files.Append(path, "a\r\n"));
    ASSERT_TRUE(files.Append(path, "b\r\n"));
    EXPECT_EQ(files.ReadFile(path), "a\r\nb\r\n");
    ASSERT_TRUE(files.Replace(path, "c\r\n"));
    EXPECT_EQ(ReadBytes(path) + ReadBytes(path + ".new~"), "c\r\n<missing>");
    ASSERT_TRUE(files.Delete(path));
    EXPECT_EQ(ReadBytes(path), "<missing>");
    EXPECT_FALSE(files.Delete(path));
    const std::vector<std::string> list{"E:\tC:\\Data", "F:\tC:\\Temp"};
    ASSERT_TRUE(SaveStartupList(files, folder.Path() + "\\", list));
    EXPECT_EQ(ReadBytes(folder / "mount.ini"), "E:\tC:\\Data\r\nF:\tC:\\Temp\r\n");
    platform::win32::Win32CodePage codePage;
    EXPECT_EQ(ReadStartupList(files, codePage, folder.Path() + "\\").lines, list);
}

TEST_F(FileSystemAdapter, FailedReplaceLeavesTheOldContentAndNoTemporaryFile) {
    const std::string path = folder / "mount.ini";
    WriteBytes(path, "E:\tC:\\Data\r\n");
    MakeFolder(path + ".new~");  // the temporary name is taken by a folder: the write cannot start
    EXPECT_FALSE(files.Replace(path, "F:\tC:\\Temp\r\n"));
    EXPECT_EQ(ReadBytes(path), "E:\tC:\\Data\r\n");
    RemoveDirectoryA((path + ".new~").c_str());

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const bool replaced = files.Replace(path, "F:\tC:\\Temp\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!replaced) {
        EXPECT_EQ(ReadBytes(path), "E:\tC:\\Data\r\n");
        EXPECT_EQ(ReadBytes(path + ".new~"), "<missing>");
    }
}

class RegistryAdapter : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kLanguageKey, &key), ERROR_SUCCESS); }
    void TearDown() override {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_CURRENT_USER, kLanguageKey);
    }
    void Set(const char* name, DWORD type, const std::string& bytes) {
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    }
    platform::win32::Win32Registry registry;
    HKEY key = nullptr;
};

TEST_F(RegistryAdapter, ValuesOfEveryShape) {
    using namespace std::string_literals;
    Set("5005", REG_SZ, "Laufwerk\0"s);
    Set("5002", REG_EXPAND_SZ, "%TEMP%\0"s);
    Set("5009", REG_SZ, "\0"s);
    Set("5012", REG_SZ, "ab\0cd\0"s);
    Set("5013", REG_SZ, std::string(3000, 'x') + '\0');
    Set("5018", REG_DWORD, "\1\0\0\0"s);
    std::vector<std::string> texts;
    for (UiString id : {UiString::DriveLetter, UiString::DriveCreationFailed, UiString::Title,
                        UiString::ListOfMountedFolders, UiString::Unmount, UiString::Clear})
        texts.push_back(LoadUiString(registry, id));
    EXPECT_EQ(texts, (std::vector<std::string>{"Laufwerk", DefaultText(UiString::DriveCreationFailed), "", "ab",
                                               "Unmount", "Clear"}));
    EXPECT_EQ(LoadUiString(registry, UiString::ListOfPreviouslyMounted), std::string(3000, 'x'));
}

TEST(RegistryAdapterMissingKey, EveryTextIsItsDefault) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kLanguageKey);
    platform::win32::Win32Registry registry;
    EXPECT_EQ(LoadUiString(registry, UiString::About), "About");
    EXPECT_EQ(LoadUiString(registry, UiString::FolderToMount), "Folder to mount");
}

TEST(ProcessAdapter, ArgumentsAreEverythingAfterTheProgramNameAndItsBlanks) {
    for (auto [commandLine, arguments] :
         {std::pair{"Plivant.exe", ""},
          {"Plivant.exe /ini", "/ini"},
          {"\"C:\\Program Files\\Plivant.exe\" -e", "-e"},
          {"\"C:\\P\\Plivant.exe\"-e", "-e"},
          {"\"C:\\Program Files\\Plivant.exe\"   \"C:\\My Folder\" ", "\"C:\\My Folder\" "},
          {"Plivant.exe\t-", "-"},
          {"\"unterminated", ""},
          {"", ""}})
        EXPECT_EQ(platform::win32::ArgumentsOf(commandLine), arguments) << commandLine;
}

TEST(ProgramStart, TheSystemFailsCriticalErrorsSilently) {
    const UINT before = SetErrorMode(0);
    { platform::win32::Win32Platform real; }
    EXPECT_TRUE(GetErrorMode() & SEM_FAILCRITICALERRORS);
    SetErrorMode(before);
}

TEST(ProcessAdapter, FolderVersionAndSingleInstance) {
    platform::win32::Win32Process first;
    const std::string programFolder = first.ProgramFolder();
    EXPECT_EQ(programFolder, TestProgramFolder());
    EXPECT_NE(programFolder.back(), '\\');
    const auto version = first.Version();
    EXPECT_EQ(version.major, PLIVANT_VERSION_MAJOR);
    EXPECT_EQ(version.minor, PLIVANT_VERSION_MINOR);
    EXPECT_EQ(version.revision, PLIVANT_VERSION_REVISION);

    EXPECT_FALSE(first.PreviousInstanceRunning());
    platform::win32::Win32Process second;
    EXPECT_TRUE(second.PreviousInstanceRunning());
}

TEST(CodePageAdapter, ExactFormsInTheWesternCodePageAndNoBestFit) {
    ASSERT_EQ(GetACP(), 1252u) << "the test prefix runs with the Western code page";
    platform::win32::Win32CodePage codePage;
    const struct {
        std::u16string text;
        std::optional<std::string> ansi;
    } cases[] = {
        {u"", ""},
        {u"E:\tC:\\Data", "E:\tC:\\Data"},
        {u"C:\\Caf\u00e9 \u20ac\u017e\u0178", "C:\\Caf\xe9 \x80\x9e\x9f"},
        {std::u16string(u"C:\\a\0b", 6), std::string("C:\\a\0b", 6)},
        {u"C:\\Data\u221e", std::nullopt},  // best fit: "C:\Data8"
        {u"C:\\\u0100", std::nullopt},      // best fit: "C:\A"
        {u"C:\\\u4e00", std::nullopt},
        {u"C:\\\U0001F600", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto ansi = codePage.FromUtf16(c.text);
        EXPECT_EQ(ansi, c.ansi) << "case " << &c - cases;
    }
}

TEST(CodePageAdapter, LowerCaseFollowsTheWesternCodePage) {
    platform::win32::Win32CodePage codePage;
    // E acute and S caron of the code page are letters too; digits, signs and NULs stand.
    EXPECT_EQ(codePage.Lower(std::string("E:\tC:\\DATA \xC9\x8A 1\0X", 17)),
              std::string("e:\tc:\\data \xE9\x9A 1\0x", 17));
}

}  // namespace
}  // namespace plivant::wine
