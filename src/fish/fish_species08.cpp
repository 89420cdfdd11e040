// Species 8, the firemouth cichlid: its description. The template does the
// rest; the midline fins take the bend and sway of the segments they stand
// on, column by column, the anal fin turning whole with segment 10.
#include "fish/fish_species08.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species08_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies08::Steps;
using Parts = CFishSpecies08::Parts;
constexpr float kPi100 = Below(100);

// Wave blocks, in layout order (4, 6, 8 and 11 are kept and read by nothing).
enum Block {
    kBodyBlock, kToggleBlock, kRampBlock, kSineBlock, kSpare4, kGrowBlock, kSpare6, kGrow2Block, kSpare8,
    kSine2Block, kSine3Block, kSpare11
};
// Working arrays of one Draw: body wave, bend, sine A and B (one oscillator),
// growing waves 1 and 2, sine waves 2 and 3, ramp toggle, reverse ramp.
enum Array { kW, kD, kSA, kSB, kG, kG2, kS2, kS3, kT, kR };

constexpr FishWave kWaves[] = {
    /* body   */ {0, 0, kPi12, 0.1f, kPi4},
    /* toggle */ {0, 0, 0, 0.003f, 0},
    /* ramp   */ {0, 0, 0, 0.003f, 0},
    /* sine   */ {0, 0, kPi6, 0.01f, kPi8},
    /*        */ {0, 0, kPi5, 0.004f, kPi8},
    /* grow   */ {0, 0, kPi100, 0.05f, kPi8},
    /*        */ {0, 0, kPi16, 0.05f, kPi6},
    /* grow 2 */ {0, 0, kPi20, 0.0005f, kPi8},
    {},
    /* sine 2 */ {0, 0, kPi2, 0.009f, kPi6},
    /* sine 3 */ {0, 0, kPi2, 0.009f, kPi24},
    {},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kSineBlock, kPi5, 0.015f, true, kPi8, true},
    {kGrowBlock, kPi24, 0.01f, true, kPi8, true},
};

// A sine times the size, in double precision.
constexpr WaveGen SizedSine(int block, int array, int count) { return TimesSize(Sine(block, array, count), true); }
// A growing wave times the size whose factor i x gain is left in the block's amplitude.
constexpr WaveGen SizedGrowing(int block, int array, int count, float gain, uint64_t pinned = 0)
{
    WaveGen g = TimesSize(Growing(block, array, count, gain), true);
    g.writesAmplitude = true;
    g.pinned = pinned;
    return g;
}

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kReverseRampToggle, SizedReverseRamp(kToggleBlock, kT, 7, true, 1, 15, 10)},
    {Steps::kReverseRamp, SizedReverseRamp(kRampBlock, kR, 7, true, 1)},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kD, .count = 14}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kW, .count = 14, .cadence = 3, .gain = 0.01f,
      .start = 7, .timesSize = true, .inDouble = true, .writesAmplitude = true}},
    {Steps::kSineWave, SizedSine(kSineBlock, kSA, 15)},
    {Steps::kSineWaveAgain, SizedSine(kSineBlock, kSB, 9)},
    {Steps::kGrowingWave, SizedGrowing(kGrowBlock, kG, 9, 0.007f)},
    {Steps::kGrowingWave2, SizedGrowing(kGrow2Block, kG2, 10, 0.005f, 1)},
    {Steps::kSineWave2, SizedSine(kSine2Block, kS2, 10)},
    {Steps::kSineWave3, SizedSine(kSine3Block, kS3, 19)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The segment each column of the midline fins stands on, in half segments
// (an odd value is the mean of its two neighbours): the bend and the body
// wave of that place.
constexpr int8_t kSpinyDorsalAt[] = {6, 6, 6, 7, 8, 8, 9, 9, 11, 11, 11, 11, 12, 12, 12};
constexpr int8_t kSoftDorsalAt[] = {14, 15, 16, 17, 18, 19, 20, 20, 22};
constexpr int8_t kAnalAt[] = {13, 14, 14, 15, 16, 16, 16, 17, 18, 18};
constexpr int8_t kTailAt[] = {24, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 24};

// Every generator includes the size: the offsets add to the scaled points.
// A midline fin sways with the body under it, its free edge (row 0) by its own wave too.
constexpr GridPart MidlineFin(const char* name, FishMesh mesh, Track turn, Track sway, int edgeWave)
{
    return {.name = name, .mesh = mesh, .turn = turn,
            .terms = {AfterScale(AddY(sway)), AfterScale(AddY(ByColumn(edgeWave), RowBit(0)))},
            .emptyQuadsFirst = true};
}

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish08Body), .mirror = Mirror::Halves, .turn = ByColumn(kD),
      .terms = {AfterScale(AddY(ByColumn(kW)))}, .emptyQuadsFirst = true}},
    // The mouth: the upper jaw lifts by the reverse ramp, the lower drops by the toggled ramp.
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish08UpperJaw), .mirror = Mirror::After, .turn = At(kD, 0),
      .terms = {AfterScale(AddZ(ByColumn(kR)))}, .emptyQuadsFirst = true}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish08LowerJaw), .mirror = Mirror::After, .turn = At(kD, 0),
      .terms = {AfterScale(AddZ(ByColumn(kT), kAllRows, -1))}, .emptyQuadsFirst = true}},
    {Parts::kSpinyDorsal,
     MidlineFin("spiny dorsal", MeshOf(g_Fish08SpinyDorsal), ByMap(kD, kSpinyDorsalAt), ByMap(kW, kSpinyDorsalAt),
                kSA)},
    {Parts::kSoftDorsal,
     MidlineFin("soft dorsal", MeshOf(g_Fish08SoftDorsal), ByMap(kD, kSoftDorsalAt), ByMap(kW, kSoftDorsalAt), kSB)},
    // The paired fins: the mirror negates their wave with y, so the two of a pair beat apart.
    {Parts::kPectoral,
     {.name = "pectoral", .mesh = MeshOf(g_Fish08Pectoral), .mirror = Mirror::After, .turn = MeanOf(kD, 2, 3),
      .terms = {AfterScale(Add(ByColumn(kG), 0, -1, 0, kAllRows, -1))}, .emptyQuadsFirst = true}},
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish08Pelvic), .mirror = Mirror::After, .turn = At(kD, 3),
      .terms = {AfterScale(Add(ByColumn(kG2), 0, 1, 0, RowBit(0), -1))}, .emptyQuadsFirst = true}},
    {Parts::kAnal, MidlineFin("anal", MeshOf(g_Fish08Anal), At(kD, 10), ByMap(kW, kAnalAt), kS2)},
    {Parts::kTail, MidlineFin("tail", MeshOf(g_Fish08Tail), ByMap(kD, kTailAt), ByMap(kW, kTailAt), kS3)},
    {Parts::kEye,
     {.name = "eye", .mesh = MeshOf(g_Fish08Eye), .mirror = Mirror::After, .turn = At(kD, 0),
      .emptyQuadsFirst = true}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies08 = {
    .name = "firemouth cichlid",
    .segments = 15,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.36675f, 0.331898f},
    .drift = false,
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
};
static_assert(CheckFishClass(kFishSpecies08));

namespace {
const FishSpeciesRegistrar<CFishSpecies08> kRegistered(8, kFishSpecies08);
}  // namespace
