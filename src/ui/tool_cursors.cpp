// Each cursor is a stack of shapes: a shape is painted with a dark rim
// around it, so that the pointer shows on light water and dark floor alike.
#include "ui/tool_cursors.h"

#include "platform/cursor.h"
#include "ui/paint_color.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

constexpr int N = TOOL_CURSOR_SIZE;
constexpr float PI = 3.14159265f;

using Color = PaintColor;
constexpr Color Rgb(int r, int g, int b, float a = 1.0f) { return PaintRgb(r, g, b, a); }

constexpr Color kRim = Rgb(16, 24, 40);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kSkin = Rgb(255, 222, 186);
constexpr Color kGlass = Rgb(190, 230, 255, 0.55f);
constexpr Color kGlow = Rgb(255, 236, 120, 0.8f);
constexpr Color kWater = Rgb(70, 160, 240);
constexpr Color kRed = Rgb(230, 40, 30);
constexpr Color kAmber = Rgb(255, 190, 40);

// A shape: whether a point (in pixels, y down) lies inside.
using Shape = std::function<bool(float, float)>;

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by)
{
    const float dx = bx - ax, dy = by - ay;
    const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

Shape Disc(float cx, float cy, float r)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) <= r; };
}

Shape Ring(float cx, float cy, float r, float width)
{
    return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) <= width / 2; };
}

