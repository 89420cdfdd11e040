// Species 22, the dwarf gourami: its description. The template does the rest.
#include "fish/fish_species22.h"

#include "fish/fish_registry.h"
#include "fish/fish_species22_meshes.h"

namespace {

using namespace fishdef;
using Steps = CFishSpecies22::Steps;
using Parts = CFishSpecies22::Parts;

// pi / 14, pi / 2, pi / 24, pi / 20, pi / 4, pi / 6 and pi / 8 as the class stores them.
constexpr float kPi14 = 0.22439946f, kPi2 = 1.5707963f, kPi24 = 0.13089968f, kPi20 = 0.15707962f;
constexpr float kPi4 = 0.78539813f, kPi6 = 0.5235987f, kPi8 = 0.39269906f;

// Wave blocks, in layout order.
enum Block { kBodyBlock, kToggleBlock, kRampBlock, kS5, kS7, kS14, kG7, kS11, kS9 };
// Working arrays of one Draw.
enum Array { kBend, kBody, kRamp, kToggleRamp, kSine5, kSine7, kSine14, kGrow7, kSine11, kSine9 };

constexpr FishWave kWaves[] = {
    /* body   */ {0, 0, kPi14, 0.01f, kPi6},
    /* toggle */ {0, 0, 0, 0.003f, 0},
    /* ramp   */ {0, 0, 0, 0.003f, 0},
    /* S5     */ {0, 0, kPi2, 0.01f, kPi6},
    /* S7     */ {0, 0, kPi2, 0.01f, kPi6},
    /* S14    */ {0, 0, kPi24, 0.05f, kPi8},
    /* G7     */ {0, 0, kPi20, 0.01f, kPi8},
    /* S11    */ {0, 0, kPi2, 0.01f, kPi6},
    /* S9     */ {0, 0, kPi4, 0.03f, kPi6},
};

// Every block but the ramps' gets its birth values back, times m.
constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi14, 0.01f, true, kPi6, true}, {kS5, kPi2, 0.01f, true, kPi6, true},
    {kS7, kPi2, 0.01f, true, kPi6, true},         {kS14, kPi24, 0.05f, true, kPi8, true},
    {kG7, kPi20, 0.01f, true, kPi8, true},        {kS11, kPi2, 0.01f, true, kPi6, true},
    {kS9, kPi4, 0.03f, true, kPi6, true},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 14}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 14, .gain = 0.01f, .start = 10,
      .writesAmplitude = true}},
    {Steps::kRamp, {.kind = WaveKind::Ramp, .block = kRampBlock, .array = kRamp, .count = 4}},
    // Flips the stroke flag on every 22nd call.
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .block = kToggleBlock, .array = kToggleRamp, .count = 4, .toggleAfter = 20}},
    {Steps::kTemplateSineWave, Sine(kS5, kSine5, 5)},
    {Steps::kSineWave, Sine(kS7, kSine7, 7, 2)},
    {Steps::kSineWave2, Sine(kS14, kSine14, 14, 2)},
    {Steps::kGrowingWave,
     {.kind = WaveKind::Growing, .block = kG7, .array = kGrow7, .count = 7, .cadence = 2, .gain = 0.004f,
      .writesAmplitude = true}},
    {Steps::kSineWave3, Sine(kS11, kSine11, 11)},
    {Steps::kSineWave4, Sine(kS9, kSine9, 9)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// Half steps of the segments the columns of the midline fins take (2k:
// segment k, 2k + 1: the mean of k and k + 1).
constexpr int8_t kSpinyDorsalSegments[] = {9, 10, 12, 14, 15};
constexpr int8_t kSoftDorsalSegments[] = {15, 16, 18, 20, 22, 24, 26};
constexpr int8_t kAnalSegments[] = {15, 16, 17, 18, 18, 20, 22, 23, 23, 24, 26};

constexpr uint16_t kAnalOuterRows = RowBit(1) | RowBit(2) | RowBit(3) | RowBit(4);

// The pupil's strip sends each column's pair twice.
constexpr RowPair kEachColumnTwice[] = {{0, 1, 2, 2, 1}};

// Paired parts: the second of each is the first's y-negated twin. The
// pectoral's edge swings out and back with the same sign on both sides; the
// feelers' sway is negated with y.
constexpr GridPart kPectoral = {.name = "pectoral", .mesh = MeshOf(g_Fish22Pectoral), .turn = At(kBend, 4),
                                .terms = {Add(ByColumn(kSine14), 1, 1, 0, RowBit(1))}};
constexpr GridPart kFeeler = {.name = "feeler", .mesh = MeshOf(g_Fish22Feeler), .turn = At(kBend, 5),
                              .terms = {Add(ByColumn(kGrow7), 0, 1, 0, kAllRows, -1)}};
constexpr GridPart kPupil = {.name = "pupil", .mesh = MeshOf(g_Fish22Pupil), .turn = At(kBend, 1),
                             .terms = {Add(DriftValue(), 1, 0, 1)}, .strips = kEachColumnTwice, .columns = 10};
constexpr GridPart kEyeRing = {.name = "eye ring", .mesh = MeshOf(g_Fish22EyeRing), .turn = At(kBend, 1),
                               .terms = {Add(DriftValue(), 1, 0, 1)}};
constexpr GridPart kAnal = {.name = "anal", .mesh = MeshOf(g_Fish22Anal), .turn = ByMap(kBend, kAnalSegments),
                            .terms = {AddY(ByMap(kBody, kAnalSegments)), AddY(ByColumn(kSine11), kAnalOuterRows)}};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish22Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish22UpperJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kToggleRamp))}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish22LowerJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kRamp), kAllRows, -1)}}},
    {Parts::kSpinyDorsal,
     {.name = "spiny dorsal", .mesh = MeshOf(g_Fish22SpinyDorsal), .turn = ByMap(kBend, kSpinyDorsalSegments),
      .terms = {AddY(ByColumn(kSine5), RowBit(1))}}},
    {Parts::kSoftDorsal,
     {.name = "soft dorsal", .mesh = MeshOf(g_Fish22SoftDorsal), .turn = ByMap(kBend, kSoftDorsalSegments),
      .terms = {AddY(ByMap(kBody, kSoftDorsalSegments)), AddY(ByColumn(kSine7), RowBit(1))}}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, TwinOf(kPectoral, "pectoral twin")},
    {Parts::kFeeler, kFeeler},
    {Parts::kFeelerTwin, TwinOf(kFeeler, "feeler twin")},
    {Parts::kAnal, kAnal},
    {Parts::kTailStalk,
     {.name = "tail stalk", .mesh = MeshOf(g_Fish22TailStalk), .mirror = Mirror::Halves, .turn = At(kBend, 13),
      .terms = {AddY(At(kBody, 13))}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish22Tail), .turn = At(kBend, 13),
      .terms = {AddY(At(kBody, 13)), AddY(ByColumn(kSine9), RowBit(1))}}},
    {Parts::kPupil, kPupil},
    {Parts::kEyeRing, kEyeRing},
    {Parts::kPupilTwin, TwinOf(kPupil, "pupil twin")},
    {Parts::kEyeRingTwin, TwinOf(kEyeRing, "eye ring twin")},
    {Parts::kAnalAgain, kAnal},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies22 = {
    .name = "dwarf gourami",
    .segments = 14,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.35038799f, 0.380448014f},
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .degree = 0.0174532917f,
    .swimStyleDraws = false,
};
static_assert(CheckFishClass(kFishSpecies22));

namespace {
const FishSpeciesRegistrar<CFishSpecies22> kRegistered(22, kFishSpecies22);
}  // namespace
