// The 40 ms tick: one frame per tick, drawn in passes.
#include "view/tank_view.h"

#include "platform/glcontext.h"
#include "platform/sound.h"
#include "settings/settings.h"
#include "settings/shared_state.h"
#include "view/light.h"

float g_fEyeX = 0.0f, g_fEyeY = 0.0f, g_fEyeZ = 0.0f;
int g_nHudFrames = 0;

namespace {

constexpr int HUD_FRAMES = 100;
// The screen ripple's grid stands this far in front of the camera (the near
// plane is 1 away).
constexpr float RIPPLE_DISTANCE = 2.4f;

struct HudLine {
    float x, y, z;
    const char* text;
};

const HudLine g_HudLines[] = {
    {-5.0f, 5.0f, -60.0f, "Parvolune"},
    {-3.0f, 4.0f, -60.0f, "[F1]: Help"},
    {-3.0f, 3.0f, -60.0f, "[F2]: Restart Game"},
    {-3.0f, 2.0f, -60.0f, "[ESC]: Exit"},
    {-5.0f, 1.0f, -60.0f, "A 3D aquarium: shoot, feed and watch the fish"},
};

}  // namespace

void ComputeFrustum(int width, int height, double out[4])
{
    const double half = 0.4;
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    if (width > height) {
        const double a = static_cast<double>(width) / height;
        out[0] = -half * a;
        out[1] = half * a;
        out[2] = -half;
        out[3] = half;
    } else {
        const double a = static_cast<double>(height) / width;
        out[0] = -half;
        out[1] = half;
        out[2] = -half * a;
        out[3] = half * a;
    }
}

