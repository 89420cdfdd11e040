// The strand plant's part of cao0 (sway plant A's picture, plant kinds 0,
// 11 and 14): its stalk and its bulb, where the strand's model puts them.
#pragma once
#include "part_paint.h"
#include "plant_mesh_strand.h"

namespace plant_textures {

// The stalk: green fibres darkening towards the foot. u along the stalk.
inline Rgb StrandStalkAt(float u, float a, float px, float py)
{
    const Rgb c = StemAt(FromBytes(58, 104, 40), FromBytes(140, 178, 86), u, a, 0, px, py, 541);
    return c * (0.75f + 0.25f * u);
}

// The bulb: a purple-brown tuber with pale lengthwise veins, green at the
// neck where the stalk joins. u from the neck (0) to the tip (1).
inline Rgb StrandBulbAt(float u, float a, float px, float py)
{
    Rgb c = Mix(FromBytes(96, 120, 56), FromBytes(118, 66, 70), SmoothStep(0.0f, 0.35f, u));
    c = Mix(c, FromBytes(170, 120, 110), SmoothStep(0.75f, 1.0f, u));
    const float veins = Perlin(a * 6, u * 1.5f, 1 << 20, 542);
    c = Mix(c, FromBytes(200, 170, 150), 0.3f * SmoothStep(0.4f, 0.9f, veins));
    return c * (0.9f + 0.2f * (0.5f + 0.5f * Fbm(px / kSize, py / kSize, 32, 3, 543)));
}

inline void PaintStrand(Image& img)
{
    using namespace strand_mesh;
    PaintPart(img, {kStalkS[0], kStalkS[1], kStalkT[0], kStalkT[1]}, StrandStalkAt);
    PaintPart(img, {kBulbS[0], kBulbS[1], kBulbT[0], kBulbT[1]}, StrandBulbAt);
}

inline const bool kStrandPart = RegisterPicturePart("cao0", PaintStrand);

}  // namespace plant_textures
