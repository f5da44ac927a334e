// BareFrame.exe: one window in the program's frame as the main window stores it (its title font, the program's icon on
// the title bar), with no controls, on the program's toolkit; it runs until the window is closed. The baseline against
// which the main window's time to be ready is measured. With the word "splash" on its command line it first shows the
// program's splash, as every run of the program does; with "controls" it loads the common controls, as the main
// window's first system control does: the part of the main window's extra time that comes before its own work.
#include <windows.h>

#include <memory>
#include <string_view>

#include "frame/NuvaXPForm.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"
#include "ui/win32/WindowPeer.h"
#include "windows/auxiliary/frmSplash.h"
#include "windows/shared/FramedForm.h"

namespace {

class frmBare final : public plivant::ui::Form {
public:
    frmBare(plivant::ui::Toolkit& toolkit, plivant::platform::IProcess& process)
        : plivant::ui::Form(toolkit, "frmBare"), NuvaXPForm1(*this, "NuvaXPForm1", process) {
        SetCaption("Bare");
        Move(3000, 2000, 6015, 4815);
        NuvaXPForm1.ReadProperties(
            plivant::FrameDesign("Bare", {.name = "Trebuchet MS", .size = 9.75f, .bold = true}, Scale()));
        NuvaXPForm1.Move(0, 0, 6015, 4815);
    }
    plivant::NuvaXPForm NuvaXPForm1;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    plivant::platform::win32::Win32Platform real;
    plivant::ui::win32::Win32Toolkit toolkit(real.windowing, real.shell);
    const std::string_view words(commandLine);
    std::unique_ptr<plivant::frmSplash> splash;
    if (words.find("splash") != words.npos) {
        splash = std::make_unique<plivant::frmSplash>(toolkit, real.process);
        splash->Show();
    }
    if (words.find("controls") != words.npos) plivant::ui::win32::UseCommonControls();
    frmBare form(toolkit, real.process);
    form.Show();
    toolkit.RunUntilNoFormIsLeft();
    return 0;
}
