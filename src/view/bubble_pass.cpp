// The bubbles during play: a column rising from an air stone on the floor.
#include "view/tank_view.h"

#include "settings/settings.h"

namespace {

// The air stone: on the flat front of the floor, left of the middle and behind
// the fish. Bubbles are born about one unit below the emitter's origin, so the
// origin sits one unit above the sand.
constexpr float STONE_X = -30.0f;
constexpr float STONE_Z = -88.0f;
constexpr float STONE_LIFT = 1.0f;

}  // namespace

void CTankView::DrawBubbles()
{
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_CURRENT_BIT);
    glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_GEN_R);
    glDisable(GL_TEXTURE_GEN_Q);
    glDisable(GL_LIGHTING);
    glDisable(GL_ALPHA_TEST);
    // The sprites are light on black: added to the scene, hidden by what
    // stands in front, never hiding one another.
    glDisable(GL_FOG);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glDepthMask(GL_FALSE);
    glColor3f(1.0f, 1.0f, 1.0f);

    glPushMatrix();
    glTranslatef(STONE_X, m_fTankBounds[3] + STONE_LIFT, STONE_Z);
    m_Bubbles.SetOwnRandom(TRUE);
    // The count setting says how many of the particles are left out.
    const TANKSETTINGS& s = g_Settings;
    const int shown = BUBBLE_CAPACITY - s.g_nBubbleCount;
    if (s.g_nBubbleCount != m_nBubbleCountShown || s.g_nBubbleSpeed != m_nBubbleSpeedShown) {
        // Changed in the Aquarium dialog: the bubbles in the water would keep
        // their old speed until they fade; the column stands anew instead,
        // as it stood after the start's warm-up.
        m_nBubbleCountShown = s.g_nBubbleCount;
        m_nBubbleSpeedShown = s.g_nBubbleSpeed;
        m_Bubbles.Restart(shown, s.g_nBubbleSpeed, BUBBLE_WARM_UP_FRAMES);
    }
    m_Bubbles.Render(shown, FALSE, s.g_nBubbleSpeed);
    glPopMatrix();
    glPopAttrib();
}
