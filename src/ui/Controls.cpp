// The standard controls.
#include "ui/Controls.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/BitmapDrawing.h"

namespace plivant::ui {

Label::Label(Control& parent, const char* name, int index) : Control(parent, name, index) {
    SetForeColor(kButtonText);
}

void Label::SetCaption(const std::string& value) {
    caption_ = value;
    Mirror(Aspect::Text);
    Mirror(Aspect::Look);
    FitCaption();
}

void Label::SetAutoSize(bool value) {
    autoSize_ = value;
    FitCaption();
}

SizeTwips Label::CaptionSize() const {
    const SizeTwips size = toolkit().MeasureText(Font(), caption_, TwipsPerPixelY());
    // A label's border takes a pixel on each side.
    const float border = borderStyle_ != ControlBorderStyle::None ? 2.0f * TwipsPerPixelX() : 0.0f;
    return {size.width + border, size.height + border};
}

void Label::FitCaption() {
    if (!autoSize_) return;
    const SizeTwips size = CaptionSize();
    SetSizeTwips(size.width, size.height);
}

void Label::SetAlignment(TextAlignment value) {
    alignment_ = value;
    Mirror(Aspect::Look);
}

void Label::SetBorderStyle(ControlBorderStyle value) {
    borderStyle_ = value;
    Mirror(Aspect::Look);
    FitCaption();
}

void Label::SetAppearance(int16_t value) {
    appearance_ = value;
    Mirror(Aspect::Look);
}

void Label::SetBackStyle(int16_t value) {
    backStyle_ = value;
    Mirror(Aspect::Look);
}

void Label::SetWordWrap(bool value) {
    wordWrap_ = value;
    Mirror(Aspect::Look);
}

ViewLook Label::Look() const {
    ViewLook look = Control::Look();
    look.text = caption_;
    look.alignment = alignment_;
    look.border = borderStyle_;
    look.threeD = appearance_ == 1;
    look.opaque = backStyle_ != 0;
    look.wordWrap = wordWrap_;
    return look;
}

Image::Image(Control& parent, const char* name, int index) : Control(parent, name, index) {}

const Bitmap& Image::Picture() const {
    return picture_.Get();
}

void Image::SetPicture(const Bitmap& value) {
    picture_.Set(value);
    if (!value.Empty()) TakeSize(value.Width(), value.Height());
    Mirror(Aspect::Look);
}

void Image::SetPicture(int width, int height, Handler<Bitmap()> draw) {
    picture_.Set(draw);
    TakeSize(width, height);
    Mirror(Aspect::Look);
}

void Image::TakeSize(int width, int height) {
    if (stretch_) return;
    SetSizeTwips(static_cast<float>(width) * TwipsPerPixelX(), static_cast<float>(height) * TwipsPerPixelY());
}

void Image::SetStretch(bool value) {
    stretch_ = value;
    Mirror(Aspect::Look);
}

ViewLook Image::Look() const {
    ViewLook look = Control::Look();
    look.opaque = false;
    look.picture = Picture();
    look.stretch = stretch_;
    return look;
}

PictureBox::PictureBox(Control& parent, const char* name, int index) : Control(parent, name, index) {}

void PictureBox::SetPicture(const Bitmap& value) {
    picture_ = value;
    Mirror(Aspect::Look);
}

void PictureBox::SetBorderStyle(ControlBorderStyle value) {
    borderStyle_ = value;
    Mirror(Aspect::Look);
}

ViewLook PictureBox::Look() const {
    ViewLook look = Control::Look();
    look.picture = picture_;
    look.border = borderStyle_;
    return look;
}

ViewLook Frame::Look() const {
    ViewLook look = Control::Look();
    look.border = ControlBorderStyle::FixedSingle;
    look.etched = true;
    return look;
}

Line::Line(Control& parent, const char* name, int index) : Control(parent, name, index) {
    SetBackColor(0x000000);
}

void Line::SetEnds(float x1, float y1, float x2, float y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // Drawn as the one-pixel band between its ends.
    const float onePixelX = Parent() ? TwipsPerPixelX() / Parent()->UnitX() : 1.0f;
    const float onePixelY = Parent() ? TwipsPerPixelY() / Parent()->UnitY() : 1.0f;
    Move(std::min(x1, x2), std::min(y1, y2), std::max(std::fabs(x2 - x1), onePixelX),
         std::max(std::fabs(y2 - y1), onePixelY));
}

TextBox::TextBox(Control& parent, const char* name, int index) : Control(parent, name, index) {
    SetBackColor(kWindowBackground);
    SetForeColor(kWindowText);
}

void TextBox::SetText(const std::string& value) {
    if (value == text_) return;
    text_ = value;
    Mirror(Aspect::Text);
    if (onChange) onChange();
}

void TextBox::PeerTextChanged(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (onChange) onChange();
}

void ListControl::AddItem(const std::string& item) {
    items_.push_back(item);
    Mirror(Aspect::ItemAppended);
}

void ListControl::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    listIndex_ = -1;
    Mirror(Aspect::Items);
}

