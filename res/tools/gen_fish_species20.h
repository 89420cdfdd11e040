// Species 20, the ocellate river stingray (Potamotrygon motoro): its grids,
// disc, tail, front lobes, eyes and texture layout, shared by its mesh tables
// and its picture. The class turns the disc, the lobes, the keel and the eyes
// by the first bend angle and each tail column by its own: the tail's root
// stands on the turning axis (x = 0), at the disc's rear.
#pragma once
#include "fish/fish_species20_meshes.h"
#include "gen_fish_build.h"

namespace fish20 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish20Body)>();
constexpr GridSize kTailSize = SizeOf<decltype(g_Fish20Tail)>();

// The disc: flat across its front edge (where the lobes round it), widest a
// third of the way back, drawn in to a line at the tail root; a domed back
// over a flatter belly, meeting in a thin rim. u runs over x from the front
// edge (u = 0) to the rear (u = 1).
inline const BodyShape kDisc{
    .snoutX = -0.439f,
    .tailX = 0.011f,
    .back = {{0.0f, -0.030f}, {0.05f, -0.0163f}, {0.15f, 0.002f}, {0.3f, 0.030f}, {0.45f, 0.041f}, {0.6f, 0.036f},
             {0.75f, 0.018f}, {0.9f, -0.008f}, {1.0f, -0.026f}},
    .belly = {{0.0f, -0.030f}, {0.05f, -0.047f}, {0.15f, -0.064f}, {0.3f, -0.075f}, {0.45f, -0.078f},
              {0.6f, -0.075f}, {0.75f, -0.066f}, {0.9f, -0.048f}, {1.0f, -0.028f}},
    .thickness = {{0.0f, 0.124f}, {0.05f, 0.146f}, {0.12f, 0.176f}, {0.25f, 0.207f}, {0.4f, 0.218f}, {0.55f, 0.208f},
                  {0.7f, 0.186f}, {0.82f, 0.146f}, {0.9f, 0.098f}, {0.96f, 0.046f}, {1.0f, 0.012f}},
    .egg = 0.0f,
};
inline const Segments kColumns = Segments::Even(0.0f, 1.0f, kBodySize.columns);

inline float SmoothStep01(float t) { return t * t * (3 - 2 * t); }

// The rows round the half section: the back's midline (0) out to the rim (4,
// 5, which the class ripples) and in under the belly (7). The flat outer band
// from rows 3 and 6 to the rim is what rises and falls.
inline const float kRowTheta[8] = {0.0f, 0.09f * kPi, 0.15f * kPi, 0.22f * kPi,
                                   0.48f * kPi, 0.52f * kPi, 0.75f * kPi, kPi};
constexpr int kRimRow = 4;

// The height of the disc's back at (x, y): the top of the section there.
inline float TopAt(float x, float y)
{
    const float u = std::clamp(kDisc.UOf(x), 0.0f, 1.0f);
    const float s = std::clamp(y / kDisc.Thickness(u), 0.0f, 1.0f);
    return kDisc.MidLine(u) + 0.5f * (kDisc.Back(u) - kDisc.Belly(u)) * std::sqrt(1.0f - s * s);
}

// The whip tail: column c at x from the axis to the tip, a thin ring round
// its middle line (top, +y side, bottom, -y side, top again).
constexpr float kTailLength = 0.486f;
constexpr float kTailMidZ = -0.027f;
inline float TailX(int c) { return kTailLength * Along(c, kTailSize.columns); }
inline float TailHalfHeight(float a) { return 0.003f + 0.0125f * std::pow(1.0f - a, 1.3f); }
// Wide enough to show as one line from above at the tank's distances (a
// thinner whip breaks into dots there).
inline float TailHalfWidth(float a) { return 0.0095f - 0.0045f * a; }

// The front lobes round the disc's straight front edge: rooted inside the
// disc, they reach forward in the rim's plane to a rounded outline, from
// y = kLobeInner to the front corner.
constexpr float kLobeInner = 0.026f, kLobeOuter = 0.119f;
constexpr float kLobeRootX = -0.405f;
inline float LobeY(float a) { return Mix(kLobeInner, kLobeOuter, a); }
// The disc's outline in front of its widest place: a rounded square of
// half-length kOutlineFront ahead of kOutlineCentre, half-width kOutlineWidth.
constexpr float kOutlineCentre = -0.2f, kOutlineFront = 0.275f, kOutlineWidth = 0.218f, kOutlinePower = 2.3f;
inline float OutlineX(float y)
{
    const float s = std::pow(std::clamp(y / kOutlineWidth, 0.0f, 1.0f), kOutlinePower);
    return kOutlineCentre - kOutlineFront * std::pow(1.0f - s, 1.0f / kOutlinePower);
}
// The lobes follow the outline, drawn back toward the midline (a small
// dimple at the snout between the two).
inline float LobeFrontX(float a)
{
    const float dimple = 1.0f - SmoothStep01(std::min(1.0f, a / 0.3f));
    return Mix(OutlineX(LobeY(a)), kDisc.snoutX - 0.012f, 0.6f * dimple);
}
inline float LobeZ(float b) { return kDisc.MidLine(0.0f) - 0.004f * b * b; }
inline V3 LobePoint(float a, float b) { return {Mix(kLobeRootX, LobeFrontX(a), b), LobeY(a), LobeZ(b)}; }

// The keel of spines over the tail root, just off the midline.
constexpr float kKeelY = -0.002f;
constexpr float kKeelFrom = -0.076f, kKeelTo = 0.0135f;

// The eyes: raised domes on the back near the front corners, their base sunk
// below the skin as deep as the drift lifts them.
constexpr float kEyeX = -0.4195f, kEyeY = 0.1265f;
constexpr float kEyeHalfLength = 0.0074f, kEyeHalfWidth = 0.0044f, kEyeHeight = 0.0085f, kEyeSink = 0.008f;

// ---- the texture: 512 x 512, the layout in t 1 to 2 ----

inline const PictureSize kPicture{512, 512};
// The disc over u (s) and theta / pi, the back's midline at the top.
inline const Region kSkin{0.032f, 1.5f, 0.852f, 1.006f};
// The tail: along it (a) up the picture, round it (b) across.
inline const Region kTailSkin{0.871f, 1.007f, 0.929f, 1.667f};
inline const Region kKeelSkin{0.701f, 1.814f, 0.982f, 1.994f};
inline const Region kLobeSkin{0.486f, 1.816f, 0.688f, 1.991f};
inline const Region kEyeSkin{0.874f, 1.678f, 0.994f, 1.803f};
// The patch in front of the disc takes one texel, painted as the rim.
constexpr float kCapS = 0.025f, kCapT = 1.622f;

}  // namespace fish20
