// The strip emitter of the mesh parts, on small parts of the tests' own.
#include "fish/fish_species23.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace fishdef;

// 3 rows x 2 columns; point (r, c) at (c, r + 1, 10 r), normal and texture tagged by index.
constexpr FishVertex kGrid[3][2] = {
    {{0, 1, 0, 0, 0, 1, 0.0f, 0.0f}, {1, 1, 0, 0, 0, 1, 0.1f, 0.0f}},
    {{0, 2, 10, 0, 1, 0, 0.0f, 0.5f}, {1, 2, 10, 0, 1, 0, 0.1f, 0.5f}},
    {{0, 3, 20, 1, 0, 0, 0.0f, 1.0f}, {1, 3, 20, 1, 0, 0, 0.1f, 1.0f}},
};

class EmitterTest : public testing::Test {
protected:
    EmitterTest() { fish.m_nSize = 2; }
    const RecordedVertex& V(size_t strip, size_t i) const { return recorder.primitives.at(strip).vertices.at(i); }

    VertexRecorder recorder;
    CFishSpecies23 fish;
    FishFrame frame;
};

TEST_F(EmitterTest, StripsJoinNeighbouringRowsColumnByColumn)
{
    fish.SetPartRotation(0, 0, 0, 1);
    fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid)}, frame);
    ASSERT_EQ(recorder.primitives.size(), 2u);
    for (size_t s = 0; s < 2; ++s) {
        EXPECT_EQ(recorder.primitives[s].mode, GLenum(GL_QUAD_STRIP));
        ASSERT_EQ(recorder.primitives[s].vertices.size(), 4u);
        // row s, row s + 1 of column 0, then of column 1; positions times the size
        const float expected[4][3] = {{0, 2.0f * (s + 1), 20.0f * s},
                                      {0, 2.0f * (s + 2), 20.0f * (s + 1)},
                                      {2, 2.0f * (s + 1), 20.0f * s},
                                      {2, 2.0f * (s + 2), 20.0f * (s + 1)}};
        for (int i = 0; i < 4; ++i) {
            const RecordedVertex& v = V(s, i);
            EXPECT_EQ(v.position, (std::array<float, 3>{expected[i][0], expected[i][1], expected[i][2]})) << s << i;
            const FishVertex& p = kGrid[s + i % 2][i / 2];
            EXPECT_EQ(v.normal, (std::array<float, 3>{p.nx, p.ny, p.nz}));
            EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t}));
        }
    }
}

TEST_F(EmitterTest, MirrorModesAndTheSignOfTheirWaveTerms)
{
    frame[0][0] = 0.5f;  // a sway of 0.5 on column 0 only
    const WaveTerm sway{ByColumn(0), 0, 1, 0};
    const WaveTerm swell{.track = ByColumn(0), .y = 1, .mirrorSign = -1};
    struct Case {
        const char* name;
        Mirror mirror;
        WaveTerm term;
        std::vector<float> column0, column1;  // y of each strip's first point in the column
    } cases[] = {
        {"none", Mirror::None, sway, {3, 5}, {2, 4}},
        {"halves", Mirror::Halves, sway, {3, -1, 5, -3}, {2, -2, 4, -4}},  // the sway is not negated
        {"twin", Mirror::Twin, sway, {-1, -3}, {-2, -4}},
        {"halves, swelling", Mirror::Halves, swell, {3, -3, 5, -5}, {2, -2, 4, -4}},
    };
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid), .mirror = c.mirror, .turn = At(1, 0), .terms = {c.term}}, frame);
        ASSERT_EQ(recorder.primitives.size(), c.column0.size()) << c.name;
        for (size_t s = 0; s < c.column0.size(); ++s) {
            EXPECT_FLOAT_EQ(V(s, 0).position[1], c.column0[s]) << c.name << " strip " << s;
            EXPECT_FLOAT_EQ(V(s, 2).position[1], c.column1[s]) << c.name << " strip " << s;
            const FishVertex& stored = kGrid[c.mirror == Mirror::Halves ? s / 2 : s][0];
            EXPECT_EQ(V(s, 0).normal, (std::array<float, 3>{stored.nx, stored.ny, stored.nz})) << "normals as stored";
        }
    }
}

