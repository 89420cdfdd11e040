// The cannon's shot slots: firing, clearing, flight and the range check.
// Drawing needs no GL context here: without one the GL calls do nothing.
#include "objects/cannon.h"

#include <gtest/gtest.h>

namespace {

constexpr float kMuzzleZ = -77.5f;

class Cannon : public testing::Test {
protected:
    void SetUp() override { cannon.Init(0.0f, 0.0f, kMuzzleZ); }

    // Slots 1..4 flying from the muzzle, in order.
    void FireFour()
    {
        for (int i = 0; i < 4; ++i)
            cannon.Fire();
    }
    void Passes(int n)
    {
        for (int i = 0; i < n; ++i)
            cannon.UpdateAndDrawShots();
    }
    bool Idle(int slot) const { return !cannon.m_Shots[slot].active && !cannon.m_Shots[slot].spent; }
    void ExpectAtMuzzle(int slot) const
    {
        const CANNONSHOT& s = cannon.m_Shots[slot];
        EXPECT_FLOAT_EQ(s.x, 0.0f) << slot;
        EXPECT_FLOAT_EQ(s.y, 0.0f) << slot;
        EXPECT_FLOAT_EQ(s.z, kMuzzleZ) << slot;
    }

    CCannon cannon;
};

TEST_F(Cannon, StartsAndInitsWithEverySlotIdleBelowTheMuzzle)
{
    CCannon fresh;
    EXPECT_EQ(fresh.m_fAngle, 0.0f);
    cannon.m_Shots[2].active = 1;
    cannon.m_Shots[3].spent = 1;
    cannon.m_Shots[3].y = 12.0f;
    cannon.Init(1.0f, 2.0f, 3.0f);
    for (const CCannon* c : {&fresh, &cannon}) {
        for (const CANNONSHOT& s : c->m_Shots) {
            EXPECT_EQ(s.active, 0);
            EXPECT_EQ(s.spent, 0);
            EXPECT_EQ(s.x, 0.0f);
            EXPECT_EQ(s.y, -20.0f);
            EXPECT_EQ(s.z, kMuzzleZ);
        }
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(cannon.m_fHome[i], float(i + 1));
        EXPECT_EQ(cannon.m_fTarget[i], float(i + 1));
        EXPECT_EQ(cannon.m_fPosition[i], float(i + 1));
    }
    cannon.SetTarget(4.0f, 5.0f, 6.0f);
    EXPECT_EQ(cannon.m_fTarget[1], 5.0f);
    EXPECT_EQ(cannon.m_fPosition[1], 2.0f);
}

TEST_F(Cannon, FiresIntoSlotsOneToFourInOrderWithTheAimOfTheMoment)
{
    for (int i = 1; i <= 4; ++i) {
        cannon.m_fAngle = 10.0f * i;
        cannon.Fire();
        const CANNONSHOT& s = cannon.m_Shots[i];
        EXPECT_EQ(s.active, 1) << i;
        EXPECT_EQ(s.spent, 0) << i;
        EXPECT_EQ(s.angle, 10.0f * i) << i;
        ExpectAtMuzzle(i);
        for (int later = i + 1; later <= 4; ++later)
            EXPECT_TRUE(Idle(later)) << later;
    }
    EXPECT_TRUE(Idle(0));
}

// A spent slot is busy; the first slot with both flags clear takes the shot.
TEST_F(Cannon, FiresIntoTheFirstIdleSlotEvenBehindBusyOnes)
{
    FireFour();
    cannon.m_Shots[1].active = 0;
    cannon.m_Shots[1].spent = 1;
    cannon.m_Shots[3].active = 0;  // left the tank
    cannon.m_fAngle = -35.0f;
    cannon.Fire();
    EXPECT_EQ(cannon.m_Shots[1].spent, 1);
    EXPECT_EQ(cannon.m_Shots[1].active, 0);
    EXPECT_EQ(cannon.m_Shots[3].active, 1);
    EXPECT_EQ(cannon.m_Shots[3].angle, -35.0f);
    EXPECT_TRUE(Idle(0));
}

// A fifth press with every slot busy, flying or spent, only clears slots 1..4;
// the press after it fires from slot 1.
TEST_F(Cannon, PressWithAllSlotsBusyClearsThemAndFiresNothing)
{
    for (BYTE spent : {BYTE(0), BYTE(1)}) {
        SCOPED_TRACE(int(spent));
        cannon.Init(0.0f, 0.0f, kMuzzleZ);
        FireFour();
        Passes(3);
        for (int i = 1; i <= 4; ++i) {
            cannon.m_Shots[i].spent = spent;
            cannon.m_Shots[i].active = !spent;
        }
        cannon.Fire();
        for (int i = 1; i <= 4; ++i) {
            EXPECT_TRUE(Idle(i)) << i;
            ExpectAtMuzzle(i);
        }
        EXPECT_TRUE(Idle(0));
        cannon.Fire();
        EXPECT_EQ(cannon.m_Shots[1].active, 1);
        EXPECT_TRUE(Idle(2));
    }
}

// One unit per pass along (-sin r, cos r): positive angles fly toward -x.
TEST_F(Cannon, ShotsFlyOneUnitPerPassAlongTheirAngle)
{
    struct Case {
        float angle;
        float dx, dy;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 1.0f},          {90.0f, -1.0f, 0.0f},       {-90.0f, 1.0f, 0.0f},
        {30.0f, -0.5f, 0.8660254f},  {-45.0f, 0.7071068f, 0.7071068f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        cannon.Init(0.0f, 0.0f, kMuzzleZ);
        cannon.m_fAngle = c.angle;
        cannon.Fire();
        for (int pass = 1; pass <= 10; ++pass) {
            cannon.UpdateAndDrawShots();
            const CANNONSHOT& s = cannon.m_Shots[1];
            EXPECT_NEAR(s.x, c.dx * pass, 1e-3) << pass;
            EXPECT_NEAR(s.y, c.dy * pass, 1e-3) << pass;
            EXPECT_EQ(s.z, kMuzzleZ);
        }
    }
}

// Degrees become radians by 0.017453, a little short of pi / 180: a shot
// fired sideways climbs 2.6e-5 per pass.
TEST_F(Cannon, SidewaysShotsClimbByTheShortDegreeFactor)
{
    cannon.m_fAngle = 90.0f;
    cannon.Fire();
    Passes(50);
    EXPECT_NEAR(cannon.m_Shots[1].y, 50 * 2.6327e-5, 1e-6);
    EXPECT_FLOAT_EQ(cannon.m_Shots[1].x, -50.0f);
}

TEST_F(Cannon, TurningTheAimLeavesShotsInFlightOnTheirCourse)
{
    cannon.m_fAngle = 20.0f;
    cannon.Fire();
    Passes(5);
    const float x = cannon.m_Shots[1].x, y = cannon.m_Shots[1].y;
    cannon.m_fAngle = -60.0f;
    Passes(5);
    EXPECT_NEAR(cannon.m_Shots[1].x, 2 * x, 1e-4);
    EXPECT_NEAR(cannon.m_Shots[1].y, 2 * y, 1e-4);
    EXPECT_EQ(cannon.m_Shots[1].angle, 20.0f);
}

// The shot stays while x and y are within -50..50 (ends included) and is reset
// in the first pass that takes it out.
TEST_F(Cannon, ShotIsResetInThePassThatLeavesTheRange)
{
    struct Case {
        float angle;
        int resetPass;
    };
    const Case cases[] = {{0.0f, 51}, {90.0f, 51}, {-90.0f, 51}, {45.0f, 71}, {-60.0f, 58}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        cannon.Init(0.0f, 0.0f, kMuzzleZ);
        cannon.m_fAngle = c.angle;
        cannon.Fire();
        Passes(c.resetPass - 1);
        EXPECT_EQ(cannon.m_Shots[1].active, 1);
        cannon.UpdateAndDrawShots();
        EXPECT_TRUE(Idle(1));
        ExpectAtMuzzle(1);
        cannon.UpdateAndDrawShots();
        ExpectAtMuzzle(1);
    }
}

TEST_F(Cannon, OnlyFlyingShotsOfSlotsOneToFourMove)
{
    cannon.m_Shots[0] = CANNONSHOT{5.0f, 6.0f, kMuzzleZ, 1, 0.0f, 0};
    cannon.m_Shots[1] = CANNONSHOT{1.0f, 2.0f, kMuzzleZ, 1, 0.0f, 1};   // spent
    cannon.m_Shots[2] = CANNONSHOT{3.0f, 4.0f, kMuzzleZ, 0, 0.0f, 0};   // idle
    cannon.m_Shots[3] = CANNONSHOT{90.0f, 4.0f, kMuzzleZ, 0, 0.0f, 1};  // spent, out of range
    cannon.m_Shots[4] = CANNONSHOT{7.0f, 8.0f, kMuzzleZ, 1, 0.0f, 0};   // flying
    Passes(2);
    EXPECT_EQ(cannon.m_Shots[0].y, 6.0f);
    EXPECT_EQ(cannon.m_Shots[0].active, 1);
    EXPECT_EQ(cannon.m_Shots[1].y, 2.0f);
    EXPECT_EQ(cannon.m_Shots[1].spent, 1);
    EXPECT_EQ(cannon.m_Shots[2].y, 4.0f);
    EXPECT_EQ(cannon.m_Shots[3].x, 90.0f);
    EXPECT_EQ(cannon.m_Shots[3].spent, 1);
    EXPECT_EQ(cannon.m_Shots[4].y, 10.0f);
}

// Draw is one pass of the shots.
TEST_F(Cannon, DrawMovesTheShotsOnce)
{
    cannon.Fire();
    cannon.Draw();
    EXPECT_EQ(cannon.m_Shots[1].y, 1.0f);
    cannon.Draw();
    EXPECT_EQ(cannon.m_Shots[1].y, 2.0f);
}

}  // namespace
