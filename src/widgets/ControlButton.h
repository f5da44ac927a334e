// ControlButton: a caption button (minimise, maximise, close, restore) that shows one of its prebuilt
// images by theme, host activity, enabled state and mouse state; hover and press are tracked by polling
// the cursor every 10 ms.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/UserControl.h"
#include "widgets/ControlButtonArt.h"

namespace plivant {

// Which image of which array a state shows.
struct CaptionImage {
    CaptionImageSet set;
    int index;
    friend bool operator==(const CaptionImage&, const CaptionImage&) = default;
};

enum class CaptionLook { RestingActive, Hover, Pressed, RestingInactive };

// The image table: Theme 0 blue, 1 olive green, anything else silver (whose images run in reverse order);
// ButtonStyle 0 minimise, 1 maximise, 2 close, anything else restore.
CaptionImage CaptionImageFor(int32_t theme, int32_t buttonStyle, CaptionLook look);
// The disabled look, which only the maximise array has, whatever the button's kind.
CaptionImage DisabledCaptionImage(int32_t theme);

class ControlButton : public ui::UserControl {
public:
    ControlButton(ui::Control& host, const char* name, int index = -1);
    std::string_view TypeName() const override { return "ControlButton"; }

    bool AutoRedraw() const { return PicMain.AutoRedraw(); }
    void SetAutoRedraw(bool value);
    const std::string& ToolTipText() const { return PicMain.ToolTipText(); }
    void SetToolTipText(const std::string& value);
    int32_t Theme() const { return m_Theme; }
    void SetTheme(int32_t value);
    int32_t ButtonStyle() const { return m_ButtonStyle; }
    void SetButtonStyle(int32_t value);
    bool Enabled() const { return PicMain.Enabled(); }
    void SetEnabled(bool value);
    bool IsActivate() const { return m_IsActivate; }
    void SetIsActivate(bool value);
    // The window of the picture box, which the cursor test compares against.
    platform::WindowHandle hwnd() const { return PicMain.hwnd(); }
    int16_t MouseButtonState() const { return m_MouseButtonState; }
    // The image PicMain shows now.
    CaptionImage Shown() const { return shown_; }

    void Refresh() { PicMain.Refresh(); }
    // Shows the resting image: the active look when IpRes is non-zero, the inactive one otherwise; a disabled
    // button shows its theme's disabled image.
    void RefreshControl(int16_t IpRes = 0);

    ui::PictureBox PicMain;
    ui::Timer Timer1;

    // The design-time events (see ui::UserControl).
    void InitProperties() { UserControl_InitProperties(); }
    void ReadProperties(const ui::PropertyBag& bag) { UserControl_ReadProperties(bag); }
    void WriteProperties(ui::PropertyBag& bag) { UserControl_WriteProperties(bag); }

protected:
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const ui::PropertyBag& bag);
    void UserControl_WriteProperties(ui::PropertyBag& bag);
    void UserControl_Resize() override;
    void Rescaled() override {
        UserControl_Resize();
        RefreshControl(m_IsActivate ? 1 : 0);
    }

private:
    void PicMain_MouseDown(int16_t Button);
    void PicMain_MouseMove(int16_t Button);
    void PicMain_Click();
    void Timer1_Timer();
    void ShowHotImage(bool Over);
    void Show(CaptionImage image);

    int32_t m_Theme = 0;
    int32_t m_ButtonStyle = 0;
    bool m_IsActivate = true;
    int16_t m_MouseButtonState = 0;
    CaptionImage shown_{CaptionImageSet::CbMin, 0};
};

}  // namespace plivant
