// A small painter for pictures that must look right at any size: shapes are given in pixel coordinates with
// fractions, each pixel is sampled on a fine grid, and the coverage blends the shape's colour over what lies
// below (source over). The result is colours with a per-pixel coverage, or those colours laid on a background.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/Handler.h"

namespace plivant::art {

// A shape: true where a point (pixel coordinates, x to the right, y down) lies inside it, and a box that holds it,
// outside which nothing is sampled. A shape may also name a box that lies wholly inside it (edges included): a pixel
// whose samples all fall in that box is covered without asking the shape, which spares the sampling of every pixel
// but those along the edges.
struct Shape {
    std::function<bool(double x, double y)> inside;
    double left, top, right, bottom;
    double solidLeft = 0, solidTop = 0, solidRight = -1, solidBottom = -1;  // none
};
// The colour of a shape at a point, for shading: one colour, or one that changes from top to bottom (a value
// rather than any function, as the pictures need no other and each function kept would weigh in the program).
struct Shade {
    double top, bottom;
    ui::Rgb topColour, bottomColour;
    ui::Rgb operator()(double x, double y) const;
};

// How far in from a rounded corner's box the largest square inside its arc begins, a hair further for rounding:
// radius × (1 − 1/√2). Every point of the box inset by this on each side lies inside the rounded shape.
double CornerInset(double radius);

Shape RoundRect(double left, double top, double right, double bottom, double radius);
Shape Ellipse(double cx, double cy, double rx, double ry);
// A convex or concave polygon, by its corners in order.
Shape Polygon(std::vector<std::pair<double, double>> corners);
// The part of a ring between two radii whose angle (degrees, counter-clockwise from the right, as on paper)
// lies between from and to.
Shape Arc(double cx, double cy, double inner, double outer, double from, double to);
// A band of the given width around the segment from (x0, y0) to (x1, y1), with round ends.
Shape Stroke(double x0, double y0, double x1, double y1, double width);
// Inside the first shape and not inside the second.
Shape Minus(Shape shape, Shape hole);
// Inside either shape.
Shape Union(Shape a, Shape b);

Shade Flat(ui::Rgb colour);
// From top colour at y = top to bottom colour at y = bottom.
Shade Vertical(double top, double bottom, ui::Rgb topColour, ui::Rgb bottomColour);

class Canvas {
public:
    // At a scale (1.5 at 144 DPI, say) the canvas is that much larger, and shapes are given in its design's pixels.
    Canvas(int width, int height, double scale = 1);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Paints the shape; opacity scales its coverage.
    void Fill(const Shape& shape, const Shade& shade, double opacity = 1.0);
    // Paints the shape with an outline of the given width in pixels inside its edge: the outline's colour where
    // the shape is and the inset shape is not.
    void Outlined(const Shape& shape, const Shape& inset, const Shade& body, ui::Rgb outline);

    // Colours (where nothing is painted, black) and the coverage 0..255 of each pixel, row by row.
    ui::Bitmap Colours() const;
    std::vector<uint8_t> Coverage() const;
    // The picture laid over a background colour.
    ui::Bitmap Over(ui::Rgb background) const;
    // The picture laid over a background that differs by row (a title bar's shading).
    ui::Bitmap Over(ui::Handler<ui::Rgb(int row)> background) const;

private:
    struct Pixel {
        double r = 0, g = 0, b = 0, a = 0;  // premultiplied, 0..1
    };
    int width_, height_;
    double scale_;
    std::vector<Pixel> pixels_;
};

}  // namespace plivant::art
