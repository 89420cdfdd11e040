// Species 19, the pinnate batfish: its description. The template does the rest.
#include "fish/fish_species19.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species19_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies19::Steps;
using Parts = CFishSpecies19::Parts;

// Wave blocks, in layout order. Only 4 (the pectorals', all zero) and 9 (the
// tail's) move a part; 0, 3 and 8 run unread, 5 is only set by the swim style.
enum Block { kBodyBlock, kR1, kR2, kFinBlock, kPectoralBlock, kStyleBlock, kSpare6, kSpare7, kSine8, kTailBlock };
// Working arrays of one Draw.
enum Array { kBend, kBody, kG3, kG4, kG8, kG9 };

constexpr FishWave kWaves[] = {
    /* 0  */ {0, 0, kPi12, 0.1f, kPi4},
    /* 1  */ {0, 0, 0, 0.003f, 0},
    /* 2  */ {0, 0, 0, 0.003f, 0},
    /* 3  */ {0, 0, kPi10, 0.03f, kPi6},
    /* 4  */ {},
    /* 5  */ {0, 0, kPi16, 0.01f, kPi6},
    /* 6  */ {},
    /* 7  */ {0, 0, kPi16, 0.03f, kPi6},
    /* 8  */ {0, 0, kPi10, 0.02f, kPi6},
    /* 9  */ {0, 0, kPi8, 0.03f, kPi6},
    /* 10 */ {0, 0, kPi10, 0.02f, kPi4},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kFinBlock, kPi5, 0.015f, true, kPi8, true},
    {kStyleBlock, kPi16, 0.01f, true, kPi6, true},
};


constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 15}},
    {Steps::kFinWave, Sine(kFinBlock, kG3, 7)},
    {Steps::kSineWave, Sine(kPectoralBlock, kG4, 9)},
    {Steps::kSineWave2, Sine(kSine8, kG8, 7)},
    {Steps::kSineWave3, Sine(kTailBlock, kG9, 9)},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 16, .cadence = 3, .gain = 0.01f,
      .start = 5, .writesAmplitude = true}},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// Midline fins (root B, middle A, edge C) and the eye (rim B, iris A, centre C)
// are drawn B to A, then A to C.

// The pectoral fins' edge (row 0) rises and swings out by the wave of block
// 4 on the columns it fills (9 of 12); the sideways part is negated with y
// in the copy, the lift is not.
constexpr uint8_t kPectoralWaveColumns = 9;

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody, {.name = "body", .mesh = MeshOf(g_Fish19Body), .mirror = Mirror::After, .turn = At(kBend, 0)}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish19UpperJaw), .mirror = Mirror::After, .turn = At(kBend, 0)}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish19LowerJaw), .mirror = Mirror::After, .turn = At(kBend, 0)}},
    {Parts::kDorsal, {.name = "dorsal", .mesh = MeshOf(g_Fish19Dorsal), .turn = At(kBend, 0), .strips = kBToAThenAToC}},
    {Parts::kAnal, {.name = "anal", .mesh = MeshOf(g_Fish19Anal), .turn = At(kBend, 0), .strips = kBToAThenAToC}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish19Tail), .turn = At(kBend, 0), .terms = {AddY(ByColumn(kG9), RowBit(1))}}},
    {Parts::kEyes,
     {.name = "eyes", .mesh = MeshOf(g_Fish19Eye), .mirror = Mirror::After, .turn = At(kBend, 0),
      .strips = kBToAThenAToC}},
    {Parts::kPectorals,
     {.name = "pectorals", .mesh = MeshOf(g_Fish19Pectoral), .mirror = Mirror::After, .turn = At(kBend, 4),
      .terms = {{.track = ByColumn(kG4), .y = 1, .rows = RowBit(0), .mirrorSign = -1,
                 .toColumn = kPectoralWaveColumns},
                {.track = ByColumn(kG4), .z = 1, .rows = RowBit(0), .toColumn = kPectoralWaveColumns}}}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies19 = {
    .name = "pinnate batfish",
    .segments = 15,
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
static_assert(CheckFishClass(kFishSpecies19));

namespace {
const FishSpeciesRegistrar<CFishSpecies19> kRegistered(19, kFishSpecies19);
}  // namespace
