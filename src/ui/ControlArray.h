// ControlArray: controls of one kind under one name, told apart by index, created and removed at run time.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "ui/Control.h"

namespace plivant::ui {

template <typename T>
class ControlArray {
public:
    ControlArray(Control& container, const char* name) : container_(container), name_(name) {}

    // Creates element index (hidden, as the platform creates them) and its window when the container has one.
    // An index already in use is an error: nothing is created and false is returned.
    bool Load(int index) {
        if (elements_.count(index)) return false;
        auto element = std::make_unique<T>(container_, name_.c_str(), index);
        element->SetVisible(false);
        element->Realize();
        elements_.emplace(index, std::move(element));
        return true;
    }
    bool Unload(int index) { return elements_.erase(index) > 0; }

    bool Exists(int index) const { return elements_.count(index) != 0; }
    // The element; std::out_of_range when there is none.
    T& operator[](int index) { return *elements_.at(index); }
    const T& operator[](int index) const { return *elements_.at(index); }
    int Count() const { return static_cast<int>(elements_.size()); }
    int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
    const std::string& Name() const { return name_; }

private:
    Control& container_;
    std::string name_;
    std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace plivant::ui
