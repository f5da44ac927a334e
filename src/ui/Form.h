// Form: a top-level window with caption, size in twips, window state, border style, modal and modeless
// show, an owner, its menus, unloading, and the Load, Activate, Deactivate, Resize and Unload events.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/LazyPicture.h"

namespace plivant::ui {

class Menu;

class Form : public Control {
public:
    Form(Toolkit& toolkit, const char* name);
    ~Form() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    FormWindowState WindowState() const { return windowState_; }
    void SetWindowState(FormWindowState value);
    // Fixed when the window is created.
    FormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(FormBorderStyle value) { borderStyle_ = value; }
    bool MinButton() const { return minButton_; }
    void SetMinButton(bool value) { minButton_ = value; }
    bool MaxButton() const { return maxButton_; }
    void SetMaxButton(bool value) { maxButton_ = value; }
    Form* Owner() const { return owner_; }
    bool Active() const { return active_; }
    const std::vector<Menu*>& Menus() const { return menus_; }
    // The menus or one of their items changed: the menu bar is made again.
    void MenusChanged() { Mirror(Aspect::Menus); }
    // The window's icon; an empty bitmap for none.
    const Bitmap& Icon() const { return icon_; }
    void SetIcon(const Bitmap& value);

    bool Loaded() const { return loaded_; }
    // Creates the window (hidden) and runs Form_Load; does nothing when loaded.
    void Load();
    // Loads if needed and shows; mode 1 shows modally and returns when the form is hidden or unloaded.
    void Show(int16_t modal = 0, Form* owner = nullptr);
    void Hide() { SetVisible(false); }
    // Runs Form_Unload; unless cancelled, destroys the window. Returns whether the form was unloaded.
    bool Unload();
    void PopupMenu(Menu& menu, float x, float y) { toolkit().PopupMenu(*this, menu, x, y); }
    // The control that has (or last had) the keyboard focus; none before any took it.
    Control* ActiveControl() const { return FocusedChild(); }
    // Enter and Escape in the window: click the visible, enabled default (cancel) button; false when there is none.
    bool PressDefault();
    bool PressCancel();

    // Input from the window system.
    void Activate();
    void Deactivate();
    void UserClose() { Unload(); }  // the system's close command
    void UserMoved(float left, float top);
    void UserResized(float width, float height) { SetSizeTwips(width, height); }
    void UserWindowState(FormWindowState state);
    // The window is on a monitor of that DPI: the form and its controls convert twips and draw at it from now on
    // (RescaleTree lays them out again).
    void SetDpi(int dpi) { twipsPerPixel_ = 1440.0f / static_cast<float>(dpi); }

    // A subscriber outside the form (a frame control on it): true when the form is activated, false when it is
    // deactivated.
    Handler<void(bool active)> onActivation;

    std::optional<PeerKind> Kind() const final { return PeerKind::Form; }
    std::string PeerText() const override { return caption_; }
    ViewLook Look() const override;

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int16_t& Cancel) { (void)Cancel; }
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    void Resized() override;

private:
    friend class Menu;

    std::string caption_;
    FormWindowState windowState_ = FormWindowState::Normal;
    FormBorderStyle borderStyle_ = FormBorderStyle::Sizable;
    bool minButton_ = true;
    bool maxButton_ = true;
    bool loaded_ = false;
    bool active_ = false;
    Form* owner_ = nullptr;
    std::vector<Menu*> menus_;
    Bitmap icon_;
};

// The control as a form, or none.
inline Form* AsForm(Control* control) {
    return control && control->Kind() == PeerKind::Form ? static_cast<Form*>(control) : nullptr;
}

// A menu of a form, or an item of a menu.
class Menu {
public:
    Menu(Form& form, const char* name, const char* caption, int index = -1);
    Menu(Menu& parent, const char* name, const char* caption, int index = -1);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    Form& ParentForm() const { return form_; }
    Menu* Parent() const { return parent_; }
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    const std::vector<Menu*>& Items() const { return items_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // A form shows its visible menus as its menu bar.
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& value) { tag_ = value; }
    // A small picture shown beside the caption, through the system's own menu-item bitmaps; empty for none.
    const Bitmap& Picture() const { return picture_.Get(); }
    void SetPicture(const Bitmap& value);
    // A picture drawn when the menu is first shown.
    void SetPicture(Handler<Bitmap()> draw);

    void Click() {
        if (onClick) onClick();
    }
    Handler<void()> onClick;

private:
    Form& form_;
    Menu* parent_ = nullptr;
    std::string name_;
    int index_;
    std::vector<Menu*> items_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    std::string tag_;
    LazyPicture picture_;
};

}  // namespace plivant::ui
