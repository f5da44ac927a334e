// The auxiliary windows' pictures, drawn by code on their background colour: the splash's two and the About
// window's logo.
#pragma once
#include "frame/NuvaXPForm.h"
#include "ui/Bitmap.h"

namespace plivant {

// The splash's background: the one the frame gives every window of the program.
inline constexpr ui::Rgb kSplashBackground = ui::RgbOf(NuvaXPForm::kDefaultBackground);

// The program's picture: a folder in front of a drive.
inline constexpr int kSplashProgramPictureSize = 40;
ui::Bitmap SplashProgramPicture(double scale = 1);

// A folder carried by an arrow onto a drive.
inline constexpr int kSplashMountPictureWidth = 150;
inline constexpr int kSplashMountPictureHeight = 85;
ui::Bitmap SplashMountPicture(double scale = 1);

// The About window's logo: the program's picture drawn large, a folder in front of a drive, 88 × 88 pixels.
ui::Bitmap AboutLogo(double scale = 1);

}  // namespace plivant
