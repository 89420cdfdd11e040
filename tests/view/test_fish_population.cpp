// Fish counts, placement above the floor, the shot test and the restart,
// without a window.
#include "fish/fish_registry.h"
#include "platform/crt.h"
#include "settings/settings.h"
#include "support/vertex_recorder.h"
#include "view/tank_view.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A fish kind outside the species table, of the tests' own: two arrays of it.
constexpr FishWave kKindWaves[] = {{}};
constexpr FishClass kTestKind = {.name = "test kind", .segments = 15, .waves = kKindWaves};
class CTestKind : public CFishModel {
public:
    CTestKind() : CFishModel(kTestKind) {}
};
const FishKindRegistrar<CTestKind> kTestKindRegistered("test kind", 2);

class FishPopulationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const float bounds[6] = {-50, 50, 30, -22, -50, 0};
        std::copy(bounds, bounds + 6, view.m_fTankBounds);
    }
    CFishModel& Fish(int j) { return view.FishArray(23)->GetAt(j); }

    VertexRecorder recorder;
    CTankView view;
};

TEST_F(FishPopulationTest, NewFishArePlacedAboveTheFloorAndBoxed)
{
    view.SetFishCount(23, 20);
    ASSERT_EQ(view.FishArray(23)->GetSize(), 20);
    for (int j = 0; j < 20; ++j) {
        const float* p = Fish(j).m_fPos;
        EXPECT_GE(p[0], -50.0f);
        EXPECT_LE(p[0], 49.0f);
        EXPECT_EQ(p[0], std::floor(p[0]));
        EXPECT_GE(p[1], -12.0f - 1.2f);
        EXPECT_LE(p[1], 37.0f);
        EXPECT_FLOAT_EQ(p[2], 50.0f);
        EXPECT_EQ(Fish(j).m_bHit, 0);
    }
}

TEST_F(FishPopulationTest, ResizingKeepsTheFishThatStay)
{
    view.SetFishCount(23, 5);
    Fish(1).m_bHit = 1;
    Fish(1).m_fPos[0] = 12.5f;
    view.SetFishCount(23, 2);
    view.SetFishCount(23, 5);
    EXPECT_EQ(Fish(1).m_bHit, 1);          // kept as it was
    EXPECT_FLOAT_EQ(Fish(1).m_fPos[0], 12.5f);
    EXPECT_FLOAT_EQ(Fish(4).m_fPos[2], 50.0f);  // new and placed
    view.SetFishCount(23, 0);
    EXPECT_EQ(view.FishArray(23)->GetSize(), 0);
    view.SetFishCount(23, -3);  // read as 0
    EXPECT_EQ(view.FishArray(23)->GetSize(), 0);
}

TEST_F(FishPopulationTest, EachFishTakesTwoRandomValuesPerCall)
{
    view.SetFishCount(23, 4);
    crt::srand(99);
    view.SetFishCount(23, 4);  // nothing built: only the placement draws
    const int next = crt::rand();
    crt::srand(99);
    for (int i = 0; i < 4 * 2; ++i)
        crt::rand();
    EXPECT_EQ(crt::rand(), next);
}

// Placement calls each class's own SetSwimBox: the angelfish's also clears
// the wall state, so a fish that met an x wall in its last frame does not
// snap round after a count change; the clownfish's keeps it.
TEST_F(FishPopulationTest, PlacementGivesEveryFishItsClassesOwnSwimBox)
{
    struct Case {
        int species;
        int wallStateAfter;
    } cases[] = {{3, 0}, {23, 1}};
    for (const Case& c : cases) {
        view.SetFishCount(c.species, 2);
        CFishModel& kept = view.FishArray(c.species)->GetAt(1);
        kept.m_fPos[0] = -49;  // turned at the x-minimum wall in its last frame
        kept.m_fPos[2] = -75;
        kept.m_fHeading = 0;
        kept.m_nTargetHeading = 180;
        kept.m_nWallState = 1;
        view.SetFishCount(c.species, 2);  // the same count: every fish is boxed again
        EXPECT_EQ(kept.m_nWallState, c.wallStateAfter) << "species " << c.species;
        EXPECT_FLOAT_EQ(kept.m_fSwimBox[2], 13.0f);
        view.FishArray(c.species)->DrawFish(1, {});
        EXPECT_EQ(kept.m_fHeading == 180.0f, c.wallStateAfter == 1)
            << "species " << c.species << ": a fish at a wall comes round at once, one away from it turns";
    }
}

