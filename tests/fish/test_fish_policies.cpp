// Class policies: where a class leaves the template's way, each told by its
// description and tried on a small class of the tests' own.
#include "fish/fish_model.h"
#include "gfx/matrix.h"
#include "fish_test_util.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace fishdef;

constexpr FishWave kWaves[] = {{0, 0, 0.2f, 0.01f, 0.5f}, {0, 0, 0.3f, 0.02f, 0.5f}};
constexpr FishVertex kSheet[2][2] = {{{0, 0, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 1, 0}},
                                     {{0, 0, 1, 0, 0, 1, 0, 1}, {1, 0, 1, 0, 0, 1, 1, 1}}};
constexpr WaveGen kBendOnly[] = {{.kind = WaveKind::Bend, .array = 0, .count = 4}};
constexpr SwimStyleRow kStyle[] = {{1, 0.5f, 0.1f, true, 0.2f, true}};
constexpr GridPart kParts[] = {
    {.name = "a", .mesh = MeshOf(kSheet), .turn = At(0, 0)},
    {.name = "b", .mesh = MeshOf(kSheet), .mirror = Mirror::Halves, .turn = At(0, 0), .hiddenInVariants = VariantMask({2})},
    {.name = "c", .mesh = MeshOf(kSheet), .turn = At(0, 0)},
};
constexpr FishClass kTemplateWay = {.name = "template", .segments = 4, .waves = kWaves, .swimStyle = kStyle,
                                    .plan = kBendOnly, .parts = kParts};

template <const FishClass& C>
class CFishOf : public CFishModel {
public:
    CFishOf() : CFishModel(C)
    {
        SetSwimBox(-50, 50, 3, -22, -75, -80);
        m_fPos[2] = -75;
    }
    void Draw(int variant) { DrawFrame(variant); }
};

constexpr FishClass Policy(FishClass c)
{
    c.waves = kWaves;
    c.segments = 4;
    c.swimStyle = kStyle;
    c.plan = kBendOnly;
    c.parts = kParts;
    return c;
}

constexpr FishClass kLeavesSpeed = Policy({.name = "leaves its speed", .approachesSpeed = false});
constexpr FishClass kQuietStyle = Policy({.name = "quiet style", .swimStyleDraws = false});
constexpr FishClass kTwoDraws = Policy({.name = "two draws", .headingDraws = 2});
constexpr FishClass kWholeDegrees = Policy({.name = "whole degrees", .wholeDegreePitch = true});

TEST(FishPolicies, SpeedStyleHeadingAndPitchOperationsFollowTheClass)
{
    CFishOf<kTemplateWay> plain;
    CFishOf<kLeavesSpeed> steady;
    for (CFishModel* f : {static_cast<CFishModel*>(&plain), static_cast<CFishModel*>(&steady)}) {
        f->m_fSpeed = 0.2f;
        f->ApproachSpeed(0.05f, 0.3f);
    }
    EXPECT_FLOAT_EQ(plain.m_fSpeed, 0.05f);
    EXPECT_FLOAT_EQ(steady.m_fSpeed, 0.2f) << "its own approach leaves the speed";

    CFishOf<kQuietStyle> quiet;
    EXPECT_EQ(RandDraws([&] { plain.SetSwimStyle(0.1f, 0, 0, 0); }), 1);
    EXPECT_EQ(RandDraws([&] { quiet.SetSwimStyle(0.1f, 0, 0, 0); }), 0);
    EXPECT_FLOAT_EQ(quiet.m_Wave[1].amplitude, 0.15f) << "the rows are set all the same";

    // Mode 0: the lowest bit of the one draw, or of the second of two.
    CFishOf<kTwoDraws> twice;
    for (unsigned seed = 1; seed < 40; ++seed) {
        EXPECT_EQ(RandDraws([&] { plain.TurnHeading(0, false, 0); }, seed), 1);
        EXPECT_EQ(plain.m_nTargetHeading, (RandValue(0, seed) & 1) ? 180 : 0);
        EXPECT_EQ(RandDraws([&] { twice.TurnHeading(0, false, 0); }, seed), 2);
        EXPECT_EQ(twice.m_nTargetHeading, (RandValue(1, seed) & 1) ? 180 : 0) << seed;
    }

    CFishOf<kWholeDegrees> whole;
    struct Case {
        float pitch, step;
        bool up;
        float plainAfter, wholeAfter;
    } cases[] = {{10, 0.5f, true, 10.5f, 10}, {10, 0.5f, false, 9.5f, 9}, {-10, 0.5f, true, -9.5f, -9},
                 {89, 2, true, 89, 89}, {40, 10, true, 45, 45}};
    for (const Case& c : cases) {
        plain.m_fPitch = whole.m_fPitch = c.pitch;
        plain.TurnPitch(c.step, c.up, 7);
        whole.TurnPitch(c.step, c.up, 7);
        EXPECT_FLOAT_EQ(plain.m_fPitch, c.plainAfter) << c.pitch << " " << c.step;
        EXPECT_FLOAT_EQ(whole.m_fPitch, c.wholeAfter) << c.pitch << " " << c.step;
    }
}

