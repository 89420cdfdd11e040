// Species 9, the tiger barb: its description. The template does the rest.
#include "fish/fish_species09.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species09_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies09::Steps;
using Parts = CFishSpecies09::Parts;

// Wave blocks, in layout order (6, 8 and 11 drive nothing).
enum Block { kBodyBlock, kToggleBlock, kRampBlock, kSineBlock, kSine2Block, kSine3Block, kSpare6, kPinnedBlock,
             kSpare8, kSine4Block, kSine5Block, kSpare11 };
// Working arrays of one Draw, in the order Draw clears them.
enum Array { kBody, kBend, kToggle, kReverse, kSine, kSine2, kSine3, kPinned, kSine4, kSine5 };

constexpr FishWave kWaves[] = {
    /* body wave */ {0, 0, kPi12, 0.1f, kPi4},
    /* toggle    */ {0, 0, 0, 0.003f, 0},
    /* ramp      */ {0, 0, 0, 0.003f, 0},
    /* sine      */ {0, 0, kPi5, 0.01f, kPi8},
    /* sine 2    */ {0, 0, kPi5, 0.01f, kPi8},
    /* sine 3    */ {0, 0, kPi24, 0.05f, kPi8},
    /*           */ {},
    /* pinned    */ {0, 0, kPi4, 0.01f, kPi8},
    /*           */ {0, 0, kPi2, 0.02f, kPi6},
    /* sine 4    */ {0, 0, kPi4, 0.05f, kPi6},
    /* sine 5    */ {0, 0, kPi4, 0.03f, kPi24},
    /*           */ {0, 0, kPi4, 0.02f, kPi24},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kSineBlock, kPi5, 0.015f, true, kPi8, true},
    {kSine3Block, kPi24, 0.02f, true, kPi8, true},
};

// The fin sines, times the size in double precision.
constexpr WaveGen FinSine(int block, int array, int count, int cadence = 5) { return TimesSize(Sine(block, array, count, cadence), true); }

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kReverseRampToggle, SizedReverseRamp(kToggleBlock, kToggle, 6, true, 1, 15, 10)},
    {Steps::kReverseRamp, SizedReverseRamp(kRampBlock, kReverse, 6, true, 1)},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 12}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 12, .gain = 0.01f, .start = 6,
      .timesSize = true, .inDouble = true, .writesAmplitude = true}},
    {Steps::kSineWave, FinSine(kSineBlock, kSine, 8, 3)},
    {Steps::kSineWave2, FinSine(kSine2Block, kSine2, 5)},
    {Steps::kSineWave3, FinSine(kSine3Block, kSine3, 6)},
    {Steps::kPinnedWave,
     {.kind = WaveKind::Sine, .block = kPinnedBlock, .array = kPinned, .count = 9, .timesSize = true, .inDouble = true,
      .pinned = 1}},
    {Steps::kSineWave4, FinSine(kSine4Block, kSine4, 10)},
    {Steps::kSineWave5, FinSine(kSine5Block, kSine5, 14)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// Every wave here already carries the size: added after the point is scaled.
constexpr WaveTerm After(WaveTerm t) { return AfterScale(t); }
constexpr uint16_t kFirst = RowBit(0), kSecond = RowBit(1);

// The midline fins turn and sway with the body column by column (half steps
// of the bend and body-wave arrays: 2k is entry k, 2k + 1 the mean of k and k + 1).
constexpr int8_t kDorsalMap[] = {10, 11, 11, 12, 13, 13, 14, 14};
constexpr int8_t kKeelMap[] = {16, 16, 16, 17, 18};
constexpr int8_t kAnalMap[] = {14, 14, 15, 15, 15, 16, 16, 16, 16};
constexpr int8_t kTailMap[] = {20, 20, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 20, 20};

// A midline fin: turned and swayed by its map, its `row` also by its own wave.
template <int N>
constexpr GridPart MidlineFin(const char* name, FishMesh mesh, const int8_t (&map)[N], int wave, uint16_t row)
{
    return {.name = name, .mesh = mesh, .turn = ByMap(kBend, map),
            .terms = {After(AddY(ByMap(kBody, map))), After(AddY(ByColumn(wave), row))}, .emptyQuadsFirst = true};
}

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish09Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {After(AddY(ByColumn(kBody)))}, .emptyQuadsFirst = true}},
    // The mouth: the upper jaw rises by the reverse ramp, the lower drops by
    // the toggle's, most at the tip (column 0).
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish09UpperJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {After(AddZ(ByColumn(kReverse)))}, .emptyQuadsFirst = true}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish09LowerJaw), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {After(AddZ(ByColumn(kToggle), kAllRows, -1))}, .emptyQuadsFirst = true}},
    {Parts::kDorsal, MidlineFin("dorsal", MeshOf(g_Fish09Dorsal), kDorsalMap, kSine, kFirst)},
    {Parts::kKeel, MidlineFin("keel", MeshOf(g_Fish09Keel), kKeelMap, kSine2, kSecond)},
    // The pectorals beat up and down; the pelvics in and out, together.
    {Parts::kPectoral,
     {.name = "pectoral", .mesh = MeshOf(g_Fish09Pectoral), .mirror = Mirror::After, .turn = At(kBend, 3),
      .terms = {After(AddZ(ByColumn(kSine3), kFirst))}, .emptyQuadsFirst = true}},
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish09Pelvic), .mirror = Mirror::After, .turn = At(kBend, 5),
      .terms = {{.track = ByColumn(kPinned), .y = 1, .rows = kFirst, .scaled = false, .mirrorSign = -1}},
      .emptyQuadsFirst = true}},
    {Parts::kAnal, MidlineFin("anal", MeshOf(g_Fish09Anal), kAnalMap, kSine4, kFirst)},
    {Parts::kTail, MidlineFin("tail", MeshOf(g_Fish09Tail), kTailMap, kSine5, kFirst)},
    {Parts::kEye,
     {.name = "eye", .mesh = MeshOf(g_Fish09Eye), .mirror = Mirror::After, .turn = At(kBend, 0),
      .emptyQuadsFirst = true}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies09 = {
    .name = "tiger barb",
    .segments = 15,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .size = 5,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.36675f, 0.331898f},
    .drift = false,
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
};
static_assert(CheckFishClass(kFishSpecies09));

namespace {
const FishSpeciesRegistrar<CFishSpecies09> kRegistered(9, kFishSpecies09);
}  // namespace
