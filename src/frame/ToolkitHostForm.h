// The frame's host interface (IHostForm.h) over the toolkit's forms: a form, the controls it carries and its menus,
// as the frame reaches them. Used by every framed window of the program.
#pragma once
#include <memory>
#include <vector>

#include "frame/IHostForm.h"
#include "ui/Form.h"

namespace plivant {

// A control of a form, reached through its extender: place and size in its container's scale.
class ControlItem final : public IHostControl {
public:
    explicit ControlItem(ui::Control& control) : control_(control) {}
    HostControlKind Kind() const override;
    float Left() const override { return control_.Left(); }
    void SetLeft(float value) override { control_.SetLeft(value); }
    float Top() const override { return control_.Top(); }
    void SetTop(float value) override { control_.SetTop(value); }
    float Width() const override { return control_.Width(); }
    void SetWidth(float value) override { control_.SetWidth(value); }
    float Height() const override { return control_.Height(); }
    void SetHeight(float value) override { control_.SetHeight(value); }
    std::string Tag() const override { return control_.Tag(); }
    bool Enabled() const override { return control_.Enabled(); }
    void SetVisible(bool value) override { control_.SetVisible(value); }
    platform::WindowHandle ContainerHwnd() const override;

private:
    ui::Control& control_;
};

// A menu or menu item: it has a caption, a tag and a state, but no place and no container.
class MenuItem final : public IHostControl {
public:
    explicit MenuItem(ui::Menu& menu) : menu_(menu) {}
    HostControlKind Kind() const override { return HostControlKind::Menu; }
    std::string Tag() const override { return menu_.Tag(); }
    std::string Caption() const override { return menu_.Caption(); }
    bool Enabled() const override { return menu_.Enabled(); }
    void SetVisible(bool value) override { menu_.SetVisible(value); }
    ui::Menu& Menu() const { return menu_; }
    ui::Menu* ToolkitMenu() const override { return &menu_; }

private:
    ui::Menu& menu_;
};

class ToolkitHostForm final : public IHostForm {
public:
    explicit ToolkitHostForm(ui::Form& form) : form_(form) {}
    ui::Form& Form() const { return form_; }
    ui::Form* ToolkitForm() const override { return &form_; }

    std::string Caption() const override { return form_.Caption(); }
    void SetCaption(const std::string& value) override { form_.SetCaption(value); }
    void SetIcon(const ui::Bitmap& value) override { form_.SetIcon(value); }
    void SetBackColor(ui::OleColor value) override { form_.SetBackColor(value); }
    float Left() const override { return form_.Left(); }
    void SetLeft(float value) override { form_.SetLeft(value); }
    float Top() const override { return form_.Top(); }
    void SetTop(float value) override { form_.SetTop(value); }
    float Width() const override { return form_.Width(); }
    void SetWidth(float value) override { form_.SetWidth(value); }
    float Height() const override { return form_.Height(); }
    void SetHeight(float value) override { form_.SetHeight(value); }
    void Move(float left, float top, float width, float height) override;
    ui::FormBorderStyle BorderStyle() const override { return form_.BorderStyle(); }
    bool MinButton() const override { return form_.MinButton(); }
    bool MaxButton() const override { return form_.MaxButton(); }
    ui::FormWindowState WindowState() const override { return form_.WindowState(); }
    void SetWindowState(ui::FormWindowState value) override { form_.SetWindowState(value); }
    bool Visible() const override { return form_.Visible(); }
    void SetVisible(bool value) override { form_.SetVisible(value); }
    void Show() override { form_.Show(); }
    void ShowAs(int16_t modal, IHostForm* owner) override;
    void Unload() override { form_.Unload(); }
    void PopupMenu(IHostControl& menu, float x, float y) override;
    platform::WindowHandle hwnd() const override { return form_.hwnd(); }
    // The controls on the form at any depth (but not the parts of a user control), then the menus and their
    // items.
    std::vector<std::shared_ptr<IHostControl>> Controls() override;
    void OnActivation(ui::Handler<void(bool active)> handler) override;

private:
    ui::Form& form_;
};

}  // namespace plivant
