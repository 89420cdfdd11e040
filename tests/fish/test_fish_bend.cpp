// The bend toward the heading: the head turns 20 degrees every third call with
// the body trailing it, then the segments catch up.
#include "fish/fish_species23.h"
#include "fish_test_util.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kSegments = 15;

struct BendTest : testing::Test {
    // Runs the bend once toward the target heading.
    std::vector<float> Step()
    {
        std::vector<float> out(kSegments, 0.0f);  // as Draw zero-fills it
        fish.ComputeBendToHeading(out.data(), kSegments, static_cast<float>(fish.m_nTargetHeading));
        return out;
    }
    // A fish settled at heading 0, its bend counter at `counter`.
    void Settle(int counter)
    {
        fish.m_fHeading = 0;
        fish.m_nTargetHeading = 0;
        fish.m_fLastTarget = 0;
        fish.m_bBendReached = fish.m_bBendSettled = 1;
        fish.m_nBendCounter = counter;
    }

    CFishSpecies23 fish;
};

TEST_F(BendTest, AHalfTurnTakesNineStepsWithTheBodyTrailingThenSettles)
{
    for (int counter : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << "bend counter at " << counter);
        Settle(counter);
        fish.m_nTargetHeading = 180;
        int frame = 0, reachedAt = 0;
        while (reachedAt == 0) {  // the new target clears the reached flag in the first call
            ASSERT_LT(++frame, 40);
            const std::vector<float> out = Step();
            if (fish.m_bBendReached) {
                reachedAt = frame;
                break;
            }
            for (int i = 0; i < kSegments; ++i) {
                EXPECT_FLOAT_EQ(out[i], fish.m_fHeading - 20.0f * i) << "frame " << frame << " segment " << i;
                EXPECT_EQ(fish.m_nBendAngle[i], static_cast<int>(out[i]));
            }
        }
        EXPECT_EQ(reachedAt, 27 - counter);
        EXPECT_FLOAT_EQ(fish.m_fHeading, 180.0f);

        // The tail was 280 degrees behind; it catches up at 20 degrees a frame.
        int settleFrames = 0;
        std::vector<float> out;
        while (!fish.m_bBendSettled) {
            ASSERT_LT(++settleFrames, 40);
            out = Step();
        }
        // The tail stood at -120 and moved once in the reaching call; it arrives
        // 14 frames later, and the flag is set one frame after that.
        EXPECT_EQ(settleFrames, 15);
        for (float a : out)
            EXPECT_FLOAT_EQ(a, 180.0f);
        for (int i = 0; i < kSegments; ++i)
            EXPECT_EQ(fish.m_nBendAngle[i], 180);
    }
}

TEST_F(BendTest, TurningBackToZeroTheBodyLeadsTheOtherWay)
{
    Settle(2);
    fish.m_fHeading = 180;
    fish.m_fLastTarget = 180;
    fish.m_nTargetHeading = 0;
    const std::vector<float> out = Step();  // steps at once: 160
    EXPECT_FLOAT_EQ(fish.m_fHeading, 160.0f);
    EXPECT_FLOAT_EQ(out[14], 160.0f + 280.0f);
}

TEST_F(BendTest, AtAnXWallTheWholeFishComesRoundAtOnce)
{
    Settle(0);
    fish.m_nTargetHeading = 180;
    fish.m_nWallState = 1;
    const std::vector<float> out = Step();
    EXPECT_FLOAT_EQ(fish.m_fHeading, 180.0f);
    for (int i = 0; i < kSegments; ++i) {
        EXPECT_FLOAT_EQ(out[i], 180.0f) << i;
        EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
    }
    EXPECT_EQ(fish.m_bBendReached, 0);  // only at the next heading step
    Step();
    EXPECT_EQ(fish.m_bBendReached, 0);
    Step();
    EXPECT_EQ(fish.m_bBendReached, 1);
}

TEST_F(BendTest, DrawsOneValueAndOneMoreWhileTheSegmentsCatchUp)
{
    Settle(0);
    EXPECT_EQ(RandDraws([&] { Step(); }), 1);  // settled
    Settle(2);
    fish.m_nTargetHeading = 180;
    EXPECT_EQ(RandDraws([&] { Step(); }), 1);  // turning
    fish.m_fHeading = 160;
    fish.m_nBendCounter = 2;
    EXPECT_EQ(RandDraws([&] { Step(); }), 2);  // reached in this call: the segments move
    EXPECT_EQ(RandDraws([&] { Step(); }), 2);
}

TEST_F(BendTest, ANewTargetRestartsTheBend)
{
    Settle(0);
    fish.m_nTargetHeading = 180;
    Step();
    EXPECT_FLOAT_EQ(fish.m_fLastTarget, 180.0f);
    fish.m_bBendReached = fish.m_bBendSettled = 1;
    fish.m_nTargetHeading = 0;
    Step();
    EXPECT_FLOAT_EQ(fish.m_fLastTarget, 0.0f);
    EXPECT_EQ(fish.m_bBendSettled, 0);
}

}  // namespace
