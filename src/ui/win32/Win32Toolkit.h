// The toolkit on real windows: a form is a top-level window, a view (picture box, user control) a child
// window of the program's own class that paints its look and its windowless children, and text boxes, combo
// boxes, list boxes and buttons are the system's controls. The program's message loop runs until no form
// window is left.
#pragma once
#include <windows.h>

#include <forward_list>
#include <utility>

#include "platform/win32/Handles.h"
#include "ui/Control.h"
#include "ui/Toolkit.h"

namespace plivant::ui::win32 {

class Win32Toolkit final : public Toolkit {
public:
    Win32Toolkit(platform::IWindowing& windowing, platform::IShell& shell);
    ~Win32Toolkit() override;

    platform::IWindowing& Windowing() override { return windowing_; }
    platform::IShell& Shell() override { return shell_; }
    std::unique_ptr<Peer> CreatePeer(Control& owner, PeerKind kind, Peer* parent) override;
    float TwipsPerPixelX() const override { return twipsPerPixelX_; }
    float TwipsPerPixelY() const override { return twipsPerPixelY_; }
    SizeTwips ScreenSize() const override;
    SizeTwips MeasureText(const Font& font, const std::string& text, float twipsPerPixel) override;
    int MsgBox(Form& owner, const std::string& prompt, int buttons, const std::string& title) override;
    void PopupMenu(Form& form, Menu& menu, float x, float y) override;
    void BeginModal(Form& form) override;
    void RunModal(Form& form) override;
    void EndModal(const Form& form) override;

    // Form windows now open.
    int FormCount() const { return forms_; }
    // Runs the message loop until the last form window has gone (or the quit message came).
    void RunUntilNoFormIsLeft();

    // For the peers.
    void FormOpened() { ++forms_; }
    void FormClosed();
    HWND ToolTips(HWND owner);
    // Popup menus shown so far. A window that opens its popup when the right button goes down on a control is not
    // to get the control's own menu too when the button comes up: the control's next mouse context menu is
    // suppressed. Taking the suppression for a window answers whether it was set for that window, and clears it.
    unsigned PopupsShown() const { return popupsShown_; }
    void SuppressMouseMenu(HWND window) { mouseMenuSuppressed_ = window; }
    bool TakeMouseMenuSuppression(HWND window) { return std::exchange(mouseMenuSuppressed_, nullptr) == window; }

private:
    platform::IWindowing& windowing_;
    platform::IShell& shell_;
    float twipsPerPixelX_ = 15;
    float twipsPerPixelY_ = 15;
    int forms_ = 0;
    bool looping_ = false;
    unsigned popupsShown_ = 0;
    HWND mouseMenuSuppressed_ = nullptr;
    platform::win32::UniqueWindow toolTips_;
    std::forward_list<std::pair<const Form*, HWND>> disabled_;  // each window a modal form disabled, with the form
};

// Paints a control's look (and, for a container, its windowless children) into a device context of
// width × height pixels. Shared by the windows' painting and by screenshots in tests.
void PaintLook(HDC dc, const Control& control, int width, int height);

// A device-independent bitmap made from a portable one (top-down, 32 bits); null when empty.
HBITMAP MakeBitmap(const Bitmap& bitmap);
// A portable bitmap read from a device context's area of width × height at (left, top).
Bitmap ReadBitmap(HDC dc, int width, int height, int left = 0, int top = 0);

}  // namespace plivant::ui::win32
