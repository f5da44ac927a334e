// The simulated DOS-device table and window manager against the way Windows behaves.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/sim/SimDosDevices.h"
#include "platform/sim/SimWindowing.h"

namespace plivant::platform::sim {
namespace {

using namespace plivant::win;
using namespace std::string_literals;
using Targets = std::vector<std::string>;

std::string Reply(SimDosDevices& d, const std::string& name, uint32_t size = 1024) {
    std::string buffer(size, '#');
    return buffer.substr(0, d.Query(name, buffer.data(), size));
}

TEST(SimDosDevices, StacksQueriesRemovalsAndRefusals) {
    SimDosDevices d;
    for (const char* target : {"C:\\T1", "C:\\T2", "C:/T3/"}) ASSERT_TRUE(d.Define(0, "m:", target));
    EXPECT_EQ(Reply(d, "M:"), "\\??\\C:\\T3\\\0\\??\\C:\\T2\0\\??\\C:\\T1\0\0"s);
    EXPECT_EQ(Reply(d, "M:", 12), "");
    EXPECT_EQ(d.LastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, "M:", "C:\\T2"));
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "M:", std::nullopt));
    EXPECT_EQ(Reply(d, "M:", 13), "\\??\\C:\\T1\0\0"s) << "one target and both closing NULs, exactly in the buffer";
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "M:", ""));
    EXPECT_EQ(Reply(d, "M:"), "");
    EXPECT_EQ(d.LastError(), ERROR_FILE_NOT_FOUND);
    const std::string temp = "\\??\\C:\\temp", temp10 = "\\??\\C:\\temp10", other = "\\??\\C:\\other";
    const std::tuple<uint32_t, std::optional<std::string>, bool, Targets> removals[] = {
        {DDD_REMOVE_DEFINITION, "C:\\temp", true, {other, temp}},
        {DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, "c:\\TEMP", true, {other, temp10}},
        {DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, "C:\\tem", false, {other, temp10, temp}},
        {DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, temp10, true, {other, temp}},
        {DDD_REMOVE_DEFINITION, std::nullopt, true, {temp10, temp}},
        {DDD_REMOVE_DEFINITION, "", true, {temp10, temp}}};
    for (const auto& [flags, target, ok, left] : removals) {
        SimDosDevices t;
        for (const char* folder : {"C:\\temp", "C:\\temp10", "C:\\other"}) t.Define(0, "T:", folder);
        EXPECT_EQ(t.Define(flags, "T:", target), ok) << flags;
        EXPECT_EQ(t.Targets("T:"), left) << flags;
    }
    for (const auto& [flags, name, target, error] :
         {std::tuple{0u, "M:\\", std::optional<std::string>("C:\\Data"), ERROR_INVALID_NAME},
          {0u, "M:", std::nullopt, ERROR_INVALID_PARAMETER},
          {0u, "M:", "", ERROR_INVALID_NAME},
          {DDD_REMOVE_DEFINITION, "K:", "C:\\x", ERROR_FILE_NOT_FOUND}}) {
        EXPECT_FALSE(d.Define(flags, name, target)) << name;
        EXPECT_EQ(d.LastError(), error) << name;
    }
    EXPECT_TRUE(d.Targets("M:").empty());
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "K:", std::nullopt));
    EXPECT_TRUE(d.Define(0, "M:", "C:\\does\\not\\exist"));
}

TEST(SimDosDevices, LocalAndGlobalTablesElevationAndTheDriveStrings) {
    SimDosDevices d;
    d.Define(0, "M:", "C:\\Data");
    d.Define(0, "C:", "D:\\Other");
    EXPECT_EQ(d.Targets("C:"), Targets{"\\??\\D:\\Other"});
    d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt);
    EXPECT_EQ(d.Targets("C:"), Targets{"\\Device\\HarddiskVolume3"});
    EXPECT_FALSE(d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt));
    EXPECT_EQ(d.LastError(), ERROR_ACCESS_DENIED);
    d.SetElevated(true);
    EXPECT_TRUE(d.Targets("M:").empty());
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "C:", std::nullopt));
    EXPECT_TRUE(d.Targets("C:").empty());
    d.SetElevated(false);
    EXPECT_EQ(d.Targets("M:"), Targets{"\\??\\C:\\Data"});
    d.AddLocal("Z:", "\\Device\\LanmanRedirector\\;Z:0000000000012345\\server\\share");
    EXPECT_TRUE(d.Define(DDD_REMOVE_DEFINITION, "Z:", ""));
    EXPECT_TRUE(d.Targets("Z:").empty());
    SimDosDevices s;
    s.Define(0, "m:", "C:\\Data");
    s.Define(0, "M:", "C:\\More");
    s.AddGlobal("D:", "\\Device\\CdRom0");
    s.Define(0, "NUL2", "C:\\x");
    std::string buffer(64, '#'), small(12, '#');
    EXPECT_EQ(s.LogicalDriveStrings(64, buffer.data()), 12u);
    EXPECT_EQ(buffer.substr(0, 13), "C:\\\0D:\\\0M:\\\0\0"s);
    EXPECT_EQ(s.LogicalDriveStrings(12, small.data()), 13u);
    EXPECT_EQ(small, std::string(12, '#'));
}

