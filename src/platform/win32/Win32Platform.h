// The real ports, through the ANSI entry points in the process code page; the few texts the system hands over in any
// script (the command line, the program's folder, the folder picker's choice, a short path) through the wide ones.
#pragma once
#include "platform/Platform.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32CodePage.h"

namespace plivant::platform::win32 {

class Win32DosDevices final : public IDosDevices {
public:
    bool Define(uint32_t flags, const std::string& deviceName, const std::optional<std::string>& target) override;
    std::optional<std::string> Query(const std::string& deviceName) override;
    uint32_t LogicalDriveStrings(uint32_t size, char* buffer) override;
    uint32_t LogicalDriveMask() override;
};

class Win32FileSystem final : public IFileSystem {
public:
    bool FindFiles(const std::string& pattern, const std::function<bool(const FindEntry&)>& visit) override;
    uint32_t ShortPathName(const std::string& path, char* buffer, uint32_t size) override;
    std::u16string ShortPathNameW(std::u16string_view path) override;
    uint32_t IsDirectory(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool Append(const std::string& path, const std::string& bytes) override;
    bool Replace(const std::string& path, const std::string& bytes) override;
    bool Delete(const std::string& path) override;
};

class Win32Registry final : public IRegistry {
public:
    int32_t OpenKey(uint32_t root, const std::string& subKey, std::unique_ptr<IRegistryKey>& key) override;
};

class Win32Process final : public IProcess {
public:
    bool PreviousInstanceRunning() override;
    std::u16string CommandLineArguments() override;
    std::u16string ProgramFolder() override;
    VersionNumbers Version() override;
    [[noreturn]] void EndProcess() override;
    bool ComputerName(char* buffer, uint32_t* size) override;

private:
    UniqueKernelHandle instanceMutex_;  // held while the program runs: it tells a second instance to end
};

class Win32Shell final : public IShell {
public:
    intptr_t Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& directory, int32_t show) override;
    std::unique_ptr<IItemList> BrowseFolder(const BrowseInfo& info) override;
    std::unique_ptr<ILocalBlock> AllocateLocal(size_t bytes) override;
};

class Win32Windowing final : public IWindowing {
public:
    ~Win32Windowing() override;
    intptr_t Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    int32_t ReadLong(WindowHandle window, int32_t index) override;
    int32_t WriteLong(WindowHandle window, int32_t index, int32_t value) override;
    bool Place(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
               uint32_t flags) override;
    bool ApplyRegion(WindowHandle window, const Region& region, bool redraw) override;
    std::optional<Point> CursorPosition() override;
    bool MoveCursor(Point position) override;
    WindowHandle WindowAt(Point position) override;
    std::optional<Rect> WindowRect(WindowHandle window) override;
    std::optional<Rect> MonitorRect(WindowHandle window) override;
    bool ReleaseMouseCapture() override;
    uintptr_t StartTimer(WindowHandle window, uintptr_t id, uint32_t elapse, TimerCallback callback) override;
    bool StopTimer(WindowHandle window, uintptr_t id) override;
    void ProcessPendingMessages() override;
    bool QuitRequested() override;
    WindowHandle FindTopLevel(const std::string& className, const std::string& title) override;
    WindowHandle Reparent(WindowHandle child, WindowHandle newParent) override;
};

struct Win32Platform {
    // The system is told once, as the program starts, to fail critical errors silently: a test for a folder on an
    // empty removable or optical drive answers false instead of asking the user for a disk.
    Win32Platform();

    Win32DosDevices dosDevices;
    Win32FileSystem files;
    Win32Registry registry;
    Win32Process process;
    Win32Shell shell;
    Win32Windowing windowing;
    Win32CodePage codePage;

    Platform Ports() { return Platform{dosDevices, files, registry, process, shell, windowing, codePage}; }
};

// The name of the object whose existence tells that an instance is running (per logon session).
inline constexpr const char* kInstanceMutexName = "Local\\Plivant.Instance.3F2A9C";

// The argument text of a command line: what follows the program's name and the blanks after it.
std::u16string ArgumentsOf(std::u16string_view commandLine);

}  // namespace plivant::platform::win32
