// One picture of all the artwork, laid out in a grid.
#include "widgets/ContactSheet.h"

#include <array>

#include "art/ThemeXArt.h"
#include "ui/Paint.h"
#include "widgets/ControlButtonArt.h"
#include "widgets/HandCursorArt.h"

namespace plivant {

namespace {

using ui::Bitmap;
using ui::Rgb;

constexpr Rgb kSheet = 0xA8A8B0;
constexpr Rgb kClient = 0xECE9D8;  // the dialog face the framed windows show inside
constexpr int kMargin = 16;
constexpr int kGap = 8;
constexpr int kTitleHeight = 30;
constexpr int kEdge = 4;
constexpr int kButtonTop = 4;

// The window region's rounded top corners: pixels cut from each end of the first rows.
constexpr std::array<int, 5> kCornerCut{5, 3, 2, 1, 1};

constexpr std::array<CaptionImageSet, 4> kSets{CaptionImageSet::CbMin, CaptionImageSet::CbMax, CaptionImageSet::CbClose,
                                               CaptionImageSet::CbRestore};

// The resting image of a scheme, active or inactive, in the caption buttons' index layout.
int RestingIndex(CaptionImageSet set, int scheme, bool active) {
    int count = CaptionImageCount(set);
    int perScheme = count / 3;
    int state = active ? 0 : 3;
    return scheme < 2 ? scheme * perScheme + state : count - 1 - state;
}

int ButtonSectionHeight() {
    return static_cast<int>(kSets.size()) * (21 * 4 + kGap);
}

}  // namespace

Bitmap SampleFramedWindow(int scheme, bool active, int width, int height, Rgb behind) {
    int e = scheme * 2 + (active ? 0 : 1);
    Bitmap w(width, height, kClient);
    Bitmap titleLeft = ThemeXPicture(2, e);
    Bitmap titleRight = ThemeXPicture(3, e);
    int middle = width - titleLeft.Width() - titleRight.Width();
    ui::Blit(w, titleLeft, 0, 0);
    ui::Blit(w, ui::Stretched(ThemeXPicture(1, e), middle, kTitleHeight), titleLeft.Width(), 0);
    ui::Blit(w, titleRight, titleLeft.Width() + middle, 0);
    int sideHeight = height - kEdge - kTitleHeight;
    ui::Blit(w, ui::Stretched(ThemeXPicture(4, e), kEdge, sideHeight), 0, kTitleHeight);
    ui::Blit(w, ui::Stretched(ThemeXPicture(5, e), kEdge, sideHeight), width - kEdge, kTitleHeight);
    ui::Blit(w, ThemeXPicture(8, e), 0, height - kEdge);
    ui::Blit(w, ui::Stretched(ThemeXPicture(6, e), width - 2 * kEdge, kEdge), kEdge, height - kEdge);
    ui::Blit(w, ThemeXPicture(7, e), width - kEdge, height - kEdge);
    // Close, maximise and minimise from the right, 2 pixels apart.
    int left = width - kEdge;
    for (auto set : {CaptionImageSet::CbClose, CaptionImageSet::CbMax, CaptionImageSet::CbMin}) {
        Bitmap button = CaptionButtonImage(set, RestingIndex(set, scheme, active));
        left -= button.Width() + 2;
        ui::Blit(w, button, left, kButtonTop);
    }
    for (int y = 0; y < static_cast<int>(kCornerCut.size()); ++y) {
        int cut = kCornerCut[static_cast<size_t>(y)];
        ui::FillRect(w, 0, y, cut, 1, behind);
        ui::FillRect(w, width - cut, y, cut, 1, behind);
    }
    return w;
}

Bitmap ArtContactSheet() {
    constexpr int kButtonScale = 4;
    constexpr int kButton = 21 * kButtonScale;
    constexpr int kSchemeGap = 24;
    constexpr int kWindowW = 300, kWindowH = 120, kWindowScale = 2;
    constexpr int kPieceScale = 2;
    constexpr int kPieceColumn = 300;
    constexpr int kPieceHeight = kTitleHeight * kPieceScale + kGap + 182 * kPieceScale + kGap + kEdge * kPieceScale;

    int width = kMargin * 2 + 6 * (kWindowW + kGap);
    int buttonsTop = kMargin;
    int bigTop = buttonsTop + ButtonSectionHeight() + kMargin;
    int smallTop = bigTop + 2 * (kWindowH * kWindowScale + kGap) + kMargin;
    int piecesTop = smallTop + kWindowH + kGap + kMargin;
    int height = piecesTop + kPieceHeight + kMargin;
    Bitmap sheet(width, height, kSheet);

    for (size_t row = 0; row < kSets.size(); ++row) {
        CaptionImageSet set = kSets[row];
        int perScheme = CaptionImageCount(set) / 3;
        for (int i = 0; i < CaptionImageCount(set); ++i) {
            int x = kMargin + i * (kButton + kGap) + (i / perScheme) * kSchemeGap;
            int y = buttonsTop + static_cast<int>(row) * (kButton + kGap);
            ui::Blit(sheet, ui::Scaled(CaptionButtonImage(set, i), kButtonScale), x, y);
        }
    }

    // The hand pointer at 4× over a light and a dark ground, its transparent pixels showing the ground.
    CursorArt hand = HandPointer();
    for (int ground = 0; ground < 2; ++ground) {
        Rgb behind = ground == 0 ? 0xFFFFFF : 0x3A6EA5;
        Bitmap shown(hand.colour.Width(), hand.colour.Height(), behind);
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = 0; x < shown.Width(); ++x)
                if (!hand.transparent[static_cast<size_t>(y * shown.Width() + x)])
                    shown.Set(x, y, hand.colour.At(x, y));
        ui::Blit(sheet, ui::Scaled(shown, kButtonScale), width - kMargin - (2 - ground) * (32 * kButtonScale + kGap),
                 buttonsTop);
    }

    for (int scheme = 0; scheme < 3; ++scheme) {
        for (int state = 0; state < 2; ++state) {
            bool active = state == 0;
            Bitmap window = SampleFramedWindow(scheme, active, kWindowW, kWindowH, kSheet);
            int bigX = kMargin + scheme * (kWindowW * kWindowScale + kGap);
            ui::Blit(sheet, ui::Scaled(window, kWindowScale), bigX, bigTop + state * (kWindowH * kWindowScale + kGap));
            int element = scheme * 2 + state;
            ui::Blit(sheet, window, kMargin + element * (kWindowW + kGap), smallTop);

            // Title pieces in a row, then the side edges, then the bottom corners and the bottom edge.
            int x0 = kMargin + element * kPieceColumn;
            int x = x0;
            for (int array : {2, 1, 3}) {
                Bitmap piece = ui::Scaled(ThemeXPicture(array, element), kPieceScale);
                ui::Blit(sheet, piece, x, piecesTop);
                x += piece.Width() + kGap;
            }
            int y = piecesTop + kTitleHeight * kPieceScale + kGap;
            x = x0;
            for (int array : {4, 5}) {
                Bitmap piece = ui::Scaled(ThemeXPicture(array, element), kPieceScale);
                ui::Blit(sheet, piece, x, y);
                x += piece.Width() + kGap;
            }
            y += 182 * kPieceScale + kGap;
            x = x0;
            for (int array : {8, 6, 7}) {
                Bitmap piece = ui::Scaled(ThemeXPicture(array, element), kPieceScale);
                ui::Blit(sheet, piece, x, y);
                x += piece.Width() + kGap;
            }
        }
    }
    return sheet;
}

}  // namespace plivant
