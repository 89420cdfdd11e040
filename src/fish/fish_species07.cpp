// Species 7, the zebra danio: its description. The template does the rest;
// the fins on the back half take the bend and sway of the segments they
// stand on, the jaw opens with the stroke and the barbels sway with it.
#include "fish/fish_species07.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species07_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies07::Steps;
using Parts = CFishSpecies07::Parts;

// Wave blocks, in layout order (5 is set by the swim style only; 7, 10 and
// 11 are kept and read by nothing).
enum Block { kBodyBlock, kToggleBlock, kRampBlock, kSine, kGrow1, kSpare5, kGrow2, kSpare7, kSine2, kSine3 };
// Working arrays of one Draw: ramp toggle, reverse ramp, bend, body wave,
// sine, growing waves 1 and 2, sine waves 2 and 3.
enum Array { kT, kR, kD, kW, kS, kG1, kG2, kS2, kS3 };

constexpr FishWave kWaves[] = {
    /* body */ {0, 0, kPi12, 0.1f, kPi4},
    /* T    */ {0, 0, 0, 0.003f, 0},
    /* R    */ {0, 0, 0, 0.003f, 0},
    /* S    */ {0, 0, kPi20, 0.01f, kPi8},
    /* G1   */ {0, 0, kPi5, 0.01f, kPi8},
    /*      */ {0, 0, kPi24, 0.05f, kPi8},
    /* G2   */ {0, 0, kPi20, 0.01f, kPi8},
    {},
    /* S2   */ {0, 0, kPi2, 0.01f, kPi6},
    /* S3   */ {0, 0, kPi6, 0.03f, kPi6},
    /*      */ {0, 0, kPi4, 0.03f, kPi24},
    /*      */ {0, 0, kPi4, 0.02f, kPi24},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kSine, kPi5, 0.015f, true, kPi8, true},
    {kSpare5, kPi24, 0.02f, true, kPi8, true},
};

