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

}  // namespace
