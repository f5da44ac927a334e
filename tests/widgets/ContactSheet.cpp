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
constexpr int kMargin = 16, kGap = 8, kTitleHeight = 30, kEdge = 4;

// The resting image of a scheme, active or inactive, in the caption buttons' index layout.
int RestingIndex(CaptionImageSet set, int scheme, bool active) {
    const int count = CaptionImageCount(set), state = active ? 0 : 3;
    return scheme < 2 ? scheme * count / 3 + state : count - 1 - state;
}

}  // namespace

Bitmap SampleFramedWindow(int scheme, bool active, int width, int height, Rgb behind) {
    const int e = scheme * 2 + (active ? 0 : 1);
    Bitmap w(width, height, 0xECE9D8);  // the dialog face
    const Bitmap titleLeft = ThemeXPicture(2, e), titleRight = ThemeXPicture(3, e);
    const int middle = width - titleLeft.Width() - titleRight.Width(), sideHeight = height - kEdge - kTitleHeight;
    ui::Blit(w, titleLeft, 0, 0);
    ui::Blit(w, ui::Stretched(ThemeXPicture(1, e), middle, kTitleHeight), titleLeft.Width(), 0);
    ui::Blit(w, titleRight, titleLeft.Width() + middle, 0);
    ui::Blit(w, ui::Stretched(ThemeXPicture(4, e), kEdge, sideHeight), 0, kTitleHeight);
    ui::Blit(w, ui::Stretched(ThemeXPicture(5, e), kEdge, sideHeight), width - kEdge, kTitleHeight);
    ui::Blit(w, ThemeXPicture(8, e), 0, height - kEdge);
    ui::Blit(w, ui::Stretched(ThemeXPicture(6, e), width - 2 * kEdge, kEdge), kEdge, height - kEdge);
    ui::Blit(w, ThemeXPicture(7, e), width - kEdge, height - kEdge);
    // Close, maximise and minimise from the right, 2 pixels apart, 4 below the top.
    int left = width - kEdge;
    for (auto set : {CaptionImageSet::CbClose, CaptionImageSet::CbMax, CaptionImageSet::CbMin}) {
        const Bitmap button = CaptionButtonImage(set, RestingIndex(set, scheme, active));
        ui::Blit(w, button, left -= button.Width() + 2, 4);
    }
    // The window region's rounded top corners: pixels cut from each end of the first rows.
    for (int y = 0; int cut : {5, 3, 2, 1, 1}) {
        ui::FillRect(w, 0, y, cut, 1, behind);
        ui::FillRect(w, width - cut, y++, cut, 1, behind);
    }
    return w;
}

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
    for (int scale : {2, 1}) {
        newRow();
        for (int e = 0; e < 6; ++e) put(ui::Scaled(SampleFramedWindow(e / 2, e % 2 == 0, 300, 120, kSheet), scale));
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
