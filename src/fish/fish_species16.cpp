// Species 16, the figure-eight puffer: its description. The template does the rest.
#include "fish/fish_species16.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species16_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies16::Steps;
using Parts = CFishSpecies16::Parts;

// Wave blocks, in layout order. 0 sways the tail stalk, 3 the pectoral fins,
// 6 the dorsal, 8 the anal and 10 the tail's edge; 5 is only set by the swim
// style, the others run nothing.
enum Block {
    kBodyBlock, kR1, kR2, kPectoralBlock, kSpare4, kStyleBlock, kDorsalBlock, kSpare7, kAnalBlock, kSpare9,
    kTailBlock
};
// Working arrays of one Draw.
enum Array { kBend, kBody, kG3, kG6, kG8, kG10 };

constexpr FishWave kWaves[] = {
    /* 0  */ {0, 0, kPi12, 0.1f, kPi4},
    /* 1  */ {0, 0, 0, 0.003f, 0},
    /* 2  */ {0, 0, 0, 0.003f, 0},
    /* 3  */ {0, 0, kPi10, 0.02f, kPi6},
    /* 4  */ {},
    /* 5  */ {},
    /* 6  */ {0, 0, kPi10, 0.02f, kPi6},
    /* 7  */ {0, 0, kPi16, 0.03f, kPi6},
    /* 8  */ {0, 0, kPi10, 0.02f, kPi6},
    /* 9  */ {},
    /* 10 */ {0, 0, kPi10, 0.02f, kPi4},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kPectoralBlock, kPi5, 0.015f, true, kPi8, true},
    {kStyleBlock, kPi16, 0.01f, true, kPi6, true},
};

constexpr int kSegments = 23;

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = kSegments}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 23, .cadence = 3, .gain = 0.005f,
      .start = 19, .writesAmplitude = true}},
    {Steps::kPectoralWave, Sine(kPectoralBlock, kG3, 23)},
    {Steps::kSineWave, Sine(kDorsalBlock, kG6, 19)},
    {Steps::kAnalWave, Sine(kAnalBlock, kG8, 10)},
    {Steps::kSineWave2, Sine(kTailBlock, kG10, 35)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// A fin's edge (row 0) moves sideways by its wave, negated with y in the
// copy, so the two halves of a pair open and close together.
constexpr WaveTerm EdgeWave(int array) { return {.track = ByColumn(array), .y = 1, .rows = RowBit(0), .mirrorSign = -1}; }

// In mode 1 the tail's edge reaches 1.4 times as far back.
constexpr VariantStretch kTailStretched[] = {{.variants = VariantMask({1}), .rows = RowBit(0), .x = 1.4f}};

constexpr Named<GridPart> kNamedParts[] = {
    // The tail stalk sways with the body wave, both halves the same way.
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish16Body), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {AddY(ByColumn(kBody))}}},
    {Parts::kHead, {.name = "head", .mesh = MeshOf(g_Fish16Head), .mirror = Mirror::After, .turn = At(kBend, 0)}},
    {Parts::kMouth, {.name = "mouth", .mesh = MeshOf(g_Fish16Mouth), .mirror = Mirror::After, .turn = At(kBend, 0)}},
    {Parts::kPectorals,
     {.name = "pectorals", .mesh = MeshOf(g_Fish16Pectoral), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {EdgeWave(kG3)}}},
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish16Dorsal), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {EdgeWave(kG6)}}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish16Anal), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {EdgeWave(kG8)}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish16Tail), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {EdgeWave(kG10)}, .stretches = kTailStretched}},
    {Parts::kEyes, {.name = "eyes", .mesh = MeshOf(g_Fish16Eye), .mirror = Mirror::After, .turn = At(kBend, 0)}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies16 = {
    .name = "figure-eight puffer",
    .segments = kSegments,
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
static_assert(CheckFishClass(kFishSpecies16));

namespace {
const FishSpeciesRegistrar<CFishSpecies16> kRegistered(16, kFishSpecies16);
}  // namespace
