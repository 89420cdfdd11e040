// Species 15, the betta: its description. The template does the rest.
#include "fish/fish_species15.h"

#include "fish/fish_pi.h"
#include "fish/fish_registry.h"
#include "fish/fish_species15_meshes.h"

#include <GL/glew.h>

namespace {

using namespace fishdef;
using namespace fishpi;
using Steps = CFishSpecies15::Steps;
using Parts = CFishSpecies15::Parts;

// Wave blocks, in layout order; 1, 2, 7 and 10 are never run, 5 runs unread.
enum Block {
    kBodyBlock, kR1, kR2, kDorsalBlock, kPectoralBlock, kSpareBlock, kPelvicBlock, kSpare7, kAnalBlock, kTailBlock
};
// Working arrays of one Draw, each named after its block.
enum Array { kBend, kBody, kW5, kW3, kW4, kW6, kW8, kW9 };

constexpr FishWave kWaves[] = {
    /* 0  */ {0, 0, kPi16, 0.03f, kPi6},
    /* 1  */ {0, 0, 0, 0.003f, 0},
    /* 2  */ {0, 0, 0, 0.003f, 0},
    /* 3  */ {0, 0, kPi10, 0.01f, kPi6},
    /* 4  */ {0, 0, kPi10, 0.02f, kPi6},
    /* 5  */ {0, 0, kPi10, 0.02f, kPi6},
    /* 6  */ {0, 0, kPi10, 0.02f, kPi6},
    /* 7  */ {0, 0, kPi10, 0.005f, kPi6},
    /* 8  */ {0, 0, kPi16, 0.03f, kPi6},
    /* 9  */ {0, 0, kPi10, 0.03f, kPi6},
    /* 10 */ {0, 0, kPi10, 0.02f, kPi6},
};

constexpr SwimStyleRow kSwimStyle[] = {
    {kBodyBlock, kPi12, 0.1f, true, kPi4, true},
    {kDorsalBlock, kPi5, 0.015f, true, kPi8, true},
    {kSpareBlock, kPi16, 0.01f, true, kPi6, true},
};

constexpr Named<WaveGen> kNamedPlan[] = {
    {Steps::kBend, {.kind = WaveKind::Bend, .array = kBend, .count = 15}},
    {Steps::kSpareWave, Sine(kSpareBlock, kW5, 7)},
    {Steps::kBodyWave,
     {.kind = WaveKind::BodyWave, .block = kBodyBlock, .array = kBody, .count = 15, .cadence = 3, .gain = 0.005f,
      .start = 10, .writesAmplitude = true}},
    {Steps::kSineWave2, Sine(kDorsalBlock, kW3, 23)},
    {Steps::kPectoralWave, Sine(kPectoralBlock, kW4, 20)},
    {Steps::kSineWave, Sine(kPelvicBlock, kW6, 10)},
    {Steps::kAnalWave, Sine(kAnalBlock, kW8, 10)},
    {Steps::kTailWave, Sine(kTailBlock, kW9, 25)},
};
constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);

// Rows of the two-row tables.
constexpr uint16_t kFirst = RowBit(0), kSecond = RowBit(1);

// The dorsal: edge row E (0) and base row B (1); both follow body entry 8,
// the edge its own wave too. Modes 1 and 2 draw 16 columns, the base
// stretched back and lowered, the edge moved forward.
constexpr uint32_t kModes1And2 = VariantMask({1, 2});
constexpr VariantLimit kSixteenColumns[] = {{kModes1And2, 0, 16}};
constexpr VariantStretch kDorsalStretch[] = {{kModes1And2, kSecond, 1.5f, 1.0f, 1.0f}};
constexpr VariantStretch kDorsalLinesStretch[] = {{kModes1And2, kSecond, 1.5f, 1.0f, 1.0f},
                                                  {VariantMask({2}), kAllRows, 1.0f, 1.0f, 1.2f}};
