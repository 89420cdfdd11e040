// cao13: the sea anemone (plant kind 13). Its tentacles run from a deep
// rose foot through a translucent coral body to a pale, swollen tip.
#pragma once
#include "part_paint.h"
#include "plant_mesh_sea_anemone.h"

namespace plant_textures {

inline Rgb TentacleAt(float u, float a, float px, float py)
{
    // u from the foot (0) to the tip (1), a around.
    const Rgb foot = FromBytes(120, 24, 62), body = FromBytes(222, 84, 96), tip = FromBytes(246, 168, 196);
    Rgb c = Mix(foot, body, SmoothStep(0.0f, 0.45f, u));
    c = Mix(c, tip, SmoothStep(0.72f, 0.95f, u));
    // Faint rings along the tentacle, and lengthwise stripes.
    const float rings = 0.5f + 0.5f * std::cos(2 * kPi * u * 9);
    const float stripes = 0.5f + 0.5f * std::cos(2 * kPi * a * 3);
    c = c * (0.9f + 0.07f * rings + 0.05f * stripes);
    return c * (0.94f + 0.12f * Unit(Hash(static_cast<int>(px), static_cast<int>(py), 1311)));
}

// The anemone's flesh for the rest of the picture.
inline Image SeaAnemone()
{
    Image img = Tissue(FromBytes(120, 40, 60), FromBytes(220, 110, 100), 1301);
    const leaf::TexRect tentacle = {anemone_mesh::kS[0], anemone_mesh::kS[1], anemone_mesh::kT[2], anemone_mesh::kT[0]};
    PaintPart(img, tentacle, TentacleAt);
    return img;
}

inline const bool kCao13 = RegisterPicture("cao13", SeaAnemone);

}  // namespace plant_textures
