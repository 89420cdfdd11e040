// The blade cluster without a GL context: its constructor values, its tables,
// the phase its two first sway generators share, and what a draw sends.
#include "scenery/blade_cluster.h"
#include "scenery/blade_cluster_meshes.h"
#include "plant_checks.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace plant_checks;

constexpr size_t kStripsPerBlade = 7 + 1 + 1;  // the stalk's sides, the rim, the middle
constexpr size_t kVerticesPerBlade = 7 * 8 + 33 * 2 + 9 * 2;

TEST(BladeCluster, ConstructorDrawsItsValuesInOrder)
{
    const std::vector<int> r = Draws(23, 6);
    const CBladeCluster p;
    EXPECT_EQ(p.m_fPhaseOffset, static_cast<float>(r[0] % 100));
    EXPECT_EQ(p.m_fSegmentStep, kPlantPi / static_cast<float>(r[1] % 5 + 5));
    // r[2] and r[3] are values nothing reads.
    EXPECT_EQ(p.m_fPhaseRate, kPlantPi / static_cast<float>(r[4] % 5 + 30));
    EXPECT_EQ(p.m_fPhaseRateSource, kPlantPi / static_cast<float>(r[5] % 5 + 30));
    EXPECT_EQ(p.m_fSwayPhase, 5.0f);
    for (float size : p.m_fSize)
        EXPECT_EQ(size, 0.0f);
}

TEST(BladeCluster, StalkTableIsAClosedTubeFromTheLeafToItsPivot)
{
    const Points stalk = All(g_BladeStalk);
    for (int pair = 0; pair < 4; ++pair)
        ExpectAt(g_BladeStalk[7][pair], g_BladeStalk[0][pair],
                 0.0f, "the last column closes the tube");
    // As drawn at scale 1, with z of pairs 1 to 3 times 5.
    std::vector<PlantVertex> drawn;
    for (const auto& column : g_BladeStalk)
        for (int pair = 0; pair < 4; ++pair) {
            PlantVertex p = column[pair];
            if (pair > 0)
                p.z *= 5;
            drawn.push_back(p);
        }
    Points drawnPoints;
    for (const PlantVertex& p : drawn)
        drawnPoints.push_back(&p);
    ExpectBounds(drawnPoints, {0.002f, -0.006f, -1.101f}, {0.060f, 0.047f, -0.045f}, 0.003f, "stalk at scale 1");
    // The placement brings this point to the root.
    ExpectAt(drawn[3], 0.0441879f, 0.0470131f, -1.077805f, 1e-6f, "pivot");
    ExpectTexture(stalk, 0.838f, 0.994f, 1.037f, 1.162f, "stalk");
    ExpectUnitNormals(stalk, "stalk");
}

TEST(BladeCluster, LeafTableIsADiscClosedAtItsSeam)
{
    const Points leaf = All(g_BladeLeafRim, g_BladeLeafInner, g_BladeLeafMiddleLeft, g_BladeLeafMiddleRight);
    ExpectBounds(leaf, {-0.494f, -0.5f, -0.011f}, {0.494f, 0.5f, 0.241f}, 0.002f, "leaf");
    ExpectTexture(leaf, 0.425f, 0.872f, 1.174f, 1.531f, "leaf");
    ExpectUnitNormals(leaf, "leaf");
    const PlantVertex& first = g_BladeLeafRim[0];
    ExpectAt(g_BladeLeafRim[32], first, 0.0f, "rim point 32");
    ExpectAt(g_BladeLeafInner[32], g_BladeLeafInner[0], 0.0f,
             "inner point 32");
    // The middle strip's ends close to a point each, and every corner it joins
    // is one of the inner points: no gap between the two strips.
    for (int end : {0, 8})
        ExpectAt(g_BladeLeafMiddleLeft[end],
                 g_BladeLeafMiddleRight[end], 0.0f,
                 "middle end " + std::to_string(end));
    for (int k = 0; k < 9; ++k) {
        const PlantVertex& left = g_BladeLeafMiddleLeft[k];
        const PlantVertex& right = g_BladeLeafMiddleRight[k];
        ExpectAt(g_BladeLeafInner[2 * k], left, 1e-6f, "middle left " + std::to_string(k));
        ExpectAt(g_BladeLeafInner[(32 - 2 * k) % 32], right, 1e-6f,
                 "middle right " + std::to_string(k));
    }
}

