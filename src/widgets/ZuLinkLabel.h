// ZuLinkLabel: a caption shown as a hyperlink. Hovering changes its colours (and optionally underlines it and
// shows a hand); a click opens its target through the shell, or in command mode only raises Click. The
// hover look is ended by a 1 ms timer that tests the cursor against the control's window rectangle.
#pragma once
#include <cstdint>
#include <string>

#include "ui/Controls.h"
#include "ui/UserControl.h"

namespace plivant {

class ZuLinkLabel : public ui::UserControl {
public:
    static constexpr const char* kCommandMarker = "VB Command";

    ZuLinkLabel(ui::Control& host, const char* name, int index = -1);
    std::string_view TypeName() const override { return "ZuLinkLabel"; }

    ui::OleColor BackColor() const { return m_BackColor; }
    void SetBackColor(ui::OleColor value);
    ui::OleColor ForeColor() const { return m_ForeColor; }
    void SetForeColor(ui::OleColor value);
    bool Enabled() const { return m_Enabled; }
    void SetEnabled(bool value);
    const ui::Font& Font() const { return lblLink.Font(); }
    void SetFont(const ui::Font& value);
    int32_t BorderStyle() const { return m_BorderStyle; }
    void SetBorderStyle(int32_t value);
    int32_t Alignment() const { return m_Alignment; }
    void SetAlignment(int32_t value);
    int32_t Appearance() const { return m_Appearance; }
    void SetAppearance(int32_t value);
    bool AutoSize() const { return m_AutoSize; }
    void SetAutoSize(bool value);
    const std::string& Caption() const { return lblLink.Caption(); }
    void SetCaption(const std::string& value);
    ui::OleColor MouseOverBackColor() const { return m_MouseOverBackColor; }
    void SetMouseOverBackColor(ui::OleColor value);
    ui::OleColor MouseOverForeColor() const { return m_MouseOverForeColor; }
    void SetMouseOverForeColor(ui::OleColor value);
    bool MouseOverUnderlined() const { return m_MouseOverUnderlined; }
    void SetMouseOverUnderlined(bool value);
    const std::string& LinkExecute() const { return m_LinkExecute; }
    void SetLinkExecute(const std::string& value);
    int32_t LinkEvent() const { return m_LinkEvent; }
    // 0 "http://", 1 "mailto:", 2 command mode; other values are only stored.
    void SetLinkEvent(int32_t value);
    int32_t MouseIcon() const { return m_MouseIcon; }
    // 0 the system's pointer, 1 the hand, on the label and the control; other values are only stored.
    void SetMouseIcon(int32_t value);

    // Shows the program's About window modally over this control's form; it is unloaded when it closes. The
    // widget knows no window: the program registers how its About window is shown, and without a registration this
    // does nothing.
    void ShowAboutBox();
    using AboutBox = ui::Handler<void(ui::Form* owner)>;
    // Replaces the registration; an empty handler takes it back.
    static void RegisterAboutBox(AboutBox show);

    ui::Label lblLink;
    ui::Timer tmrMouseOver;

    // The design-time events (see ui::UserControl).
    void InitProperties() { UserControl_InitProperties(); }
    void ReadProperties(const ui::PropertyBag& bag) { UserControl_ReadProperties(bag); }
    void WriteProperties(ui::PropertyBag& bag) { UserControl_WriteProperties(bag); }

protected:
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const ui::PropertyBag& bag);
    void UserControl_WriteProperties(ui::PropertyBag& bag);
    void UserControl_Resize() override { ResizeRule(); }
    void UserControl_Show() override;
    void Rescaled() override;

private:
    void lblLink_Click();
    void lblLink_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void tmrMouseOver_Timer();
    bool IsCursorInside();
    void ResizeRule();
    void ApplyMouseIcon();
    void SetUnderline(bool on);

    int32_t m_BorderStyle = 0;
    int32_t m_Appearance = 1;
    ui::OleColor m_BackColor = ui::kButtonFace;
    ui::OleColor m_ForeColor = 0;
    ui::OleColor m_MouseOverForeColor = 0xFF0000;
    ui::OleColor m_MouseOverBackColor = ui::kButtonFace;
    bool m_MouseOverUnderlined = false;
    bool m_Enabled = true;
    bool m_AutoSize = false;
    std::string m_LinkExecute = "http://";
    int32_t m_LinkEvent = 0;
    int32_t m_MouseIcon = 0;
    int32_t m_Alignment = 0;
    bool resizing_ = false;
};

// The hand pointer as a cursor image, at the scale.
ui::CursorImage HandCursor(double scale);

}  // namespace plivant
