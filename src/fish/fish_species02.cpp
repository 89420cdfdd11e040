// Species 2, the fancy guppy: its description. The template does the rest;
// the variants' shifts and stretches are data of the parts, and the fanned
// tails of variants 4 and 5 are their draw programs.
#include "fish/fish_species02.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species02_meshes.h"

#include <algorithm>

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies02::Steps;
using Parts = CFishSpecies02::Parts;

// Wave blocks, in layout order.
enum Block { kBodyBlock, kToggleBlock, kRampBlock, kSineBlock, kSine2Block, kGrowBlock, kSine3Block };
// Working arrays of one Draw.
enum Array { kBend, kBody, kSine, kSine2, kGrow, kSine3, kRamp, kToggle };

constexpr FishWave kWaves[] = {
    /* body wave */ {0, 0, kPi16, 0, kPi6},
    /* toggle    */ {0, 0, 0, 0.0f, 0},
    /* ramp      */ {0, 0, 0, 0.005f, 0},
    /* sine      */ {0, 0, kPi4, 0.02f, kPi6},
    /* sine 2    */ {0, 0, kPi24, 0.02f, kPi8},
    /* growing   */ {0, 0, kPi20, 0, kPi8},
    /* sine 3    */ {0, 0, kPi20, 0.03f, kPi12},
};

// The growing wave's amplitude is not read; it stays 0.
constexpr SwimStyleRow kSwimStyle[] = {
    {kSineBlock, kPi4, 0.02f, true, kPi6, true},
    {kSine2Block, kPi24, 0.02f, true, kPi8, true},
    {kGrowBlock, kPi20, 0.0f, false, kPi8, true},
    {kSine3Block, kPi10, 0.03f, true, kPi6, true},
};

// The tail's rays 22 to 25 sway as ray 21 does.
void HoldRays(CFishModel&, float* out, int n)
{
    if (n > 22)
        std::fill(out + 22, out + std::min(n, 26), out[21]);
}

void ClampHeading(CFishModel& fish) { fish.m_fHeading = std::clamp(fish.m_fHeading, -360.0f, 360.0f); }

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 26}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 26, .cadence = 10,
      .gain = 0.0038461538f, .start = 13}},
    {Steps::kSineWave, Sine(kSineBlock, kSine, 9, 1)},
    {Steps::kSineWave2, Sine(kSine2Block, kSine2, 12)},
    {Steps::kGrowingWave,
     {.kind = WaveKind::Growing, .block = kGrowBlock, .array = kGrow, .count = 7, .cadence = 5, .gain = 0.01f,
      .pinned = 1}},
    {Steps::kSineWave3,
     {.kind = WaveKind::Sine, .block = kSine3Block, .array = kSine3, .count = 37, .cadence = 2, .gain = 0.5f,
      .post = HoldRays}},
    // Ramps falling toward the last entry, which is 0.
    {Steps::kReverseRamp,
     {.kind = WaveKind::ReverseRamp, .block = kRampBlock, .array = kRamp, .count = 6, .leaveLast = 1}},
    {Steps::kRampToggle,
     {.kind = WaveKind::ReverseRamp, .block = kToggleBlock, .array = kToggle, .count = 4, .leaveLast = 1,
      .toggleAfter = 50}},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// A shift of some rows in some variants, times the size.
constexpr WaveTerm Shift(float x, float z, uint16_t rows, std::initializer_list<int> variants)
{
    return {.track = Const(1.0f), .x = x, .z = z, .rows = rows, .variants = VariantMask(variants)};
}
constexpr uint16_t kFirst = RowBit(0), kSecond = RowBit(1);

// Per-column factors of the tail's even and odd rays.
struct Alternate {
    float v[37] = {};
    constexpr Alternate(float even, float odd)
    {
        for (int c = 0; c < 37; ++c)
            v[c] = c % 2 ? odd : even;
    }
};
constexpr Alternate kEvenRays(1.0f, 0.0f);
constexpr Alternate kTwinSpread(-0.05f, -0.1f);

// The dorsal fin's columns 0 to 5 turn with segments 17 to 22, its trailing
// columns with segment 21, as the tail does (half steps of the bend array).
constexpr int8_t kDorsalSegments[] = {34, 36, 38, 40, 42, 44, 42, 42, 42};
constexpr int8_t kRearDorsalSegments[] = {36, 38, 40, 42, 44, 42, 42, 42};

