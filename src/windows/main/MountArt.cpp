// The main window's pictures.
#include "windows/main/MountArt.h"

#include "ui/Paint.h"
#include "windows/auxiliary/SplashArt.h"

namespace plivant {

IconArt ProgramIcon(int pixels) {
    IconArt icon;
    icon.colour = ui::Stretched(SplashProgramPicture(), pixels, pixels);
    icon.alpha.assign(static_cast<size_t>(pixels > 0 ? pixels * pixels : 0), 255);
    return icon;
}

}  // namespace plivant
