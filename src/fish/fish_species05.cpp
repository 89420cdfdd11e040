// Species 5, the blue ram: its description. The template does the rest; its
// own small steps (the reverse growing wave, the eye twitch) are beside it.
#include "fish/fish_species05.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species05_meshes.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <cmath>

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies05::Steps;
using Parts = CFishSpecies05::Parts;
constexpr float kPi6 = rounded::kPi6;  // as its description writes it

// Wave blocks, in layout order; only the body wave, the sine, the reverse and
// the growing wave are read.
enum Block {
    kBodyBlock, kSpare2, kSpare3, kSineBlock, kReverseBlock, kSpare6, kGrowingBlock, kSpare8, kSpare9, kSpare10
};
// Working arrays of one Draw.
enum Array { kBend, kBody, kSine, kReverse, kGrowing, kRamp, kToggle };

constexpr FishWave kWaves[] = {
    /* body    */ {0, 0, kPi16, 0.05f, kPi6},
    {},
    {},
    /* sine    */ {0, 0, kPi4, 0.01f, kPi6},
    /* reverse */ {0, 0, kPi16, 0.01f, kPi6},
    {},
    /* growing */ {0, 0, kPi16, 0.01f, kPi6},
    {},
    {},
    {},
};

constexpr RandDraw kDraws[] = {
    {RandDraw::kPitch, 45},
    {RandDraw::kWanderTimer, 200},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi16, 0.05f, true, kPi6, true},
    {kSineBlock, kPi4, 0.02f, true, kPi4, true},
    {kReverseBlock, kPi16, 0.01f, true, kPi6, true},
    {kGrowingBlock, kPi16, 0.01f, true, kPi6, true},
};

// sin(i k + phase) x (n - i) x 0.0015: largest at the first entry.
float ReverseGrowing(const CFishModel&, const FishWave& w, int i, int n)
{
    return std::sin(i * w.waveNumber + w.phase) * static_cast<float>(n - i) * 0.0015f;
}

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 14}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 14, .cadence = 5, .gain = 0.0125f,
      .start = 8}},
    {Steps::kSineWave, Sine(kSineBlock, kSine, 11)},
    {Steps::kReverseGrowingWave,
     {.kind = WaveKind::ByHand, .block = kReverseBlock, .array = kReverse, .count = 8, .cadence = 2,
      .value = ReverseGrowing}},
    {Steps::kGrowingWave,
     {.kind = WaveKind::Growing, .block = kGrowingBlock, .array = kGrowing, .count = 5, .cadence = 5, .gain = 0.01f,
      .pinned = 1}},
    // (i - 1) x 0.002, its first entry 0 and its last 1.2 times as far.
    {Steps::kRamp,
     {.kind = WaveKind::Ramp, .array = kRamp, .count = 4, .pinned = 1, .lastTimes = 1.2f, .shift = -1,
      .slope = 0.002f}},
    // (i - 1) x 0.005; the class's one counter flips the stroke on its 102nd call.
    {Steps::kRampToggle,
     {.kind = WaveKind::Ramp, .array = kToggle, .count = 4, .shift = -1, .slope = 0.005f, .toggleAfter = 100,
      .sharedCounter = &CFishSpecies05::s_nToggleCalls}},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// The eye's twitch shifts the current matrix until Draw pops it: a twitch of
// the first eye moves both.
void TwitchEye(CFishModel& fish)
{
    float dx = 0.0f, dy = 0.0f;
    if (static_cast<CFishSpecies05&>(fish).EyeTwitch(dx, dy))
        glTranslatef(dx, dy, 0.0f);
}

// Column j of the pelvic edge takes growing wave entry j / 3.
constexpr int8_t kThirds[] = {0, 0, 0, 2, 2, 2, 4, 4, 4, 6, 6, 6, 8, 8, 8};
constexpr RowPair kPelvicStrip[] = {{.a = 0, .b = 1, .divA = 1, .divB = 3}};
// The tail's column 0 takes segment 12, the others segment 13; its two root
// points each serve three columns.
constexpr int8_t kTailSegments[] = {24, 26, 26, 26, 26, 26};
constexpr RowPair kTailStrip[] = {{.a = 0, .b = 1, .divA = 3, .divB = 1}};
// The eye's centre points each serve two columns.
constexpr RowPair kEyeStrips[] = {{.a = 0, .b = 1, .divA = 2, .divB = 1}, {.a = 1, .b = 2}};

constexpr GridPart kPectoral = {.name = "pectoral", .mesh = MeshOf(g_Fish05Pectoral), .turn = At(kBend, 3),
                                .terms = {{.track = ByColumn(kReverse), .x = 4, .y = 1, .z = 2, .toColumn = 7}}};
constexpr GridPart kPelvic = {.name = "pelvic", .mesh = MeshOf(g_Fish05Pelvic), .turn = At(kBend, 3),
                              .terms = {AddY(At(kBody, 3)), AddY(ByMap(kGrowing, kThirds), RowBit(0))},
                              .strips = kPelvicStrip};
constexpr GridPart kEye = {.name = "eye", .mesh = MeshOf(g_Fish05Eye), .turn = At(kBend, 1), .strips = kEyeStrips,
                           .before = TwitchEye};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish05Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}, .emptyQuadsFirst = true}},
    {Parts::kLowerHead,
     {.name = "lower head", .mesh = MeshOf(g_Fish05LowerHead), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kRamp), kAllRows, -1)}}},
    {Parts::kUpperHead,
     {.name = "upper head", .mesh = MeshOf(g_Fish05UpperHead), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AddZ(ByColumn(kToggle))}}},
    // Columns 0 to 9 run from between segments 2 and 3 to between 11 and 12;
    // column 10 one step further. The root row stands 0.01 higher.
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = MeshOf(g_Fish05Dorsal), .turn = LerpMeans(kBend, 2, 3, 11, 12, 9),
      .terms = {AddY(LerpMeans(kBody, 2, 3, 11, 12, 9)), AddY(ByColumn(kSine), RowBit(0)),
                AddZ(Const(0.01f), RowBit(1))}}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, TwinOf(kPectoral, "pectoral twin")},
    {Parts::kPelvic, kPelvic},
    {Parts::kPelvicTwin, TwinOf(kPelvic, "pelvic twin")},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish05Anal), .turn = ByColumn(kBend, 6), .terms = {AddY(ByColumn(kBody, 6))}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish05Tail), .turn = ByMap(kBend, kTailSegments),
      .terms = {AddY(ByMap(kBody, kTailSegments))}, .strips = kTailStrip}},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

bool CFishSpecies05::EyeTwitch(float& dx, float& dy) const
{
    if (crt::rand() % 40 != 0)
        return false;
    dx = static_cast<float>(crt::rand() % 10) * m_nSize * 0.001f;
    dy = static_cast<float>(crt::rand() % 10) * m_nSize * 0.001f;
    return true;
}

constexpr FishClass kFishSpecies05 = {
    .name = "blue ram",
    .segments = 14,
    .waves = kWaves,
    .draws = kDraws,
    .speed = 0.1f,
    .bodyDims = {1.0f, 0.514202f, 0.36172f},
    .drift = false,
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .swimStyleDraws = false,
};
static_assert(CheckFishClass(kFishSpecies05));

namespace {
const FishSpeciesRegistrar<CFishSpecies05> kRegistered(5, kFishSpecies05);
}  // namespace
