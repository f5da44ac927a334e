// Test tooling: one picture of all the artwork, to be looked at as a user would.
#pragma once
#include "ui/Bitmap.h"

namespace plivant {

// Row by row: the caption-button arrays at 4×, the hand over a light and a dark ground, the eight frame pieces of
// each look at 2×.
ui::Bitmap ArtContactSheet();

}  // namespace plivant
