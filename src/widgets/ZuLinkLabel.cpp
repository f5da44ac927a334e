// ZuLinkLabel: properties, the hover polling, the resize rule, opening the link, persistence.
#include "widgets/ZuLinkLabel.h"

#include "mapping/modFiles.h"
#include "platform/WinConst.h"
#include "ui/Form.h"
#include "widgets/HandCursorArt.h"

namespace plivant {

namespace {
constexpr int32_t kPollMs = 1;

ZuLinkLabel::AboutBox& RegisteredAboutBox() {
    static ZuLinkLabel::AboutBox show;
    return show;
}
}  // namespace

void ZuLinkLabel::RegisterAboutBox(AboutBox show) {
    RegisteredAboutBox() = std::move(show);
}

void ZuLinkLabel::ShowAboutBox() {
    // A copy: the window shown may take the registration back while it runs.
    const AboutBox show = RegisteredAboutBox();
    if (show) show(ParentForm());
}

ui::CursorImage HandCursor(double scale) {
    CursorArt art = HandPointer(scale);
    return ui::CursorImage{std::move(art.colour), std::move(art.transparent), art.hotX, art.hotY};
}

void ZuLinkLabel::Rescaled() {
    const ui::CursorImage hand = HandCursor(Scale());
    lblLink.SetMouseIcon(hand);
    Control::SetMouseIcon(hand);  // the control carries the same pointer image
}

ZuLinkLabel::ZuLinkLabel(ui::Control& host, const char* name, int index)
    : ui::UserControl(host, name, index), lblLink(*this, "lblLink"), tmrMouseOver(*this, "tmrMouseOver") {
    lblLink.SetCaption("lblLink");
    Rescaled();
    tmrMouseOver.SetInterval(kPollMs);
    tmrMouseOver.SetEnabled(false);
    lblLink.onClick = [this] { lblLink_Click(); };
    lblLink.onDblClick = [this] { Control::DblClick(); };
    lblLink.onMouseDown = [this](int16_t b, int16_t s, float x, float y) { Control::MouseDown(b, s, x, y); };
    lblLink.onMouseUp = [this](int16_t b, int16_t s, float x, float y) { Control::MouseUp(b, s, x, y); };
    lblLink.onMouseMove = [this](int16_t b, int16_t s, float x, float y) { lblLink_MouseMove(b, s, x, y); };
    tmrMouseOver.onTimer = [this] { tmrMouseOver_Timer(); };
    ResizeRule();
}

void ZuLinkLabel::SetBackColor(ui::OleColor value) {
    m_BackColor = value;
    lblLink.SetBackColor(value);
    PropertyChanged("BackColor");
}

void ZuLinkLabel::SetForeColor(ui::OleColor value) {
    m_ForeColor = value;
    lblLink.SetForeColor(value);
    PropertyChanged("ForeColor");
}

void ZuLinkLabel::SetEnabled(bool value) {
    m_Enabled = value;
    lblLink.SetEnabled(value);
    PropertyChanged("Enabled");
}

void ZuLinkLabel::SetFont(const ui::Font& value) {
    lblLink.SetFont(value);
    ResizeRule();
    PropertyChanged("Font");
}

void ZuLinkLabel::SetBorderStyle(int32_t value) {
    m_BorderStyle = value;
    lblLink.SetBorderStyle(static_cast<ui::ControlBorderStyle>(value != 0));
    PropertyChanged("BorderStyle");
}

void ZuLinkLabel::SetAlignment(int32_t value) {
    m_Alignment = value;
    if (value >= 0 && value <= 2) lblLink.SetAlignment(static_cast<ui::TextAlignment>(value));
    PropertyChanged("Alignment");
}

void ZuLinkLabel::SetAppearance(int32_t value) {
    m_Appearance = value;
    lblLink.SetAppearance(static_cast<int16_t>(value));
    lblLink.SetBackColor(m_BackColor);
    PropertyChanged("Appearance");
}

void ZuLinkLabel::SetAutoSize(bool value) {
    m_AutoSize = value;
    ResizeRule();
    PropertyChanged("AutoSize");
}

void ZuLinkLabel::SetCaption(const std::string& value) {
    lblLink.SetCaption(value);
    ResizeRule();
    PropertyChanged("Caption");
}

void ZuLinkLabel::SetMouseOverBackColor(ui::OleColor value) {
    m_MouseOverBackColor = value;
    PropertyChanged("MouseOverBackColor");
}

void ZuLinkLabel::SetMouseOverForeColor(ui::OleColor value) {
    m_MouseOverForeColor = value;
    PropertyChanged("MouseOverForeColor");
}

void ZuLinkLabel::SetMouseOverUnderlined(bool value) {
    m_MouseOverUnderlined = value;
    PropertyChanged("MouseOverUnderlined");
}

void ZuLinkLabel::SetLinkExecute(const std::string& value) {
    m_LinkExecute = value;
    PropertyChanged("LinkExecute");
}

void ZuLinkLabel::SetLinkEvent(int32_t value) {
    m_LinkEvent = value;
    if (value == 0) m_LinkExecute = "http://";
    if (value == 1) m_LinkExecute = "mailto:";
    if (value == 2) m_LinkExecute = kCommandMarker;
    PropertyChanged("LinkEvent");
}

void ZuLinkLabel::SetMouseIcon(int32_t value) {
    m_MouseIcon = value;
    ApplyMouseIcon();
    PropertyChanged("MouseIcon");
}

void ZuLinkLabel::ApplyMouseIcon() {
    if (m_MouseIcon != 0 && m_MouseIcon != 1) return;
    const auto pointer = m_MouseIcon == 1 ? ui::MousePointer::Custom : ui::MousePointer::Default;
    lblLink.SetMousePointer(pointer);
    SetMousePointer(pointer);
}

void ZuLinkLabel::SetUnderline(bool on) {
    ui::Font font = lblLink.Font();
    font.underline = on;
    lblLink.SetFont(font);
}

void ZuLinkLabel::ResizeRule() {
    if (resizing_) return;  // the size set here runs the rule again
    resizing_ = true;
    if (m_AutoSize) {
        SetAlignment(0);
        lblLink.SetAutoSize(true);
        SetSizeTwips(lblLink.WidthTwips(), lblLink.HeightTwips());
    } else {
        lblLink.SetAutoSize(false);
        lblLink.Move(0, 0, ScaleWidth(), ScaleHeight());
    }
    resizing_ = false;
}

void ZuLinkLabel::lblLink_Click() {
    if (m_LinkExecute != kCommandMarker) {
        ui::Form* form = ParentForm();
        ShellOpen(toolkit().Shell(), form ? form->hwnd() : 0, m_LinkExecute, win::kSwShowNormal);
    }
    Control::Click();
}

void ZuLinkLabel::lblLink_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
    tmrMouseOver.SetEnabled(true);
    ApplyMouseIcon();
    SetUnderline(m_MouseOverUnderlined);
    Control::MouseMove(Button, Shift, X, Y);
}

