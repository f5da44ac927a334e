// The artwork put together: sample windows laid out as the frame lays them out show no seam at any join, and the
// contact sheet is written to build/artifacts/contact-sheet.png for looking at.
#include "widgets/ContactSheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "art/ThemeXArt.h"
#include "ui/Paint.h"
#include "ui/sim/PngFile.h"

namespace plivant {
namespace {

TEST(ContactSheet, SampleWindowsHaveNoSeamsAtTheJoinsAndTheSheetIsWritten) {
    constexpr ui::Rgb kBehind = 0xFF00FF;
    for (auto [w, h] : {std::pair{300, 120}, {113, 41}, {640, 480}}) {
        for (int e = 0; e < 6; ++e) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " element " << e);
            const ui::Bitmap b = SampleFramedWindow(e / 2, e % 2 == 0, w, h, kBehind);
            ASSERT_EQ(std::pair(b.Width(), b.Height()), std::pair(w, h));
            const auto join = [&](int x0, int y0, int x1, int y1) {
                EXPECT_LE(ui::ChannelDistance(b.At(x0, y0), b.At(x1, y1)), 8)
                    << x0 << "," << y0 << " " << x1 << "," << y1;
            };
            const int leftJoin = ThemeXPicture(2, e).Width(), rightJoin = w - ThemeXPicture(3, e).Width();
            for (int y = 0; y < 30; ++y) join(leftJoin - 1, y, leftJoin, y);   // the title's ends and its middle
            for (int y = 0; y < 4; ++y) join(rightJoin - 1, y, rightJoin, y);  // above the caption buttons
            for (int i = 0; i < 4; ++i) {
                join(i, 29, i, 30);  // title onto the edges
                join(w - 1 - i, 29, w - 1 - i, 30);
                join(i, h - 5, i, h - 4);  // edges onto the corners
                join(w - 1 - i, h - 5, w - 1 - i, h - 4);
                join(3, h - 1 - i, 4, h - 1 - i);  // corners into the bottom edge
                join(w - 5, h - 1 - i, w - 4, h - 1 - i);
            }
            // The region's cut corners, and only those, show what is behind the window.
            EXPECT_EQ((std::vector<bool>{b.At(4, 0) == kBehind, b.At(5, 0) == kBehind, b.At(w - 5, 0) == kBehind,
                                         b.At(w - 6, 0) == kBehind, b.At(0, 4) == kBehind, b.At(0, 5) == kBehind,
                                         b.At(0, h - 1) == kBehind}),
                      (std::vector<bool>{1, 0, 1, 0, 1, 0, 0}));
        }
    }
    const ui::Bitmap sheet = ArtContactSheet();
    EXPECT_GT(std::min(sheet.Width(), sheet.Height()), 1000);
    const auto dir = std::filesystem::path(PLIVANT_SOURCE_DIR) / "build" / "artifacts";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(ui::WritePngFile(sheet, (dir / "contact-sheet.png").string()));
}

}  // namespace
}  // namespace plivant
