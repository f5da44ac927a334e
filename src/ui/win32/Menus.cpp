// Menus on real windows: the items of the system's menus, their pictures, and popup menus.
#include "ui/win32/Menus.h"

#include <cmath>

#include "ui/win32/Win32Toolkit.h"

namespace plivant::ui::win32 {

using platform::win32::UniqueBitmap;
using platform::win32::UniqueMenu;

namespace {

// A menu item's picture. The system blends 32-bit menu pictures by their alpha bytes, so every pixel is opaque.
UniqueBitmap MenuPicture(const Bitmap& picture) {
    Bitmap opaque = picture;
    for (int y = 0; y < opaque.Height(); ++y) {
        for (int x = 0; x < opaque.Width(); ++x) opaque.Set(x, y, opaque.At(x, y) | 0xFF000000u);
    }
    return UniqueBitmap(MakeBitmap(opaque));
}

// Gives the last item of a menu its picture. The menu does not own the bitmap: pictures keeps it, and must
// outlive the menu.
void SetLastItemPicture(HMENU target, const Menu& item, std::vector<UniqueBitmap>& pictures) {
    if (item.Picture().Empty()) return;
    UniqueBitmap picture = MenuPicture(item.Picture());
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = picture.get();
    if (SetMenuItemInfoA(target, static_cast<UINT>(GetMenuItemCount(target) - 1), TRUE, &info)) {
        pictures.push_back(std::move(picture));
    }
}

}  // namespace

void AddItems(HMENU target, const std::vector<Menu*>& items, std::vector<Menu*>& byId,
              std::vector<UniqueBitmap>& pictures) {
    for (Menu* item : items) {
        if (!item->Visible()) continue;
        if (item->Caption() == "-") {
            AppendMenuA(target, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags = MF_STRING | (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
        if (!item->Items().empty()) {
            UniqueMenu sub(CreatePopupMenu());
            AddItems(sub.get(), item->Items(), byId, pictures);
            if (AppendMenuA(target, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.get()), item->Caption().c_str())) {
                sub.release();
                SetLastItemPicture(target, *item, pictures);
            }
            continue;
        }
        byId.push_back(item);
        if (AppendMenuA(target, flags, kFirstMenuCommand + byId.size() - 1, item->Caption().c_str())) {
            SetLastItemPicture(target, *item, pictures);
        }
    }
}

Menu* CommandItem(const std::vector<Menu*>& byId, size_t id) {
    return id >= kFirstMenuCommand && id - kFirstMenuCommand < byId.size() ? byId[id - kFirstMenuCommand] : nullptr;
}

void Win32Toolkit::PopupMenu(Form& form, Menu& menu, float x, float y) {
    ++popupsShown_;
    std::vector<UniqueBitmap> pictures;  // before the menu, which shows them and so goes first
    UniqueMenu popup(CreatePopupMenu());
    std::vector<Menu*> byId;
    AddItems(popup.get(), menu.Items(), byId, pictures);
    HWND owner = reinterpret_cast<HWND>(form.hwnd());
    POINT p{static_cast<LONG>(std::lround(x / twipsPerPixelX_)), static_cast<LONG>(std::lround(y / twipsPerPixelY_))};
    ClientToScreen(owner, &p);
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, owner, nullptr));
    if (Menu* item = CommandItem(byId, chosen)) item->Click();
}

}  // namespace plivant::ui::win32
