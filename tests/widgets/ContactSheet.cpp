// One picture of all the artwork, laid out row by row.
#include "widgets/ContactSheet.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "art/ThemeXArt.h"
#include "ui/Paint.h"
#include "widgets/ControlButtonArt.h"
#include "widgets/HandCursorArt.h"

namespace plivant {

namespace {

using ui::Bitmap;
using ui::Rgb;

constexpr Rgb kSheet = 0xA8A8B0;
constexpr int kMargin = 16, kGap = 8;

}  // namespace

Bitmap ArtContactSheet() {
    std::vector<std::tuple<Bitmap, int, int>> placed;
    int x = kMargin, y = kMargin, rowHeight = 0, width = 0;
    const auto put = [&](const Bitmap& b) {
        placed.emplace_back(b, x, y);
        x += b.Width() + kGap;
        rowHeight = std::max(rowHeight, b.Height());
        width = std::max(width, x);
    };
    const auto newRow = [&] {
        x = kMargin;
        y += rowHeight + kGap;
        rowHeight = 0;
    };
    for (auto set :
         {CaptionImageSet::CbMin, CaptionImageSet::CbMax, CaptionImageSet::CbClose, CaptionImageSet::CbRestore}) {
        for (int i = 0; i < CaptionImageCount(set); ++i) {
            if (i % (CaptionImageCount(set) / 3) == 0) x += 3 * kGap;  // a wider gap between the schemes
            put(ui::Scaled(CaptionButtonImage(set, i), 4));
        }
        newRow();
    }
    const CursorArt hand = HandPointer();
    for (Rgb ground : {0xFFFFFFu, 0x3A6EA5u}) {  // its transparent pixels show the ground
        Bitmap shown(hand.colour.Width(), hand.colour.Height(), ground);
        for (int i = 0; i < shown.Width() * shown.Height(); ++i)
            if (!hand.transparent[static_cast<size_t>(i)])
                shown.Set(i % shown.Width(), i / shown.Width(), hand.colour.Pixels()[i]);
        put(ui::Scaled(shown, 4));
    }
    for (int e = 0; e < 6; ++e) {
        newRow();
        for (int array : {2, 1, 3, 4, 5, 8, 6, 7}) put(ui::Scaled(ThemeXPicture(array, e), 2));
    }
    newRow();
    Bitmap sheet(width - kGap + kMargin, y - kGap + kMargin, kSheet);
    for (const auto& [picture, px, py] : placed) ui::Blit(sheet, picture, px, py);
    return sheet;
}

}  // namespace plivant
