// LabelMenu: an entry of the frame's menu strip: a caption that lights up with a thin border while the cursor
// is on it, switched off by polling the cursor every 10 ms through a clsTimer, and that passes its mouse
// events on.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "ui/Controls.h"
#include "ui/UserControl.h"
#include "widgets/clsTimer.h"

namespace plivant {

class LabelMenu : public ui::UserControl {
public:
    static constexpr ui::OleColor kHighlight = 0xEED2C1;

    LabelMenu(ui::Control& host, const char* name, int index = -1);
    std::string_view TypeName() const override { return "LabelMenu"; }

    ui::OleColor BackColor() const { return Control::BackColor(); }
    void SetBackColor(ui::OleColor value);
    int16_t BorderStyle() const { return m_BorderStyle; }
    void SetBorderStyle(int16_t value);
    const std::string& Caption() const { return Label1.Caption(); }
    void SetCaption(const std::string& value);
    bool Enabled() const { return Control::Enabled(); }
    void SetEnabled(bool value);

    bool Lit() const { return MyTimer != nullptr; }
    ui::OleColor SavedBackColor() const { return m_SavedBackColor; }

    // Input on the control itself: raises the event, then lights the label (not on release).
    void Click() override;
    void MouseDown(int16_t button, int16_t shift, float x, float y) override;
    void MouseMove(int16_t button, int16_t shift, float x, float y) override;

    ui::ViewLook Look() const override;

    ui::Label Label1;

    // The design-time events (see ui::UserControl).
    void ReadProperties(const ui::PropertyBag& bag) { UserControl_ReadProperties(bag); }
    void WriteProperties(ui::PropertyBag& bag) { UserControl_WriteProperties(bag); }

protected:
    void UserControl_ReadProperties(const ui::PropertyBag& bag);
    void UserControl_WriteProperties(ui::PropertyBag& bag);
    void UserControl_Resize() override;

private:
    void Highlight(bool On);
    void Light();
    void MyTimer_OnTime();
    void FitWidth();

    std::unique_ptr<clsTimer> MyTimer;
    ui::OleColor m_SavedBackColor = ui::kButtonFace;
    int16_t m_BorderStyle = 0;
};

}  // namespace plivant