bool ZuLinkLabel::IsCursorInside() {
    auto& windowing = toolkit().Windowing();
    const auto cursor = windowing.CursorPosition();
    const auto rect = windowing.WindowRect(hwnd());
    if (!cursor || !rect) return false;
    // All four edges count as inside.
    return rect->left <= cursor->x && cursor->x <= rect->right && rect->top <= cursor->y && cursor->y <= rect->bottom;
}

void ZuLinkLabel::tmrMouseOver_Timer() {
    toolkit().Windowing().ProcessPendingMessages();
    if (IsCursorInside()) {
        lblLink.SetBackColor(m_MouseOverBackColor);
        lblLink.SetForeColor(m_MouseOverForeColor);
    } else {
        lblLink.SetBackColor(m_BackColor);
        lblLink.SetForeColor(m_ForeColor);
        SetUnderline(false);
        tmrMouseOver.SetEnabled(false);
    }
}

void ZuLinkLabel::UserControl_InitProperties() {
    lblLink.SetCaption(Name());
    m_BorderStyle = 0;
    m_Appearance = 1;
    m_ForeColor = 0;
    m_BackColor = ui::kButtonFace;
    m_MouseOverBackColor = ui::kButtonFace;
    m_MouseOverForeColor = 0xFF0000;
    m_MouseOverUnderlined = false;
    m_LinkEvent = 0;
    m_Enabled = true;
    m_LinkExecute = "http://";
    m_MouseIcon = 0;
    m_Alignment = 0;
    m_AutoSize = false;
    ResizeRule();
}

