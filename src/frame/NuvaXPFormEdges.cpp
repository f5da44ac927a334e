// NuvaXPForm: the sizing handles along the edges and corners.
#include "frame/NuvaXPForm.h"

#include "frame/NuvaXPFormParts.h"
#include "util/ErrorPolicy.h"

namespace plivant {

using namespace nuvaxp;

void NuvaXPForm::WireHandle(ui::Image& handle, ui::MousePointer shape, int16_t code) {
    handle.onMouseDown = [this](int16_t, int16_t, float, float) { Edge_MouseDown(); };
    handle.onMouseMove = [this, &handle, shape, code](int16_t, int16_t, float, float) {
        Edge_MouseMove(handle, shape, code == kBottomEdge);
    };
    handle.onMouseUp = [this, code](int16_t, int16_t, float, float) { Edge_MouseUp(code); };
}

void NuvaXPForm::Edge_MouseDown() {
    if (!MyForm_) return;
    StopOnError([&] {
        if (MyForm_->BorderStyle() != Border::Sizable) return;
        if (const auto cursor = Windowing().CursorPosition()) m_DragStart = *cursor;
    });
}

void NuvaXPForm::Edge_MouseMove(ui::Image& handle, ui::MousePointer shape, bool bottom) {
    if (!MyForm_) return;
    IHostForm& host = *MyForm_;
    StopOnError([&] {
        const bool sizable = host.BorderStyle() == Border::Sizable && host.WindowState() == State::Normal;
        handle.SetMousePointer(sizable ? shape : ui::MousePointer::Default);
        if (bottom && host.WindowState() == State::Maximized) TaskBarShow();
    });
}

void NuvaXPForm::Edge_MouseUp(int16_t code) {
    if (!MyForm_) return;
    IHostForm& host = *MyForm_;
    if (!TestOrTrue([&] { return host.BorderStyle() == Border::Sizable && host.WindowState() == State::Normal; }))
        return;
    SkipOnError([&] {
        if (const auto cursor = Windowing().CursorPosition()) m_DragEnd = *cursor;
    });
    SkipOnError([&] { ResizeByEdge(host, m_DragStart, m_DragEnd, code); });
    SkipOnError([&] { SetStyle(host); });
    // SetStyle took the caption's height away; exactly that is given back, so a release without movement leaves
    // the window as it was.
    SkipOnError([&] {
        if (TestOrTrue([&] { return host.BorderStyle() != Border::None; }))
            host.SetHeight(host.Height() + kStrippedCaptionTwips);
    });
    SkipOnError([&] { SetHeight(host.Height()); });
    SkipOnError([&] { SetWidth(host.Width()); });
    SkipOnError([&] { ReTransObj(host); });
}

void NuvaXPForm::ResizeByEdge(IHostForm& form, platform::Point start, platform::Point end, int16_t code) {
    float dx = 0, dy = 0;
    SkipOnError([&] { dx = static_cast<float>(Difference32(end.x, start.x)) * Tx(); });
    SkipOnError([&] { dy = static_cast<float>(Difference32(end.y, start.y)) * Ty(); });
    float left = 0, top = 0, width = 0, height = 0;
    SkipOnError([&] { left = form.Left(); });
    SkipOnError([&] { top = form.Top(); });
    SkipOnError([&] { width = form.Width(); });
    SkipOnError([&] { height = form.Height(); });
    SkipOnError([&] {
        switch (code) {
            case kLeftEdge:
                form.Move(left + dx, top, width - dx, height);
                break;
            case kRightEdge:
                form.Move(left, top, width + dx, height);
                break;
            case kBottomEdge:
                form.Move(left, top, width, height + dy);
                break;
            case kBottomRightEdge:
                form.Move(left, top, width + dx, height + dy);
                break;
            case kBottomLeftEdge:
                form.Move(left + dx, top, width - dx, height + dy);
                break;
            default:
                break;
        }
    });
}

}  // namespace plivant
