// Species 1, the bristlenose pleco: its description. The template does the rest.
#include "fish/fish_species01.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species01_meshes.h"

#include <array>

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies01::Steps;
using Parts = CFishSpecies01::Parts;

// Wave blocks W0 to W10, in layout order. W6 is read by nothing.
enum Block { kW0, kW1, kW2, kW3, kW4, kW5, kW6, kW7, kW8, kW9, kW10 };
// Working arrays of one Draw.
enum Array { kD, kE, kB, kC, kF, kH, kI, kJ, kK, kL, kM };

constexpr FishWave kWaves[] = {
    /* W0  */ {0, 0, kPi16, 0.01f, kPi6},
    /* W1  */ {0, 0, 0, 0.005f, 0},
    /* W2  */ {0, 0, 0, 0.005f, 0},
    /* W3  */ {0, 0, kPi2, 0.01f, kPi6},
    /* W4  */ {0, 0, kPi2, 0.01f, kPi6},
    /* W5  */ {0, 0, kPi24, 0.05f, kPi8},
    /* W6  */ {0, 0, kPi24, 0.05f, kPi8},
    /* W7  */ {0, 0, kPi20, 0.01f, kPi8},
    /* W8  */ {0, 0, kPi2, 0.01f, kPi6},
    /* W9  */ {0, 0, kPi2, 0.01f, kPi6},
    /* W10 */ {0, 0, kPi8, 0.03f, kPi6},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kE, .count = 14}},
    // Only its last entry moves, by a factor of 0: the body never waves.
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kW0, .array = kD, .count = 14, .gain = 0.01f, .start = 13,
      .writesAmplitude = true}},
    {Steps::kReverseRamp, {.kind = WaveKind::ReverseRamp, .block = kW2, .array = kB, .count = 4}},
    {Steps::kReverseRampToggle,
     {.kind = WaveKind::ReverseRamp, .block = kW1, .array = kC, .count = 4, .toggleAfter = 20}},
    {Steps::kSineWave4, Sine(kW3, kF, 4)},
    {Steps::kSineWave, Sine(kW4, kH, 7)},
    {Steps::kSineWave5, Sine(kW5, kI, 16, 2)},
    {Steps::kGrowingWave,
     {.kind = WaveKind::Growing, .block = kW7, .array = kJ, .count = 5, .gain = 0.01f, .writesAmplitude = true,
      .pinned = 1}},
    {Steps::kSineWave2, Sine(kW8, kK, 4)},
    {Steps::kSineWave6, Sine(kW9, kL, 5)},
    {Steps::kSineWave3, Sine(kW10, kM, 20)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The pectoral fan: step c joins edge point c to root c / 2.
constexpr RowPair kFanStrip[] = {{0, 1, 1, 2}};

constexpr GridPart kPectoral = {
    .name = "pectoral", .mesh = MeshOf(g_Fish01Pectoral), .turn = MeanOf(kE, 3, 4),
    .terms = {Add(ByColumn(kI), 1, 1, 0, RowBit(0))}, .strips = kFanStrip};
constexpr GridPart kEye = {
    .name = "eye", .mesh = MeshOf(g_Fish01Eye), .turn = MeanOf(kE, 1, 2), .terms = {Add(DriftValue(), 1, 0, 1)}};

constexpr GridPart PectoralTwin()
{
    GridPart twin = TwinOf(kPectoral, "pectoral twin");
    // Out along x as on the first side, out along y on its own side.
    twin.terms[0] = {.track = ByColumn(kI), .x = 1, .rows = RowBit(0)};
    twin.terms[1] = {.track = ByColumn(kI), .y = 1, .rows = RowBit(0), .mirrorSign = -1};
    return twin;
}

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish01Body), .mirror = Mirror::Halves, .turn = ByColumn(kE),
      .terms = {AddY(ByColumn(kD))}}},
    // The snout sinks with the ramps, most at its tip.
    {Parts::kSnoutUnder,
     {.name = "snout under", .mesh = MeshOf(g_Fish01SnoutUnder), .mirror = Mirror::After, .turn = At(kE, 0),
      .terms = {{.track = ByColumn(kB), .z = -1}}}},
    {Parts::kSnoutTop,
     {.name = "snout top", .mesh = MeshOf(g_Fish01SnoutTop), .mirror = Mirror::After, .turn = At(kE, 0),
      .terms = {{.track = ByColumn(kC), .z = -1}}}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish01Dorsal), .turn = ByColumn(kE, 4),
      .terms = {AddY(ByColumn(kD, 4)), AddY(ByColumn(kF), RowBit(0))}}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish01Anal), .turn = ByColumn(kE, 7),
      .terms = {AddY(ByColumn(kD, 7)), AddY(ByColumn(kH), RowBit(0))}}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, PectoralTwin()},
    // The spine's far end rises and spreads with the growing wave; its twin dips.
    {Parts::kPectoralSpine,
     {.name = "pectoral spine", .mesh = MeshOf(g_Fish01PectoralSpine), .turn = At(kE, 3),
      .terms = {Add(ByColumn(kJ), 0, 1, 1)}}},
    {Parts::kPectoralSpineTwin,
     {.name = "pectoral spine twin", .mesh = MeshOf(g_Fish01PectoralSpine), .mirror = Mirror::Twin,
      .turn = At(kE, 3), .terms = {{.track = ByColumn(kJ), .y = 1, .mirrorSign = -1}, {.track = ByColumn(kJ), .z = -1}}}},
    // The edge swings as one, by the first entry of sine W8.
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish01Pelvic), .turn = ByColumn(kE, 6),
      .terms = {AddY(ByColumn(kD, 6)), AddY(At(kK, 0), RowBit(1))}}},
    {Parts::kAdipose,
     {.name = "adipose", .mesh = MeshOf(g_Fish01Adipose), .turn = ByColumn(kE, 9),
      .terms = {AddY(ByColumn(kD, 9)), AddY(ByColumn(kL), RowBit(0))}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish01Tail), .turn = At(kE, 13),
      .terms = {AddY(At(kD, 13)), AddY(ByColumn(kM), RowBit(0))}}},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

