// The main window on a simulated machine, opened by the program's own start; a system that can refuse every
// definition, a log of the calls that matter, and the windows the main window opens recorded rather than shown.
#pragma once
#include <gtest/gtest.h>

#include "SimHost.h"
#include "app/ProgramWindows.h"
#include "startup/modMain.h"

namespace plivant::test {

using Log = std::vector<std::string>;

// One log of the calls that matter, in order: devices defined and drives listed, files searched, tested, read,
// written and deleted, and the message boxes shown (noted when the next call comes, or when the log is taken).
class CallLog {
public:
    explicit CallLog(ui::sim::HeadlessToolkit& toolkit) : toolkit_(toolkit) {}
    template <typename T>
    T Note(const std::string& entry, T result) {
        Flush();
        entries_.push_back(entry);
        return result;
    }
    Log Take() {
        Flush();
        return std::exchange(entries_, {});
    }

private:
    void Flush() {
        for (const auto& boxes = toolkit_.messageBoxes; seen_ < boxes.size(); ++seen_)
            entries_.push_back("msgbox " + std::to_string(boxes[seen_].buttons) + " " + boxes[seen_].title);
    }
    ui::sim::HeadlessToolkit& toolkit_;
    Log entries_;
    size_t seen_ = 0;
};

class LoggedDevices final : public platform::IDosDevices {
public:
    LoggedDevices(platform::IDosDevices& real, CallLog& log) : real_(real), log_(log) {}
    bool Define(uint32_t flags, const std::string& name, const std::optional<std::string>& target) override {
        const bool done = !refuse && real_.Define(flags, name, target);
        return log_.Note("define " + std::to_string(flags) + " " + name + " " + target.value_or("<none>"), done);
    }
    std::optional<std::string> Query(const std::string& name) override { return real_.Query(name); }
    uint32_t LogicalDriveStrings(uint32_t size, char* buffer) override {
        return log_.Note("drives", real_.LogicalDriveStrings(size, buffer));
    }
    uint32_t LogicalDriveMask() override { return log_.Note("mask", real_.LogicalDriveMask()); }
    bool refuse = false;  // the system refuses every definition

private:
    platform::IDosDevices& real_;
    CallLog& log_;
};

class LoggedFiles final : public platform::IFileSystem {
public:
    LoggedFiles(platform::IFileSystem& real, CallLog& log) : real_(real), log_(log) {}
    bool FindFiles(const std::string& pattern, const std::function<bool(const platform::FindEntry&)>& visit) override {
        return log_.Note("find " + pattern, real_.FindFiles(pattern, visit));
    }
    uint32_t ShortPathName(const std::string& path, char* buffer, uint32_t size) override {
        return log_.Note("short " + path, real_.ShortPathName(Read(path), buffer, size));
    }
    std::u16string ShortPathNameW(std::u16string_view path) override { return real_.ShortPathNameW(path); }
    uint32_t IsDirectory(const std::string& path) override {
        return log_.Note("isdir " + path, real_.IsDirectory(Read(path)));
    }
    std::optional<std::string> ReadFile(const std::string& path) override {
        return log_.Note("read " + path, real_.ReadFile(path));
    }
    bool Append(const std::string& path, const std::string& bytes) override {
        return log_.Note("append " + path + " " + bytes, real_.Append(path, bytes));
    }
    bool Replace(const std::string& path, const std::string& bytes) override {
        return log_.Note("replace " + path, real_.Replace(path, bytes));
    }
    bool Delete(const std::string& path) override { return log_.Note("delete " + path, real_.Delete(path)); }
    bool shortLengths = false;  // a path's length read in 16 bits, as Wine reads it: 65,539 characters as 3

private:
    std::string Read(const std::string& path) const {
        return path.substr(0, shortLengths ? path.size() & 0xFFFF : path.npos);
    }
    platform::IFileSystem& real_;
    CallLog& log_;
};

class OpenedRecorder final : public IOpenedWindows {
public:
    void ShowStartupListEditor(ui::Form& owner) override { shown.push_back("editor:" + owner.Name()); }
    void ShowHelp(ui::Form& owner) override { shown.push_back("help:" + owner.Name()); }
    void ShowAbout(ui::Form& owner) override { shown.push_back("about:" + owner.Name()); }
    std::vector<std::string> shown;
};

inline constexpr const char* kHistoryFile = "C:\\Apps\\Plivant\\Plivant.ini";

class MountTest : public SimScreenTest {
protected:
    MountTest() {
        for (const char* folder : {"C:\\Apps\\Plivant", "C:\\My Data", "C:\\Temp"}) sim.files.AddFolder(folder);
        sim.process.programFolder = "C:\\Apps\\Plivant";
    }
    // The program's start with the command line.
    frmMount& Start(const std::string& commandLine = "C:\\My Data") {
        sim.process.commandLine = commandLine;
        Main(logged, windows);
        return *windows.Main();
    }
    void Map(const std::string& name, const std::string& folder) { sim.dosDevices.Define(0, name, folder); }
    // The user picks this item of a popup when it opens.
    void PickInPopups(const std::string& item) {
        toolkit.onPopup = [item](ui::Menu& menu) -> ui::Menu* {
            for (ui::Menu* m : menu.Items())
                if (m->Name() == item) return m;
            return nullptr;
        };
    }
    std::string History() const { return sim.files.Content(kHistoryFile).value_or("<missing>"); }
    // The message boxes shown since the last call, as title and text.
    Log Said() {
        Log texts;
        for (; said_ < toolkit.messageBoxes.size(); ++said_)
            texts.push_back(toolkit.messageBoxes[said_].title + ": " + toolkit.messageBoxes[said_].prompt);
        return texts;
    }
    size_t said_ = 0;

    CallLog log{toolkit};
    LoggedDevices devices{sim.dosDevices, log};
    LoggedFiles files{sim.files, log};
    platform::Platform logged{devices, files, sim.registry, sim.process, sim.shell, sim.windowing, sim.codePage};
    OpenedRecorder opened;
    app::ProgramWindows windows{toolkit, logged, opened};
};

}  // namespace plivant::test
