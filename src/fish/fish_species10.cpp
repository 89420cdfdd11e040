// Species 10, the green swordtail: its description. The template does the
// rest; the fins on the back, under the tail stalk and the tail itself sway
// with the body segments they stand on.
#include "fish/fish_species10.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species10_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies10::Steps;
using Parts = CFishSpecies10::Parts;

// Wave blocks, in layout order (the second ramp counter is kept and read by nothing).
enum Block { kBodyBlock, kRampBlock, kSecondRamp, kBlock14, kBlock16, kBlock13, kBlock23 };
// Working arrays of one Draw.
enum Array { kRamp, kToggle, kBW, kBend, kW13, kW14, kW16, kW23 };

constexpr FishWave kWaves[] = {
    /* body */ {0, 0, kPi16, 0.01f, kPi4},
    /* ramp */ {0, 0, 0, 0.003f, 0},
    /*      */ {},
    /* 14   */ {0, 0, kPi5, 0.01f, kPi6},
    /* 16   */ {0, 0, kPi20, 0.02f, kPi8},
    /* 13   */ {0, 0, kPi16, 0.01f, kPi6},
    /* 23   */ {0, 0, kPi16, 0.01f, kPi6},
};

// Waves 16 and 23 keep their first values.
constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kBlock14, kPi5, 0.015f, true, kPi8, true},
    {kBlock13, kPi16, 0.01f, true, kPi6, true},
};

// The sines are made in double precision and kept as floats.
constexpr WaveGen SineInDouble(int block, int array, int count)
{
    WaveGen gen = Sine(block, array, count);
    gen.inDouble = true;
    return gen;
}

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kRamp, {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kRamp, .count = 5}},
    // The same ramp; then the stroke flag flips on every 52nd call.
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kToggle, .count = 5, .toggleAfter = 50}},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 18}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBW, .count = 18, .cadence = 3, .gain = 0.01f,
      .start = 10, .inDouble = true}},
    {Steps::kSineWave, SineInDouble(kBlock14, kW14, 14)},
    {Steps::kSineWave3, SineInDouble(kBlock16, kW16, 16)},
    {Steps::kSineWave2, SineInDouble(kBlock13, kW13, 13)},
    {Steps::kSineWave4, SineInDouble(kBlock23, kW23, 23)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The segment each column of the dorsal fin (8 + c / 2) and of the
// gonopodium (13 + c / 3) takes, in half steps.
constexpr int8_t kDorsalAt[] = {16, 16, 18, 18, 20, 20, 22, 22, 24, 24, 26, 26, 28, 28};
constexpr int8_t kGonopodiumAt[] = {26, 26, 26, 28, 28, 28, 30, 30, 30};

// Variant 2: the dorsal fin's edge serrated, 0.005 c - 0.03 (c mod 2) up.
constexpr float SerrationOf(int c) { return 0.005f * c - 0.03f * (c % 2); }
constexpr float kSerration[] = {SerrationOf(0),  SerrationOf(1),  SerrationOf(2),  SerrationOf(3),  SerrationOf(4),
                                SerrationOf(5),  SerrationOf(6),  SerrationOf(7),  SerrationOf(8),  SerrationOf(9),
                                SerrationOf(10), SerrationOf(11), SerrationOf(12), SerrationOf(13)};

// Every part opens with an empty GL_QUADS pair; the mirrored ones draw all
// their strips, then all again with y negated.
constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish10Body), .mirror = Mirror::After, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBW))}, .emptyQuadsFirst = true}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish10UpperJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kToggle))}, .emptyQuadsFirst = true}},
    // The tip column never opens.
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish10LowerJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {{.track = ByColumn(kRamp), .z = -1, .toColumn = 4}}, .emptyQuadsFirst = true}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish10Dorsal), .turn = ByMap(kBend, kDorsalAt),
      .terms = {AddY(ByMap(kBW, kDorsalAt)), AddY(ByColumn(kW14), RowBit(1)),
                {.track = ByTable(kSerration), .z = 1, .rows = RowBit(1), .variants = VariantMask({2})}},
      .emptyQuadsFirst = true}},
    // Both pectoral fins beat toward the same side.
    {Parts::kPectoral,
     {.name = "pectoral", .mesh = MeshOf(g_Fish10Pectoral), .mirror = Mirror::After, .turn = At(kBend, 4),
      .terms = {Add(ByColumn(kW16), 0, 1, 1, RowBit(0))}, .emptyQuadsFirst = true}},
    // The pelvic fins open and close across the fish.
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish10Pelvic), .mirror = Mirror::After, .turn = At(kBend, 10),
      .terms = {Add(ByColumn(kW13), 0, 1, 0, RowBit(0), -1), AddZ(ByColumn(kW13), RowBit(0))},
      .emptyQuadsFirst = true}},
    {Parts::kGonopodium,
     {.name = "gonopodium", .mesh = MeshOf(g_Fish10Gonopodium), .turn = ByMap(kBend, kGonopodiumAt),
      .terms = {AddY(ByMap(kBW, kGonopodiumAt))}, .emptyQuadsFirst = true}},
    // The edge sways with segment 16 and its own wave, the root with the stalk's end.
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish10Tail), .turn = At(kBend, 17),
      .terms = {AddY(At(kBW, 16), RowBit(0)), AddY(ByColumn(kW23), RowBit(0)), AddY(At(kBW, 17), RowBit(1))},
      .emptyQuadsFirst = true}},
    {Parts::kEye,
     {.name = "eye", .mesh = MeshOf(g_Fish10Eye), .mirror = Mirror::After, .turn = MeanOf(kBend, 1, 2),
      .emptyQuadsFirst = true}},
    {Parts::kMouthCorner,
     {.name = "mouth corner", .mesh = MeshOf(g_Fish10MouthCorner), .mirror = Mirror::After, .turn = At(kBend, 0),
      .emptyQuadsFirst = true}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies10 = {
    .name = "green swordtail",
    .segments = 18,
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
static_assert(CheckFishClass(kFishSpecies10));

namespace {
const FishSpeciesRegistrar<CFishSpecies10> kRegistered(10, kFishSpecies10);
}  // namespace
