// Species 24, the peacock bass: its description. The template does the rest.
#include "fish/fish_species24.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species24_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi::rounded;  // its description writes rounded decimals
using Steps = CFishSpecies24::Steps;
using Parts = CFishSpecies24::Parts;

// Wave blocks, in layout order.
enum Block { kBodyBlock, kR1, kR2, kA, kB, kC, kD, kE };
// Working arrays of one Draw.
enum Array { kR7, kR10, kBend, kBW, kSA4, kSA5, kSB5, kSC3, kSD5, kSE11 };

constexpr FishWave kWaves[] = {
    /* body */ {0, 0, kPi12, 0.1f, kPi4},
    /* R1   */ {0, 0, 0, 0.01f, 0},
    /* R2   */ {0, 0, 0, 0.01f, 0},
    /* A    */ {0, 0, kPi16, 0.005f, kPi6},
    /* B    */ {0, 0, kPi16, 0.05f, kPi6},
    /* C    */ {0, 0, kPi16, 0.03f, kPi6},
    /* D    */ {0, 0, kPi16, 0.01f, kPi6},
    /* E    */ {0, 0, kPi10, 0.02f, kPi4},
};

// Every generator's values carry the fish's size, so its offsets are added
// to the scaled points.
constexpr Named<WaveGen> kNamedPlan[] = {
    // The jaws' ramps; the first flips the stroke flag after 16 to 25 calls.
    {Steps::kReverseRampToggle,
     {.kind = WaveKind::ReverseRamp, .block = kR1, .array = kR7, .count = 7, .timesSize = true, .toggleAfter = 15,
      .toggleJitter = 10}},
    {Steps::kReverseRamp,
     {.kind = WaveKind::ReverseRamp, .block = kR2, .array = kR10, .count = 10, .timesSize = true}},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 12}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBW, .count = 12, .cadence = 3, .gain = 0.01f,
      .start = 7, .timesSize = true}},
    {Steps::kSineA, TimesSize(Sine(kA, kSA4, 4))},
    {Steps::kSineAAgain, TimesSize(Sine(kA, kSA5, 5))},
    {Steps::kSineB, TimesSize(Sine(kB, kSB5, 5))},
    {Steps::kSineC, TimesSize(Sine(kC, kSC3, 3, 2))},
    {Steps::kSineD, TimesSize(Sine(kD, kSD5, 5))},
    {Steps::kSineE, TimesSize(Sine(kE, kSE11, 11))},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// Half steps of the segments the columns of the three-angle parts take
// (2k: segment k, 2k + 1: the mean of k and k + 1).
constexpr int8_t kSoftDorsalSegments[] = {16, 17, 17, 18, 18};
constexpr int8_t kAnalSegments[] = {14, 15, 15, 16, 16};
constexpr int8_t kTailSegments[] = {20, 20, 22, 22, 22, 22, 22, 22, 22, 20, 20};

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish24Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
      .terms = {AfterScale(AddY(ByColumn(kBW)))}}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish24UpperJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AfterScale(AddZ(ByColumn(kR10)))}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish24LowerJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
      .terms = {AfterScale(AddZ(ByColumn(kR7), kAllRows, -1))}}},
    {Parts::kSpinyDorsal,
     {.name = "spiny dorsal", .mesh = MeshOf(g_Fish24SpinyDorsal), .turn = At(kBend, 6),
      .terms = {AfterScale(Add(ByColumn(kSA4), 1, 1, 0, RowBit(1)))}}},
    {Parts::kSoftDorsal,
     {.name = "soft dorsal", .mesh = MeshOf(g_Fish24SoftDorsal), .turn = ByMap(kBend, kSoftDorsalSegments),
      .terms = {AfterScale(AddY(At(kBW, 7))), AfterScale(AddY(ByColumn(kSA5), RowBit(1)))}}},
    // The edge beats out and up; the twin's beats out on its own side.
    {Parts::kPectoral,
     {.name = "pectoral", .mesh = MeshOf(g_Fish24Pectoral), .mirror = Mirror::Halves, .turn = At(kBend, 4),
      .terms = {AfterScale(Add(ByColumn(kSB5), 0, 1, 0, RowBit(0), -1)),
                AfterScale(AddZ(ByColumn(kSB5), RowBit(0)))}}},
    {Parts::kPelvic,
     {.name = "pelvic", .mesh = MeshOf(g_Fish24Pelvic), .mirror = Mirror::Halves, .turn = At(kBend, 5),
      .terms = {AfterScale(Add(ByColumn(kSC3), 0, 1, 0, RowBit(0), -1))}}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish24Anal), .turn = ByMap(kBend, kAnalSegments),
      .terms = {AfterScale(AddY(ByMap(kBW, kAnalSegments))), AfterScale(AddY(ByColumn(kSD5), RowBit(1)))}}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish24Tail), .turn = ByMap(kBend, kTailSegments),
      .terms = {AfterScale(AddY(ByMap(kBW, kTailSegments))), AfterScale(AddY(ByColumn(kSE11), RowBit(0)))}}},
    {Parts::kEye, {.name = "eye", .mesh = MeshOf(g_Fish24Eye), .mirror = Mirror::Halves, .turn = At(kBend, 0)}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies24 = {
    .name = "peacock bass",
    .segments = 15,  // the bend uses the first 12
    .waves = kWaves,
    .draws = kTemplateDraws,
    .size = 7,
    .speed = 0.2f,
    .bodyDims = {1.0f, 0.36675f, 0.331898f},
    .drift = false,
    .plan = kPlan,
    .parts = kParts,
    // The head leads: the body's length lies along the heading, as in every
    // other class (a further quarter turn would carry the fish sideways).
    .extraYaw = 0.0f,
    .swimStyleDraws = false,  // the swim style changes nothing
    .approachesSpeed = false,
    .headingDraws = 2,
    .wholeDegreePitch = true,
    .touch = TouchRule::ClampVertical,
};
static_assert(CheckFishClass(kFishSpecies24));

namespace {
const FishSpeciesRegistrar<CFishSpecies24> kRegistered(24, kFishSpecies24);
}  // namespace