TEST_F(EmitterTest, TermsApplyToTheirRowsScaledOrNot)
{
    frame[2][0] = 1.0f;
    frame[2][1] = 2.0f;
    fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid),
                       .turn = At(1, 0),
                       .terms = {{.track = ByColumn(2), .x = 4, .z = 2, .rows = RowBit(1)},
                                 {.track = ByColumn(2), .y = 1, .rows = RowBit(2), .scaled = false}}},
                      frame);
    ASSERT_EQ(recorder.primitives.size(), 2u);
    // Strip 0: row 0 untouched, row 1 moved by 4w in x and 2w in z, both times the size.
    EXPECT_EQ(V(0, 0).position, (std::array<float, 3>{0, 2, 0}));
    EXPECT_EQ(V(0, 1).position, (std::array<float, 3>{(0 + 4) * 2.0f, 4, (10 + 2) * 2.0f}));
    EXPECT_EQ(V(0, 3).position, (std::array<float, 3>{(1 + 8) * 2.0f, 4, (10 + 4) * 2.0f}));
    // Strip 1: row 2 gets w in y after scaling.
    EXPECT_EQ(V(1, 1).position, (std::array<float, 3>{0, 3 * 2.0f + 1, 40}));
    EXPECT_EQ(V(1, 3).position, (std::array<float, 3>{2, 3 * 2.0f + 2, 40}));
}

TEST_F(EmitterTest, RotationPerColumnOnceOrKept)
{
    frame[1][0] = 90.0f;
    frame[1][1] = 180.0f;
    fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid), .turn = ByColumn(1)}, frame);
    // Column 0 turned by 90 degrees: (0, 2) -> (-2, 0); column 1 by 180: (2, 2) -> (-2, -2).
    EXPECT_NEAR(V(0, 0).position[0], -2.0f, 1e-5);
    EXPECT_NEAR(V(0, 0).position[1], 0.0f, 1e-5);
    EXPECT_NEAR(V(0, 2).position[0], -2.0f, 1e-5);
    EXPECT_NEAR(V(0, 2).position[1], -2.0f, 1e-5);

    // Without a turn the part keeps the matrix it finds (the last column's, 180).
    recorder.primitives.clear();
    fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid)}, frame);
    EXPECT_NEAR(V(0, 0).position[1], -2.0f, 1e-5);
    EXPECT_NEAR(V(0, 2).position[0], -2.0f, 1e-5);

    // Tracks: the mean of two entries, a line between two means, the drift value.
    frame[3][4] = 10;
    frame[3][5] = 20;
    frame[3][6] = 40;
    frame[3][7] = 60;
    fish.m_fDrift = 0.25f;
    GridPoint at{0, 0, 1, false};
    EXPECT_FLOAT_EQ(fish.Sample(MeanOf(3, 4, 5), frame, at), 15.0f);
    EXPECT_FLOAT_EQ(fish.Sample(LerpMeans(3, 4, 5, 6, 7, 4), frame, at), 15.0f + (50.0f - 15.0f) / 4);
    EXPECT_FLOAT_EQ(fish.Sample(Lerp(3, 4, 6, 2), frame, at), 25.0f);
    EXPECT_FLOAT_EQ(fish.Sample(ByColumn(3, 5), frame, at), 40.0f);
    EXPECT_FLOAT_EQ(fish.Sample(DriftValue(), frame, at), 0.25f);
    EXPECT_FLOAT_EQ(fish.Sample(Track{}, frame, at), 0.0f);
}

constexpr GridPart kNeverAdvances[] = {{.mesh = MeshOf(kGrid), .turn = LerpMeans(0, 0, 0, 1, 1, 2, 0)}};

// A line between two means that advances every second column: columns 2h
// and 2h + 1 read step h of it, and a line of one column a step is as before.
TEST_F(EmitterTest, ALineBetweenTwoMeansCanAdvanceEverySecondColumn)
{
    frame[2][8] = 10;
    frame[2][9] = 30;
    frame[2][12] = -50;
    frame[2][13] = -70;
    const float from = (10.0f + 30.0f) / 2, to = (-50.0f - 70.0f) / 2;
    for (int c = 0; c < 20; ++c) {
        const GridPoint at{0, 0, c};
        const int h = c / 2;
        EXPECT_NEAR(fish.Sample(LerpMeans(2, 8, 9, 12, 13, 10, 2), frame, at), from - h * (from - to) * 0.1f, 1e-4)
            << "column " << c;
        EXPECT_NEAR(fish.Sample(LerpMeans(2, 8, 9, 12, 13, 10), frame, at), from - c * (from - to) * 0.1f, 1e-4)
            << "column " << c;
    }
    static_assert(!CheckFishClass({.segments = 1, .parts = kNeverAdvances}), "a line that never advances is refused");
}

