// Each picture is a stack of shapes painted with a dark rim around them, so
// that it shows on light water, dark floor and grey buttons alike.
#include "ui/tool_pictures.h"

#include <array>
#include <cmath>
#include <vector>

namespace paint {

namespace {

constexpr PaintColor Rgb(int r, int g, int b, float a = 1.0f) { return PaintRgb(r, g, b, a); }

constexpr PaintColor kRim = Rgb(16, 24, 40);
constexpr PaintColor kWhite = Rgb(255, 255, 255);
constexpr PaintColor kSkin = Rgb(255, 222, 186);
constexpr PaintColor kGlass = Rgb(190, 230, 255, 0.55f);
constexpr PaintColor kGlow = Rgb(255, 236, 120, 0.8f);
constexpr PaintColor kWater = Rgb(70, 160, 240);
constexpr PaintColor kRed = Rgb(230, 40, 30);
constexpr PaintColor kAmber = Rgb(255, 190, 40);

}  // namespace

void PaintTouch(ShapePicture& p, bool down)
{
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
}

// A food shaker tipped over its holes; shaking, it swings further and more
// flakes fall.
void PaintFeed(ShapePicture& p, bool down)
{
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
}

// A magnifier with a plus (grow) or a minus (shrink) in its glass; held,
// the glass lights up.
void PaintMagnifier(ShapePicture& p, bool plus, bool down)
{
    p.Draw(Capsule(18.5f, 18.5f, 27, 27, 2.6f), Rgb(90, 60, 40));
    p.Draw(Ring(12, 12, 8.5f, 2.6f), Rgb(200, 205, 215));
    p.Fill(Disc(12, 12, 7.2f), down ? kGlow : kGlass);
    std::vector<Shape> sign = {Box(7.5f, 10.8f, 16.5f, 13.2f, 0.4f)};
    if (plus)
        sign.push_back(Box(10.8f, 7.5f, 13.2f, 16.5f, 0.4f));
    p.Draw(Union(sign), down ? Rgb(20, 130, 40) : kWhite, 0.9f);
}

// A water drop over the rings it makes.
void PaintRipple(ShapePicture& p)
{
    p.Draw(EllipseRing(16, 23, 12, 4.5f, 1.6f), kWater, 0.9f);
    p.Draw(EllipseRing(16, 23, 6.5f, 2.4f, 1.6f), kWater, 0.9f);
    const Shape drop = Union({Disc(16, 13, 4.6f), Triangle(16, 2.5f, 11.8f, 11.4f, 20.2f, 11.4f)});
    p.Draw(drop, Rgb(120, 200, 255));
    p.Fill(Disc(14.4f, 12, 1.2f), Rgb(235, 250, 255));
}

// A crosshair; held, it turns red and closes in.
void PaintCrosshair(ShapePicture& p, bool down)
{
    const PaintColor fill = down ? kRed : kWhite;
    const float r = down ? 7.5f : 9.0f;
    std::vector<Shape> ticks;
    for (const float d : {-1.0f, 1.0f}) {
        const float a = 16 + d * (r - 3.5f), b = 16 + d * (r + 5.5f);
        ticks.push_back(Capsule(a, 16, b, 16, 0.9f));
        ticks.push_back(Capsule(16, a, 16, b, 0.9f));
    }
    p.Draw(Union({Ring(16, 16, r, 1.8f), Union(ticks)}), fill, 1.1f);
    p.Draw(Disc(16, 16, down ? 1.8f : 1.1f), fill, 1.0f);
}

// A small camera with four arrows: pointing in to it (zoom in) or out from
// it (zoom out); held, the arrows are amber.
void PaintZoom(ShapePicture& p, bool in, bool down)
{
    const PaintColor fill = down ? kAmber : kWhite;
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
}

}  // namespace paint
