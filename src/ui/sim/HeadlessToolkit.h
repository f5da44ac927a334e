// The toolkit without a screen: each control's window is a record in the simulated window manager (so the
// cursor tests and window rectangles work), text is measured by a fixed rule, and message boxes, popup
// menus and modal loops answer as the test scripts them.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/sim/SimShell.h"
#include "platform/sim/SimWindowing.h"
#include "ui/Form.h"
#include "ui/Toolkit.h"

namespace plivant::ui::sim {

class HeadlessToolkit final : public Toolkit {
public:
    struct MessageBoxCall {
        std::string prompt;
        int buttons;
        std::string title;
        std::string owner;  // the form's name
    };
    struct PopupCall {
        std::string form, menu;
        float x, y;
    };

    HeadlessToolkit(platform::sim::SimWindowing& windowing, platform::sim::SimShell& shell)
        : windowing_(windowing), shell_(shell) {}

    platform::IWindowing& Windowing() override { return windowing_; }
    platform::IShell& Shell() override { return shell_; }
    std::unique_ptr<Peer> CreatePeer(Control& owner, PeerKind kind, Peer* parent) override;
    float TwipsPerPixelX() const override { return twipsPerPixelX; }
    float TwipsPerPixelY() const override { return twipsPerPixelY; }
    SizeTwips ScreenSize() const override { return {1024 * twipsPerPixelX, 768 * twipsPerPixelY}; }
    // Every character is 0.6 of the font's size wide and a line 1.6 of it high, in whole pixels.
    SizeTwips MeasureText(const Font& font, const std::string& text, float twipsPerPixel) override;
    int MsgBox(Form& owner, const std::string& prompt, int buttons, const std::string& title) override;
    void PopupMenu(Form& form, Menu& menu, float x, float y) override;
    void BeginModal(Form&) override {}
    void EndModal(const Form&) override {}
    void RunModal(Form& form) override;

    platform::sim::SimWindowing& Sim() { return windowing_; }

    // The height of a list's row.
    static constexpr int kListRowPixels = 13;

    float twipsPerPixelX = 15;
    float twipsPerPixelY = 15;
    int monitorDpi = 0;  // the DPI of the monitor a form's window opens on; 0: the screen's
    std::vector<MessageBoxCall> messageBoxes;
    std::function<int(const MessageBoxCall&)> onMessageBox;  // the user's answer; OK when the test scripts none
    std::vector<PopupCall> popups;
    std::function<Menu*(Menu&)> onPopup;  // the item the user picks, or none
    std::function<void(Form&)> onModal;   // what the user does while a form is shown modally
    int modalRuns = 0;

private:
    platform::sim::SimWindowing& windowing_;
    platform::sim::SimShell& shell_;
};

}  // namespace plivant::ui::sim
