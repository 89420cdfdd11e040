// Species 19, the pinnate batfish: its description. The template does the rest.
#include "fish/fish_species19.h"

#include "fish/fish_registry.h"
#include "fish/fish_species19_meshes.h"

namespace {

using namespace fishdef;

// The class's wave constants (near pi/16, pi/12, pi/10, pi/8, pi/6, pi/5, pi/4).
constexpr float kK16 = 0.196349531f, kK12 = 0.261799365f, kK10 = 0.314159244f, kK8 = 0.392699063f;
constexpr float kK6 = 0.523598731f, kK5 = 0.628318489f, kK4 = 0.785398126f;

// Wave blocks, in layout order. Only 4 (the pectorals', all zero) and 9 (the
// tail's) move a part; 0, 3 and 8 run unread, 5 is only set by the swim style.
enum Block { kBodyBlock, kR1, kR2, kFinBlock, kPectoralBlock, kStyleBlock, kSpare6, kSpare7, kSine8, kTailBlock };
// Working arrays of one Draw.
enum Array { kBend, kBody, kG3, kG4, kG8, kG9 };

constexpr FishWave kWaves[] = {
    /* 0  */ {0, 0, kK12, 0.1f, kK4},
    /* 1  */ {0, 0, 0, 0.003f, 0},
    /* 2  */ {0, 0, 0, 0.003f, 0},
    /* 3  */ {0, 0, kK10, 0.03f, kK6},
    /* 4  */ {},
    /* 5  */ {0, 0, kK16, 0.01f, kK6},
    /* 6  */ {},
    /* 7  */ {0, 0, kK16, 0.03f, kK6},
    /* 8  */ {0, 0, kK10, 0.02f, kK6},
    /* 9  */ {0, 0, kK8, 0.03f, kK6},
    /* 10 */ {0, 0, kK10, 0.02f, kK4},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kK12, 0.1f, true, kK4, true},
    {kFinBlock, kK5, 0.015f, true, kK8, true},
    {kStyleBlock, kK16, 0.01f, true, kK6, true},
};

constexpr WaveGen Sine(int block, int array, int count) { return {WaveKind::Sine, block, array, count}; }

constexpr WaveGen kPlan[] = {
    {.kind = WaveKind::Bend, .array = kBend, .count = 15},
    Sine(kFinBlock, kG3, 7),
    Sine(kPectoralBlock, kG4, 9),
    Sine(kSine8, kG8, 7),
    Sine(kTailBlock, kG9, 9),
    {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 16, .cadence = 3, .gain = 0.01f,
     .start = 5, .writesAmplitude = true},
};

// Midline fins (root B, middle A, edge C) and the eye (rim B, iris A, centre C):
// strip B to A, then A to C.
constexpr RowPair kBToAThenAToC[] = {{1, 0}, {0, 2}};

// The pectoral fins' edge (row 0) rises and swings out by the wave of block
// 4 on the columns it fills (9 of 12); the sideways part is negated with y
// in the copy, the lift is not.
constexpr uint8_t kPectoralWaveColumns = 9;

constexpr GridPart kParts[] = {
    {.name = "body", .mesh = MeshOf(g_Fish19Body), .mirror = Mirror::After, .turn = At(kBend, 0)},
    {.name = "upper jaw", .mesh = MeshOf(g_Fish19UpperJaw), .mirror = Mirror::After, .turn = At(kBend, 0)},
    {.name = "lower jaw", .mesh = MeshOf(g_Fish19LowerJaw), .mirror = Mirror::After, .turn = At(kBend, 0)},
    {.name = "dorsal", .mesh = MeshOf(g_Fish19Dorsal), .turn = At(kBend, 0), .strips = kBToAThenAToC},
    {.name = "anal", .mesh = MeshOf(g_Fish19Anal), .turn = At(kBend, 0), .strips = kBToAThenAToC},
    {.name = "tail", .mesh = MeshOf(g_Fish19Tail), .turn = At(kBend, 0), .terms = {AddY(ByColumn(kG9), RowBit(1))}},
    {.name = "eyes", .mesh = MeshOf(g_Fish19Eye), .mirror = Mirror::After, .turn = At(kBend, 0),
     .strips = kBToAThenAToC},
    {.name = "pectorals", .mesh = MeshOf(g_Fish19Pectoral), .mirror = Mirror::After, .turn = At(kBend, 4),
     .terms = {{.track = ByColumn(kG4), .y = 1, .rows = RowBit(0), .mirrorSign = -1,
                .toColumn = kPectoralWaveColumns},
               {.track = ByColumn(kG4), .z = 1, .rows = RowBit(0), .toColumn = kPectoralWaveColumns}}},
};

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
