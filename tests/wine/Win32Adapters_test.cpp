// The real ports and the engine on them (Wine here); the utility library as the Windows builds compile it.
#include <random>
#include <stdexcept>

#include "SwallowCheck.h"
#include "WineSupport.h"
#include "mapping/modFiles.h"
#include "mapping/mod_DriveInfo.h"
#include "mapping/mod_Subst.h"
#include "state/StartupList.h"
#include "state/TextEncoding.h"
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
    void TearDown() override { ForgetLetter(letter); }

    platform::win32::Win32DosDevices devices;
    TempFolder folder;
    const char letter = FreeLetter();
    const std::string name{letter, ':'}, one = folder / "One", two = folder / "Two";
};

// Windows stacks a second definition over the first; Wine refuses it and keeps the first. One removal clears the
// letter either way.
TEST_F(DosDevicesAdapter, QueryAndTheEngineDefineTellListAndRemove) {
    ASSERT_NE(letter, 0);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(devices.Query(name));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    // A target longer than the 1,024 characters of room: the reply grows to hold it; the letter is listed and removed.
    const std::string deep = one + "\\" + std::string(1100, 'd');
    ASSERT_TRUE(DefineDrive(devices, std::string(1, static_cast<char>(letter + 32)), deep, 0));
    const std::string letters = GetDriveLetters(devices);
    EXPECT_EQ(std::tuple(letters.find(letter) != letters.npos, letters.find('C') != letters.npos,
                         letters.find_first_of(":\\ ")),
              std::tuple(true, true, letters.npos))
        << letters;
    // C:, the system's disk, is no substitution.
    EXPECT_EQ(std::tuple(devices.Query(name).value_or(""), IsSubstDrive(devices, name), IsSubstDrive(devices, "C"),
                         std::string(GetSubstPath(devices, name).c_str())),
              std::tuple("\\??\\" + deep + std::string(2, '\0'), true, false, deep));
    const bool stacked = DefineDrive(devices, name, two, 0);
    const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    EXPECT_EQ(std::tuple(stacked, DeviceTargets(name)),
              std::tuple(!wine, stacked ? Targets{"\\??\\" + two, "\\??\\" + deep} : Targets{"\\??\\" + deep}));
    RemoveDrive(devices, std::string(1, letter));
    EXPECT_TRUE(DeviceTargets(name).empty());
    // Drives that are no folder mappings (the system disk, Wine's Z:) are left alone by a removal.
    const auto c = DeviceTargets("C:"), z = DeviceTargets("Z:");
    ASSERT_FALSE(c.empty());
    for (const char* drive : {"c", "Z"}) RemoveDrive(devices, drive);
    EXPECT_EQ(std::tuple(DeviceTargets("C:"), DeviceTargets("Z:")), std::tuple(c, z));
}

