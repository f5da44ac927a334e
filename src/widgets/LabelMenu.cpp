// LabelMenu: the highlight state machine and persistence.
#include "widgets/LabelMenu.h"

namespace plivant {

namespace {
constexpr float kHeightTwips = 270;
constexpr float kWidthMargin = 210;
constexpr int16_t kPollMs = 10;
}  // namespace

LabelMenu::LabelMenu(ui::Control& host, const char* name, int index)
    : ui::UserControl(host, name, index), Label1(*this, "Label1") {
    Control::SetBackColor(ui::kButtonFace);
    Label1.SetBackStyle(0);
    Label1.SetAutoSize(true);
    Label1.Move(75, 30, Label1.Width(), Label1.Height());
    Label1.SetCaption("&System");
    Label1.onClick = [this] {
        Control::Click();
        Highlight(true);
    };
    Label1.onMouseDown = [this](int16_t b, int16_t s, float x, float y) {
        Control::MouseDown(b, s, x, y);
        Highlight(true);
    };
    Label1.onMouseMove = [this](int16_t b, int16_t s, float x, float y) {
        Control::MouseMove(b, s, x, y);
        Highlight(true);
    };
    Label1.onMouseUp = [this](int16_t b, int16_t s, float x, float y) { Control::MouseUp(b, s, x, y); };
    FitWidth();
}

void LabelMenu::FitWidth() {
    SetSizeTwips(Label1.WidthTwips() + kWidthMargin, kHeightTwips);
}

void LabelMenu::SetBackColor(ui::OleColor value) {
    Control::SetBackColor(value);
    PropertyChanged("BackColor");
}

void LabelMenu::SetBorderStyle(int16_t value) {
    m_BorderStyle = value;
    Refresh();
    PropertyChanged("BorderStyle");
}

void LabelMenu::SetCaption(const std::string& value) {
    Label1.SetCaption(value);
    FitWidth();
    PropertyChanged("Caption");
}

void LabelMenu::SetEnabled(bool value) {
    Control::SetEnabled(value);
    PropertyChanged("Enabled");
}

void LabelMenu::Click() {
    Control::Click();
    Highlight(true);
}

void LabelMenu::MouseDown(int16_t button, int16_t shift, float x, float y) {
    Control::MouseDown(button, shift, x, y);
    Highlight(true);
}

void LabelMenu::MouseMove(int16_t button, int16_t shift, float x, float y) {
    Control::MouseMove(button, shift, x, y);
    Highlight(true);
}

void LabelMenu::Light() {
    m_SavedBackColor = Control::BackColor();
    Control::SetBackColor(kHighlight);
    m_BorderStyle = 1;
    Refresh();
}

void LabelMenu::Highlight(bool On) {
    if (On) {
        if (!MyTimer) {
            MyTimer = std::make_unique<clsTimer>(toolkit().Windowing());
            MyTimer->OnTime = [this](int32_t, int32_t) { MyTimer_OnTime(); };
            MyTimer->StartTimer(kPollMs);
            Light();
        } else if (Control::BackColor() != kHighlight) {
            Light();
        }
        return;
    }
    if (MyTimer) {
        MyTimer->StopTimer();
        MyTimer.reset();
    }
    Control::SetBackColor(m_SavedBackColor);
    m_BorderStyle = 0;
    Refresh();
}

void LabelMenu::MyTimer_OnTime() {
    if (!MyTimer->isMouseOver(hwnd())) Highlight(false);
}

ui::ViewLook LabelMenu::Look() const {
    ui::ViewLook look = Control::Look();
    look.border = m_BorderStyle != 0 ? ui::ControlBorderStyle::FixedSingle : ui::ControlBorderStyle::None;
    return look;
}

void LabelMenu::UserControl_ReadProperties(const ui::PropertyBag& bag) {
    Control::SetBackColor(bag.ReadProperty("BackColor", ui::kButtonFace));
    Label1.SetCaption(bag.ReadProperty("Caption", "&System"));
    Control::SetEnabled(bag.ReadProperty("Enabled", true));
    FitWidth();
    m_BorderStyle = bag.ReadProperty("BorderStyle", int16_t{0});
    Refresh();
}

void LabelMenu::UserControl_WriteProperties(ui::PropertyBag& bag) {
    bag.WriteProperty("BackColor", Control::BackColor(), ui::kButtonFace);
    bag.WriteProperty("Caption", Label1.Caption(), "&System");
    bag.WriteProperty("Enabled", Control::Enabled(), true);
    bag.WriteProperty("BorderStyle", m_BorderStyle, int16_t{0});
}

void LabelMenu::UserControl_Resize() {
    FitWidth();
}

}  // namespace plivant
