// Species 4, the oscar: its description. The template does the rest; the
// edge profiles of modes 3 and 4 are written beside it.
#include "fish/fish_species04.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species04_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies04::Steps;
using Parts = CFishSpecies04::Parts;

// Wave blocks, in layout order; 5 and 7 stand empty.
enum Block {
    kBodyBlock, kToggleBlock, kReverseBlock, kDorsalBlock, kPectoralBlock, kSpare5, kPelvicBlock, kSpare7,
    kAnalBlock, kTailBlock
};
// Working arrays of one Draw.
enum Array { kBody, kBend, kReverse, kToggle, kDorsalWave, kPectoralWave, kPelvicWave, kAnalWave, kTailWave };

constexpr FishWave kWaves[] = {
    /* body     */ {0, 0, kPi16, 0.01f, kPi6},
    /* toggle   */ {0, 0, 0, 0.01f, 0},
    /* reverse  */ {0, 0, 0, 0.005f, 0},
    /* dorsal   */ {0, 0, kPi16, 0.03f, kPi6},
    /* pectoral */ {0, 0, kPi24, 0.05f, kPi8},
    {},
    /* pelvic   */ {0, 0, kPi20, 0.01f, kPi8},
    {},
    /* anal     */ {0, 0, kPi16, 0.03f, kPi6},
    /* tail     */ {0, 0, kPi8, 0.03f, kPi6},
};

// The pitch, the toggle's counter and the wander timer.
constexpr RandDraw kDraws[] = {
    {RandDraw::kPitch, 45},
    {RandDraw::kCounter, 15, kToggleBlock},
    {RandDraw::kWanderTimer, 200},
};

