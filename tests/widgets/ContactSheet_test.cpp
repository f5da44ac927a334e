// The artwork put together: sample windows laid out as the frame lays them out must show no seam at any join,
// and the contact sheet is written to build/artifacts/contact-sheet.png for looking at.
#include "widgets/ContactSheet.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "PngRead.h"
#include "art/ThemeXArt.h"
#include "ui/Paint.h"
#include "ui/sim/PngFile.h"

namespace plivant {
namespace {

constexpr ui::Rgb kBehind = 0xFF00FF;

void ExpectJoin(const ui::Bitmap& w, int x0, int y0, int x1, int y1) {
    EXPECT_LE(ui::ChannelDistance(w.At(x0, y0), w.At(x1, y1)), 8)
        << "(" << x0 << "," << y0 << ") " << std::hex << w.At(x0, y0) << " against (" << std::dec << x1 << "," << y1
        << ") " << std::hex << w.At(x1, y1);
}

TEST(ContactSheet, SampleWindowsHaveNoSeamsAtTheJoins) {
    struct Size {
        int w, h;
    };
    for (Size size : {Size{300, 120}, Size{113, 41}, Size{640, 480}}) {
        for (int scheme = 0; scheme < 3; ++scheme) {
            for (bool active : {true, false}) {
                SCOPED_TRACE(testing::Message()
                             << size.w << "x" << size.h << " scheme " << scheme << (active ? " active" : " inactive"));
                int e = scheme * 2 + (active ? 0 : 1);
                ui::Bitmap w = SampleFramedWindow(scheme, active, size.w, size.h, kBehind);
                ASSERT_EQ(w.Width(), size.w);
                ASSERT_EQ(w.Height(), size.h);
                int leftJoin = ThemeXPicture(2, e).Width();
                int rightJoin = size.w - ThemeXPicture(3, e).Width();
                // Title bar ends against the stretched middle, above the caption buttons.
                for (int y = 0; y < 4; ++y) {
                    ExpectJoin(w, leftJoin - 1, y, leftJoin, y);
                    ExpectJoin(w, rightJoin - 1, y, rightJoin, y);
                }
                for (int y = 4; y < 30; ++y) ExpectJoin(w, leftJoin - 1, y, leftJoin, y);
                for (int x = 0; x < 4; ++x) {
                    ExpectJoin(w, x, 29, x, 30);                            // title onto left edge
                    ExpectJoin(w, size.w - 1 - x, 29, size.w - 1 - x, 30);  // title onto right edge
                    ExpectJoin(w, x, size.h - 5, x, size.h - 4);            // edges onto the corners
                    ExpectJoin(w, size.w - 1 - x, size.h - 5, size.w - 1 - x, size.h - 4);
                    ExpectJoin(w, 3, size.h - 1 - x, 4, size.h - 1 - x);  // corners into the bottom edge
                    ExpectJoin(w, size.w - 5, size.h - 1 - x, size.w - 4, size.h - 1 - x);
                }
                // The region's cut corners, and only those, show what is behind the window.
                EXPECT_EQ(w.At(4, 0), kBehind);
                EXPECT_NE(w.At(5, 0), kBehind);
                EXPECT_EQ(w.At(size.w - 5, 0), kBehind);
                EXPECT_NE(w.At(size.w - 6, 0), kBehind);
                EXPECT_EQ(w.At(0, 4), kBehind);
                EXPECT_NE(w.At(0, 5), kBehind);
                EXPECT_NE(w.At(0, size.h - 1), kBehind);
            }
        }
    }
}

TEST(ContactSheet, IsWrittenForLookingAt) {
    ui::Bitmap sheet = ArtContactSheet();
    ASSERT_GT(sheet.Width(), 1000);
    ASSERT_GT(sheet.Height(), 1000);
    std::filesystem::path dir = std::filesystem::path(PLIVANT_SOURCE_DIR) / "build" / "artifacts";
    std::filesystem::create_directories(dir);
    std::string path = (dir / "contact-sheet.png").string();
    ASSERT_TRUE(ui::WritePngFile(sheet, path));
    EXPECT_EQ(test::ReadPngFile(path), sheet);
}

}  // namespace
}  // namespace plivant
