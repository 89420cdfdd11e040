// The dialogs' pictures, painted by code: a light water-blue title bar with
// a dark blue rim, bubbles, a coral close box, and the application's fish
// (an orange clownfish with white bands) as icon and caption emblem.
#include "ui/skin_art.h"

#include "platform/gdi.h"
#include "ui/paint_color.h"
#include "ui/ui_resource.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using Color = PaintColor;
constexpr Color Rgb(int r, int g, int b, float a = 1.0f) { return PaintRgb(r, g, b, a); }

Color Mix(Color x, Color y, float t)
{
    return Color{x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

// The rim and the three blues of the frame, outer to inner.
constexpr Color kRim = Rgb(20, 50, 100);
constexpr Color kFrameDark = Rgb(40, 90, 150);
constexpr Color kFrameMid = Rgb(60, 120, 190);
constexpr Color kFrameLight = Rgb(120, 180, 230);
constexpr Color kWhite = Rgb(255, 255, 255);

class Picture {
public:
    Picture(int width, int height) : m_width(width), m_height(height), m_px(static_cast<size_t>(width) * height) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    Color& at(int x, int y) { return m_px[static_cast<size_t>(y) * m_width + x]; }

    // Paints `sample` (colour and cover at a point, in pixels) over the
    // picture with 4 x 4 samples per pixel.
    template <class Sample>
    void Paint(Sample sample)
    {
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                Color sum;
                for (int j = 0; j < 4; ++j) {
                    for (int i = 0; i < 4; ++i) {
                        const Color c = sample(x + (i + 0.5f) / 4, y + (j + 0.5f) / 4);
                        sum.r += c.r * c.a;
                        sum.g += c.g * c.a;
                        sum.b += c.b * c.a;
                        sum.a += c.a;
                    }
                }
                if (sum.a <= 0)
                    continue;
                const Color top{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / 16};
                at(x, y) = Over(top, at(x, y));
            }
        }
    }

    std::vector<uint32_t> Argb() const
    {
        std::vector<uint32_t> out(m_px.size());
        for (size_t i = 0; i < m_px.size(); ++i)
            out[i] = PackArgb(m_px[i]);
        return out;
    }

private:
    int m_width, m_height;
    std::vector<Color> m_px;
};

float Sq(float v) { return v * v; }

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by)
{
    const float dx = bx - ax, dy = by - ay;
    const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// The fish in a 32 x 32 design box, facing right: a forked tail, fins, an
// orange body with two white bands edged in black, and an eye.
Color FishSample(float x, float y)
{
    const Color edge = Rgb(60, 25, 5);
    const Color orange = Rgb(250, 118, 12);
    Color c;
    // Tail: from its tip (x 2.5) to the body (x 9.5), forked.
    const float t = (x - 2.5f) / 7.0f;
    const float dy = std::fabs(y - 16);
    if (t >= 0 && t <= 1 && dy <= 7.5f - 5.0f * t && dy >= 3.2f * (1 - t / 0.55f))
        c = Over(t < 0.16f ? edge : Mix(Rgb(230, 95, 10), orange, t), c);
    // Dorsal and lower fins behind the body, with dark rims.
    const float dorsal = Sq((x - 17) / 6.5f) + Sq((y - 8.7f) / 4.6f);
    if (dorsal < 1 && y < 13)
        c = Over(dorsal > 0.62f ? edge : orange, c);
    const float lower = Sq((x - 19) / 3.8f) + Sq((y - 23.2f) / 3.2f);
    if (lower < 1 && y > 20)
        c = Over(lower > 0.55f ? edge : orange, c);
    // Body: shaded to a golden belly, two white bands, a dark outline.
    const float body = Sq((x - 17.5f) / 11.5f) + Sq((y - 16) / 8.5f);
    if (body < 1) {
        Color b = Mix(Rgb(255, 122, 8), Rgb(255, 190, 75), std::clamp((y - 9) / 15.0f, 0.0f, 1.0f));
        for (const float band : {12.6f, 20.4f}) {
            const float d = std::fabs(x - band + 0.12f * (y - 16));
            if (d < 1.7f)
                b = Rgb(250, 250, 244);
            else if (d < 2.3f)
                b = edge;
        }
        if (body > 0.8f)
            b = edge;
        c = Over(b, c);
    }
    // Eye.
    const float eye = std::hypot(x - 24.8f, y - 13.4f);
    if (eye < 2.5f)
        c = Over(eye < 1.4f ? Rgb(10, 10, 10) : eye < 2.0f ? kWhite : edge, c);
    if (std::hypot(x - 24.3f, y - 12.9f) < 0.5f)
        c = Over(kWhite, c);
    return c;
}

// A bubble: a pale disc with a bright rim and a highlight.
Color BubbleSample(float x, float y, float cx, float cy, float r)
{
    const float d = std::hypot(x - cx, y - cy);
    if (d > r)
        return Color{};
    if (d > r - 0.7f)
        return Rgb(255, 255, 255, 0.9f);
    if (std::hypot(x - (cx - r * 0.35f), y - (cy - r * 0.35f)) < r * 0.3f)
        return Rgb(255, 255, 255, 0.85f);
    return Rgb(200, 235, 255, 0.35f);
}

// Row `row` of the title bar (28 rows): rim, glossy light blue deepening
// down, and a dark line under it.
Color BarColor(int row)
{
    if (row == 0)
        return kRim;
    if (row >= 25)
        return row == 25 ? kFrameMid : kFrameDark;
    const float t = (row - 1) / 23.0f;
    Color c = Mix(Rgb(236, 248, 255), Rgb(128, 190, 236), t);
    if (row <= 11)
        c = Mix(c, kWhite, 0.3f * (1 - row / 11.0f));
    return c;
}

Picture Bar(int width)
{
    Picture p(width, 28);
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < width; ++x)
            p.at(x, y) = BarColor(y);
    return p;
}

