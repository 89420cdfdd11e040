// The plant textures: 256 x 256 pictures of leaf tissue, each with its
// plant's leaf painted into the part of the texture the leaf's coordinates
// address (plant_leaves.h). Texture t runs from 1 to 2 and repeats: t = 2 is
// the top row of the picture, t = 1 its bottom.
#pragma once
#include "plant_leaves.h"
#include "texture_kit.h"

#include <functional>

namespace plant_textures {

using namespace kit;

constexpr int kSize = 256;

// Picture position of a texture coordinate, in pixels (row 0 at the top).
inline float PixelX(double s) { return static_cast<float>(s * kSize); }
inline float PixelY(double t) { return static_cast<float>((2.0 - t) * kSize); }

// How a leaf is coloured and veined.
enum class Venation { Pinnate, Parallel, Arcuate };
struct LeafLook {
    Rgb base, tip, rim, rib, vein;
    Venation venation;
    int veins;          // pinnate: pairs; parallel: lines; arcuate: arcs a side
    float slant;        // pinnate: how far a vein runs towards the tip, in u per v
    float ribWidth;     // midrib half width, in v
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

// ---- cao0: sway plant A's bush of lanceolate leaves ------------------------

inline Image SwayBushLeaves()
{
    using namespace plant_leaves;
    Image img = Tissue(FromBytes(34, 86, 30), FromBytes(92, 150, 58), 501);
    const LeafLook look{FromBytes(40, 112, 36), FromBytes(126, 176, 62), FromBytes(176, 214, 112),
                        FromBytes(170, 206, 104), FromBytes(150, 196, 96), Venation::Pinnate, 8, 0.09f,
                        0.09f, 0.55f, 502};
    const double s0 = kLeafAS[0], s1 = kLeafAS[kLeafAColumns - 1], mid = (s0 + s1) / 2;
    PaintRect(img, s0, s1, kLeafAT[0], kLeafAT[1], [&](double s, double t, float px, float py) {
        const float u = Clamp01(static_cast<float>((t - kLeafAT[0]) / (kLeafAT[1] - kLeafAT[0])));
        const float across = static_cast<float>((s - mid) / (s1 - mid));
        return LeafAt(look, u, std::min(1.0f, std::abs(across)), across < 0 ? -1.0f : 1.0f, px, py);
    });
    return img;
}

// ---- cao2: sway plant B's ribbon blades ------------------------------------

inline Image SwayBlades()
{
    using namespace plant_leaves;
    Image img = Tissue(FromBytes(52, 104, 40), FromBytes(118, 164, 70), 511);
    const LeafLook look{FromBytes(70, 136, 52), FromBytes(150, 170, 70), FromBytes(178, 212, 120),
                        FromBytes(160, 200, 110), FromBytes(52, 110, 44), Venation::Parallel, 6, 0.0f,
                        0.05f, 0.35f, 512};
    const double s0 = kBladeBS[kBladeBColumns - 1], s1 = kBladeBS[0], mid = (s0 + s1) / 2;
    PaintRect(img, s0, s1, kBladeBT[0], kBladeBT[1], [&](double s, double t, float px, float py) {
        const float u = Clamp01(static_cast<float>((t - kBladeBT[0]) / (kBladeBT[1] - kBladeBT[0])));
        const float across = static_cast<float>((s - mid) / (s1 - mid));
        Rgb c = LeafAt(look, u, std::min(1.0f, std::abs(across)), across < 0 ? -1.0f : 1.0f, px, py);
        // A few rust-red streaks, as on real tape grass.
        const float streak = Fbm(px / kSize * 4, py / kSize * 0.5f, 16, 2, 513);
        return Mix(c, FromBytes(150, 84, 46), 0.5f * SmoothStep(0.45f, 0.65f, streak));
    });
    return img;
}

// ---- cao3: sway plant C's broad, arcuate-veined leaf -------------------------

inline Image SwayBroadLeaf()
{
    using namespace plant_leaves;
    Image img = Tissue(FromBytes(26, 74, 30), FromBytes(72, 128, 52), 521);
    const LeafLook look{FromBytes(30, 96, 36), FromBytes(66, 134, 48), FromBytes(150, 196, 100),
                        FromBytes(176, 206, 116), FromBytes(118, 170, 86), Venation::Arcuate, 2, 0.0f,
                        0.07f, 0.6f, 522};
    // The half leaf in texture space: t rises from the stalk to the tip, and
    // at each t the leaf spans s from the midrib to the rim.
    const LeafC leafC = SwayLeafC();
    std::vector<std::pair<double, double>> rib, rim;
    for (const Point& q : leafC.vein[0])
        rib.push_back({q.t, q.s});
    rim.push_back(rib.front());  // the base runs from the stalk out to the rim
    for (const Point& q : leafC.edge[0])
        rim.push_back({q.t, q.s});
    rib.push_back(rim.back());
    const Curve<double> ribS(rib), rimS(rim);
    const double tLow = rib.front().first, tHigh = rib.back().first;
    PaintRect(img, kLeafCEdgeS[0], kLeafCEdgeS[1], kLeafCEdgeT[0], kLeafCEdgeT[1],
              [&](double s, double t, float px, float py) {
                  const double width = std::max(1e-3, rimS(t) - ribS(t));
                  const float u = Clamp01(static_cast<float>((t - tLow) / (tHigh - tLow)));
                  const float v = Clamp01(static_cast<float>(std::abs(s - ribS(t)) / width));
                  return LeafAt(look, u, v, 1.0f, px, py);
              });
    return img;
}

}  // namespace plant_textures
