// Species 9, the tiger barb (Puntigrus tetrazona): its grids, body shape,
// segments, fin places and texture layout, shared by its mesh tables and its
// picture. A deep, short, laterally flat barb: a pointed snout, a back that
// rises steeply to a high, pointed dorsal fin, a deep belly carrying red
// pelvic fins, a short deep tail stalk and a forked tail.
#pragma once
#include "fish/fish_species09_meshes.h"
#include "gen_fish_build.h"

#include <array>

namespace fish09 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish09Body)>();

// The body's back line (x, z) and its texture coordinates (s, t), column by
// column: the game's own values, which the side view below reproduces.
struct RidgePoint {
    float x, z, s, t;
};
constexpr RidgePoint kRidge[] = {
    {-0.445069f, 0.0223778f, 0.0699048f, 1.37357f}, {-0.400696f, 0.0508956f, 0.121639f, 1.4158f},
    {-0.341423f, 0.0873793f, 0.190746f, 1.46982f},  {-0.275196f, 0.122082f, 0.267962f, 1.52121f},
    {-0.182478f, 0.158137f, 0.376063f, 1.57459f},   {-0.0631243f, 0.175827f, 0.515219f, 1.60079f},
    {0.0162518f, 0.14087f, 0.607764f, 1.54903f},    {0.108881f, 0.0934451f, 0.715762f, 1.4788f},
    {0.198204f, 0.0696058f, 0.819905f, 1.4435f},    {0.241375f, 0.0368703f, 0.870239f, 1.39503f},
    {0.292656f, 0.0300746f, 0.930027f, 1.38497f},   {0.335034f, 0.0313631f, 0.979437f, 1.38688f},
};
static_assert(std::size(kRidge) == static_cast<size_t>(kBodySize.columns));

constexpr float kSnoutX = -0.5f, kTailRootX = 0.3473f;
constexpr float U(float x) { return (x - kSnoutX) / (kTailRootX - kSnoutX); }
constexpr float ColumnU(int j) { return U(kRidge[j].x); }

// Belly heights and half thickness at the columns, head to tail root.
constexpr float kBellyZ[] = {-0.1024f, -0.128f, -0.160f, -0.190f, -0.214f, -0.2239f,
                             -0.206f, -0.156f, -0.084f, -0.068f, -0.060f, -0.058f};
constexpr float kHalfWidth[] = {0.044f, 0.060f, 0.071f, 0.0793f, 0.078f, 0.072f,
                                0.061f, 0.047f, 0.033f, 0.025f, 0.018f, 0.014f};

inline Profile ColumnProfile(float snout, const float* values, float tail)
{
    return Profile{{0.0f, snout},
                   {ColumnU(0), values[0]},
                   {ColumnU(1), values[1]},
                   {ColumnU(2), values[2]},
                   {ColumnU(3), values[3]},
                   {ColumnU(4), values[4]},
                   {ColumnU(5), values[5]},
                   {ColumnU(6), values[6]},
                   {ColumnU(7), values[7]},
                   {ColumnU(8), values[8]},
                   {ColumnU(9), values[9]},
                   {ColumnU(10), values[10]},
                   {ColumnU(11), values[11]},
                   {1.0f, tail}};
}
inline std::array<float, 12> RidgeHeights()
{
    std::array<float, 12> z{};
    for (int j = 0; j < 12; ++j)
        z[j] = kRidge[j].z;
    return z;
}

// The snout closes to a point at mid-height, where the mouth is.
constexpr float kMouthZ = -0.0222f;
inline const BodyShape kBody{
    .snoutX = kSnoutX,
    .tailX = kTailRootX,
    .back = ColumnProfile(kMouthZ, RidgeHeights().data(), 0.0316f),
    .belly = ColumnProfile(kMouthZ, kBellyZ, -0.058f),
    .thickness = ColumnProfile(0.0f, kHalfWidth, 0.013f),
    .egg = -0.08f,
};

inline Segments ColumnSegments()
{
    Segments s;
    for (const RidgePoint& p : kRidge)
        s.u.push_back(U(p.x));
    return s;
}
inline const Segments kSegments = ColumnSegments();

// ---- the box every table fills at size 1 (its stored half) ----

struct Box {
    float x0, x1, y0, y1, z0, z1, s0, s1, t0, t1;
};
// y as stored: the y <= 0 half (the anal fin: its +y half).
inline constexpr Box kBodyBox{-0.4451f, 0.3473f, -0.0793f, 0, -0.2239f, 0.1758f, 0.0699f, 0.9938f, 1.0089f, 1.6008f};
inline constexpr Box kUpperJawBox{-0.4905f, -0.4280f, -0.0540f, 0, -0.0844f, 0.0224f, 0.0169f, 0.1451f, 1.2337f,
                                  1.3736f};
inline constexpr Box kLowerJawBox{-0.5000f, -0.4280f, -0.0441f, 0, -0.1024f, -0.0222f, 0.0059f, 0.1411f, 1.1887f,
                                  1.3076f};
inline constexpr Box kDorsalBox{-0.0650f, 0.1420f, -0.0030f, -0.0003f, 0.0879f, 0.2698f, 0.2168f, 0.4847f, 1.7717f,
                                1.9941f};
inline constexpr Box kKeelBox{0.1870f, 0.2725f, -0.0007f, -0.0003f, 0.0331f, 0.0813f, 0.0059f, 0.1579f, 1.7441f,
                              1.8297f};
