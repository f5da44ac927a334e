// frmSplash: version label, topmost placement and the one-second timer.
#include "windows/auxiliary/frmSplash.h"

#include "frame/NuvaXPForm.h"
#include "platform/WinConst.h"
#include "ui/Types.h"
#include "windows/auxiliary/SplashArt.h"
#include "windows/shared/ProgramFacts.h"

namespace plivant {

namespace {
constexpr uint32_t kNoMoveNoSize = win::kSwpNoSize | win::kSwpNoMove;

ui::Font Palatino(float size) {
    return {.name = "Palatino Linotype", .size = size, .bold = true};
}
}  // namespace

frmSplash::frmSplash(ui::Toolkit& toolkit, platform::IProcess& process)
    : ui::Form(toolkit, "frmSplash"),
      Frame1(*this, "Frame1"),
      Image1(Frame1, "Image1"),
      Image2(Frame1, "Image2"),
      lblName(Frame1, "lblName"),
      Label2(Frame1, "Label2"),
      tmrRun(*this, "tmrRun"),
      process_(process) {
    SetCaption("Splash");
    SetBorderStyle(ui::FormBorderStyle::None);
    const float width = 4095, height = 4290;
    const ui::SizeTwips screen = toolkit.ScreenSize();
    Move((screen.width - width) / 2, (screen.height - height) / 2, width, height);
    // A group box over the whole window, its top edge above the window's: its left, right and bottom edges show.
    Frame1.Move(0, -45, 4095, 4335);
    Frame1.SetBackColor(NuvaXPForm::kDefaultBackground);
    // The pictures are drawn at the first paint: a removal run ends before its splash paints.
    Image1.Move(240, 300, 600, 600);
    Image2.Move(922, 2400, 2250, 1275);  // 150 × 85 pixels, centred
    Rescaled();
    lblName.SetBackStyle(0);
    lblName.SetFont(Palatino(15.75f));
    lblName.SetAlignment(ui::TextAlignment::Center);
    lblName.Move(0, 1200, 4095, 480);
    lblName.SetCaption("Plivant");
    Label2.SetBackStyle(0);
    Label2.SetFont(Palatino(12));
    Label2.SetAlignment(ui::TextAlignment::Center);
    Label2.Move(0, 1800, 4095, 360);
    Label2.SetCaption("* * Freeware * *");
    tmrRun.SetInterval(1000);
    tmrRun.onTimer = [this] { tmrRun_Timer(); };
}

void frmSplash::Rescaled() {
    const float scale = Scale();  // a float: handlers hold no doubles
    const auto scaled = [scale](int size) { return ui::ScaledPixels(size, scale); };
    Image1.SetPicture(scaled(kSplashProgramPictureSize), scaled(kSplashProgramPictureSize),
                      [scale] { return SplashProgramPicture(scale); });
    Image2.SetPicture(scaled(kSplashMountPictureWidth), scaled(kSplashMountPictureHeight),
                      [scale] { return SplashMountPicture(scale); });
}

void frmSplash::Form_Load() {
    lblName.SetCaption("Plivant " + VersionNumbersText(process_.Version()));
    // Not shown yet: it takes the activation as it shows.
    toolkit().Windowing().Place(hwnd(), win::kHwndTopmost, 0, 0, 0, 0, kNoMoveNoSize | win::kSwpNoActivate);
}

void frmSplash::tmrRun_Timer() {
    Unload();
}

void frmSplash::Form_Unload(int16_t&) {
    // The main window, active by now, stays so: a popup the user opened in it stays open.
    toolkit().Windowing().Place(hwnd(), win::kHwndNoTopmost, 0, 0, 0, 0, kNoMoveNoSize | win::kSwpNoActivate);
}

}  // namespace plivant
