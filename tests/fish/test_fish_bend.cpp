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

// Between a wall snap and the next heading step the head already shows the
// target but the turn is not yet reached: the body keeps facing the target
// (it once fell back to heading 0 for a frame or two and then swept round).
TEST_F(BendTest, AfterAWallSnapTheBodyKeepsFacingTheNewTarget)
{
    Settle(0);
    fish.m_nTargetHeading = 180;
    fish.m_nWallState = 1;
    Step();
    fish.m_nWallState = 0;  // the fish has left the wall
    for (int frame = 1; frame <= 4; ++frame) {
        const std::vector<float> out = Step();
        for (int i = 0; i < kSegments; ++i) {
            EXPECT_FLOAT_EQ(out[i], 180.0f) << "frame " << frame << " segment " << i;
            EXPECT_EQ(fish.m_nBendAngle[i], 180);
        }
    }
    EXPECT_EQ(fish.m_bBendReached, 1);
    EXPECT_EQ(fish.m_bBendSettled, 1);
}

// A class whose heading steps by the size of the target (10, 3 or 1 degrees),
// with no lag along the body and a settling step of 2 (10 while held).
constexpr FishWave kNoWaves[] = {{}};
constexpr FishClass kStepBySize = {
    .name = "steps by size",
    .segments = 17,
    .waves = kNoWaves,
    .bend = {.stepBySize = true, .noWanderStep = 10, .wallStepIsTarget = true, .lag = 0, .settleStep = 2,
             .noWanderSettleStep = 10},
};
class CStepBySizeFish : public CFishModel {
public:
    CStepBySizeFish() : CFishModel(kStepBySize) {}
};

TEST(FishBendRule, TheHeadingStepsByTheSizeOfTheTargetAndTheBodyTurnsAsOnePiece)
{
    struct Case {
        float from;
        int target;
        bool held;  // m_bNoWander
        int steps;
    } cases[] = {
        {0, 180, false, 18},   // steps of 10
        {180, 0, false, 180},  // steps of 1
        {180, 0, true, 18},    // held: steps of 10
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.target << (c.held ? ", held" : ""));
        CStepBySizeFish fish;
        fish.m_fHeading = c.from;
        fish.m_fLastTarget = c.from;
        fish.m_bBendReached = fish.m_bBendSettled = 1;
        fish.m_nTargetHeading = c.target;
        fish.m_bNoWander = c.held;
        int calls = 0;
        std::vector<float> out(17);
        while (!fish.m_bBendReached || calls == 0) {
            ASSERT_LT(++calls, 3 * 200);
            std::fill(out.begin(), out.end(), 0.0f);
            fish.ComputeBendToHeading(out.data(), 17, static_cast<float>(c.target));
            if (!fish.m_bBendReached) {
                for (float a : out)
                    ASSERT_FLOAT_EQ(a, fish.m_fHeading) << "no segment lags";
            }
        }
        EXPECT_EQ(calls, 3 * c.steps);
        EXPECT_FLOAT_EQ(fish.m_fHeading, static_cast<float>(c.target));
        // The segments stood one step short; now they catch up 2 (held: 10)
        // degrees a call.
        const int settle = c.held ? 10 : 2;
        const int stepSize = c.held ? 10 : (c.target >= 10 ? 10 : 1);
        const float sign = c.target > c.from ? 1.0f : -1.0f;
        const float start = c.target - sign * stepSize;
        EXPECT_FLOAT_EQ(out[16], std::abs(c.target - start) <= settle ? c.target : start + sign * settle);
    }
}

TEST(FishBendRule, AtAnXWallTheStepIsTheTargetItself)
{
    CStepBySizeFish fish;
    fish.m_nTargetHeading = 180;
    fish.m_nBendCounter = 2;  // the heading steps in this call
    fish.m_nWallState = 2;
    std::vector<float> out(17);
    fish.ComputeBendToHeading(out.data(), 17, 180.0f);
    EXPECT_FLOAT_EQ(fish.m_fHeading, 180.0f);
    EXPECT_EQ(fish.m_bBendReached, 1) << "reached in the same call, so the body does not snap";
    EXPECT_FLOAT_EQ(out[0], 2.0f) << "the segments catch up 2 degrees a call";
    EXPECT_EQ(RandDraws([&] { fish.ComputeBendToHeading(out.data(), 17, 180.0f); }), 2)
        << "a draw per call and one more while the segments catch up, as the template";
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
