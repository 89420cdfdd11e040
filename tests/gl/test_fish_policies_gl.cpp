// How a class's Draw stands its model up, read from the modelview matrix that
// its parts see: the template's tilt, no tilt, an extra quarter turn, and the
// matrix steps of a variant's program.
#include "fish/fish_model.h"
#include "gl/fish_gl_fixture.h"

#include <GL/glew.h>

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace fishdef;
using Vec = std::array<float, 3>;

// The modelview of every part, as it starts to draw.
std::vector<std::array<float, 16>> g_seen;
void Look(CFishModel&)
{
    std::array<float, 16> m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    g_seen.push_back(m);
}

Vec Apply(const std::array<float, 16>& m, Vec p)
{
    return {m[0] * p[0] + m[4] * p[1] + m[8] * p[2], m[1] * p[0] + m[5] * p[1] + m[9] * p[2],
            m[2] * p[0] + m[6] * p[1] + m[10] * p[2]};
}

constexpr FishWave kWave[] = {{}};
constexpr FishVertex kPoint[2][1] = {};
constexpr GridPart kLooking[] = {{.name = "look", .mesh = MeshOf(kPoint), .before = Look},
                                 {.name = "look again", .mesh = MeshOf(kPoint), .before = Look}};
constexpr DrawStep kScaledFirst[] = {Push(), Scale(2, 1, 1), Part(0), Pop(), Part(1)};
constexpr VariantProgram kPrograms[] = {{VariantMask({1}), kScaledFirst}};

constexpr FishClass Standing(FishClass c)
{
    c.segments = 1;
    c.waves = kWave;
    c.parts = kLooking;
    c.programs = kPrograms;
    c.drift = false;
    c.wanders = false;
    return c;
}
constexpr FishClass kTilting = Standing({.name = "tilting"});
constexpr FishClass kLevel = Standing({.name = "level", .tilt = FishTilt::None});
constexpr FishClass kQuarterTurn = Standing({.name = "quarter turn", .extraYaw = 90});

template <const FishClass& C>
class CFishOf : public CFishModel {
public:
    CFishOf() : CFishModel(C) {}
};

class FishPolicyGLTest : public FishGLFixture {
protected:
    // Draws the fish at the identity and returns what its first part saw.
    std::vector<std::array<float, 16>> Seen(CFishModel& fish, int variant = 0)
    {
        g_seen.clear();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        GLint depth = 0, after = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        fish.DrawFrame(variant);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after);
        EXPECT_EQ(after, depth) << "the matrix stack as it was";
        return g_seen;
    }
};

void ExpectNear(const Vec& a, const Vec& b, const char* what)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], 1e-5) << what << " axis " << k;
}

TEST_F(FishPolicyGLTest, DrawStandsTheModelUpTurnsAndTiltsItByItsClass)
{
    // Mesh x along the body, y across, z up; the tank's y is up.
    CFishOf<kLevel> level;
    level.m_fShownPitch = 30;  // ignored
    level.m_fPitch = 30;
    std::vector<std::array<float, 16>> seen = Seen(level);
    ASSERT_EQ(seen.size(), 2u);
    ExpectNear(Apply(seen[0], {1, 0, 0}), {1, 0, 0}, "level: along the body");
    ExpectNear(Apply(seen[0], {0, 0, 1}), {0, 1, 0}, "level: mesh z is up");
    EXPECT_EQ(level.m_fShownPitch, 30) << "no easing";

    // A quarter turn before the tilt: (x, y, z) lands at (-y, z, -x).
    CFishOf<kQuarterTurn> turned;
    seen = Seen(turned);
    ExpectNear(Apply(seen[0], {1, 0, 0}), {0, 0, -1}, "quarter turn: x");
    ExpectNear(Apply(seen[0], {0, 1, 0}), {-1, 0, 0}, "quarter turn: y");
    ExpectNear(Apply(seen[0], {0, 0, 1}), {0, 1, 0}, "quarter turn: z");

    // The template's tilt: the drawn pitch eases a degree and lifts the head
    // (heading 0: the head toward falling x).
    CFishOf<kTilting> tilting;
    tilting.m_fPitch = 30;
    tilting.m_fShownPitch = 9;
    seen = Seen(tilting);
    EXPECT_EQ(tilting.m_fShownPitch, 10);
    const double p = 10 * 3.14159265358979 / 180;
    ExpectNear(Apply(seen[0], {-1, 0, 0}), {float(-std::cos(p)), float(std::sin(p)), 0}, "tilting: the head rises");
}

TEST_F(FishPolicyGLTest, AVariantsProgramScalesInsideItsOwnPushAndPop)
{
    CFishOf<kLevel> fish;
    const std::vector<std::array<float, 16>> seen = Seen(fish, 1);
    ASSERT_EQ(seen.size(), 2u);
    ExpectNear(Apply(seen[0], {1, 0, 0}), {2, 0, 0}, "scaled inside the push");
    ExpectNear(Apply(seen[1], {1, 0, 0}), {1, 0, 0}, "and no more after the pop");
}

}  // namespace
