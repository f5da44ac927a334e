// ControlButton: image choice, mouse tracking by polling, persistence.
#include "widgets/ControlButton.h"

#include "widgets/CursorOver.h"

namespace plivant {

namespace {

constexpr int32_t kPollMs = 10;

CaptionImageSet SetFor(int32_t buttonStyle) {
    switch (buttonStyle) {
        case 0:
            return CaptionImageSet::CbMin;
        case 1:
            return CaptionImageSet::CbMax;
        case 2:
            return CaptionImageSet::CbClose;
        default:
            return CaptionImageSet::CbRestore;
    }
}

}  // namespace

CaptionImage CaptionImageFor(int32_t theme, int32_t buttonStyle, CaptionLook look) {
    const CaptionImageSet set = SetFor(buttonStyle);
    const bool max = set == CaptionImageSet::CbMax;
    const int step = static_cast<int>(look);  // resting, hover, pressed, inactive
    if (theme == 0) return {set, step};
    if (theme == 1) return {set, (max ? 5 : 4) + step};
    return {set, (max ? 14 : 11) - step};  // silver runs backwards
}

CaptionImage DisabledCaptionImage(int32_t theme) {
    return {CaptionImageSet::CbMax, theme == 0 ? 4 : theme == 1 ? 9 : 10};
}

ControlButton::ControlButton(ui::Control& host, const char* name, int index)
    : ui::UserControl(host, name, index), PicMain(*this, "PicMain"), Timer1(*this, "Timer1") {
    PicMain.SetBackColor(ui::kWindowBackground);
    PicMain.SetBorderStyle(ui::ControlBorderStyle::None);
    Timer1.SetInterval(kPollMs);
    Timer1.SetEnabled(false);
    PicMain.onMouseDown = [this](int16_t button, int16_t, float, float) { PicMain_MouseDown(button); };
    PicMain.onMouseMove = [this](int16_t button, int16_t, float, float) { PicMain_MouseMove(button); };
    PicMain.onClick = [this] { PicMain_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    UserControl_Resize();
    RefreshControl(1);
}

void ControlButton::SetAutoRedraw(bool value) {
    PicMain.SetAutoRedraw(value);
    PropertyChanged("AutoRedraw");
}

void ControlButton::SetToolTipText(const std::string& value) {
    PicMain.SetToolTipText(value);
    PropertyChanged("ToolTipText");
}

void ControlButton::SetTheme(int32_t value) {
    m_Theme = value;
    RefreshControl(1);
    PropertyChanged("Theme");
}

void ControlButton::SetButtonStyle(int32_t value) {
    m_ButtonStyle = value;
    RefreshControl(1);
    PropertyChanged("ButtonStyle");
}

void ControlButton::SetEnabled(bool value) {
    PicMain.SetEnabled(value);
    RefreshControl(1);
    PropertyChanged("Enabled");
}

void ControlButton::SetIsActivate(bool value) {
    m_IsActivate = value;
    PropertyChanged("IsActivate");
}

void ControlButton::Show(CaptionImage image) {
    shown_ = image;
    PicMain.SetPicture(CaptionButtonImage(image.set, image.index, Scale()));
}

void ControlButton::RefreshControl(int16_t IpRes) {
    m_MouseButtonState = 0;
    if (!PicMain.Enabled()) {
        Show(DisabledCaptionImage(m_Theme));
        return;
    }
    Show(CaptionImageFor(m_Theme, m_ButtonStyle,
                         IpRes != 0 ? CaptionLook::RestingActive : CaptionLook::RestingInactive));
}

void ControlButton::ShowHotImage(bool Over) {
    const bool hot = m_MouseButtonState != 1 && Over;
    Show(CaptionImageFor(m_Theme, m_ButtonStyle, hot ? CaptionLook::Hover : CaptionLook::Pressed));
}

void ControlButton::PicMain_MouseDown(int16_t Button) {
    if (Button != 1) return;
    m_MouseButtonState = 1;
    ShowHotImage(false);
    Timer1.SetEnabled(true);
}

void ControlButton::PicMain_MouseMove(int16_t Button) {
    m_MouseButtonState = Button;
    Timer1.SetEnabled(true);
}

void ControlButton::Timer1_Timer() {
    const bool Over = CursorIsOver(toolkit().Windowing(), PicMain.hwnd());
    ShowHotImage(m_MouseButtonState == 1 && Over ? false : Over);
    if (!Over) {
        RefreshControl(m_IsActivate ? 1 : 0);
        Timer1.SetEnabled(false);
    }
}

void ControlButton::PicMain_Click() {
    RefreshControl(1);
    Click();
}

void ControlButton::UserControl_InitProperties() {
    m_IsActivate = true;
    m_Theme = 0;
    m_ButtonStyle = 0;
}

void ControlButton::UserControl_ReadProperties(const ui::PropertyBag& bag) {
    PicMain.SetAutoRedraw(bag.ReadProperty("AutoRedraw", false));
    PicMain.SetToolTipText(bag.ReadProperty("ToolTipText", ""));
    m_Theme = bag.ReadProperty("Theme", int32_t{0});
    m_ButtonStyle = bag.ReadProperty("ButtonStyle", int32_t{0});
    PicMain.SetEnabled(bag.ReadProperty("Enabled", true));
    m_IsActivate = bag.ReadProperty("IsActivate", true);
    RefreshControl(1);
}

void ControlButton::UserControl_WriteProperties(ui::PropertyBag& bag) {
    bag.WriteProperty("AutoRedraw", PicMain.AutoRedraw(), false);
    bag.WriteProperty("ToolTipText", PicMain.ToolTipText(), "");
    bag.WriteProperty("Theme", m_Theme, int32_t{0});
    bag.WriteProperty("ButtonStyle", m_ButtonStyle, int32_t{0});
    bag.WriteProperty("Enabled", PicMain.Enabled(), true);
    bag.WriteProperty("IsActivate", m_IsActivate, true);
}

void ControlButton::UserControl_Resize() {
    // As large as its picture, whatever size it is given.
    const float size = static_cast<float>(CaptionButtonSize(Scale())) * TwipsPerPixelX();
    SetSizeTwips(size, size);
    PicMain.Move(0, 0, ScaleWidth(), ScaleHeight());
}

}  // namespace plivant