constexpr FishClass kDegreeInDouble =
    Policy({.name = "degree in double", .degree = kRadiansPerDegree, .degreeInDouble = true});

// The tilt's axis takes the heading in radians: by default through the float
// degree constant in float arithmetic, or through DegToRad's double constant
// in double arithmetic where the class says so.
TEST(FishPolicies, TheTiltTakesTheHeadingThroughTheClasssDegreeConstant)
{
    CFishOf<kTemplateWay> plain;
    CFishOf<kDegreeInDouble> exact;
    int differ = 0;
    for (float heading = -360.0f; heading <= 360.0f; heading += 7.25f) {
        plain.m_fHeading = exact.m_fHeading = heading;
        float s = 0, c = 0;
        plain.HeadingSinCos(s, c);
        const float h = heading * 0.017453292f;
        EXPECT_EQ(s, std::sin(h)) << heading;
        EXPECT_EQ(c, std::cos(h)) << heading;
        exact.HeadingSinCos(s, c);
        EXPECT_EQ(s, static_cast<float>(std::sin(DegToRad(heading)))) << heading;
        EXPECT_EQ(c, static_cast<float>(std::cos(DegToRad(heading)))) << heading;
        differ += s != std::sin(h) || c != std::cos(h);
    }
    EXPECT_GT(differ, 0) << "the two constants are not the same number";
    EXPECT_EQ(DegToRad(1.0), kRadiansPerDegree);
}

constexpr FishClass kNoWander = Policy({.name = "no wander", .tilt = FishTilt::None, .wanders = false});
constexpr FishClass kSkipsWhenHit = Policy({.name = "skips when hit", .skipsWhenHit = true});

TEST(FishPolicies, ALevelFishThatNeverWandersNeitherEasesItsPitchNorCountsItsTimer)
{
    CFishOf<kTemplateWay> plain;
    CFishOf<kNoWander> level;
    for (CFishModel* f : {static_cast<CFishModel*>(&plain), static_cast<CFishModel*>(&level)}) {
        f->m_fPitch = 20;
        f->m_nWanderTimer = 301;
    }
    EXPECT_GT(RandDraws([&] { plain.Draw(0); }), 3) << "the bend's draw, the drift's two and the wander decision";
    EXPECT_EQ(RandDraws([&] { level.Draw(0); }), 3) << "only the bend's draw and the drift's two";
    EXPECT_FLOAT_EQ(plain.m_fShownPitch, 1.0f);
    EXPECT_FLOAT_EQ(level.m_fShownPitch, 0.0f);
    EXPECT_EQ(level.m_nWanderTimer, 301);
    EXPECT_GT(level.m_fPos[1], 0.0f) << "it still climbs by its target pitch";
}

TEST(FishPolicies, AClassThatSkipsWhenHitDoesNothingAtAll)
{
    VertexRecorder recorder;
    CFishOf<kSkipsWhenHit> fish;
    fish.m_bHit = 1;
    const CFishOf<kSkipsWhenHit> before = fish;
    EXPECT_EQ(RandDraws([&] { fish.Draw(3); }), 0);
    EXPECT_TRUE(recorder.primitives.empty());
    EXPECT_EQ(fish.m_nDrawVariant, before.m_nDrawVariant);
    EXPECT_EQ(fish.m_nBendCounter, before.m_nBendCounter);
    EXPECT_EQ(fish.m_fPos[2], before.m_fPos[2]);
    fish.m_bHit = 0;
    fish.Draw(3);
    EXPECT_FALSE(recorder.primitives.empty());
    EXPECT_EQ(fish.m_nDrawVariant, 3);
}

