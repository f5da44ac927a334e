// The toolkit's back end: what the portable controls ask of the real windowing system (or of the headless
// one in tests). A control keeps its state itself; its peer, when it has one, mirrors that state into a
// native window and reports the user's input back to it.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Shell.h"
#include "platform/Windowing.h"
#include "ui/Types.h"

namespace plivant::ui {

class Control;
class Form;
class Menu;

// ImageButton: a picture that acts as a button of its own (focus, Tab, Space and Enter, a name for screen readers).
// Form, TextBox, ComboBox, ListBox and Button each belong to the toolkit class of that name (Button: CommandButton),
// which declares its kind final: code that treats one of these classes apart asks the kind, since the shipped
// program is built without run-time type information.
enum class PeerKind { Form, View, TextBox, ComboBox, ListBox, Button, ImageButton };

// What changed in the model, for the peer to mirror. Items: every item anew; ItemAppended: the last item is new;
// ItemRemoved: the item at the list's LastRemovedIndex went. Focus: the control is to take the keyboard focus.
enum class Aspect {
    Bounds,
    Visible,
    Enabled,
    Text,
    Items,
    ItemAppended,
    ItemRemoved,
    Selection,
    Look,
    ToolTip,
    Cursor,
    Menus,
    Icon,
    Focus
};

class Peer {
public:
    virtual ~Peer() = default;
    virtual platform::WindowHandle Handle() const = 0;
    virtual void Update(Aspect aspect) = 0;
    // A list's item under a point of its window (pixels), -1 where there is none (below the last row).
    virtual int ItemAt(platform::Point) const { return -1; }
    // A list item's rectangle in its window (pixels), as the list shows it now (scrolled).
    virtual platform::Rect ItemBounds(int) const { return {}; }
    // A form's window: the DPI of the monitor it is on; 0 where the system does not tell it.
    virtual int MonitorDpi() const { return 0; }
};

// The message box answer OK, by the platform's number.
inline constexpr int kMsgBoxOk = 1;

class Toolkit {
public:
    virtual ~Toolkit() = default;
    virtual platform::IWindowing& Windowing() = 0;
    virtual platform::IShell& Shell() = 0;
    // A native window for the control, at its bounds, inside the parent's (none for a form).
    virtual std::unique_ptr<Peer> CreatePeer(Control& owner, PeerKind kind, Peer* parent) = 0;
    // The screen's twips per pixel, which a form takes until it is told its monitor's DPI.
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
    // The screen's size in twips.
    virtual SizeTwips ScreenSize() const = 0;
    // The size of a line of text in the font, in a window of that many twips per pixel.
    virtual SizeTwips MeasureText(const Font& font, const std::string& text, float twipsPerPixel) = 0;
    // A message box over its owner, which takes no input while the box is open and is active again after it.
    virtual int MsgBox(Form& owner, const std::string& prompt, int buttons, const std::string& title) = 0;
    // Shows the menu's items as a popup at (x, y) in the form's client twips; a chosen item's Click runs
    // before this returns.
    virtual void PopupMenu(Form& form, Menu& menu, float x, float y) = 0;
    // A modal show, as the system's dialog boxes do it. Before the form loads, the program's other windows stop
    // taking input, so that nothing the user does while it loads reaches them; RunModal then runs the form until it
    // is hidden or unloaded. The other windows take input again as the form hides, before its window does, so that
    // the system activates its owner rather than another program's window.
    virtual void BeginModal(Form& form) = 0;
    virtual void RunModal(Form& form) = 0;
    // The other windows take input again (RunModal and the form's hiding do this themselves).
    virtual void EndModal(const Form& form) = 0;

private:
    friend class Form;
    // The form being loaded and shown, while there is one: its load lets waiting messages run (the frame's does), and
    // no other form opens meanwhile.
    Form* loading_ = nullptr;
};

}  // namespace plivant::ui
