// The template's small shared operations: speed, heading and pitch turns,
// size, the part matrix and the vertex emitter.
#include "fish/fish_species23.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(FishApproachSpeed, MovesByOneStepAndStaysInsideTheSpeedRange)
{
    struct Case {
        float speed, step, target, expected;
    } cases[] = {
        {0.05f, 0.05f, 0.4f, 0.05f},     // a target above 0.05 acts as 0.05
        {0.05f, 0.1f, 0.025f, 0.025f},   // 0.05 - 0.1, clamped up
        {0.03f, 0.01f, 0.1f, 0.04f},     // one step up
        {0.045f, 0.01f, 0.1f, 0.05f},    // not past the ceiling
        {0.04f, 0.005f, 0.03f, 0.035f},  // one step down
        {0.1f, 0.01f, 0.1f, 0.05f},      // a fish born above the ceiling is brought under it
        {0.0f, 0.001f, 0.0f, 0.025f},    // and one below the floor above it
    };
    CFishSpecies23 fish;
    for (const Case& c : cases) {
        fish.m_fSpeed = c.speed;
        fish.ApproachSpeed(c.step, c.target);
        EXPECT_NEAR(fish.m_fSpeed, c.expected, 1e-6) << c.speed << " " << c.step << " " << c.target;
    }
}

TEST(FishTurnPitch, EachModeChangesThePitchItsWayThenClamps)
{
    struct Case {
        float pitch, step;
        bool up;
        int mode;
        float expected;
    } cases[] = {
        {30, 0, false, 3, -30},   // negated
        {45, 50, true, 7, 45},    // 45 + 50 exceeds 90: returns at once
        {45, 30, true, 7, 45},    // 75, clamped to 45
        {-80, 20, false, 7, -80}, // -100 is below -90: unchanged, left outside -45..45
        {10, 5, false, 7, 5},
        {10, 0, true, 5, 11},
        {-45, 0, false, 5, -45},  // -46 clamped
        {10, 0, true, 2, 10},     // other modes change nothing
        {60, 0, true, 4, 45},     // but still clamp
    };
    CFishSpecies23 fish;
    for (const Case& c : cases) {
        fish.m_fPitch = c.pitch;
        fish.TurnPitch(c.step, c.up, c.mode);
        EXPECT_FLOAT_EQ(fish.m_fPitch, c.expected) << "pitch " << c.pitch << " mode " << c.mode;
    }
}

TEST(FishTurnPitch, ModeZeroTurnsBackTowardLevelByFifteenToTwentyNine)
{
    CFishSpecies23 fish;
    for (float pitch : {40.0f, 0.0f, -10.0f}) {
        fish.m_fPitch = pitch;
        const int r = 15 + RandValue(0, 7) % 15;
        crt::srand(7);
        fish.TurnPitch(0, false, 0);
        const float expected = std::clamp(pitch > 0 ? pitch - r : pitch + r, -45.0f, 45.0f);
        EXPECT_FLOAT_EQ(fish.m_fPitch, expected) << pitch;
    }
    EXPECT_EQ(RandDraws([&] { fish.TurnPitch(0, false, 0); }), 1);
    EXPECT_EQ(RandDraws([&] { fish.TurnPitch(0, false, 3); }), 0);
}

TEST(FishTurnHeading, RandomFlipOrNothingThenClamped)
{
    CFishSpecies23 fish;
    for (int mode : {2, 4, 7}) {
        fish.m_nTargetHeading = 180;
        fish.TurnHeading(1.0f, true, mode);
        EXPECT_EQ(fish.m_nTargetHeading, 180) << mode;
    }
    fish.TurnHeading(0, false, 1);
    EXPECT_EQ(fish.m_nTargetHeading, 0);
    fish.TurnHeading(0, false, 1);
    EXPECT_EQ(fish.m_nTargetHeading, 180);
    fish.m_nTargetHeading = 90;  // neither 0 nor 180: mode 1 leaves it
    fish.TurnHeading(0, false, 1);
    EXPECT_EQ(fish.m_nTargetHeading, 90);
    fish.m_nTargetHeading = 300;  // out of range: clamped
    fish.TurnHeading(0, false, 3);
    EXPECT_EQ(fish.m_nTargetHeading, 180);

    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        const int expected = (RandValue(0, seed) & 1) ? 180 : 0;
        crt::srand(seed);
        fish.TurnHeading(0, false, 0);
        EXPECT_EQ(fish.m_nTargetHeading, expected) << seed;
    }
    EXPECT_EQ(RandDraws([&] { fish.TurnHeading(0, false, 0); }), 1);
    EXPECT_EQ(RandDraws([&] { fish.TurnHeading(0, false, 1); }), 0);
}

TEST(FishChangeSize, WholeSizesKeptInFourToEight)
{
    struct Case {
        int size;
        float amount;
        bool grow;
        int expected;
    } cases[] = {{8, 1, true, 8}, {4, 1, false, 4}, {5, 1, true, 6}, {5, 1.9f, true, 6}, {6, 1.5f, false, 4},
                 {7, 10, false, 4}, {5, 0.5f, false, 4}};
    CFishSpecies23 fish;
    for (const Case& c : cases) {
        fish.m_nSize = c.size;
        fish.ChangeSize(c.amount, c.grow);
        EXPECT_EQ(fish.m_nSize, c.expected) << c.size << (c.grow ? " + " : " - ") << c.amount;
    }
}

TEST(FishPartMatrix, SetPartRotationReplacesTheMatrix)
{
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    CFishSpecies23 fish;
    fish.SetPartRotation(0, 0, 0, 1);
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(fish.m_fPartMatrix[i], identity[i]) << i;
    fish.m_fPartMatrix[12] = 7.0f;
    fish.SetPartRotation(33, 0, 0, 0);  // no axis
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(fish.m_fPartMatrix[i], identity[i]) << i;

    fish.SetPartRotation(90, 0, 0, 2);  // the axis is normalised
    EXPECT_NEAR(fish.m_fPartMatrix[0], 0.0f, 1e-6);
    EXPECT_NEAR(fish.m_fPartMatrix[1], 1.0f, 1e-6);
    EXPECT_NEAR(fish.m_fPartMatrix[4], -1.0f, 1e-6);
    EXPECT_NEAR(fish.m_fPartMatrix[5], 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(fish.m_fPartMatrix[10], 1.0f);
}

TEST(FishEmitVertex, TransformsThePointOnlyAndSendsNormalAndTextureAsGiven)
{
    VertexRecorder recorder;
    CFishSpecies23 fish;
    fish.SetPartRotation(90, 0, 0, 1);
    fish.m_fPartMatrix[12] = 10.0f;  // a translation is applied too
    recorder.Begin(GL_QUAD_STRIP);
    fish.EmitVertex(1, 2, 3, 0.6f, 0.8f, 0, 0.25f, 0.75f);
    recorder.End();
    ASSERT_EQ(recorder.VertexCount(), 1u);
    const RecordedVertex& v = recorder.primitives[0].vertices[0];
    EXPECT_NEAR(v.position[0], 10.0f - 2.0f, 1e-5);
    EXPECT_NEAR(v.position[1], 1.0f, 1e-5);
    EXPECT_NEAR(v.position[2], 3.0f, 1e-5);
    EXPECT_EQ(v.normal, (std::array<float, 3>{0.6f, 0.8f, 0.0f}));
    EXPECT_EQ(v.texCoord, (std::array<float, 2>{0.25f, 0.75f}));
}

}  // namespace
