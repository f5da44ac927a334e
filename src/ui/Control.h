// Control: the state every control keeps in C++ (name, place in twips, visibility, enabled state, colours,
// font, tooltip, pointer) and its mirror into a native window when it has one. Input from the window, or
// from a test, arrives through the input methods and raises the control's events.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/Handler.h"
#include "ui/Toolkit.h"
#include "ui/Types.h"

namespace plivant::ui {

class Form;
class UserControl;

// What a plain view window paints: background, picture, text, border.
struct ViewLook {
    OleColor back = kButtonFace;
    bool opaque = true;
    Bitmap picture;
    bool stretch = false;
    std::string text;
    Font font;
    OleColor fore = kButtonText;
    TextAlignment alignment = TextAlignment::Left;
    bool wordWrap = false;
    ControlBorderStyle border = ControlBorderStyle::None;
    bool threeD = false;
    bool etched = false;  // the border is a group box's etched line
    // The container's windowless controls under this one show through it, as under a transparent control.
    bool showsContainer = false;
};

using MouseHandler = Handler<void(int16_t button, int16_t shift, float x, float y)>;

class Control {
public:
    Control(Control& parent, const char* name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Toolkit& toolkit() const { return toolkit_; }
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    Control* Parent() const { return parent_; }
    Form* ParentForm();
    const std::vector<Control*>& Children() const { return children_; }

    // Place and size in the parent's scale (twips for a form).
    float Left() const { return left_ / ParentUnitX(); }
    float Top() const { return top_ / ParentUnitY(); }
    float Width() const { return width_ / ParentUnitX(); }
    float Height() const { return height_ / ParentUnitY(); }
    void SetLeft(float value) { Move(value, Top(), Width(), Height()); }
    void SetTop(float value) { Move(Left(), value, Width(), Height()); }
    void SetWidth(float value) { Move(Left(), Top(), value, Height()); }
    void SetHeight(float value) { Move(Left(), Top(), Width(), value); }
    void Move(float left, float top, float width, float height);
    // The control's own size in twips.
    float WidthTwips() const { return width_; }
    float HeightTwips() const { return height_; }
    void SetSizeTwips(float width, float height);

    // The scale in which children are placed and events report positions.
    ScaleMode GetScaleMode() const { return scaleMode_; }
    void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    float ScaleWidth() const { return width_ / UnitX(); }
    float ScaleHeight() const { return height_ / UnitY(); }

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& value);
    OleColor BackColor() const { return back_; }
    void SetBackColor(OleColor value);
    OleColor ForeColor() const { return fore_; }
    void SetForeColor(OleColor value);
    const ui::Font& Font() const { return font_; }
    void SetFont(const ui::Font& value);
    MousePointer GetMousePointer() const { return pointer_; }
    void SetMousePointer(MousePointer value);
    const CursorImage& MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(const CursorImage& value);
    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& value) { tag_ = value; }

    // The native window's handle; 0 while the control has none.
    platform::WindowHandle hwnd() const { return peer_ ? peer_->Handle() : 0; }
    bool Realized() const { return realized_; }
    // Creates the native windows of the control and its children, once its parent has one.
    void Realize();
    // After the screen's scale changed: the control and its children draw their pictures and lay themselves out
    // again, and their windows take their places and fonts at the new scale.
    void RescaleTree();
    void Unrealize();
    // Repaints the control.
    void Refresh() { Mirror(Aspect::Look); }

    // Input, as the window reports it (a windowless control's through its container's window). Positions
    // are in the control's own scale. Each raises the event of the same name.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(int16_t button, int16_t shift, float x, float y);
    virtual void MouseMove(int16_t button, int16_t shift, float x, float y);
    virtual void MouseUp(int16_t button, int16_t shift, float x, float y);
    virtual void KeyDown(int16_t keyCode, int16_t shift);
    virtual void KeyUp(int16_t keyCode, int16_t shift);
    virtual void KeyPress(int16_t& keyAscii);
    // The context-menu key or Shift+F10 on the control (not the right button: that arrives as MouseDown). The
    // point, in the control's own scale, is where its popup belongs: a list's selected row, else the middle.
    virtual void ContextMenu(float x, float y);

