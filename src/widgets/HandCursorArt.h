// The hand pointer that the hyperlink label shows over its link.
#pragma once
#include <vector>

#include "ui/Bitmap.h"

namespace plivant {

struct CursorArt {
    ui::Bitmap colour;
    std::vector<bool> transparent;  // row by row, one entry per pixel of colour
    int hotX;
    int hotY;
};

// 32 × 32 times the scale: a pointing hand, index finger up, black outline and white fill, its hot spot at the
// fingertip ((6, 8) times the scale).
CursorArt HandPointer(double scale = 1);

}  // namespace plivant
