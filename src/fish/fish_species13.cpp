// Species 13, the clown loach: its description. The template does the rest.
#include "fish/fish_species13.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species13_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies13::Steps;
using Parts = CFishSpecies13::Parts;

// Wave blocks, in layout order. Block 2 runs unread and block 3 is only set
// by the swim style; 4, 6 and 8 stay zero.
enum Block { kBodyBlock, kRampBlock, kR2, kStyleBlock, kSpare4, kPectoralBlock, kSpare6, kPelvicBlock, kSpare8,
             kAnalBlock, kTailBlock };
// Working arrays of one Draw.
enum Array { kRamp, kToggle, kBend, kBody, kS5, kS7, kS9, kS10 };

constexpr FishWave kWaves[] = {
    /* 0  */ {0, 0, kPi32, 0.01f, kPi8},
    /* 1  */ {0, 0, 0, 0.003f, 0},
    /* 2  */ {0, 0, 0, 0.003f, 0},
    /* 3  */ {0, 0, kPi16, 0.01f, kPi6},
    /* 4  */ {},
    /* 5  */ {0, 0, kPi24, 0.01f, kPi8},
    /* 6  */ {},
    /* 7  */ {0, 0, kPi20, 0.03f, kPi8},
    /* 8  */ {},
    /* 9  */ {0, 0, kPi4, 0.01f, kPi6},
    /* 10 */ {0, 0, kPi4, 0.02f, kPi8},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kStyleBlock, kPi5, 0.015f, true, kPi8, true},
    {kPectoralBlock, kPi16, 0.01f, true, kPi6, true},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kRamp, {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kRamp, .count = 6}},
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kToggle, .count = 7, .toggleAfter = 50}},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 20}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 20, .cadence = 3, .gain = 0.01f,
      .start = 10, .writesAmplitude = true}},
    {Steps::kSine5, Sine(kPectoralBlock, kS5, 23)},
    {Steps::kSine7, Sine(kPelvicBlock, kS7, 9)},
    {Steps::kSine9, Sine(kAnalBlock, kS9, 12)},
    {Steps::kSineWave, Sine(kTailBlock, kS10, 31)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The anal fin's columns turn and sway with segments 10 to 15, two columns each.
constexpr int8_t kAnalHalfSteps[] = {20, 20, 22, 22, 24, 24, 26, 26, 28, 28, 30, 30};

// In mode 2 the tail's edge is pulled forward by 0.004 a column toward the
// fork (column 15, 16 steps in), and out again to the lower tip.
float TailPull(const CFishModel&, const FishFrame&, const GridPoint& p)
{
    const int steps = p.column <= 14 ? p.column : 31 - p.column;
    return -0.004f * static_cast<float>(steps);
}

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish13Body), .mirror = Mirror::After, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}}},
    // The mouth opens by the ramps while the stroke flag is clear.
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish13UpperJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {{.track = ByColumn(kToggle), .z = 1, .toColumn = 6}}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish13LowerJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {{.track = ByColumn(kRamp), .z = -1, .toColumn = 4}}}},
    {Parts::kDorsal, {.name = "dorsal", .mesh = MeshOf(g_Fish13Dorsal), .turn = ByColumn(kBend, 8)}},
    {Parts::kKeel,
     {.name = "keel", .mesh = MeshOf(g_Fish13Keel), .turn = At(kBend, 15), .terms = {AddY(At(kBody, 15))}}},
    // Paired fins: the edge moves by its sine, its sideways part negated with y in the copy.
    {Parts::kPectorals,
     {.name = "pectorals", .mesh = MeshOf(g_Fish13Pectoral), .mirror = Mirror::After, .turn = At(kBend, 4),
      .terms = {Add(ByColumn(kS5), 1, 0, 1, RowBit(1)), Add(ByColumn(kS5), 0, 1, 0, RowBit(1), -1)}}},
    {Parts::kPelvics,
     {.name = "pelvics", .mesh = MeshOf(g_Fish13Pelvic), .mirror = Mirror::After, .turn = At(kBend, 4),
      .terms = {Add(ByColumn(kS7), 0, 1, 0, RowBit(0), -1)}}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish13Anal), .turn = ByMap(kBend, kAnalHalfSteps),
      .terms = {AddY(ByMap(kBody, kAnalHalfSteps)), AddY(ByColumn(kS9), RowBit(1))}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish13Tail), .turn = At(kBend, 18),
      .terms = {AddY(ByColumn(kS10), RowBit(0)), AddY(At(kBody, 19)),
                {.track = ByHand(TailPull), .x = 1, .rows = RowBit(0), .variants = VariantMask({2})}}}},
    {Parts::kEyes, {.name = "eyes", .mesh = MeshOf(g_Fish13Eye), .mirror = Mirror::After, .turn = At(kBend, 0)}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies13 = {
    .name = "clown loach",
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
static_assert(CheckFishClass(kFishSpecies13));

namespace {
const FishSpeciesRegistrar<CFishSpecies13> kRegistered(13, kFishSpecies13);
}  // namespace