TEST_F(EmitterTest, EmptyQuadsFirstAndFewerColumnsInAVariant)
{
    fish.m_nDrawVariant = 7;
    constexpr VariantLimit kOneColumnIn7[] = {{VariantMask({7}), 0, 1}};
    fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid), .mirror = Mirror::Halves, .limits = kOneColumnIn7,
                               .emptyQuadsFirst = true},
                      frame);
    ASSERT_EQ(recorder.primitives.size(), 5u);
    EXPECT_EQ(recorder.primitives[0].mode, GLenum(GL_QUADS));
    EXPECT_TRUE(recorder.primitives[0].vertices.empty());
    for (size_t s = 1; s < 5; ++s)
        EXPECT_EQ(recorder.primitives[s].vertices.size(), 2u);
}

// The description check rejects reads past what the plan fills.
constexpr WaveGen kPlanOf6[] = {{.kind = WaveKind::Sine, .block = 0, .array = 0, .count = 6}};
constexpr FishWave kOneWave[] = {{}};
constexpr GridPart kReads[][1] = {
    {{.mesh = MeshOf(kGrid), .turn = ByColumn(0, 4)}},        // columns 0, 1 read entries 4, 5: fine
    {{.mesh = MeshOf(kGrid), .turn = ByColumn(0, 5)}},        // entry 6 is not made
    {{.mesh = MeshOf(kGrid), .terms = {AddY(At(0, 6))}}},     // nor here
    {{.mesh = MeshOf(kGrid), .terms = {AddY(Lerp(0, 2, 7, 3))}}},
    {{.mesh = MeshOf(kGrid), .terms = {AddY(At(5, 31))}}},    // an array nobody fills reads as zeros
    {{.mesh = MeshOf(kGrid), .terms = {AddY(At(kFishMaxArrays, 0))}}},  // no such array
};
constexpr FishClass Reading(const GridPart (&parts)[1])
{
    return {.segments = 1, .waves = kOneWave, .plan = kPlanOf6, .parts = parts};
}
static_assert(CheckFishClass(Reading(kReads[0])));
static_assert(!CheckFishClass(Reading(kReads[1])));
static_assert(!CheckFishClass(Reading(kReads[2])));
static_assert(!CheckFishClass(Reading(kReads[3])));
static_assert(CheckFishClass(Reading(kReads[4])));
static_assert(!CheckFishClass(Reading(kReads[5])));
constexpr WaveGen kLongBend[] = {{.kind = WaveKind::Bend, .array = 1, .count = 16}};
static_assert(!CheckFishClass({.segments = 15, .plan = kLongBend}), "a bend longer than the segment run");

// ---- what a part can ask of the emitter beyond plain strips ----

// 3 rows x 4 columns; point (r, c) at (c, r + 1, 10 r), texture (c / 10, r / 2)
// names the point.
constexpr FishVertex P(int r, int c)
{
    return {float(c), float(r + 1), float(10 * r), 0, 0, 1, c * 0.1f, r * 0.5f};
}
constexpr FishVertex kGrid4[3][4] = {
    {P(0, 0), P(0, 1), P(0, 2), P(0, 3)},
    {P(1, 0), P(1, 1), P(1, 2), P(1, 3)},
    {P(2, 0), P(2, 1), P(2, 2), P(2, 3)},
};

// The (row, column) of each vertex of a primitive, from its texture coordinate.
std::vector<std::pair<int, int>> Points(const RecordedPrimitive& p)
{
    std::vector<std::pair<int, int>> points;
    for (const RecordedVertex& v : p.vertices)
        points.push_back({int(std::lround(v.texCoord[1] * 2)), int(std::lround(v.texCoord[0] * 10))});
    return points;
}