constexpr VariantStretch kDorsalVariant7[] = {{VariantMask({7}), kAllRows, 0.8f, 1.0f, 0.6f}};
constexpr VariantStretch kTailVariant3[] = {{VariantMask({3}), kAllRows, 1.0f, 1.0f, 2.0f}};
constexpr VariantStretch kTwinVariant7[] = {{VariantMask({7}), kSecond, 1.0f, 1.0f, 0.5f}};
constexpr VariantPrimitive kTailAsLines[] = {{VariantMask({4, 5}), GL_LINES}};

constexpr GridPart kPectoral = {.name = "pectoral", .mesh = MeshOf(g_Fish02Pectoral), .turn = At(kBend, 12),
                                .terms = {Add(ByColumn(kSine2), 1, 1, 0, kSecond)},
                                .hiddenInVariants = VariantMask({5})};
constexpr GridPart kPelvic = {.name = "pelvic", .mesh = MeshOf(g_Fish02Pelvic), .turn = At(kBend, 16),
                              .terms = {AddY(At(kBody, 16)), AddY(ByColumn(kGrow), kSecond),
                                        Shift(-0.1f, 0.0f, kAllRows, {5}), Shift(0.0f, 0.04f, kFirst, {5}),
                                        Shift(0.0f, -0.2f, kSecond, {5})}};
// The second pelvic fin sways against the first.
constexpr GridPart PelvicTwin()
{
    GridPart twin = TwinOf(kPelvic, "pelvic twin");
    twin.terms[1].mirrorSign = -1.0f;
    twin.hiddenInVariants = VariantMask({5});
    return twin;
}
constexpr GridPart kTail = {.name = "tail", .mesh = MeshOf(g_Fish02Tail), .turn = At(kBend, 21),
                            .terms = {AddY(At(kBody, 21)), AddY(ByColumn(kSine3), kSecond),
                                      {.track = ByTable(kEvenRays.v, 0.05f), .x = 1, .rows = kSecond,
                                       .variants = VariantMask({3})},
                                      {.track = ByTable(kEvenRays.v, 0.1f), .x = 1, .rows = kSecond,
                                       .variants = VariantMask({4})}},
                            .primitives = kTailAsLines, .stretches = kTailVariant3,
                            .hiddenInVariants = VariantMask({7})};
constexpr GridPart kEye = {.name = "eye", .mesh = MeshOf(g_Fish02Eye), .turn = At(kBend, 3),
                           .terms = {Add(DriftValue(), 1, 0, 1)},
                           .cap = {GL_QUADS, std::span<const FishVertex>(g_Fish02EyeCap[0])}};

// Indexed as the class names them: the body, then parts 1 to 12.
constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish02Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}, .emptyQuadsFirst = true}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish02Dorsal), .turn = ByMap(kBend, kDorsalSegments),
      .terms = {AddY(ByMap(kBody, kDorsalSegments)), AddY(ByColumn(kSine), kSecond)}, .stretches = kDorsalVariant7,
      .hiddenInVariants = VariantMask({4})}},
    {Parts::kRearDorsal,
     {.name = "rear dorsal", .mesh = ColumnsOf(g_Fish02Dorsal, 1, 8), .turn = ByMap(kBend, kRearDorsalSegments),
      .terms = {AddY(ByMap(kBody, kRearDorsalSegments)), AddY(ByColumn(kSine, 1), kFirst),
                Shift(0.0f, -0.1f, kFirst, {5}), Shift(0.0f, -0.5f, kSecond, {5}), Shift(0.0f, -0.2f, kFirst, {7}),
                Shift(0.0f, -0.31f, kSecond, {7})},
      .hiddenInVariants = ~0u, .hiddenInOtherVariants = true}},
    {Parts::kJaw,
     {.name = "jaw", .mesh = MeshOf(g_Fish02Jaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kRamp), kAllRows, -1)}}},
    {Parts::kBrow,
     {.name = "brow", .mesh = MeshOf(g_Fish02Brow), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kToggle))}}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, TwinOf(kPectoral, "pectoral twin")},
    {Parts::kPelvic, kPelvic},
    {Parts::kPelvicTwin, PelvicTwin()},
    {Parts::kTailTwin,
     {.name = "tail twin", .mesh = MeshOf(g_Fish02Tail), .turn = At(kBend, 21),
      .terms = {AddY(At(kBody, 21)), AddY(ByColumn(kSine3), kSecond),
                {.track = ByTable(kTwinSpread.v), .x = 1, .rows = kSecond, .variants = VariantMask({5})},
                Shift(-0.1f, 0.0f, kSecond, {7})},
      .stretches = kTwinVariant7, .hiddenInVariants = ~0u, .hiddenInOtherVariants = true}},
    {Parts::kTail, kTail},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

