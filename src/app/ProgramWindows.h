// The program's own windows as the entry routine opens them.
#pragma once
#include "startup/StartupWindows.h"

namespace plivant::app {

// The splash and main windows come with the window toolkit; until then a run opens no window, so the
// start-up and removal runs are complete and an interactive run ends at once.
class ProgramWindows final : public StartupWindows {
public:
    void ShowSplash() override {}
    void ShowMainWindowWithPath(const std::string&) override {}
    void ShowMainWindowWithMountDisabled() override {}
};

}  // namespace plivant::app
