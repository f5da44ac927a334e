// The frame pieces of the three colour schemes (blue, olive green, silver), active and inactive, drawn by code.
// Shared artwork, below both its users: the frame's theme control draws these pieces, and the caption buttons
// show the title bar's colour in their corners.
#pragma once
#include "ui/Bitmap.h"

namespace plivant {

// array 1..8 is Image1..Image8 of the theme control, element 0..5 is 2 × scheme + (1 when inactive).
// Anything else gives an empty bitmap. At a scale (1.5 at 144 DPI, say) the piece is drawn that much larger.
ui::Bitmap ThemeXPicture(int array, int element, double scale = 1);

// The title bar's colour on a row (0..29 at scale 1) for a scheme (0..2) and state: what lies behind a caption
// button's rounded corners, so that the buttons sit on the bar without a halo.
ui::Rgb ThemeXTitleColour(int scheme, bool active, int row, double scale = 1);

// How many pixels the window region cuts off either end of a row of the title to round the top corners (0 below
// the corners).
int ThemeXCornerCut(int row, double scale = 1);

}  // namespace plivant
