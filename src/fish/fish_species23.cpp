// Species 23, the clownfish: its description. The template does the rest.
#include "fish/fish_species23.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species23_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Parts = CFishSpecies23::Parts;
// The two its description writes as rounded decimals.
constexpr float kPi12 = rounded::kPi12, kPi6 = rounded::kPi6;

// Wave blocks, in layout order.
enum Block { kA, kR1, kR2, kB, kSpare1, kC, kSpare2, kD, kSpare3, kE, kF };
// Working arrays of one Draw.
enum Array { kBody, kBend, kRamp1, kRamp2, kSineB, kSineC, kSineD, kSineE, kSineF };

constexpr FishWave kWaves[] = {
    /* A  */ {0, 0, kPi12, 0.1f, kPi4},
    /* R1 */ {0, 0, 0, 0.003f, 0},
    /* R2 */ {0, 0, 0, 0.003f, 0},
    /* B  */ {0, 0, kPi16, 0.01f, kPi6},
    {},
    /* C  */ {0, 0, kPi16, 0.01f, kPi6},
    {},
    /* D  */ {0, 0, kPi16, 0.03f, kPi6},
    {},
    /* E  */ {0, 0, kPi16, 0.01f, kPi6},
    /* F  */ {0, 0, kPi10, 0.02f, kPi4},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kA, kPi12, 0.1f, true, kPi4, true},
    {kB, kPi5, 0.015f, true, kPi8, true},
    {kC, kPi16, 0.01f, true, kPi6, true},
};

constexpr WaveGen Ramp(int array) { return {.kind = WaveKind::Ramp, .block = kR1, .array = array, .count = 4}; }

constexpr WaveGen kPlan[] = {
    Ramp(kRamp1),
    {.kind = WaveKind::Ramp, .block = kR1, .array = kRamp2, .count = 4, .toggleAfter = 50},
    {.kind = WaveKind::Bend, .array = kBend, .count = 15},
    {.kind = WaveKind::BodyWave, .block = kA, .array = kBody, .count = 15, .cadence = 3, .gain = 0.01f, .start = 5},
    Sine(kF, kSineF, 20),
    Sine(kB, kSineB, 14),
    Sine(kE, kSineE, 14),
    Sine(kD, kSineD, 8),
    Sine(kC, kSineC, 6),
    // Both ramps again, so both hold the ramp of the stroke flag as the toggle left it.
    Ramp(kRamp1),
    Ramp(kRamp2),
};

constexpr VariantScale kScales[] = {{5, 0.7f, 1, 1}, {6, 0.5f, 1, 0.7f}, {7, 0.4f, 0.8f, 0.4f}, {8, 0.8f, 0.8f, 0.9f}};

// The spiny dorsal fin turns with segment 8, leaning by the body wave's step
// from segment 6 to 8.
float DorsalTurn(const CFishModel&, const FishFrame& f, const GridPoint& p)
{
    return f[kBend][8] + p.column * (f[kBody][8] - f[kBody][6]) / 14;
}

// The tail's root points sit at segments 12 (the outer two) and 13, its edge at 14.
int TailSegment(const GridPoint& p) { return p.row == 1 ? 14 : (p.column < 5 || p.column >= 15) ? 12 : 13; }
float TailTurn(const CFishModel&, const FishFrame& f, const GridPoint& p) { return f[kBend][TailSegment(p)]; }
float TailSway(const CFishModel&, const FishFrame& f, const GridPoint& p) { return f[kBody][TailSegment(p)]; }

constexpr VariantLimit kFirstFiveColumns[] = {{VariantMask({7, 8}), 0, 5}};

// Paired fins: the second of each pair is the first's y-negated twin.
constexpr GridPart kPectoral = {.name = "pectoral", .mesh = MeshOf(g_Fish23Pectoral), .turn = At(kBend, 2),
                                .terms = {AddY(At(kBody, 2)), Add(ByColumn(kSineC), 4, 1, 2, RowBit(1))},
                                .hiddenInVariants = VariantMask({7})};
constexpr GridPart kPelvic = {.name = "pelvic", .mesh = MeshOf(g_Fish23Pelvic), .turn = At(kBend, 7),
                              .terms = {AddY(At(kBody, 7)), AddY(ByColumn(kSineD), RowBit(1))},
                              .hiddenInVariants = VariantMask({6, 7})};
constexpr GridPart kEye = {.name = "eye", .mesh = MeshOf(g_Fish23Eye), .turn = At(kBend, 0),
                           .terms = {Add(DriftValue(), 1, 0, 1)}, .hiddenInVariants = VariantMask({6})};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish23Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}, .emptyQuadsFirst = true}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish23UpperJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kRamp2))}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish23LowerJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kRamp1), kAllRows, -1)}}},
    {Parts::kSpinyDorsal,
     {.name = "spiny dorsal", .mesh = MeshOf(g_Fish23Dorsal), .turn = ByHand(DorsalTurn),
      .terms = {AddY(Lerp(kBody, 6, 8, 14), RowBit(0)), AddY(ByColumn(kSineB), RowBit(1))},
      .limits = kFirstFiveColumns}},
    {Parts::kSoftDorsal,
     {.name = "soft dorsal", .mesh = MeshOf(g_Fish23SoftDorsal), .turn = LerpMeans(kBend, 9, 10, 11, 12, 9),
      .terms = {AddY(LerpMeans(kBody, 9, 10, 11, 12, 9))}, .hiddenInVariants = VariantMask({5, 6, 7})}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, TwinOf(kPectoral, "pectoral twin")},
    {Parts::kPelvic, kPelvic},
    {Parts::kPelvicTwin, TwinOf(kPelvic, "pelvic twin")},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish23Anal), .turn = Lerp(kBend, 9, 10, 14),
      .terms = {AddY(Lerp(kBody, 9, 10, 14)), AddY(ByColumn(kSineE), RowBit(1))}}},
    // The edge's sideways sway (sine F) is not scaled by the size; its lift is.
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish23Tail), .turn = ByHand(TailTurn),
      .terms = {AddY(ByHand(TailSway)), {.track = ByColumn(kSineF), .y = 1, .rows = RowBit(1), .scaled = false},
                AddZ(ByColumn(kSineF), RowBit(1))}}},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies23 = {
    .name = "clownfish",
    .segments = 15,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.05f,
    .bodyDims = {1.0f, 0.34605f, 0.2778f},
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .scales = kScales,
    .parts = kParts,
};
static_assert(CheckFishClass(kFishSpecies23));

namespace {
const FishSpeciesRegistrar<CFishSpecies23> kRegistered(23, kFishSpecies23);
}  // namespace
