// Species 10, the green swordtail (Xiphophorus hellerii), male: its grids,
// body, fin outlines and texture layout, shared by its mesh tables and its
// picture. A slender olive body with a pointed snout and an upturned mouth,
// the back rising straight from the snout to the dorsal fin, a long deep
// tail stalk; a long-based dorsal fin, the gonopodium (the male's anal fin)
// as a rod pointing down and back, and the truncate tail whose lowest rays
// run out into the sword.
#pragma once
#include "fish/fish_species10_meshes.h"
#include "gen_fish_build.h"

#include <algorithm>
#include <array>

namespace fish10 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish10Body)>();
constexpr int kLastColumn = kBodySize.columns - 1;

// ---- the body ------------------------------------------------------------------

// The nose column as the class keeps it (y <= 0 half): position, normal, s, t.
inline constexpr float kNose[6][8] = {
    {-0.464683f, 0.0f, -0.00209942f, -0.749392f, 0.0f, 0.662127f, 0.047137f, 1.20245f},
    {-0.450723f, -0.038911f, -0.00226726f, -0.61681f, -0.666792f, 0.41825f, 0.100058f, 1.2028f},
    {-0.455712f, -0.0453241f, -0.0368553f, -0.450856f, -0.891523f, 0.0437628f, 0.100829f, 1.18042f},
    {-0.454247f, -0.0422669f, -0.067858f, -0.364296f, -0.901479f, -0.233718f, 0.0994707f, 1.15942f},
    {-0.445596f, -0.0304073f, -0.0837713f, -0.197144f, -0.361865f, -0.911146f, 0.0976576f, 1.14476f},
    {-0.443262f, 0.0f, -0.0895843f, -0.187722f, 0.0f, -0.982222f, 0.0721735f, 1.12933f},
};

// The deepest column (8): its top and belly points and its width at row 2.
inline constexpr V3 kDeepTop{-0.127111f, 0.0f, 0.13026f};
inline constexpr V3 kDeepBelly{-0.185476f, 0.0f, -0.127666f};
inline constexpr float kDeepWidth = 0.0829142f;
// The last column (17): flat in y = 0 where the tail's sheet begins.
inline constexpr V3 kStalkTop{0.345231f, 0.0f, 0.0371115f};
inline constexpr V3 kStalkBelly{0.323748f, 0.0f, -0.0666223f};

// Per body column: the section's centre x, the back and belly heights, the
// half width at row 2, and how far the section leans back per unit up.
// Column 0 stands for the nose (kNose holds its points).
struct ColumnShape {
    float x, top, belly, width, lean;
};
inline constexpr std::array<ColumnShape, 18> kColumns = {{
    {-0.4540f, -0.0021f, -0.0896f, 0.0440f, 0.0f},
    {-0.4300f, 0.0130f, -0.1000f, 0.0560f, 0.00f},
    {-0.3890f, 0.0340f, -0.1100f, 0.0660f, 0.02f},
    {-0.3380f, 0.0620f, -0.1180f, 0.0760f, 0.08f},
    {-0.2660f, 0.0880f, -0.1220f, 0.0820f, 0.14f},
    {-0.2480f, 0.1020f, -0.1240f, 0.0850f, 0.18f},
    {-0.2150f, 0.1140f, -0.1260f, 0.0862f, 0.21f},
    {-0.1860f, 0.1230f, -0.1270f, 0.0850f, 0.22f},
    {(kDeepTop.x + kDeepBelly.x) / 2, kDeepTop.z, kDeepBelly.z, kDeepWidth,
     (kDeepTop.x - kDeepBelly.x) / (kDeepTop.z - kDeepBelly.z)},
    {-0.1080f, 0.1280f, -0.1283f, 0.0790f, 0.22f},
    {-0.0560f, 0.1210f, -0.1260f, 0.0730f, 0.22f},
    {0.0000f, 0.1100f, -0.1200f, 0.0650f, 0.22f},
    {0.0600f, 0.0970f, -0.1110f, 0.0560f, 0.22f},
    {0.1290f, 0.0830f, -0.1000f, 0.0470f, 0.22f},
    {0.1800f, 0.0690f, -0.0900f, 0.0370f, 0.22f},
    {0.2280f, 0.0560f, -0.0810f, 0.0270f, 0.215f},
    {0.2800f, 0.0450f, -0.0730f, 0.0150f, 0.21f},
    {(kStalkTop.x + kStalkBelly.x) / 2, kStalkTop.z, kStalkBelly.z, 0.0f,
     (kStalkTop.x - kStalkBelly.x) / (kStalkTop.z - kStalkBelly.z)},
}};

