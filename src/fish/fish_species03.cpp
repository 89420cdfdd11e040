// Species 3, the angelfish: its description. The template does the rest;
// what differs (the variants' vertex changes, the tail's root offset) is in
// the small functions beside the parts.
#include "fish/fish_species03.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species03_meshes.h"

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies03::Steps;
using Parts = CFishSpecies03::Parts;
// The three its description writes otherwise: two rounded decimals and the float nearest pi / 20.
constexpr float kPi24 = rounded::kPi24, kPi6 = rounded::kPi6, kPi20 = Nearest(20);

// Wave blocks, in layout order (5 and 7 are set by the swim style and read by nothing).
enum Block { kBodyBlock, kToggleBlock, kRampBlock, kGrow1, kSine1, kSpare1, kGrow2, kSpare2, kGrow3, kSine2 };
// Working arrays of one Draw: bend, body wave, reverse ramp, ramp toggle,
// growing waves 1 to 3, sine waves 1 and 2.
enum Array { kD, kW, kR, kT, kG1, kS1, kG2, kG3, kS2 };

constexpr FishWave kWaves[] = {
    /* body */ {0, 0, kPi16, 0, kPi6},
    /* T    */ {0, 0, 0, 0.003f, 0},
    /* R    */ {0, 0, 0, 0.003f, 0},
    /* G1   */ {0, 0, kPi8, 0, kPi8},
    /* S1   */ {0, 0, kPi24, 0.05f, kPi8},
    /*      */ {0, 0, kPi24, 0.05f, kPi8},
    /* G2   */ {0, 0, kPi20, 0, kPi8},
    /*      */ {0, 0, kPi16, 0.01f, kPi6},
    /* G3   */ {0, 0, kPi2, 0, kPi6},
    /* S2   */ {0, 0, kPi4, 0.05f, kPi6},
};

// Two draws only advance the sequence: pitch and heading start at 0.
constexpr RandDraw kDraws[] = {
    {RandDraw::kDiscard, 2},
    {RandDraw::kDiscard, 2},
    {RandDraw::kCounter, 15, kToggleBlock},
    {RandDraw::kCounter, 15, kRampBlock},
    {RandDraw::kWanderTimer, 200},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi16, 0.01f, false, kPi6, true},
    {kGrow1, kPi5, 0.5f, true, kPi8, true},
    {kSine1, kPi24, 0.05f, false, kPi16, true},
    {kSpare1, kPi24, 0.05f, true, kPi8, true},
    {kGrow2, kPi20, 0.01f, true, kPi8, true},
    {kSpare2, kPi16, 0.01f, true, kPi8, true},
    {kSine2, kPi4, 0.05f, false, kPi6, true},
};

constexpr uint32_t kNotInVariant4 = VariantMask({4});

