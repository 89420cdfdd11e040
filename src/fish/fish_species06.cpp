// Species 6, the lyretail killifish: its description. The template does the
// rest; the fins far back on the body take the bend and sway of the segments
// they stand on, column by column.
#include "fish/fish_species06.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species06_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies06::Steps;
using Parts = CFishSpecies06::Parts;
// The four its description writes otherwise: three rounded decimals and the float nearest pi / 32.
constexpr float kPi24 = rounded::kPi24, kPi12 = rounded::kPi12, kPi6 = rounded::kPi6, kPi32 = Nearest(32);

// Wave blocks, in layout order (5, 7 and 10 are kept and read by nothing).
enum Block { kBodyBlock, kToggleBlock, kRampBlock, kSized, kGrow1, kSpare5, kGrow2, kSpare7, kSine1, kSine2, kSpare10 };
// Working arrays of one Draw: ramp toggle, reverse ramp, bend, body wave,
// sized sine, growing waves 1 and 2, sine waves 1 and 2.
enum Array { kT, kR, kD, kW, kS3, kG1, kG2, kS1, kS2 };

constexpr FishWave kWaves[] = {
    /* body */ {0, 0, kPi12, 0, kPi4},
    /* T    */ {0, 0, 0, 0.003f, 0},
    /* R    */ {0, 0, 0, 0.003f, 0},
    /* S3   */ {0, 0, kPi5, 0.005f, kPi8},
    /* G1   */ {0, 0, kPi32, 0, kPi8},
    {},
    /* G2   */ {0, 0, kPi24, 0, kPi8},
    {},
    /* S1   */ {0, 0, kPi2, 0.02f, kPi6},
    /* S2   */ {0, 0, kPi4, 0.01f, kPi6},
    /*      */ {0, 0, kPi10, 0.02f, kPi4},
};

// Blocks 0 and 4 keep an amplitude of 0 (their generators do not read it).
constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.0f, false, kPi4, true},
    {kSized, kPi5, 0.015f, true, kPi8, true},
    {kGrow1, kPi32, 0.0f, false, kPi8, true},
};


constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kReverseRampToggle, SizedReverseRamp(kToggleBlock, kT, 5, false, 2, 15, 10)},
    {Steps::kReverseRamp, SizedReverseRamp(kRampBlock, kR, 5, false, 2)},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kD, .count = 9}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kW, .count = 9, .cadence = 3, .gain = 1.0f / 70,
      .start = 3, .timesSize = true}},
    {Steps::kSizedSineWave, TimesSize(Sine(kSized, kS3, 9))},
    {Steps::kGrowingWave, TimesSize(Growing(kGrow1, kG1, 6, 0.01f))},
    {Steps::kGrowingWave2, TimesSize(Growing(kGrow2, kG2, 5, 0.004f))},
    {Steps::kSineWave, TimesSize(Sine(kSine1, kS1, 7))},
    {Steps::kSineWave2, TimesSize(Sine(kSine2, kS2, 9))},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The generators already multiply by the size: their offsets are added to
// the scaled points.

constexpr uint32_t kVariant3 = VariantMask({3});
constexpr VariantScale kScales[] = {{3, 0.8f, 1, 0.8f}};

// The segment each column of the rear fins stands on, in half segments
// (an odd value is the mean of its two neighbours): the bend and the body
// wave of that place.
constexpr int8_t kDorsalAt[] = {10, 11, 12, 12, 13, 13, 13, 14, 14};
constexpr int8_t kAnalAt[] = {8, 10, 10, 12, 13, 14, 14};
constexpr int8_t kTailAt[] = {14, 15, 16, 16, 16, 16, 16, 15, 14};

// Variant 3: the dorsal fin's edge rises toward its rear; the pectoral fins'
// lower edge stands out from the body, most at the root.
constexpr float kColumn[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr float kFromRoot[] = {6, 5, 4, 3, 2, 1};
// Variant 3: the tail's edge taller and further back.
constexpr VariantStretch kTallTail[] = {{kVariant3, RowBit(0), 1.0f, 1.0f, 1.5f}};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish06Body), .mirror = Mirror::Halves, .turn = ByColumn(kD),
      .terms = {AfterScale(AddY(ByColumn(kW)))}}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish06UpperJaw), .mirror = Mirror::After, .turn = At(kD, 0),
      .terms = {AfterScale(AddZ(ByColumn(kR)))}, .emptyQuadsFirst = true}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish06LowerJaw), .mirror = Mirror::After, .turn = At(kD, 0),
      .terms = {AfterScale(AddZ(ByColumn(kT), kAllRows, -1))}, .emptyQuadsFirst = true}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish06Dorsal), .turn = ByMap(kD, kDorsalAt),
      .terms = {AfterScale(AddY(ByMap(kW, kDorsalAt))), AfterScale(AddY(ByColumn(kS3), RowBit(1))),
                {.track = ByTable(kColumn, 0.015f), .z = 1, .rows = RowBit(1), .variants = kVariant3}},
      .emptyQuadsFirst = true}},
    {Parts::kPectoral,
     {.name = "pectoral", .mesh = MeshOf(g_Fish06Pectoral), .mirror = Mirror::Halves, .turn = At(kD, 1),
      .terms = {AfterScale(AddZ(ByColumn(kG1))),
                {.track = ByTable(kFromRoot, 0.01f), .y = 1, .rows = RowBit(1), .mirrorSign = -1,
                 .variants = kVariant3}},
      .emptyQuadsFirst = true}},
    // The pelvic fins' trailing edges open and close together.
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish06Pelvic), .mirror = Mirror::Halves, .turn = At(kD, 3),
      .terms = {{.track = ByColumn(kG2), .y = -1, .rows = RowBit(1), .scaled = false, .mirrorSign = -1}},
      .emptyQuadsFirst = true}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish06Anal), .turn = ByMap(kD, kAnalAt),
      .terms = {AfterScale(AddY(ByMap(kW, kAnalAt))), AfterScale(AddY(ByColumn(kS1), RowBit(1)))},
      .emptyQuadsFirst = true, .hiddenInVariants = kVariant3}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish06Tail), .turn = ByMap(kD, kTailAt),
      .terms = {AfterScale(AddY(ByMap(kW, kTailAt))), AfterScale(AddY(ByColumn(kS2), RowBit(0))),
                {.track = Const(0.05f), .x = 1, .rows = RowBit(0), .variants = kVariant3}},
      .stretches = kTallTail, .emptyQuadsFirst = true}},
    {Parts::kEye,
     {.name = "eye", .mesh = MeshOf(g_Fish06Eye), .mirror = Mirror::After, .turn = At(kD, 0), .emptyQuadsFirst = true}},
    {Parts::kGillCover,
     {.name = "gill cover", .mesh = MeshOf(g_Fish06Gill), .mirror = Mirror::Halves, .turn = At(kD, 0),
      .emptyQuadsFirst = true}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies06 = {
    .name = "lyretail killifish",
    .segments = 15,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.36675f, 0.331898f},
    .drift = false,
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .scales = kScales,
    .parts = kParts,
};
static_assert(CheckFishClass(kFishSpecies06));

namespace {
const FishSpeciesRegistrar<CFishSpecies06> kRegistered(6, kFishSpecies06);
}  // namespace
