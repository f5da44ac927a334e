// Caption-button pictures: the colour table at its three points for every one of the 51 images, the glyph
// geometry, and how the pictures sit on the title bar.
#include "widgets/ControlButtonArt.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "art/ThemeXArt.h"
#include "ui/Paint.h"

namespace plivant {
namespace {

using Set = CaptionImageSet;

struct Expected {
    Set set;
    int index;
    ui::Rgb upperLeft;
    ui::Rgb centre;
    ui::Rgb glyph;
};

// Minimise, maximise and restore share the colours; the close button has its own.
std::vector<Expected> ColourTable() {
    struct Row {
        ui::Rgb ul, centre, glyph;
    };
    // Blue, olive, silver; in each: resting, hover, pressed, inactive, disabled.
    const std::array<std::array<Row, 5>, 3> common{{
        {{{0x9FBFFF, 0x1F6FF0, 0xFFFFFF},
          {0xA0C0FF, 0x3090FF, 0xFFFFFF},
          {0x003F80, 0x0050BF, 0x7FA0DF},
          {0x88A2EA, 0x4B77E9, 0xFFFFFF},
          {0x5080EF, 0x1050EF, 0x8F9FE0}}},
        {{{0xC7C7BE, 0x8D9D67, 0xFFFFFF},
          {0xECF3DF, 0xAFC47D, 0xFFFFFF},
          {0x585D47, 0x6E7354, 0xDCE8CB},
          {0xECF4DD, 0xC3D0AA, 0xFFFFFF},
          {0xC7D3AF, 0x9AAA74, 0xDCE8CB}}},
        {{{0xE9E8F1, 0xCBCBDC, 0x6E6D8F},
          {0xFFFFFF, 0xDFDFF1, 0x6E6D8F},
          {0x9C9EB5, 0xC0C0D4, 0x6E6D8F},
          {0xF0EFF4, 0xDEDEE7, 0xB8B7C8},
          {0xF0EFF4, 0xDEDEE7, 0xB8B7C8}}},
    }};
    const std::array<Row, 4> close{{{0xE54D1F, 0xD25E30, 0xFFFFFF},
                                    {0xF0804F, 0xF38048, 0xFFFFFF},
                                    {0xBF502F, 0xBE5428, 0xDF9F8F},
                                    {0xAF697D, 0xBC9793, 0xFFFFFF}}};
    // Silver close: only the upper-left colours are fixed; the centre is checked against the picture itself.
    const std::array<ui::Rgb, 4> silverClose{0xE06A68, 0xFB806B, 0xFD7F67, 0xE4AFAD};

    std::vector<Expected> out;
    auto add = [&](Set set, int index, Row r) { out.push_back({set, index, r.ul, r.centre, r.glyph}); };
    for (Set set : {Set::CbMin, Set::CbRestore}) {
        for (int state = 0; state < 4; ++state) {
            add(set, state, common[0][static_cast<size_t>(state)]);
            add(set, 4 + state, common[1][static_cast<size_t>(state)]);
            add(set, 11 - state, common[2][static_cast<size_t>(state)]);
        }
    }
    for (int state = 0; state < 5; ++state) {
        add(Set::CbMax, state, common[0][static_cast<size_t>(state)]);
        add(Set::CbMax, 5 + state, common[1][static_cast<size_t>(state)]);
        add(Set::CbMax, 14 - state, common[2][static_cast<size_t>(state)]);
    }
    for (int state = 0; state < 4; ++state) {
        add(Set::CbClose, state, close[static_cast<size_t>(state)]);
        add(Set::CbClose, 4 + state, close[static_cast<size_t>(state)]);
        out.push_back({Set::CbClose, 11 - state, silverClose[static_cast<size_t>(state)], 0, 0xFFFFFF});
    }
    return out;
}

// A pixel well inside the glyph of each kind.
std::pair<int, int> GlyphPixel(Set set) {
    switch (set) {
        case Set::CbMin:
            return {8, 14};
        case Set::CbMax:
            return {10, 6};  // the thick top edge
        case Set::CbClose:
            return {6, 6};  // on the falling diagonal
        case Set::CbRestore:
            return {5, 11};  // left side of the front window
    }
    return {0, 0};
}

const char* Name(Set set) {
    switch (set) {
        case Set::CbMin:
            return "CbMin";
        case Set::CbMax:
            return "CbMax";
        case Set::CbClose:
            return "CbClose";
        case Set::CbRestore:
            return "CbRestore";
    }
    return "?";
}

TEST(ControlButtonArt, EveryImageCarriesTheColourTable) {
    auto table = ColourTable();
    ASSERT_EQ(table.size(), 51u);
    for (const Expected& e : table) {
        SCOPED_TRACE(testing::Message() << Name(e.set) << " " << e.index);
        ui::Bitmap b = CaptionButtonImage(e.set, e.index);
        ASSERT_EQ(b.Width(), 21);
        ASSERT_EQ(b.Height(), 21);
        EXPECT_EQ(b.At(3, 3), e.upperLeft) << std::hex << b.At(3, 3);
        if (e.centre != 0) {
            EXPECT_EQ(b.At(16, 10), e.centre) << std::hex << b.At(16, 10);
        } else {
            // A red of its own, darker or lighter than the upper left but not the same.
            EXPECT_GT(ui::Red(b.At(16, 10)), ui::Green(b.At(16, 10)) + 40) << std::hex << b.At(16, 10);
        }
        auto [gx, gy] = GlyphPixel(e.set);
        EXPECT_EQ(b.At(gx, gy), e.glyph) << std::hex << b.At(gx, gy);
    }
}

TEST(ControlButtonArt, CountsAndIndexesOutOfRange) {
    const std::array<std::pair<Set, int>, 4> counts{
        {{Set::CbMin, 12}, {Set::CbMax, 15}, {Set::CbClose, 12}, {Set::CbRestore, 12}}};
    for (auto [set, count] : counts) {
        SCOPED_TRACE(Name(set));
        EXPECT_EQ(CaptionImageCount(set), count);
        EXPECT_TRUE(CaptionButtonImage(set, -1).Empty());
        EXPECT_TRUE(CaptionButtonImage(set, count).Empty());
        EXPECT_FALSE(CaptionButtonImage(set, count - 1).Empty());
        EXPECT_FALSE(CaptionButtonImage(set, 0).Empty());
    }
}

// Where each glyph is solid and where it must leave the fill alone, inside the frame (the frame is light too).
TEST(ControlButtonArt, GlyphGeometry) {
    auto inside = [](Set set, int x, int y) {
        switch (set) {
            case Set::CbMin:
                return x >= 5 && x <= 11 && y >= 13 && y <= 15;
            case Set::CbMax: {
                bool box = x >= 5 && x <= 15 && y >= 5 && y <= 15;
                return box && (y <= 7 || y == 15 || x == 5 || x == 15);
            }
            default:
                return false;
        }
    };
    for (const Expected& e : ColourTable()) {
        SCOPED_TRACE(testing::Message() << Name(e.set) << " " << e.index);
        ui::Bitmap b = CaptionButtonImage(e.set, e.index);
        int glyphPixels = 0;
        for (int y = 2; y <= 18; ++y) {
            for (int x = 2; x <= 18; ++x) {
                bool isGlyph = b.At(x, y) == e.glyph;
                glyphPixels += isGlyph;
                bool inBox = x >= 5 && x <= 15 && y >= 5 && y <= 15;
                EXPECT_TRUE(inBox || !isGlyph) << "glyph colour outside the glyph's box at " << x << "," << y;
                if (e.set == Set::CbMin || e.set == Set::CbMax) {
                    EXPECT_EQ(isGlyph, inside(e.set, x, y)) << "at " << x << "," << y;
                }
            }
        }
        if (e.set == Set::CbClose) {
            // Both strokes run corner to corner and cross in the middle.
            for (auto [x, y] : {std::pair{5, 5}, {15, 15}, {15, 5}, {5, 15}, {10, 10}, {8, 12}, {12, 8}})
                EXPECT_EQ(b.At(x, y), e.glyph) << "at " << x << "," << y;
            for (auto [x, y] : {std::pair{10, 5}, {5, 10}, {15, 10}, {10, 15}})
                EXPECT_NE(b.At(x, y), e.glyph) << "at " << x << "," << y;
            EXPECT_GE(glyphPixels, 30);
        }
        if (e.set == Set::CbRestore) {
            // Front window: 2-pixel top edge, sides and bottom; inside it nothing of the back window shows.
            for (int x = 5; x <= 11; ++x) {
                EXPECT_EQ(b.At(x, 8), e.glyph);
                EXPECT_EQ(b.At(x, 9), e.glyph);
                EXPECT_EQ(b.At(x, 14), e.glyph);
            }
            for (int y = 8; y <= 14; ++y) EXPECT_EQ(b.At(5, y), e.glyph);
            for (int y = 10; y <= 13; ++y)
                for (int x = 6; x <= 10; ++x) EXPECT_NE(b.At(x, y), e.glyph) << "at " << x << "," << y;
            // Back window: its top edge and right side, where the front one does not cover it.
            for (int x = 8; x <= 14; ++x) EXPECT_EQ(b.At(x, 5), e.glyph);
            for (int y = 5; y <= 11; ++y) EXPECT_EQ(b.At(14, y), e.glyph);
            EXPECT_NE(b.At(13, 8), e.glyph);
        }
    }
}

// The pressed looks are lit the other way round: darker at the upper left than at the lower right.
TEST(ControlButtonArt, PressedIsLitFromTheOtherSide) {
    for (Set set : {Set::CbMin, Set::CbMax, Set::CbRestore}) {
        int count = CaptionImageCount(set);
        int perScheme = count / 3;
        for (int scheme = 0; scheme < 3; ++scheme) {
            for (int state = 0; state < 4; ++state) {
                int index = scheme < 2 ? scheme * perScheme + state : count - 1 - state;
                SCOPED_TRACE(testing::Message() << Name(set) << " " << index);
                ui::Bitmap b = CaptionButtonImage(set, index);
                double upperLeft = ui::Luma(b.At(2, 2));
                double lowerRight = ui::Luma(b.At(18, 18));
                if (state == 2)
                    EXPECT_LT(upperLeft, lowerRight);
                else
                    EXPECT_GT(upperLeft, lowerRight);
            }
        }
    }
}

// Rounded corners that show the title bar of the scheme and state behind them, so there is no halo; a light
// frame inside them.
TEST(ControlButtonArt, CornersShowTheTitleBarBehind) {
    struct Case {
        Set set;
        int index;
        int element;  // theme element of the title bar behind
    };
    std::vector<Case> cases;
    for (Set set : {Set::CbMin, Set::CbMax, Set::CbClose, Set::CbRestore}) {
        int count = CaptionImageCount(set);
        int perScheme = count / 3;
        for (int i = 0; i < count; ++i) {
            int scheme = i < 2 * perScheme ? i / perScheme : 2;
            int state = scheme < 2 ? i % perScheme : count - 1 - i;
            cases.push_back({set, i, scheme * 2 + (state == 3 ? 1 : 0)});
        }
    }
    ASSERT_EQ(cases.size(), 51u);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Name(c.set) << " " << c.index);
        ui::Bitmap b = CaptionButtonImage(c.set, c.index);
        ui::Bitmap title = ThemeXPicture(1, c.element);
        constexpr int kTop = 4;  // where the frame puts the buttons in its 30-pixel bar
        EXPECT_EQ(b.At(0, 0), title.At(0, kTop));
        EXPECT_EQ(b.At(20, 0), title.At(0, kTop));
        EXPECT_EQ(b.At(0, 20), title.At(0, kTop + 20));
        EXPECT_EQ(b.At(20, 20), title.At(0, kTop + 20));
        for (auto [x, y] : {std::pair{10, 0}, {0, 10}, {20, 10}, {10, 20}})
            EXPECT_GE(ui::Luma(b.At(x, y)), ui::Luma(b.At(16, 10))) << "frame at " << x << "," << y;
    }
}

}  // namespace
}  // namespace plivant
