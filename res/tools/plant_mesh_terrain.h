// The terrain model: a bank of layered rock across the back of the tank, its
// 45 layers stacked into terraces that step up and back. Each layer is a slab
// with a rounded lip, reaching just deep enough to meet the layers under it
// however a list lifts or leaves out layers (every third layer and the foot
// 7.5 below their tops, as a list lifts those by 6; the others 2.8), and no
// deeper: every layer's walls and caps are drawn, seen or not, and the
// stacked walls are what the model costs a frame. The layers of a terrace
// differ by a thin stratum, and a terrace ends in a broad ledge.
//
// The layer outlines are inward offsets of one outline (and the whole layer
// moved back), so a ring's wall faces the same way in every layer and one set
// of normals serves them all, as the model's tables require.
//
// Shapes are made in tank units about the point the scene places the model
// at, then turned into the model's own frame (the scene's turns and the
// model's, inverted) and divided by the model's scale.
#pragma once
#include "decoration_kit.h"
#include "scenery/terrain_model_meshes.h"

#include <cmath>
#include <vector>

namespace terrain {

using leaf::Vec;

// From the model's table units to tank units about the placement point:
// the scene's turns (-97 about y, -165 about z), then the model's (-91 about
// x, 16 about y, -93 about z), its list scale 0.5 and its position scale 200.
inline deco::Frame ModelTurns()
{
    return deco::Frame{}.Then(-97, {0, 1, 0}).Then(-165, {0, 0, 1}).Then(-91, {1, 0, 0}).Then(16, {0, 1, 0}).Then(
        -93, {0, 0, 1});
}
constexpr double kUnitsPerTableUnit = 0.5 * 200;
// Where the model's origin lies in the tank: the scene's translation and the
// model's own (0, 0.9, 0) after the scene's turns.
inline Vec Origin()
{
    const deco::Frame scene = deco::Frame{}.Then(-97, {0, 1, 0}).Then(-165, {0, 0, 1});
    return Vec{-2.3, -20, -81} + scene.Apply({0, 0.9, 0});
}

// ---- the bank, in tank units about the origin (x right, y up, z to the front) ----

// The foot layer's outline: a rounded oblong (superellipse) 84 long and 30
// deep, centred at tank x 0, z -95, so that the terraces' stepped ends stand
// inside the view.
constexpr double kHalfLength = 42, kHalfDepth = 15, kRoundness = 2.6;
inline Vec OutlineCentre() { return Vec{0, 0, -95} - Vec{Origin().x, 0, Origin().z}; }

// Column c's place on the outline: columns 0 to 8 along the front from left
// to right, 9 to 17 back along the rear, column 17 - c behind column c (the
// caps join them).
inline double ColumnAngle(int c)
{
    const double front = leaf::kPi - (std::min(c, 17 - c) + 0.5) * leaf::kPi / 9;
    return c < 9 ? front : -front;
}
inline double SignedPow(double v, double e) { return (v < 0 ? -1 : 1) * std::pow(std::abs(v), e); }
inline Vec OutlinePoint(int c)
{
    const double a = ColumnAngle(c);
    return OutlineCentre() + Vec{kHalfLength * SignedPow(std::cos(a), 2 / kRoundness), 0,
                                 kHalfDepth * SignedPow(std::sin(a), 2 / kRoundness)};
}
inline Vec OutlineNormal(int c)
{
    const Vec p = OutlinePoint(c) - OutlineCentre();
    const double e = kRoundness - 1;
    return leaf::Normalized(
        {SignedPow(p.x / kHalfLength, e) / kHalfLength, 0, SignedPow(p.z / kHalfDepth, e) / kHalfDepth});
}

// The terraces: layers per terrace, foot first.
constexpr int kTerraceLayers[] = {9, 8, 8, 7, 7, 6};
constexpr double kStratumInset = 0.08;  // each layer in from the one below
constexpr double kLedgeInset = 1.8;     // and at a terrace's first layer, the ledge
constexpr double kLayerRise = 0.32;
constexpr double kFootHeight = 0.3;  // the first layer's top, over the origin

struct Layer {
    int terrace = 0;
    double inset = 0;   // the outline's offset inwards
    double height = 0;  // its top
    double shift = 0;   // along x: a terrace is not centred on the one below
};
inline std::vector<Layer> Layers()
{
    std::vector<Layer> layers;
    double inset = 0, shift = 0;
    for (int terrace = 0; terrace < static_cast<int>(std::size(kTerraceLayers)); ++terrace) {
        // Ledges of uneven width, each terrace a little to one side.
        const double ledge = kLedgeInset * (1 + 0.45 * deco::Noise3({terrace * 0.9 + 0.3, 2.5, 0.5}, 73));
        shift += 2.2 * deco::Noise3({terrace * 0.8 + 0.6, 5.5, 0.5}, 74);
        for (int i = 0; i < kTerraceLayers[terrace]; ++i) {
            if (!layers.empty())
                inset += i == 0 ? ledge : kStratumInset;
            layers.push_back({terrace, inset, kFootHeight + kLayerRise * static_cast<double>(layers.size()), shift});
        }
    }
    return layers;
}

// A layer's wall, ring 0 to ring 7: how far below the top, how far in from
// the outline, and which way it faces (degrees up from outwards). The top
// rounds over in a lip and the stone under the lip is cut back into shade,
// so each stratum shows a lit edge over a dark groove; lower down the wall
// flares out into a foot (under the sand for the lowest layers). A shallow
// layer's two lowest rings tuck in instead, hidden in the layers below; all
// layers share the deep layers' normals.
struct Ring {
    double drop, inset, facing;
};
constexpr Ring kRings[kTerrainRings] = {
    {7.5, -2.5, 35},   // ring 0 of a deep layer
    {4.0, -1.2, 35},   {1.5, 0.2, 10},    {0.55, 0.4, -25}, {0.3, 0.18, -40},
    {0.16, 0.04, 15},  {0.05, 0.2, 55},   {0, 0.45, 90},
};
// Rings 0 and 1 of a shallow layer.
constexpr Ring kShallowRings[2] = {{2.8, 0.6, 35}, {1.9, 0.45, 35}};
inline bool IsDeep(int layer) { return layer % 3 == 0; }

// The whole layer moves back as it goes in, so the front recedes twice as fast
// as the rear edge and the terraces climb towards the back.
inline Vec LayerShift(const Layer& l) { return {l.shift, 0, -l.inset}; }

// Noise for (a, b), about -1..1.
inline double Wander(double a, double b, uint32_t seed) { return deco::Noise3({a, b, 0.5}, seed); }

inline Vec WallNormal(int ring, int column)
{
    const double a = kRings[ring].facing * leaf::kPi / 180;
    return OutlineNormal(column) * std::cos(a) + Vec{0, std::sin(a), 0};
}

inline Vec WallPoint(const std::vector<Layer>& layers, int layer, int ring, int column)
{
    const Layer& l = layers[layer];
    // Each terrace has its own ragged edge; its strata wander a little about it,
    // and their tops are not quite level.
    const double ragged = 2.6 * Wander(l.terrace * 1.37, column * 1.13, 70) + 2.0 * Wander(0.5, column * 0.83, 75);
    const double wander = 0.3 * Wander(layer * 0.45, column * 1.7, 71);
    const double lip = 0.08 * Wander(layer * 0.6, column * 1.3, 72);
    const Ring& r = ring < 2 && !IsDeep(layer) ? kShallowRings[ring] : kRings[ring];
    const Vec outline = OutlinePoint(column) - OutlineNormal(column) * (l.inset + r.inset - ragged - wander);
    const double y = l.height + lip - r.drop;
    return outline + LayerShift(l) + Vec{0, y, 0};
}

// ---- the tables ----------------------------------------------------------------------

inline Vec ToTable(Vec tank) { return ModelTurns().Unapply(tank) * (1 / kUnitsPerTableUnit); }

inline void WriteTables(std::FILE* out)
{
    const std::vector<Layer> layers = Layers();
    const deco::Frame turns = ModelTurns();
    std::vector<leaf::MeshBuilder::Entry> positions(kTerrainLayers * kTerrainBlock), normals(kTerrainBlock),
        tex(kTerrainBlock);
    for (int k = 0; k < kTerrainLayers; ++k) {
        // The entries no ring uses hold the middle of the layer's top.
        const Vec top = ToTable(OutlineCentre() + LayerShift(layers[k]) + Vec{0, layers[k].height, 0});
        positions[k * kTerrainBlock] = positions[k * kTerrainBlock + kTerrainBlock - 1] = {top.x, top.y, top.z};
        for (int r = 0; r < kTerrainRings; ++r)
            for (int c = 0; c < kTerrainColumns; ++c) {
                const Vec p = ToTable(WallPoint(layers, k, r, c));
                positions[k * kTerrainBlock + TerrainPositionIndex(r, c)] = {p.x, p.y, p.z};
            }
    }
    const Vec up = turns.Unapply({0, 1, 0});
    normals[0] = normals[kTerrainBlock - 1] = {up.x, up.y, up.z};
    tex[0] = tex[kTerrainBlock - 1] = {0, 1, 0};
    for (int r = 0; r < kTerrainRings; ++r)
        for (int c = 0; c < kTerrainColumns; ++c) {
            const Vec n = turns.Unapply(leaf::Normalized(WallNormal(r, c)));
            normals[TerrainNormalIndex(r, c)] = {n.x, n.y, n.z};
            tex[TerrainNormalIndex(r, c)] = {static_cast<double>(c) / kTerrainColumns,
                                              1.0 + static_cast<double>(r) / (kTerrainRings - 1), 0};
        }
    leaf::WriteFloats(out, "g_TerrainPositions", positions, 3);
    leaf::WriteFloats(out, "g_TerrainNormals", normals, 3);
    leaf::WriteFloats(out, "g_TerrainTexCoords", tex, 2);
}

inline const bool kRegistered = leaf::RegisterMeshTables("scenery/terrain_model_meshes.h", WriteTables);

}  // namespace terrain
