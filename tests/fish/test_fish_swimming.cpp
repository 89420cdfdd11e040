// Swimming: direction flags, movement, the swim box and its walls, wandering,
// drift and the hit box.
#include "fish/fish_species23.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

// A fish in the game's swim box (x -50..50, y -17..13, z limit -75), on the z plane.
class SwimTest : public testing::Test {
protected:
    SwimTest()
    {
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPitch = 0.0f;
        Place(0, 0, -75);
    }
    void Place(float x, float y, float z)
    {
        fish.m_fPos[0] = x;
        fish.m_fPos[1] = y;
        fish.m_fPos[2] = z;
    }
    void Head(float heading, int target)
    {
        fish.m_fHeading = heading;
        fish.m_nTargetHeading = target;
    }

    VertexRecorder recorder;
    CFishSpecies23 fish;
};

TEST_F(SwimTest, DirectionFlagsFollowHeadingTargetAndPitches)
{
    struct Case {
        float heading;
        int target;
        float pitch, shown;
        std::set<int> flags;
    } cases[] = {
        {0, 0, 0, 0, {0, 5, 6, 11}},
        {180, 180, 0, 0, {1, 5, 7, 11}},
        {90, 0, 0, 0, {0, 5, 6, 11}},      // 90 still counts as falling x
        {200, 180, 0, 0, {1, 4, 7, 11}},   // past 180: z falls
        {-90, 0, 0, 0, {0, 4, 6, 11}},
        {-200, 0, 0, 0, {1, 5, 6, 11}},
        {360, 0, 10, 3, {0, 4, 6, 11, 8, 2}},  // 360: z falls
        {0, 0, -5, -2, {0, 5, 6, 11, 9, 3}},
    };
    for (const Case& c : cases) {
        Head(c.heading, c.target);
        fish.m_fPitch = c.pitch;
        fish.m_fShownPitch = c.shown;
        fish.m_bDir[10] = 1;  // stale flags are cleared
        fish.UpdateDirFlags();
        std::set<int> set;
        for (int i = 0; i < 12; ++i)
            if (fish.m_bDir[i])
                set.insert(i);
        EXPECT_EQ(set, c.flags) << "heading " << c.heading << " target " << c.target;
    }
}

TEST_F(SwimTest, MovesAlongItsHeadingAndClimbsByItsPitch)
{
    fish.m_fSpeed = 0.04f;
    Head(0, 0);
    fish.m_fPitch = 30;
    fish.Move();
    EXPECT_NEAR(fish.m_fPos[0], -0.04f, 1e-6);
    EXPECT_NEAR(fish.m_fPos[1], 0.02f, 1e-6);
    EXPECT_FLOAT_EQ(fish.m_fPos[2], -75.0f);  // heading 0 does not move it in z
    EXPECT_EQ(fish.m_nWallState, 0);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);  // near the z plane it speeds up again

    Place(0, 0, -75);
    Head(180, 180);
    fish.m_fPitch = 0;
    fish.m_fSpeed = 0.04f;
    fish.Move();
    EXPECT_NEAR(fish.m_fPos[0], 0.04f, 1e-6);
    EXPECT_FLOAT_EQ(fish.m_fPos[1], 0.0f);
}

TEST_F(SwimTest, HeadingOutsideOneTurnIsBroughtBack)
{
    for (auto [heading, expected] : {std::pair{400.0f, 180.0f}, {-400.0f, -180.0f}, {360.0f, 360.0f}, {-360.0f, -360.0f}}) {
        Place(0, 0, -75);
        fish.m_fHeading = heading;
        fish.m_nTargetHeading = 180;
        fish.Move();
        EXPECT_FLOAT_EQ(fish.m_fHeading, expected) << heading;
    }
}