// Variant 4: no dorsal fin; the tail as rays, and six copies of it fanned
// round the body's axis at -30, 30, -60, 60, -90 and 90 degrees.
constexpr DrawStep kFannedRays[] = {
    Part(Parts::kBody), Part(Parts::kJaw), Part(Parts::kBrow), Part(Parts::kPectoral), Part(Parts::kPectoralTwin),
    Part(Parts::kPelvic), Part(Parts::kPelvicTwin), Part(Parts::kTail),
    Push(), Rotate(-30, 0, 1, 0), Part(Parts::kTail), Rotate(60, 0, 1, 0), Part(Parts::kTail), Pop(),
    Push(), Rotate(-60, 0, 1, 0), Part(Parts::kTail), Rotate(120, 0, 1, 0), Part(Parts::kTail), Pop(),
    Push(), Rotate(-90, 0, 1, 0), Part(Parts::kTail), Rotate(180, 0, 1, 0), Part(Parts::kTail), Pop(),
    Part(Parts::kEye), Part(Parts::kEyeTwin),
};
// Variant 5: the rear dorsal stretched, no pectoral fins and one pelvic fin,
// the tail as rays with pairs of it and its twin at -15, 15, -30 and 30 degrees.
constexpr DrawStep kFannedPairs[] = {
    Part(Parts::kBody), Part(Parts::kDorsal), Push(), Scale(1.5f, 1, 1), Part(Parts::kRearDorsal), Pop(),
    Part(Parts::kJaw), Part(Parts::kBrow), Part(Parts::kPelvic), Part(Parts::kTail),
    Push(), Rotate(-15, 0, 1, 0), Part(Parts::kTail), Part(Parts::kTailTwin), Rotate(30, 0, 1, 0), Part(Parts::kTail),
    Part(Parts::kTailTwin), Pop(),
    Push(), Rotate(-30, 0, 1, 0), Part(Parts::kTail), Part(Parts::kTailTwin), Rotate(60, 0, 1, 0), Part(Parts::kTail),
    Part(Parts::kTailTwin), Pop(),
    Part(Parts::kEye), Part(Parts::kEyeTwin),
};
// Variant 7: the whole fish shorter and taller, the rear dorsal squeezed,
// the tail's twin in place of the tail.
constexpr DrawStep kSqueezed[] = {
    Scale(0.8f, 1, 1.5f), Part(Parts::kBody), Part(Parts::kDorsal), Push(), Scale(0.4f, 1, 1), Part(Parts::kRearDorsal),
    Pop(), Part(Parts::kJaw), Part(Parts::kBrow),
    Part(Parts::kPectoral), Part(Parts::kPectoralTwin), Part(Parts::kPelvic), Part(Parts::kPelvicTwin),
    Part(Parts::kTailTwin), Part(Parts::kEye), Part(Parts::kEyeTwin),
};
constexpr VariantProgram kPrograms[] = {
    {VariantMask({4}), kFannedRays},
    {VariantMask({5}), kFannedPairs},
    {VariantMask({7}), kSqueezed},
};

}  // namespace

constexpr FishClass kFishSpecies02 = {
    .name = "fancy guppy",
    .segments = 26,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.61084199f, 0.23883f},
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .programs = kPrograms,
    .beforePlan = ClampHeading,
};
static_assert(CheckFishClass(kFishSpecies02));

namespace {
const FishSpeciesRegistrar<CFishSpecies02> kRegistered(2, kFishSpecies02);
}  // namespace
