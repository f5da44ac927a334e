// FramedForm: the frame's stored settings and the window that follows it.
#include "windows/shared/FramedForm.h"

#include <algorithm>

#include "art/ProgramArt.h"
#include "util/ErrorPolicy.h"

namespace plivant {

namespace {
// Where the frame shows its icon, in pixels below the title bar's top edge: the frame's default.
constexpr int kIconTop = 7;
}  // namespace

ui::Font FrameCaptionFont() {
    return {.name = "Courier New", .size = 9.75f, .bold = true};
}

void MakeDisplayOnly(ui::TextBox& box) {
    constexpr int16_t kCtrlC = 3;
    box.SetLocked(true);
    box.onKeyPress = [](int16_t& KeyAscii) {
        if (KeyAscii != kCtrlC) KeyAscii = 0;
    };
}

ui::PropertyBag FrameDesign(const std::string& caption, const ui::Font& font, double scale) {
    ui::PropertyBag design;
    design.Store("Caption", caption);
    design.Store("Font", font);
    design.Store("Icon", FrameIcon(scale));
    design.Store("EnableMaximize", false);
    design.Store("AutoLoad", true);
    return design;
}

ui::Bitmap FrameIcon(double scale) {
    return TitleBarIcon(kIconTop, scale);
}

void FramedForm::Rescaled() {
    NuvaXPForm1.SetIcon(FrameIcon(Scale()));
}

FramedForm::FramedForm(ui::Toolkit& toolkit, platform::IProcess& process, const char* name, const std::string& caption,
                       float width, float height)
    : ui::Form(toolkit, name), NuvaXPForm1(*this, "NuvaXPForm1", process) {
    // A fixed window without minimise and maximise boxes: the frame then offers only its close button, and the
    // window keeps the size its controls were laid out for.
    SetBorderStyle(ui::FormBorderStyle::FixedSingle);
    SetMinButton(false);
    SetMaxButton(false);
    SetBackColor(NuvaXPForm::kDefaultBackground);
    SetCaption(caption);
    // The frame first: the window follows its size.
    NuvaXPForm1.Move(0, 0, width, height);
    Move(0, 0, width, height);
    ui::PropertyBag design = FrameDesign(caption, FrameCaptionFont(), Scale());
    design.Store("ShowMinimize", false);
    design.Store("ShowMaximize", false);
    NuvaXPForm1.ReadProperties(design);
}

void FramedForm::Form_Resize() {
    if (NuvaXPForm1.ApplyingSkin()) return;  // it ends at the frame's size then
    SetWidth(NuvaXPForm1.Width());
    SetHeight(NuvaXPForm1.Height());
}

void FramedForm::HideSizeButtons() {
    SkipOnError([&] { NuvaXPForm1.SetShowMaximize(false); });
    SkipOnError([&] { NuvaXPForm1.SetShowMinimize(false); });
}

void FramedForm::PlaceOverOwner() {
    const ui::SizeTwips screen = toolkit().ScreenSize();
    float left = (screen.width - Width()) / 2, top = (screen.height - Height()) / 2;
    float areaLeft = 0, areaTop = 0, areaRight = screen.width, areaBottom = screen.height;
    if (const ui::Form* owner = Owner(); owner && owner->Loaded()) {
        // The owner's twips, at its own DPI, as this window's.
        const float r = TwipsPerPixelX() / owner->TwipsPerPixelX();
        left = owner->Left() * r + (owner->Width() * r - Width()) / 2;
        top = owner->Top() * r + (owner->Height() * r - Height()) / 2;
        // Kept on the owner's monitor, which need not be the primary one.
        if (const auto monitor = toolkit().Windowing().MonitorRect(owner->hwnd())) {
            const float x = TwipsPerPixelX(), y = TwipsPerPixelY();
            areaLeft = static_cast<float>(monitor->left) * x, areaRight = static_cast<float>(monitor->right) * x;
            areaTop = static_cast<float>(monitor->top) * y, areaBottom = static_cast<float>(monitor->bottom) * y;
        }
    }
    left = std::clamp(left, areaLeft, std::max(areaLeft, areaRight - Width()));
    top = std::clamp(top, areaTop, std::max(areaTop, areaBottom - Height()));
    Move(left, top, Width(), Height());
}

}  // namespace plivant