TEST_F(SwimTest, AtTheXMinimumTheFishTurnsAndComesRoundInTheNextFrame)
{
    Place(-50.01f, 0, -75);
    Head(0, 0);
    fish.Move();
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], -48.0f);
    EXPECT_EQ(fish.m_nWallState, 1);

    // Facing the wall, it does not move; Move alone keeps the wall state.
    CFishSpecies23 held = fish;
    held.Move();
    EXPECT_FLOAT_EQ(held.m_fPos[0], -48.0f);
    EXPECT_EQ(held.m_nWallState, 1);

    // In a frame the bend snaps it round before it moves: it swims on toward rising x.
    fish.m_bBendSettled = fish.m_bBendReached = 1;
    fish.Draw(0);
    EXPECT_FLOAT_EQ(fish.m_fHeading, 180.0f);
    EXPECT_GT(fish.m_fPos[0], -48.0f);
    EXPECT_EQ(fish.m_nWallState, 0);
}

TEST_F(SwimTest, AWallOnlyTurnsAFishSwimmingTowardIt)
{
    Place(-51, 0, -75);
    Head(180, 180);  // already swimming away
    fish.Move();
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_GT(fish.m_fPos[0], -51.0f);
    EXPECT_LT(fish.m_fPos[0], -50.9f);

    Place(51, 0, -75);
    Head(180, 180);
    fish.Move();
    EXPECT_EQ(fish.m_nTargetHeading, 0);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], 48.0f);
    EXPECT_EQ(fish.m_nWallState, 2);
}

TEST_F(SwimTest, APlacedFishIsPutOnTheNearWall)
{
    Place(10, 0, 50);
    fish.Move();
    EXPECT_FLOAT_EQ(fish.m_fPos[2], -75.0f);
    EXPECT_EQ(fish.m_nWallState, 4);

    Place(10, 37, 50);  // above the top as well: the top is met last
    fish.Move();
    EXPECT_FLOAT_EQ(fish.m_fPos[2], -75.0f);
    EXPECT_FLOAT_EQ(fish.m_fPos[1], 13.0f);
    EXPECT_EQ(fish.m_nWallState, 5);
}

TEST_F(SwimTest, TopAndBottomNegateThePitchHoldTheHeightAndSlowTheFish)
{
    struct Case {
        float y, pitch, expectedY;
        int wall;
    } cases[] = {{13.0f, 20, 13.0f, 5}, {15.0f, -10, 13.0f, 5}, {-17.0f, -30, -17.0f, 6}, {-20.0f, 10, -17.0f, 6}};
    for (const Case& c : cases) {
        Place(0, c.y, -75);
        fish.m_fPitch = c.pitch;
        fish.m_fSpeed = 0.05f;
        fish.KeepInSwimBox();
        EXPECT_FLOAT_EQ(fish.m_fPitch, -c.pitch) << c.y;
        EXPECT_FLOAT_EQ(fish.m_fPos[1], c.expectedY) << c.y;
        EXPECT_EQ(fish.m_nWallState, c.wall) << c.y;
        EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.025f) << c.y;
    }
}

TEST_F(SwimTest, NearTheZPlaneTheSpeedClimbsBackAndTheFarWallNeverFires)
{
    fish.m_fSpeed = 0.025f;
    Place(0, 0, -75);
    fish.UpdateDirFlags();
    fish.KeepInSwimBox();
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.035f);
    EXPECT_EQ(fish.m_nWallState, 0);

    Place(0, 0, -160);  // beyond twice the limit: only flag 10 would stop it, and it is never set
    fish.UpdateDirFlags();
    fish.KeepInSwimBox();
    EXPECT_FLOAT_EQ(fish.m_fPos[2], -160.0f);
    EXPECT_EQ(fish.m_nWallState, 0);
}

TEST_F(SwimTest, SwimBoxIsStoredWithTheTopAndBottomMovedIn)
{
    fish.m_bBusy = 1;
    fish.m_nWallState = 6;
    Place(3, 4, 5);
    fish.SetSwimBox(-10, 20, 1, -2, -30, -40);
    const float expected[6] = {-10, 20, 11, 3, -30, -40};
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ(fish.m_fSwimBox[i], expected[i]) << i;
    EXPECT_EQ(fish.m_bBusy, 0);
    EXPECT_EQ(fish.m_nWallState, 6);
    EXPECT_FLOAT_EQ(fish.m_fPos[0], 3.0f);
    EXPECT_FLOAT_EQ(fish.m_fBodyDims[1], 0.34605f);
}

