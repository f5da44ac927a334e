// The simulated DOS-device table.
#include "platform/sim/SimDosDevices.h"

#include <algorithm>
#include <cstring>

#include "platform/WinConst.h"
#include "util/Text.h"

namespace plivant::platform::sim {

using namespace plivant::win;

std::string NtPathOf(const std::string& dosPath) {
    std::string path = dosPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.starts_with("\\??\\")) return path;
    if (path.starts_with("\\\\")) return "\\??\\UNC\\" + path.substr(2);
    return "\\??\\" + path;
}

SimDosDevices::SimDosDevices() {
    AddGlobal("C:", "\\Device\\HarddiskVolume3");
}

void SimDosDevices::AddGlobal(const std::string& name, const std::string& target) {
    auto& list = global_[text::ToUpperAscii(name)];
    list.insert(list.begin(), target);
}

void SimDosDevices::AddLocal(const std::string& name, const std::string& target) {
    auto& list = Local()[text::ToUpperAscii(name)];
    list.insert(list.begin(), target);
}

void SimDosDevices::RemoveAllGlobal(const std::string& name) {
    global_.erase(text::ToUpperAscii(name));
}

void SimDosDevices::ClearLog() {
    defineCalls_.clear();
    queryCount_ = 0;
}

bool SimDosDevices::Fail(uint32_t error) {
    lastError_ = error;
    return false;
}

const std::vector<std::string>* SimDosDevices::Lookup(const std::string& key) const {
    if (auto it = Local().find(key); it != Local().end()) return &it->second;
    if (auto it = global_.find(key); it != global_.end()) return &it->second;
    return nullptr;
}

std::vector<std::string> SimDosDevices::Targets(const std::string& name) const {
    const auto* list = Lookup(text::ToUpperAscii(name));
    return list ? *list : std::vector<std::string>{};
}

bool SimDosDevices::Define(uint32_t flags, const std::string& deviceName, const std::optional<std::string>& target) {
    defineCalls_.push_back({flags, deviceName, target});
    const std::string name(text::UpToNul(deviceName));
    if (name.empty() || name.back() == '\\') return Fail(kErrorInvalidName);
    const std::string key = text::ToUpperAscii(name);
    if (flags & kDddRemoveDefinition) return Remove(flags, key, target);

    if (!target) return Fail(kErrorInvalidParameter);
    const std::string raw(text::UpToNul(*target));
    if (raw.empty()) return Fail(kErrorInvalidName);
    auto& list = Local()[key];
    list.insert(list.begin(), (flags & kDddRawTargetPath) ? raw : NtPathOf(raw));
    lastError_ = kErrorSuccess;
    return true;
}

bool SimDosDevices::Remove(uint32_t flags, const std::string& key, const std::optional<std::string>& target) {
    const bool noTarget = !target || text::UpToNul(*target).empty();
    Table* table = nullptr;
    if (Local().count(key)) {
        table = &Local();
    } else if (global_.count(key)) {
        // Global names (the system's disks) are protected from a standard user.
        if (!elevated_) return Fail(kErrorAccessDenied);
        table = &global_;
    } else {
        if (noTarget) return true;
        return Fail(kErrorFileNotFound);
    }
    auto& list = (*table)[key];
    auto match = list.end();
    if (noTarget && !(flags & kDddExactMatchOnRemove)) {
        match = list.begin();
    } else {
        const std::string raw(text::UpToNul(target.value_or("")));
        const std::string wanted = raw.empty() || (flags & kDddRawTargetPath) ? raw : NtPathOf(raw);
        match = std::find_if(list.begin(), list.end(), [&](const std::string& entry) {
            return (flags & kDddExactMatchOnRemove) ? text::EqualsIgnoreCase(entry, wanted)
                                                    : text::StartsWithIgnoreCase(entry, wanted);
        });
    }
    if (match == list.end()) return Fail(kErrorFileNotFound);
    list.erase(match);
    if (list.empty()) table->erase(key);
    lastError_ = kErrorSuccess;
    return true;
}

std::optional<std::string> SimDosDevices::Query(const std::string& deviceName) {
    ++queryCount_;
    const auto* list = Lookup(text::ToUpperAscii(text::UpToNul(deviceName)));
    if (!list) {
        Fail(kErrorFileNotFound);
        return std::nullopt;
    }
    std::string reply;
    for (const auto& target : *list) reply.append(target).push_back('\0');
    reply.push_back('\0');
    lastError_ = kErrorSuccess;
    return reply;
}

std::string SimDosDevices::DriveLetters() const {
    std::string letters;
    for (const Table* table : {&Local(), &global_}) {
        for (const auto& [name, list] : *table) {
            if (name.size() == 2 && name[1] == ':' && text::IsAsciiLetter(name[0]) && !list.empty() &&
                letters.find(name[0]) == std::string::npos) {
                letters.push_back(name[0]);
            }
        }
    }
    std::sort(letters.begin(), letters.end());
    return letters;
}

uint32_t SimDosDevices::LogicalDriveMask() {
    uint32_t mask = 0;
    for (char letter : DriveLetters()) mask |= 1u << (letter - 'A');
    return mask;
}

uint32_t SimDosDevices::LogicalDriveStrings(uint32_t size, char* buffer) {
    const std::string letters = DriveLetters();
    std::string reply;
    for (char letter : letters) reply.append({letter, ':', '\\', '\0'});
    const auto length = static_cast<uint32_t>(reply.size());
    if (size < length + 1) return length + 1;
    std::memcpy(buffer, reply.data(), reply.size());
    buffer[length] = '\0';
    return length;
}

}  // namespace plivant::platform::sim
