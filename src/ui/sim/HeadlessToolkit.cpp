// The headless toolkit and its window records.
#include "ui/sim/HeadlessToolkit.h"

#include <cmath>

#include "ui/Controls.h"

namespace plivant::ui::sim {

namespace {

class HeadlessPeer final : public Peer {
public:
    HeadlessPeer(platform::sim::SimWindowing& windowing, Control& owner, platform::WindowHandle parent, int dpi)
        : windowing_(windowing),
          owner_(owner),
          handle_(windowing.AddWindow(parent, owner.PixelBounds(), false)),
          dpi_(dpi) {}
    ~HeadlessPeer() override { windowing_.RemoveWindow(handle_); }

    platform::WindowHandle Handle() const override { return handle_; }
    int MonitorDpi() const override { return dpi_; }
    void Update(Aspect aspect) override {
        if (aspect == Aspect::Bounds) windowing_.SetBounds(handle_, owner_.PixelBounds());
        if (aspect == Aspect::Visible) windowing_.SetVisible(handle_, owner_.Visible());
    }
    // Lists show every row from the first, kListRowPixels high.
    int ItemAt(platform::Point p) const override {
        const auto kind = owner_.Kind();
        const auto* list = kind == PeerKind::ListBox || kind == PeerKind::ComboBox
                               ? static_cast<const ListControl*>(&owner_)
                               : nullptr;
        if (!list || p.y < 0) return -1;
        const int row = p.y / HeadlessToolkit::kListRowPixels;
        return row < list->ListCount() ? row : -1;
    }
    platform::Rect ItemBounds(int index) const override {
        const int top = index * HeadlessToolkit::kListRowPixels;
        return {0, top, owner_.PixelBounds().Width(), top + HeadlessToolkit::kListRowPixels};
    }

private:
    platform::sim::SimWindowing& windowing_;
    Control& owner_;
    platform::WindowHandle handle_;
    int dpi_;
};

}  // namespace

std::unique_ptr<Peer> HeadlessToolkit::CreatePeer(Control& owner, PeerKind kind, Peer* parent) {
    return std::make_unique<HeadlessPeer>(windowing_, owner, parent ? parent->Handle() : 0,
                                          kind == PeerKind::Form ? monitorDpi : 0);
}

SizeTwips HeadlessToolkit::MeasureText(const Font& font, const std::string& text, float twipsPerPixel) {
    const float width = std::ceil(static_cast<float>(text.size()) * font.size * 0.6f);
    const float height = std::ceil(font.size * 1.6f);
    return {width * twipsPerPixel, height * twipsPerPixel};
}

int HeadlessToolkit::MsgBox(Form& owner, const std::string& prompt, int buttons, const std::string& title) {
    messageBoxes.push_back({prompt, buttons, title, owner.Name()});
    return onMessageBox ? onMessageBox(messageBoxes.back()) : kMsgBoxOk;
}

void HeadlessToolkit::PopupMenu(Form& form, Menu& menu, float x, float y) {
    popups.push_back({form.Name(), menu.Name(), x, y});
    if (!onPopup) return;
    if (Menu* chosen = onPopup(menu); chosen && chosen->Enabled() && chosen->Visible()) chosen->Click();
}

void HeadlessToolkit::RunModal(Form& form) {
    ++modalRuns;
    if (onModal && form.Loaded() && form.Visible()) onModal(form);  // a form not shown ends its loop at once
}

}  // namespace plivant::ui::sim
