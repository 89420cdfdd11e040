// Sway plant D, the invisible plant of kind 4: its draw sends nothing and
// takes no random value, yet moves its own sway state, and nothing else's.
#include "platform/crt.h"
#include "scenery/plant_model_a.h"
#include "scenery/plant_model_b.h"
#include "scenery/sway_plant_d.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kSentinel = -777.0f;

TEST(SwayPlantD, DrawSendsNothingAndLeavesOtherPlantsAlone)
{
    CPlantModelA::s_swayAngle = CSharedSwayAngle{1.5f, 0};
    CPlantModelB::s_swayAngle = CSharedSwayAngle{-2.5f, 1};
    for (int placement : {0, 1, 2, 3, -1}) {
        CSwayPlantD d;
        d.m_fPhaseSpeedSlow = 0.125f;
        crt::srand(4);
        const int next = crt::rand();
        crt::srand(4);
        VertexRecorder rec;
        for (int call = 0; call < 3; ++call)
            d.Draw(placement);
        EXPECT_EQ(rec.VertexCount(), 0u) << "placement " << placement;
        EXPECT_TRUE(rec.colors.empty());
        EXPECT_EQ(crt::rand(), next) << "placement " << placement;
        // Two sway calls a draw: the phase moved on calls 3 and 6.
        EXPECT_EQ(d.m_fSwayPhase, 5.25f) << "placement " << placement;
    }
    EXPECT_EQ(CPlantModelA::s_swayAngle.m_fAngle, 1.5f);
    EXPECT_EQ(CPlantModelB::s_swayAngle.m_fAngle, -2.5f);
    CPlantModelA::s_swayAngle = CPlantModelB::s_swayAngle = CSwayPlantD::s_swayAngle = CSharedSwayAngle{};
}

TEST(SwayPlantD, BendFallsFromTheRootAndSevenEntriesEndStraight)
{
    struct Case {
        int n;
        int straightFrom;  // entries from here on are 0
    };
    for (const Case& c : {Case{7, 5}, Case{17, 17}, Case{1, 1}, Case{0, 0}}) {
        float out[20];
        std::fill(out, out + 20, kSentinel);
        CSwayPlantD::ComputeBend(out, c.n, 4.0f);
        for (int j = 0; j < 20; ++j) {
            if (j >= c.n)
                EXPECT_EQ(out[j], kSentinel) << "n " << c.n << " entry " << j;
            else if (j >= c.straightFrom)
                EXPECT_EQ(out[j], 0.0f) << "n " << c.n << " entry " << j;
            else
                EXPECT_NEAR(out[j], (c.n - j) * 4.0f / c.n, 1e-6f) << "n " << c.n << " entry " << j;
        }
    }
}

TEST(SwayPlantD, SwayRipplesEveryEntryByItsSlowPhase)
{
    CSwayPlantD d;
    d.m_fPhaseSpeedSlow = 0.5f;
    d.m_fSwayPhase = 6.0f;
    float out[7];
    d.ComputeSway(out, 7);
    d.ComputeSway(out, 7);
    EXPECT_EQ(d.m_fSwayPhase, 6.0f);
    d.ComputeSway(out, 7);  // 6.5 passes 2 pi: back to 0
    EXPECT_EQ(d.m_fSwayPhase, 0.0f);
    for (int i = 0; i < 7; ++i)
        EXPECT_FLOAT_EQ(out[i], std::sin(i * d.m_fSegmentStep) * 0.02f) << "entry " << i;
}

}  // namespace
