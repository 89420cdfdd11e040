// The fog of the tank's passes: the environment pass and the fish pass each
// set the density from the fog setting (0.0005 a step, 0 to 100) and leave
// the exponential fog on.
#include "gl/tank_window.h"
#include "settings/settings.h"

#include <GL/glew.h>

#include <functional>

namespace {

class FogGL : public TankWindowTest {
protected:
    void TearDown() override
    {
        g_Settings.g_nFogDensity = saved;
        TankWindowTest::TearDown();
    }
    const int saved = g_Settings.g_nFogDensity;
};

TEST_F(FogGL, EachPassSetsTheDensityOfTheSetting)
{
    OpenTank({{23, 1}}, {});
    struct Pass {
        const char* name;
        std::function<void()> run;
    };
    const Pass passes[] = {
        {"environment", [&] { View().DrawEnvironment(); }},
        {"fish", [&] {
             View().BeginFishPass(TRUE);
             View().EndFishPass(TRUE);
         }},
    };
    for (const Pass& pass : passes) {
        for (const int setting : {0, 1, 7, 40, 99, 100}) {
            SCOPED_TRACE(testing::Message() << pass.name << " pass, fog " << setting);
            g_Settings.g_nFogDensity = setting;
            glFogf(GL_FOG_DENSITY, 0.9f);
            glDisable(GL_FOG);
            pass.run();
            GLfloat density = -1;
            glGetFloatv(GL_FOG_DENSITY, &density);
            EXPECT_FLOAT_EQ(density, setting / 2000.0f);
            EXPECT_TRUE(glIsEnabled(GL_FOG));
            GLint mode = 0;
            glGetIntegerv(GL_FOG_MODE, &mode);
            EXPECT_EQ(mode, GL_EXP);
            EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        }
    }
    // The strongest fog: 100 steps make 0.05.
    g_Settings.g_nFogDensity = 100;
    View().DrawEnvironment();
    GLfloat strongest = 0;
    glGetFloatv(GL_FOG_DENSITY, &strongest);
    EXPECT_NEAR(strongest, 0.05f, 1e-7f);
}

}  // namespace
