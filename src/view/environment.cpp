// What stands around the fish: the foreground tint, the backdrop panels and
// the plants drawn live each frame.
#include "view/tank_view.h"

#include "settings/settings.h"
#include "settings/shared_state.h"

#include <cmath>

float g_fFrontLightPhase = 0.0f;
float g_fBackLightPhase = 0.0f;

namespace {

bool g_bFrontPhaseSet = false;
bool g_bBackPhaseSet = false;

constexpr float PHASE_STEP = 0.1f;
constexpr float PHASE_LIMIT = 10000.0f;

float StepPhase(float p)
{
    p += PHASE_STEP;
    return p > PHASE_LIMIT ? 0.0f : p;
}

void ColorOf(COLORREF c) { glColor3ub(GetRValue(c), GetGValue(c), GetBValue(c)); }

// One backdrop panel: x from 2 left to 2 right, y from 3 bottom to 3 top, at z = 3 back.
template <typename LowerColor, typename UpperColor>
void DrawPanel(const float* bounds, LowerColor lower, UpperColor upper)
{
    const float l = 2 * bounds[0], r = 2 * bounds[1], t = 3 * bounds[2], b = 3 * bounds[3], z = 3 * bounds[4];
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);  // facing the camera
    lower();
    glVertex3f(l, b, z);
    glVertex3f(r, b, z);
    upper();
    glVertex3f(r, t, z);
    glVertex3f(l, t, z);
    glEnd();
    glColor3ub(255, 255, 255);
}

}  // namespace

void CTankView::ApplyForegroundLight()
{
    const TANKSETTINGS& s = g_Settings;
    if (s.g_bFrontFixed)
        ColorOf(s.g_crFrontColor);
    if (s.g_bFrontAutoGradient == 1) {
        if (!g_bFrontPhaseSet) {
            g_fFrontLightPhase = s.g_fFrontRot;
            g_bFrontPhaseSet = true;
        }
        const float p = g_fFrontLightPhase;
        glColor3f(1.0f - std::cos(p / 2), 1.0f - std::sin(p / 5), 1.0f - 0.5f * std::cos(p / 8));
        if (!s.g_bLockFront) {
            g_fFrontLightPhase = StepPhase(p);
            g_fFrontPhaseSaved = g_fFrontLightPhase;
        }
    }
}

void CTankView::DrawBackgroundLight()
{
    const TANKSETTINGS& s = g_Settings;
    if (s.g_bBackFixed) {
        glPushMatrix();
        auto fixed = [&] { ColorOf(s.g_crBackColor); };
        DrawPanel(m_fTankBounds, fixed, [] {});
        glPopMatrix();
    }
    if (s.g_bBackGradient) {
        DrawPanel(m_fTankBounds, [&] { ColorOf(s.g_crBackColor2); }, [&] { ColorOf(s.g_crBackColor1); });
    }
    if (s.g_bBackAutoGradient) {
        if (!g_bBackPhaseSet) {
            g_fBackLightPhase = s.g_fBackRot;
            g_bBackPhaseSet = true;
        }
        if (!s.g_bLockBack) {
            g_fBackLightPhase = StepPhase(g_fBackLightPhase);
            g_fBackPhaseSaved = g_fBackLightPhase;
        }
        const float p = g_fBackLightPhase;
        auto clamped = [](float r, float g, float b) {
            glColor3f(std::fmax(r, 0.0f), std::fmax(g, 0.0f), std::fmax(b, 0.0f));
        };
        DrawPanel(
            m_fTankBounds, [&] { clamped(std::cos(p / 30), std::sin(p / 25), std::cos(p / 17)); },
            [&] { clamped(std::sin(p / 30), std::cos(p / 25), std::sin(p / 17)); });
    }
}

void CTankView::DrawEnvironment()
{
    glPushMatrix();
    BeginPass(GL_MODULATE);

    // Untinted unless a foreground light is chosen.
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    ApplyForegroundLight();
    if (g_bOwnBackground && m_Slideshow.ShowsOwnPicture()) {
        // The player's own picture on the back wall, and no plants.
        glPushMatrix();
        glBindTexture(GL_TEXTURE_2D, m_Slideshow.ShownTexture());
        const float left = m_fTankBounds[0], right = m_fTankBounds[1];
        glBegin(GL_QUADS);
        glNormal3f(0.0f, 0.0f, 1.0f);  // facing the camera
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(left, -38.0f, -90.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(right, -38.0f, -90.0f);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(right, 39.0f, -90.0f);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(left, 39.0f, -90.0f);
        glEnd();
        glPopMatrix();
        glColor3f(1.0f, 1.0f, 1.0f);
        ApplyForegroundLight();
    } else {
        // The plants and decorations drawn live, kinds 0 to 13.
        SceneryContext scenery = Scenery();
        DrawPlantKinds(scenery, PlantPass::Environment);
    }

    EndPass();
}

void CTankView::BeginPass(GLint textureMode)
{
    // Unit 1 carries the scene's pictures only inside the scene's own block
    // (left on when the scene is skipped, as after the last fish is hit).
    glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glAlphaFunc(GL_GREATER, 0.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, textureMode);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_GEN_R);
    glDisable(GL_TEXTURE_GEN_Q);
    glDisable(GL_FOG);
    glFogf(GL_FOG_DENSITY, g_Settings.g_nFogDensity * 0.0005f);
    glEnable(GL_FOG);
}

void CTankView::EndPass()
{
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glEnable(GL_TEXTURE_GEN_R);
    glEnable(GL_TEXTURE_GEN_Q);
    glEnable(GL_LIGHTING);
    glBindTexture(GL_TEXTURE_2D, g_texShadowMap);
    glPopMatrix();
}
