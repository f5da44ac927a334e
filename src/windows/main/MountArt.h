// The main window's pictures, drawn by code: the program's icon (also the program file's icon, made at build time
// from this same drawing), the pictures of the mount, start-up list and help buttons and of the About image, and
// the small pictures beside the popup menus' items. Each picture that has no coverage of its own is laid on the
// colour of what lies behind it.
#pragma once
#include <cstdint>
#include <vector>

#include "ui/Bitmap.h"

namespace plivant {

// An icon drawn for one size: colours, and per pixel a coverage from 0 (transparent) to 255 (opaque).
struct IconArt {
    ui::Bitmap colour;
    std::vector<uint8_t> alpha;  // row by row, one per pixel
};

// The program's icon at pixels × pixels (16, 24, 32, 48 and 256 are the sizes in use): a manila folder in front
// of a grey drive.
IconArt ProgramIcon(int pixels);

// The 16-pixel icon as the frame's title bar shows it: laid on the bar's own shading (the blue scheme, active),
// for an icon whose top is iconTop pixels below the bar's.
ui::Bitmap TitleBarIcon(int iconTop);

// Size of the three button pictures: they sit inside a 54 × 40 button with room for its edges.
inline constexpr int kButtonPictureWidth = 46;
inline constexpr int kButtonPictureHeight = 32;

// A folder carried by an arrow onto a drive: mount.
ui::Bitmap MountButtonPicture(ui::Rgb face);
// A list with a green power sign: the list mounted when Windows starts.
ui::Bitmap StartupButtonPicture(ui::Rgb face);
// A blue disc with a white question mark: help.
ui::Bitmap HelpButtonPicture(ui::Rgb face);

// The About image: the program's icon with a blue "i" sign.
inline constexpr int kAboutPictureWidth = 63, kAboutPictureHeight = 60;
ui::Bitmap AboutPicture(ui::Rgb back);

// Pictures beside the popup menus' items, 16 × 16 with a margin of 3 pixels on the right that keeps them off the
// item's text: a drive with a red cross (Unmount), a drive with a green arrow (Mount), a waste bin (Clear).
inline constexpr int kMenuPictureWidth = 19, kMenuPictureHeight = 16;
ui::Bitmap UnmountMenuPicture(ui::Rgb menu);
ui::Bitmap MountMenuPicture(ui::Rgb menu);
ui::Bitmap ClearMenuPicture(ui::Rgb menu);

}  // namespace plivant
