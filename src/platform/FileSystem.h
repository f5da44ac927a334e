// Port: files and paths. Paths are texts of the process code page; every call reads its path only up to the first
// NUL.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace plivant::platform {

struct FindEntry {
    std::string name;  // the name as stored on disk, long form; "?" for each character the code page cannot hold
    uint32_t attributes = 0;
    std::string shortName;  // its 8.3 form; empty when the name is one
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    // FindFirstFileA / FindNextFileA: calls visit for each entry matching the pattern, in the order the
    // system lists them, until visit returns false. Nothing is filtered by attribute. Returns false when
    // the search itself fails (no match, bad pattern, missing folder, drive not ready).
    virtual bool FindFiles(const std::string& pattern, const std::function<bool(const FindEntry&)>& visit) = 0;

    // GetShortPathNameA: the count copied (without NUL), the size needed when the buffer is too small,
    // or 0 on failure.
    virtual uint32_t ShortPathName(const std::string& path, char* buffer, uint32_t size) = 0;

    // GetShortPathNameW: the short (8.3) form of an existing path named in UTF-16, the path itself where its volume
    // keeps no short names; empty on failure.
    virtual std::u16string ShortPathNameW(std::u16string_view path) = 0;

    // PathIsDirectoryA: FILE_ATTRIBUTE_DIRECTORY (16) for a directory, else 0.
    virtual uint32_t IsDirectory(const std::string& path) = 0;

    // The whole content of a file, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;

    // Appends to the file, creating it when missing.
    virtual bool Append(const std::string& path, const std::string& bytes) = 0;

    // Replaces the file's content atomically: a new file is written beside it and then put in its place,
    // so a failed write leaves the old content whole.
    virtual bool Replace(const std::string& path, const std::string& bytes) = 0;

    virtual bool Delete(const std::string& path) = 0;
};

}  // namespace plivant::platform
