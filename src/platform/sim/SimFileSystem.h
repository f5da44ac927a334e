// An in-memory file system that behaves the way Windows does for the calls the program makes: volumes by
// drive letter (with or without 8.3 names), hidden/system/read-only attributes that FindFirstFile does not
// filter, "." and ".." in every folder but a root, 8.3 names matched by searches, MAX_PATH limits of the
// ANSI calls, folders without write access, files that cannot be opened. Names are Unicode: the ANSI calls take and
// give them in the process code page of the machine's code pages (a name the page cannot hold comes back with "?" in
// its place), while the set-up and the checks of a test name them in UTF-8.
#include "platform/sim/SimCodePage.h"
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace plivant::platform::sim {

class SimFileSystem final : public IFileSystem {
public:
    bool FindFiles(const std::string& pattern, const std::function<bool(const FindEntry&)>& visit) override;
    uint32_t ShortPathName(const std::string& path, char* buffer, uint32_t size) override;
    std::u16string ShortPathNameW(std::u16string_view path) override;
    uint32_t IsDirectory(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool Append(const std::string& path, const std::string& bytes) override;
    bool Replace(const std::string& path, const std::string& bytes) override;
    bool Delete(const std::string& path) override;

    // The code pages the ANSI calls go by (the file system's own, with UTF-8 as the process code page, until then).
    void UseCodePage(SimCodePage& codePage) { codePage_ = &codePage; }

    // Set-up. Paths are full drive paths; missing parent folders are created. An empty short name is
    // generated from the long one on volumes that keep 8.3 names.
    void AddVolume(char letter, bool shortNames = true);
    void AddFolder(const std::string& path, uint32_t attributes = 0, const std::string& shortName = "");
    void AddFile(const std::string& path, const std::string& content, uint32_t attributes = 0,
                 const std::string& shortName = "");
    void SetWritable(const std::string& folder, bool writable);  // creating, replacing, deleting inside it
    void SetLocked(const std::string& file, bool locked);        // opened by someone else: no access
    void SetAttributes(const std::string& path, uint32_t attributes);

    bool Exists(const std::string& path) const;
    std::optional<std::string> Content(const std::string& path) const;
    std::optional<std::string> ShortNameOf(const std::string& path) const;
    uint32_t LastError() const { return lastError_; }

private:
    struct Node {
        std::string name;
        std::string shortName;  // empty: none
        uint32_t attributes = 0;
        bool directory = false;
        bool writable = true;
        bool locked = false;
        std::string content;
        std::map<std::string, std::unique_ptr<Node>> children;  // upper-case long name -> node
    };
    struct Volume {
        bool shortNames = true;
        Node root;
    };
    struct Parsed {
        char letter = 0;
        std::vector<std::string> components;
        bool trailingSlash = false;
    };

    std::optional<Parsed> Parse(const std::string& path);
    Node* Resolve(const Parsed& parsed, size_t count);
    Node* Child(Node& folder, const std::string& name);
    Node& Create(const std::string& path, bool directory, uint32_t attributes, const std::string& shortName);
    Node* Find(const std::string& path);
    const Node* Find(const std::string& path) const;
    std::string MakeShortName(const Node& folder, const std::string& longName) const;
    std::optional<std::string> ShortForm(const std::string& path);
    bool Fail(uint32_t error);
    std::string In(const std::string& path);   // a path of the ANSI calls, in UTF-8
    std::string Out(const std::string& name);  // a name in UTF-8, as the ANSI calls give it

    SimCodePage ownCodePage_;
    SimCodePage* codePage_ = &ownCodePage_;
    std::map<char, Volume> volumes_;
    uint32_t lastError_ = 0;
};

}  // namespace plivant::platform::sim