// The frame across the edge piece: the left edge shows columns 0-3 (outer
// first), the right edge columns 4-8 (outer last), the bottom edge the rows
// of columns 0-1 (outer last).
Color EdgeColor(int row, int column)
{
    if (column <= 1) {
        const Color rows[4] = {kFrameDark, kFrameMid, kFrameDark, kRim};
        return rows[row];
    }
    const Color columns[9] = {kFrameDark, kFrameDark, kFrameMid, kFrameLight, kFrameLight,
                              kFrameMid,  kFrameMid,  kFrameDark, kRim};
    return columns[column];
}

void Register(unsigned id, Picture& p)
{
    const std::vector<uint32_t> argb = p.Argb();
    RegisterBitmapResource(id, p.width(), p.height(), argb.data());
}

void MakeCaptionPictures()
{
    Picture left = Bar(55);
    for (int y = 1; y < 28; ++y)
        for (int x = 0; x < 3; ++x)
            left.at(x, y) = EdgeColor(0, x);
    left.Paint([](float x, float y) {
        Color c = BubbleSample(x, y, 12, 8.5f, 3.2f);
        c = Over(BubbleSample(x, y, 18.5f, 15.5f, 2.2f), c);
        c = Over(BubbleSample(x, y, 13, 20.5f, 1.5f), c);
        return Over(FishSample((x - 28) / 0.7f, (y - 2.5f) / 0.7f), c);
    });
    Register(IDB_SKIN_LEFT, left);

    Picture middle = Bar(2);
    Register(IDB_SKIN_MIDDLE, middle);

    Picture right = Bar(129);
    // Its last columns continue the right edge below (edge columns 4-7).
    for (int y = 1; y < 28; ++y)
        for (int x = 125; x < 129; ++x)
            right.at(x, y) = EdgeColor(0, x - 121);
    right.Paint([](float x, float y) {
        Color c = BubbleSample(x, y, 30, 17, 2.0f);
        c = Over(BubbleSample(x, y, 38, 10, 2.8f), c);
        return Over(BubbleSample(x, y, 47, 18.5f, 1.4f), c);
    });
    Register(IDB_SKIN_RIGHT, right);

    // The caption buttons lie over rows 4-24 of the bar: only the close box
    // shows, where the dialog's close box is (x 38-57, y 1-19).
    Picture buttons(60, 21);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 60; ++x)
            buttons.at(x, y) = BarColor(y + 4);
    buttons.Paint([](float x, float y) {
        const float inset = std::max(std::max(38.0f - x, x - 58.0f), std::max(1.0f - y, y - 20.0f));
        const float corner =
            std::hypot(std::max(0.0f, std::fabs(x - 48) - 7), std::max(0.0f, std::fabs(y - 10.5f) - 6.5f));
        if (inset > 0 || corner > 3)
            return Color{};
        if (corner > 2.1f)
            return Rgb(110, 28, 18);
        const float cross =
            std::min(SegmentDistance(x, y, 43.5f, 6, 52.5f, 15), SegmentDistance(x, y, 52.5f, 6, 43.5f, 15));
        if (cross < 1.25f)
            return kWhite;
        return Mix(Rgb(245, 135, 105), Rgb(196, 58, 40), (y - 1) / 19.0f);
    });
    Register(IDB_SKIN_BUTTONS, buttons);

    Picture edge(9, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x)
            edge.at(x, y) = EdgeColor(y, x);
    Register(IDB_SKIN_EDGE, edge);
}

void MakeIcons()
{
    for (const int size : {16, 32, 48}) {
        Picture icon(size, size);
        const float scale = size / 32.0f;
        icon.Paint([scale](float x, float y) { return FishSample(x / scale, y / scale); });
        const std::vector<uint32_t> argb = icon.Argb();
        RegisterIconResource(IDI_APP_FISH, size, size, argb.data());
    }
}

}  // namespace

void RegisterUiPictures()
{
    static const bool registered = [] {
        MakeCaptionPictures();
        MakeIcons();
        return true;
    }();
    (void)registered;
}
