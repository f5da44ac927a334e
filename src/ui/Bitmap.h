// A portable bitmap: the artwork is drawn into these and copied into pictures and real bitmaps.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plivant::ui {

// A colour as 0xRRGGBB (the way artwork colours are written); not the BGR order of stored colour values.
using Rgb = uint32_t;

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Rgb fill = 0) : width_(width), height_(height), pixels_(Count(width, height), fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgb colour) {
        if (Contains(x, y)) pixels_[Index(x, y)] = colour;
    }
    const std::vector<Rgb>& Pixels() const { return pixels_; }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    static size_t Count(int width, int height) {
        return width > 0 && height > 0 ? static_cast<size_t>(width) * static_cast<size_t>(height) : 0;
    }
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

}  // namespace plivant::ui
