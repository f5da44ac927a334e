// UserControl: a control made of other controls, with design-time settings kept in its host's property
// bag and the property-changed notification that marks a setting as changed for saving.
#pragma once
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"
#include "ui/PropertyBag.h"

namespace plivant::ui {

class UserControl : public Control {
public:
    UserControl(Control& host, const char* name, int index = -1) : Control(host, name, index) {}

    UserControl* AsUserControl() final { return this; }
    // The control's class, as VB's TypeName names a user control: "TypeOf x Is NuvaXPForm" reads
    // x.TypeName() == "NuvaXPForm" here, since the shipped program is built without run-time type information.
    virtual std::string_view TypeName() const = 0;

    // The design-time events are each control's own, raised on the control itself (InitProperties: a new instance
    // placed on its host; ReadProperties and WriteProperties: loading from and saving to the host's saved design),
    // never through this base: the program file then carries only those that the program raises.

    // The settings marked as changed for saving, each once, in the order of their first change.
    const std::vector<std::string>& ChangedProperties() const { return changed_; }
    // The host is shown: raises Show, after the host's Load and before its window appears (a control created while
    // its host is visible raises it at once).
    void HostShown() { UserControl_Show(); }

    // The host's font, which new instances take.
    ui::Font AmbientFont() const { return Parent() ? Parent()->Font() : ui::Font{}; }

protected:
    // A mark, not a log: a control reopened again and again keeps its marks, not one more for every assignment.
    void PropertyChanged(const char* name) {
        if (std::find(changed_.begin(), changed_.end(), name) == changed_.end()) changed_.emplace_back(name);
    }
    virtual void UserControl_Resize() {}
    virtual void UserControl_Show() {}
    void Resized() override {
        UserControl_Resize();
        Control::Resized();
    }
    void AfterRealize() override {
        const Control* top = this;
        while (top->Parent()) top = top->Parent();
        if (top->Visible()) UserControl_Show();
    }

private:
    std::vector<std::string> changed_;
};

}  // namespace plivant::ui