TEST(BladeCluster, TheTwoFirstGeneratorsShareOneCounter)
{
    CBladeCluster p;
    p.m_fPhaseRateSource = 0.4f;
    VertexRecorder rec;
    // Draw 1 (the list's), then the phase moves by the rate on draws 2, 5, 8
    // and by 0.06283185 on draws 3, 6, 9; past 2 pi it starts again at 0.
    const float phases[10] = {0, 5.0f, 5.4f, 5.46283185f, 5.46283185f, 5.86283185f, 5.9256637f, 5.9256637f, 0.0f,
                              0.06283185f};
    p.BuildList();
    for (int draw = 1; draw <= 9; ++draw) {
        if (draw > 1)
            p.Draw();
        EXPECT_NEAR(p.m_fSwayPhase, phases[draw], 2e-6f) << "draw " << draw;
    }
    EXPECT_EQ(rec.primitives.size(), 9 * 4 * kStripsPerBlade);
    // The third generator reads the phase and moves nothing.
    float extra[8];
    p.ComputeSway3(extra, 8);
    EXPECT_NEAR(p.m_fSwayPhase, phases[9], 2e-6f);
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(extra[i], static_cast<float>(std::sin(i * 1.5707963f + p.m_fSwayPhase) * 0.1)) << i;
}

TEST(BladeCluster, StalkStretchesBeyondItsFirstPairAndTheRimAloneSways)
{
    crt::srand(8);
    CBladeCluster p;
    crt::srand(8);
    CBladeCluster twin;
    p.m_fSwayPhase = twin.m_fSwayPhase = 2.0f;
    float sway[33] = {};
    twin.m_nSwayCounter = 1;  // as after the first generator's call
    twin.ComputeSway2(sway, 33);
    VertexRecorder rec;
    p.Draw();
    ASSERT_EQ(rec.primitives.size(), 4 * kStripsPerBlade);
    ASSERT_EQ(rec.VertexCount(), 4 * kVerticesPerBlade);
    const float lengths[4] = {13, 11, 8, 11};
    for (int b = 0; b < 4; ++b) {
        const float scale[3] = {10, 10, lengths[b]};
        const auto& first = rec.primitives[b * kStripsPerBlade].vertices;  // the stalk's side 0-1
        for (int pair = 0; pair < 4; ++pair) {
            const PlantVertex& q = g_BladeStalk[1][pair];
            const float z = pair == 0 ? q.z * scale[2] : q.z * scale[2] * 5;
            EXPECT_EQ(first[2 * pair + 1].position, (std::array<float, 3>{q.x * 10, q.y * 10, z}))
                << "blade " << b << " pair " << pair;
        }
        const auto& rim = rec.primitives[b * kStripsPerBlade + 7].vertices;
        for (int i = 0; i < 33; ++i) {
            const PlantVertex& r = g_BladeLeafRim[i];
            const PlantVertex& n = g_BladeLeafInner[i];
            EXPECT_EQ(rim[2 * i].position, (std::array<float, 3>{r.x * scale[0] + sway[i] * scale[0],
                                                                 r.y * scale[1] + sway[i] * scale[1],
                                                                 r.z * scale[2] + sway[i] * scale[2]}))
                << "blade " << b << " rim " << i;
            EXPECT_EQ(rim[2 * i + 1].position, (std::array<float, 3>{n.x * scale[0], n.y * scale[1], n.z * scale[2]}));
        }
        // Rim points 0 and 32 take one sway value: the disc stays closed.
        EXPECT_EQ(rim[0].position, rim[64].position);
    }
    EXPECT_NE(sway[5], 0.0f);
}

TEST(BladeCluster, SetUpSizesItAndDrawsItOnceIntoItsList)
{
    SceneryFixture f;
    VertexRecorder rec;
    f.RunSetUp(6);
    const CBladeCluster& p = f.scenery->m_BladeCluster;
    // The smallest floats above 1.8 and 0.03.
    EXPECT_EQ(p.m_fSize[0], 1.2f);
    EXPECT_EQ(p.m_fSize[1], std::nextafter(1.8f, 2.0f));
    EXPECT_EQ(p.m_fSize[2], std::nextafter(0.03f, 1.0f));
    EXPECT_EQ(rec.primitives.size(), 4 * kStripsPerBlade);
    EXPECT_EQ(p.m_nSwayCounter, 2);
    // Kind 2 draws it live.
    f.DrawKind(2);
    EXPECT_EQ(rec.primitives.size(), 2 * 4 * kStripsPerBlade);
}

}  // namespace
