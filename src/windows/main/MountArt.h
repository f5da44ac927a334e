// The main window's pictures, drawn by code: the pictures of the mount, start-up list and help buttons and of the
// About image, and the small pictures beside the popup menus' items, each laid on the colour of what lies behind it.
// At a scale (1.5 at 144 DPI, say) each is drawn that much larger.
#pragma once
#include "ui/Bitmap.h"

namespace plivant {

// Size of the three button pictures: they sit inside a 54 × 40 button with room for its edges.
inline constexpr int kButtonPictureWidth = 46;
inline constexpr int kButtonPictureHeight = 32;

// A folder carried by an arrow onto a drive: mount.
ui::Bitmap MountButtonPicture(ui::Rgb face, double scale = 1);
// A list with a green power sign: the list mounted when Windows starts.
ui::Bitmap StartupButtonPicture(ui::Rgb face, double scale = 1);
// A blue disc with a white question mark: help.
ui::Bitmap HelpButtonPicture(ui::Rgb face, double scale = 1);

// The About image: the program's icon with a blue "i" sign.
inline constexpr int kAboutPictureWidth = 63, kAboutPictureHeight = 60;
ui::Bitmap AboutPicture(ui::Rgb back, double scale = 1);

// Pictures beside the popup menus' items, 16 × 16 with a margin of 3 pixels on the right that keeps them off the
// item's text: a drive with a red cross (Unmount), a drive with a green arrow (Mount), a waste bin (Clear).
inline constexpr int kMenuPictureWidth = 19, kMenuPictureHeight = 16;
ui::Bitmap UnmountMenuPicture(ui::Rgb menu, double scale = 1);
ui::Bitmap MountMenuPicture(ui::Rgb menu, double scale = 1);
ui::Bitmap ClearMenuPicture(ui::Rgb menu, double scale = 1);

}  // namespace plivant
