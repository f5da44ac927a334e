// The windows that the main window opens modally from its buttons: the start-up list editor, the help window and
// the About window, each one shared instance made on first use. The program hands the main window the real ones;
// tests hand it a recorder, so the main window includes none of them.
#pragma once

namespace plivant {

class IOpenedWindows {
public:
    virtual ~IOpenedWindows() = default;
    // Each returns when the window has closed.
    virtual void ShowStartupListEditor() = 0;
    virtual void ShowHelp() = 0;
    virtual void ShowAbout() = 0;
};

}  // namespace plivant
