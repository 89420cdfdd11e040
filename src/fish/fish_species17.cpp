// Species 17, the neon tetra: its description. The template does the rest.
#include "fish/fish_species17.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species17_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies17::Steps;
using Parts = CFishSpecies17::Parts;

// Wave blocks, in layout order. Block 2 is drawn at birth and never read;
// 3 is only set by the swim style; 9 and 10 are read by nothing.
enum Block { kBodyBlock, kRampBlock, kSecondRamp, kStyleBlock, kSpare4, kFin1Block, kSpare6, kFin2Block };
// Working arrays of one Draw.
enum Array { kRamp1, kRamp2, kBend, kBody, kFin1, kFin2 };

constexpr FishWave kWaves[] = {
    /* 0 body wave */ {0, 0, kPi16, 0.01f, kPi4},
    /* 1 ramp      */ {0, 0, 0, 0.003f, 0},
    /* 2           */ {0, 0, 0, 0.003f, 0},
    /* 3           */ {0, 0, kPi16, 0.01f, kPi6},
    /* 4           */ {},
    /* 5 fin 1     */ {0, 0, kPi24, 0.02f, kPi8},
    /* 6           */ {},
    /* 7 fin 2     */ {0, 0, kPi20, 0.02f, kPi8},
    /* 8           */ {},
    /* 9           */ {0, 0, kPi16, 0.01f, kPi6},
    /* 10          */ {0, 0, kPi10, 0.02f, kPi4},
};

// The second fin wave keeps its values.
constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kStyleBlock, kPi5, 0.015f, true, kPi8, true},
    {kFin1Block, kPi16, 0.01f, true, kPi6, true},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kRamp, {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kRamp1, .count = 7}},
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kRamp2, .count = 7, .toggleAfter = 50}},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 16}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 16, .cadence = 3, .gain = 0.01f,
      .start = 8, .writesAmplitude = true}},
    {Steps::kSineWave, Sine(kFin1Block, kFin1, 12)},
    {Steps::kSineWave2, Sine(kFin2Block, kFin2, 12)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The back fin's columns turn with segments 7, 7, 8, 8, 9, 9; the belly
// fin's with 10.5, 11, 11, 11.5, 12, 12, 12.5, 12.5 (half steps of the bend
// array), and sway with the body wave read the same way.
constexpr int8_t kDorsalSegments[] = {14, 14, 16, 16, 18, 18};
constexpr int8_t kAnalSegments[] = {21, 22, 22, 23, 24, 24, 25, 25};

// The paired fins' edge (row 0) swings out and rises by its wave; the swing
// is negated with y in the copy, the rise is not.
constexpr GridPart PairedFin(const char* name, FishMesh mesh, int wave)
{
    return {.name = name, .mesh = mesh, .mirror = Mirror::After, .turn = At(kBend, 4),
            .terms = {{.track = ByColumn(wave), .y = 1, .rows = RowBit(0), .mirrorSign = -1},
                      {.track = ByColumn(wave), .z = 1, .rows = RowBit(0)}}};
}

// The upper snout rises by the ramp on its outer rows 0 to 3 and columns 0
// to 5; the lower snout drops on its columns 0 to 3.
constexpr uint16_t kUpperSnoutRows = RowBit(0) | RowBit(1) | RowBit(2) | RowBit(3);

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish17Body), .mirror = Mirror::After, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}}},
    {Parts::kUpperSnout,
     {.name = "upper snout", .mesh = MeshOf(g_Fish17UpperSnout), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {{.track = ByColumn(kRamp2), .z = 1, .rows = kUpperSnoutRows, .toColumn = 6}}}},
    {Parts::kLowerSnout,
     {.name = "lower snout", .mesh = MeshOf(g_Fish17LowerSnout), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {{.track = ByColumn(kRamp1), .z = -1, .toColumn = 4}}}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish17Dorsal), .turn = ByMap(kBend, kDorsalSegments)}},
    {Parts::kDorsalAgain,
     {.name = "dorsal again", .mesh = MeshOf(g_Fish17Dorsal), .turn = ByMap(kBend, kDorsalSegments)}},
    {Parts::kPectoral, PairedFin("pectorals", MeshOf(g_Fish17Pectoral), kFin1)},
    {Parts::kPelvic, PairedFin("pelvics", MeshOf(g_Fish17Pelvic), kFin2)},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish17Anal), .turn = ByMap(kBend, kAnalSegments),
      .terms = {AddY(ByMap(kBody, kAnalSegments))}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish17Tail), .turn = At(kBend, 15), .terms = {AddY(At(kBody, 15))}}},
    {Parts::kEyes,
     {.name = "eyes", .mesh = MeshOf(g_Fish17Eye), .mirror = Mirror::After, .turn = MeanOf(kBend, 1, 2)}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies17 = {
    .name = "neon tetra",
    .segments = 16,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.05f,
    .bodyDims = {1.0f, 0.34605f, 0.2778f},
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .alive = AliveRule::EmptyStrips,
};
static_assert(CheckFishClass(kFishSpecies17));

namespace {
const FishSpeciesRegistrar<CFishSpecies17> kRegistered(17, kFishSpecies17);
}  // namespace
