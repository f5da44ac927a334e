// The simulated file system.
#include "platform/sim/SimFileSystem.h"

#include <algorithm>
#include <cstring>

#include "platform/WinConst.h"
#include "state/TextEncoding.h"
#include "util/Text.h"

namespace plivant::platform::sim {

using namespace plivant::win;

namespace {

bool HasWildcard(const std::string& s) {
    return s.find_first_of("*?") != std::string::npos;
}

// Windows wildcard match, case-insensitive: '*' any run, '?' one character.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") pattern = "*";
    size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || text::ToUpperAscii(pattern[p]) == text::ToUpperAscii(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool IsValidName(const std::string& name) {
    return !name.empty() && name.find_first_of("<>:\"/\\|?*") == std::string::npos && name != "." && name != "..";
}

bool Fits83(const std::string& name) {
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii || name.find(' ') != std::string::npos || name.find_first_of("+,;=[]") != std::string::npos)
        return false;
    const auto dot = name.find('.');
    if (dot == std::string::npos) return name.size() <= 8;
    if (name.find('.', dot + 1) != std::string::npos) return false;
    return dot >= 1 && dot <= 8 && name.size() - dot - 1 <= 3;
}

}  // namespace

std::string SimFileSystem::In(const std::string& path) {
    return codePage_->Utf8() ? path : Utf16ToUtf8(codePage_->ToUtf16(Page::Process, path));
}

std::string SimFileSystem::Out(const std::string& name) {
    return codePage_->Utf8() ? name : *WideCharToMultiByte(1252, {0x400}, Wide(name));  // no best fit: "?"
}

bool SimFileSystem::Fail(uint32_t error) {
    lastError_ = error;
    return false;
}

std::optional<SimFileSystem::Parsed> SimFileSystem::Parse(const std::string& path) {
    std::string s(text::UpToNul(path));
    if (Wide(s).size() >= kMaxPath) {
        Fail(kErrorFilenameExcedRange);
        return std::nullopt;
    }
    std::replace(s.begin(), s.end(), '/', '\\');
    if (s.size() < 2 || s[1] != ':' || !text::IsAsciiLetter(s[0]) || !volumes_.count(text::ToUpperAscii(s[0]))) {
        Fail(kErrorPathNotFound);
        return std::nullopt;
    }
    Parsed parsed;
    parsed.letter = text::ToUpperAscii(s[0]);
    std::string rest = s.substr(2);
    if (!rest.empty() && rest.front() == '\\') rest.erase(0, 1);
    if (rest.empty()) return parsed;
    parsed.trailingSlash = rest.back() == '\\';
    for (auto& component : text::SplitAt(rest, '\\')) {
        if (component.empty() || component == ".") continue;
        if (component == "..") {
            if (!parsed.components.empty()) parsed.components.pop_back();
            continue;
        }
        parsed.components.push_back(component);
    }
    return parsed;
}

SimFileSystem::Node* SimFileSystem::Child(Node& folder, const std::string& name) {
    for (auto& [key, child] : folder.children) {
        if (text::EqualsIgnoreCase(child->name, name) ||
            (!child->shortName.empty() && text::EqualsIgnoreCase(child->shortName, name))) {
            return child.get();
        }
    }
    return nullptr;
}

SimFileSystem::Node* SimFileSystem::Resolve(const Parsed& parsed, size_t count) {
    Node* node = &volumes_.at(parsed.letter).root;
    for (size_t i = 0; i < count; ++i) {
        if (!node->directory) return nullptr;
        node = Child(*node, parsed.components[i]);
        if (!node) return nullptr;
    }
    return node;
}

SimFileSystem::Node* SimFileSystem::Find(const std::string& path) {
    const auto parsed = Parse(path);
    return parsed ? Resolve(*parsed, parsed->components.size()) : nullptr;
}

const SimFileSystem::Node* SimFileSystem::Find(const std::string& path) const {
    return const_cast<SimFileSystem*>(this)->Find(path);
}

bool SimFileSystem::FindFiles(const std::string& given, const std::function<bool(const FindEntry&)>& visit) {
    const auto parsed = Parse(In(given));
    if (!parsed) return false;
    if (parsed->components.empty() || parsed->trailingSlash) return Fail(kErrorFileNotFound);
    for (size_t i = 0; i + 1 < parsed->components.size(); ++i) {
        if (HasWildcard(parsed->components[i])) return Fail(kErrorInvalidName);
    }
    Node* folder = Resolve(*parsed, parsed->components.size() - 1);
    if (!folder || !folder->directory) return Fail(kErrorPathNotFound);
    const std::string& last = parsed->components.back();

    std::vector<FindEntry> found;
    if (folder != &volumes_.at(parsed->letter).root) {
        for (const char* dots : {".", ".."}) {
            if (WildcardMatch(last, dots)) found.push_back({dots, kFileAttributeDirectory, ""});
        }
    }
    for (const auto& [key, child] : folder->children) {
        if (WildcardMatch(last, child->name) || (!child->shortName.empty() && WildcardMatch(last, child->shortName))) {
            uint32_t attributes = child->attributes | (child->directory ? kFileAttributeDirectory : 0);
            if (attributes == 0) attributes = kFileAttributeNormal;
            found.push_back({Out(child->name), attributes, Out(child->shortName)});
        }
    }
    if (found.empty()) return Fail(kErrorFileNotFound);
    for (const auto& entry : found) {
        if (!visit(entry)) break;
    }
    lastError_ = kErrorSuccess;
    return true;
}

uint32_t SimFileSystem::ShortPathName(const std::string& path, char* buffer, uint32_t size) {
    const auto shortForm = ShortForm(In(path));
    if (!shortForm) return 0;
    const std::string out = Out(*shortForm);
    const auto length = static_cast<uint32_t>(out.size());
    if (size <= length) return length + 1;
    std::memcpy(buffer, out.c_str(), out.size() + 1);
    lastError_ = kErrorSuccess;
    return length;
}

std::u16string SimFileSystem::ShortPathNameW(std::u16string_view path) {
    return Wide(ShortForm(Utf16ToUtf8(path)).value_or(""));
}

std::optional<std::string> SimFileSystem::ShortForm(const std::string& path) {
    const auto parsed = Parse(path);
    if (!parsed) return std::nullopt;
    const Volume& volume = volumes_.at(parsed->letter);
    std::string out(text::UpToNul(path).substr(0, 2));
    out.push_back('\\');
    Node* node = &volumes_.at(parsed->letter).root;
    for (size_t i = 0; i < parsed->components.size(); ++i) {
        Node* child = node->directory ? Child(*node, parsed->components[i]) : nullptr;
        if (!child) {
            Fail(i + 1 == parsed->components.size() ? kErrorFileNotFound : kErrorPathNotFound);
            return std::nullopt;
        }
        if (i > 0) out.push_back('\\');
        out += volume.shortNames && !child->shortName.empty() ? child->shortName : parsed->components[i];
        node = child;
    }
    if (parsed->trailingSlash) out.push_back('\\');
    return out;
}

uint32_t SimFileSystem::IsDirectory(const std::string& path) {
    const Node* node = Find(In(path));
    return node && node->directory ? kFileAttributeDirectory : 0;
}

std::optional<std::string> SimFileSystem::ReadFile(const std::string& path) {
    const Node* node = Find(In(path));
    if (!node || node->directory) {
        Fail(kErrorFileNotFound);
        return std::nullopt;
    }
    if (node->locked) {
        Fail(kErrorAccessDenied);
        return std::nullopt;
    }
    return node->content;
}

bool SimFileSystem::Append(const std::string& given, const std::string& bytes) {
    const std::string path = In(given);
    const auto parsed = Parse(path);
    if (!parsed || parsed->components.empty() || parsed->trailingSlash) return Fail(kErrorPathNotFound);
    Node* folder = Resolve(*parsed, parsed->components.size() - 1);
    if (!folder || !folder->directory) return Fail(kErrorPathNotFound);
    if (Node* file = Child(*folder, parsed->components.back())) {
        if (file->directory || file->locked || (file->attributes & kFileAttributeReadOnly)) {
            return Fail(kErrorAccessDenied);
        }
        file->content += bytes;
        return true;
    }
    if (!folder->writable) return Fail(kErrorAccessDenied);
    if (!IsValidName(parsed->components.back())) return Fail(kErrorInvalidName);
    Create(path, false, kFileAttributeArchive, "").content = bytes;
    return true;
}

bool SimFileSystem::Replace(const std::string& given, const std::string& bytes) {
    const std::string path = In(given);
    const auto parsed = Parse(path);
    if (!parsed || parsed->components.empty() || parsed->trailingSlash) return Fail(kErrorPathNotFound);
    Node* folder = Resolve(*parsed, parsed->components.size() - 1);
    if (!folder || !folder->directory) return Fail(kErrorPathNotFound);
    // The new content is written to a file beside the old one first: that needs write access to the folder.
    if (!folder->writable) return Fail(kErrorAccessDenied);
    if (Node* file = Child(*folder, parsed->components.back())) {
        if (file->directory || file->locked || (file->attributes & kFileAttributeReadOnly)) {
            return Fail(kErrorAccessDenied);
        }
        file->content = bytes;
        return true;
    }
    if (!IsValidName(parsed->components.back())) return Fail(kErrorInvalidName);
    Create(path, false, kFileAttributeArchive, "").content = bytes;
    return true;
}

bool SimFileSystem::Delete(const std::string& path) {
    const auto parsed = Parse(In(path));
    if (!parsed || parsed->components.empty()) return Fail(kErrorPathNotFound);
    Node* folder = Resolve(*parsed, parsed->components.size() - 1);
    Node* file = folder && folder->directory ? Child(*folder, parsed->components.back()) : nullptr;
    if (!file || file->directory) return Fail(kErrorFileNotFound);
    if (!folder->writable || file->locked || (file->attributes & kFileAttributeReadOnly)) {
        return Fail(kErrorAccessDenied);
    }
    folder->children.erase(text::ToUpperAscii(file->name));
    return true;
}

void SimFileSystem::AddVolume(char letter, bool shortNames) {
    Volume& volume = volumes_[text::ToUpperAscii(letter)];
    volume.shortNames = shortNames;
    volume.root.directory = true;
}

std::string SimFileSystem::MakeShortName(const Node& folder, const std::string& longName) const {
    if (Fits83(longName)) return {};
    const auto dot = longName.rfind('.');
    auto clean = [](std::string_view s) {
        std::string out;
        for (char c : s) {
            if (c == ' ' || c == '.' || (c & 0xC0) == 0x80) continue;
            if (c & 0x80) {  // a character beyond ASCII, whatever its length
                out.push_back('_');
                continue;
            }
            out.push_back(std::string_view("+,;=[]").find(c) != std::string_view::npos ? '_' : text::ToUpperAscii(c));
        }
        return out;
    };
    const std::string base = clean(std::string_view(longName).substr(0, dot == 0 ? longName.size() : dot));
    const std::string extension =
        dot == std::string::npos || dot == 0 ? "" : clean(std::string_view(longName).substr(dot + 1)).substr(0, 3);
    for (int n = 1;; ++n) {
        const std::string tail = "~" + std::to_string(n);
        std::string candidate = base.substr(0, 8 - tail.size()) + tail + (extension.empty() ? "" : "." + extension);
        const bool taken = std::any_of(folder.children.begin(), folder.children.end(), [&](const auto& child) {
            return text::EqualsIgnoreCase(child.second->shortName, candidate) ||
                   text::EqualsIgnoreCase(child.second->name, candidate);
        });
        if (!taken) return candidate;
    }
}

SimFileSystem::Node& SimFileSystem::Create(const std::string& path, bool directory, uint32_t attributes,
                                           const std::string& shortName) {
    std::string s(path);
    if (s.size() >= 2 && s[1] == ':' && !volumes_.count(text::ToUpperAscii(s[0]))) AddVolume(s[0]);
    const auto parsed = Parse(path);
    Node* node = &volumes_.at(parsed->letter).root;
    const bool shortNames = volumes_.at(parsed->letter).shortNames;
    for (size_t i = 0; i < parsed->components.size(); ++i) {
        const std::string& name = parsed->components[i];
        const bool last = i + 1 == parsed->components.size();
        Node* child = Child(*node, name);
        if (!child) {
            auto created = std::make_unique<Node>();
            created->name = name;
            created->directory = last ? directory : true;
            if (shortNames) created->shortName = last && !shortName.empty() ? shortName : MakeShortName(*node, name);
            child = created.get();
            node->children[text::ToUpperAscii(name)] = std::move(created);
        }
        if (last) child->attributes = attributes;
        node = child;
    }
    return *node;
}

void SimFileSystem::AddFolder(const std::string& path, uint32_t attributes, const std::string& shortName) {
    Create(path, true, attributes, shortName);
}

void SimFileSystem::AddFile(const std::string& path, const std::string& content, uint32_t attributes,
                            const std::string& shortName) {
    Create(path, false, attributes, shortName).content = content;
}

void SimFileSystem::SetWritable(const std::string& folder, bool writable) {
    if (Node* node = Find(folder)) node->writable = writable;
}

void SimFileSystem::SetLocked(const std::string& file, bool locked) {
    if (Node* node = Find(file)) node->locked = locked;
}

void SimFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
    if (Node* node = Find(path)) node->attributes = attributes;
}

bool SimFileSystem::Exists(const std::string& path) const {
    return Find(path) != nullptr;
}

std::optional<std::string> SimFileSystem::Content(const std::string& path) const {
    const Node* node = Find(path);
    if (!node || node->directory) return std::nullopt;
    return node->content;
}

std::optional<std::string> SimFileSystem::ShortNameOf(const std::string& path) const {
    const Node* node = Find(path);
    if (!node) return std::nullopt;
    return node->shortName;
}

}  // namespace plivant::platform::sim
