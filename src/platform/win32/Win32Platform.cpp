// The real ports.
#include "platform/win32/Win32Platform.h"

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "Version.h"
#include "platform/win32/GrowToFit.h"
#include "platform/win32/Handles.h"
#include "platform/win32/MessageLoop.h"
#include "util/ErrorPolicy.h"

namespace plivant::platform::win32 {

namespace {

UniqueKernelHandle OpenFile(const std::string& path, DWORD access, DWORD disposition) {
    HANDLE h = CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueKernelHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

Win32Platform::Win32Platform() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

bool Win32DosDevices::Define(uint32_t flags, const std::string& deviceName, const std::optional<std::string>& target) {
    return DefineDosDeviceA(flags, deviceName.c_str(), target ? target->c_str() : nullptr) != FALSE;
}

std::optional<std::string> Win32DosDevices::Query(const std::string& deviceName) {
    return GrowToFit(
        [&](char* buffer, size_t room) -> std::optional<size_t> {
            const DWORD n = QueryDosDeviceA(deviceName.c_str(), buffer, static_cast<DWORD>(room));
            if (n != 0) return n;
            // A reply that does not fit is refused, its length untold: twice the room is asked, up to a bound that
            // holds a letter's every target (each at most 32,767 characters) many times over.
            constexpr size_t kMostRoom = size_t{1} << 22;
            if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || room >= kMostRoom) return std::nullopt;
            return 2 * room;
        },
        1024);
}

uint32_t Win32DosDevices::LogicalDriveStrings(uint32_t size, char* buffer) {
    return GetLogicalDriveStringsA(size, buffer);
}

uint32_t Win32DosDevices::LogicalDriveMask() {
    return GetLogicalDrives();
}

bool Win32FileSystem::FindFiles(const std::string& pattern, const std::function<bool(const FindEntry&)>& visit) {
    WIN32_FIND_DATAA data{};
    UniqueFind find(FindFirstFileA(pattern.c_str(), &data));
    if (!find) return false;
    do {
        if (!visit(FindEntry{data.cFileName, data.dwFileAttributes, data.cAlternateFileName})) break;
    } while (FindNextFileA(find.get(), &data));
    return true;
}

uint32_t Win32FileSystem::ShortPathName(const std::string& path, char* buffer, uint32_t size) {
    return GetShortPathNameA(path.c_str(), buffer, size);
}

std::u16string Win32FileSystem::ShortPathNameW(std::u16string_view path) {
    const std::u16string given(path);
    const auto shortForm = GrowToFit<char16_t>(
        [&](char16_t* buffer, size_t room) -> std::optional<size_t> {
            const DWORD n = GetShortPathNameW(reinterpret_cast<LPCWSTR>(given.c_str()),
                                              reinterpret_cast<LPWSTR>(buffer), static_cast<DWORD>(room + 1));
            if (n == 0) return std::nullopt;
            return n <= room ? n : n - 1;  // too small: the size it needs, its NUL included
        },
        MAX_PATH);
    return shortForm.value_or(std::u16string());
}

uint32_t Win32FileSystem::IsDirectory(const std::string& path) {
    return PathIsDirectoryA(path.c_str());
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) {
    auto file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) return std::nullopt;
    std::string content;
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr))
            return std::nullopt;
        if (read == 0) return content;
        content.append(chunk.data(), read);
    }
}

bool Win32FileSystem::Append(const std::string& path, const std::string& bytes) {
    auto file = OpenFile(path, FILE_APPEND_DATA, OPEN_ALWAYS);
    return file && WriteAll(file.get(), bytes);
}

bool Win32FileSystem::Replace(const std::string& path, const std::string& bytes) {
    // A file the user marked read-only stays as it is. Windows refuses to rename over it anyway, but some systems
    // (Wine among them) would replace it.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    const std::string temporary = path + ".new~";
    {
        auto file = OpenFile(temporary, GENERIC_WRITE, CREATE_ALWAYS);
        if (!file) return false;
        if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            file.reset();
            DeleteFileA(temporary.c_str());
            return false;
        }
    }
    if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

bool Win32FileSystem::Delete(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

namespace {

class Win32RegistryKey final : public IRegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}
    int32_t QueryValue(const std::string& valueName, uint32_t* type, uint8_t* data, uint32_t* size) override {
        DWORD valueType = 0;
        DWORD valueSize = size ? *size : 0;
        const LONG result =
            RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, &valueType, data, size ? &valueSize : nullptr);
        if (type) *type = valueType;
        if (size) *size = valueSize;
        return result;
    }

private:
    UniqueRegKey key_;
};

}  // namespace

int32_t Win32Registry::OpenKey(uint32_t root, const std::string& subKey, std::unique_ptr<IRegistryKey>& key) {
    key.reset();
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyA(reinterpret_cast<HKEY>(static_cast<uintptr_t>(root)), subKey.c_str(), &opened);
    if (result == ERROR_SUCCESS && opened) key = std::make_unique<Win32RegistryKey>(opened);
    return result;
}

