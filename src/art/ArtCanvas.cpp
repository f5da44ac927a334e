// The sampling painter.
#include "art/ArtCanvas.h"
#include "ui/Types.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/BitmapDrawing.h"

namespace plivant::art {

namespace {
// Samples per pixel along each axis: 16 levels of coverage, enough for edges at 16 pixels to look smooth.
constexpr int kGrid = 4;

double Channel(ui::Rgb c, int shift) {
    return static_cast<double>((c >> shift) & 0xFF) / 255.0;
}

int Byte(double v) {
    // ChannelOf clamps too, but this clamp holds v as a double (through its reference) before it is scaled: on the
    // x87 that rounding is part of what every picture looks like.
    return ui::ChannelOf(std::clamp(v, 0.0, 1.0) * 255.0);
}

// A shape with the box [left + inset, right - inset] x [top + inset, bottom - inset] as its solid part.
Shape WithSolid(Shape shape, double insetX, double insetY) {
    shape.solidLeft = shape.left + insetX, shape.solidRight = shape.right - insetX;
    shape.solidTop = shape.top + insetY, shape.solidBottom = shape.bottom - insetY;
    return shape;
}
}  // namespace

double CornerInset(double radius) {
    constexpr double kMargin = 1e-6;  // far above the rounding in the tests of a point against a curve, in pixels
    return radius * (1 - std::numbers::sqrt2 / 2) + kMargin;
}

Shape RoundRect(double left, double top, double right, double bottom, double radius) {
    radius = std::max(0.0, std::min({radius, (right - left) / 2, (bottom - top) / 2}));
    const auto inside = [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom) return false;
        // The nearest point of the box the corners' centres span (std::clamp, written out: it is not inlined).
        const double cx = x < left + radius ? left + radius : x > right - radius ? right - radius : x;
        const double cy = y < top + radius ? top + radius : y > bottom - radius ? bottom - radius : y;
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
    // Inside: the box whose corners lie on the corner arcs' diagonals, a little in (the right and bottom edges are
    // outside).
    return WithSolid({inside, left, top, right, bottom}, CornerInset(radius), CornerInset(radius));
}

Shape Ellipse(double cx, double cy, double rx, double ry) {
    const auto inside = [=](double x, double y) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    return WithSolid({inside, cx - rx, cy - ry, cx + rx, cy + ry}, CornerInset(rx), CornerInset(ry));
}

Shape Polygon(std::vector<std::pair<double, double>> corners) {
    Shape shape{nullptr, 1e9, 1e9, -1e9, -1e9};
    for (const auto& [x, y] : corners) {
        shape.left = std::min(shape.left, x), shape.right = std::max(shape.right, x);
        shape.top = std::min(shape.top, y), shape.bottom = std::max(shape.bottom, y);
    }
    shape.inside = [corners = std::move(corners)](double x, double y) {
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const auto [xi, yi] = corners[i];
            const auto [xj, yj] = corners[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
    return shape;
}

Shape Arc(double cx, double cy, double inner, double outer, double from, double to) {
    const auto inside = [=](double x, double y) {
        const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        if (d2 < inner * inner || d2 > outer * outer) return false;
        double angle = std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
        while (angle < from) angle += 360.0;
        return angle <= to;
    };
    return {inside, cx - outer, cy - outer, cx + outer, cy + outer};
}

Shape Stroke(double x0, double y0, double x1, double y1, double width) {
    const auto inside = [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0, 1.0) : 0.0;
        const double px = x0 + t * dx - x, py = y0 + t * dy - y;
        return px * px + py * py <= width * width / 4;
    };
    const double half = width / 2;
    return {inside, std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half};
}

Shape Minus(Shape shape, Shape hole) {
    Shape out = shape;
    out.solidRight = out.solidLeft - 1;  // the hole may lie anywhere in it
    out.inside = [inside = std::move(shape.inside), cut = std::move(hole.inside)](double x, double y) {
        return inside(x, y) && !cut(x, y);
    };
    return out;
}

Shape Union(Shape a, Shape b) {
    // Either part's solid box is the union's: the larger.
    const auto area = [](const Shape& s) {
        return std::max(0.0, s.solidRight - s.solidLeft) * std::max(0.0, s.solidBottom - s.solidTop);
    };
    const Shape& solid = area(a) >= area(b) ? a : b;
    return {[first = a.inside, second = b.inside](double x, double y) { return first(x, y) || second(x, y); },
            std::min(a.left, b.left),
            std::min(a.top, b.top),
            std::max(a.right, b.right),
            std::max(a.bottom, b.bottom),
            solid.solidLeft,
            solid.solidTop,
            solid.solidRight,
            solid.solidBottom};
}

ui::Rgb Shade::operator()(double, double y) const {
    if (topColour == bottomColour) return topColour;
    const double t = bottom > top ? std::clamp((y - top) / (bottom - top), 0.0, 1.0) : 0.0;
    return ui::Mix(topColour, bottomColour, t);
}

Shade Flat(ui::Rgb colour) {
    return {0, 0, colour, colour};
}

Shade Vertical(double top, double bottom, ui::Rgb topColour, ui::Rgb bottomColour) {
    return {top, bottom, topColour, bottomColour};
}

Canvas::Canvas(int width, int height, double scale)
    : width_(std::max(0, ui::ScaledPixels(width, scale))),
      height_(std::max(0, ui::ScaledPixels(height, scale))),
      scale_(scale),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_)) {}

