// ThemeX: the picture store and ChangeTheme.
#include "frame/ThemeX.h"

#include <limits>

#include "art/ThemeXArt.h"

namespace plivant {

ThemeX::ThemeX(ui::Control& host, const char* name, int index)
    : ui::UserControl(host, name, index),
      Image1(*this, "Image1"),
      Image2(*this, "Image2"),
      Image3(*this, "Image3"),
      Image4(*this, "Image4"),
      Image5(*this, "Image5"),
      Image6(*this, "Image6"),
      Image7(*this, "Image7"),
      Image8(*this, "Image8") {
    DrawPictures();
}

void ThemeX::DrawPictures() {
    ui::ControlArray<ui::Image>* arrays[] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8};
    for (int a = 0; a < 8; ++a) {
        for (int e = 0; e < kElements; ++e) {
            if (!arrays[a]->Exists(e)) arrays[a]->Load(e);
            (*arrays[a])[e].SetPicture(ThemeXPicture(a + 1, e, Scale()));
        }
    }
}

bool ThemeX::ChangeTheme(ui::Image& m_Left, ui::Image& m_TitleLeft, ui::Image& m_Title, ui::Image& m_TitleRight,
                         ui::Image& m_Right, ui::Image& m_Bottom, ui::Image& m_BottomLeft, ui::Image& m_BottomRight,
                         int16_t IsTheme, bool IsActive) {
    // The element number is 16-bit: a scheme whose double does not fit is an overflow, like a missing element.
    const int32_t doubled = int32_t{IsTheme} * 2;
    if (doubled > std::numeric_limits<int16_t>::max() || doubled < std::numeric_limits<int16_t>::min()) return false;
    const int e = doubled + (IsActive ? 0 : 1);
    // All arrays have the same elements, so testing one tells whether the first copy would fail.
    if (!Image4.Exists(e)) return false;
    m_Left.SetPicture(Image4[e].Picture());
    m_TitleLeft.SetPicture(Image2[e].Picture());
    m_Title.SetPicture(Image1[e].Picture());
    m_TitleRight.SetPicture(Image3[e].Picture());
    m_Right.SetPicture(Image5[e].Picture());
    m_BottomLeft.SetPicture(Image8[e].Picture());
    m_Bottom.SetPicture(Image6[e].Picture());
    m_BottomRight.SetPicture(Image7[e].Picture());
    return true;
}

}  // namespace plivant
