// The frame's host interface: its view of the window that carries it, the host form and the controls it
// enumerates, reached by name the way late-bound members are (ToolkitHostForm.h adapts the toolkit's forms to it).
// A member an object lacks, or a value it refuses, fails with LateBoundError; the frame's routines decide, each by
// its own policy, whether that skips a step or ends them.
#pragma once
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Shell.h"
#include "ui/Bitmap.h"
#include "ui/Handler.h"
#include "ui/Types.h"

namespace plivant {

namespace ui {
class Form;
class Menu;
}  // namespace ui

// Derived from std::exception alone: the library's own error classes would bring its copy-on-write strings into
// the program file.
class LateBoundError : public std::exception {
public:
    explicit LateBoundError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

enum class HostControlKind { Frame, Menu, Other };

// One member of the host's enumeration of its controls (menus included). Sizes and places are in the
// container's twips.
class IHostControl {
public:
    virtual ~IHostControl() = default;
    virtual HostControlKind Kind() const = 0;
    virtual float Left() const { throw Missing("Left"); }
    virtual void SetLeft(float) { throw Missing("Left"); }
    virtual float Top() const { throw Missing("Top"); }
    virtual void SetTop(float) { throw Missing("Top"); }
    virtual float Width() const { throw Missing("Width"); }
    virtual void SetWidth(float) { throw Missing("Width"); }
    virtual float Height() const { throw Missing("Height"); }
    virtual void SetHeight(float) { throw Missing("Height"); }
    virtual std::string Tag() const { throw Missing("Tag"); }
    virtual std::string Caption() const { throw Missing("Caption"); }
    virtual bool Enabled() const { throw Missing("Enabled"); }
    virtual void SetVisible(bool) { throw Missing("Visible"); }
    // The window handle of the control's container ("Container.hwnd").
    virtual platform::WindowHandle ContainerHwnd() const { throw Missing("Container"); }
    // The toolkit's menu behind a menu item; none for anything else.
    virtual ui::Menu* ToolkitMenu() const { return nullptr; }

protected:
    static LateBoundError Missing(const std::string& member) { return LateBoundError("no member " + member); }
};

// The host form. Sizes and places are twips.
class IHostForm {
public:
    virtual ~IHostForm() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& value) = 0;
    virtual void SetIcon(const ui::Bitmap& value) = 0;
    virtual void SetBackColor(ui::OleColor value) = 0;
    virtual float Left() const = 0;
    virtual void SetLeft(float value) = 0;
    virtual float Top() const = 0;
    virtual void SetTop(float value) = 0;
    virtual float Width() const = 0;
    virtual void SetWidth(float value) = 0;
    virtual float Height() const = 0;
    virtual void SetHeight(float value) = 0;
    // The move operation: place and size in one call.
    virtual void Move(float left, float top, float width, float height) = 0;
    virtual ui::FormBorderStyle BorderStyle() const = 0;
    virtual bool MinButton() const = 0;
    virtual bool MaxButton() const = 0;
    virtual ui::FormWindowState WindowState() const = 0;
    virtual void SetWindowState(ui::FormWindowState value) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool value) = 0;
    // "Show" without arguments, and with a mode (1 modal) and an owner form (none: nullptr).
    virtual void Show() = 0;
    virtual void ShowAs(int16_t modal, IHostForm* owner) = 0;
    virtual void Unload() = 0;
    // Shows a menu (one of the enumerated controls) as a popup at (x, y), twips of the form.
    virtual void PopupMenu(IHostControl& menu, float x, float y) = 0;
    virtual platform::WindowHandle hwnd() const = 0;
    virtual std::vector<std::shared_ptr<IHostControl>> Controls() = 0;
    // Subscribes to the form's Activate (true) and Deactivate (false) events; replaces an earlier subscriber, and
    // an empty handler ends the subscription.
    virtual void OnActivation(ui::Handler<void(bool active)> handler) = 0;
    // The toolkit's form behind the host; none for a host that is not one.
    virtual ui::Form* ToolkitForm() const { return nullptr; }
};

}  // namespace plivant
