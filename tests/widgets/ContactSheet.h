// Test tooling: one picture of all the artwork, to be looked at as a user would: the caption buttons, sample
// framed windows and the raw frame pieces.
#pragma once
#include "ui/Bitmap.h"

namespace plivant {

// A window of the given size laid out from the frame pieces and the resting caption buttons the way the frame
// places them, with its top corners cut as the window region cuts them (the cut pixels show `behind`).
ui::Bitmap SampleFramedWindow(int scheme, bool active, int width, int height, ui::Rgb behind);

// From the top: the four caption-button image arrays, one row each in index order, at 4× (a wider gap
// between the schemes), and beside them the hand pointer over a light and a dark ground; the six looks (blue, olive
// green, silver; active then inactive) as 300 × 120 sample windows at 2× and then at their real size; the eight raw
// pieces of each look at 2×, title pieces over the edges over the bottom pieces.
ui::Bitmap ArtContactSheet();

}  // namespace plivant