void ZuLinkLabel::UserControl_ReadProperties(const ui::PropertyBag& bag) {
    m_BackColor = bag.ReadProperty("BackColor", ui::kButtonFace);
    m_ForeColor = bag.ReadProperty("ForeColor", ui::OleColor{0});
    m_Enabled = bag.ReadProperty("Enabled", true);
    lblLink.SetFont(bag.ReadProperty("Font", AmbientFont()));
    m_BorderStyle = bag.ReadProperty("BorderStyle", int32_t{0});
    m_Alignment = bag.ReadProperty("Alignment", int32_t{0});
    m_Appearance = bag.ReadProperty("Appearance", int32_t{1});
    m_AutoSize = bag.ReadProperty("AutoSize", false);
    lblLink.SetCaption(bag.ReadProperty("Caption", "lblLink"));
    m_MouseOverBackColor = bag.ReadProperty("MouseOverBackColor", ui::kButtonFace);
    m_MouseOverForeColor = bag.ReadProperty("MouseOverForeColor", ui::OleColor{0xFF0000});
    m_MouseOverUnderlined = bag.ReadProperty("MouseOverUnderlined", false);
    m_LinkExecute = bag.ReadProperty("LinkExecute", "http://");
    m_MouseIcon = bag.ReadProperty("MouseIcon", int32_t{1});
    m_LinkEvent = 0;
    ResizeRule();
}

void ZuLinkLabel::UserControl_WriteProperties(ui::PropertyBag& bag) {
    bag.WriteProperty("BackColor", m_BackColor, ui::kButtonFace);
    bag.WriteProperty("ForeColor", m_ForeColor, ui::OleColor{0});
    bag.WriteProperty("Enabled", m_Enabled, true);
    bag.WriteProperty("Font", lblLink.Font(), AmbientFont());
    bag.WriteProperty("BorderStyle", m_BorderStyle, int32_t{0});
    bag.WriteProperty("Alignment", m_Alignment, int32_t{0});
    bag.WriteProperty("Appearance", m_Appearance, int32_t{1});
    bag.WriteProperty("AutoSize", m_AutoSize, false);
    bag.WriteProperty("Caption", lblLink.Caption(), "lblLink");
    bag.WriteProperty("MouseOverBackColor", m_MouseOverBackColor, ui::kButtonFace);
    bag.WriteProperty("MouseOverForeColor", m_MouseOverForeColor, ui::OleColor{0xFF0000});
    bag.WriteProperty("MouseOverUnderlined", m_MouseOverUnderlined, false);
    bag.WriteProperty("LinkExecute", m_LinkExecute, "http://");
    bag.WriteProperty("MouseIcon", m_MouseIcon, int32_t{1});
}

void ZuLinkLabel::UserControl_Show() {
    SetMouseIcon(m_MouseIcon);
    SetAlignment(m_Alignment);
    SetMouseOverUnderlined(m_MouseOverUnderlined);
    SetBorderStyle(m_BorderStyle);
    SetAppearance(m_Appearance);
    SetBackColor(m_BackColor);
    SetForeColor(m_ForeColor);
    SetEnabled(m_Enabled);
}

}  // namespace plivant
