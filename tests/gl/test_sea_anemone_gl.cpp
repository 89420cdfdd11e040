// The sea anemone with a real GL context: every stalk of its three fans
// rises from the anemone's centre, and the draw leaves the caller's matrix.
#include "gl/scenery_gl_fixture.h"
#include "scenery/sea_anemone.h"

#include <GL/glew.h>

#include <gtest/gtest.h>

namespace {

class SeaAnemoneGLTest : public SceneryGLTest {
protected:
    void SetUp() override
    {
        SceneryGLTest::SetUp();
        g_AnemoneSway = {};
    }
    void TearDown() override
    {
        g_AnemoneSway = {};
        SceneryGLTest::TearDown();
    }
};

TEST_F(SeaAnemoneGLTest, EveryStalkRisesFromItsCentre)
{
    CSeaAnemone a;
    a.Init(55.5f, 52.4f, 58.05f, 0, 0, 0);
    // A phase at which the base ring's offset is 0: sin(2 x 0.7853981 + phase) = 0.
    g_AnemoneSway.m_fPhase = 6.283185f - 2 * 0.7853981f;
    EyeRecorder eye;
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    const auto before = Modelview();
    a.Draw();
    EXPECT_EQ(Modelview(), before);
    ASSERT_EQ(eye.points.size(), 540u * 16);
    for (size_t stalk = 0; stalk < 540; ++stalk) {
        const auto& base = eye.points[stalk * 16 + 8 + 1];  // second strip, base ring's first point
        EXPECT_NEAR(base[0], 1, 1e-3f) << stalk;
        EXPECT_NEAR(base[1], 2, 1e-3f) << stalk;
        EXPECT_NEAR(base[2], 3, 1e-3f) << stalk;
    }
}

}  // namespace
