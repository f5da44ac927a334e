// Control: state, geometry in twips, realization of the native windows, input and events.
#include "ui/Control.h"

#include <algorithm>
#include <cmath>

#include "ui/Form.h"

namespace plivant::ui {

Control::Control(Control& parent, const char* name, int index)
    : toolkit_(parent.toolkit_), parent_(&parent), name_(name), index_(index) {
    parent.children_.push_back(this);
    font_ = parent.font_;
}

Control::Control(Toolkit& toolkit, const char* name) : toolkit_(toolkit), name_(name) {}

Control::~Control() {
    if (Control& top = TopLevel(); top.focused_ == this) top.focused_ = nullptr;
    peer_.reset();
    if (parent_) std::erase(parent_->children_, this);
    for (Control* child : children_) child->parent_ = nullptr;
}

Form* Control::ParentForm() {
    return AsForm(&TopLevel());
}

float Control::TwipsPerPixelX() const {
    const float own = TopLevel().twipsPerPixel_;
    return own ? own : toolkit_.TwipsPerPixelX();
}
float Control::TwipsPerPixelY() const {
    const float own = TopLevel().twipsPerPixel_;
    return own ? own : toolkit_.TwipsPerPixelY();
}

float Control::UnitX() const {
    return scaleMode_ == ScaleMode::Pixels ? TwipsPerPixelX() : 1.0f;
}
float Control::UnitY() const {
    return scaleMode_ == ScaleMode::Pixels ? TwipsPerPixelY() : 1.0f;
}

void Control::Move(float left, float top, float width, float height) {
    const float newLeft = left * ParentUnitX(), newTop = top * ParentUnitY();
    const float newWidth = std::max(0.0f, width * ParentUnitX()), newHeight = std::max(0.0f, height * ParentUnitY());
    const bool sized = newWidth != width_ || newHeight != height_;
    if (!sized && newLeft == left_ && newTop == top_) return;
    left_ = newLeft;
    top_ = newTop;
    width_ = newWidth;
    height_ = newHeight;
    Mirror(Aspect::Bounds);
    if (sized) Resized();
}

void Control::SetSizeTwips(float width, float height) {
    width = std::max(0.0f, width);
    height = std::max(0.0f, height);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Mirror(Aspect::Bounds);
    Resized();
}

void Control::Mirror(Aspect aspect) {
    if (aspect == Aspect::Visible && holdShow_ && visible_) return;
    if (peer_) {
        peer_->Update(aspect);
    } else if (realized_ && parent_ && parent_->peer_ && Windowless()) {
        parent_->peer_->Update(Aspect::Look);  // the container paints it
    }
}

void Control::RescaleTree() {
    for (Control* child : children_) child->RescaleTree();
    Rescaled();
    Mirror(Aspect::Bounds);
    Mirror(Aspect::Look);
}

void Control::Resized() {
    if (onResize) onResize();
}

platform::Rect Control::PixelBounds() const {
    const float tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    const auto px = [](float twips, float per) { return static_cast<int32_t>(std::lround(twips / per)); };
    const int32_t x = px(left_, tx), y = px(top_, ty);
    return {x, y, x + px(width_, tx), y + px(height_, ty)};
}

void Control::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    Mirror(Aspect::Visible);
}

void Control::SetEnabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    Mirror(Aspect::Enabled);
    EnabledChanged();
}

void Control::SetToolTipText(const std::string& value) {
    toolTip_ = value;
    Mirror(Aspect::ToolTip);
}

void Control::SetBackColor(OleColor value) {
    back_ = value;
    Mirror(Aspect::Look);
}

void Control::SetForeColor(OleColor value) {
    fore_ = value;
    Mirror(Aspect::Look);
}

void Control::SetFont(const ui::Font& value) {
    font_ = value;
    Mirror(Aspect::Look);
}

void Control::SetMousePointer(MousePointer value) {
    pointer_ = value;
    Mirror(Aspect::Cursor);
}

void Control::SetMouseIcon(const CursorImage& value) {
    mouseIcon_ = value;
    Mirror(Aspect::Cursor);
}

ViewLook Control::Look() const {
    ViewLook look;
    look.back = back_;
    look.fore = fore_;
    look.font = font_;
    return look;
}

void Control::Realize() {
    if (realized_ || (parent_ && !parent_->realized_)) return;
    if (const auto kind = Kind()) {
        // The window is made where the control is: only its other aspects are given to it.
        peer_ = toolkit_.CreatePeer(*this, *kind, parent_ ? parent_->peer_.get() : nullptr);
        for (Aspect a : {Aspect::Enabled, Aspect::Text, Aspect::Items, Aspect::Selection, Aspect::ToolTip,
                         Aspect::Cursor, Aspect::Look, Aspect::Menus, Aspect::Icon}) {
            Mirror(a);
        }
    }
    realized_ = true;
    // The children's list may change while they are realized (a child creating others).
    const auto children = children_;
    for (Control* child : children) child->Realize();
    AfterRealize();
    Mirror(Aspect::Visible);
}

void Control::Unrealize() {
    if (!realized_) return;
    BeforeUnrealize();
    const auto children = children_;
    for (Control* child : children) child->Unrealize();
    peer_.reset();
    realized_ = false;
}

void Control::Click() {
    if (onClick) onClick();
}

void Control::DblClick() {
    if (onDblClick) onDblClick();
}

void Control::MouseDown(int16_t button, int16_t shift, float x, float y) {
    if (onMouseDown) onMouseDown(button, shift, x, y);
}

void Control::MouseMove(int16_t button, int16_t shift, float x, float y) {
    if (onMouseMove) onMouseMove(button, shift, x, y);
}

void Control::MouseUp(int16_t button, int16_t shift, float x, float y) {
    if (onMouseUp) onMouseUp(button, shift, x, y);
}

void Control::KeyDown(int16_t keyCode, int16_t shift) {
    if (onKeyDown) onKeyDown(keyCode, shift);
}

void Control::KeyUp(int16_t keyCode, int16_t shift) {
    if (onKeyUp) onKeyUp(keyCode, shift);
}

void Control::ContextMenu(float x, float y) {
    if (onContextMenu) onContextMenu(x, y);
}

void Control::SetFocus() {
    PeerFocused();
    Mirror(Aspect::Focus);
}

Control& Control::TopLevel() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return *c;
}

void Control::PeerFocused() {
    if (parent_) TopLevel().focused_ = this;
}

void Control::KeyPress(int16_t& keyAscii) {
    if (onKeyPress) onKeyPress(keyAscii);
}

}  // namespace plivant::ui