constexpr GridPart kDorsal = {
    .name = "dorsal", .mesh = MeshOf(g_Fish15Dorsal), .turn = At(kBend, 6),
    .terms = {AddY(At(kBody, 8)), AddY(ByColumn(kW3), kFirst),
              {.track = Const(-0.05f), .x = 1, .rows = kFirst, .variants = kModes1And2},
              {.track = Const(-0.1f), .z = 1, .rows = kSecond, .variants = kModes1And2}},
    .limits = kSixteenColumns, .stretches = kDorsalStretch};
constexpr GridPart DorsalLines()
{
    GridPart lines = DrawnOnlyIn(kDorsal, {2});
    lines.name = "dorsal lines";
    lines.primitive = GL_LINES;
    lines.stretches = kDorsalLinesStretch;
    return lines;
}

// The anal fin: column k turns with bend 3 + k and follows body entry
// 4 + k; rows 2 to 4 wave with its own sine, the root row is lifted into
// the body. Mode 2 draws its strips again as lines, stretched in z.
constexpr VariantStretch kAnalLinesStretch[] = {{VariantMask({2}), kAllRows, 1.0f, 1.0f, 1.2f}};
constexpr GridPart kAnal = {
    .name = "anal", .mesh = MeshOf(g_Fish15Anal), .turn = ByColumn(kBend, 3),
    .terms = {AddY(ByColumn(kBody, 4)), AddY(ByColumn(kW8), RowBit(2) | RowBit(3) | RowBit(4)),
              AddZ(Const(0.02f), RowBit(0))}};
constexpr GridPart AnalLines()
{
    GridPart lines = DrawnOnlyIn(kAnal, {2});
    lines.name = "anal lines";
    lines.primitive = GL_LINES;
    lines.stretches = kAnalLinesStretch;
    return lines;
}

// The tail: edge row A (0) with body entry 14 and its wave, root row B (1)
// with body entry 13, all turned by bend 14. Mode 0 draws it whole; mode 1
// its columns 12 to 24 raised, then flipped about a raised line; mode 2 all
// of it shortened and flipped, then its outline.
constexpr WaveTerm kTailRoot = AddY(At(kBody, 13), kSecond);
constexpr WaveTerm kTailEdgeBody = AddY(At(kBody, 14), kFirst);
constexpr GridPart kTail = DrawnOnlyIn(
    {.name = "tail", .mesh = MeshOf(g_Fish15Tail), .turn = At(kBend, 14),
     .terms = {kTailEdgeBody, AddY(ByColumn(kW9), kFirst), kTailRoot}},
    {0});
constexpr VariantStretch kFlipZ[] = {{kModes1And2, kAllRows, 1.0f, 1.0f, -1.0f}};
constexpr VariantStretch kFlipZShorter[] = {{VariantMask({2}), kAllRows, 0.9f, 1.0f, -1.0f}};
constexpr GridPart kTailRaised = DrawnOnlyIn(
    {.name = "tail raised", .mesh = ColumnsOf(g_Fish15Tail, 12, 13), .turn = At(kBend, 14),
     .terms = {kTailEdgeBody, AddY(ByColumn(kW9, 12), kFirst), kTailRoot, AddZ(Const(0.065f), kFirst)}},
    {1});
constexpr GridPart kTailLowered = DrawnOnlyIn(
    {.name = "tail lowered", .mesh = ColumnsOf(g_Fish15Tail, 12, 13), .turn = At(kBend, 14),
     .terms = {kTailEdgeBody, AddY(ByColumn(kW9, 12), kFirst), kTailRoot, AddZ(Const(0.065f))},
     .stretches = kFlipZ},
    {1});
constexpr GridPart kTailFlipped = DrawnOnlyIn(
    {.name = "tail flipped", .mesh = MeshOf(g_Fish15Tail), .turn = At(kBend, 14),
     .terms = {kTailEdgeBody, AddY(ByColumn(kW9), kFirst), kTailRoot, AddZ(Const(0.08f))},
     .stretches = kFlipZShorter},
    {2});
constexpr GridPart TailOutline()
{
    GridPart outline = kTailFlipped;
    outline.name = "tail outline";
    outline.primitive = GL_LINE_LOOP;
    outline.stretches = kFlipZ;
    return outline;
}

