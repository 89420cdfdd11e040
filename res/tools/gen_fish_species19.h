// Species 19, the pinnate batfish (Platax pinnatus), as a juvenile: a round,
// flat, velvet-black body with a steep forehead and a small mouth, a tall
// dorsal and anal fin sweeping back like sails, the whole outline rimmed in
// orange; a short clear tail and small clear pectoral fins. Its grids, body
// shape and texture layout, shared by its mesh tables and its picture.
#pragma once
#include "fish/fish_species19_meshes.h"
#include "gen_fish_build.h"

namespace fish19 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish19Body)>();

// Nearly as deep as long, deepest a little ahead of the middle; a blunt
// snout under a steep forehead; narrow sections of a thin, flat fish.
inline const BodyShape kBody{
    .snoutX = -0.32f,
    .tailX = 0.26f,
    .back = {{0.0f, 0.004f}, {0.03f, 0.040f}, {0.08f, 0.098f}, {0.15f, 0.152f}, {0.25f, 0.198f}, {0.38f, 0.232f},
             {0.5f, 0.240f}, {0.62f, 0.224f}, {0.75f, 0.180f}, {0.87f, 0.112f}, {0.95f, 0.072f}, {1.0f, 0.058f}},
    .belly = {{0.0f, -0.012f}, {0.03f, -0.050f}, {0.08f, -0.098f}, {0.15f, -0.146f}, {0.25f, -0.192f},
              {0.38f, -0.222f}, {0.5f, -0.230f}, {0.62f, -0.214f}, {0.75f, -0.170f}, {0.87f, -0.104f},
              {0.95f, -0.066f}, {1.0f, -0.052f}},
    .thickness = {{0.0f, 0.0f}, {0.03f, 0.024f}, {0.08f, 0.044f}, {0.15f, 0.060f}, {0.25f, 0.074f}, {0.38f, 0.084f},
                  {0.5f, 0.086f}, {0.65f, 0.076f}, {0.8f, 0.056f}, {0.92f, 0.034f}, {1.0f, 0.022f}},
    .egg = 0.05f,
};

// The body's columns from just behind the snout to the tail root; the jaws
// close the head in front of the first.
constexpr float kFirstColumnX = -0.27f;
inline const Segments kSegments = Segments::Even(kBody.UOf(kFirstColumnX), 1.0f, kBodySize.columns);

// The midline fins: their roots along the back (the belly) from `fromX` to
// `toX`, sunk into the body, and the outline of their edge (x, z) from the
// front column to the rear one. The dorsal's tip stands high behind the
// middle, its trailing edge falls to the tail root above the tail fin.
struct SailFin {
    float fromX, toX;
    std::vector<std::pair<float, float>> edge;
};
inline const SailFin kDorsalFin{-0.10f,
                                0.23f,
                                {{-0.082f, 0.290f},
                                 {-0.012f, 0.390f},
                                 {0.078f, 0.470f},
                                 {0.180f, 0.528f},
                                 {0.292f, 0.552f},
                                 {0.266f, 0.400f},
                                 {0.266f, 0.158f}}};
inline const SailFin kAnalFin{-0.06f,
                              0.23f,
                              {{-0.046f, -0.284f},
                               {0.016f, -0.372f},
                               {0.094f, -0.448f},
                               {0.184f, -0.502f},
                               {0.288f, -0.526f},
                               {0.264f, -0.384f},
                               {0.266f, -0.150f}}};

// Column c of n of a sail: its root, sunk into the back (or the belly), and
// its point of the outline.
inline V3 SailRoot(const SailFin& fin, Ridge ridge, int c, int n)
{
    const float x = Mix(fin.fromX, fin.toX, Along(c, n)), u = kBody.UOf(x);
    return ridge == Ridge::Back ? V3{x, 0, kBody.Back(u) - 0.012f} : V3{x, 0, kBody.Belly(u) + 0.012f};
}
inline V3 SailEdge(const SailFin& fin, int c)
{
    const auto& p = fin.edge[static_cast<size_t>(c)];
    return {p.first, 0, p.second};
}

// The tail: root points up the tail stalk, the edge a short, nearly straight fan.
constexpr float kTailRootX = 0.235f, kTailEdgeX = 0.345f, kTailHalfHeight = 0.150f;

// The pectoral fin's base behind the gill cover, low on the flank, close to
// the fish's vertical axis (the fin turns with its own bend angle).
constexpr float kPectoralX = -0.035f, kPectoralTop = 0.022f, kPectoralBottom = -0.030f;

// ---- the texture: 512 x 256 ----

inline const PictureSize kPicture{512, 256};
// The body over u and theta / pi (back ridge to belly).
inline const Region kSkin{0.01f, 0.98f, 0.62f, 0.50f};
// The dorsal and the anal fin over a (front to rear) and b (root to edge).
inline const Region kDorsalRegion{0.01f, 0.05f, 0.22f, 0.45f};
inline const Region kAnalRegion{0.25f, 0.05f, 0.46f, 0.45f};
inline const Region kTailFin{0.49f, 0.05f, 0.69f, 0.45f};
inline const Region kPectoralFin{0.73f, 0.05f, 0.97f, 0.40f};
inline const EyeDisc kEyeDisc{0.82f, 0.72f, 26.0f, kPicture};

// Rings from the rim (B) through the iris ring (A) to the centre (C).
inline const EyeDome kEye{.x = -0.208f, .z = 0.064f, .radius = 0.032f, .rings = {1.0f, 0.62f, 0.0f},
                          .lifts = {0.002f, 0.009f, 0.012f}};

// The row of the jaws' lips (the upper jaw's last row, the lower jaw's first).
constexpr float kLipsTheta = 0.55f * kPi;

}  // namespace fish19