inline constexpr Box kPectoralBox{-0.2909f, -0.1389f, -0.1543f, -0.0364f, -0.1653f, -0.0967f, 0.1699f, 0.4881f,
                                  1.6113f, 1.7595f};
inline constexpr Box kPelvicBox{-0.0724f, 0.0409f, -0.0677f, -0.0181f, -0.2687f, -0.2058f, 0.0059f, 0.2033f, 1.8427f,
                                1.9941f};
inline constexpr Box kAnalBox{0.1095f, 0.2634f, 0.0003f, 0.0029f, -0.2533f, -0.0718f, 0.5020f, 0.7871f, 1.6121f,
                              1.9485f};
inline constexpr Box kTailBox{0.3027f, 0.4999f, -0.0030f, -0.0003f, -0.2221f, 0.1593f, 0.7974f, 0.9941f, 1.6137f,
                              1.9941f};
inline constexpr Box kEyeBox{-0.4504f, -0.4198f, -0.0609f, -0.0422f, -0.0564f, -0.0249f, 0.0059f, 0.1280f, 1.6113f,
                             1.7334f};

// ---- the texture: 512 x 256, laid at t 1..2 ----

inline const PictureSize kPicture{512, 256};
// The body and the head pieces: the side view through the back line's
// points (column 0 and the tail root in s, column 0 and the highest point in t).
inline const SideView kSide{{kRidge[0].s, kRidge[0].t, kRidge[11].s, kRidge[5].t},
                            kRidge[0].x,
                            kRidge[11].x,
                            kRidge[0].z,
                            kRidge[5].z};
inline Region RegionOf(const Box& b) { return {b.s0, b.t0, b.s1, b.t1}; }
// Fins over a (along the fin, column 0 to the last) and b (root 0 to edge 1).
inline const Region kDorsalFin{kDorsalBox.s0, kDorsalBox.t0, kDorsalBox.s1, kDorsalBox.t1};
inline const Region kKeelFin{kKeelBox.s0, kKeelBox.t0, kKeelBox.s1, kKeelBox.t1};
inline const Region kPectoralFin{kPectoralBox.s0, kPectoralBox.t0, kPectoralBox.s1, kPectoralBox.t1};
inline const Region kPelvicFin{kPelvicBox.s0, kPelvicBox.t0, kPelvicBox.s1, kPelvicBox.t1};
inline const Region kAnalFin{kAnalBox.s0, kAnalBox.t1, kAnalBox.s1, kAnalBox.t0};  // root at the top
inline const Region kTailFin{kTailBox.s0, kTailBox.t0, kTailBox.s1, kTailBox.t1};
// The eye's disc is round in texture coordinates (as the eye's box is), so
// it is measured on a square picture.
inline const EyeDisc kEyeDisc{0.5f * (kEyeBox.s0 + kEyeBox.s1), 0.5f * (kEyeBox.t0 + kEyeBox.t1),
                              0.5f * (kEyeBox.s1 - kEyeBox.s0) * 512.0f, PictureSize{512, 512}};

// Another picture part lies on the anal fin's region (decoration A's stone,
// s 0.693 to 0.765, t up to 1.765, and a few pixels round it): the fin's
// rear columns keep their edge above it. The t of the fin's edge at a (0 at
// column 0, 1 at the last): the region's foot up to column 4 (a 0.5), above
// the stone from column 5 (a 0.625) on, a straight line between.
constexpr float kAnalClearT = 1.780f;  // 1.765 and 3 pixels of the picture's 256 rows, and a little
constexpr float AnalEdgeT(float a)
{
    return a <= 0.5f ? kAnalBox.t0 : a >= 0.625f ? kAnalClearT : kAnalBox.t0 + (a - 0.5f) / 0.125f * (kAnalClearT - kAnalBox.t0);
}

// ---- the fins, at size 1 (built on the +y side) ----

// The eye: on the head at mid-height, a domed disc.
inline const EyeDome kEye{.x = -0.4351f, .z = -0.04065f, .radius = 0.0155f, .rings = {0.0f, 0.6f, 1.0f},
                          .lifts = {0.017f, 0.012f, 0.0f}};

// Dorsal: the bend of its columns, in segments (5, the mean of 5 and 6, ...).
constexpr float kDorsalSegments[] = {5.0f, 5.5f, 5.5f, 6.0f, 6.5f, 6.5f, 7.0f, 7.0f};
// Edge height over the ridge and lean back per column: high and pointed in
// front, the rear rays short and drawn back.
constexpr float kDorsalHeight[] = {0.012f, 0.062f, 0.094f, 0.086f, 0.066f, 0.050f, 0.036f, 0.026f};
constexpr float kDorsalLean[] = {-0.1f, 0.15f, 0.40f, 0.55f, 0.65f, 0.80f, 0.95f, 1.30f};

constexpr float kKeelSegments[] = {8.0f, 8.0f, 8.0f, 8.5f, 9.0f};
constexpr float kAnalSegments[] = {7.0f, 7.0f, 7.5f, 7.5f, 7.5f, 8.0f, 8.0f, 8.0f, 8.0f};
constexpr float kAnalHeight[] = {0.030f, 0.070f, 0.084f, 0.080f, 0.070f, 0.058f, 0.046f, 0.036f, 0.028f};
constexpr float kAnalLean[] = {0.2f, 0.35f, 0.5f, 0.6f, 0.75f, 0.95f, 1.2f, 1.5f, 1.9f};

// Tail: columns 0, 1, 12 and 13 take bend 10, the rest bend 11.
constexpr int kTailColumns = 14;

}  // namespace fish09
