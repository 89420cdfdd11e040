// Pictures painted by code from shapes: each shape is sampled 4 x 4 times a
// pixel, painted in one colour, optionally with a dark rim around it. The
// cursors, the icons and the small pictures of the dialogs are made this way.
#pragma once
#include "ui/paint_color.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace paint {

constexpr float PI = 3.14159265f;

// Whether a point (in pixels, y down) lies inside.
using Shape = std::function<bool(float, float)>;

Shape Disc(float cx, float cy, float r);
Shape Ring(float cx, float cy, float r, float width);
// An ellipse outline, `width` thick at the ends of its long axis.
Shape EllipseRing(float cx, float cy, float rx, float ry, float width);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Capsule(float ax, float ay, float bx, float by, float r);
Shape Box(float x0, float y0, float x1, float y1, float round);
Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy);
Shape Union(std::vector<Shape> parts);
// The points of `shape` not in `cut`.
Shape Minus(Shape shape, Shape cut);
// `shape` turned by `degrees` (clockwise on screen) about (cx, cy).
Shape Turned(Shape shape, float cx, float cy, float degrees);
// An arrow from (ax, ay) to its tip (bx, by).
Shape Arrow(float ax, float ay, float bx, float by);

class ShapePicture {
public:
    ShapePicture(int width, int height, PaintColor rim = PaintRgb(16, 24, 40));

    // The shape with a rim `rim` pixels wide around it.
    void Draw(const Shape& shape, PaintColor fill, float rim = 1.2f);
    // The shape in `fill` alone.
    void Fill(const Shape& shape, PaintColor fill);
    // Every pixel: `colour(x, y)` at the pixel's centre, under what is there.
    void Background(const std::function<PaintColor(float, float)>& colour);
    // A picture (0xAARRGGBB, rows top first) over this one, its top-left
    // corner at (x, y); what falls outside is cut off.
    void Place(int x, int y, int width, int height, const std::vector<uint32_t>& argb);
    void Place(int x, int y, const ShapePicture& picture) { Place(x, y, picture.Width(), picture.Height(), picture.Argb()); }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // 0xAARRGGBB, rows top first.
    std::vector<uint32_t> Argb() const;

private:
    using Samples = std::vector<bool>;
    Samples Sample(const Shape& shape) const;
    Samples Grown(const Samples& inside, float width) const;
    void Fill(const Samples& inside, PaintColor fill);

    int m_width, m_height;
    PaintColor m_rim;
    std::vector<PaintColor> m_px;
};

}  // namespace paint