// An ellipse outline, `width` thick at the ends of its long axis.
Shape EllipseRing(float cx, float cy, float rx, float ry, float width)
{
    return [=](float x, float y) {
        const float d = std::hypot((x - cx) / rx, (y - cy) / ry);
        return std::fabs(d - 1) * rx <= width / 2 * (rx / ry > 2 ? 1.6f : 1.0f);
    };
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

// `shape` turned by `degrees` (clockwise on screen) about (cx, cy).
Shape Turned(Shape shape, float cx, float cy, float degrees)
{
    const float c = std::cos(degrees * PI / 180), s = std::sin(degrees * PI / 180);
    return [=](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        return shape(cx + c * dx + s * dy, cy - s * dx + c * dy);
    };
}

// An arrow from (ax, ay) to its tip (bx, by).
Shape Arrow(float ax, float ay, float bx, float by)
{
    const float len = std::hypot(bx - ax, by - ay);
    const float ux = (bx - ax) / len, uy = (by - ay) / len;
    const float head = 4.5f;
    const float baseX = bx - ux * head, baseY = by - uy * head;
    return Union({Capsule(ax, ay, baseX, baseY, 1.1f),
                  Triangle(bx, by, baseX - uy * 3.2f, baseY + ux * 3.2f, baseX + uy * 3.2f, baseY - ux * 3.2f)});
}

// A shape sampled 4 x 4 times a pixel.
constexpr int S = 4;
constexpr int SN = N * S;
using Samples = std::vector<bool>;

Samples Sample(const Shape& shape)
{
    Samples inside(SN * SN);
    for (int y = 0; y < SN; ++y)
        for (int x = 0; x < SN; ++x)
            inside[y * SN + x] = shape((x + 0.5f) / S, (y + 0.5f) / S);
    return inside;
}

// The samples grown by `width` pixels in every direction.
Samples Grown(const Samples& inside, float width)
{
    const int reach = static_cast<int>(std::ceil(width * S));
    const float limit = width * S * width * S;
    Samples grown(inside.size());
    for (int y = 0; y < SN; ++y) {
        for (int x = 0; x < SN; ++x) {
            if (!inside[y * SN + x])
                continue;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                    if (dx * dx + dy * dy <= limit && x + dx >= 0 && x + dx < SN && y + dy >= 0 && y + dy < SN)
                        grown[(y + dy) * SN + x + dx] = true;
        }
    }
    return grown;
}

class CursorPicture {
public:
    CursorPicture(int hotX, int hotY) : m_hotX(hotX), m_hotY(hotY) {}

    // The shape with a dark rim `rim` pixels wide around it.
    void Draw(const Shape& shape, Color fill, float rim = 1.2f)
    {
        const Samples inside = Sample(shape);
        Fill(Grown(inside, rim), kRim);
        Fill(inside, fill);
    }

    // The shape in `fill` alone.
    void Fill(const Shape& shape, Color fill) { Fill(Sample(shape), fill); }

    void Register(unsigned id) const
    {
        std::array<uint32_t, N * N> argb{};
        for (size_t i = 0; i < argb.size(); ++i)
            argb[i] = PackArgb(m_px[i]);
        RegisterCursorResource(id, N, N, m_hotX, m_hotY, argb.data());
    }

private:
    void Fill(const Samples& inside, Color fill)
    {
        for (int y = 0; y < N; ++y) {
            for (int x = 0; x < N; ++x) {
                int count = 0;
                for (int j = 0; j < S; ++j)
                    for (int i = 0; i < S; ++i)
                        count += inside[(y * S + j) * SN + x * S + i];
                if (!count)
                    continue;
                Color top = fill;
                top.a *= static_cast<float>(count) / (S * S);
                m_px[y * N + x] = Over(top, m_px[y * N + x]);
            }
        }
    }

    int m_hotX, m_hotY;
    std::array<Color, N * N> m_px{};
};

// A hand pointing up with its index finger; pressing, the finger bends in
// and the tip shows a tap.
void MakeTouch(unsigned id, bool down)
{
    CursorPicture p(12, 3);
    const float tip = down ? 8.0f : 4.0f;
    const Shape hand = Union({
        Capsule(12, tip, 12, 17, 2.6f),           // index finger
        Capsule(16.8f, 13.5f, 16.8f, 19, 2.4f),   // the curled fingers
        Capsule(21.2f, 15, 21.2f, 20, 2.3f),
        Capsule(8.5f, 22, 5.5f, 17.5f, 2.4f),     // thumb
        Box(9.4f, 15.5f, 23.5f, 29, 4.0f),        // palm
    });
    p.Draw(hand, kSkin);
    if (down) {
        for (const float a : {-150.0f, -90.0f, -30.0f}) {
            const float c = std::cos(a * PI / 180), s = std::sin(a * PI / 180);
            p.Draw(Capsule(12 + c * 3.2f, 4 + s * 3.2f, 12 + c * 5.5f, 4 + s * 5.5f, 0.7f), kAmber, 0.9f);
        }
    }
    p.Register(id);
}

// A food shaker tipped over its holes; shaking, it swings further and more
// flakes fall.
void MakeFeed(unsigned id, bool down)
{
    CursorPicture p(5, 28);
    const float turn = down ? -130.0f : -145.0f;
    // Upright about (19, 13): body below, cap with holes on top.
    const Shape body = Box(14, 11, 24, 26, 2.0f);
    const Shape label = Box(14, 15, 24, 22, 0.5f);
    const Shape cap = Box(13.2f, 6, 24.8f, 11.5f, 1.6f);
    p.Draw(Turned(Union({body, cap}), 19, 15, turn), Rgb(250, 130, 30));
    p.Fill(Turned(label, 19, 15, turn), Rgb(255, 225, 120));
    p.Fill(Turned(cap, 19, 15, turn), Rgb(200, 210, 220));
    for (const float hx : {16.0f, 19.0f, 22.0f})
        p.Fill(Turned(Disc(hx, 8.5f, 0.8f), 19, 15, turn), kRim);
    // Flakes between the holes and the point the food drops to.
    std::vector<std::array<float, 2>> flakes = {{9, 24}, {6, 22}, {5, 28}};
    if (down) {
        flakes.push_back({10, 28});
        flakes.push_back({3, 25});
    }
    for (const auto& f : flakes)
        p.Draw(Disc(f[0], f[1], 1.3f), Rgb(190, 110, 40), 0.9f);
    p.Register(id);
}

// A magnifier with a plus (grow) or a minus (shrink) in its glass; held,
// the glass lights up.
void MakeMagnifier(unsigned id, bool plus, bool down)
{
    CursorPicture p(12, 12);
    p.Draw(Capsule(18.5f, 18.5f, 27, 27, 2.6f), Rgb(90, 60, 40));
    p.Draw(Ring(12, 12, 8.5f, 2.6f), Rgb(200, 205, 215));
    p.Fill(Disc(12, 12, 7.2f), down ? kGlow : kGlass);
    std::vector<Shape> sign = {Box(7.5f, 10.8f, 16.5f, 13.2f, 0.4f)};
    if (plus)
        sign.push_back(Box(10.8f, 7.5f, 13.2f, 16.5f, 0.4f));
    p.Draw(Union(sign), down ? Rgb(20, 130, 40) : kWhite, 0.9f);
    p.Register(id);
}

// A water drop over the rings it makes.
void MakeRipple(unsigned id)
{
    CursorPicture p(16, 23);
    p.Draw(EllipseRing(16, 23, 12, 4.5f, 1.6f), kWater, 0.9f);
    p.Draw(EllipseRing(16, 23, 6.5f, 2.4f, 1.6f), kWater, 0.9f);
    const Shape drop = Union({Disc(16, 13, 4.6f), Triangle(16, 2.5f, 11.8f, 11.4f, 20.2f, 11.4f)});
    p.Draw(drop, Rgb(120, 200, 255));
    p.Fill(Disc(14.4f, 12, 1.2f), Rgb(235, 250, 255));
    p.Register(id);
}

// A crosshair; held, it turns red and closes in.
void MakeCrosshair(unsigned id, bool down)
{
    CursorPicture p(16, 16);
    const Color fill = down ? kRed : kWhite;
    const float r = down ? 7.5f : 9.0f;
    std::vector<Shape> ticks;
    for (const float d : {-1.0f, 1.0f}) {
        const float a = 16 + d * (r - 3.5f), b = 16 + d * (r + 5.5f);
        ticks.push_back(Capsule(a, 16, b, 16, 0.9f));
        ticks.push_back(Capsule(16, a, 16, b, 0.9f));
    }
    p.Draw(Union({Ring(16, 16, r, 1.8f), Union(ticks)}), fill, 1.1f);
    p.Draw(Disc(16, 16, down ? 1.8f : 1.1f), fill, 1.0f);
    p.Register(id);
}

// A small camera with four arrows: pointing in to it (zoom in) or out from
// it (zoom out); held, the arrows are amber.
void MakeZoom(unsigned id, bool in, bool down)
{
    CursorPicture p(16, 16);
    const Color fill = down ? kAmber : kWhite;
    for (const int sx : {-1, 1}) {
        for (const int sy : {-1, 1}) {
            const float ox = 16 + sx * 14.0f, oy = 16 + sy * 14.0f;
            const float ix = 16 + sx * 6.5f, iy = 16 + sy * 6.5f;
            p.Draw(in ? Arrow(ox, oy, ix, iy) : Arrow(ix, iy, ox, oy), fill, 1.0f);
        }
    }
    const Shape camera = Union({Box(10.5f, 13, 21.5f, 20.5f, 1.2f), Box(13, 11.2f, 17, 13.5f, 0.5f)});
    p.Draw(camera, Rgb(70, 80, 95), 1.0f);
    p.Draw(Disc(16, 16.8f, 2.4f), Rgb(150, 210, 255), 0.8f);
    p.Register(id);
}

}  // namespace

void RegisterToolCursors()
{
    static const bool registered = [] {
        MakeTouch(IDC_TOUCH, false);
        MakeTouch(IDC_TOUCH_DOWN, true);
        MakeFeed(IDC_FEED, false);
        MakeFeed(IDC_FEED_DOWN, true);
        MakeMagnifier(IDC_GROW, true, false);
        MakeMagnifier(IDC_GROW_DOWN, true, true);
        MakeMagnifier(IDC_SHRINK, false, false);
        MakeMagnifier(IDC_SHRINK_DOWN, false, true);
        MakeRipple(IDC_RIPPLE);
        MakeCrosshair(IDC_MOVE_CANNON, false);
        MakeCrosshair(IDC_MOVE_CANNON_DOWN, true);
        MakeZoom(IDC_ZOOM_IN, true, false);
        MakeZoom(IDC_ZOOM_IN_DOWN, true, true);
        MakeZoom(IDC_ZOOM_OUT, false, false);
        MakeZoom(IDC_ZOOM_OUT_DOWN, false, true);
        return true;
    }();
    (void)registered;
}
