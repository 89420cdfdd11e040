// Species 14, the kuhli loach: its description. The template does the rest;
// the body sways from its sixth segment back, the pelvic fins' edges flutter
// with the folded wave and the tail's edge ripples with its own sine.
#include "fish/fish_species14.h"

#include "fish/fish_registry.h"
#include "fish/fish_species14_meshes.h"

namespace {

using namespace fishdef;
using Steps = CFishSpecies14::Steps;
using Parts = CFishSpecies14::Parts;

// Fractions of pi in the decimals the class writes.
constexpr float kPi4 = 0.7853982f, kPi5 = 0.6283185f, kPi6 = 0.5235988f, kPi8 = 0.3926991f, kPi10 = 0.3141592f;
constexpr float kPi12 = 0.2617994f, kPi16 = 0.1963495f, kPi32 = 0.0981748f;

// Wave blocks, in layout order: 0 the body wave, 3 the pelvic fins' folded
// wave, 9 the tail's edge; 1 and 2 hold the drawn counters, 5 is set by the
// swim style, 7 and 10 are kept and read by nothing.
enum Block { kBodyBlock, kSpare1, kSpare2, kFinBlock, kSpare4, kStyleBlock, kSpare6, kSpare7, kSpare8, kTailBlock };
// Working arrays of one Draw.
enum Array { kBend, kBody, kFold, kTailSine };

constexpr FishWave kWaves[] = {
    /* 0  */ {0, 0, kPi12, 0.1f, kPi4},
    /* 1  */ {0, 0, 0, 0.003f, 0},
    /* 2  */ {0, 0, 0, 0.003f, 0},
    /* 3  */ {0, 0, kPi32, 0.05f, kPi6},
    /* 4  */ {},
    /* 5  */ {0, 0, kPi16, 0.01f, kPi6},
    /* 6  */ {},
    /* 7  */ {0, 0, kPi16, 0.03f, kPi6},
    /* 8  */ {},
    /* 9  */ {0, 0, kPi16, 0.01f, kPi6},
    /* 10 */ {0, 0, kPi10, 0.02f, kPi4},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kFinBlock, kPi5, 0.015f, true, kPi8, true},
    {kStyleBlock, kPi16, 0.01f, true, kPi6, true},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 20}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 20, .cadence = 3, .gain = 0.005f,
      .start = 5, .writesAmplitude = true}},
    // Sine samples 0 to 5, entry 5 held to 7, then 4 down to 0 again.
    {Steps::kMirroredWave,
     {.kind = WaveKind::Mirrored, .block = kFinBlock, .array = kFold, .count = 13, .start = 5, .end = 7}},
    {Steps::kSineWave, Sine(kTailBlock, kTailSine, 23)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

constexpr Named<GridPart> kNamedParts[] = {
    // The sway keeps its sign in the y-negated pass.
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish14Body), .mirror = Mirror::After, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}}},
    {Parts::kHead, {.name = "head", .mesh = MeshOf(g_Fish14Head), .mirror = Mirror::InStrip, .turn = At(kBend, 0)}},
    // The edge (row 0) swings in y, negated with y in the copy, and rises in
    // z alike on both sides.
    {Parts::kPelvics,
     {.name = "pelvics", .mesh = MeshOf(g_Fish14Pelvic), .mirror = Mirror::After, .turn = At(kBend, 5),
      .terms = {{.track = ByColumn(kFold), .y = 1, .rows = RowBit(0), .mirrorSign = -1},
                {.track = ByColumn(kFold), .z = 1, .rows = RowBit(0)}}}},
    // The edge sways with the last segment and ripples up and down, the root
    // sways with the one before.
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish14Tail), .turn = At(kBend, 19),
      .terms = {AddY(At(kBody, 19), RowBit(0)), AddZ(ByColumn(kTailSine), RowBit(0)),
                AddY(At(kBody, 18), RowBit(1))}}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies14 = {
    .name = "kuhli loach",
    .segments = 20,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.05f,
    .bodyDims = {1.0f, 0.34605f, 0.2778f},
    .drift = false,
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .alive = AliveRule::EmptyStrips,
};
static_assert(CheckFishClass(kFishSpecies14));

namespace {
const FishSpeciesRegistrar<CFishSpecies14> kRegistered(14, kFishSpecies14);
}  // namespace