void Canvas::Fill(const Shape& shape, const Shade& shade, double opacity) {
    constexpr double kStep = 1.0 / kGrid;
    const double s = scale_;
    const auto from = [s](double v, int size) { return std::clamp(static_cast<int>(std::floor(v * s)), 0, size); };
    const auto to = [s](double v, int size) { return std::clamp(static_cast<int>(std::ceil(v * s)), 0, size); };
    // Where a pixel's first and last samples lie, in the shape's pixels.
    const auto first = [s](int p) { return (p + 0.5 * kStep) / s; };
    const auto last = [s](int p) { return (p + (kGrid - 0.5) * kStep) / s; };
    for (int py = from(shape.top, height_); py < to(shape.bottom, height_); ++py) {
        const bool solidRow = first(py) >= shape.solidTop && last(py) <= shape.solidBottom;
        for (int px = from(shape.left, width_); px < to(shape.right, width_); ++px) {
            int hits = 0;
            if (solidRow && first(px) >= shape.solidLeft && last(px) <= shape.solidRight) {
                hits = kGrid * kGrid;
            } else {
                for (int sy = 0; sy < kGrid; ++sy) {
                    for (int sx = 0; sx < kGrid; ++sx) {
                        if (shape.inside((px + (sx + 0.5) * kStep) / s, (py + (sy + 0.5) * kStep) / s)) ++hits;
                    }
                }
            }
            if (hits == 0) continue;
            const double a = opacity * hits / (kGrid * kGrid);
            const ui::Rgb c = shade((px + 0.5) / s, (py + 0.5) / s);
            Pixel& p = pixels_[static_cast<size_t>(py) * static_cast<size_t>(width_) + static_cast<size_t>(px)];
            p.r = Channel(c, 16) * a + p.r * (1 - a);
            p.g = Channel(c, 8) * a + p.g * (1 - a);
            p.b = Channel(c, 0) * a + p.b * (1 - a);
            p.a = a + p.a * (1 - a);
        }
    }
}

void Canvas::Outlined(const Shape& shape, const Shape& inset, const Shade& body, ui::Rgb outline) {
    Fill(shape, Flat(outline));
    Fill(inset, body);
}

ui::Bitmap Canvas::Colours() const {
    ui::Bitmap out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
            if (p.a <= 0) continue;
            out.Set(x, y, ui::MakeRgb(Byte(p.r / p.a), Byte(p.g / p.a), Byte(p.b / p.a)));
        }
    }
    return out;
}

std::vector<uint8_t> Canvas::Coverage() const {
    std::vector<uint8_t> out;
    out.reserve(pixels_.size());
    for (const Pixel& p : pixels_) out.push_back(static_cast<uint8_t>(Byte(p.a)));
    return out;
}

ui::Bitmap Canvas::Over(ui::Rgb background) const {
    return Over([background](int) { return background; });
}

ui::Bitmap Canvas::Over(ui::Handler<ui::Rgb(int row)> background) const {
    ui::Bitmap out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const ui::Rgb behind = background(y);
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
            out.Set(x, y,
                    ui::MakeRgb(Byte(p.r + Channel(behind, 16) * (1 - p.a)), Byte(p.g + Channel(behind, 8) * (1 - p.a)),
                                Byte(p.b + Channel(behind, 0) * (1 - p.a))));
        }
    }
    return out;
}

}  // namespace plivant::art
