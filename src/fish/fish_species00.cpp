// Species 0, the telescope-eye goldfish: its description. The template does
// the rest.
#include "fish/fish_species00.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species00_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies00::Steps;
using Parts = CFishSpecies00::Parts;

// Wave blocks, in layout order (2, 5, 7, 9, 11, 12 and 13 drive nothing).
enum Block { kBodyBlock, kRampBlock, kSpare2, kGrow2, kSine3, kSpare5, kGrow, kSpare7, kSine2, kSpare9, kSine };
// Working arrays of one Draw: bend, body wave, growing wave 2, sine wave 3,
// growing wave, sine wave 2, sine wave, ramp, toggle ramp.
enum Array { kBend, kBody, kG2, kS3, kG, kS2, kS, kRamp, kToggle };

constexpr FishWave kWaves[] = {
    /* body  */ {0, 0, kPi16, 0.1f, kPi6},
    /* ramps */ {0, 0, 0, 0.01f, 0},
    /*       */ {0, 0, 0, 0.02f, 0},
    /* G2    */ {0, 0, kPi4, 0.5f, kPi6},
    /* S3    */ {0, 0, kPi24, 0.05f, kPi8},
    /*       */ {0, 0, kPi24, 0.05f, kPi8},
    /* G     */ {0, 0, kPi20, 0.001f, kPi8},
    /*       */ {0, 0, kPi16, 0.01f, kPi6},
    /* S2    */ {0, 0, kPi20, 0.001f, kPi8},
    /*       */ {0, 0, kPi4, 0.03f, kPi6},
    /* S     */ {0, 0, kPi4, 0.05f, kPi6},
    /*       */ {0, 0, kPi4, 0.05f, kPi6},
    /*       */ {0, 0, kPi2, 0.01f, kPi6},
    /*       */ {0, 0, kPi4, 0.03f, kPi6},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi16, 0.05f, true, kPi6, true}, {kGrow2, kPi4, 0.02f, true, kPi4, true},
    {kSine3, kPi16, 0.01f, true, kPi6, true},     {kSpare5, kPi24, 0.05f, true, kPi8, true},
    {kGrow, kPi16, 0.01f, true, kPi6, true},      {kSpare7, kPi16, 0.01f, true, kPi6, true},
    {kSine2, kPi2, 0.01f, true, kPi6, true},      {kSpare9, kPi4, 0.03f, true, kPi6, true},
};

// The order of the class's Draw (the header's generators name these steps).
// Both ramps read the slope of block 1 and zero their first entry; the last
// entry opens 1.3 times as far. The toggle ramp starts one step later and
// flips the stroke on every 52nd call.
constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 17}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 17, .cadence = 2, .gain = 0.0125f,
      .start = 10}},
    {Steps::kGrowingWave2, Growing(kGrow2, kG2, 10, 0.01f)},
    {Steps::kSineWave3, Sine(kSine3, kS3, 8, 2)},
    {Steps::kGrowingWave, Growing(kGrow, kG, 14, 0.01f)},
    {Steps::kSineWave2, Sine(kSine2, kS2, 7, 5)},
    {Steps::kSineWave, Sine(kSine, kS, 21, 2)},
    {Steps::kRamp,
     {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kRamp, .count = 3, .pinned = 1, .lastTimes = 1.3f}},
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kToggle, .count = 3, .pinned = 1, .lastTimes = 1.3f,
      .shift = -1, .toggleAfter = 50}},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The edge row of a two-row fin.
constexpr uint16_t kEdge = RowBit(1);

// Paired parts: the tables hold the left side, the twin draws the right.
constexpr GridPart kEye = {.name = "eye", .mesh = MeshOf(g_Fish00Eye), .turn = MeanOf(kBend, 2, 3),
                           .terms = {Add(DriftValue(), 1, 0, 1)},
                           .cap = {GL_POLYGON, std::span<const FishVertex>(g_Fish00EyeCap[0])}};
constexpr GridPart kPectoral = {.name = "pectoral", .mesh = MeshOf(g_Fish00Pectoral), .turn = ByColumn(kBend, 6),
                                .terms = {Add(ByColumn(kS3), 1, 1, 0, kEdge)}};
// The pelvic fins beat in and out together: the wave turns with the side.
constexpr GridPart Pelvic(const char* name, Mirror mirror)
{
    return {.name = name, .mesh = MeshOf(g_Fish00Pelvic), .mirror = mirror, .turn = At(kBend, 8),
            .terms = {{.track = ByColumn(kG), .y = 1, .rows = kEdge, .mirrorSign = -1, .toColumn = 10}}};
}
constexpr GridPart Anal(const char* name, Mirror mirror)
{
    return {.name = name, .mesh = MeshOf(g_Fish00Anal), .mirror = mirror, .turn = At(kBend, 11),
            .terms = {AddY(At(kBody, 11)), {.track = ByColumn(kS2), .y = 1, .rows = kEdge, .mirrorSign = -1}}};
}
constexpr GridPart kTail = {.name = "tail", .mesh = MeshOf(g_Fish00Tail), .turn = At(kBend, 16),
                            .terms = {AddY(At(kBody, 15)), Add(ByColumn(kS), 1, 1, 0, kEdge)}};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish00Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish00LowerJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kRamp), kAllRows, -1)}}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish00UpperJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kToggle))}}},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
    // The dorsal fin's edge ripples by growing wave 2, not scaled by the size.
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish00Dorsal), .turn = ByColumn(kBend, 6),
      .terms = {AddY(ByColumn(kBody, 6)), {.track = ByColumn(kG2), .y = 1, .rows = kEdge, .scaled = false}}}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, TwinOf(kPectoral, "pectoral twin")},
    {Parts::kPelvic, Pelvic("pelvic", Mirror::None)},
    {Parts::kPelvicTwin, Pelvic("pelvic twin", Mirror::Twin)},
    {Parts::kAnal, Anal("anal", Mirror::None)},
    {Parts::kAnalTwin, Anal("anal twin", Mirror::Twin)},
    {Parts::kTail, kTail},
    {Parts::kTailTwin, TwinOf(kTail, "tail twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies00 = {
    .name = "telescope-eye goldfish",
    .segments = 17,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .size = 5,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.728646f, 0.695804f},
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .skipsWhenHit = true,
    // The body turns as one piece: 10 degrees a step toward 180, 1 toward 0;
    // once there, the segments settle 2 degrees a frame.
    .bend = {.stepBySize = true, .noWanderStep = 10.0f, .wallStepIsTarget = true, .lag = 0.0f, .settleStep = 2.0f,
             .noWanderSettleStep = 10.0f},
};
static_assert(CheckFishClass(kFishSpecies00));

namespace {
const FishSpeciesRegistrar<CFishSpecies00> kRegistered(0, kFishSpecies00);
}  // namespace