TEST_F(EmitterTest, PartsDrawViewsOfTablesAndTheRowsAndColumnsTheyName)
{
    using Points_ = std::vector<std::pair<int, int>>;
    constexpr RowPair kBToAThenAToC[] = {{1, 0}, {0, 2}};
    constexpr RowPair kHalfColumnsOnTop[] = {{0, 1, 2, 1}};
    constexpr RowPair kEdgeTwice[] = {{0, 1, 1, 1, 2}};
    struct Case {
        const char* name;
        GridPart part;
        std::vector<Points_> strips;
    } cases[] = {
        {"columns 1 and 2 of the table", {.mesh = ColumnsOf(kGrid4, 1, 2)},
         {{{0, 1}, {1, 1}, {0, 2}, {1, 2}}, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}}},
        {"rows 1 and 2 of the table", {.mesh = RowsOf(kGrid4, 1, 2), .columns = 2},
         {{{1, 0}, {2, 0}, {1, 1}, {2, 1}}}},
        {"B to A, then A to C", {.mesh = MeshOf(kGrid4), .strips = kBToAThenAToC, .columns = 2},
         {{{1, 0}, {0, 0}, {1, 1}, {0, 1}}, {{0, 0}, {2, 0}, {0, 1}, {2, 1}}}},
        {"every point of the first row serves two columns", {.mesh = MeshOf(kGrid4), .strips = kHalfColumnsOnTop},
         {{{0, 0}, {1, 0}, {0, 0}, {1, 1}, {0, 1}, {1, 2}, {0, 1}, {1, 3}}}},
        {"the second vertex twice", {.mesh = MeshOf(kGrid4), .strips = kEdgeTwice, .columns = 2},
         {{{0, 0}, {1, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 1}}}},
    };
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.DrawGridPart(c.part, frame);
        ASSERT_EQ(recorder.primitives.size(), c.strips.size()) << c.name;
        for (size_t i = 0; i < c.strips.size(); ++i)
            EXPECT_EQ(Points(recorder.primitives[i]), c.strips[i]) << c.name << " strip " << i;
    }
}

TEST_F(EmitterTest, MirrorsComeStripByStripOrAllAfterwards)
{
    struct Case {
        Mirror mirror;
        std::vector<std::pair<int, bool>> strips;  // (first row, mirrored)
    } cases[] = {
        {Mirror::Halves, {{0, false}, {0, true}, {1, false}, {1, true}}},
        {Mirror::After, {{0, false}, {1, false}, {0, true}, {1, true}}},
        {Mirror::Twin, {{0, true}, {1, true}}},
    };
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid4), .mirror = c.mirror, .turn = At(1, 0)}, frame);
        ASSERT_EQ(recorder.primitives.size(), c.strips.size());
        for (size_t i = 0; i < c.strips.size(); ++i) {
            const RecordedVertex& v = recorder.primitives[i].vertices[0];
            EXPECT_EQ(Points(recorder.primitives[i])[0].first, c.strips[i].first) << i;
            EXPECT_EQ(v.position[1] < 0, c.strips[i].second) << i;
        }
    }
}

// A strip mirrored inside itself runs its columns as stored, then the same
// columns with y negated, in one primitive; a term keeps or flips its sign
// in the second half as in the other mirrors.
TEST_F(EmitterTest, AStripMirroredInsideItselfRunsItsColumnsTwice)
{
    frame[0][1] = 0.5f;  // a sway of 0.5 on column 1 only
    for (float sign : {1.0f, -1.0f}) {
        recorder.primitives.clear();
        const WaveTerm sway{.track = ByColumn(0), .y = 1, .mirrorSign = sign};
        fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid), .mirror = Mirror::InStrip, .turn = At(1, 0),
                                   .terms = {sway}},
                          frame);
        ASSERT_EQ(recorder.primitives.size(), 2u);
        for (size_t s = 0; s < 2; ++s) {
            ASSERT_EQ(recorder.primitives[s].vertices.size(), 8u);
            for (int i = 0; i < 8; ++i) {
                const bool mirrored = i >= 4;
                const int column = (i % 4) / 2;
                const FishVertex& p = kGrid[s + i % 2][column];
                const float w = column == 1 ? 0.5f * (mirrored ? sign : 1.0f) : 0.0f;
                const float y = ((mirrored ? -p.y : p.y) + w) * 2;
                EXPECT_EQ(V(s, i).position, (std::array<float, 3>{p.x * 2, y, p.z * 2})) << s << " " << i;
                EXPECT_EQ(V(s, i).normal, (std::array<float, 3>{p.nx, p.ny, p.nz})) << "normals as stored";
                EXPECT_EQ(V(s, i).texCoord, (std::array<float, 2>{p.s, p.t}));
            }
        }
    }
}

