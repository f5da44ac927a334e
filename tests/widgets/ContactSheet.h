// Test tooling: one picture of all the artwork, to be looked at as a user would.
#pragma once
#include "ui/Bitmap.h"

namespace plivant {

// A window of the given size laid out from the frame pieces and the resting caption buttons the way the frame
// places them, with its top corners cut as the window region cuts them (the cut pixels show `behind`).
ui::Bitmap SampleFramedWindow(int scheme, bool active, int width, int height, ui::Rgb behind);

// Row by row: the caption-button arrays at 4×, the hand over a light and a dark ground, the six looks as sample
// windows at 2× and at their real size, the eight raw pieces of each look at 2×.
ui::Bitmap ArtContactSheet();

}  // namespace plivant
