// Species 11, the cuckoo catfish: its description. The template does the rest.
#include "fish/fish_species11.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species11_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies11::Steps;
using Parts = CFishSpecies11::Parts;
constexpr float kPi12 = rounded::kPi12, kPi6 = rounded::kPi6;  // as its description writes them

// Wave blocks W0 to W11, in layout order. W2, W3, W5 and W10 are read by
// nothing; W4 and W8 stay zero, so their generators write zeros.
enum Block { kW0, kW1, kW2, kW3, kW4, kW5, kW6, kW7, kW8, kW9, kW10, kW11 };
// Working arrays of one Draw (G is filled by nothing and stays zero).
enum Array { kA, kB, kC, kD, kE, kF, kG, kH, kI, kJ };

constexpr FishWave kWaves[] = {
    /* W0  */ {0, 0, kPi12, 0.1f, kPi4},
    /* W1  */ {0, 0, 0, 0.003f, 0},
    /* W2  */ {0, 0, 0, 0.003f, 0},
    /* W3  */ {0, 0, kPi16, 0.01f, kPi6},
    /* W4  */ {},
    /* W5  */ {0, 0, kPi16, 0.01f, kPi6},
    /* W6  */ {},
    /* W7  */ {0, 0, kPi16, 0.03f, kPi6},
    /* W8  */ {},
    /* W9  */ {0, 0, kPi16, 0.01f, kPi6},
    /* W10 */ {0, 0, kPi10, 0.02f, kPi4},
    /* W11 */ {0, 0, kPi10, 0.02f, kPi4},
};

constexpr WaveGen Ramp(int array, int count) { return {.kind = WaveKind::Ramp, .block = kW1, .array = array, .count = count}; }
constexpr WaveGen RampToggle(int array, int count)
{
    return {.kind = WaveKind::Ramp, .block = kW1, .array = array, .count = count, .toggleAfter = 50};
}

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kRamp, Ramp(kB, 6)},
    {Steps::kRampToggle, RampToggle(kC, 6)},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kE, .count = 17}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kW0, .array = kD, .count = 17, .cadence = 3, .gain = 0.01f, .start = 5,
      .writesAmplitude = true}},
    {Steps::kSineWave, Sine(kW4, kF, 12)},
    {Steps::kSineWave2, Sine(kW7, kH, 13)},
    {Steps::kSineWave5, Sine(kW8, kI, 19)},
    {Steps::kSineWave3, Sine(kW9, kJ, 25)},
    {Steps::kSineWave4, Sine(kW11, kA, 6)},
    // Again: the first four entries of both ramps, as the stroke flag now stands.
    {Steps::kRampAgain, Ramp(kB, 4)},
    {Steps::kRampToggleAgain, RampToggle(kC, 4)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The adipose fin's column c turns and sways with segment 7 + c / 2.
constexpr int8_t kAdiposeSegments[] = {14, 14, 16, 16, 18, 18, 20, 20, 22, 22, 24, 24, 26, 26, 28, 28, 30, 30, 32};

// The paired parts draw their +y half, then the same strips with y negated.
constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish11Body), .mirror = Mirror::After, .turn = ByColumn(kE),
      .terms = {AddY(ByColumn(kD))}}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish11UpperJaw), .mirror = Mirror::After, .turn = At(kE, 0),
      .terms = {AddZ(ByColumn(kC))}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish11LowerJaw), .mirror = Mirror::After, .turn = At(kE, 0),
      .terms = {{.track = ByColumn(kB), .z = -1, .toColumn = 4}}}},
    {Parts::kDorsal, {.name = "dorsal", .mesh = MeshOf(g_Fish11Dorsal), .turn = At(kE, 5)}},
    // The edge row follows sine W4, which stays zero.
    {Parts::kPectoral,
     {.name = "pectoral", .mesh = MeshOf(g_Fish11Pectoral), .mirror = Mirror::After, .turn = At(kE, 3),
      .terms = {Add(ByColumn(kF), 1, 1, 0, RowBit(0))}}},
    // The edges flap out and in together, twice sine W7.
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish11Pelvic), .mirror = Mirror::After, .turn = At(kE, 6),
      .terms = {{.track = ByColumn(kH), .y = 2, .rows = RowBit(0), .mirrorSign = -1}}}},
    {Parts::kAdipose,
     {.name = "adipose", .mesh = MeshOf(g_Fish11Adipose), .turn = ByMap(kE, kAdiposeSegments),
      .terms = {AddY(ByMap(kD, kAdiposeSegments)), AddY(ByColumn(kI), RowBit(1))}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish11Tail), .turn = At(kE, 16),
      .terms = {AddY(At(kD, 15), RowBit(0)), AddY(ByColumn(kJ), RowBit(0)), AddY(At(kD, 16), RowBit(1))}}},
    {Parts::kEye, {.name = "eye", .mesh = MeshOf(g_Fish11Eye), .mirror = Mirror::After, .turn = At(kE, 0)}},
    // Sine W11 moves the barbels up and out, both sides alike.
    {Parts::kBarbel,
     {.name = "barbel", .mesh = MeshOf(g_Fish11Barbel), .mirror = Mirror::After, .turn = At(kE, 0),
      .terms = {{.track = ByColumn(kA), .y = 1, .mirrorSign = -1}, AddZ(ByColumn(kA))}}},
    {Parts::kChinBarbel,
     {.name = "chin barbel", .mesh = MeshOf(g_Fish11ChinBarbel), .mirror = Mirror::After, .turn = At(kE, 0)}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies11 = {
    .name = "cuckoo catfish",
    .segments = 17,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.05f,
    .bodyDims = {1.0f, 0.34605f, 0.2778f},
    .drift = false,
    .plan = kPlan,
    .parts = kParts,
    .tilt = FishTilt::None,
    .wanders = false,
    .alive = AliveRule::Nothing,
};
static_assert(CheckFishClass(kFishSpecies11));

namespace {
const FishSpeciesRegistrar<CFishSpecies11> kRegistered(11, kFishSpecies11);
}  // namespace
