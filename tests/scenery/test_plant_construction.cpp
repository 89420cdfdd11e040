// How many values of the shared rand() sequence each scenery constructor
// takes, and in which order the scenery takes them: the order of the draws
// places everything built after a plant, and the settings a first run writes.
#include "platform/crt.h"
#include "scenery/tank_scenery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The number of values f takes from the sequence (up to 100000): where the
// values that follow it start in the sequence from the same seed.
int DrawsOf(const std::function<void()>& f)
{
    constexpr int kLimit = 100000, kRun = 4;
    crt::srand(1);
    f();
    int after[kRun];
    for (int& v : after)
        v = crt::rand();
    crt::srand(1);
    std::vector<int> sequence(kLimit + kRun);
    for (int& v : sequence)
        v = crt::rand();
    for (int n = 0; n < kLimit; ++n)
        if (std::equal(after, after + kRun, sequence.begin() + n))
            return n;
    return -1;
}

template <class T>
std::function<void()> Make()
{
    return [] { const auto object = std::make_unique<T>(); };
}

TEST(PlantConstruction, EachConstructorTakesItsDraws)
{
    struct Case {
        const char* name;
        std::function<void()> make;
        int draws;
    };
    // Counted from each class's construction: the head's two (one with a
    // fixed segment step), then rates, swing, phase speed and sizes.
    const Case cases[] = {
        {"CSwayPlantA", Make<CSwayPlantA>(), 6},
        {"CFourLeafPlant", Make<CFourLeafPlant>(), 8},
        {"CSwayPlantB", Make<CSwayPlantB>(), 8},
        {"CSwayPlantC", Make<CSwayPlantC>(), 8},
        {"CFlowerPlant", Make<CFlowerPlant>(), 8},
        {"CRosettePlant", Make<CRosettePlant>(), 9},
        {"CBladeCluster", Make<CBladeCluster>(), 6},
        {"CPlantModelB", Make<CPlantModelB>(), 9},
        {"CPlantModelA", Make<CPlantModelA>(), 8},
        {"CSwayPlantD", Make<CSwayPlantD>(), 9},
        {"CPlantGroup", Make<CPlantGroup>(), 0},
        {"CWaterFloor", Make<CWaterFloor>(), 0},
        {"CStaticMesh", Make<CStaticMesh>(), 0},
        {"CTerrainModel", Make<CTerrainModel>(), 0},
        {"CDecorationMeshA", Make<CDecorationMeshA>(), 0},
        {"CDecorationMeshB", Make<CDecorationMeshB>(), 0},
        {"CColorRampDecoration", Make<CColorRampDecoration>(), 0},
        {"CLeafClusterPlant", Make<CLeafClusterPlant>(), 0},
        {"CSeaAnemone", Make<CSeaAnemone>(), 360},  // one stalk length per stalk
        {"CStrandPlant", Make<CStrandPlant>(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrawsOf(c.make), c.draws) << c.name;
}

TEST(PlantConstruction, TheSceneryTakesItsDrawsInMemberOrder)
{
    // Four groups of ten plants, then the single objects.
    const int total = 10 * (6 + 8 + 8 + 8) + 8 + 9 + 6 + 9 + 8 + 9 + 360;
    EXPECT_EQ(DrawsOf(Make<CTankScenery>()), total);

    // Each plant's first draw is its phase offset: where it falls in the
    // sequence shows where the plant stands in the order.
    crt::srand(1);
    std::vector<int> sequence;
    for (int i = 0; i < total; ++i)
        sequence.push_back(crt::rand());
    crt::srand(1);
    const auto s = std::make_unique<CTankScenery>();
    auto offsetAt = [&](int draw) { return static_cast<float>(sequence[draw] % 100); };
    EXPECT_EQ(s->m_SwayPlantsA[0].m_fPhaseOffset, offsetAt(0));
    EXPECT_EQ(s->m_SwayPlantsA[9].m_fPhaseOffset, offsetAt(9 * 6));
    // The four-leaf plants' 80 draws come between the A and B plants.
    EXPECT_EQ(s->m_SwayPlantsB[0].m_fPhaseOffset, offsetAt(60 + 80));
    EXPECT_EQ(s->m_SwayPlantsC[0].m_fPhaseOffset, offsetAt(60 + 80 + 80));
    EXPECT_EQ(s->m_SwayPlantsC[9].m_fPhaseOffset, offsetAt(60 + 80 + 80 + 9 * 8));
}

}  // namespace