TEST_F(FishPopulationTest, KindsOutsideTheSpeciesTableKeepEmptyArrays)
{
    ASSERT_GE(view.m_kindArrays.size(), 2u);
    for (int k = 0; k < 25; ++k)
        view.SetFishCount(k, 50);
    view.RestartGame();
    for (int k = 0; k < 25; ++k)
        view.SetFishCount(k, 0);
    for (const auto& kind : view.m_kindArrays) {
        EXPECT_EQ(kind->GetSize(), 0);
        kind->SetSize(1);
        kind->DrawFish(0, {});  // a class without a Draw draws nothing
    }
}

TEST_F(FishPopulationTest, SpeciesWithoutAClassHaveNoFish)
{
    // Any index of the table that no class has registered yet.
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        if (FindFishSpecies(k) == nullptr) {
            view.SetFishCount(k, 10);
            EXPECT_EQ(view.FishArray(k), nullptr) << k;
        }
    EXPECT_EQ(view.FishArray(25), nullptr);
    view.SetFishCount(99, 1);  // out of the table: nothing
}

TEST_F(FishPopulationTest, ShotHitsWithinOneUnitInXAndYWhateverTheDepth)
{
    struct Case {
        float shotX, shotY, shotZ;
        BYTE active, spent;
        bool hit;
    };
    // The fish is at (10, 5, -60); shots are stored 20 units higher.
    const Case cases[] = {
        {10.0f, 25.0f, -60.0f, 1, 0, true},
        {10.0f, 25.0f, -90.0f, 1, 0, true},   // 30 units away in z: still a hit
        {10.99f, 25.99f, 0.0f, 1, 0, true},
        {11.0f, 25.0f, -60.0f, 1, 0, false},  // exactly 1.0 away in x
        {10.0f, 26.0f, -60.0f, 1, 0, false},  // exactly 1.0 away in y after the shift
        {10.0f, 5.0f, -60.0f, 1, 0, false},   // the stored y is 20 above the drawn one
        {10.0f, 25.0f, -60.0f, 0, 0, false},  // not fired
        {10.0f, 25.0f, -60.0f, 1, 1, false},  // already spent
    };
    view.SetFishCount(23, 1);
    for (const Case& c : cases) {
        Fish(0).m_bHit = 0;
        Fish(0).m_fPos[0] = 10.0f;
        Fish(0).m_fPos[1] = 5.0f;
        Fish(0).m_fPos[2] = -60.0f;
        CANNONSHOT& shot = view.m_Cannon.m_Shots[2];
        shot = CANNONSHOT{c.shotX, c.shotY, c.shotZ, c.active, 0.0f, c.spent};
        view.TestShotHits(23, 0);
        EXPECT_EQ(Fish(0).m_bHit, c.hit ? 1 : 0) << c.shotX << "," << c.shotY;
        if (c.hit) {
            EXPECT_EQ(shot.spent, 1);
        }
    }
    view.TestShotHits(23, 7);  // past the array: nothing
}

TEST_F(FishPopulationTest, TwoShotsInReachAreBothSpent)
{
    view.SetFishCount(23, 1);
    Fish(0).m_fPos[0] = 0.0f + 3.0f;
    Fish(0).m_fPos[1] = 0.0f;
    view.m_Cannon.m_Shots[1] = CANNONSHOT{3.2f, 20.1f, -77.5f, 1, 0.0f, 0};
    view.m_Cannon.m_Shots[3] = CANNONSHOT{2.9f, 19.5f, -77.5f, 1, 0.0f, 0};
    view.TestShotHits(23, 0);
    EXPECT_EQ(view.m_Cannon.m_Shots[1].spent, 1);
    EXPECT_EQ(view.m_Cannon.m_Shots[3].spent, 1);
}

TEST_F(FishPopulationTest, RestartBringsHitFishBackAfterACountChange)
{
    view.SetFishCount(23, 3);
    for (int j = 0; j < 3; ++j)
        Fish(j).m_bHit = 1;
    view.m_bAllFishHit = 1;
    // The count setting says more fish than the array holds: the restart
    // walks the array, not the setting.
    g_Settings.g_nFishCount[23] = 50;
    view.RestartGame();
    EXPECT_EQ(view.m_bAllFishHit, 0);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(Fish(j).m_bHit, 0);
}

}  // namespace