TEST(FileSystemAdapter, ReadAppendReplaceDeleteTheStartupListExistenceAndLongAndShortPaths) {
    platform::win32::Win32FileSystem files;
    TempFolder folder;
    const std::string path = folder / "mount.ini", list = "E:\tC:\\Data\r\nF:\tC:\\Temp\r\n";
    ASSERT_TRUE(files.Append(path, "x") && files.Delete(path));
    EXPECT_FALSE(files.Delete(path));
    ASSERT_TRUE(files.Replace(path, list));
    EXPECT_EQ(ReadBytes(path) + ReadBytes(path + ".new~"), list + "<missing>");
    MakeFolder(path + ".new~");  // the temporary name is taken by a folder: the write cannot start
    EXPECT_FALSE(files.Replace(path, "G:\tC:\\Temp\r\n"));
    RemoveDirectoryA((path + ".new~").c_str());
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);  // a read-only list stays, though Wine would replace it
    EXPECT_FALSE(files.Replace(path, "G:\tC:\\Temp\r\n"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(path), list);
    // A list another program holds open without sharing cannot be read, so the editor will not write over it.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    platform::win32::Win32CodePage codePage;
    EXPECT_EQ(ReadStartupList(files, codePage, folder.Path() + "\\").state, ListFileState::Unreadable);
    CloseHandle(holder);
    for (auto [name, attributes] : {std::pair{"plain.txt", FILE_ATTRIBUTE_NORMAL},
                                    {"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
                                    {"readonly.txt", FILE_ATTRIBUTE_READONLY}})
        WriteBytes(folder / name, "x"), SetFileAttributesA((folder / name).c_str(), attributes);
    MakeFolder(folder / "sub");
    for (const char* name : {"readonly.txt", "pl*.txt"}) EXPECT_TRUE(FileExists(files, folder / name)) << name;
    for (const char* name : {"hidden.txt", "sub", "missing.txt"}) EXPECT_FALSE(FileExists(files, folder / name));
    EXPECT_TRUE(FolderExists(files, "C:\\") && FolderExists(files, folder / "sub"));
    EXPECT_FALSE(FolderExists(files, folder / "plain.txt") || FolderExists(files, folder / std::string(300, 'a')));
    const std::string deep = folder / "A Long Folder Name";
    MakeFolder(deep);
    const std::string shortForm = GetShortPath(files, deep);
    ASSERT_TRUE(!shortForm.empty() && FolderExists(files, shortForm)) << shortForm;
    EXPECT_TRUE(text::EqualsIgnoreCase(GetLongPath(files, shortForm), GetLongPath(files, deep)));
    EXPECT_TRUE(GetLongPath(files, shortForm).ends_with("\\A Long Folder Name")) << GetLongPath(files, shortForm);
    EXPECT_EQ(std::tuple(GetLongPath(files, folder / "missing"), GetShortPath(files, folder / "missing")),
              std::tuple("", ""));
}

// Without the key, the English texts: the whole runs show them.
TEST(RegistryAdapter, ATranslationIsReadOnlyAsAPlainText) {
    using namespace std::string_literals;
    platform::win32::Win32Registry registry;
    for (const auto& [name, type, bytes] :
         {std::tuple{"5005", REG_SZ, "ab\0cd\0"s}, {"5002", REG_EXPAND_SZ, "%TEMP%\0"s}})
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kLanguageKey, name, type, bytes.data(),
                                  static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    EXPECT_EQ(std::tuple(LoadUiString(registry, UiString::DriveLetter),
                         LoadUiString(registry, UiString::DriveCreationFailed)),
              std::tuple("ab", DefaultText(UiString::DriveCreationFailed)));
    RegDeleteKeyA(HKEY_CURRENT_USER, kLanguageKey);
}

TEST(ProcessAdapter, ArgumentsErrorModeAndSingleInstance) {
    for (auto [commandLine, arguments] :
         {std::pair{u"Plivant.exe /ini", u"/ini"},
          {u"\"C:\\P\\Plivant.exe\"-e", u"-e"},
          {u"\"C:\\Program Files\\Plivant.exe\"   \"C:\\My Folder\" ", u"\"C:\\My Folder\" "},
          {u"Plivant.exe\t-", u"-"},
          {u"\"C:\\\u65e5\\Plivant.exe\" C:\\\u65e5\u672c", u"C:\\\u65e5\u672c"},
          {u"\"unterminated", u""}})
        EXPECT_EQ(platform::win32::ArgumentsOf(commandLine), arguments);
    const UINT before = SetErrorMode(0);
    { platform::win32::Win32Platform real; }
    EXPECT_TRUE(GetErrorMode() & SEM_FAILCRITICALERRORS);
    SetErrorMode(before);
    platform::win32::Win32Process first, second;
    EXPECT_FALSE(first.PreviousInstanceRunning());
    EXPECT_TRUE(second.PreviousInstanceRunning());
}

// This program keeps the legacy code page, as a system that ignores the manifest's UTF-8 would: a folder in another
// script comes back from the ANSI calls with "?" and is named by its short form.
TEST(CodePageAdapter, ExactFormsInTheWesternCodePageItsLowerCaseAndAFolderInAnotherScriptByItsShortForm) {
    ASSERT_EQ(GetACP(), 1252u) << "the test prefix runs with the Western code page";
    platform::win32::Win32CodePage codePage;
    const std::pair<std::u16string, std::optional<std::string>> cases[] = {
        {u"C:\\Caf\u00e9 \u20ac\u017e\u0178", "C:\\Caf\xe9 \x80\x9e\x9f"},
        {u"C:\\Data\u221e", std::nullopt},  // best fit: "C:\Data8"
        {u"C:\\\U0001F600", std::nullopt}};
    for (const auto& [text, ansi] : cases)
        EXPECT_EQ(std::tuple(codePage.FromUtf16(platform::Page::Process, text),
                             codePage.FromUtf16(platform::Page::Legacy, text)),
                  std::tuple(ansi, ansi));
    EXPECT_EQ(std::tuple(codePage.Utf8(), codePage.ToUtf16(platform::Page::Legacy, "\x80\xFC")),
              std::tuple(false, u"\u20ac\u00fc"));
    EXPECT_EQ(codePage.Lower(std::string("E:\tC:\\DATA \xC9\x8A 1\0X", 17)),
              std::string("e:\tc:\\data \xE9\x9A 1\0x", 17));
    platform::win32::Win32FileSystem files;
    TempFolder temp;
    const std::u16string cyrillic = std::u16string(temp.Path().begin(), temp.Path().end()) + u"\\\u0416\u0443\u043a";
    ASSERT_TRUE(CreateDirectoryW(reinterpret_cast<LPCWSTR>(cyrillic.c_str()), nullptr));
    const std::optional<std::string> named = InProcessPage(codePage, files, cyrillic);
    ASSERT_TRUE(named && named->find('?') == std::string::npos);
    EXPECT_TRUE(FolderExists(files, *named) &&
                text::EqualsIgnoreCase(GetLongPath(files, *named), temp.Path() + named->substr(named->rfind('\\'))))
        << *named;
}

// On the drive's root: under the user's profile, a cold shell can leave the selection on the profile folder.
TEST(ShellAdapter, TheFolderDialogsOkReturnsTheInitialFolderThatTheCallbackSelectedAndCancelNothing) {
    TempFolder temp("C:\\");
    const std::string folder = temp / "Mount Me";
    MakeFolder(folder);
    platform::win32::Win32Platform real;
    PressOnceSelected ok(IDOK, folder), cancel(IDCANCEL, "C:\\windows");
    for (auto& [shell, start, chosen] :
         {std::tuple<platform::IShell&, std::string, std::string>{ok, folder, folder}, {cancel, "C:\\windows", ""}}) {
        platform::Platform ports{real.dosDevices, real.files,     real.registry, real.process,
                                 shell,           real.windowing, real.codePage};
        EXPECT_EQ(BrowseForFolder(ports, 0, "Folder to mount", start), chosen);
    }
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

// clsTimer ticks with its own count on a thread timer or an owner window, on past a failing handler, not after it has
// gone; Wait returns after one tick, or at once leaving a request to end queued. The cursor the hover polling reads.
TEST(Win32Windowing, TimersWaitAndTheCursorOnARealWindow) {
    platform::win32::Win32Windowing windowing;
    const HWND window = CreateWindowExA(0, "Button", "probe", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window);
    const auto handle = reinterpret_cast<platform::WindowHandle>(window);
    int32_t lastA = 0, lastB = 0, ticks = 0;
    {
        clsTimer a(windowing), b(windowing);
        test::ExpectSwallowed failingTicks;
        a.OnTime = [&](int32_t n, int32_t) {
            lastA = n, ++ticks;
            throw std::runtime_error("a failing handler");
        };
        b.OnTime = [&](int32_t n, int32_t) { lastB = n; };
        b.SetHwnd(handle);
        a.StartTimer(20);
        b.StartTimer(15);
        ASSERT_TRUE(PumpUntil([&] { return lastA >= 3 && lastB >= 3; })) << lastA << " " << lastB;
        // The objects go with a tick due: the system holds a timer message for this thread.
        for (const DWORD start = GetTickCount(); !(HIWORD(GetQueueStatus(QS_TIMER)) & QS_TIMER);)
            ASSERT_LT(GetTickCount() - start, 5000u);
    }
    const int atDestruction = ticks;
    int later = 0;  // a timer started afterwards ticks twice only once every earlier due tick has been taken
    clsTimer sentinel(windowing);
    sentinel.OnTime = [&](int32_t, int32_t) { ++later; };
    sentinel.StartTimer(20);
    ASSERT_TRUE(PumpUntil([&] { return later >= 2; }));
    sentinel.StopTimer();
    EXPECT_EQ(ticks, atDestruction);
    clsTimer timer(windowing);
    timer.Wait(100);
    EXPECT_EQ(std::tuple(timer.TickCount(), timer.Running()), std::tuple(1, false));
    PostQuitMessage(3);
    timer.Wait(10);  // returns: no tick comes while the request waits
    MSG msg{};
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 3u) << msg.wParam;
    ASSERT_TRUE(windowing.MoveCursor({150, 150}));
    const platform::Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};  // one monitor
    EXPECT_EQ(std::tuple(*windowing.CursorPosition(), windowing.WindowAt({150, 150}), windowing.MonitorRect(handle)),
              std::tuple(platform::Point{150, 150}, handle, screen));
    DestroyWindow(window);
}

}  // namespace
}  // namespace plivant::wine