// Mode 4 flattens the pectoral fins; modes 5 and 6 shrink the whole fish
// (or only its height) and draw the body, snout, pectorals, tail and eyes.
constexpr DrawStep kMode4[] = {
    Part(Parts::kBody),          Part(Parts::kSnoutUnder),         Part(Parts::kSnoutTop), Push(),
    Scale(1.0f, 0.5f, 0.5f),     Part(Parts::kPectoral),           Part(Parts::kPectoralTwin), Pop(),
    Part(Parts::kPectoralSpine), Part(Parts::kPectoralSpineTwin),  Part(Parts::kTail),     Part(Parts::kEye),
    Part(Parts::kEyeTwin),
};
// The program of modes 5 and 6 after their scale.
constexpr std::array<DrawStep, 11> Shrunk(DrawStep scale)
{
    return {scale,
            Push(),
            Part(Parts::kBody),
            Part(Parts::kSnoutUnder),
            Part(Parts::kSnoutTop),
            Part(Parts::kPectoral),
            Part(Parts::kPectoralTwin),
            Part(Parts::kTail),
            Part(Parts::kEye),
            Part(Parts::kEyeTwin),
            Pop()};
}
constexpr auto kMode5 = Shrunk(Scale(0.5f, 0.5f, 0.5f));
constexpr auto kMode6 = Shrunk(Scale(1.0f, 1.0f, 0.5f));
constexpr VariantProgram kPrograms[] = {
    {VariantMask({4}), kMode4},
    {VariantMask({5}), kMode5},
    {VariantMask({6}), kMode6},
};

}  // namespace

constexpr FishClass kFishSpecies01 = {
    .name = "bristlenose pleco",
    .segments = 14,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.1f,
    .bodyDims = {0.843674f, 1.0f, 0.453688f},
    .drift = true,
    .plan = kPlan,
    .parts = kParts,
    .programs = kPrograms,
    .degree = 0.01745329f,
    .wanders = false,
    .drawnVariants = VariantMask({0, 1, 2, 3, 4, 5, 6}),
    .otherVariantsDraw = false,
};
static_assert(CheckFishClass(kFishSpecies01));

namespace {
const FishSpeciesRegistrar<CFishSpecies01> kRegistered(1, kFishSpecies01);
}  // namespace
