// The start-up list editor's picture, drawn by code.
#pragma once
#include "ui/Bitmap.h"

namespace plivant {

// The button face the picture is drawn on.
inline constexpr ui::Rgb kAddPictureBackground = 0xF0F0F0;

// cmdAdd's 24 × 24 picture: a small green arrow with a dark outline pointing down, towards the list. The arrow
// keeps to the middle 16 × 16 pixels, which a 22 × 21 pixel button shows inside its border.
ui::Bitmap AddPairPicture(double scale = 1);

}  // namespace plivant
