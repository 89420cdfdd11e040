// The foreground tint of the environment pass.
#include "gl/gl_fixture.h"
#include "settings/settings.h"
#include "settings/shared_state.h"
#include "view/tank_view.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {

std::array<float, 3> CurrentColor()
{
    float c[4];
    glGetFloatv(GL_CURRENT_COLOR, c);
    return {c[0], c[1], c[2]};
}

TEST(ForegroundLight, FixedAutomaticAndLockedColours)
{
    ASSERT_TRUE(MakeTestGLContext());
    CTankView view;
    g_Settings.g_bFrontFixed = 1;
    g_Settings.g_crFrontColor = 16777215;
    g_Settings.g_bFrontAutoGradient = 0;
    glColor3f(0.2f, 0.2f, 0.2f);
    view.ApplyForegroundLight();
    EXPECT_EQ(CurrentColor(), (std::array<float, 3>{1, 1, 1}));

    // The automatic colour, set last, wins; at phase 0 it is (0, 1, 0.5).
    g_Settings.g_bFrontAutoGradient = 1;
    g_Settings.g_bLockFront = 1;
    g_Settings.g_fFrontRot = 0.0f;
    view.ApplyForegroundLight();
    auto c = CurrentColor();
    EXPECT_NEAR(c[0], 0.0f, 1e-6f);
    EXPECT_NEAR(c[1], 1.0f, 1e-6f);
    EXPECT_NEAR(c[2], 0.5f, 1e-6f);
    // Locked: the phase stays, so the colour does.
    view.ApplyForegroundLight();
    EXPECT_EQ(CurrentColor(), c);
    // Unlocked: it moves on by 0.1 a call.
    g_Settings.g_bLockFront = 0;
    view.ApplyForegroundLight();
    view.ApplyForegroundLight();
    EXPECT_NEAR(CurrentColor()[0], 1.0f - std::cos(0.05f), 1e-5f);
    EXPECT_NEAR(g_fFrontPhaseSaved, 0.2f, 1e-5f);
}

}  // namespace