// The order of the class's Draw (the header's generators name these steps).
constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kReverseRamp,
     {.kind = WaveKind::ReverseRamp, .block = kRampBlock, .array = kR, .count = 5, .skipVariants = kNotInVariant4}},
    {Steps::kReverseRampToggle,
     {.kind = WaveKind::ReverseRamp, .block = kToggleBlock, .array = kT, .count = 6, .toggleAfter = 15,
      .skipVariants = kNotInVariant4}},
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kD, .count = 16}},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kW, .count = 16, .cadence = 5, .gain = 0.01f,
      .start = 13}},
    {Steps::kGrowingWave,
     {.kind = WaveKind::Growing, .block = kGrow1, .array = kG1, .count = 10, .cadence = 2, .gain = 0.011f,
      .skipVariants = VariantMask({3, 4})}},
    {Steps::kSineWave, Sine(kSine1, kS1, 7, 2)},
    {Steps::kGrowingWave2,
     {.kind = WaveKind::Growing, .block = kGrow2, .array = kG2, .count = 8, .cadence = 5, .gain = 0.01f, .pinned = 1}},
    {Steps::kGrowingWave3, Growing(kGrow3, kG3, 8, 0.002f, 1)},
    {Steps::kSineWave2, Sine(kSine2, kS2, 15, 1, 0.1f)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

constexpr VariantScale kScales[] = {{3, 1.5f, 1, 1.2f}, {4, 1.2f, 1, 0.8f}};

bool Variant(const CFishModel& fish, int v) { return fish.m_nDrawVariant == v; }
// The lower of the two rows a strip joins.
bool LowerRowOfStrip(const GridPoint& p) { return p.row == p.strip + 1; }

// Variant 4 pulls the rear half of the body (columns 8 to 15) forward and down.
void BodyVariant(const CFishModel& fish, const FishFrame&, const GridPoint& p, float offset[3])
{
    if (!Variant(fish, 4) || p.column < 8)
        return;
    const int j = p.column - 8;
    if (p.strip == 0) {
        offset[0] -= 0.002f * (16 - j);
        offset[2] -= 0.01f * j;
    } else if (LowerRowOfStrip(p)) {
        offset[2] -= 0.01f * j;
    }
}

void JawVariant(const CFishModel& fish, const FishFrame&, const GridPoint& p, float offset[3])
{
    if (Variant(fish, 4) && LowerRowOfStrip(p))
        offset[0] -= 0.05f;
}

// Variant 3 draws the dorsal fin narrower toward its rear columns (x times
// (10 - c) / 10) and moves its lobe's first strip back; variant 4 raises the
// fin's lower strip rows and moves the lobe's first two columns back.
void DorsalVariant(const CFishModel& fish, const FishFrame&, const GridPoint& p, float offset[3])
{
    if (Variant(fish, 3))
        offset[0] += g_Fish03Dorsal[p.row][p.column].x * ((10 - p.column) * 0.1f - 1.0f);
    else if (Variant(fish, 4) && LowerRowOfStrip(p))
        offset[2] += 0.01f;
}

void LobeVariant(const CFishModel& fish, const FishFrame&, const GridPoint& p, float offset[3])
{
    if (Variant(fish, 3)) {
        offset[0] += g_Fish03Dorsal[kFish03DorsalFinRows + p.row][p.column].x * ((10 - p.column) * 0.1f - 1.0f);
        if (p.strip == 0)
            offset[0] += 0.08f * p.column;
    } else if (Variant(fish, 4) && p.strip == 0 && p.column < 2) {
        offset[0] += 0.1f * p.column;
    }
}

void AnalVariant(const CFishModel& fish, const FishFrame&, const GridPoint& p, float offset[3])
{
    if (Variant(fish, 3) && p.row == 1)
        offset[2] += 0.1f;
}

// The tail's root row sits 0.01 behind its stored place; variants 3 and 4
// draw its edge forked (the middle pulled in most) and variant 3 lower.
void TailShape(const CFishModel& fish, const FishFrame&, const GridPoint& p, float offset[3])
{
    if (p.row == 0) {
        offset[0] += 0.01f;
        return;
    }
    const int fork = p.column < 7 ? p.column : 15 - p.column;
    if (Variant(fish, 3)) {
        offset[0] -= 0.005f * fork;
        offset[2] += g_Fish03Tail[1][p.column].z * (0.8f - 1.0f);
    } else if (Variant(fish, 4)) {
        offset[0] -= 0.014f * fork;
    }
}

constexpr VariantLimit kVentralColumns[] = {{VariantMask({3}), 0, 5}, {VariantMask({4}), 0, 4}};

// The body swells and narrows at the tail rather than swaying: the body wave
// is negated with y in the second half. So is the ventral twin's.
constexpr WaveTerm Swell(Track t) { return {.track = t, .y = 1, .mirrorSign = -1}; }

constexpr GridPart kPectoral = {.name = "pectoral", .mesh = MeshOf(g_Fish03Pectoral), .turn = At(kD, 4),
                                .terms = {Add(ByColumn(kS1), 1, 1, 0, RowBit(1))}};
constexpr GridPart kEye = {.name = "eye", .mesh = MeshOf(g_Fish03Eye), .turn = MeanOf(kD, 1, 2),
                           .terms = {Add(DriftValue(), 1, 0, 1)}};

constexpr int kDorsalLobeRows = MeshOf(g_Fish03Dorsal).rows - kFish03DorsalFinRows;

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish03Body), .mirror = Mirror::Halves, .turn = ByColumn(kD),
      .terms = {Swell(ByColumn(kW))}, .offsetHook = BodyVariant, .emptyQuadsFirst = true}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish03LowerJaw), .mirror = Mirror::Halves, .turn = At(kD, 0),
      .terms = {AddZ(ByColumn(kR), kAllRows, -1)}, .columns = 5, .offsetHook = JawVariant}},
    {Parts::kUpperJaw,
     {.name = "upper jaw", .mesh = MeshOf(g_Fish03UpperJaw), .mirror = Mirror::Halves, .turn = At(kD, 0),
      .terms = {AddZ(ByColumn(kT))}, .offsetHook = JawVariant}},
    // One table, two sections: the fin, then its lobe, which sways more toward its tip.
    {Parts::kDorsal,
     {.name = "dorsal", .mesh = RowsOf(g_Fish03Dorsal, 0, kFish03DorsalFinRows), .turn = ByColumn(kD),
      .offsetHook = DorsalVariant}},
    {Parts::kDorsalLobe,
     {.name = "dorsal lobe", .mesh = RowsOf(g_Fish03Dorsal, kFish03DorsalFinRows, kDorsalLobeRows),
      .turn = ByColumn(kD), .terms = {AddY(ByColumn(kG1))}, .columns = 5, .offsetHook = LobeVariant}},
    {Parts::kPectoral, kPectoral},
    {Parts::kPectoralTwin, TwinOf(kPectoral, "pectoral twin")},
    {Parts::kVentral,
     {.name = "ventral", .mesh = MeshOf(g_Fish03Ventral), .turn = At(kD, 4), .terms = {Add(ByColumn(kG2), 0, 1, 1)},
      .limits = kVentralColumns}},
    // Keeps the rotation the ventral filament set; its wave mirrors the first's.
    {Parts::kVentralTwin,
     {.name = "ventral twin", .mesh = MeshOf(g_Fish03Ventral), .mirror = Mirror::Twin,
      .terms = {Swell(ByColumn(kG2)), AddZ(ByColumn(kG2), kAllRows, -1)}, .limits = kVentralColumns}},
    {Parts::kAnal,
     {.name = "anal", .mesh = MeshOf(g_Fish03Anal), .turn = ByColumn(kD, 7), .terms = {AddY(ByColumn(kG3), RowBit(1))},
      .offsetHook = AnalVariant, .hiddenInVariants = kNotInVariant4}},
    {Parts::kTail,
     {.name = "tail", .mesh = MeshOf(g_Fish03Tail), .turn = At(kD, 15),
      .terms = {AddY(At(kW, 15)), AddY(ByColumn(kS2), RowBit(1))}, .offsetHook = TailShape}},
    {Parts::kEye, kEye},
    {Parts::kEyeTwin, TwinOf(kEye, "eye twin")},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

}  // namespace

constexpr FishClass kFishSpecies03 = {
    .name = "angelfish",
    .segments = 16,
    .waves = kWaves,
    .draws = kDraws,
    .speed = 0.1f,
    .bodyDims = {0.64383f, 1.0f, 0.181513f},
    .whiteFirst = true,
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .scales = kScales,
    .parts = kParts,
};
static_assert(CheckFishClass(kFishSpecies03));

namespace {
const FishSpeciesRegistrar<CFishSpecies03> kRegistered(3, kFishSpecies03);
}  // namespace
