// Form and Menu.
#include "ui/Form.h"

#include <algorithm>
#include <utility>

#include "ui/Controls.h"
#include "ui/UserControl.h"

namespace plivant::ui {

Form::Form(Toolkit& toolkit, const char* name) : Control(toolkit, name) {
    SetVisible(false);
    SetBackColor(kButtonFace);
    SetScaleMode(ScaleMode::Twips);
}

Form::~Form() {
    // Closing the program's windows as it ends: the unload handlers run no more.
    Unrealize();
}

void Form::SetCaption(const std::string& value) {
    caption_ = value;
    Mirror(Aspect::Text);
}

void Form::SetWindowState(FormWindowState value) {
    if (windowState_ == value) return;
    windowState_ = value;
    Mirror(Aspect::Bounds);
}

void Form::SetIcon(const Bitmap& value) {
    icon_ = value;
    Mirror(Aspect::Icon);
}

namespace {
void RaiseShow(Control& container) {
    for (Control* child : container.Children()) {
        if (UserControl* user = child->AsUserControl()) user->HostShown();
        RaiseShow(*child);
    }
}
}  // namespace

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    Realize();
    // A window made on a monitor of another scale than the screen's is laid out again at that scale, where it is,
    // before it shows.
    if (const int dpi = GetPeer() ? GetPeer()->MonitorDpi() : 0; dpi && dpi != Dpi()) {
        const float ratio = 1440.0f / static_cast<float>(dpi) / TwipsPerPixelX();
        left_ *= ratio;
        top_ *= ratio;
        SetDpi(dpi);
        RescaleTree();
    }
    Form_Load();
}

void Form::Show(int16_t modal, Form* owner) {
    Toolkit& kit = toolkit();
    // A click that waited while another form loads does not open this one inside that load. A form closed as it
    // loads has ended its load, though: a click made after that is the user's next step.
    if (kit.loading_ && kit.loading_ != this && kit.loading_->Loaded()) return;
    if (owner) owner_ = owner;
    if (modal == 1) kit.BeginModal(*this);
    Form* const outer = std::exchange(kit.loading_, this);
    try {
        Load();
        if (loaded_ && !Visible()) {  // unless Form_Load unloaded it
            // The controls take their show step before the window appears, so that what they change in it (its
            // frame, its size) is drawn once, as it shows.
            holdShow_ = true;
            SetVisible(true);
            RaiseShow(*this);
            holdShow_ = false;
            if (loaded_ && Visible()) Mirror(Aspect::Visible);
        }
    } catch (...) {
        // A load that fails leaves the other windows taking input.
        holdShow_ = false;
        kit.loading_ = outer;
        if (modal == 1) kit.EndModal(*this);
        throw;
    }
    kit.loading_ = outer;
    if (modal == 1) kit.RunModal(*this);  // which ends at once for a form that is not shown
}

bool Form::Unload() {
    if (!loaded_) return true;
    int16_t cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) return false;
    SetVisible(false);
    Unrealize();
    loaded_ = false;
    active_ = false;
    return true;
}

namespace {
CommandButton* FindButton(const Control& container, bool CommandButton::*which) {
    for (Control* child : container.Children()) {
        auto* button = child->Kind() == PeerKind::Button ? static_cast<CommandButton*>(child) : nullptr;
        if (button && button->*which && button->Visible() && button->Enabled()) return button;
        if (CommandButton* found = FindButton(*child, which)) return found;
    }
    return nullptr;
}

bool PressButton(const Control& form, bool CommandButton::*which) {
    CommandButton* button = FindButton(form, which);
    if (button) button->Click();
    return button != nullptr;
}
}  // namespace

bool Form::PressDefault() {
    return PressButton(*this, &CommandButton::default_);
}

bool Form::PressCancel() {
    return PressButton(*this, &CommandButton::cancel_);
}

void Form::Activate() {
    active_ = true;
    Form_Activate();
    if (onActivation) onActivation(true);
}

void Form::Deactivate() {
    active_ = false;
    Form_Deactivate();
    if (onActivation) onActivation(false);
}

void Form::UserMoved(float left, float top) {
    left_ = left;
    top_ = top;
}

void Form::UserWindowState(FormWindowState state) {
    windowState_ = state;
}

void Form::Resized() {
    Form_Resize();
    Control::Resized();
}

ViewLook Form::Look() const {
    ViewLook look = Control::Look();
    look.text.clear();
    return look;
}

Menu::Menu(Form& form, const char* name, const char* caption, int index)
    : form_(form), name_(name), index_(index), caption_(caption) {
    form.menus_.push_back(this);
    form_.MenusChanged();
}

Menu::Menu(Menu& parent, const char* name, const char* caption, int index)
    : form_(parent.form_), parent_(&parent), name_(name), index_(index), caption_(caption) {
    parent.items_.push_back(this);
    form_.MenusChanged();
}

Menu::~Menu() {
    if (parent_) {
        std::erase(parent_->items_, this);
    } else {
        std::erase(form_.menus_, this);
    }
    for (Menu* item : items_) item->parent_ = nullptr;
    form_.MenusChanged();
}

void Menu::SetCaption(const std::string& value) {
    caption_ = value;
    form_.MenusChanged();
}

void Menu::SetEnabled(bool value) {
    enabled_ = value;
    form_.MenusChanged();
}

void Menu::SetVisible(bool value) {
    visible_ = value;
    form_.MenusChanged();
}

void Menu::SetPicture(const Bitmap& value) {
    picture_.Set(value);
    form_.MenusChanged();
}

void Menu::SetPicture(Handler<Bitmap()> draw) {
    picture_.Set(draw);
    form_.MenusChanged();
}

void Menu::SetChecked(bool value) {
    checked_ = value;
    form_.MenusChanged();
}

}  // namespace plivant::ui