TEST(FishDepthBand, StrictlyBetweenMinus90AndMinus60ButNotOnThePlane)
{
    CFishSpecies23 fish;
    for (auto [z, inside] : {std::pair{-75.0f, false}, {-74.5f, true}, {-89.0f, true}, {-60.0f, false},
                             {-90.0f, false}, {-61.0f, true}, {0.0f, false}}) {
        fish.m_fPos[2] = z;
        EXPECT_EQ(fish.IsInDepthBand(), inside) << z;
    }
}

TEST_F(SwimTest, FirstWanderDecisionComesOnFrame302MinusTheTimer)
{
    for (int timer : {199, 0, 150}) {
        fish.m_nWanderTimer = timer;
        int frames = 0;
        for (;;) {
            ++frames;
            const BYTE stroke = fish.m_bStroke;
            fish.Wander();
            if (fish.m_bStroke != stroke)
                break;
            ASSERT_LT(frames, 400);
        }
        EXPECT_EQ(frames, 302 - timer);
        EXPECT_LT(fish.m_nWanderTimer, 150);
    }
}

TEST_F(SwimTest, AWanderDecisionDrawsItsValuesInOrderAndSetsTheSwimStyle)
{
    fish.m_nWanderTimer = 301;
    Head(180, 180);
    fish.m_fPitch = 10;
    fish.m_bStroke = 1;
    fish.m_fSpeed = 0.05f;
    crt::srand(11);
    int v[6];
    for (int& x : v)
        x = crt::rand();
    crt::srand(11);
    fish.Wander();

    const int timer = v[0] % 150;
    EXPECT_EQ(fish.m_nWanderTimer, timer);
    EXPECT_EQ(fish.m_nTargetHeading, (v[2] & 1) ? 180 : 0);
    EXPECT_FLOAT_EQ(fish.m_fPitch, std::clamp(10.0f - (15 + v[3] % 15), -45.0f, 45.0f));
    EXPECT_EQ(fish.m_bStroke, 0);
    if (timer > 50)
        EXPECT_FLOAT_EQ(fish.m_fSpeed, (v[4] % 2) * 0.01f + 0.025f);
    else
        EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);  // approached a target of 0.1 or more
    const int expectedDraws = 2 + 2 + (timer > 50 ? 1 : 0) + 1;
    // The next value the fish leaves, drawn before RandValue restarts the sequence.
    const int next = crt::rand();
    EXPECT_EQ(next, RandValue(expectedDraws, 11));

    // The swim style of the faster stroke (m = 1.5).
    EXPECT_FLOAT_EQ(fish.m_Wave[0].waveNumber, 0.2617994f);
    EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 1.5f * 0.1f);
    EXPECT_FLOAT_EQ(fish.m_Wave[0].phaseStep, 1.5f * 0.7853981f);
    EXPECT_FLOAT_EQ(fish.m_Wave[3].waveNumber, 0.6283185f);
    EXPECT_FLOAT_EQ(fish.m_Wave[3].amplitude, 1.5f * 0.015f);
    EXPECT_FLOAT_EQ(fish.m_Wave[3].phaseStep, 1.5f * 0.39269906f);
    EXPECT_FLOAT_EQ(fish.m_Wave[5].amplitude, 1.5f * 0.01f);
    EXPECT_FLOAT_EQ(fish.m_Wave[7].amplitude, 0.03f);  // D unchanged
}

TEST_F(SwimTest, AWanderDecisionDuringATurnKeepsTheTarget)
{
    fish.m_nWanderTimer = 301;
    Head(100, 180);
    fish.m_fPitch = 10;
    fish.Wander();
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    EXPECT_FLOAT_EQ(fish.m_fPitch, 10.0f);
}

TEST_F(SwimTest, SlowerSwimStyleUsesTheBaseValues)
{
    const int draws = RandDraws([&] { fish.SetSwimStyle(0.04f, 0, 0, 0); });
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(fish.m_bStroke, 0);
    EXPECT_FLOAT_EQ(fish.m_Wave[0].amplitude, 0.1f);
    EXPECT_FLOAT_EQ(fish.m_Wave[3].phaseStep, 0.39269906f);
    fish.SetSwimStyle(0.05f, 0, 0, 1);
    EXPECT_FLOAT_EQ(fish.m_Wave[5].phaseStep, 1.5f * 0.5235987f);
}