bool Win32Process::PreviousInstanceRunning() {
    if (!instanceMutex_) {
        SetLastError(ERROR_SUCCESS);
        instanceMutex_.reset(CreateMutexA(nullptr, FALSE, kInstanceMutexName));
        if (instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
            instanceMutex_.reset();
            return true;
        }
    }
    return false;
}

bool Win32Process::ComputerName(char* buffer, uint32_t* size) {
    DWORD length = *size;
    if (!GetComputerNameA(buffer, &length)) return false;
    *size = length;
    return true;
}

std::u16string ArgumentsOf(std::u16string_view commandLine) {
    size_t at = 0;
    // The program's name, as CommandLineToArgvW takes it: a quoted one ends at its closing quote whatever follows,
    // another at the first blank.
    if (at < commandLine.size() && commandLine[at] == '"') {
        const auto close = commandLine.find('"', at + 1);
        at = close == commandLine.npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && commandLine[at] != ' ' && commandLine[at] != '\t') ++at;
    }
    while (at < commandLine.size() && (commandLine[at] == ' ' || commandLine[at] == '\t')) ++at;
    return std::u16string(commandLine.substr(at));
}

std::u16string Win32Process::CommandLineArguments() {
    const auto* line = reinterpret_cast<const char16_t*>(GetCommandLineW());
    return ArgumentsOf(line ? line : u"");
}

std::u16string Win32Process::ProgramFolder() {
    const auto full = GrowToFit<char16_t>(
        [](char16_t* buffer, size_t room) -> std::optional<size_t> {
            const DWORD n = GetModuleFileNameW(nullptr, reinterpret_cast<LPWSTR>(buffer), static_cast<DWORD>(room + 1));
            if (n == 0) return std::nullopt;
            // A path that does not fit comes back cut to the buffer, its length untold: twice the room is asked.
            return n <= room ? n : 2 * (room + 1);
        },
        MAX_PATH);
    const auto slash = full ? full->find_last_of(u'\\') : std::u16string::npos;
    return slash == std::u16string::npos ? std::u16string() : full->substr(0, slash);
}

// The numbers the build gave the version resource: reading them back from the file would import VERSION.dll, which
// Windows looks for in the program's folder first.
VersionNumbers Win32Process::Version() {
    return VersionNumbers{PLIVANT_VERSION_MAJOR, PLIVANT_VERSION_MINOR, PLIVANT_VERSION_REVISION};
}

void Win32Process::EndProcess() {
    ExitProcess(0);
}

intptr_t Win32Shell::Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory, int32_t show) {
    return reinterpret_cast<intptr_t>(ShellExecuteA(reinterpret_cast<HWND>(owner), verb.c_str(), file.c_str(),
                                                    parameters.c_str(), directory.c_str(), show));
}

namespace {

// The dialog calls a plain function; its data is the program's callback and the program's own data.
struct BrowseRouting {
    const BrowseCallback* callback;
    intptr_t data;
};

int CALLBACK RouteBrowse(HWND dialog, UINT message, LPARAM value, LPARAM routing) {
    const auto* r = reinterpret_cast<const BrowseRouting*>(routing);
    if (!r || !r->callback || !*r->callback) return 0;
    int result = 0;
    StopOnError([&] { result = (*r->callback)(reinterpret_cast<WindowHandle>(dialog), message, value, r->data); });
    return result;
}

}  // namespace

namespace {

class Win32ItemList final : public IItemList {
public:
    explicit Win32ItemList(LPITEMIDLIST item) : item_(item) {}
    std::u16string Path() const override {
        char16_t path[MAX_PATH] = {};
        if (!SHGetPathFromIDListW(static_cast<LPCITEMIDLIST>(item_.get()), reinterpret_cast<LPWSTR>(path))) return {};
        return std::u16string(path, std::u16string_view(path, MAX_PATH).find(u'\0'));
    }

private:
    UniqueCoTaskMem item_;
};

class Win32LocalBlock final : public ILocalBlock {
public:
    explicit Win32LocalBlock(HLOCAL block) : block_(block) {}
    void* Address() const override { return block_.get(); }  // a fixed block's handle is its address

private:
    UniqueLocal block_;
};

}  // namespace

std::unique_ptr<IItemList> Win32Shell::BrowseFolder(const BrowseInfo& info) {
    // The new dialog style needs OLE on this thread.
    const HRESULT ole = OleInitialize(nullptr);
    BrowseRouting routing{&info.callback, info.callbackData};
    BROWSEINFOA browse{};
    browse.hwndOwner = reinterpret_cast<HWND>(info.owner);
    browse.lpszTitle = info.title.c_str();
    browse.ulFlags = info.flags;
    browse.lpfn = RouteBrowse;
    browse.lParam = reinterpret_cast<LPARAM>(&routing);
    const LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    if (SUCCEEDED(ole)) OleUninitialize();
    return item ? std::make_unique<Win32ItemList>(item) : nullptr;
}

std::unique_ptr<ILocalBlock> Win32Shell::AllocateLocal(size_t bytes) {
    const HLOCAL block = LocalAlloc(LPTR, bytes);
    return block ? std::make_unique<Win32LocalBlock>(block) : nullptr;
}

intptr_t Win32Windowing::Send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return SendMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

