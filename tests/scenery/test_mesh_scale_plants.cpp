// What plant models A and B and sway plant D share: the values their
// constructors draw, in order, and the sway angle each class keeps for all
// its objects, which every draw moves whatever it draws.
#include "platform/crt.h"
#include "scenery/plant_model_a.h"
#include "scenery/plant_model_b.h"
#include "scenery/sway_plant_d.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

TEST(MeshScalePlants, ConstructorsDrawTheirValuesInOrder)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CMeshScalePlant>()> make;
        bool drawsStep;  // model A's segment step is fixed at pi / 2
    };
    const Case cases[] = {
        {"A", [] { return std::make_unique<CPlantModelA>(); }, false},
        {"B", [] { return std::make_unique<CPlantModelB>(); }, true},
        {"D", [] { return std::make_unique<CSwayPlantD>(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        crt::srand(31);
        int r[9];
        for (int& v : r)
            v = crt::rand();
        crt::srand(31);
        const auto p = c.make();
        int k = 0;
        EXPECT_EQ(p->m_fPhaseOffset, static_cast<float>(r[k++] % 100));
        EXPECT_EQ(p->m_fSegmentStep, c.drawsStep ? kPlantPi / static_cast<float>(r[k++] % 5 + 10) : 1.5707963f);
        EXPECT_EQ(p->m_fSwayPhase, 5.0f);
        EXPECT_FLOAT_EQ(p->m_fSwingRate, (r[k++] % 5 + 1) * 0.025f);
        EXPECT_EQ(p->m_fSwingRateReset, p->m_fSwingRate);
        EXPECT_FLOAT_EQ(p->m_fExtraRate, (r[k++] % 5 + 1) * 0.005f);
        EXPECT_EQ(p->m_fSwing, static_cast<float>(r[k++] % 10));
        const float speed = kPlantPi / static_cast<float>(r[k++] % 5 + 15);
        EXPECT_EQ(p->m_fPhaseSpeed, speed);
        EXPECT_EQ(p->m_fPhaseSpeedReset, speed);
        EXPECT_FLOAT_EQ(p->m_fPhaseSpeedSlow, speed / 5);
        for (float size : p->m_fSize)
            EXPECT_FLOAT_EQ(size, 10.5f + (r[k++] % 10) * 0.1f);
        EXPECT_EQ(k, c.drawsStep ? 9 : 8);
        EXPECT_EQ(p->m_nMeshScale, 5);
        EXPECT_EQ(p->m_fScale[1], 5.0f);
        EXPECT_EQ(p->m_nSwayCounter, 0);
    }
}

// Each class's angle climbs from 0 by its step, turns down on the call that
// takes it above 5 and up on the one that takes it below -5.
TEST(MeshScalePlants, SharedAnglesTurnAtTheirEnds)
{
    struct Case {
        const char* name;
        CSharedSwayAngle* angle;
        std::function<void()> draw;  // a variant that draws nothing
        float step;
        int turns[3];  // the calls on which the direction changes
        float peak;
    };
    CPlantModelA a;
    CPlantModelB b;
    CSwayPlantD d;
    const Case cases[] = {
        {"A", &CPlantModelA::s_swayAngle, [&] { a.Draw(2); }, 0.01f, {500, 1500, 2500}, 5.00002f},
        {"B", &CPlantModelB::s_swayAngle, [&] { b.Draw(2); }, 0.04f, {126, 378, 630}, 5.04f},
        {"D", &CSwayPlantD::s_swayAngle, [&] { d.Draw(3); }, 0.08f, {63, 189, 315}, 5.04f},
    };
    VertexRecorder rec;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        *c.angle = CSharedSwayAngle{};
        std::vector<int> turns;
        float highest = 0;
        for (int call = 1; call <= c.turns[2]; ++call) {
            const BYTE rising = c.angle->m_bRising;
            c.draw();
            if (c.angle->m_bRising != rising)
                turns.push_back(call);
            highest = std::max(highest, std::abs(c.angle->m_fAngle));
            if (call <= 2) {
                EXPECT_FLOAT_EQ(c.angle->m_fAngle, c.step * call);
            }
        }
        EXPECT_EQ(turns, std::vector<int>(c.turns, c.turns + 3));
        EXPECT_NEAR(highest, c.peak, 1e-5f);
        EXPECT_GT(highest, 5.0f);
        *c.angle = CSharedSwayAngle{};
    }
    EXPECT_EQ(rec.VertexCount(), 0u);
}

}  // namespace