TEST_F(SwimTest, WanderWaitsWhileBusyOrHeldOrNotFree)
{
    for (int which = 0; which < 3; ++which) {
        CFishSpecies23 f = fish;
        f.m_nWanderTimer = 400;
        if (which == 0)
            f.m_bBusy = 1;
        if (which == 1)
            f.m_bNoWander = 1;
        if (which == 2)
            f.m_nSwimState = 3;
        EXPECT_EQ(RandDraws([&] { f.Wander(); }), 0) << which;
        EXPECT_EQ(f.m_nWanderTimer, 400) << which;
    }
}

TEST_F(SwimTest, DriftLeansWithThePitchAndStaysInItsBounds)
{
    EXPECT_EQ(RandDraws([&] { fish.Drift(); }), 2);
    fish.m_fPitch = 10;
    float lowest = 1, highest = -1;
    crt::srand(3);
    for (int i = 0; i < 500; ++i) {
        fish.Drift();
        lowest = std::min(lowest, fish.m_fDrift);
        highest = std::max(highest, fish.m_fDrift);
    }
    EXPECT_FLOAT_EQ(highest, 0.008f);
    EXPECT_GE(lowest, -0.008f);
    fish.m_fPitch = -10;
    for (int i = 0; i < 500; ++i) {
        fish.Drift();
        lowest = std::min(lowest, fish.m_fDrift);
    }
    EXPECT_FLOAT_EQ(lowest, -0.008f);
}

TEST_F(SwimTest, HitBoxAroundThePositionGrowsWithTheSize)
{
    Place(1, 2, 3);
    Head(0, 0);
    fish.UpdateDirFlags();
    fish.UpdateHitBox();
    const float l = 5.0f, w = 5 * 0.34605f, h = 5 * 0.2778f;
    const float box[6] = {1 + l / 2, 1 - l / 2, 2 + h / 2, 2 - h / 2, 3 + w / 2, 3 - w / 2};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(fish.m_fHitBox[i], box[i], 1e-5) << i;
    EXPECT_NEAR(fish.m_fOuterBox[0], 1 + l, 1e-5);
    EXPECT_NEAR(fish.m_fOuterBox[3], 2 - h / 2 - h / 4, 1e-5);
    EXPECT_NEAR(fish.m_fOuterBox[4], 3 + w / 2 + w / 4, 1e-5);
    EXPECT_NEAR(fish.m_fFrontCorner[0], 1 - l / 2, 1e-5);  // heading 0: the head toward falling x
    EXPECT_NEAR(fish.m_fBackCorner[0], 1 + l / 2, 1e-5);

    float small[6];
    std::copy(fish.m_fHitBox, fish.m_fHitBox + 6, small);
    fish.m_nSize = 8;
    fish.UpdateHitBox();
    for (int i = 0; i < 6; ++i) {
        const float centre = i < 2 ? 1 : i < 4 ? 2 : 3;
        EXPECT_NEAR(fish.m_fHitBox[i] - centre, 1.6f * (small[i] - centre), 1e-5) << i;
    }
}

TEST_F(SwimTest, AClimbingFishHasATallerHitBox)
{
    Place(0, 0, 0);
    Head(180, 180);
    fish.m_fPitch = 40;
    fish.m_fShownPitch = 10;
    fish.UpdateDirFlags();
    fish.UpdateHitBox();
    const double p = 40 * 0.017453291681077746;
    const float a = static_cast<float>(std::sin(p) * 5 / 2);
    const float c = static_cast<float>(std::cos(p) * 5 / 2);
    EXPECT_NEAR(fish.m_fHitBox[0], c, 1e-5);
    EXPECT_NEAR(fish.m_fHitBox[2], std::max(a, static_cast<float>(std::cos(p) * 5 * 0.2778 / 2)), 1e-5);
    EXPECT_NEAR(fish.m_fFrontCorner[0], c, 1e-5);  // heading 180: ahead is rising x
    EXPECT_NEAR(fish.m_fFrontCorner[1], a, 1e-5);  // shown pitch rising
}

}  // namespace
