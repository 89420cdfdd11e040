// The plant group's pictures (cao12, cao15, cao17): one painter, three
// looks. Every part of the meshes is painted where plant_mesh_plant_group.h
// puts its texture coordinates: the leaf, the bud and its sepals, the round
// leaf seen from above, the stem and the petal stalk.
#pragma once
#include "plant_mesh_plant_group.h"
#include "part_paint.h"

namespace plant_textures {

struct PlantGroupLook {
    Rgb tissueDark, tissueLight;  // the rest of the picture
    LeafLook leaf;
    Rgb stem, stemLight;
    int stemNodes;
    Rgb budFoot, budTip, budRidge;  // the bud's body, foot to tip, and its petals' seams
    LeafLook sepal;
    Rgb roundLeaf, roundLeafCentre, roundLeafVein;
    Rgb petal, petalTip;
    float prickles;  // dark dots on the stem, 0 to 1
    uint32_t seed;
};

inline Rgb BudColour(const PlantGroupLook& look, float u, float a, float px, float py)
{
    Rgb c = Mix(look.budFoot, look.budTip, SmoothStep(0.1f, 0.9f, u));
    // Five closed petals: a darker seam where two meet, fine veins along each.
    const float petal = a * 5.0f;
    const float seam = std::abs(petal - std::round(petal));
    c = Mix(c, look.budRidge, 0.6f * SmoothStep(0.08f, 0.0f, seam) * SmoothStep(0.25f, 0.45f, u));
    const float veins = 0.5f + 0.5f * std::cos(2 * kPi * petal * 7);
    c = c * (0.92f + 0.08f * veins);
    c = c * (0.9f + 0.2f * (0.5f + 0.5f * Fbm(px / kSize, py / kSize, 16, 3, look.seed + 11)));
    return c;
}

inline Rgb RoundLeafColour(const PlantGroupLook& look, float x, float y, float px, float py)
{
    const float rho = std::sqrt(x * x + y * y), angle = std::atan2(y, x);
    Rgb c = Mix(look.roundLeafCentre, look.roundLeaf, SmoothStep(0.0f, 0.35f, rho));
    // Veins run out from the centre and fork towards the rim.
    const float spokes = angle / (2 * kPi) * 18.0f;
    const float d = std::abs(spokes - std::round(spokes));
    const float forks = angle / (2 * kPi) * 36.0f + 0.5f;
    const float e = std::abs(forks - std::round(forks));
    float vein = SmoothStep(0.07f, 0.0f, d) * SmoothStep(0.05f, 0.15f, rho);
    vein = std::max(vein, 0.7f * SmoothStep(0.06f, 0.0f, e) * SmoothStep(0.55f, 0.7f, rho));
    c = Mix(c, look.roundLeafVein, 0.55f * vein);
    c = c * (0.9f + 0.2f * (0.5f + 0.5f * Fbm(px / kSize, py / kSize, 16, 4, look.seed + 21)));
    return Mix(c, c * 0.8f, SmoothStep(0.9f, 1.0f, rho));  // a darker margin
}

inline Image PaintPlantGroup(const PlantGroupLook& look)
{
    namespace pg = plant_group_mesh;
    Image img = Tissue(look.tissueDark, look.tissueLight, look.seed);

    // The leaf: rows from its root, points across.
    const std::vector<double> across = leaf::EvenColumns(pg::kLeafColumns);
    PaintGrid(img, pg::Leaf(), [&](int row, int point) {
        return PartCoord{static_cast<float>(row) / (pg::kLeafRows - 1), static_cast<float>(across[point])};
    }, Leaf(look.leaf));

    // The bud: around s, along t; its sepals share one part.
    PaintPart(img, pg::kBudRect, [&](float u, float a, float px, float py) { return BudColour(look, u, a, px, py); });
    PaintGrid(img, pg::BulbShape().sepals[0], LeafCoords(leaf::EvenColumns(pg::kSepalColumns), pg::kSepalRows),
              Leaf(look.sepal));

    // The round leaf seen from above.
    PaintPart(img, pg::kRoundLeafRect, [&](float u, float a, float px, float py) {
        return RoundLeafColour(look, 2 * a - 1, 2 * u - 1, px, py);
    });

    // The stem (and the round leaf's stalk, which takes a strip of it).
    PaintPart(img, pg::kStemRect, [&](float u, float a, float px, float py) {
        const Rgb c = StemAt(look.stem, look.stemLight, u, a, look.stemNodes, px, py, look.seed + 31);
        // Fine prickles: a dark speck here and there.
        const float speck = Unit(Hash(static_cast<int>(px), static_cast<int>(py), look.seed + 32));
        return Mix(c, c * 0.5f, look.prickles * SmoothStep(0.985f, 0.995f, speck));
    });

    // The petal stalk: fresh at its foot, coloured at its tip.
    PaintPart(img, pg::kPetalRect, [&](float u, float a, float px, float py) {
        const Rgb c = StemAt(look.petal, look.petal * 1.3f, u, a, 0, px, py, look.seed + 41);
        return Mix(c, look.petalTip, SmoothStep(0.45f, 0.85f, u));
    });
    return img;
}

}  // namespace plant_textures