void ListControl::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    lastRemoved_ = index;
    Mirror(Aspect::ItemRemoved);
    Mirror(Aspect::Selection);
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = -1;
    Mirror(Aspect::Items);
    Mirror(Aspect::Selection);
}

void ListControl::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) return;
    if (index == listIndex_) return;
    listIndex_ = index;
    Mirror(Aspect::Selection);
    Selected();
}

ListBox::ListBox(Control& parent, const char* name, int index) : ListControl(parent, name, index) {
    SetBackColor(kWindowBackground);
    SetForeColor(kWindowText);
}

int ListBox::ItemAt(float x, float y) const {
    const Peer* peer = GetPeer();
    if (!peer) return -1;
    const auto px = [](float v, float per) { return static_cast<int32_t>(std::floor(v / per)); };
    return peer->ItemAt({px(x * UnitX(), TwipsPerPixelX()), px(y * UnitY(), TwipsPerPixelY())});
}

ListBox::ItemPlace ListBox::ItemBounds(int index) const {
    const Peer* peer = GetPeer();
    if (!peer || index < 0 || index >= ListCount()) return {};
    const platform::Rect r = peer->ItemBounds(index);
    return {FromPixelsX(static_cast<float>(r.left)), FromPixelsY(static_cast<float>(r.top)),
            FromPixelsX(static_cast<float>(r.Width())), FromPixelsY(static_cast<float>(r.Height()))};
}

void ListBox::ContextMenu(float x, float y) {
    if (ListIndex() >= 0) {
        const ItemPlace row = ItemBounds(ListIndex());
        if (row.height > 0) {
            x = row.left;
            y = row.top + row.height / 2;
        }
    }
    Control::ContextMenu(x, y);
}

ComboBox::ComboBox(Control& parent, const char* name, int index) : ListControl(parent, name, index) {
    SetBackColor(kWindowBackground);
    SetForeColor(kWindowText);
}

void ComboBox::SetText(const std::string& value) {
    if (value == text_) return;
    text_ = value;
    Mirror(Aspect::Text);
    if (onChange) onChange();
}

void ComboBox::PeerTextChanged(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (onChange) onChange();
}

void ComboBox::Selected() {
    text_ = listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : std::string();
    Mirror(Aspect::Text);
    Click();
}

CommandButton::CommandButton(Control& parent, const char* name, int index) : Control(parent, name, index) {}

void CommandButton::SetCaption(const std::string& value) {
    caption_ = value;
    Mirror(Aspect::Text);
}

void CommandButton::SetPicture(const Bitmap& value) {
    picture_.Set(value);
    Mirror(Aspect::Look);
}

void CommandButton::SetPicture(Handler<Bitmap()> draw) {
    picture_.Set(draw);
    Mirror(Aspect::Look);
}

void CommandButton::SetStyle(int16_t value) {
    style_ = value;
    Mirror(Aspect::Look);
}

ViewLook CommandButton::Look() const {
    ViewLook look = Control::Look();
    look.text = caption_;
    if (style_ == 1) look.picture = Enabled() ? Picture() : Greyed(Picture());
    return look;
}

Timer::Timer(Control& parent, const char* name, int index)
    : Control(parent, name, index), self_(std::make_shared<Timer*>(this)) {
    SetVisible(false);  // nothing to paint
}

Timer::~Timer() {
    Disarm();
    *self_ = nullptr;
}

void Timer::SetInterval(int32_t value) {
    if (value == interval_) return;
    interval_ = value;
    Rearm();
}

void Timer::Rearm() {
    Disarm();
    if (!Realized() || !Enabled() || interval_ <= 0) return;
    const std::weak_ptr<Timer*> link = self_;
    id_ = toolkit().Windowing().StartTimer(0, 0, static_cast<uint32_t>(interval_),
                                           [link](platform::WindowHandle, uint32_t, uintptr_t, uint32_t) {
                                               const auto self = link.lock();
                                               if (self && *self && (*self)->onTimer) {
                                                   const auto handler = (*self)->onTimer;
                                                   handler();
                                               }
                                           });
}

void Timer::Disarm() {
    if (id_ == 0) return;
    toolkit().Windowing().StopTimer(0, id_);
    id_ = 0;
}

}  // namespace plivant::ui
