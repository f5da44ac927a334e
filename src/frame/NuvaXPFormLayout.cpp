// NuvaXPForm: the layout pass, the window regions and the active look.
#include "frame/NuvaXPForm.h"

#include "art/ThemeXArt.h"
#include "frame/NuvaXPFormParts.h"
#include "util/ErrorPolicy.h"

namespace plivant {

using namespace nuvaxp;

void NuvaXPForm::EnforceMinimumSize() {
    if (HeightTwips() < kMinHeightTwips) SetSizeTwips(WidthTwips(), kMinHeightTwips);
    if (WidthTwips() < kMinWidthTwips) SetSizeTwips(kMinWidthTwips, HeightTwips());
}

void NuvaXPForm::FitTitlePieces() {
    const float W = WidthTwips() / Tx();
    const float height = Px(kTitleHeight);
    TitleLeft.Move(0, 0, TitleLeft.Width(), height);
    Title.Move(TitleLeft.Width(), 0, W - TitleLeft.Width() - TitleRight.Width(), height);
    TitleRight.Move(Title.Left() + Title.Width(), 0, TitleRight.Width(), height);
}

void NuvaXPForm::PlaceCaption() {
    const bool icon = TitleIcon.Visible();
    const bool minimise = Minimizebutton.Visible(), maximise = MaximizeButton.Visible();
    const float afterIcon = TitleIcon.Left() + TitleIcon.Width();
    const float afterEdge = Left.Left() + Left.Width();
    const float s = Scale(), gap = kCaptionGap * s;
    float width = Minimizebutton.Left() - afterIcon - gap;
    if (!minimise) width = MaximizeButton.Left() - afterIcon - gap;
    if (!minimise && !icon) width = MaximizeButton.Left() - afterEdge - gap;
    if (!minimise && !maximise) width = CloseButton.Left() - afterIcon - gap;
    if (!minimise && !maximise && !icon) width = CloseButton.Left() - afterEdge - gap;
    // Automatic sizing keeps this width, which leaves the buttons free, and gives the label its line's height.
    const float lineHeight = toolkit().MeasureText(Caption1.Font(), Caption1.Caption(), Ty()).height / Ty();
    Caption1.Move(icon ? afterIcon + kCaptionAfterIcon * s : afterEdge + kCaptionAfterEdge * s,
                  ((Title.Height() / s - kCaptionLine) / 2 - kCaptionRaise + Caption1.Font().size +
                   static_cast<float>(m_TitleTop)) *
                      s,
                  width, lineHeight);
}

bool NuvaXPForm::Repos() {
    EnforceMinimumSize();
    const float W = WidthTwips() / Tx(), H = HeightTwips() / Ty();

    FitTitlePieces();
    pICmenu.SetTop(Title.Top() + Title.Height());

    const float edge = Px(kEdge);
    BottomLeft.Move(0, H - edge, edge, edge);
    BottomRight.Move(W - edge, H - edge, edge, edge);
    const float sideTop = TitleLeft.Top() + TitleLeft.Height();
    Left.Move(0, sideTop, edge, BottomLeft.Top() - sideTop);
    const float rightTop = TitleRight.Top() + TitleRight.Height();
    Right.Move(W - edge, rightTop, edge, BottomRight.Top() - rightTop);
    Bottom.Move(BottomLeft.Width(), H - edge, W - BottomLeft.Width() - BottomRight.Width(), edge);
    pICmenu.Move(Bottom.Left(), pICmenu.Top(), Bottom.Width(), pICmenu.Height());

    // Right to left, placed whether shown or not.
    float next = Right.Left();
    for (ControlButton* button : {&CloseButton, &MaximizeButton, &Minimizebutton}) {
        next = next - button->Width() - Px(kButtonGap);
        button->Move(next, (Title.Height() - button->Height()) / 2, button->Width(), button->Height());
    }
    TitleIcon.Move(Left.Left() + Left.Width() + Px(kIconAfterEdge), Px(m_IconTop), TitleIcon.Width(),
                   TitleIcon.Height());
    PlaceCaption();

    if (m_TransparentEdges) ReTransContainer();
    for (ControlButton* button : {&Minimizebutton, &MaximizeButton, &CloseButton}) button->RefreshControl();
    if (!SetFormActiveStyle(true)) return false;
    RaiseClientResize();
    return true;
}

void NuvaXPForm::RaiseClientResize() {
    const float strip = pICmenu.Visible() ? pICmenu.Height() * Ty() : 0;
    int16_t ClientTop = Saturated16(strip + kClientTopTwips);
    int16_t ClientHeight = Saturated16(HeightTwips() - kClientHeightLessTwips - strip);
    int16_t ClientWidth = Saturated16(WidthTwips() - kClientWidthLessTwips);
    if (onresize) onresize(ClientTop, ClientHeight, ClientWidth);
    PicMain.SetTop(pICmenu.Visible() ? pICmenu.Height() + Px(kTitleHeight) : Px(kTitleHeight));
}

void NuvaXPForm::ApplyRoundedTop(platform::WindowHandle window, float widthPixels, float heightPixels) {
    const int32_t W = Round(widthPixels), H = Round(heightPixels);
    const double scale = Scale();
    platform::Region region;
    int32_t row = 0;
    for (int32_t cut; (cut = ThemeXCornerCut(row, scale)) > 0; ++row) region.push_back({cut, row, W - cut, row + 1});
    region.push_back({0, row, W, H});
    Windowing().ApplyRegion(window, region, true);
}

void NuvaXPForm::ReTransObj(IHostForm& IpForm) {
    SkipOnError([&] {
        if (TestOrTrue([&] { return IpForm.Height() < kMinHeightTwips; })) IpForm.SetHeight(kMinHeightTwips);
    });
    SkipOnError([&] {
        if (TestOrTrue([&] { return IpForm.Width() < kMinWidthTwips; })) IpForm.SetWidth(kMinWidthTwips);
    });
    float W = 0, H = 0;
    SkipOnError([&] { W = IpForm.Width() / Tx(); });
    SkipOnError([&] { H = IpForm.Height() / Ty(); });
    SkipOnError([&] { ApplyRoundedTop(IpForm.hwnd(), W, H); });
}

void NuvaXPForm::ReTransContainer() {
    EnforceMinimumSize();
    if (Parent()) ApplyRoundedTop(Parent()->hwnd(), WidthTwips() / Tx(), HeightTwips() / Ty());
}

bool NuvaXPForm::SetFormActiveStyle(bool ActiveForm) {
    Caption1.SetForeColor(m_ColorScheme == 2 ? (ActiveForm ? 0x000000 : 0xC0C0C0) : 0xFFFFFF);
    // The scheme goes to the theme control as a 16-bit number.
    if (m_ColorScheme < std::numeric_limits<int16_t>::min() || m_ColorScheme > std::numeric_limits<int16_t>::max()) {
        return false;
    }
    if (!ThemeX1.ChangeTheme(Left, TitleLeft, Title, TitleRight, Right, Bottom, BottomLeft, BottomRight,
                             static_cast<int16_t>(m_ColorScheme), ActiveForm)) {
        return false;
    }
    // The title's end pieces differ in width between schemes and states: the bar is re-joined so that no gap
    // opens between them.
    FitTitlePieces();
    for (ControlButton* button : {&Minimizebutton, &MaximizeButton, &CloseButton}) button->SetIsActivate(ActiveForm);
    for (ControlButton* button : {&Minimizebutton, &MaximizeButton, &CloseButton}) button->SetTheme(m_ColorScheme);
    const int16_t look = ActiveForm ? -1 : 0;
    Minimizebutton.RefreshControl(look);
    CloseButton.RefreshControl(look);
    if (MaximizeButton.Enabled()) MaximizeButton.RefreshControl(look);
    return true;
}

}  // namespace plivant
