// The standard controls: label, image, picture box, line, text box, combo box, list box, command and picture
// buttons, and the timer.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/LazyPicture.h"

namespace plivant::ui {

class Label : public Control {
public:
    Label(Control& parent, const char* name, int index = -1);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    // Automatic sizing: the label takes the size of its caption in its font (and its border).
    bool AutoSize() const { return autoSize_; }
    SizeTwips CaptionSize() const;
    void SetAutoSize(bool value);
    TextAlignment Alignment() const { return alignment_; }
    void SetAlignment(TextAlignment value);
    ControlBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ControlBorderStyle value);
    int16_t Appearance() const { return appearance_; }
    void SetAppearance(int16_t value);
    // 0 transparent, 1 opaque.
    int16_t BackStyle() const { return backStyle_; }
    void SetBackStyle(int16_t value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    std::optional<PeerKind> Kind() const override { return std::nullopt; }
    std::string PeerText() const override { return caption_; }
    ViewLook Look() const override;

private:
    void FitCaption();
    std::string caption_;
    bool autoSize_ = false;
    TextAlignment alignment_ = TextAlignment::Left;
    ControlBorderStyle borderStyle_ = ControlBorderStyle::None;
    int16_t appearance_ = 1;
    int16_t backStyle_ = 1;
    bool wordWrap_ = false;
};

class Image : public Control {
public:
    Image(Control& parent, const char* name, int index = -1);
    const Bitmap& Picture() const;
    // Without Stretch the image takes its picture's size.
    void SetPicture(const Bitmap& value);
    // A picture of width × height pixels that is drawn when it is first asked for, which is when it is first
    // painted: a window that ends before it paints never draws it.
    void SetPicture(int width, int height, Handler<Bitmap()> draw);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    // A windowed image is a window of its own that acts as a button: it takes the focus, Tab reaches it, Space and
    // Enter click it, and screen readers name it by its tooltip. Set before the form is loaded.
    bool Windowed() const { return windowed_; }
    void SetWindowed(bool value) { windowed_ = value; }
    std::optional<PeerKind> Kind() const override {
        return windowed_ ? std::optional<PeerKind>(PeerKind::ImageButton) : std::nullopt;
    }
    ViewLook Look() const override;

private:
    void TakeSize(int width, int height);
    LazyPicture picture_;
    bool stretch_ = false;
    bool windowed_ = false;
};

class PictureBox : public Control {
public:
    PictureBox(Control& parent, const char* name, int index = -1);
    const Bitmap& Picture() const { return picture_; }
    void SetPicture(const Bitmap& value);
    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool value) { autoRedraw_ = value; }
    ControlBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ControlBorderStyle value);
    ViewLook Look() const override;

private:
    Bitmap picture_;
    bool autoRedraw_ = false;
    ControlBorderStyle borderStyle_ = ControlBorderStyle::FixedSingle;
};

// A frame (a group box): a container inside the system's etched line.
class Frame : public Control {
public:
    using Control::Control;
    ViewLook Look() const override;
};

class Line : public Control {
public:
    Line(Control& parent, const char* name, int index = -1);
    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void SetEnds(float x1, float y1, float x2, float y2);
    OleColor BorderColor() const { return BackColor(); }
    void SetBorderColor(OleColor value) { SetBackColor(value); }
    std::optional<PeerKind> Kind() const override { return std::nullopt; }

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

enum class ScrollBars : int16_t { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

class TextBox : public Control {
public:
    TextBox(Control& parent, const char* name, int index = -1);
    const std::string& Text() const { return text_; }
    // Raises Change when the text differs.
    void SetText(const std::string& value);
    // Locked: the text can be selected, copied and scrolled, and nothing the user does edits it.
    bool Locked() const { return locked_; }
    void SetLocked(bool value) { locked_ = value; }
    // Several lines (CR LF ends a line), with scroll bars; both are set before the form is loaded.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value) { multiLine_ = value; }
    ui::ScrollBars GetScrollBars() const { return scrollBars_; }
    void SetScrollBars(ui::ScrollBars value) { scrollBars_ = value; }