    // Gives the control the keyboard focus; the form remembers it as its active control.
    void SetFocus();
    // The window reports that the control took the focus.
    void PeerFocused();

    Handler<void()> onClick;
    Handler<void()> onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    Handler<void(int16_t keyCode, int16_t shift)> onKeyDown;
    Handler<void(int16_t keyCode, int16_t shift)> onKeyUp;
    Handler<void(int16_t& keyAscii)> onKeyPress;
    Handler<void(float x, float y)> onContextMenu;
    Handler<void()> onResize;

    // For the peers. A control without a kind has no window of its own: its container's window paints it
    // (when it is visible) and passes it the mouse input over it.
    virtual std::optional<PeerKind> Kind() const { return PeerKind::View; }
    // The control as a user control, or none. (The shipped program is built without run-time type information:
    // the toolkit's other classes tell what they are by their kind, see PeerKind.)
    virtual UserControl* AsUserControl() { return nullptr; }
    bool Windowless() const { return !Kind().has_value(); }
    platform::Rect PixelBounds() const;
    virtual ViewLook Look() const;
    virtual std::string PeerText() const { return {}; }
    // The name a screen reader gives the control's window: its text, else its tooltip.
    std::string AccessibleName() const {
        std::string text = PeerText();
        return text.empty() ? toolTip_ : text;
    }
    virtual void PeerTextChanged(const std::string&) {}
    virtual void PeerSelectionChanged(int) {}
    float UnitX() const;  // twips per unit of the own scale
    float UnitY() const;
    // A length in pixels of the control's window, in the control's own scale.
    float FromPixelsX(float pixels) const { return pixels * TwipsPerPixelX() / UnitX(); }
    float FromPixelsY(float pixels) const { return pixels * TwipsPerPixelY() / UnitY(); }
    // The twips per pixel of the control's form: each form follows the DPI of the monitor it is on (until it is told
    // one, the screen's).
    float TwipsPerPixelX() const;
    float TwipsPerPixelY() const;
    int Dpi() const { return static_cast<int>(1440 / TwipsPerPixelY() + 0.5f); }
    // How much larger than at 96 DPI things measured in pixels show: 1 at 96 DPI, 1.5 at 144, 2 at 192.
    float Scale() const { return kFixedTwipsPerPixel / TwipsPerPixelX(); }

protected:
    // A top-level control (a form).
    Control(Toolkit& toolkit, const char* name);
    void Mirror(Aspect aspect);
    Peer* GetPeer() const { return peer_.get(); }
    // Of a top-level control: the child that last took the focus, or none.
    Control* FocusedChild() const { return focused_; }
    // After the size changed; raises onResize.
    virtual void Resized();
    virtual void EnabledChanged() {}
    virtual void AfterRealize() {}
    // The control's own part of RescaleTree, after its children's.
    virtual void Rescaled() {}
    virtual void BeforeUnrealize() {}

    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;  // twips
    float twipsPerPixel_ = 0;                            // of a form told its monitor's DPI
    // While set, the window is not shown yet when the control becomes visible (it is hidden at once, though).
    bool holdShow_ = false;

private:
    Control& TopLevel();
    const Control& TopLevel() const { return const_cast<Control*>(this)->TopLevel(); }
    float ParentUnitX() const { return parent_ ? parent_->UnitX() : 1.0f; }
    float ParentUnitY() const { return parent_ ? parent_->UnitY() : 1.0f; }

    Toolkit& toolkit_;
    Control* parent_ = nullptr;
    std::string name_;
    int index_ = -1;
    std::vector<Control*> children_;
    std::unique_ptr<Peer> peer_;
    bool realized_ = false;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    OleColor back_ = kButtonFace;
    OleColor fore_ = kButtonText;
    ui::Font font_;
    MousePointer pointer_ = MousePointer::Default;
    CursorImage mouseIcon_;
    std::string tag_;
    Control* focused_ = nullptr;  // of a top-level control: the child that last took the focus
};

}  // namespace plivant::ui