constexpr FishClass kIgnoresAlive = Policy({.name = "ignores alive"});
constexpr FishClass kEmptyStrips = Policy({.name = "empty strips", .alive = AliveRule::EmptyStrips});
constexpr FishClass kNothing = Policy({.name = "nothing", .alive = AliveRule::Nothing});

TEST(FishPolicies, WhatAFishThatIsNotAliveEmits)
{
    struct Case {
        const char* name;
        std::function<void()> draw;
        size_t primitives, vertices;
    };
    CFishOf<kIgnoresAlive> ignores;
    CFishOf<kEmptyStrips> empty;
    CFishOf<kNothing> nothing;
    Case cases[] = {
        {"ignored", [&] { ignores.Draw(0); }, 4, 16},
        {"empty strips", [&] { empty.Draw(0); }, 4, 0},
        {"nothing", [&] { nothing.Draw(0); }, 0, 0},
    };
    for (CFishModel* f : {static_cast<CFishModel*>(&ignores), static_cast<CFishModel*>(&empty),
                          static_cast<CFishModel*>(&nothing)})
        f->m_bAlive = 0;
    for (const Case& c : cases) {
        VertexRecorder recorder;
        c.draw();
        EXPECT_EQ(recorder.primitives.size(), c.primitives) << c.name;
        EXPECT_EQ(recorder.VertexCount(), c.vertices) << c.name;
    }
    EXPECT_NE(nothing.m_fPos[0], 0.0f) << "it still moves";
    EXPECT_FLOAT_EQ(nothing.m_fHitBox[0], nothing.m_fPos[0]) << "and keeps its hit box (a body of no length)";
}

// A program per variant: its own parts, in its own order, with matrix steps;
// the variants outside the drawn set draw nothing but the fish still swims.
constexpr DrawStep kFanned[] = {Push(), Scale(1.5f, 1, 1), Part(2), Pop(), Part(0), Push(), Rotate(30, 0, 1, 0),
                                Part(0), Pop()};
constexpr VariantProgram kPrograms[] = {{VariantMask({4, 5}), kFanned}};
constexpr FishClass kWithPrograms = Policy(
    {.name = "programs", .programs = kPrograms, .drawnVariants = VariantMask({0, 1, 2, 3, 4, 5}), .otherVariantsDraw = false});

TEST(FishPolicies, EachVariantDrawsItsProgramOrNothing)
{
    CFishOf<kWithPrograms> fish;
    struct Case {
        int variant;
        std::vector<size_t> strips;  // vertices per strip: a and c 4, b 4 and 4 (halves)
    } cases[] = {
        {0, {4, 4, 4, 4}},  // a, b, b mirrored, c
        {2, {4, 4}},        // b hidden
        {4, {4, 4, 4}},     // c, a, a
        {6, {}},
        {-1, {}},
        {40, {}},
    };
    for (const Case& c : cases) {
        VertexRecorder recorder;
        const float x = fish.m_fPos[0];
        fish.Draw(c.variant);
        std::vector<size_t> strips;
        for (const RecordedPrimitive& p : recorder.primitives)
            strips.push_back(p.vertices.size());
        EXPECT_EQ(strips, c.strips) << "variant " << c.variant;
        EXPECT_NE(fish.m_fPos[0], x) << "variant " << c.variant << " still moves the fish";
    }
}

// A step before the generators: here the heading is kept within one turn, and
// the bend of the same frame sees it.
constexpr FishClass kClampsHeading = Policy({.name = "clamps heading", .beforePlan = [](CFishModel& f) {
                                                 f.m_fHeading = std::clamp(f.m_fHeading, -360.0f, 360.0f);
                                             }});

TEST(FishPolicies, AStepBeforeThePlanRunsFirst)
{
    VertexRecorder recorder;
    CFishOf<kClampsHeading> fish;
    fish.m_fHeading = 400;
    fish.m_nTargetHeading = 180;
    fish.m_fLastTarget = 180;
    fish.Draw(0);
    // The bend (lag 20) saw 360, above its target of 180: segment 0 shows 360.
    EXPECT_FLOAT_EQ(fish.m_nBendAngle[0], 360);
    EXPECT_FLOAT_EQ(fish.m_nBendAngle[1], 380);
}

}  // namespace
