// The frame's host interface over the toolkit's forms.
#include "frame/ToolkitHostForm.h"

#include "frame/NuvaXPForm.h"
#include "ui/UserControl.h"

namespace plivant {

HostControlKind ControlItem::Kind() const {
    const ui::UserControl* user = control_.AsUserControl();
    return user && user->TypeName() == NuvaXPForm::kTypeName ? HostControlKind::Frame : HostControlKind::Other;
}

platform::WindowHandle ControlItem::ContainerHwnd() const {
    if (!control_.Parent()) throw Missing("Container");
    return control_.Parent()->hwnd();
}

void ToolkitHostForm::ShowAs(int16_t modal, IHostForm* owner) {
    ui::Form* ownerForm = owner ? owner->ToolkitForm() : nullptr;
    if (owner && !ownerForm) throw LateBoundError("the owner is not a form");
    form_.Show(modal, ownerForm);
}

void ToolkitHostForm::PopupMenu(IHostControl& menu, float x, float y) {
    ui::Menu* item = menu.ToolkitMenu();
    if (!item) throw LateBoundError("not a menu");
    form_.PopupMenu(*item, x, y);
}

namespace {

void AddControls(ui::Control& container, std::vector<std::shared_ptr<IHostControl>>& found) {
    for (ui::Control* child : container.Children()) {
        found.push_back(std::make_shared<ControlItem>(*child));
        if (!child->AsUserControl()) AddControls(*child, found);
    }
}

void AddMenus(const std::vector<ui::Menu*>& menus, std::vector<std::shared_ptr<IHostControl>>& found) {
    for (ui::Menu* menu : menus) {
        found.push_back(std::make_shared<MenuItem>(*menu));
        AddMenus(menu->Items(), found);
    }
}

}  // namespace

std::vector<std::shared_ptr<IHostControl>> ToolkitHostForm::Controls() {
    std::vector<std::shared_ptr<IHostControl>> found;
    AddControls(form_, found);
    AddMenus(form_.Menus(), found);
    return found;
}

void ToolkitHostForm::Move(float left, float top, float width, float height) {
    // The window refuses a negative size and stays as it was.
    if (width < 0 || height < 0) throw LateBoundError("invalid size");
    form_.Move(left, top, width, height);
}

void ToolkitHostForm::OnActivation(ui::Handler<void(bool active)> handler) {
    form_.onActivation = handler;
}

}  // namespace plivant
