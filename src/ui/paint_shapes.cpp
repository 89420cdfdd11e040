#include "ui/paint_shapes.h"

#include <algorithm>
#include <cmath>

namespace paint {

namespace {

constexpr int S = 4;  // samples a pixel, each way

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by)
{
    const float dx = bx - ax, dy = by - ay;
    const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

}  // namespace

Shape Disc(float cx, float cy, float r)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) <= r; };
}

Shape Ring(float cx, float cy, float r, float width)
{
    return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) <= width / 2; };
}

Shape EllipseRing(float cx, float cy, float rx, float ry, float width)
{
    return [=](float x, float y) {
        const float d = std::hypot((x - cx) / rx, (y - cy) / ry);
        return std::fabs(d - 1) * rx <= width / 2 * (rx / ry > 2 ? 1.6f : 1.0f);
    };
}

Shape Ellipse(float cx, float cy, float rx, float ry)
{
    return [=](float x, float y) { return std::hypot((x - cx) / rx, (y - cy) / ry) <= 1; };
}

Shape Capsule(float ax, float ay, float bx, float by, float r)
{
    return [=](float x, float y) { return SegmentDistance(x, y, ax, ay, bx, by) <= r; };
}

Shape Box(float x0, float y0, float x1, float y1, float round)
{
    return [=](float x, float y) {
        const float dx = std::max({x0 + round - x, x - (x1 - round), 0.0f});
        const float dy = std::max({y0 + round - y, y - (y1 - round), 0.0f});
        return std::hypot(dx, dy) <= round;
    };
}

Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy)
{
    return [=](float x, float y) {
        const float d1 = (x - bx) * (ay - by) - (ax - bx) * (y - by);
        const float d2 = (x - cx) * (by - cy) - (bx - cx) * (y - cy);
        const float d3 = (x - ax) * (cy - ay) - (cx - ax) * (y - ay);
        const bool neg = d1 < 0 || d2 < 0 || d3 < 0;
        const bool pos = d1 > 0 || d2 > 0 || d3 > 0;
        return !(neg && pos);
    };
}

Shape Union(std::vector<Shape> parts)
{
    return [parts = std::move(parts)](float x, float y) {
        return std::any_of(parts.begin(), parts.end(), [&](const Shape& s) { return s(x, y); });
    };
}

Shape Minus(Shape shape, Shape cut)
{
    return [=](float x, float y) { return shape(x, y) && !cut(x, y); };
}

Shape Turned(Shape shape, float cx, float cy, float degrees)
{
    const float c = std::cos(degrees * PI / 180), s = std::sin(degrees * PI / 180);
    return [=](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        return shape(cx + c * dx + s * dy, cy - s * dx + c * dy);
    };
}

Shape Arrow(float ax, float ay, float bx, float by)
{
    const float len = std::hypot(bx - ax, by - ay);
    const float ux = (bx - ax) / len, uy = (by - ay) / len;
    const float head = 4.5f;
    const float baseX = bx - ux * head, baseY = by - uy * head;
    return Union({Capsule(ax, ay, baseX, baseY, 1.1f),
                  Triangle(bx, by, baseX - uy * 3.2f, baseY + ux * 3.2f, baseX + uy * 3.2f, baseY - ux * 3.2f)});
}

ShapePicture::ShapePicture(int width, int height, PaintColor rim)
    : m_width(width), m_height(height), m_rim(rim), m_px(static_cast<size_t>(width) * height)
{
}

void ShapePicture::Draw(const Shape& shape, PaintColor fill, float rim)
{
    const Samples inside = Sample(shape);
    Fill(Grown(inside, rim), m_rim);
    Fill(inside, fill);
}

void ShapePicture::Fill(const Shape& shape, PaintColor fill) { Fill(Sample(shape), fill); }

void ShapePicture::Background(const std::function<PaintColor(float, float)>& colour)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            PaintColor& px = m_px[static_cast<size_t>(y) * m_width + x];
            px = Over(px, colour(x + 0.5f, y + 0.5f));
        }
}

void ShapePicture::Place(int x, int y, int width, int height, const std::vector<uint32_t>& argb)
{
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            const int px = x + i, py = y + j;
            if (px < 0 || py < 0 || px >= m_width || py >= m_height)
                continue;
            const uint32_t c = argb[static_cast<size_t>(j) * width + i];
            const PaintColor top{((c >> 16) & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, (c & 0xFF) / 255.0f,
                                 (c >> 24) / 255.0f};
            PaintColor& under = m_px[static_cast<size_t>(py) * m_width + px];
            under = Over(top, under);
        }
    }
}

std::vector<uint32_t> ShapePicture::Argb() const
{
    std::vector<uint32_t> argb(m_px.size());
    for (size_t i = 0; i < argb.size(); ++i)
        argb[i] = PackArgb(m_px[i]);
    return argb;
}

ShapePicture::Samples ShapePicture::Sample(const Shape& shape) const
{
    const int sw = m_width * S, sh = m_height * S;
    Samples inside(static_cast<size_t>(sw) * sh);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x)
            inside[static_cast<size_t>(y) * sw + x] = shape((x + 0.5f) / S, (y + 0.5f) / S);
    return inside;
}

ShapePicture::Samples ShapePicture::Grown(const Samples& inside, float width) const
{
    const int sw = m_width * S, sh = m_height * S;
    const int reach = static_cast<int>(std::ceil(width * S));
    const float limit = width * S * width * S;
    Samples grown(inside.size());
    for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
            if (!inside[static_cast<size_t>(y) * sw + x])
                continue;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                    if (dx * dx + dy * dy <= limit && x + dx >= 0 && x + dx < sw && y + dy >= 0 && y + dy < sh)
                        grown[static_cast<size_t>(y + dy) * sw + x + dx] = true;
        }
    }
    return grown;
}

void ShapePicture::Fill(const Samples& inside, PaintColor fill)
{
    const int sw = m_width * S;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            int count = 0;
            for (int j = 0; j < S; ++j)
                for (int i = 0; i < S; ++i)
                    count += inside[static_cast<size_t>(y * S + j) * sw + x * S + i];
            if (!count)
                continue;
            PaintColor top = fill;
            top.a *= static_cast<float>(count) / (S * S);
            PaintColor& px = m_px[static_cast<size_t>(y) * m_width + x];
            px = Over(top, px);
        }
    }
}

}  // namespace paint