TEST_F(EmitterTest, VariantsChangeThePrimitiveTheStripsAndColumnsAndStretchRows)
{
    constexpr VariantPrimitive kLinesIn4[] = {{VariantMask({4, 5}), GL_LINES}};
    constexpr VariantLimit kLimits[] = {{VariantMask({3}), 1, 0}, {VariantMask({4}), 0, 3}, {VariantMask({4}), 0, 2}};
    constexpr VariantStretch kStretch[] = {{VariantMask({4}), RowBit(1), 0.5f, 1, 2}};
    const GridPart part{.mesh = MeshOf(kGrid4), .turn = At(1, 0), .primitives = kLinesIn4, .limits = kLimits,
                        .stretches = kStretch};
    struct Case {
        int variant;
        GLenum primitive;
        size_t strips, vertices;
    } cases[] = {{0, GL_QUAD_STRIP, 2, 8}, {3, GL_QUAD_STRIP, 1, 8}, {-4, GL_QUAD_STRIP, 2, 8}, {4, GL_LINES, 2, 4}};
    for (const Case& c : cases) {
        recorder.primitives.clear();
        fish.m_nDrawVariant = c.variant;
        fish.DrawGridPart(part, frame);
        ASSERT_EQ(recorder.primitives.size(), c.strips) << c.variant;
        for (const RecordedPrimitive& p : recorder.primitives) {
            EXPECT_EQ(p.mode, c.primitive) << c.variant;
            EXPECT_EQ(p.vertices.size(), c.vertices) << c.variant;
        }
    }
    // The last, variant 4, stretched row 1: x by 0.5 and z by 2, before the size.
    const RecordedVertex& v = recorder.primitives.at(0).vertices.at(3);  // column 1, row 1
    EXPECT_EQ(v.position, (std::array<float, 3>{1 * 0.5f * 2, 2 * 2, 10 * 2 * 2.0f}));
}

TEST_F(EmitterTest, TermsMoveTheirColumnsInTheirVariants)
{
    for (int c = 0; c < 4; ++c)
        frame[2][c] = 0.1f * (c + 1);
    constexpr float kTent[] = {0, 1, 1, 0};
    const GridPart part{.mesh = MeshOf(kGrid4),
                        .turn = At(1, 0),
                        .terms = {{.track = ByColumn(2), .y = 1, .fromColumn = 1, .toColumn = 3},
                                  {.track = Const(0.25f), .z = 1, .rows = RowBit(1), .variants = VariantMask({2})},
                                  {.track = ByTable(kTent, 0.5f), .x = 1, .rows = RowBit(0)}}};
    for (int variant : {0, 2}) {
        recorder.primitives.clear();
        fish.m_nDrawVariant = variant;
        fish.DrawGridPart(part, frame);
        for (int c = 0; c < 4; ++c) {
            const float sway = c >= 1 && c < 3 ? 0.1f * (c + 1) : 0.0f;
            const auto& top = recorder.primitives[0].vertices[2 * c].position;
            const auto& below = recorder.primitives[0].vertices[2 * c + 1].position;
            EXPECT_FLOAT_EQ(top[1], (1 + sway) * 2) << "column " << c;
            EXPECT_FLOAT_EQ(top[0], (c + 0.5f * kTent[c]) * 2) << "column " << c;
            EXPECT_FLOAT_EQ(below[0], c * 2.0f) << "the table's term is on row 0 only";
            EXPECT_FLOAT_EQ(below[2], (10 + (variant == 2 ? 0.25f : 0.0f)) * 2) << "variant " << variant;
        }
    }
}

