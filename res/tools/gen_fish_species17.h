// Species 17, the neon tetra (Paracheirodon innesi): a small, slender,
// spindle-shaped fish with a short blunt snout and a large eye; an
// iridescent electric-blue line from the eye back to the adipose place, the
// lower rear half red to the tail root, a silver-white belly in front, an
// olive back, and clear fins. Its grids, body shape and texture layout,
// shared by its mesh tables and its picture.
#pragma once
#include "fish/fish_species17_meshes.h"
#include "gen_fish_build.h"

namespace fish17 {

using namespace fishkit;

constexpr GridSize kBodySize = SizeOf<decltype(g_Fish17Body)>();

// The spine from the snout tip (x -0.5) to the tail root (x 0.3627); u below
// is (x + 0.5) / 0.8627. Deepest under the back fin (about a quarter of the
// length to the tail root), the belly fullest ahead of it, a tail stalk
// pinched flat at the tail root.
inline const BodyShape kBody{
    .snoutX = -0.5f,
    .tailX = 0.3627f,
    .back = {{0.0f, -0.0200f}, {0.012f, 0.0020f}, {0.030f, 0.0160f}, {0.0537f, 0.0253f}, {0.1159f, 0.0575f},
             {0.2318f, 0.0805f}, {0.3478f, 0.0920f}, {0.4637f, 0.0958f}, {0.4827f, 0.0962f}, {0.6086f, 0.0892f},
             {0.6955f, 0.0816f}, {0.8114f, 0.0666f}, {0.9273f, 0.0495f}, {1.0f, 0.0414f}},
    .belly = {{0.0f, -0.0200f}, {0.012f, -0.0420f}, {0.030f, -0.0540f}, {0.0537f, -0.0616f}, {0.1159f, -0.0931f},
              {0.2318f, -0.1094f}, {0.3478f, -0.1150f}, {0.4057f, -0.1151f}, {0.4637f, -0.1150f},
              {0.5796f, -0.1115f}, {0.6839f, -0.1024f}, {0.7534f, -0.0896f}, {0.8114f, -0.0759f},
              {0.9273f, -0.0551f}, {1.0f, -0.0460f}},
    .thickness = {{0.0f, 0.0f}, {0.0116f, 0.022f}, {0.0290f, 0.036f}, {0.0537f, 0.046f}, {0.0765f, 0.050f},
                  {0.1159f, 0.054f}, {0.2318f, 0.063f}, {0.3478f, 0.066f}, {0.4637f, 0.062f}, {0.5796f, 0.054f},
                  {0.6955f, 0.043f}, {0.8114f, 0.031f}, {0.9273f, 0.016f}, {1.0f, 0.0f}},
    .egg = -0.08f,
};

// Where the body's columns stand (x). The eye turns with the mean of
// segments 1 and 2, the paired fins with segment 4, the back fin with 7 to
// 9, the belly fin with 10.5 to 12.5 and the tail with 15: each stands over
// its segments.
inline const std::vector<float> kColumnX = {-0.4537f, -0.4465f, -0.4255f, -0.30f,  -0.19f,  -0.159f,
                                            -0.128f,  -0.097f,  -0.043f,  0.011f,  0.065f,  0.119f,
                                            0.173f,   0.227f,   0.295f,   0.3627f};
inline const Segments kSegments = SegmentsAtX(kBody, kColumnX);

// The head's first section as the game keeps it (ridge to belly; position,
// normal, s, t), on the +y side: a blunt, nearly square front behind the
// snout.
inline const Point kHeadFront[6] = {
    {{-0.454544f, 0.0f, 0.0252506f}, {-0.35702f, 0.0f, 0.934097f}, 0.0579332f, 1.62311f},
    {{-0.450287f, 0.0375214f, 0.0220768f}, {-0.371329f, 0.418816f, 0.828678f}, 0.0938027f, 1.60621f},
    {{-0.457283f, 0.0478516f, -0.00013699f}, {-0.490546f, 0.866308f, 0.0942032f}, 0.0950447f, 1.5744f},
    {{-0.457031f, 0.0452421f, -0.0342043f}, {-0.399676f, 0.910468f, -0.106337f}, 0.093114f, 1.52967f},
    {{-0.448593f, 0.0350495f, -0.0570248f}, {-0.317787f, 0.386728f, -0.865709f}, 0.0935725f, 1.4945f},
    {{-0.451737f, 0.0f, -0.0615567f}, {-0.380499f, 0.0f, -0.924781f}, 0.0611494f, 1.46901f},
};

// The snout: the upper half carried on to a tip just short of the chin's.
constexpr float kUpperTipX = -0.4981f;

// The back fin: its root on the back over segments 7 to 9, its free edge
// highest over the third column and falling toward the rear. Its first and
// last columns as the game keeps them (root, then edge), on the +y side.
inline const Point kDorsalEnds[2][2] = {
    {{{-0.0837403f, 0.00025f, 0.0826541f}, {-0.115551f, 0.992142f, 0.0479874f}, 0.337891f, 1.75548f},
     {{-0.0722657f, 0.00025f, 0.133435f}, {-0.0208206f, 0.999684f, 0.0140934f}, 0.365725f, 1.87866f}},
    {{{0.0249023f, 0.00025f, 0.0765506f}, {0.0f, 1.0f, 0.0f}, 0.601427f, 1.74067f},
     {{0.0136718f, 0.00025f, 0.112927f}, {0.0095858f, 0.999944f, 0.00438773f}, 0.574185f, 1.82891f}},
};
inline const std::vector<std::pair<float, float>> kDorsalEdge = {
    {-0.0722657f, 0.133435f}, {-0.054f, 0.163f}, {-0.036f, 0.181f},
    {-0.018f, 0.163f},        {-0.001f, 0.137f}, {0.0136718f, 0.112927f}};

// The belly fin behind the vent: long-based, its front rays the longest.
constexpr float kAnalY = 0.001f;
inline const std::vector<float> kAnalSegments = {10.5f, 11.0f, 11.0f, 11.5f, 12.0f, 12.0f, 12.5f, 12.5f};
inline const std::vector<std::pair<float, float>> kAnalEdge = {
    {0.100f, -0.152f}, {0.118f, -0.1689f}, {0.136f, -0.163f}, {0.154f, -0.152f},
    {0.172f, -0.145f}, {0.189f, -0.137f},  {0.207f, -0.128f}, {0.2267f, -0.118f}};

// The pectoral fins: small clear paddles low behind the gill cover, held
// out from the flank; the pelvic fins hang under the belly ahead of the
// back fin. Both turn with segment 4 and stand close to it.
constexpr float kPectoralX = -0.195f, kPectoralZ = -0.006f;
constexpr float kPelvicX = -0.1825f;

// The tail: a forked fan from the tail root.
constexpr float kTailRootX = 0.3607f, kTailTipX = 0.4995f, kTailNotchX = 0.45f;
constexpr float kTailTop = 0.1073f, kTailBottom = -0.1179f, kTailNotchZ = -0.006f;

// ---- the texture: 512 x 512, laid out at t 1 to 2 as the game's tables are ----

inline const PictureSize kPicture{512, 512};
// The body and the snout in side view.
inline const SideView kSide{{0.0093f, 1.401f, 0.994f, 1.727f}, -0.5f, 0.3627f, -0.1155f, 0.0965f};
// The back fin in its own side view above the body; the belly fin beside it
// (upside down: its root at the bottom of the picture's top band).
inline const SideView kDorsalView{{0.3379f, 1.7407f, 0.6007f, 1.9944f}, -0.0837f, 0.0249f, 0.0766f, 0.181f};
inline const SideView kAnalView{{0.611f, 1.994f, 0.902f, 1.742f}, 0.0898f, 0.2267f, -0.1689f, -0.05016f};
// The paired fins and the tail over a (across) and b (root to edge).
inline const Region kPectoralFin{0.01f, 1.02f, 0.44f, 1.38f};
inline const Region kPelvicFin{0.47f, 1.01f, 0.645f, 1.19f};
inline const Region kTailFin{0.665f, 1.01f, 0.99f, 1.385f};
inline const EyeDisc kEyeDisc{0.5555f, 1.296f, 40.0f, kPicture};

// The eye: large, a little below the line of the back's blue stripe.
inline const EyeDome kEye{.x = -0.434f, .z = -0.012f, .radius = 0.0215f, .rings = {1.0f, 0.55f, 0.0f},
                          .lifts = {-0.002f, 0.009f, 0.014f}};

}  // namespace fish17
