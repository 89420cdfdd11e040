// The kit of the plant texture painters: 256 x 256 pictures of leaf tissue,
// stems, bark and stone, with each mesh's part painted exactly where its
// texture coordinates address it. Texture t runs from 1 to 2 and repeats:
// t = 2 is the top row of the picture, t = 1 its bottom.
//
// A plant kind's picture is a res/tools/plant_texture_cao<N>.h that paints
// it and registers it as "cao<N>" (RegisterPicture); the build packs every
// one found as resource 2000 + N. A kind drawn with another kind's picture
// paints its part from a res/tools/plant_paint_<name>.h (RegisterPicturePart).
#pragma once
#include "leaf_kit.h"
#include "texture_kit.h"

#include <functional>
#include <string>
#include <vector>

namespace plant_textures {

using namespace kit;
using leaf::Curve;
using leaf::Grid;
using leaf::Point;

constexpr int kSize = 256;

// Picture position of a texture coordinate, in pixels (row 0 at the top).
inline float PixelX(double s) { return static_cast<float>(s * kSize); }
inline float PixelY(double t) { return static_cast<float>((2.0 - t) * kSize); }

// How a leaf is coloured and veined.
enum class Venation { Pinnate, Parallel, Arcuate };
struct LeafLook {
    Rgb base, tip, rim, rib, vein;
    Venation venation;
    int veins;       // pinnate: pairs; parallel: lines; arcuate: arcs a side
    float slant;     // pinnate: how far a vein runs towards the tip, in u per v
    float ribWidth;  // midrib half width, in v
    float veinStrength;
    uint32_t seed;
};

// The colour of a leaf at u (0 root .. 1 tip), v (0 midrib .. 1 rim), on
// side -1 or 1; (px, py) is the picture position, for the fine grain.
inline Rgb LeafAt(const LeafLook& look, float u, float v, float side, float px, float py)
{
    const float mottle = Fbm(px / kSize, py / kSize, 8, 4, look.seed);
    Rgb c = Mix(look.base, look.tip, Clamp01(SmoothStep(0.15f, 1.0f, u) * 0.7f + 0.25f * mottle));
    c = c * (0.94f + 0.12f * Unit(Hash(static_cast<int>(px * 2), static_cast<int>(py * 2), look.seed + 1)));

    float vein = 0;
    switch (look.venation) {
    case Venation::Pinnate: {
        const float phase = (u - look.slant * std::pow(v, 1.3f)) * look.veins + (side > 0 ? 0.5f : 0.0f);
        const float d = std::abs(phase - std::round(phase));
        c = c * (1.0f + 0.07f * std::cos(2 * kPi * phase));  // tissue bulges between the veins
        vein = SmoothStep(0.16f, 0.04f, d) * SmoothStep(0.02f, 0.1f, v) * SmoothStep(0.95f, 0.7f, v) *
               SmoothStep(0.02f, 0.08f, u) * SmoothStep(1.0f, 0.9f, u);
        break;
    }
    case Venation::Parallel: {
        const float across = (side * v + 1) * 0.5f * look.veins;  // 0 .. veins from rim to rim
        const float d = std::abs(across - std::round(across));
        vein = SmoothStep(0.22f, 0.06f, d);
        // Short cross veinlets, staggered between the lines.
        const float lattice = u * 70 + 0.5f * std::floor(across);
        vein = std::max(vein, 0.5f * SmoothStep(0.12f, 0.0f, std::abs(lattice - std::round(lattice))));
        break;
    }
    case Venation::Arcuate: {
        for (int k = 1; k <= look.veins; ++k) {
            const float at = static_cast<float>(k) / (look.veins + 1);
            vein = std::max(vein, SmoothStep(0.045f, 0.012f, std::abs(v - at)) * SmoothStep(0.0f, 0.08f, u) *
                                      SmoothStep(1.0f, 0.9f, u));
        }
        const float lattice = u * 26 - 1.4f * v;  // veinlets across the arcs
        const float d = std::abs(lattice - std::round(lattice));
        vein = std::max(vein, 0.45f * SmoothStep(0.1f, 0.02f, d) * SmoothStep(0.05f, 0.15f, v));
        c = c * (1.0f + 0.05f * std::cos(2 * kPi * lattice));
        break;
    }
    }
    c = Mix(c, look.vein, look.veinStrength * vein);
    c = Mix(c, look.rib, 0.8f * SmoothStep(look.ribWidth, look.ribWidth * 0.35f, v));
    c = Mix(c, look.rim, 0.6f * SmoothStep(0.84f, 0.99f, v));
    return {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
}

// Tileable leaf tissue with a fine net of veins, for the parts of a texture
// that no leaf of this plant addresses.
inline Image Tissue(Rgb dark, Rgb light, uint32_t seed)
{
    Image img(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float u = (x + 0.5f) / kSize, v = (y + 0.5f) / kSize;
            const float tone = 0.5f + 0.5f * Fbm(u, v, 4, 4, seed);
            const Cellular cell = Voronoi(u, v, 32, seed + 1);
            const float net = SmoothStep(0.01f, 0.0f, cell.f2 - cell.f1);
            Rgb c = Mix(dark, light, tone);
            c = Mix(c, light * 1.1f, 0.2f * net) * (0.94f + 0.12f * Unit(Hash(x, y, seed + 2)));
            img.at(x, y) = {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
        }
    }
    return img;
}

// Paints f(s, t) over the pixels of a texture rectangle and a margin of a
// few pixels, 2 x 2 samples a pixel.
inline void PaintRect(Image& img, double s0, double s1, double t0, double t1,
                      const std::function<Rgb(double s, double t, float px, float py)>& f)
{
    const int margin = 3;
    const int x0 = static_cast<int>(PixelX(s0)) - margin, x1 = static_cast<int>(PixelX(s1)) + margin;
    const int y0 = static_cast<int>(PixelY(t1)) - margin, y1 = static_cast<int>(PixelY(t0)) + margin;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            Rgb sum;
            for (int k = 0; k < 4; ++k) {
                const float px = x + 0.25f + 0.5f * (k % 2), py = y + 0.25f + 0.5f * (k / 2);
                sum = sum + f(px / kSize, 2.0 - py / kSize, px, py);
            }
            img.at(x, y) = sum * 0.25f;
        }
    }
}