void CTankView::OnTimer(UINT_PTR id)
{
    if (m_bLButtonDown && (m_nMode == ID_TOOL_ZOOM_IN || m_nMode == ID_TOOL_ZOOM_OUT))
        ZoomCamera();
    RenderFrame();

    if (g_bOwnMusic) {
        g_bMusicRestart = 1;
        PlaySoundA(nullptr, nullptr, SND_FILENAME);
    }
    if (!g_bOwnMusic && g_bMusicRestart) {
        PlayMusic();
        g_bMusicRestart = 0;
    }

    m_nMode = m_wndCommandBar.m_nCommand;
    CWnd::OnTimer(id);

    // Timer messages posted while the frame was drawn are dropped. The timer
    // itself delivers one tick that fell due meanwhile at once, so frames
    // slower than the period follow one another back to back, never in a
    // burst of late ones.
    MSG msg;
    while (PeekMessage(&msg, m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
}

void CTankView::RenderFrame()
{
    if (!m_hRC)
        return;
    // A picture of the player's that finished loading goes to the GL (one a frame).
    m_Slideshow.Poll();
    double f[4];
    ComputeFrustum(m_nScreenWidth, m_nScreenHeight, f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(f[0], f[1], f[2], f[3], 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    CameraHook();
    gluLookAt(g_fEyeX, g_fEyeY, g_fEyeZ + m_fCameraZ, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
    glViewport(0, 0, m_nScreenWidth, m_nScreenHeight);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    DrawHud();

    glPushMatrix();
    glActiveTexture(GL_TEXTURE1);
    glEnable(GL_TEXTURE_2D);

    if (!m_bShadowAmbientExt) {
        // The whole scene as it looks in shadow; the lit pass covers the rest.
        glLightfv(GL_LIGHT0, GL_AMBIENT, g_DimAmbient);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, g_DimDiffuse);
        if (!m_bAllFishHit)
            DrawScene(TRUE);
        glAlphaFunc(GL_GREATER, 0.9f);
        glEnable(GL_ALPHA_TEST);
    }

    glLightfv(GL_LIGHT0, GL_AMBIENT, g_LightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, g_LightDiffuse);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, g_texShadowMap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_R_TO_TEXTURE);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glEnable(GL_TEXTURE_GEN_R);
    glEnable(GL_TEXTURE_GEN_Q);
    glTexGenfv(GL_S, GL_EYE_PLANE, &g_fShadowPlanes[0]);
    glTexGenfv(GL_T, GL_EYE_PLANE, &g_fShadowPlanes[4]);
    glTexGenfv(GL_R, GL_EYE_PLANE, &g_fShadowPlanes[8]);
    glTexGenfv(GL_Q, GL_EYE_PLANE, &g_fShadowPlanes[12]);
    if (!m_bAllFishHit)
        DrawScene(TRUE);

    DrawEnvironment();
    DrawBubbles();

    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_GEN_R);
    glDisable(GL_TEXTURE_GEN_Q);

    glPushMatrix();
    if (m_nMode == ID_TOOL_RIPPLE && m_pRipple) {
        glActiveTexture(GL_TEXTURE0);
        glEnable(GL_TEXTURE_2D);
        DrawScreenRipple();
    }
    RenderShadowMap();
    glPopMatrix();
    glPopMatrix();
    glFinish();
    SwapBuffers(m_pDC->GetSafeHdc());
    ++m_nFramesDrawn;
}

void CTankView::DrawScene(BOOL bTextured)
{
    if (bTextured) {
        glPushMatrix();
        glColor3f(1.0f, 1.0f, 1.0f);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_BLEND);
        glAlphaFunc(GL_GREATER, 0.0f);
        glEnable(GL_ALPHA_TEST);
        glActiveTexture(GL_TEXTURE1);
        glEnable(GL_TEXTURE_2D);
        glPushMatrix();
        const TANKSETTINGS& s = g_Settings;
        const int style = s.g_nBackground;
        if (s.g_bShowTerra && style >= 0 && style < 4)
            glBindTexture(GL_TEXTURE_2D, m_texBackground[style]);
        if (s.g_bShowTerra && !(g_bOwnBackground && m_Slideshow.ShowsOwnPicture())) {
            glPushMatrix();
            glTranslatef(0.0f, m_fTankBounds[3], -50.0f);
            m_WaterFloor.SetStyle(style);
            // The sheet sends no normals of its own: it is lit as facing up,
            // not by whatever was drawn last (the cannon, a fish).
            glNormal3f(0.0f, 1.0f, 0.0f);
            m_WaterFloor.Draw();
            glPopMatrix();
            // The plant lists and the terrain, kinds 14 to 16.
            SceneryContext scenery = Scenery();
            DrawPlantKinds(scenery, PlantPass::Scene);
        }
        glPopMatrix();
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_BLEND);
        glPopMatrix();
    }
    DrawBackgroundLight();
    DrawFish(bTextured);
}

void CTankView::DrawScreenRipple()
{
    glBindTexture(GL_TEXTURE_2D, m_texScreen);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, m_nScreenWidth, m_nScreenHeight);
    // The copy goes back as it was taken: unlit, unfogged, untinted, and
    // through nothing but its own picture.
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glPushMatrix();
    glTranslatef(g_fEyeX, 0.0f, g_fEyeZ + m_fCameraZ - RIPPLE_DISTANCE);
    // The grid spans -1..1: stretched to the view's sides at its distance,
    // whatever the shape of the screen.
    double f[4];
    ComputeFrustum(m_nScreenWidth, m_nScreenHeight, f);
    glScalef(static_cast<GLfloat>(f[1] * RIPPLE_DISTANCE), static_cast<GLfloat>(f[3] * RIPPLE_DISTANCE), 1.0f);
    m_pRipple->Draw();
    m_pRipple->Update(m_nMouseX, m_nMouseY);
    glPopMatrix();
    glPopAttrib();
}

void CTankView::DrawHud()
{
    if (m_bShowHud)
        ++g_nHudFrames;
    if (g_nHudFrames > HUD_FRAMES) {
        m_bShowHud = 0;
        g_nHudFrames = 0;
    }
    if (!m_bShowHud)
        return;
    // White lit glyphs, whatever the last pass left bound or current.
    glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (const HudLine& line : g_HudLines) {
        glPushMatrix();
        glTranslatef(g_fEyeX + line.x, g_fEyeY + line.y, g_fEyeZ + line.z);
        Print3DText("%s", line.text);
        glPopMatrix();
    }
}
