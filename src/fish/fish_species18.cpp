// Species 18, the harlequin rasbora: its description. The template does the
// rest; the body, the dorsal and the anal fin turn column by column with the
// segments they stand on, and only the body's rear half waves.
#include "fish/fish_species18.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species18_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies18::Steps;
using Parts = CFishSpecies18::Parts;

// Wave blocks, in layout order. Blocks 4 and 8 are all zero (their fins
// still turn with the body); 2, 6 and 10 are read by nothing, 5 only set by
// the swim style.
enum Block {
    kBodyBlock, kRampBlock, kSecondRamp, kDorsalBlock, kPectoralBlock, kStyleBlock, kSpare6, kPelvicBlock,
    kAnalBlock, kTailBlock, kSpare10
};
// Working arrays of one Draw.
enum Array { kR6, kR5, kBend, kBody, kG3, kG4, kG10, kG8, kG9 };

constexpr FishWave kWaves[] = {
    /* 0  */ {0, 0, kPi12, 0.1f, kPi4},
    /* 1  */ {0, 0, 0, 0.003f, 0},
    /* 2  */ {0, 0, 0, 0.003f, 0},
    /* 3  */ {0, 0, kPi16, 0.01f, kPi6},
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
    {kDorsalBlock, kPi5, 0.015f, true, kPi8, true},
    {kStyleBlock, kPi16, 0.01f, true, kPi6, true},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kRamp, {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kR6, .count = 6}},
    // The same ramp; then the stroke flag flips on every 52nd call.
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kR5, .count = 5, .toggleAfter = 50}},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 15}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 15, .cadence = 3, .gain = 0.01f,
      .start = 7, .writesAmplitude = true}},
    {Steps::kFinWave, Sine(kDorsalBlock, kG3, 8)},
    {Steps::kSineWave, Sine(kPectoralBlock, kG4, 11)},
    {Steps::kPelvicWave, Sine(kPelvicBlock, kG10, 10)},
    {Steps::kSineWave2, Sine(kAnalBlock, kG8, 14)},
    {Steps::kSineWave3, Sine(kTailBlock, kG9, 15)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The segment each column of the dorsal fin (10 + c / 3) and of the anal fin
// stands on, in half steps.
constexpr int8_t kDorsalAt[] = {20, 20, 20, 22, 22, 22, 24, 24};
constexpr int8_t kAnalAt[] = {15, 16, 16, 17, 17, 18, 18, 20, 20, 22, 22, 24, 24, 24};

// Midline fins sway with the body under them; the lower jaw (rows middle,
// lips, chin) and the eyes (iris ring, rim, centre) are drawn B to A, then A
// to C. The paired fins' edges move to the same side in both passes in x
// and z, with the side in y.
constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish18Body), .mirror = Mirror::After, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish18UpperJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kR5))}}},
    // The two mouth columns never open.
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish18LowerJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {{.track = ByColumn(kR6), .z = -1, .toColumn = 4}}, .strips = kBToAThenAToC}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish18Dorsal), .turn = ByMap(kBend, kDorsalAt),
      .terms = {AddY(ByMap(kBody, kDorsalAt)), AddY(ByColumn(kG3), RowBit(1))}}},
    {Parts::kPectorals,
     {.name = "pectorals", .mesh = MeshOf(g_Fish18Pectoral), .mirror = Mirror::After, .turn = At(kBend, 4),
      .terms = {Add(ByColumn(kG4), 1, 0, 1, RowBit(0)), Add(ByColumn(kG4), 0, 1, 0, RowBit(0), -1)}}},
    {Parts::kPelvics,
     {.name = "pelvics", .mesh = MeshOf(g_Fish18Pelvic), .mirror = Mirror::After, .turn = At(kBend, 6),
      .terms = {Add(ByColumn(kG10), 0, 1, 0, RowBit(1), -1)}}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish18Anal), .turn = ByMap(kBend, kAnalAt),
      .terms = {AddY(ByMap(kBody, kAnalAt)), AddY(ByColumn(kG8), RowBit(1))}}},
    // The edge sways with segment 12 and its own wave, the root with the stalk's end.
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish18Tail), .turn = At(kBend, 14),
      .terms = {AddY(At(kBody, 12), RowBit(0)), AddY(ByColumn(kG9), RowBit(0)), AddY(At(kBody, 14), RowBit(1))}}},
    {Parts::kEyes,
     {.name = "eyes", .mesh = MeshOf(g_Fish18Eye), .mirror = Mirror::After, .turn = MeanOf(kBend, 0, 1),
      .strips = kBToAThenAToC}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies18 = {
    .name = "harlequin rasbora",
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
static_assert(CheckFishClass(kFishSpecies18));

namespace {
const FishSpeciesRegistrar<CFishSpecies18> kRegistered(18, kFishSpecies18);
}  // namespace
