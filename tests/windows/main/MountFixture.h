// The main window on a simulated machine, opened by the program's own start, with one log of the calls that
// matter, in order: devices defined, drives listed or tested, files searched, read, written and deleted, and the
// message boxes shown.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ProgramWindows.h"
#include "platform/sim/SimPlatform.h"
#include "startup/modMain.h"
#include "ui/sim/HeadlessToolkit.h"

namespace plivant::test {

using Log = std::vector<std::string>;

class Recorder {
public:
    explicit Recorder(ui::sim::HeadlessToolkit& toolkit) : toolkit_(toolkit) {}
    void Note(std::string entry) {
        Flush();
        entries_.push_back(std::move(entry));
    }
    void Clear() {
        Flush();
        entries_.clear();
    }
    // The entries, a run of equal ones as one with its count ("mask*26").
    Log Entries() {
        Flush();
        Log out;
        for (size_t i = 0, n = 1; i < entries_.size(); i += n) {
            for (n = 1; i + n < entries_.size() && entries_[i + n] == entries_[i];) ++n;
            out.push_back(n == 1 ? entries_[i] : entries_[i] + "*" + std::to_string(n));
        }
        return out;
    }

private:
    void Flush() {
        for (; seen_ < toolkit_.messageBoxes.size(); ++seen_) {
            const auto& box = toolkit_.messageBoxes[seen_];
            entries_.push_back("msgbox " + std::to_string(box.buttons) + " " + box.title + ": " + box.prompt);
        }
    }
    ui::sim::HeadlessToolkit& toolkit_;
    Log entries_;
    size_t seen_ = 0;
};

class LoggedDevices final : public platform::IDosDevices {
public:
    LoggedDevices(platform::IDosDevices& real, Recorder& log) : real_(real), log_(log) {}
    bool Define(uint32_t flags, const std::string& name, const std::optional<std::string>& target) override {
        log_.Note("define " + std::to_string(flags) + " " + name + " " + target.value_or("<none>"));
        return !refuse && real_.Define(flags, name, target);
    }
    uint32_t Query(const std::string& name, char* buffer, uint32_t size) override {
        return real_.Query(name, buffer, size);
    }
    uint32_t LogicalDriveStrings(uint32_t size, char* buffer) override {
        log_.Note("drives");
        return real_.LogicalDriveStrings(size, buffer);
    }
    uint32_t LogicalDriveMask() override {
        log_.Note("mask");
        return real_.LogicalDriveMask() | takenMeanwhile;
    }
    bool refuse = false;          // the system refuses every definition
    uint32_t takenMeanwhile = 0;  // letters another program took after the drive box was filled

private:
    platform::IDosDevices& real_;
    Recorder& log_;
};

class LoggedFiles final : public platform::IFileSystem {
public:
    LoggedFiles(platform::IFileSystem& real, Recorder& log) : real_(real), log_(log) {}
    bool FindFiles(const std::string& pattern, const std::function<bool(const platform::FindEntry&)>& visit) override {
        return Noted("find " + pattern, real_.FindFiles(pattern, visit));
    }
    uint32_t ShortPathName(const std::string& path, char* buffer, uint32_t size) override {
        return Noted("short " + path, real_.ShortPathName(path, buffer, size));
    }
    uint32_t IsDirectory(const std::string& path) override { return Noted("isdir " + path, real_.IsDirectory(path)); }
    std::optional<std::string> ReadFile(const std::string& path) override {
        return Noted("read " + path, real_.ReadFile(path));
    }
    bool Append(const std::string& path, const std::string& bytes) override {
        return Noted("append " + path + " " + bytes, real_.Append(path, bytes));
    }
    bool Replace(const std::string& path, const std::string& bytes) override { return real_.Replace(path, bytes); }
    bool Delete(const std::string& path) override { return Noted("delete " + path, real_.Delete(path)); }

private:
    template <typename T>
    T Noted(const std::string& entry, T result) {
        log_.Note(entry);
        return result;
    }
    platform::IFileSystem& real_;
    Recorder& log_;
};

// Ending the process never returns: the double notes the end and throws.
class EndingProcess final : public platform::IProcess {
public:
    struct Ended {};
    bool PreviousInstanceRunning() override { return false; }
    std::string CommandLineArguments() override { return commandLine; }
    std::string ProgramFolder() override { return programFolder; }
    platform::VersionNumbers Version() override { return {1, 0, 0}; }
    [[noreturn]] void EndProcess() override {
        ended = true;
        throw Ended{};
    }
    std::string commandLine;
    std::string programFolder = "C:\\Apps\\Plivant";
    bool ended = false;
};

class OpenedRecorder final : public IOpenedWindows {
public:
    void ShowStartupListEditor(ui::Form& owner) override { shown.push_back("editor:" + owner.Name()); }
    void ShowHelp(ui::Form& owner) override { shown.push_back("help:" + owner.Name()); }
    void ShowAbout(ui::Form& owner) override { shown.push_back("about:" + owner.Name()); }
    std::vector<std::string> shown;
};

inline constexpr const char* kHistoryFile = "C:\\Apps\\Plivant\\Plivant.ini";

class MountTest : public testing::Test {
protected:
    MountTest() {
        machine.files.AddFolder("C:\\Apps\\Plivant");
        machine.files.AddFolder("C:\\My Data");
        machine.files.AddFolder("C:\\Temp");
    }
    // The program's start with the command line; the log begins after it.
    frmMount& Start(const std::string& commandLine = "C:\\My Data") {
        process.commandLine = commandLine;
        Main(ports, windows);
        log.Clear();
        return *windows.Main();
    }
    void Map(const std::string& name, const std::string& folder) { machine.dosDevices.Define(0, name, folder); }
    // The user picks this item of a popup when it opens.
    void PickInPopups(const std::string& item) {
        toolkit.onPopup = [item](ui::Menu& menu) -> ui::Menu* {
            for (ui::Menu* m : menu.Items())
                if (m->Name() == item) return m;
            return nullptr;
        };
    }
    std::string History() const { return machine.files.Content(kHistoryFile).value_or("<missing>"); }

    platform::sim::SimPlatform machine;
    ui::sim::HeadlessToolkit toolkit{machine.windowing, machine.shell};
    Recorder log{toolkit};
    LoggedDevices devices{machine.dosDevices, log};
    LoggedFiles files{machine.files, log};
    EndingProcess process;
    platform::Platform ports{devices,           files,           machine.registry, process, machine.shell,
                             machine.windowing, machine.codePage};
    OpenedRecorder opened;
    app::ProgramWindows windows{toolkit, ports, opened};
};

}  // namespace plivant::test
