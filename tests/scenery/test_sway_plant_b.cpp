// Sway plant B without a GL context: constructor values, blade counts and the
// sway that leaves the blade's first three rows in place.
#include "platform/crt.h"
#include "scenery/sway_plant_b.h"
#include "scenery/sway_plant_meshes.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TEST(SwayPlantB, ConstructorDrawsItsValuesInOrder)
{
    crt::srand(123);
    std::vector<int> r;
    for (int i = 0; i < 8; ++i)
        r.push_back(crt::rand());
    crt::srand(123);
    const CSwayPlantB b;
    EXPECT_EQ(b.m_fPhaseOffset, static_cast<float>(r[0] % 100));
    EXPECT_EQ(b.m_fSegmentStep, kPlantPi / static_cast<float>(r[1] % 5 + 4));
    EXPECT_EQ(b.m_swing.m_fSwingRate, static_cast<float>((r[2] % 5 + 1) * 0.1));
    EXPECT_EQ(b.m_swing.m_fSwing, static_cast<float>(r[3] % 10));
    EXPECT_EQ(b.m_sway.m_fPhaseSpeed, kPlantPi / static_cast<float>(r[4] % 4 + 5) * 0.5f);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(b.m_fSize[i], static_cast<float>((r[5 + i] % 10 * 0.1 + 0.05) * 2)) << i;
}

TEST(SwayPlantB, TuftAndCopySendTheirBlades)
{
    struct Case {
        bool copy;
        size_t blades;
        float scale[3];
    };
    for (const Case& c : {Case{false, 6, {10, 10, 20}}, Case{true, 9, {2, 2, 0.6f}}}) {
        CSwayPlantB b;
        VertexRecorder rec;
        c.copy ? b.DrawCopy() : b.Draw();
        EXPECT_EQ(rec.primitives.size(), c.blades * 3);
        EXPECT_EQ(rec.VertexCount(), c.blades * 3 * 28);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(b.m_fScale[i], c.scale[i]);
    }
}

TEST(SwayPlantB, SwayGrowsToTheTipAndSparesTheFirstRows)
{
    CSwayPlantB b;
    b.m_fSwayPhase = 0.5f;
    float out[14];
    b.ComputeSway(out, 14);
    for (int i = 0; i < 14; ++i) {
        const double want = i < 3 ? 0.0 : std::sin(static_cast<double>(i * b.m_fSegmentStep + 0.5f)) * i * 0.00075;
        EXPECT_FLOAT_EQ(out[i], static_cast<float>(want)) << i;
    }
}

TEST(SwayPlantB, FirstThreeRowsNeverMove)
{
    CSwayPlantB b;
    b.m_sway.m_fPhaseSpeed = 0.7f;
    bool tipMoved = false;
    std::array<float, 3> firstTip{};
    for (int frame = 0; frame < 12; ++frame) {
        VertexRecorder rec;
        b.Draw();
        for (size_t s = 0; s < rec.primitives.size(); ++s) {
            const auto& v = rec.primitives[s].vertices;
            const int column = static_cast<int>(s % 3);
            for (int r = 0; r < 3; ++r) {
                for (int k = 0; k < 2; ++k) {
                    const PlantVertex& p = g_SwayBladeB[column + k][r];
                    EXPECT_EQ(v[2 * r + k].position, (std::array<float, 3>{p.x * 10, p.y * 10, p.z * 20}))
                        << "frame " << frame << " row " << r;
                }
            }
        }
        const auto tip = rec.primitives[0].vertices[26].position;
        if (frame == 0)
            firstTip = tip;
        tipMoved = tipMoved || tip != firstTip;
    }
    EXPECT_TRUE(tipMoved);
}

}  // namespace
