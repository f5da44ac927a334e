// The windows the entry routine opens. The program gives it the real ones; tests give it a recorder.
#pragma once
#include <string>

namespace plivant {

class StartupWindows {
public:
    virtual ~StartupWindows() = default;
    // Shows the splash window, non-modally. Called in every run that is not a second instance.
    virtual void ShowSplash() = 0;
    // Opens the main window with its folder path box set to the given text.
    virtual void ShowMainWindowWithPath(const std::string& path) = 0;
    // Opens the main window with its mount button disabled; refused: the command line named a folder the process
    // code page cannot hold, which the window then refuses as it refuses a mapping.
    virtual void ShowMainWindowWithMountDisabled(bool refused) = 0;
};

}  // namespace plivant