int32_t Win32Windowing::ReadLong(WindowHandle window, int32_t index) {
    return GetWindowLongA(reinterpret_cast<HWND>(window), index);
}

int32_t Win32Windowing::WriteLong(WindowHandle window, int32_t index, int32_t value) {
    return SetWindowLongA(reinterpret_cast<HWND>(window), index, value);
}

bool Win32Windowing::Place(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                           uint32_t flags) {
    return SetWindowPos(reinterpret_cast<HWND>(window), reinterpret_cast<HWND>(insertAfter), x, y, cx, cy, flags) !=
           FALSE;
}

bool Win32Windowing::ApplyRegion(WindowHandle window, const Region& region, bool redraw) {
    if (region.empty()) return false;
    const Rect& first = region.front();
    UniqueRegion combined(CreateRectRgn(first.left, first.top, first.right, first.bottom));
    if (!combined) return false;
    for (size_t i = 1; i < region.size(); ++i) {
        const Rect& r = region[i];
        UniqueRegion part(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        if (!part || CombineRgn(combined.get(), combined.get(), part.get(), RGN_OR) == ERROR) return false;
    }
    if (!SetWindowRgn(reinterpret_cast<HWND>(window), combined.get(), redraw)) return false;
    combined.release();  // the window owns it now
    return true;
}

std::optional<Point> Win32Windowing::CursorPosition() {
    POINT p{};
    if (!GetCursorPos(&p)) return std::nullopt;
    return Point{p.x, p.y};
}

bool Win32Windowing::MoveCursor(Point position) {
    return SetCursorPos(position.x, position.y) != FALSE;
}

WindowHandle Win32Windowing::WindowAt(Point position) {
    return reinterpret_cast<WindowHandle>(WindowFromPoint(POINT{position.x, position.y}));
}

std::optional<Rect> Win32Windowing::WindowRect(WindowHandle window) {
    RECT r{};
    if (!GetWindowRect(reinterpret_cast<HWND>(window), &r)) return std::nullopt;
    return Rect{r.left, r.top, r.right, r.bottom};
}

std::optional<Rect> Win32Windowing::MonitorRect(WindowHandle window) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromWindow(reinterpret_cast<HWND>(window), MONITOR_DEFAULTTONEAREST), &info)) {
        return std::nullopt;
    }
    return Rect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

bool Win32Windowing::ReleaseMouseCapture() {
    return ReleaseCapture() != FALSE;
}

namespace {

// The system calls one plain function for every timer; it finds the tick's receiver by window and identifier.
// A timer that has been stopped is no longer in the table, so a tick already queued for it goes nowhere.
struct RoutedTimer {
    const Win32Windowing* starter;
    TimerCallback callback;
};

std::map<std::pair<HWND, UINT_PTR>, RoutedTimer>& TimerTable() {
    static std::map<std::pair<HWND, UINT_PTR>, RoutedTimer> table;
    return table;
}

void CALLBACK RouteTimer(HWND window, UINT message, UINT_PTR id, DWORD time) {
    auto& table = TimerTable();
    const auto found = table.find({window, id});
    if (found == table.end()) return;
    const TimerCallback callback = found->second.callback;  // the callback may stop its own timer
    // As in the window procedures: an error in the handler ends that handler, never the program.
    StopOnError([&] { callback(reinterpret_cast<WindowHandle>(window), message, id, time); });
}

}  // namespace

Win32Windowing::~Win32Windowing() {
    // The timers this port started end with it.
    std::erase_if(TimerTable(), [this](const auto& entry) {
        if (entry.second.starter != this) return false;
        KillTimer(entry.first.first, entry.first.second);
        return true;
    });
}

uintptr_t Win32Windowing::StartTimer(WindowHandle window, uintptr_t id, uint32_t elapse, TimerCallback callback) {
    const HWND hwnd = reinterpret_cast<HWND>(window);
    const UINT_PTR made = SetTimer(hwnd, id, elapse, RouteTimer);
    if (made == 0) return 0;
    // A window timer keeps the identifier it was given (SetTimer then only reports success).
    const UINT_PTR key = hwnd ? id : made;
    TimerTable()[{hwnd, key}] = RoutedTimer{this, std::move(callback)};
    return key;
}

bool Win32Windowing::StopTimer(WindowHandle window, uintptr_t id) {
    const HWND hwnd = reinterpret_cast<HWND>(window);
    TimerTable().erase({hwnd, id});
    return KillTimer(hwnd, id) != FALSE;
}

bool Win32Windowing::QuitRequested() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

void Win32Windowing::ProcessPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the request to end for the main loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DeliverMessage(msg);
    }
}

WindowHandle Win32Windowing::FindTopLevel(const std::string& className, const std::string& title) {
    return reinterpret_cast<WindowHandle>(FindWindowA(className.c_str(), title.c_str()));
}

WindowHandle Win32Windowing::Reparent(WindowHandle child, WindowHandle newParent) {
    return reinterpret_cast<WindowHandle>(SetParent(reinterpret_cast<HWND>(child), reinterpret_cast<HWND>(newParent)));
}

}  // namespace plivant::platform::win32
