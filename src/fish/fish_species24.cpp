// Species 24, the peacock bass: its description. The template does the rest.
#include "fish/fish_species24.h"

#include "fish/fish_registry.h"
#include "fish/fish_species24_meshes.h"

namespace {

using namespace fishdef;

constexpr float kPi16 = 0.1963495f, kPi12 = 0.2617994f, kPi10 = 0.3141592f;
constexpr float kPi6 = 0.5235987f, kPi4 = 0.7853981f;

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

// Every generator's values carry the fish's size.
constexpr WaveGen Sine(int block, int array, int count, int cadence = 5)
{
    return {.kind = WaveKind::Sine, .block = block, .array = array, .count = count, .cadence = cadence,
            .timesSize = true};
}

constexpr WaveGen kPlan[] = {
    // The jaws' ramps; the first flips the stroke flag after 16 to 25 calls.
    {.kind = WaveKind::ReverseRamp, .block = kR1, .array = kR7, .count = 7, .timesSize = true, .toggleAfter = 15,
     .toggleJitter = 10},
    {.kind = WaveKind::ReverseRamp, .block = kR2, .array = kR10, .count = 10, .timesSize = true},
    {.kind = WaveKind::Bend, .array = kBend, .count = 12},
    {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBW, .count = 12, .cadence = 3, .gain = 0.01f,
     .start = 7, .timesSize = true},
    Sine(kA, kSA4, 4),
    Sine(kA, kSA5, 5),
    Sine(kB, kSB5, 5),
    Sine(kC, kSC3, 3, 2),
    Sine(kD, kSD5, 5),
    Sine(kE, kSE11, 11),
};

// The waves already carry the size: they are added to the scaled points.
constexpr WaveTerm Wave(Track t, float x, float y, float z, uint16_t rows = kAllRows, float mirrorSign = 1.0f)
{
    return {.track = t, .x = x, .y = y, .z = z, .rows = rows, .scaled = false, .mirrorSign = mirrorSign};
}

// Half steps of the segments the columns of the three-angle parts take
// (2k: segment k, 2k + 1: the mean of k and k + 1).
constexpr int8_t kSoftDorsalSegments[] = {16, 17, 17, 18, 18};
constexpr int8_t kAnalSegments[] = {14, 15, 15, 16, 16};
constexpr int8_t kTailSegments[] = {20, 20, 22, 22, 22, 22, 22, 22, 22, 20, 20};

constexpr GridPart kParts[] = {
    {.name = "body", .mesh = MeshOf(g_Fish24Body), .mirror = Mirror::Halves, .turn = ByColumn(kBend),
     .terms = {Wave(ByColumn(kBW), 0, 1, 0)}},
    {.name = "upper jaw", .mesh = MeshOf(g_Fish24UpperJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
     .terms = {Wave(ByColumn(kR10), 0, 0, 1)}},
    {.name = "lower jaw", .mesh = MeshOf(g_Fish24LowerJaw), .mirror = Mirror::Halves, .turn = At(kBend, 0),
     .terms = {Wave(ByColumn(kR7), 0, 0, -1)}},
    {.name = "spiny dorsal", .mesh = MeshOf(g_Fish24SpinyDorsal), .turn = At(kBend, 6),
     .terms = {Wave(ByColumn(kSA4), 1, 1, 0, RowBit(1))}},
    {.name = "soft dorsal", .mesh = MeshOf(g_Fish24SoftDorsal), .turn = ByMap(kBend, kSoftDorsalSegments),
     .terms = {Wave(At(kBW, 7), 0, 1, 0), Wave(ByColumn(kSA5), 0, 1, 0, RowBit(1))}},
    // The edge beats out and up; the twin's beats out on its own side.
    {.name = "pectoral", .mesh = MeshOf(g_Fish24Pectoral), .mirror = Mirror::Halves, .turn = At(kBend, 4),
     .terms = {Wave(ByColumn(kSB5), 0, 1, 0, RowBit(0), -1.0f), Wave(ByColumn(kSB5), 0, 0, 1, RowBit(0))}},
    {.name = "pelvic", .mesh = MeshOf(g_Fish24Pelvic), .mirror = Mirror::Halves, .turn = At(kBend, 5),
     .terms = {Wave(ByColumn(kSC3), 0, 1, 0, RowBit(0), -1.0f)}},
    {.name = "anal", .mesh = MeshOf(g_Fish24Anal), .turn = ByMap(kBend, kAnalSegments),
     .terms = {Wave(ByMap(kBW, kAnalSegments), 0, 1, 0), Wave(ByColumn(kSD5), 0, 1, 0, RowBit(1))}},
    {.name = "tail", .mesh = MeshOf(g_Fish24Tail), .turn = ByMap(kBend, kTailSegments),
     .terms = {Wave(ByMap(kBW, kTailSegments), 0, 1, 0), Wave(ByColumn(kSE11), 0, 1, 0, RowBit(0))}},
    {.name = "eye", .mesh = MeshOf(g_Fish24Eye), .mirror = Mirror::Halves, .turn = At(kBend, 0)},
};

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