// The body wave's phase step keeps its rate; every other rate takes the factor.
constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi16, 0.01f, true, kPi6, false},   {kDorsalBlock, kPi16, 0.03f, true, kPi6, true},
    {kPectoralBlock, kPi24, 0.05f, true, kPi8, true}, {kPelvicBlock, kPi20, 0.01f, true, kPi8, true},
    {kAnalBlock, kPi16, 0.03f, true, kPi6, true},     {kTailBlock, kPi8, 0.03f, true, kPi6, true},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 18}},
    // Still up to segment 9, then (i - 10) x 0.01 x 0.5 x sin.
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 18, .cadence = 5, .gain = 0.01f,
      .start = 10, .writesAmplitude = true}},
    // (n - i) x 0.005, its first entry 0.
    {Steps::kReverseRamp,
     {.kind = WaveKind::ReverseRamp, .block = kReverseBlock, .array = kReverse, .count = 4, .pinned = 1}},
    // i x 0.01; the stroke flips on every 22nd call.
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kToggleBlock, .array = kToggle, .count = 3, .toggleAfter = 20}},
    {Steps::kTemplateSineWave, Sine(kDorsalBlock, kDorsalWave, 13)},
    {Steps::kPinnedWave, {.kind = WaveKind::Sine, .block = kPectoralBlock, .array = kPectoralWave, .count = 21,
                          .cadence = 2, .pinned = 1}},
    {Steps::kGrowingWave,
     {.kind = WaveKind::Growing, .block = kPelvicBlock, .array = kPelvicWave, .count = 8, .cadence = 5,
      .gain = 0.01f, .writesAmplitude = true, .pinned = 1}},
    {Steps::kSineWave, Sine(kAnalBlock, kAnalWave, 9)},
    {Steps::kSineWave2, Sine(kTailBlock, kTailWave, 27)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

constexpr VariantScale kScales[] = {{4, 1.2f, 1, 1}};

// Mode 4: the dorsal edge falls from front to back, every other of its first
// seven columns 0.03 lower.
float DorsalEdgeMode4(const CFishModel&, const FishFrame&, const GridPoint& p)
{
    const int j = p.column;
    const float d = j < 7 ? static_cast<float>(j % 2) * 0.03f : 0.0f;
    return (13 - j) * 0.01f - 0.05f - d;
}

// The tail edge's columns counted from the nearer end.
int FromNearerEnd(int j) { return j < 13 ? j : 27 - j; }
// Mode 3 draws the edge out toward its middle, mode 4 in, but for two points out.
float TailEdgeMode3(const CFishModel&, const FishFrame&, const GridPoint& p)
{
    return FromNearerEnd(p.column) * 0.01f;
}
float TailEdgeMode4(const CFishModel&, const FishFrame&, const GridPoint& p)
{
    return p.column == 4 || p.column == 22 ? 0.08f : -0.008f * FromNearerEnd(p.column);
}

// Paired fins: the second of each pair is the first's y-negated twin. The
// pectoral's edge swings back and out (out on either side); the pelvic's
// toward the midline on either side.
constexpr RowPair kSharedRoots[] = {{.a = 0, .b = 1, .divA = 3}};
constexpr GridPart kPectoral = {
    .name = "pectoral", .mesh = MeshOf(g_Fish04Pectoral), .turn = At(kBend, 8),
    .terms = {Add(ByColumn(kPectoralWave), 1, 0, 0, RowBit(1)), Add(ByColumn(kPectoralWave), 0, -1, 0, RowBit(1), -1)},
    .strips = kSharedRoots};
constexpr VariantLimit kShortInMode4[] = {{VariantMask({4}), 0, 6}};
constexpr GridPart kPelvic = {.name = "pelvic", .mesh = MeshOf(g_Fish04Pelvic), .turn = MeanOf(kBend, 7, 8),
                              .terms = {Add(ByColumn(kPelvicWave), 0, 1, 0, kAllRows, -1)}, .limits = kShortInMode4};
// The eye's centre points each serve two columns; the eyes drift with the fish.
constexpr RowPair kEyeStrips[] = {{.a = 0, .b = 1, .divA = 2}, {.a = 1, .b = 2}};
constexpr GridPart kEye = {.name = "eye", .mesh = MeshOf(g_Fish04Eye), .turn = At(kBend, 3),
                           .terms = {Add(DriftValue(), 1, 0, 1)}, .strips = kEyeStrips};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish04Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish04LowerJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kReverse), kAllRows, -1)}}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish04UpperJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kToggle))}}},
    // Columns 0 to 7 over segments 8 to 15, the rest with segment 16; the
    // rear of the root sways with the edge.
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish04Dorsal), .turn = ByColumnUpTo(kBend, 8, 16),
      .terms = {AddY(ByColumnUpTo(kBody, 8, 16)),
                {.track = ByColumn(kDorsalWave), .y = 1, .rows = RowBit(0), .fromColumn = 8},
                AddY(ByColumn(kDorsalWave), RowBit(1)), AddZ(Const(-0.02f)),
                {.track = ByHand(DorsalEdgeMode4), .z = 1, .rows = RowBit(1), .variants = VariantMask({4})}}}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, TwinOf(kPectoral, "pectoral twin")},
    {Parts::kPelvic, kPelvic},
    {Parts::kPelvicTwin, TwinOf(kPelvic, "pelvic twin")},
    // Columns 0 to 4 over segments 11 to 15, the rest with segment 16.
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish04Anal), .turn = ByColumnUpTo(kBend, 11, 16),
      .terms = {AddY(ByColumnUpTo(kBody, 11, 16)),
                {.track = ByColumn(kAnalWave), .y = 1, .rows = RowBit(0), .fromColumn = 5},
                AddY(ByColumn(kAnalWave), RowBit(1)), AddZ(Const(0.02f))}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish04Tail), .turn = At(kBend, 17),
      .terms = {AddY(At(kBody, 17)), AddY(ByColumn(kTailWave), RowBit(1)),
                {.track = ByHand(TailEdgeMode3), .x = 1, .rows = RowBit(1), .variants = VariantMask({3})},
                {.track = ByHand(TailEdgeMode4), .x = 1, .rows = RowBit(1), .variants = VariantMask({4})}},
      .strips = kSharedRoots}},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies04 = {
    .name = "oscar",
    .segments = 18,
    .waves = kWaves,
    .draws = kDraws,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.59327f, 0.441172f},
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .scales = kScales,
    .parts = kParts,
    .swimStyleDraws = false,
};
static_assert(CheckFishClass(kFishSpecies04));

namespace {
const FishSpeciesRegistrar<CFishSpecies04> kRegistered(4, kFishSpecies04);
}  // namespace