// The section is this much wider toward the back than toward the belly.
inline constexpr float kEgg = 0.15f;

// A smooth curve through one value per body column (Catmull-Rom), over
// u = column / 17.
struct ColumnCurve {
    float ColumnShape::* field;
    float operator()(float u) const
    {
        const float j = std::clamp(u, 0.0f, 1.0f) * kLastColumn;
        const int i = std::min(static_cast<int>(j), kLastColumn - 1);
        const float t = j - i;
        auto v = [this](int k) { return kColumns[static_cast<size_t>(std::clamp(k, 0, kLastColumn))].*field; };
        const float p0 = v(i - 1), p1 = v(i), p2 = v(i + 1), p3 = v(i + 2);
        return 0.5f * (2 * p1 + (p2 - p0) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t * t +
                       (3 * p1 - p0 - 3 * p2 + p3) * t * t * t);
    }
};

// The body between its columns: u = column / 17, theta from the back ridge
// (0) to the belly line (pi).
struct SwordtailBody {
    ColumnCurve x{&ColumnShape::x}, top{&ColumnShape::top}, belly{&ColumnShape::belly},
        width{&ColumnShape::width}, lean{&ColumnShape::lean};

    float Mid(float u) const { return 0.5f * (top(u) + belly(u)); }
    V3 Surface(float u, float theta) const
    {
        const float mid = Mid(u), half = 0.5f * (top(u) - belly(u));
        const float row2 = 0.4f * kPi;
        const float radius = std::max(0.0f, width(u)) / (std::sin(row2) * (1.0f + kEgg * std::cos(row2)));
        const float z = mid + half * std::cos(theta);
        return {x(u) + lean(u) * (z - mid), radius * std::sin(theta) * (1.0f + kEgg * std::cos(theta)), z};
    }
    V3 Normal(float u, float theta) const
    {
        const float e = 1e-3f;
        u = std::clamp(u, e, 1.0f - e);
        theta = std::clamp(theta, 0.02f, kPi - 0.02f);
        const V3 du = Surface(u + e, theta) - Surface(u - e, theta);
        const V3 dt = Surface(u, theta + e) - Surface(u, theta - e);
        V3 n = Normalize(Cross(du, dt));
        return n.y < 0 ? n * -1.0f : n;
    }
    // The u whose section passes through x at height z.
    float UAt(float px, float z) const
    {
        float lo = 0.0f, hi = 1.0f;
        for (int i = 0; i < 40; ++i) {
            const float u = 0.5f * (lo + hi);
            (x(u) + lean(u) * (z - Mid(u)) < px ? lo : hi) = u;
        }
        return 0.5f * (lo + hi);
    }
    float ThetaAt(float u, float z) const
    {
        const float half = 0.5f * (top(u) - belly(u));
        return std::acos(std::clamp((z - Mid(u)) / half, -1.0f, 1.0f));
    }
    // The flank's point at (x, z), lifted off the skin by `lift`.
    V3 OnFlank(float px, float z, float lift) const
    {
        const float u = UAt(px, z), theta = ThetaAt(u, z);
        return Surface(u, theta) + Normal(u, theta) * lift;
    }
    V3 FlankNormal(float px, float z) const
    {
        const float u = UAt(px, z);
        return Normal(u, ThetaAt(u, z));
    }
    // The back and belly heights over x (the outline seen from the side).
    float BackAt(float px) const
    {
        const float u = UAt(px, top(UAt(px, 0.0f)));
        return top(u);
    }
    float BellyAt(float px) const
    {
        const float u = UAt(px, belly(UAt(px, 0.0f)));
        return belly(u);
    }
    float MidAt(float px) const { return Mid(UAt(px, 0.0f)); }
};

inline const SwordtailBody& Body()
{
    static const SwordtailBody body;
    return body;
}

