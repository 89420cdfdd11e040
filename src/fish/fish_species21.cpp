// Species 21, the clown knifefish: its description. The template does the rest.
#include "fish/fish_species21.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species21_meshes.h"
#include "gfx/matrix.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies21::Steps;
using Parts = CFishSpecies21::Parts;

// Wave blocks, in layout order (those without a reader stand in their places).
enum Block {
    kBodyBlock, kRampBlock, kSecondRamp, kFinBlock, kSpareA, kIdleB, kGrowBlock, kIdleC, kGrow2Block, kIdleD,
    kIdleE, kSpareF, kPinnedBlock
};
// Working arrays of one Draw.
enum Array { kBend, kBody, kPinned, kFin, kGrow8, kGrow5, kRamp, kToggle };

constexpr FishWave kWaves[] = {
    /* body wave   */ {0, 0, kPi16, 0.1f, kPi6},
    /* ramp        */ {0, 0, 0, 0.005f, 0},
    /* second ramp */ {0, 0, 0, 0.005f, 0},
    /* fin sine    */ {0, 0, kPi16, 0.01f, kPi6},
    /* spare A     */ {},
    /* idle B      */ {0, 0, kPi16, 0.01f, kPi6},
    /* growing     */ {0, 0, kPi20, 0.01f, kPi8},
    /* idle C      */ {0, 0, kPi16, 0.01f, kPi6},
    /* growing 2   */ {0, 0, kPi24, 0.01f, kPi8},
    /* idle D      */ {0, 0, kPi16, 0.01f, kPi6},
    /* idle E      */ {0, 0, kPi8, 0.01f, kPi6},
    /* spare F     */ {},
    /* pinned      */ {0, 0, kPi24, 0.01f, kPi6},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kFinBlock, kPi4, 0.02f, true, kPi6, true},   {kSpareA, kPi24, 0.02f, true, kPi8, true},
    {kIdleB, kPi24, 0.05f, true, kPi8, true},     {kGrowBlock, kPi20, 0.01f, true, kPi8, true},
    {kIdleC, kPi16, 0.01f, true, kPi6, true},     {kGrow2Block, kPi10, 0.05f, true, kPi6, true},
    {kIdleD, kPi4, 0.03f, true, kPi6, true},
};

// The tail's edge holds still at its lowest and highest points: entries 3
// and n - 3, where they lie inside the array.
void PinTailEnds(CFishModel&, float* out, int n)
{
    if (n > 3)
        out[3] = 0.0f;
    if (n >= 3)
        out[n - 3] = 0.0f;
}

constexpr WaveGen Growing(int block, int array, int count)
{
    return {.kind = WaveKind::Growing, .block = block, .array = array, .count = count, .gain = 0.01f,
            .writesAmplitude = true, .pinned = 1};
}

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 16}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 16, .gain = 0.01f, .start = 10,
      .writesAmplitude = true}},
    {Steps::kPinnedWave,
     {.kind = WaveKind::Sine, .block = kPinnedBlock, .array = kPinned, .count = 26, .post = PinTailEnds}},
    {Steps::kSineWave, Sine(kFinBlock, kFin, 14)},
    {Steps::kGrowingWave, Growing(kGrowBlock, kGrow8, 8)},
    {Steps::kGrowingWave2, Growing(kGrow2Block, kGrow5, 5)},
    {Steps::kRamp, {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kRamp, .count = 4}},
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kToggle, .count = 4, .toggleAfter = 20}},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The back fold and the rear anal fin turn and sway by pairs of columns, on
// a line from the mean of segments 8 and 9 to that of 12 and 13.
constexpr Track kRearTurn = LerpMeans(kBend, 8, 9, 12, 13, 10, 2);
constexpr Track kRearSway = LerpMeans(kBody, 8, 9, 12, 13, 10, 2);
// Strips whose first row is read at half the column (its points serve two
// columns), the second vertex sent once, or twice (the eyes).
constexpr RowPair kHalfRoot[] = {{0, 1, 2, 1}};
constexpr RowPair kEyeStrips[] = {{0, 1, 2, 1, 2}, {1, 2, 1, 1, 2}};

constexpr GridPart kPectoral = {.name = "pectoral", .mesh = MeshOf(g_Fish21Pectoral), .turn = At(kBend, 3),
                                .turnSecond = At(kBend, 4), .terms = {AddZ(ByColumn(kGrow8))}};
constexpr GridPart kPelvic = {.name = "pelvic", .mesh = MeshOf(g_Fish21Pelvic), .turn = At(kBend, 4),
                              .terms = {AddY(ByColumn(kGrow5), RowBit(0))}};
// The second pelvic fin sways against the first.
constexpr GridPart PelvicTwin()
{
    GridPart twin = TwinOf(kPelvic, "pelvic twin");
    twin.terms[0].mirrorSign = -1.0f;
    return twin;
}
constexpr GridPart kEye = {.name = "eye", .mesh = MeshOf(g_Fish21Eye), .turn = At(kBend, 0),
                           .terms = {Add(DriftValue(), 1, 0, 1)}, .strips = kEyeStrips};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish21Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}, .emptyQuadsFirst = true}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish21UpperJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kRamp))}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish21LowerJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kToggle), kAllRows, -1)}}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish21Dorsal), .turn = Lerp(kBend, 4, 7, 10),
      .terms = {AddY(ByColumn(kFin), RowBit(0))}}},
    {Parts::kDorsalFold,
     {.name = "dorsal fold", .mesh = MeshOf(g_Fish21DorsalFold), .turn = At(kBend, 7), .turnSecond = At(kBend, 8)}},
    {Parts::kBackFold,
     {.name = "back fold", .mesh = MeshOf(g_Fish21BackFold), .mirror = Mirror::Twin, .turn = kRearTurn,
      .terms = {AddY(kRearSway)}}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, TwinOf(kPectoral, "pectoral twin")},
    {Parts::kPelvic, kPelvic},
    {Parts::kPelvicTwin, PelvicTwin()},
    {Parts::kAnalFront,
     {.name = "anal front", .mesh = MeshOf(g_Fish21AnalFront), .mirror = Mirror::Twin, .turn = At(kBend, 8)}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish21Anal), .turn = kRearTurn, .terms = {AddY(kRearSway)},
      .strips = kHalfRoot}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish21Tail), .turn = At(kBend, 13), .turnSecond = At(kBend, 14),
      .terms = {AddY(At(kBody, 13)), AddY(ByColumn(kPinned), RowBit(1))}, .strips = kHalfRoot}},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies21 = {
    .name = "clown knifefish",
    .segments = 16,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.410352f, 0.669032f},
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .degree = kRadiansPerDegree,
    .degreeInDouble = true,
};
static_assert(CheckFishClass(kFishSpecies21));

namespace {
const FishSpeciesRegistrar<CFishSpecies21> kRegistered(21, kFishSpecies21);
}  // namespace
