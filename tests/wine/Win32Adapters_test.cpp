// The real ports and the engine on them, against the system's API (Wine here); the utility library as the Windows
// builds compile it.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "ScriptedShell.h"
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
#include "util/DS2.h"
#include "util/Text.h"
#include "util/clsCrc.h"
#include "widgets/clsTimer.h"
#include "windows/shared/modFolderBrowse.h"

namespace plivant::wine {
namespace {

class DosDevicesAdapter : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(letter, 0);
        MakeFolder(one);
        MakeFolder(two);
    }
    void TearDown() override { ForgetLetter(letter); }

    platform::win32::Win32DosDevices devices;
    TempFolder folder;
    const char letter = FreeLetter();
    const std::string name{letter, ':'}, one = folder / "One", two = folder / "Two";
};

TEST_F(DosDevicesAdapter, QueryAndTheEngineDefineTellListAndRemove) {
    std::string buffer(1024, ' ');
    SetLastError(0xdeadbeef);
    EXPECT_EQ(devices.Query(name, buffer.data(), 1024), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(DefineDrive(devices, "1", one, 0));
    EXPECT_TRUE(DeviceTargets("1:").empty());
    ASSERT_TRUE(DefineDrive(devices, std::string(1, static_cast<char>(letter + 32)), one, 0));
    const uint32_t n = devices.Query(name, buffer.data(), 1024);
    EXPECT_EQ(buffer.substr(0, n + 4), "\\??\\" + one + std::string(2, '\0') + "    ") << "the rest is untouched";
    SetLastError(0xdeadbeef);
    EXPECT_EQ(devices.Query(name, buffer.data(), 4), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    const std::string letters = GetDriveLetters(devices);
    EXPECT_EQ(std::tuple(letters.find(letter) != letters.npos, letters.find('C') != letters.npos,
                         letters.find_first_of(":\\ ")),
              std::tuple(true, true, letters.npos))
        << letters;
    EXPECT_EQ(std::tuple(IsSubstDrive(devices, name), std::string(GetSubstPath(devices, name).c_str())),
              std::tuple(true, one));
    RemoveDrive(devices, std::string(1, letter));
    EXPECT_TRUE(DeviceTargets(name).empty());
    const auto c = DeviceTargets("C:"), z = DeviceTargets("Z:");
    ASSERT_FALSE(c.empty());
    EXPECT_FALSE(IsSubstDrive(devices, "C"));
    for (const char* drive : {"c", "Z"}) RemoveDrive(devices, drive);
    EXPECT_EQ(std::tuple(DeviceTargets("C:"), DeviceTargets("Z:")), std::tuple(c, z));
}

// Windows stacks a second definition over the first; Wine refuses it and keeps the first. One removal clears the
// letter either way.
TEST_F(DosDevicesAdapter, ASecondDefinitionStacksOrIsRefusedAndOneRemovalClearsTheLetter) {
    ASSERT_TRUE(DefineDrive(devices, name, one, 0));
    const bool stacked = DefineDrive(devices, name, two, 0);
    const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    EXPECT_EQ(stacked, !wine);
    using Targets = std::vector<std::string>;
    const Targets expected = stacked ? Targets{"\\??\\" + two, "\\??\\" + one} : Targets{"\\??\\" + one};
    EXPECT_EQ(DeviceTargets(name), expected);
    RemoveDrive(devices, name);
    EXPECT_TRUE(DeviceTargets(name).empty());
}

TEST(FileSystemAdapter, ExistenceAndLongAndShortPaths) {
    platform::win32::Win32FileSystem files;
    TempFolder folder;
    for (const char* name : {"plain.txt", "hidden.txt", "readonly.txt"}) WriteBytes(folder / name, "x");
    MakeFolder(folder / "sub");
    SetFileAttributesA((folder / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((folder / "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    for (const char* name : {"readonly.txt", "pl*.txt"}) EXPECT_TRUE(FileExists(files, folder / name)) << name;
    for (const char* name : {"hidden.txt", "sub", "missing.txt"}) EXPECT_FALSE(FileExists(files, folder / name));
    EXPECT_TRUE(FolderExists(files, "C:\\") && FolderExists(files, folder / "sub"));
    EXPECT_FALSE(FolderExists(files, folder / "plain.txt") || FolderExists(files, folder / std::string(300, 'a')));
    const std::string deep = folder / "A Long Folder Name";
    MakeFolder(deep);
    const std::string shortForm = GetShortPath(files, deep);
    ASSERT_FALSE(shortForm.empty());
    EXPECT_TRUE(FolderExists(files, shortForm));
    EXPECT_TRUE(text::EqualsIgnoreCase(GetLongPath(files, shortForm), GetLongPath(files, deep)));
    EXPECT_TRUE(GetLongPath(files, deep + "\\").ends_with("\\A Long Folder Name"));
    EXPECT_EQ(std::tuple(GetLongPath(files, "C:\\"), GetLongPath(files, folder / "missing"),
                         GetShortPath(files, folder / "missing")),
              std::tuple("C:", "", ""));
}

TEST(FileSystemAdapter, ReadAppendReplaceDeleteAndTheStartupList) {
    platform::win32::Win32FileSystem files;
    TempFolder folder;
    const std::string path = folder / "mount.ini";
    EXPECT_FALSE(files.ReadFile(path));
    ASSERT_TRUE(files.Append(path, "a\r\n") && files.Append(path, "b\r\n"));
    EXPECT_EQ(files.ReadFile(path), "a\r\nb\r\n");
    ASSERT_TRUE(files.Delete(path));
    EXPECT_FALSE(files.Delete(path));
    const std::vector<std::string> list{"E:\tC:\\Data", "F:\tC:\\Temp"};
    ASSERT_TRUE(SaveStartupList(files, folder.Path() + "\\", list));
    EXPECT_EQ(ReadBytes(path) + ReadBytes(path + ".new~"), "E:\tC:\\Data\r\nF:\tC:\\Temp\r\n<missing>");
    platform::win32::Win32CodePage codePage;
    EXPECT_EQ(ReadStartupList(files, codePage, folder.Path() + "\\").lines, list);
    MakeFolder(path + ".new~");  // the temporary name is taken by a folder: the write cannot start
    EXPECT_FALSE(files.Replace(path, "G:\tC:\\Temp\r\n"));
    EXPECT_EQ(ReadBytes(path), "E:\tC:\\Data\r\nF:\tC:\\Temp\r\n");
    // A list another program holds open without sharing cannot be read, so the editor will not write over it.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(ReadStartupList(files, codePage, folder.Path() + "\\").state, ListFileState::Unreadable);
    CloseHandle(holder);
}

TEST(RegistryAdapter, ATextIsItsDefaultWithoutTheKeyAndATranslationOnlyAsAPlainText) {
    using namespace std::string_literals;
    platform::win32::Win32Registry registry;
    RegDeleteKeyA(HKEY_CURRENT_USER, kLanguageKey);
    EXPECT_EQ(LoadUiString(registry, UiString::FolderToMount), "Folder to mount");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kLanguageKey, &key), ERROR_SUCCESS);
    for (const auto& [name, type, bytes] :
         {std::tuple{"5005", REG_SZ, "ab\0cd\0"s}, {"5002", REG_EXPAND_SZ, "%TEMP%\0"s}})
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    const std::pair<std::string, std::string> texts{LoadUiString(registry, UiString::DriveLetter),
                                                    LoadUiString(registry, UiString::DriveCreationFailed)};
    RegDeleteKeyA(HKEY_CURRENT_USER, kLanguageKey);
    EXPECT_EQ(texts, std::pair(std::string("ab"), std::string(DefaultText(UiString::DriveCreationFailed))));
}

TEST(ProcessAdapter, ArgumentsStartFolderVersionAndSingleInstance) {
    for (auto [commandLine, arguments] :
         {std::pair{"Plivant.exe /ini", "/ini"},
          {"\"C:\\P\\Plivant.exe\"-e", "-e"},
          {"\"C:\\Program Files\\Plivant.exe\"   \"C:\\My Folder\" ", "\"C:\\My Folder\" "},
          {"Plivant.exe\t-", "-"},
          {"\"unterminated", ""}})
        EXPECT_EQ(platform::win32::ArgumentsOf(commandLine), arguments) << commandLine;
    const UINT before = SetErrorMode(0);
    { platform::win32::Win32Platform real; }
    EXPECT_TRUE(GetErrorMode() & SEM_FAILCRITICALERRORS);
    SetErrorMode(before);
    platform::win32::Win32Process first, second;
    const auto version = first.Version();
    EXPECT_EQ(std::tuple(first.ProgramFolder(), version.major, version.minor, version.revision),
              std::tuple(TestProgramFolder(), PLIVANT_VERSION_MAJOR, PLIVANT_VERSION_MINOR, PLIVANT_VERSION_REVISION));
    EXPECT_FALSE(first.PreviousInstanceRunning());
    EXPECT_TRUE(second.PreviousInstanceRunning());
}

TEST(CodePageAdapter, ExactFormsInTheWesternCodePageAndItsLowerCase) {
    ASSERT_EQ(GetACP(), 1252u) << "the test prefix runs with the Western code page";
    platform::win32::Win32CodePage codePage;
    const std::pair<std::u16string, std::optional<std::string>> cases[] = {
        {u"C:\\Caf\u00e9 \u20ac\u017e\u0178", "C:\\Caf\xe9 \x80\x9e\x9f"},
        {u"C:\\Data\u221e", std::nullopt},  // best fit: "C:\Data8"
        {u"C:\\\U0001F600", std::nullopt}};
    for (const auto& [text, ansi] : cases) EXPECT_EQ(codePage.FromUtf16(text), ansi);
    EXPECT_EQ(codePage.Lower(std::string("E:\tC:\\DATA \xC9\x8A 1\0X", 17)),
              std::string("e:\tc:\\data \xE9\x9A 1\0x", 17));
}

// The folder sits on the drive's root: under the user's profile, a shell that has just started can leave the
// selection on the profile folder (seen on a fresh prefix under load).
TEST(ShellAdapter, TheFolderDialogsOkReturnsTheInitialFolderThatTheCallbackSelectedAndCancelNothing) {
    TempFolder temp("C:\\");
    const std::string folder = temp / "Mount Me";
    MakeFolder(folder);
    platform::win32::Win32Windowing windowing;
    PressOnceSelected ok(IDOK, folder), cancel(IDCANCEL, "C:\\windows");
    EXPECT_EQ(BrowseForFolder(ok, windowing, 0, "Folder to mount", folder), folder);
    EXPECT_EQ(BrowseForFolder(cancel, windowing, 0, "Folder to mount", "C:\\windows"), "");
}

// The checksum's folding path and the cipher's random frame, as the Windows compiler and library build them.
TEST(WindowsUtil, ChecksumOfALargeBufferMatchesTheDefinitionAndCipherFramesDiffer) {
    std::mt19937 random(5);
    std::vector<std::uint8_t> bytes(1000003);
    std::uint32_t definition = 0xFFFFFFFFu;  // a byte at a time
    for (auto& b : bytes) {
        definition ^= b = static_cast<std::uint8_t>(random());
        for (int bit = 0; bit < 8; ++bit) definition = (definition >> 1) ^ (definition & 1 ? 0xEDB88320u : 0);
    }
    EXPECT_EQ(clsCrc().CRC32(bytes, static_cast<std::int32_t>(bytes.size()), 0), ~definition);
    DS2 cipher;
    std::string first = cipher.EncryptString("Plivant", "key", true);
    EXPECT_NE(first, cipher.EncryptString("Plivant", "key", true));
    EXPECT_EQ(DS2().DecryptString(first, "key", true), "Plivant");
}

// clsTimer ticks through the message loop with its own count, on a thread timer or an owner window, and not after
// it has gone; Wait returns after one tick, or at once leaving a request to end queued. The cursor the hover polling
// reads. (Placing and shaping windows are checked with the splash and the frame.)
TEST(Win32Windowing, TimersWaitAndTheCursorOnARealWindow) {
    platform::win32::Win32Windowing windowing;
    const HWND window = CreateWindowExA(0, "Button", "probe", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window);
    const auto handle = reinterpret_cast<platform::WindowHandle>(window);
    int32_t lastA = 0, lastB = 0, ticks = 0;
    {
        clsTimer a(windowing), b(windowing);
        a.OnTime = [&](int32_t n, int32_t) { lastA = n, ++ticks; };
        b.OnTime = [&](int32_t n, int32_t) { lastB = n; };
        b.SetHwnd(handle);
        a.StartTimer(20);
        b.StartTimer(15);
        ASSERT_TRUE(PumpUntil([&] { return lastA >= 3 && lastB >= 3; }, 5000)) << lastA << " " << lastB;
        // The objects go with a tick due: the system holds a timer message for this thread.
        for (const DWORD start = GetTickCount(); !(HIWORD(GetQueueStatus(QS_TIMER)) & QS_TIMER);) {
            ASSERT_LT(GetTickCount() - start, 5000u);
        }
    }
    const int atDestruction = ticks;
    int later = 0;  // a timer started afterwards ticks twice only once every earlier due tick has been taken
    clsTimer sentinel(windowing);
    sentinel.OnTime = [&](int32_t, int32_t) { ++later; };
    sentinel.StartTimer(20);
    ASSERT_TRUE(PumpUntil([&] { return later >= 2; }, 5000));
    sentinel.StopTimer();
    EXPECT_EQ(ticks, atDestruction);
    clsTimer timer(windowing);
    const DWORD start = GetTickCount();
    timer.Wait(100);
    EXPECT_GE(GetTickCount() - start, 80u);
    EXPECT_EQ(std::tuple(timer.TickCount(), timer.Running()), std::tuple(1, false));
    PostQuitMessage(3);
    timer.Wait(10);  // returns: no tick comes while the request waits
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_TRUE(windowing.MoveCursor({150, 150}));
    const platform::Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};  // one monitor
    EXPECT_EQ(std::tuple(*windowing.CursorPosition(), windowing.WindowAt({150, 150}), windowing.MonitorRect(handle)),
              std::tuple(platform::Point{150, 150}, handle, screen));
    DestroyWindow(window);
}

}  // namespace
}  // namespace plivant::wine
