// Species 12, the Boesemani rainbowfish: its description. The template does
// the rest; the anal fin and the tail ride on the body wave of the segments
// they stand on, and variant 1 zigzags the edges of the dorsal fins, the
// paired fins and the tail.
#include "fish/fish_species12.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species12_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies12::Steps;
using Parts = CFishSpecies12::Parts;

// Wave blocks, in layout order (the second ramp counter, block 5 before the
// swim style rewrites it, and blocks 6 and 10 are read by nothing).
enum Block { kBodyBlock, kRampBlock, kSecondRamp, kBlock3, kBlock4, kBlock5, kBlock6, kBlock7, kBlock8, kBlock9 };
// Working arrays of one Draw.
enum Array { kRamp, kToggle, kBend, kBW, kS3, kS4, kS7, kS8, kS9 };

constexpr FishWave kWaves[] = {
    /* body */ {0, 0, kPi4, 0.1f, kPi8},
    /* ramp */ {0, 0, 0, 0.003f, 0},
    /*      */ {0, 0, 0, 0.003f, 0},
    /* 3    */ {0, 0, kPi5, 0.02f, kPi8},
    /* 4    */ {0, 0, kPi24, 0.02f, kPi8},
    /* 5    */ {0, 0, kPi16, 0.01f, kPi6},
    /* 6    */ {},
    /* 7    */ {0, 0, kPi20, 0.02f, kPi6},
    /* 8    */ {0, 0, kPi2, 0.01f, kPi6},
    /* 9    */ {0, 0, kPi4, 0.01f, kPi6},
    /* 10   */ {0, 0, kPi10, 0.02f, kPi8},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kBlock3, kPi5, 0.015f, true, kPi8, true},
    {kBlock5, kPi16, 0.01f, true, kPi6, true},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kRamp, {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kRamp, .count = 6}},
    // The same ramp; then the stroke flag flips on every 52nd call.
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kToggle, .count = 6, .toggleAfter = 50}},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 18}},
    // Still over the first ten segments, then growing by 0.02 a segment.
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBW, .count = 18, .cadence = 3, .gain = 0.02f,
      .start = 10}},
    {Steps::kSineWave, Sine(kBlock3, kS3, 10)},
    {Steps::kSineWave2, Sine(kBlock4, kS4, 20)},
    {Steps::kSine7, Sine(kBlock7, kS7, 17)},
    {Steps::kSine8, Sine(kBlock8, kS8, 45)},
    {Steps::kSine9, Sine(kBlock9, kS9, 31)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// Variant 1 pushes the odd columns of a fin's edge by a constant times the size.
constexpr float kOddColumns[] = {0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0};
constexpr WaveTerm Zigzag(float x, float z, uint16_t rows, float by)
{
    return {.track = ByTable(kOddColumns, by), .x = x, .z = z, .rows = rows, .variants = VariantMask({1})};
}

// The anal fin's columns, from its rear end forward, take segments 14, 13,
// 12 and 11, eleven or twelve columns each (in half steps).
constexpr int8_t AnalSegment(int c) { return static_cast<int8_t>(2 * (c < 33 ? 14 - c / 11 : 11)); }
constexpr int8_t kAnalAt[] = {
    AnalSegment(0),  AnalSegment(1),  AnalSegment(2),  AnalSegment(3),  AnalSegment(4),  AnalSegment(5),
    AnalSegment(6),  AnalSegment(7),  AnalSegment(8),  AnalSegment(9),  AnalSegment(10), AnalSegment(11),
    AnalSegment(12), AnalSegment(13), AnalSegment(14), AnalSegment(15), AnalSegment(16), AnalSegment(17),
    AnalSegment(18), AnalSegment(19), AnalSegment(20), AnalSegment(21), AnalSegment(22), AnalSegment(23),
    AnalSegment(24), AnalSegment(25), AnalSegment(26), AnalSegment(27), AnalSegment(28), AnalSegment(29),
    AnalSegment(30), AnalSegment(31), AnalSegment(32), AnalSegment(33), AnalSegment(34), AnalSegment(35),
    AnalSegment(36), AnalSegment(37), AnalSegment(38), AnalSegment(39), AnalSegment(40), AnalSegment(41),
    AnalSegment(42), AnalSegment(43), AnalSegment(44)};

// The mirrored parts draw all their strips, then all again with y negated.
constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish12Body), .mirror = Mirror::After, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBW))}}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish12UpperJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kToggle))}}},
    // The tip columns stay closed.
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish12LowerJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {{.track = ByColumn(kRamp), .z = -1, .toColumn = 4}}}},
    // Both dorsal fins: column c over segment 8 + c, the edge waving.
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish12Dorsal), .turn = ByColumn(kBend, 8),
      .terms = {AddY(ByColumn(kS3), RowBit(1)), Zigzag(0, 1, RowBit(1), 0.03f)}}},
    // The edge beats back and out, the mirrored fin to its own side.
    {Parts::kPectoral,
     {.name = "pectoral", .mesh = MeshOf(g_Fish12Pectoral), .mirror = Mirror::After, .turn = At(kBend, 4),
      .terms = {Add(ByColumn(kS4), 1, 0, 0, RowBit(0)), Add(ByColumn(kS4), 0, 1, 0, RowBit(0), -1),
                Zigzag(1, 0, RowBit(0), 0.03f)}}},
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish12Pelvic), .mirror = Mirror::After, .turn = At(kBend, 4),
      .terms = {Add(ByColumn(kS7), 0, 1, 0, RowBit(0), -1), Zigzag(1, 0, RowBit(0), 0.02f)}}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish12Anal), .turn = ByMap(kBend, kAnalAt),
      .terms = {AddY(ByColumn(kS8), RowBit(1)), AddY(ByMap(kBW, kAnalAt))}}},
    // The edge sways with segment 17 and its own wave, the root with segment 16.
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish12Tail), .turn = At(kBend, 16),
      .terms = {Zigzag(1, 0, RowBit(0), 0.1f), AddY(ByColumn(kS9), RowBit(0)), AddY(At(kBW, 17), RowBit(0)),
                AddY(At(kBW, 16), RowBit(1))}}},
    {Parts::kEye,
     {.name = "eye", .mesh = MeshOf(g_Fish12Eye), .mirror = Mirror::After, .turn = At(kBend, 0)}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies12 = {
    .name = "Boesemani rainbowfish",
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
static_assert(CheckFishClass(kFishSpecies12));

namespace {
const FishSpeciesRegistrar<CFishSpecies12> kRegistered(12, kFishSpecies12);
}  // namespace
