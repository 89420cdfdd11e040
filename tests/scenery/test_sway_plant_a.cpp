// Sway plant A without a GL context: its constructor values, and what each
// draw sends through the vertex recorder and does to the oscillators.
#include "platform/crt.h"
#include "scenery/sway_plant_a.h"
#include "scenery/sway_plant_meshes.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr size_t kStrips = 3;       // per leaf
constexpr size_t kStripPoints = 24;  // 12 rows of 2

std::vector<int> Draws(unsigned seed, int n)
{
    crt::srand(seed);
    std::vector<int> out;
    for (int i = 0; i < n; ++i)
        out.push_back(crt::rand());
    return out;
}

TEST(SwayPlantA, ConstructorDrawsItsValuesInOrder)
{
    const std::vector<int> r = Draws(77, 6);
    crt::srand(77);
    const CSwayPlantA a;
    EXPECT_EQ(a.m_fPhaseOffset, static_cast<float>(r[0] % 100));
    EXPECT_EQ(a.m_fSegmentStep, kPlantPi / static_cast<float>(r[1] % 5 + 4));
    EXPECT_EQ(a.m_swing.m_fSwingRate, static_cast<float>((r[2] % 5 + 1) * 0.01));
    EXPECT_EQ(a.m_fSwingRateReset, a.m_swing.m_fSwingRate);
    EXPECT_EQ(a.m_swing.m_fSwing, static_cast<float>(r[4] % 10));  // r[3] is a rate nothing reads
    EXPECT_EQ(a.m_sway.m_fPhaseSpeed, kPlantPi / static_cast<float>(r[5] % 5 + 15));
    EXPECT_EQ(a.m_fSize[0], 0.1f);
    EXPECT_EQ(a.m_bSwingUp, 1);
}

TEST(SwayPlantA, EachModeSendsItsLeaves)
{
    struct Case {
        int mode;
        size_t leaves;
    };
    for (const Case& c : {Case{0, 24}, Case{2, 11}, Case{1, 0}, Case{3, 0}, Case{-1, 0}}) {
        CSwayPlantA a;
        VertexRecorder rec;
        a.DrawSingle(c.mode);
        EXPECT_EQ(rec.primitives.size(), c.leaves * kStrips) << "mode " << c.mode;
        EXPECT_EQ(rec.VertexCount(), c.leaves * kStrips * kStripPoints) << "mode " << c.mode;
        for (const auto& strip : rec.primitives)
            EXPECT_EQ(strip.mode, GLenum(GL_QUAD_STRIP));
    }
    CSwayPlantA a;
    VertexRecorder rec;
    a.Draw();
    EXPECT_EQ(rec.VertexCount(), 24 * kStrips * kStripPoints);
}

TEST(SwayPlantA, ModesThatDrawNothingStillMoveTheSway)
{
    for (int mode : {1, 3}) {
        CSwayPlantA a;
        a.m_sway.m_fPhaseSpeed = 0.125f;
        VertexRecorder rec;
        for (int call = 1; call <= 6; ++call) {
            a.DrawSingle(mode);
            EXPECT_EQ(a.m_fSwayPhase, 5.0f + 0.125f * (call / 3)) << "mode " << mode << " call " << call;
        }
        EXPECT_EQ(rec.VertexCount(), 0u);
    }
}

TEST(SwayPlantA, BushStepsTheSwingOncePerDrawAgainstTheLastRing)
{
    CSwayPlantA a;
    a.m_swing.m_fSwing = 44.9f;
    a.m_fSwingRateReset = 0.5f;
    a.m_swing.m_fSwingRate = 3.0f;  // every draw starts from the reset copy
    VertexRecorder rec;
    a.DrawSingle(0);  // 45.4 passes the third ring's limit 45: back to 44.5, falling
    EXPECT_FLOAT_EQ(a.m_swing.m_fSwing, 44.5f);
    EXPECT_EQ(a.m_bSwingUp, 0);
    a.DrawSingle(0);
    EXPECT_FLOAT_EQ(a.m_swing.m_fSwing, 44.0f);
    EXPECT_EQ(a.m_swing.m_fSwingRate, 0.5f);
}

// The leaf's points as the static mesh sends them at a scale.
std::array<float, 3> Scaled(const PlantVertex& p, const float* scale)
{
    return {p.x * scale[0], p.y * scale[1], p.z * scale[2]};
}

TEST(SwayPlantA, SingleRingLeavesSwayButDoNotBend)
{
    crt::srand(5);
    CSwayPlantA a;
    crt::srand(5);
    CSwayPlantA twin;
    a.m_fSwayPhase = twin.m_fSwayPhase = 1.0f;
    float sway[13] = {};
    twin.ComputeSway(sway, 13);
    VertexRecorder rec;
    a.DrawSingle(2);
    const float scale[3] = {5, 5, 5};
    const auto& strip = rec.primitives.at(0).vertices;  // columns 0 and 1 of the first leaf
    for (int r = 0; r < 12; ++r) {
        for (int k = 0; k < 2; ++k) {
            auto want = Scaled(g_SwayLeafA[k][r], scale);
            want[1] += sway[r + k] * 5;
            want[2] += sway[r + k] * 5;
            EXPECT_EQ(strip[2 * r + k].position, want) << "row " << r << " point " << k;
        }
    }
    EXPECT_EQ(sway[0], 0.0f);
    EXPECT_NE(sway[5], 0.0f);
}

TEST(SwayPlantA, DisplayListDrawIsStaticAndRepeatable)
{
    CSwayPlantA a;
    {
        VertexRecorder live;
        a.DrawSingle(0);  // leaves a bent matrix behind
    }
    const float phase = a.m_fSwayPhase;
    VertexRecorder first;
    a.Draw();
    const auto once = first.primitives;
    first.primitives.clear();
    a.Draw();
    ASSERT_EQ(first.primitives.size(), once.size());
    for (size_t i = 0; i < once.size(); ++i)
        for (size_t v = 0; v < once[i].vertices.size(); ++v)
            EXPECT_EQ(first.primitives[i].vertices[v].position, once[i].vertices[v].position);
    // The last ring's leaves, straight from the table at scale (1, 5, 30).
    const float scale[3] = {1, 5, 30};
    EXPECT_EQ(once.back().vertices[0].position, Scaled(g_SwayLeafA[2][0], scale));
    EXPECT_EQ(a.m_fSwayPhase, phase);
}

}  // namespace