TEST_F(EmitterTest, TracksReadMapsClampsAndTurnTheSecondVertexApart)
{
    for (int i = 0; i < 8; ++i)
        frame[3][i] = 10.0f * i;
    constexpr int8_t kHalfSteps[] = {5, 6, 6, 7};  // 2.5, 3, 3, 3.5
    const float mapped[4] = {25, 30, 30, 35};
    for (int c = 0; c < 4; ++c) {
        const GridPoint at{0, 0, c};
        EXPECT_FLOAT_EQ(fish.Sample(ByMap(3, kHalfSteps), frame, at), mapped[c]) << c;
        EXPECT_FLOAT_EQ(fish.Sample(ByColumnUpTo(3, 4, 6), frame, at), 10.0f * std::min(4 + c, 6)) << c;
    }
    // The first vertex of each column turns by one segment, the second by another.
    frame[1][0] = 90.0f;
    frame[1][1] = 180.0f;
    fish.DrawGridPart(GridPart{.mesh = MeshOf(kGrid4), .turn = At(1, 0), .turnSecond = At(1, 1), .columns = 1}, frame);
    const auto& first = recorder.primitives[0].vertices[0].position;   // (0, 1): turned 90 -> (-1, 0)
    const auto& second = recorder.primitives[0].vertices[1].position;  // (0, 2): turned 180 -> (0, -2)
    EXPECT_NEAR(first[0], -2.0f, 1e-5);
    EXPECT_NEAR(first[1], 0.0f, 1e-5);
    EXPECT_NEAR(second[0], 0.0f, 1e-5);
    EXPECT_NEAR(second[1], -4.0f, 1e-5);
}

TEST_F(EmitterTest, ACapClosesThePartInEachPassWithTheTermsOfEveryRow)
{
    constexpr FishVertex kCap[4] = {P(0, 0), P(0, 3), P(2, 3), P(2, 0)};
    fish.m_fDrift = 0.5f;
    frame[2][0] = 1.0f;
    const GridPart part{.mesh = MeshOf(kGrid4),
                        .mirror = Mirror::After,
                        .turn = At(1, 0),
                        .terms = {Add(DriftValue(), 1, 0, 1), AddY(At(2, 0), RowBit(0))},
                        .cap = {GL_POLYGON, kCap}};
    fish.DrawGridPart(part, frame);
    ASSERT_EQ(recorder.primitives.size(), 6u);
    const GLenum modes[6] = {GL_QUAD_STRIP, GL_QUAD_STRIP, GL_POLYGON, GL_QUAD_STRIP, GL_QUAD_STRIP, GL_POLYGON};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(recorder.primitives[i].mode, modes[i]) << i;
    for (int pass = 0; pass < 2; ++pass) {
        const RecordedPrimitive& cap = recorder.primitives[2 + 3 * pass];
        ASSERT_EQ(cap.vertices.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const FishVertex& p = kCap[i];
            EXPECT_EQ(cap.vertices[i].position, (std::array<float, 3>{(p.x + 0.5f) * 2, (pass ? -p.y : p.y) * 2,
                                                                       (p.z + 0.5f) * 2}))
                << "the drift moves the cap, the row-0 sway does not; pass " << pass << " point " << i;
            EXPECT_EQ(cap.vertices[i].texCoord, (std::array<float, 2>{p.s, p.t}));
        }
    }
}

// Descriptions may be as large as the largest class: arrays and parts of up to 48.
constexpr WaveGen kPlanOf45[] = {{.kind = WaveKind::Sine, .block = 0, .array = 0, .count = 45}};
constexpr WaveGen kPlanOf49[] = {{.kind = WaveKind::Sine, .block = 0, .array = 0, .count = 49}};
constexpr FishVertex kLong[2][45] = {};
constexpr GridPart kLongPart[] = {{.mesh = MeshOf(kLong), .terms = {AddY(ByColumn(0), RowBit(1))}}};
static_assert(CheckFishClass({.segments = 26, .waves = kOneWave, .plan = kPlanOf45, .parts = kLongPart}));
static_assert(!CheckFishClass({.segments = 26, .waves = kOneWave, .plan = kPlanOf49}));
constexpr RowPair kRowTwo[] = {{0, 2}};
constexpr GridPart kRowsOfViews[][1] = {
    {{.mesh = MeshOf(kGrid4), .strips = kRowTwo}},
    {{.mesh = RowsOf(kGrid4, 0, 2), .strips = kRowTwo}},  // past the view
};
static_assert(CheckFishClass({.segments = 1, .waves = kOneWave, .parts = kRowsOfViews[0]}));
static_assert(!CheckFishClass({.segments = 1, .waves = kOneWave, .parts = kRowsOfViews[1]}));

}  // namespace
