// The strand plant with a real GL context: the turns its draw leaves on the
// caller's matrix, and the bulb placed by the letter keys' tuning values.
#include "gl/scenery_gl_fixture.h"
#include "scenery/strand_plant.h"

#include <GL/glew.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

class StrandPlantGLTest : public SceneryGLTest {
protected:
    void SetUp() override
    {
        SceneryGLTest::SetUp();
        ResetTuning();
    }
    void TearDown() override
    {
        ResetTuning();
        SceneryGLTest::TearDown();
    }
    static void ResetTuning()
    {
        for (int i = 0; i < 3; ++i)
            g_fTuneRot[i] = g_fTuneOffset[i] = 0.0f;
    }
};

// v turned by degrees about x, then about y (as glRotatef about y then x applies them).
std::array<double, 3> TurnedXThenY(std::array<double, 3> v, double degreesX, double degreesY)
{
    const double a = degreesX * 3.14159265358979 / 180, b = degreesY * 3.14159265358979 / 180;
    const std::array<double, 3> x = {v[0], v[1] * std::cos(a) - v[2] * std::sin(a), v[1] * std::sin(a) + v[2] * std::cos(a)};
    return {x[0] * std::cos(b) + x[2] * std::sin(b), x[1], -x[0] * std::sin(b) + x[2] * std::cos(b)};
}

TEST_F(StrandPlantGLTest, DrawLeavesItsFirstTurnsOnTheCallersMatrix)
{
    CStrandPlant p;
    struct Case {
        int mode;
        float turns[3][4];  // the turns the mode leaves, in order
    };
    const Case cases[] = {
        {0, {{-180, 1, 0, 0}, {135, 0, 1, 0}, {20, 0, 0, 1}}},
        {1, {{-45, 0, 1, 0}, {-15, 1, 0, 0}, {0, 0, 0, 1}}},
        {2, {{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}}},
    };
    for (const Case& c : cases) {
        EyeRecorder eye;
        glLoadIdentity();
        glTranslatef(1, 2, 3);
        const GLint depth = ModelviewDepth();
        p.Draw(c.mode);
        EXPECT_EQ(ModelviewDepth(), depth) << "mode " << c.mode;
        const auto left = Modelview();
        glLoadIdentity();
        glTranslatef(1, 2, 3);
        for (const auto& t : c.turns)
            glRotatef(t[0], t[1], t[2], t[3]);
        const auto want = Modelview();
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(left[i], want[i], 1e-5f) << "mode " << c.mode << " element " << i;
    }
}

TEST_F(StrandPlantGLTest, TuningOffsetsMoveTheBulbTheThirdAlongXTheFirstAlongZ)
{
    CStrandPlant p;
    auto bulb = [&] {
        EyeRecorder eye;
        glLoadIdentity();
        p.Draw(1);
        return eye.points;
    };
    const auto still = bulb();
    ASSERT_EQ(still.size(), 8u * 22);
    struct Case {
        int offset;
        std::array<double, 3> along;  // the move of one unit of offset, before the two turns
    };
    // Scaled (2.5, 2, 2), then turned -15 about x and -45 about y.
    for (const Case& c : {Case{0, {0, 0, 2}}, Case{1, {0, 2, 0}}, Case{2, {2.5, 0, 0}}}) {
        g_fTuneOffset[c.offset] = 0.5f;
        const auto moved = bulb();
        g_fTuneOffset[c.offset] = 0.0f;
        const auto want = TurnedXThenY({c.along[0] * 0.5, c.along[1] * 0.5, c.along[2] * 0.5}, -15, -45);
        for (size_t v = 0; v < still.size(); v += 37)
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(moved[v][i] - still[v][i], want[i], 1e-4) << "offset " << c.offset << " vertex " << v;
    }
}

}  // namespace