constexpr Named<GridPart> kNamedParts[] = {
    {Parts::kBody,
     {.name = "body", .mesh = MeshOf(g_Fish15Body), .mirror = Mirror::After, .turn = ByColumn(kBend),
      .terms = {AddY(ByColumn(kBody))}}},
    {Parts::kLowerJaw,
     {.name = "lower jaw", .mesh = MeshOf(g_Fish15LowerJaw), .mirror = Mirror::After, .turn = At(kBend, 0)}},
    {Parts::kHead, {.name = "head", .mesh = MeshOf(g_Fish15Head), .mirror = Mirror::After, .turn = At(kBend, 0)}},
    {Parts::kDorsal, kDorsal},
    {Parts::kDorsalLines, DorsalLines()},
    // The pectorals' edge swings back and out by their wave (the outward
    // part negated with y in the copy); the pelvics sway whole, as mirror images.
    {Parts::kPectorals,
     {.name = "pectorals", .mesh = MeshOf(g_Fish15Pectoral), .mirror = Mirror::After, .turn = At(kBend, 3),
      .terms = {{.track = ByColumn(kW4), .x = 1, .rows = kFirst},
                {.track = ByColumn(kW4), .y = 1, .rows = kFirst, .mirrorSign = -1}}}},
    {Parts::kPelvics,
     {.name = "pelvics", .mesh = MeshOf(g_Fish15Pelvic), .mirror = Mirror::After, .turn = At(kBend, 3),
      .terms = {{.track = ByColumn(kW6), .y = 1, .mirrorSign = -1}}}},
    {Parts::kAnal, kAnal},
    {Parts::kAnalLines, AnalLines()},
    {Parts::kTail, kTail},
    {Parts::kTailRaised, kTailRaised},
    {Parts::kTailLowered, kTailLowered},
    {Parts::kTailFlipped, kTailFlipped},
    {Parts::kTailOutline, TailOutline()},
    {Parts::kEyes,
     {.name = "eyes", .mesh = MeshOf(g_Fish15Eye), .mirror = Mirror::After, .turn = At(kBend, 0),
      .strips = kBToAThenAToC}},
};
constexpr auto kParts = InNamedOrder<Parts::kCount>(kNamedParts);

// Mode 2 draws the tail's two shapes each inside a matrix push and pop.
constexpr DrawStep kMode2[] = {
    Part(Parts::kBody),        Part(Parts::kLowerJaw),  Part(Parts::kHead),   Part(Parts::kDorsal),
    Part(Parts::kDorsalLines), Part(Parts::kPectorals), Part(Parts::kPelvics), Part(Parts::kAnal),
    Part(Parts::kAnalLines),   Push(),                  Part(Parts::kTailFlipped), Pop(),
    Push(),                    Part(Parts::kTailOutline), Pop(),              Part(Parts::kEyes),
};
constexpr VariantProgram kPrograms[] = {{VariantMask({2}), kMode2}};

}  // namespace

constexpr FishClass kFishSpecies15 = {
    .name = "betta",
    .segments = 15,
    .waves = kWaves,
    .draws = kTemplateDraws,
    .speed = 0.05f,
    .bodyDims = {1.0f, 0.34605f, 0.2778f},
    .drift = false,
    .swimStyle = kSwimStyle,
    .plan = kPlan,
    .parts = kParts,
    .programs = kPrograms,
    .alive = AliveRule::EmptyStrips,
};
static_assert(CheckFishClass(kFishSpecies15));

void CFishSpecies15::DrawPart7(const FishFrame& f)
{
    for (int part : {Parts::kTail, Parts::kTailRaised, Parts::kTailLowered})
        DrawShown(part, f);
    for (int part : {Parts::kTailFlipped, Parts::kTailOutline}) {
        if (HiddenInVariant(Class().parts[part], m_nDrawVariant))
            continue;
        glPushMatrix();
        DrawPartAt(part, f);
        glPopMatrix();
    }
}

namespace {
const FishSpeciesRegistrar<CFishSpecies15> kRegistered(15, kFishSpecies15);
}  // namespace