// ---- the texture: 512 x 512; every part maps into t 1 .. 2 ---------------------

inline const PictureSize kPicture{512, 512};
// The body and the jaws as seen from the side.
inline const SideView kSkin{{0.047137f, 1.09668f, 0.993748f, 1.31309f}, -0.464683f, 0.345231f, -0.128643f, 0.13026f};
// The jaws' own stretch of the side view in front of the body.
inline const SideView kUpperJawSkin{{0.00585938f, 1.1553f, 0.100829f, 1.2028f}, -0.5f, -0.450723f, -0.0688345f,
                                    -0.00209942f};
inline const SideView kLowerJawSkin{{0.0128275f, 1.12933f, 0.0994707f, 1.15942f}, -0.494038f, -0.443262f,
                                    -0.0895843f, -0.063675f};
// The midline fins, each seen from the side over its own rectangle.
inline const SideView kDorsalSide{{0.00585938f, 1.76631f, 0.990605f, 1.99707f}, -0.127977f, 0.231678f, 0.0427489f,
                                  0.211308f};
inline const SideView kGonopodiumSide{{0.451172f, 1.50529f, 0.993015f, 1.72972f}, 0.107465f, 0.239545f, -0.181064f,
                                      -0.0653952f};
inline const SideView kTailSide{{0.00585935f, 1.50293f, 0.437511f, 1.75959f}, 0.275658f, 0.499489f, -0.13731f,
                                0.128873f};
// The paired fins over a (along the edge) and b (root 0 to edge 1).
inline const Region kPectoralFin{0.00585935f, 1.32024f, 0.515667f, 1.49707f};
inline const Region kPelvicFin{0.654135f, 1.31934f, 0.994141f, 1.49565f};
inline const EyeDisc kEyeDisc{0.0975f, 1.0454f, 21.0f, kPicture};
// The mouth corner's patch.
inline const Region kMouthCornerPatch{0.340693f, 1.02344f, 0.383941f, 1.04375f};

// ---- the parts' places (the segments their class turns them by) ------------------

// The eye turns with the mean of segments 1 and 2.
inline constexpr float kEyeX = -0.4075f, kEyeZ = -0.0079f, kEyeRadius = 0.0210f;

// The dorsal fin: column c roots over segment 8 + c / 2, its edge high in
// front and falling away to a point behind its last root.
inline int DorsalSegment(int c) { return 8 + c / 2; }
// The pectoral fin turns with segment 4, the pelvic with 10, the tail with 17.
inline constexpr float kPectoralSegment = 4.0f, kPelvicSegment = 10.0f;
// The gonopodium: column c over segment 13 + c / 3.
inline int GonopodiumSegment(int c) { return 13 + c / 3; }

// The tail: the edge's points (x, z), from the upper corner on the stalk's
// back over the truncate edge to the notch, out along the sword to its
// tip and back along its lower margin to the stalk's belly.
inline const std::vector<V3> kTailEdge = {
    {0.352f, 0, 0.046f},    {0.374f, 0, 0.082f},    {0.396f, 0, 0.108f},    {0.414f, 0, 0.122f},
    {0.428f, 0, 0.124f},    {0.436f, 0, 0.108f},    {0.440f, 0, 0.084f},    {0.442f, 0, 0.058f},
    {0.442f, 0, 0.032f},    {0.440f, 0, 0.006f},    {0.437f, 0, -0.020f},   {0.433f, 0, -0.046f},
    {0.428f, 0, -0.072f},   {0.445f, 0, -0.0905f},  {0.463f, 0, -0.1010f},  {0.482f, 0, -0.1100f},
    {0.4990f, 0, -0.1180f}, {0.488f, 0, -0.1250f},  {0.466f, 0, -0.1270f},  {0.440f, 0, -0.1270f},
    {0.410f, 0, -0.1235f},  {0.376f, 0, -0.1120f},  {0.342f, 0, -0.0840f},
};
constexpr int kSwordTip = 16;  // the column at the sword's tip
constexpr int kSwordFrom = 12;  // the notch: the sword's columns follow
// The sword's upper side over the fin: from the stalk's belly to its tip.
inline constexpr V3 kSwordRoot{0.330f, 0.0f, -0.0790f};

}  // namespace fish10