// ---- painting a mesh's own part of the picture -------------------------------------

// Where a grid point lies on its part: u along (0 root .. 1 tip) and w
// across (-1 one edge, 0 the midrib, 1 the other edge; around a stem 0 .. 1).
struct PartCoord {
    float u = 0, w = 0;
};

// Paints every quad of a grid's strips where its texture coordinates lie:
// each pixel gets paint(u, v, side, px, py) with u and w interpolated from
// the quad's corners (coord(line, point) gives them), v = |w| and side the
// sign of w. Pixels up to
// `margin` outside the part are painted too (from the nearest quad), so that
// filtering at the part's edge never reaches foreign colours.
inline void PaintGrid(Image& img, const Grid& grid, const std::function<PartCoord(int line, int point)>& coord,
                      const std::function<Rgb(float u, float v, float side, float px, float py)>& paint,
                      float margin = 2.5f)
{
    Field distance(kSize, kSize, 1e9f);  // how far outside its quad each painted pixel lies
    auto triangle = [&](const Point* q[3], const PartCoord c[3]) {
        float x[3], y[3];
        for (int k = 0; k < 3; ++k) {
            x[k] = PixelX(q[k]->s);
            y[k] = PixelY(q[k]->t);
        }
        const float area = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
        if (std::abs(area) < 1e-6f)
            return;
        const int x0 = static_cast<int>(std::floor(std::min({x[0], x[1], x[2]}) - margin));
        const int x1 = static_cast<int>(std::ceil(std::max({x[0], x[1], x[2]}) + margin));
        const int y0 = static_cast<int>(std::floor(std::min({y[0], y[1], y[2]}) - margin));
        const int y1 = static_cast<int>(std::ceil(std::max({y[0], y[1], y[2]}) + margin));
        for (int py = y0; py <= y1; ++py) {
            for (int px = x0; px <= x1; ++px) {
                const float cx = px + 0.5f, cy = py + 0.5f;
                float w[3];
                w[1] = ((cx - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (cy - y[0])) / area;
                w[2] = ((x[1] - x[0]) * (cy - y[0]) - (cx - x[0]) * (y[1] - y[0])) / area;
                w[0] = 1 - w[1] - w[2];
                // Outside distance in pixels, roughly: how far the weights fall below 0.
                float outside = 0;
                for (int k = 0; k < 3; ++k)
                    outside = std::max(outside, -w[k]);
                const float span = std::max(
                    {std::abs(x[1] - x[0]), std::abs(x[2] - x[0]), std::abs(y[1] - y[0]), std::abs(y[2] - y[0]), 1.0f});
                const float away = outside * span;
                if (away > margin || away >= distance.at(px, py))
                    continue;
                distance.at(px, py) = away;
                float sum = 0;
                for (float& k : w)
                    sum += (k = std::max(0.0f, k));
                PartCoord p;
                p.u = (w[0] * c[0].u + w[1] * c[1].u + w[2] * c[2].u) / sum;
                p.w = (w[0] * c[0].w + w[1] * c[1].w + w[2] * c[2].w) / sum;
                img.at(px, py) = paint(Clamp01(p.u), Clamp01(std::abs(p.w)), p.w < 0 ? -1.0f : 1.0f, cx, cy);
            }
        }
    };
    for (size_t l = 0; l + 1 < grid.size(); ++l) {
        for (size_t p = 0; p + 1 < grid[l].size(); ++p) {
            const int L = static_cast<int>(l), P = static_cast<int>(p);
            const Point* a[3] = {&grid[l][p], &grid[l + 1][p], &grid[l + 1][p + 1]};
            const PartCoord ca[3] = {coord(L, P), coord(L + 1, P), coord(L + 1, P + 1)};
            triangle(a, ca);
            const Point* b[3] = {&grid[l][p], &grid[l + 1][p + 1], &grid[l][p + 1]};
            const PartCoord cb[3] = {coord(L, P), coord(L + 1, P + 1), coord(L, P + 1)};
            triangle(b, cb);
        }
    }
}

// The part coordinates of a leaf grid [column][row] whose columns lie at
// v[c] across (-1 .. 1, 0 the midrib) and whose rows run root to tip.
inline std::function<PartCoord(int, int)> LeafCoords(const std::vector<double>& v, int rows)
{
    return [v, rows](int line, int point) {
        return PartCoord{rows > 1 ? static_cast<float>(point) / (rows - 1) : 0.0f, static_cast<float>(v[line])};
    };
}

// ---- surfaces --------------------------------------------------------------------

// A leaf's colour at its part coordinates, for PaintGrid.
inline std::function<Rgb(float, float, float, float, float)> Leaf(const LeafLook& look)
{
    return [look](float u, float v, float side, float px, float py) { return LeafAt(look, u, v, side, px, py); };
}

// A stem or stalk: fine lengthwise fibres, darker rings at the nodes, a
// lighter side towards the light. u along, a around (0 .. 1).
inline Rgb StemAt(Rgb base, Rgb light, float u, float a, int nodes, float px, float py, uint32_t seed)
{
    const float fibre = Perlin(a * 24, u * 2, 1 << 20, seed);
    const float lit = 0.5f + 0.5f * std::cos(2 * kPi * (a - 0.25f));
    Rgb c = Mix(base, light, Clamp01(0.35f * lit + 0.25f + 0.2f * fibre));
    if (nodes > 0) {
        const float node = std::abs(u * nodes - std::round(u * nodes));
        c = c * (1.0f - 0.3f * SmoothStep(0.06f, 0.0f, node) * SmoothStep(0.02f, 0.1f, u));
    }
    return c * (0.94f + 0.12f * Unit(Hash(static_cast<int>(px * 2), static_cast<int>(py * 2), seed + 1)));
}

// Driftwood and bark: a grain of stretched rings and fibres along u, deep
// cracks, silvered ridges.
inline Rgb BarkAt(Rgb dark, Rgb light, float u, float a, float px, float py, uint32_t seed)
{
    const float grain = Fbm(a, u * 0.25f, 16, 4, seed);
    const float rings = 0.5f + 0.5f * std::sin(2 * kPi * (a * 9 + 2.5f * grain));
    const Cellular crack = Voronoi(a * 0.5f, u * 0.12f, 10, seed + 1);
    const float gap = SmoothStep(0.012f, 0.0f, crack.f2 - crack.f1);
    Rgb c = Mix(dark, light, Clamp01(0.25f + 0.5f * rings + 0.3f * grain));
    c = Mix(c, dark * 0.45f, 0.8f * gap);
    return c * (0.92f + 0.16f * Unit(Hash(static_cast<int>(px), static_cast<int>(py), seed + 2)));
}

// Stone: speckled rock with faint strata and pale lichen spots.
inline Rgb RockAt(Rgb base, float u, float v, float px, float py, uint32_t seed)
{
    const float strata = 0.5f + 0.5f * std::sin(2 * kPi * (v * 6 + 0.8f * Fbm(u, v, 4, 3, seed)));
    const float rough = Fbm(u, v, 12, 4, seed + 1);
    Rgb c = base * (0.75f + 0.2f * strata + 0.2f * rough);
    const float g = Unit(Hash(static_cast<int>(px), static_cast<int>(py), seed + 2));
    if (g < 0.05f)
        c = c * 0.7f;
    else if (g > 0.96f)
        c = Mix(c, FromBytes(230, 226, 214), 0.5f);
    const float lichen = Fbm(u, v, 6, 3, seed + 3);
    return Mix(c, FromBytes(168, 170, 128), 0.45f * SmoothStep(0.35f, 0.55f, lichen));
}

// Terraces of layered rock: bands of `layers` tones from dark at the foot to
// light on top, each band's edge weathered.
inline Rgb TerraceAt(Rgb low, Rgb high, float height, int layers, float px, float py, uint32_t seed)
{
    const float wobble = 0.3f * Fbm(px / kSize, py / kSize, 8, 3, seed);
    const float level = height * layers + wobble;
    const float band = std::floor(level) / std::max(1, layers - 1);
    const float edge = level - std::floor(level);
    Rgb c = Mix(low, high, Clamp01(band)) * (0.85f + 0.15f * Unit(Hash(static_cast<int>(std::floor(level)), 7, seed)));
    c = c * (1.0f - 0.35f * SmoothStep(0.85f, 1.0f, edge));  // the shadowed lip of each ledge
    return c * (0.93f + 0.14f * Unit(Hash(static_cast<int>(px), static_cast<int>(py), seed + 1)));
}

// ---- the picture registry ----------------------------------------------------------

struct PlantPicture {
    std::string name;  // "cao<N>"
    Image (*draw)();
};

inline std::vector<PlantPicture>& PictureRegistry()
{
    static std::vector<PlantPicture> pictures;
    return pictures;
}

inline bool RegisterPicture(const std::string& name, Image (*draw)())
{
    PictureRegistry().push_back({name, draw});
    return true;
}

// A part another kind paints into a picture it does not own (two kinds drawn
// with one texture): applied after the picture is drawn, in the order of the
// files' names.
struct PicturePart {
    std::string picture;  // "cao<N>"
    void (*paint)(Image& image);
};

inline std::vector<PicturePart>& PicturePartRegistry()
{
    static std::vector<PicturePart> parts;
    return parts;
}

inline bool RegisterPicturePart(const std::string& picture, void (*paint)(Image& image))
{
    PicturePartRegistry().push_back({picture, paint});
    return true;
}

// Picture `name` with every part painted into it; false when no kind draws it.
inline bool DrawPicture(const std::string& name, Image& out)
{
    for (const PlantPicture& p : PictureRegistry()) {
        if (p.name != name)
            continue;
        out = p.draw();
        for (const PicturePart& part : PicturePartRegistry())
            if (part.picture == name)
                part.paint(out);
        return true;
    }
    return false;
}

}  // namespace plant_textures
