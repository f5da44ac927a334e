// A DOS-device table that behaves the way Windows does: stacked definitions, removal by exact or prefix
// target, NULL/empty removal of the newest entry, a Global table and one Local table per logon session
// (a normal session and its elevated twin), a Global C: that a standard user cannot remove.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/DosDevices.h"

namespace plivant::platform::sim {

class SimDosDevices final : public IDosDevices {
public:
    struct Call {
        uint32_t flags;
        std::string name;
        std::optional<std::string> target;
    };

    // A machine with a Global C: on a hard disk.
    SimDosDevices();

    bool Define(uint32_t flags, const std::string& deviceName, const std::optional<std::string>& target) override;
    std::optional<std::string> Query(const std::string& deviceName) override;
    uint32_t LogicalDriveStrings(uint32_t size, char* buffer) override;
    uint32_t LogicalDriveMask() override;

    // Set-up: raw entries, pushed on top of the name's list as given (no conversion).
    void AddGlobal(const std::string& name, const std::string& target);
    void AddLocal(const std::string& name, const std::string& target);
    void RemoveAllGlobal(const std::string& name);
    // Switches between the normal logon session and its elevated twin.
    void SetElevated(bool elevated) { elevated_ = elevated; }

    // What the current session sees for a name, newest first.
    std::vector<std::string> Targets(const std::string& name) const;
    uint32_t LastError() const { return lastError_; }
    const std::vector<Call>& DefineCalls() const { return defineCalls_; }
    int QueryCount() const { return queryCount_; }
    void ClearLog();

private:
    using Table = std::map<std::string, std::vector<std::string>>;  // upper-case name -> targets, newest first
    Table& Local() { return local_[elevated_ ? 1 : 0]; }
    const Table& Local() const { return local_[elevated_ ? 1 : 0]; }
    const std::vector<std::string>* Lookup(const std::string& key) const;
    // The upper-case letters of the drives the current session sees, in order.
    std::string DriveLetters() const;
    bool Fail(uint32_t error);
    bool Remove(uint32_t flags, const std::string& key, const std::optional<std::string>& target);

    Table global_;
    Table local_[2];
    bool elevated_ = false;
    uint32_t lastError_ = 0;
    std::vector<Call> defineCalls_;
    int queryCount_ = 0;
};

// The NT form of a DOS path target: "C:\Data" -> "\??\C:\Data", "/" -> "\", UNC -> "\??\UNC\...".
std::string NtPathOf(const std::string& dosPath);

}  // namespace plivant::platform::sim
