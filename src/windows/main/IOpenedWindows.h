// The interface through which the main window opens its windows modally from its buttons: the start-up list
// editor, the help window and the About window, each one shared instance made on first use. The program hands the
// main window the real ones (app/ProgramOpenedWindows.h); tests hand it a recorder, so the main window includes
// none of them.
#pragma once

namespace plivant {

namespace ui {
class Form;
}

class IOpenedWindows {
public:
    virtual ~IOpenedWindows() = default;
    // Each shows its window modally over the owner and returns when it has closed.
    virtual void ShowStartupListEditor(ui::Form& owner) = 0;
    virtual void ShowHelp(ui::Form& owner) = 0;
    virtual void ShowAbout(ui::Form& owner) = 0;
};

}  // namespace plivant