    Handler<void()> onChange;
    std::optional<PeerKind> Kind() const final { return PeerKind::TextBox; }
    std::string PeerText() const override { return text_; }
    void PeerTextChanged(const std::string& text) override;

private:
    std::string text_;
    bool locked_ = false;
    bool multiLine_ = false;
    ui::ScrollBars scrollBars_ = ui::ScrollBars::None;
};

// What list boxes and combo boxes share: items and the selected index (-1 none).
class ListControl : public Control {
public:
    using Control::Control;
    void AddItem(const std::string& item);
    void RemoveItem(int index);
    void Clear();
    // Replaces every item at once, nothing selected: the window fills in one go, without a repaint per item.
    void SetItems(std::vector<std::string> items);
    // For the peers: the index RemoveItem last took out.
    int LastRemovedIndex() const { return lastRemoved_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const { return items_.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& Items() const { return items_; }
    int ListIndex() const { return listIndex_; }
    // Selecting raises Click, as a choice by the user does.
    void SetListIndex(int index);

    void PeerSelectionChanged(int index) override { SetListIndex(index); }

protected:
    virtual void Selected() { Click(); }
    std::vector<std::string> items_;
    int listIndex_ = -1;
    int lastRemoved_ = -1;
};

class ListBox : public ListControl {
public:
    ListBox(Control& parent, const char* name, int index = -1);
    std::optional<PeerKind> Kind() const final { return PeerKind::ListBox; }
    // The item under a point in the list's own scale, as the list shows it now; -1 where there is none (below the
    // last row, or no window).
    int ItemAt(float x, float y) const;
    // Where the item is shown, in the list's own scale: left, top, width, height; all 0 without a window.
    struct ItemPlace {
        float left = 0, top = 0, width = 0, height = 0;
    };
    ItemPlace ItemBounds(int index) const;
    // The keyboard's context menu opens at the selected row (its left end, just below its middle).
    void ContextMenu(float x, float y) override;
};

class ComboBox : public ListControl {
public:
    ComboBox(Control& parent, const char* name, int index = -1);
    // The edit field: the selected item's text, or what was typed.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    Handler<void()> onChange;
    std::optional<PeerKind> Kind() const final { return PeerKind::ComboBox; }
    std::string PeerText() const override { return text_; }
    void PeerTextChanged(const std::string& text) override;

protected:
    void Selected() override;

private:
    std::string text_;
};

// A command button; with style 1 (graphical) it shows its picture.
class CommandButton : public Control {
public:
    CommandButton(Control& parent, const char* name, int index = -1);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    const Bitmap& Picture() const { return picture_.Get(); }
    // A disabled button shows its picture greyed.
    void SetPicture(const Bitmap& value);
    // A picture drawn when the button is first painted.
    void SetPicture(Handler<Bitmap()> draw);
    // Graphical (1) or not (0); set before the form is loaded, since the button's window is made by it.
    int16_t Style() const { return style_; }
    void SetStyle(int16_t value);
    // Enter (Default) or Escape (Cancel) in the window presses the button.
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    std::optional<PeerKind> Kind() const final { return PeerKind::Button; }
    std::string PeerText() const override { return caption_; }
    ViewLook Look() const override;

protected:
    void EnabledChanged() override { Mirror(Aspect::Look); }

private:
    friend class Form;
    std::string caption_;
    LazyPicture picture_;
    int16_t style_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};

// A timer control: ticks every Interval milliseconds while enabled with a non-zero interval and while its
// form is loaded. It has no window.
class Timer : public Control {
public:
    Timer(Control& parent, const char* name, int index = -1);
    ~Timer() override;
    int32_t Interval() const { return interval_; }
    void SetInterval(int32_t value);

    Handler<void()> onTimer;
    std::optional<PeerKind> Kind() const override { return std::nullopt; }
    // For tests: whether a system timer is armed.
    bool Armed() const { return id_ != 0; }

protected:
    void EnabledChanged() override { Rearm(); }
    void AfterRealize() override { Rearm(); }
    void BeforeUnrealize() override { Disarm(); }

private:
    void Rearm();
    void Disarm();
    int32_t interval_ = 0;
    uintptr_t id_ = 0;
    std::shared_ptr<Timer*> self_;
};

}  // namespace plivant::ui
