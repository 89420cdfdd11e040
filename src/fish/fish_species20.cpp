// Species 20, the ocellate river stingray: its description. The template does
// the rest; its two generators' values and the variant-3 pull of the disc are
// the small functions beside the description.
#include "fish/fish_species20.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species20_meshes.h"

#include <cmath>

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies20::Steps;
using Parts = CFishSpecies20::Parts;

// Wave blocks, in layout order.
enum Block { kGrowBlock, kSineBlock };
// Working arrays of one Draw: the rim's growing wave, the bend, the tail's sine wave.
enum Array { kGrow, kBend, kSine };

constexpr FishWave kWaves[] = {
    /* grow */ {0, 0, kPi4, 0.01f, kPi6},
    /* sine */ {0, 0, kPi10, 0.01f, kPi6},
};

constexpr RandDraw kDraws[] = {
    {RandDraw::kPitch, 45},
    {RandDraw::kWanderTimer, 200},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kGrowBlock, kPi4, 0.01f, true, kPi6, true},
    {kSineBlock, kPi10, 0.01f, true, kPi6, true},
};

// The amplitude grows with the entry: the last of n is n times the first's.
float Growing(const CFishModel&, const FishWave& w, int i, int)
{
    return std::sin(i * w.waveNumber + w.phase) * w.amplitude * static_cast<float>(i + 1);
}

// The tail's wave, by draw variant: stronger in variant 0 and 4 than in 3; a
// wave of three times the wave number in 5; nothing in the others.
float SineByVariant(const CFishModel& fish, const FishWave& w, int i, int)
{
    const float s = std::sin(i * w.waveNumber + w.phase) * w.amplitude;
    switch (fish.m_nDrawVariant) {
    case 0:
    case 4:
        return 3.0f * s;
    case 3:
        return 2.0f * s;
    case 5:
        return 4.0f * w.amplitude * std::sin(3.0f * i * w.waveNumber + w.phase);
    default:
        return 0.0f;
    }
}

// The tail's root never ripples and its next column at half strength.
void StillRoot(CFishModel&, float* out, int n)
{
    if (n > 0)
        out[0] = 0.0f;
    if (n > 1)
        out[1] *= 0.5f;
}

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kGrowingWave,
     {.kind = WaveKind::ByHand, .block = kGrowBlock, .array = kGrow, .count = 4, .value = Growing}},
    {Steps::kSineWaveByMode,
     {.kind = WaveKind::ByHand, .block = kSineBlock, .array = kSine, .count = 10, .value = SineByVariant,
      .post = StillRoot}},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 10}},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The rim (rows 4 and 5) of the disc's middle columns rises and falls, most
// in column 6: column 3 + k and 9 - k take entry k of the growing wave.
constexpr int8_t kRimEntry[] = {0, 0, 0, 0, 2, 4, 6, 4, 2, 0, 0, 0, 0};
constexpr uint32_t kVariant3 = VariantMask({3});
constexpr WaveTerm kRimWave = {.track = ByMap(kGrow, kRimEntry), .z = 1, .rows = RowBit(4) | RowBit(5),
                               .fromColumn = 3, .toColumn = 10, .variants = ~kVariant3};

// Variant 3 pulls the first point of the disc's last strip forward.
void PullInVariant3(const CFishModel& fish, const FishFrame&, const GridPoint& p, float offset[3])
{
    if (fish.m_nDrawVariant == 3 && p.strip == 6 && p.first && p.column == 0 && !p.cap)
        offset[0] -= 0.150000006f;
}

constexpr VariantLimit kFirstFourStrips[] = {{VariantMask({4}), 4, 0}};
constexpr VariantLimit kTailColumns[] = {{VariantMask({3}), 0, 4}, {VariantMask({4}), 0, 5}};
constexpr uint32_t kVariant5 = VariantMask({5});

constexpr GridPart kLobe = {.name = "lobe", .mesh = MeshOf(g_Fish20Lobe), .turn = At(kBend, 0)};
constexpr GridPart kEye = {.name = "eye", .mesh = MeshOf(g_Fish20Eye), .turn = At(kBend, 0),
                           .terms = {Add(DriftValue(), 1, 0, 1)}};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kCap, {.name = "cap", .mesh = MeshOf(g_Fish20Cap), .mirror = Mirror::After, .turn = At(kBend, 0)}},
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish20Body), .mirror = Mirror::After, .turn = At(kBend, 0),
      .terms = {kRimWave}, .limits = kFirstFourStrips, .offsetHook = PullInVariant3}},
    // Each column turns by its own bend angle; the wave waves it sideways
    // (up and down in variant 5).
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish20Tail), .turn = ByColumn(kBend),
      .terms = {{.track = ByColumn(kSine), .y = 1, .variants = ~kVariant5},
                {.track = ByColumn(kSine), .z = 1, .variants = kVariant5}},
      .limits = kTailColumns}},
    {Parts::kKeel, {.name = "keel", .mesh = MeshOf(g_Fish20Keel), .turn = At(kBend, 0)}},
    {Parts::kLobe, kLobe},
    {Parts::kLobeTwin, TwinOf(kLobe, "lobe twin")},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

// Variants 3 and 4 draw the disc without its patch and the tail; 4 inside a
// scale; 5 the tail and the keel.
constexpr DrawStep kVariant3Steps[] = {Part(Parts::kBody), Part(Parts::kTail)};
constexpr DrawStep kVariant4Steps[] = {Push(), Scale(2.0f, 0.5f, 2.0f), Part(Parts::kBody), Part(Parts::kTail), Pop()};
constexpr DrawStep kVariant5Steps[] = {Push(), Part(Parts::kTail), Part(Parts::kKeel), Pop()};
constexpr VariantProgram kPrograms[] = {
    {kVariant3, kVariant3Steps},
    {VariantMask({4}), kVariant4Steps},
    {kVariant5, kVariant5Steps},
};

}  // namespace

constexpr FishClass kFishSpecies20 = {
    .name = "ocellate river stingray",
    .segments = 10,
    .waves = kWaves,
    .draws = kDraws,
    .size = 5,
    .speed = 0.1f,
    .bodyDims = {0.975275993f, 1.99839401f, 1.95247996f},
    .drift = true,
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .programs = kPrograms,
    .swimStyleDraws = false,
    .drawnVariants = VariantMask({0, 3, 4, 5}),
    .otherVariantsDraw = false,
};
static_assert(CheckFishClass(kFishSpecies20));

namespace {
const FishSpeciesRegistrar<CFishSpecies20> kRegistered(20, kFishSpecies20);
}  // namespace