TEST(SimWindowing, PlaceHonoursTheNoMoveNoSizeAndZOrderFlags) {
    using namespace win;
    const std::tuple<WindowHandle, uint32_t, Rect, bool> cases[] = {
        {HWND_TOPMOST, SWP_NOMOVE | SWP_NOSIZE, {10, 20, 110, 70}, true},
        {HWND_TOPMOST, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER, {10, 20, 110, 70}, false},
        {HWND_NOTOPMOST, SWP_NOSIZE, {1, 2, 101, 52}, false},
        {HWND_TOP, SWP_NOMOVE, {10, 20, 13, 24}, false},
        {HWND_TOP, 0, {1, 2, 4, 6}, false}};
    for (const auto& [insertAfter, flags, expected, topmost] : cases) {
        SimWindowing sim;
        const auto w = sim.AddWindow(0, {10, 20, 110, 70});
        EXPECT_TRUE(sim.Place(w, insertAfter, 1, 2, 3, 4, flags));
        EXPECT_EQ(std::tuple(*sim.WindowRect(w), sim.Topmost(w)), std::tuple(expected, topmost)) << flags;
        sim.Place(w, HWND_NOTOPMOST, 0, 0, 0, 0, 3);
        EXPECT_FALSE(sim.Topmost(w));
    }
    EXPECT_FALSE(SimWindowing().Place(0xBAD0, HWND_TOPMOST, 0, 0, 0, 0, 3));
}

TEST(SimWindowing, StylesNestedRectanglesAndVisibility) {
    SimWindowing sim;
    const auto form = sim.AddWindow(0, {100, 50, 300, 250});
    const auto child = sim.AddWindow(form, {10, 20, 30, 40});
    EXPECT_EQ(sim.WriteLong(form, win::GWL_STYLE, 0x00CF0000), 0);  // a write returns the previous value
    EXPECT_EQ(sim.WriteLong(form, win::GWL_STYLE, 0x00080000), 0x00CF0000);
    EXPECT_EQ(sim.ReadLong(form, win::GWL_STYLE), 0x00080000);
    EXPECT_EQ(sim.ReadLong(0xBAD0, win::GWL_STYLE), 0);
    EXPECT_EQ(*sim.WindowRect(child), (Rect{110, 70, 130, 90}));
    EXPECT_EQ(sim.WindowAt({115, 75}), child);
    sim.SetVisible(child, false);
    EXPECT_EQ(sim.WindowAt({115, 75}), form);
    sim.SetVisible(form, false);  // a hidden parent hides its children
    EXPECT_EQ(sim.WindowAt({115, 75}), 0u);
    sim.RemoveWindow(form);
    EXPECT_FALSE(sim.WindowRect(child));
}

TEST(SimWindowing, WindowTimersReplaceTheirNamesakeAndThreadTimersGetDistinctIdentifiers) {
    SimWindowing sim;
    const auto w = sim.AddWindow(0, {0, 0, 10, 10});
    std::vector<std::string> seen;
    const auto record = [&](WindowHandle window, uint32_t message, uintptr_t id, uint32_t time) {
        seen.push_back(std::to_string(window) + "/" + std::to_string(message) + "/" + std::to_string(id) + "@" +
                       std::to_string(time));
    };
    EXPECT_EQ(sim.StartTimer(w, 7, 20, [](WindowHandle, uint32_t, uintptr_t, uint32_t) { FAIL() << "replaced"; }), 7u);
    EXPECT_EQ(sim.StartTimer(w, 7, 30, record), 7u);
    EXPECT_EQ(sim.TimerPeriod(w, 7), 30u);
    const auto a = sim.StartTimer(0, 0, 15, record), b = sim.StartTimer(0, 0, 15, record);
    EXPECT_NE(a * b, 0u);
    EXPECT_NE(a, b);
    sim.Advance(30);
    const std::string thread = "0/" + std::to_string(win::WM_TIMER) + "/";
    const std::string window = std::to_string(w) + "/" + std::to_string(win::WM_TIMER) + "/7@30";
    EXPECT_EQ(seen, (std::vector<std::string>{thread + std::to_string(a) + "@15", thread + std::to_string(b) + "@15",
                                              window, thread + std::to_string(a) + "@30",
                                              thread + std::to_string(b) + "@30"}));  // in the order of their start
    EXPECT_TRUE(sim.StopTimer(0, a));
    EXPECT_FALSE(sim.StopTimer(0, a));
    sim.RemoveWindow(w);  // the window's timers go with it
    EXPECT_EQ(sim.ActiveTimers(), 1);
}

}  // namespace
}  // namespace plivant::platform::sim
