// The 51 pictures of the caption buttons (minimise, maximise, close, restore) in the three colour schemes.
#pragma once
#include "ui/Bitmap.h"

namespace plivant {

enum class CaptionImageSet { CbMin, CbMax, CbClose, CbRestore };

// 12 for CbMin, CbClose and CbRestore, 15 for CbMax (which also has each scheme's disabled look).
int CaptionImageCount(CaptionImageSet set);

// A 21 × 21 picture, addressed the way the caption button addresses its image arrays: blue 0–3 (CbMax 0–4),
// olive green 4–7 (CbMax 5–9), silver in reverse order 11–8 (CbMax 14–10). An index out of range gives an
// empty bitmap.
// The picture at the scale (1.5 at 144 DPI, say): drawn that much larger, CaptionButtonSize pixels square.
ui::Bitmap CaptionButtonImage(CaptionImageSet set, int index, double scale = 1);
int CaptionButtonSize(double scale);

}  // namespace plivant