constexpr WaveGen WritingAmplitude(WaveGen gen)
{
    gen.writesAmplitude = true;
    return TimesSize(gen, true);
}

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kReverseRampToggle, SizedReverseRamp(kToggleBlock, kT, 5, true, 1, 15, 10)},
    {Steps::kReverseRamp, SizedReverseRamp(kRampBlock, kR, 5, true, 1)},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kD, .count = 12}},
    {Steps::kBodyWave,
     WritingAmplitude({.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kW, .count = 12, .cadence = 3,
                       .gain = 0.01f, .start = 2})},
    {Steps::kSineWave, TimesSize(Sine(kSine, kS, 8, 3), true)},
    {Steps::kGrowingWave, WritingAmplitude(Growing(kGrow1, kG1, 9, 0.005f))},
    {Steps::kGrowingWave2, WritingAmplitude(Growing(kGrow2, kG2, 8, 0.003f))},
    {Steps::kSineWave2, TimesSize(Sine(kSine2, kS2, 7), true)},
    {Steps::kSineWave3, TimesSize(Sine(kSine3, kS3, 13), true)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// Variants 3 and 4: shorter and slimmer, six parts drawn; the body narrows
// its x and raises its back line.
constexpr uint32_t kVariant3 = VariantMask({3}), kVariant4 = VariantMask({4}), kSlim = kVariant3 | kVariant4;
constexpr VariantScale kScales[] = {{3, 0.7f, 1, 1}, {4, 0.7f, 0.8f, 0.5f}};
constexpr VariantStretch kNarrowBody[] = {{kVariant3, kAllRows, 0.6f, 1, 1}, {kVariant4, kAllRows, 0.4f, 1, 1}};

// The segment each column of the fins behind the middle stands on, in half
// segments (an odd value is the mean of its two neighbours): the bend and
// the body wave of that place.
constexpr int8_t kDorsalAt[] = {10, 10, 12, 12, 12, 13, 13, 13};
constexpr int8_t kAnalAt[] = {16, 16, 16, 15, 15, 14, 14};

// A barbel: turned with the head, both halves moved sideways alike by the
// reverse ramp's first entry.
constexpr GridPart Barbel(const char* name, MeshView mesh)
{
    return {.name = name, .mesh = mesh, .mirror = Mirror::After, .turn = At(kD, 0),
            .terms = {AfterScale(AddY(At(kR, 0)))}, .emptyQuadsFirst = true, .hiddenInVariants = kSlim};
}

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish07Body), .mirror = Mirror::Halves, .turn = ByColumn(kD),
      .terms = {AfterScale(AddY(ByColumn(kW))),
                {.track = Const(0.02f), .z = 1, .rows = RowBit(0), .variants = kVariant3},
                {.track = Const(0.01f), .z = 1, .rows = RowBit(0), .variants = kVariant4}},
      .stretches = kNarrowBody, .emptyQuadsFirst = true}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish07UpperJaw), .mirror = Mirror::After, .turn = At(kD, 0),
      .terms = {AfterScale(AddZ(ByColumn(kR)))}, .emptyQuadsFirst = true}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish07LowerJaw), .mirror = Mirror::After, .turn = At(kD, 0),
      .terms = {AfterScale(AddZ(ByColumn(kT), kAllRows, -1))}, .emptyQuadsFirst = true}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish07Dorsal), .turn = ByMap(kD, kDorsalAt),
      .terms = {AfterScale(AddY(ByMap(kW, kDorsalAt))), AfterScale(AddY(ByColumn(kS), RowBit(0)))},
      .emptyQuadsFirst = true, .hiddenInVariants = kSlim}},
    // The pectoral and pelvic fins' trailing edges open and close together.
    {Parts::kPectoral,
     {.name = "pectoral", .mesh = MeshOf(g_Fish07Pectoral), .mirror = Mirror::After, .turn = At(kD, 1),
      .terms = {{.track = ByColumn(kG1), .y = -1, .rows = RowBit(0), .scaled = false, .mirrorSign = -1}},
      .emptyQuadsFirst = true}},
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish07Pelvic), .mirror = Mirror::After, .turn = MeanOf(kD, 5, 6),
      .terms = {AfterScale(AddY(MeanOf(kW, 5, 6))),
                {.track = ByColumn(kG2), .y = 1, .rows = RowBit(0), .scaled = false, .mirrorSign = -1}},
      .emptyQuadsFirst = true, .hiddenInVariants = kSlim}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish07Anal), .turn = ByMap(kD, kAnalAt),
      .terms = {AfterScale(AddY(ByMap(kW, kAnalAt))), AfterScale(AddY(ByColumn(kS2), RowBit(0)))},
      .emptyQuadsFirst = true, .hiddenInVariants = kSlim}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish07Tail), .turn = At(kD, 11),
      .terms = {AfterScale(AddY(At(kW, 10))), AfterScale(AddY(ByColumn(kS3), RowBit(0)))},
      .emptyQuadsFirst = true}},
    {Parts::kEye,
     {.name = "eye", .mesh = MeshOf(g_Fish07Eye), .mirror = Mirror::After, .turn = At(kD, 0), .emptyQuadsFirst = true}},
    {Parts::kRostralBarbel, Barbel("rostral barbel", MeshOf(g_Fish07RostralBarbel))},
    {Parts::kMaxillaryBarbel, Barbel("maxillary barbel", MeshOf(g_Fish07MaxillaryBarbel))},
    {Parts::kMaxillaryBarbelTip, Barbel("maxillary barbel tip", MeshOf(g_Fish07MaxillaryBarbelTip))},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies07 = {
    .name = "zebra danio",
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
    .drawnVariants = VariantMask({0, 1, 3, 4}),
    .otherVariantsDraw = false,
};
static_assert(CheckFishClass(kFishSpecies07));

namespace {
const FishSpeciesRegistrar<CFishSpecies07> kRegistered(7, kFishSpecies07);
}  // namespace
