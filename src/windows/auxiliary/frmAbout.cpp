// frmAbout: captions, version, the window's size, and the link's stored settings.
#include "windows/auxiliary/frmAbout.h"

#include "state/UiStrings.h"
#include "util/ErrorPolicy.h"
#include "windows/auxiliary/SplashArt.h"
#include "windows/shared/ProgramFacts.h"

namespace plivant {

namespace {
// The frame's default, which the window takes.
constexpr ui::OleColor kBackground = NuvaXPForm::kDefaultBackground;
constexpr float kDesignWidth = 5745, kDesignHeight = 4245;
constexpr float kWidth = 5800, kHeight = 4400;
constexpr float kSeparatorTop = 3330;

ui::Font TitleFont() {
    return {.name = "Arial", .size = 14.25f, .bold = true};
}

ui::PropertyBag LinkDesign() {
    ui::PropertyBag design;
    design.Store("Caption", std::string(facts::kMaker));
    design.Store("AutoSize", true);
    design.Store("BackColor", kBackground);
    design.Store("MouseOverBackColor", kBackground);
    design.Store("MouseOverForeColor", ui::OleColor{0x0000FF});
    design.Store("LinkExecute", std::string(facts::kMakerWebAddress));
    design.Store("Font", ui::Font{});  // MS Sans Serif
    return design;
}
}  // namespace

frmAbout::frmAbout(ui::Toolkit& toolkit, platform::Platform& platform)
    : FramedForm(toolkit, platform.process, "frmAbout", "About", kDesignWidth, kDesignHeight),
      Image2(*this, "Image2"),
      lblTitle(*this, "lblTitle"),
      lblVersion(*this, "lblVersion"),
      txtReg(*this, "txtReg"),
      ZuLinkLabel1(*this, "ZuLinkLabel1"),
      Line1(*this, "Line1"),
      Line2(*this, "Line2"),
      cmdOK(*this, "cmdOK"),
      registry_(platform.registry),
      process_(platform.process) {
    Image2.Move(300, 600, 0, 0);
    Image2.SetPicture(AboutLogo(Scale()));
    lblTitle.SetBackStyle(0);
    lblTitle.SetFont(TitleFont());
    lblTitle.Move(2565, 585, 3000, 480);
    lblTitle.SetCaption("Application Title");
    lblVersion.SetBackStyle(0);
    lblVersion.Move(2565, 930, 3000, 225);
    lblVersion.SetCaption("Version");
    txtReg.SetMultiLine(true);
    txtReg.SetBackColor(kBackground);
    txtReg.Move(165, 2010, 5415, 1260);
    MakeDisplayOnly(txtReg);
    ZuLinkLabel1.Move(2565, 1275, 0, 0);
    ZuLinkLabel1.ReadProperties(LinkDesign());
    Line1.SetBorderColor(0x808080);
    Line1.SetEnds(0, kSeparatorTop, kWidth, kSeparatorTop);
    Line2.SetBorderColor(0xFFFFFF);
    Line2.SetEnds(0, kSeparatorTop + 15, kWidth, kSeparatorTop + 15);
    cmdOK.Move(4410, 3435, 1260, 345);
    cmdOK.SetCaption("OK");
    // Enter and Escape close the window as OK does.
    cmdOK.SetDefault(true);
    cmdOK.SetCancel(true);
    cmdOK.onClick = [this] { Unload(); };
}

void frmAbout::Rescaled() {
    FramedForm::Rescaled();
    Image2.SetPicture(AboutLogo(Scale()));
}

void frmAbout::Form_Load() {
    SkipOnError([&] { NuvaXPForm1.SetCaption(LoadUiString(registry_, UiString::About) + " " + facts::kProgramTitle); });
    SkipOnError([&] { lblVersion.SetCaption("Version " + VersionNumbersText(process_.Version())); });
    lblTitle.SetCaption(facts::kProgramTitle);
    NuvaXPForm1.SetHeight(kHeight);
    NuvaXPForm1.SetWidth(kWidth);
    Form_Resize();
    HideSizeButtons();
    PlaceOverOwner();
}

}  // namespace plivant
