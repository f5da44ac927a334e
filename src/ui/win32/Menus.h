// Menus on real windows, for the peers: a form's menus as the items of a system menu, with their pictures.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/win32/Handles.h"
#include "ui/Form.h"

namespace plivant::ui::win32 {

// Menu commands are numbered from here, clear of IDOK and IDCANCEL, the commands that Enter and Escape send.
inline constexpr UINT kFirstMenuCommand = 0x100;

// Appends the visible items of a menu; each command's number is kFirstMenuCommand plus its place in byId. The
// submenus are owned by the menu they are appended to, the items' pictures by pictures, which must outlive the menu.
void AddItems(HMENU target, const std::vector<Menu*>& items, std::vector<Menu*>& byId,
              std::vector<platform::win32::UniqueBitmap>& pictures);
// The menu item of a command number, or none.
Menu* CommandItem(const std::vector<Menu*>& byId, size_t id);

}  // namespace plivant::ui::win32
