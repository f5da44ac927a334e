// The splash window's two pictures, drawn by code on the splash's background colour.
#pragma once
#include "ui/Bitmap.h"

namespace plivant {

// The splash's background, 0xD8E9EC as a stored colour.
inline constexpr ui::Rgb kSplashBackground = 0xECE9D8;

// The program's picture: a folder in front of a drive.
inline constexpr int kSplashProgramPictureSize = 40;
ui::Bitmap SplashProgramPicture();

// A folder carried by an arrow onto a drive.
inline constexpr int kSplashMountPictureWidth = 150;
inline constexpr int kSplashMountPictureHeight = 85;
ui::Bitmap SplashMountPicture();

}  // namespace plivant
