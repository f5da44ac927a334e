// ThemeX: holds the frame's pictures, one per piece, colour scheme and active state, and copies the chosen
// six-way element into the frame's images.
#pragma once
#include <cstdint>
#include <string>

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/UserControl.h"

namespace plivant {

class ThemeX : public ui::UserControl {
public:
    static constexpr int kElements = 6;

    ThemeX(ui::Control& host, const char* name, int index = -1);
    std::string_view TypeName() const override { return "ThemeX"; }

    // Copies element e = 2 × IsTheme + (IsActive ? 0 : 1) of each array into the frame's images, in a fixed
    // order. An element without a picture (a scheme outside 0–2) fails before anything is copied: false.
    bool ChangeTheme(ui::Image& m_Left, ui::Image& m_TitleLeft, ui::Image& m_Title, ui::Image& m_TitleRight,
                     ui::Image& m_Right, ui::Image& m_Bottom, ui::Image& m_BottomLeft, ui::Image& m_BottomRight,
                     int16_t IsTheme = 0, bool IsActive = false);
    // Draws the pictures for the screen's scale.
    void DrawPictures();

    ui::ControlArray<ui::Image> Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8;
};

}  // namespace plivant
