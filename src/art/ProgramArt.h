// The program's own picture, drawn by code: a manila folder in front of a grey drive. It is the program file's icon
// (made at build time from this same drawing), the title-bar icon of every framed window, and the ground of the main
// window's pictures (windows/main/MountArt), which draw the same drive and folder.
#pragma once
#include <cstdint>
#include <vector>

#include "art/ArtCanvas.h"
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
// for an icon whose top is iconTop pixels below the bar's; at a scale (1.5 at 144 DPI, say) that much larger.
ui::Bitmap TitleBarIcon(int iconTop, double scale = 1);

namespace art {

// The pieces of the drawing, for the pictures made of them. Each is w × h at (x, y), with outlines line pixels wide.
// A grey drive case: a dark slot and a green light.
void Drive(Canvas& c, double x, double y, double w, double h, double line);
// A manila folder: a tab at the upper left and a front flap a little lower.
void Folder(Canvas& c, double x, double y, double w, double h, double line);
// The program's icon drawn into a square of the given size at (x, y).
void ProgramIconAt(Canvas& c, double x, double y, double size);

}  // namespace art

}  // namespace plivant
