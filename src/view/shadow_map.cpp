// Shadows: a depth map of the scene seen from the light, compared in the lit pass.
#include "view/tank_view.h"

#include "gfx/matrix.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "settings/settings.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

GLuint g_texShadowMap = 0;
float g_fShadowPlanes[16] = {};
int g_nMaxTextureSize = 2048;
float g_fPolygonOffsetFactor = 0.0f;
float g_fPolygonOffsetUnits = 0.0f;

namespace {

const float g_fLightPos[3] = {0.0f, 63.0f, 117.0f};
GLuint g_nShadowFramebuffer = 0;
constexpr int MAX_SHADOW_MAP_SIZE = 2048;

// A required GL feature is missing: say so, then end the program.
[[noreturn]] void MissingFeature(CWnd* owner, const char* text)
{
    owner->MessageBox(text, AfxGetApp() ? AfxGetApp()->m_strAppName.c_str() : "", MB_OK);
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
    std::fflush(nullptr);
    std::_Exit(0);
}

// The version the context reports in its version string (GLEW may report the
// version the driver could give instead).
bool GlVersionAtLeast(int major, int minor)
{
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int haveMajor = 0;
    int haveMinor = 0;
    if (!version || std::sscanf(version, "%d.%d", &haveMajor, &haveMinor) != 2)
        return false;
    return haveMajor > major || (haveMajor == major && haveMinor >= minor);
}

// The shadow texture as the depth target of the shadow framebuffer, its image
// made (or remade at a new size) first. The pass draws straight into it:
// no copy of the depth buffer, and no wait for the pass to be rasterised
// before the copy. The image is made by glTexImage2D: Mesa gives an image
// made by glCopyTexImage2D the luminance depth mode whatever the texture
// says, so shadowed fragments kept alpha 1 and the lit pass drew them black
// over the dim pass instead of dropping them.
void BindShadowTarget(int width, int height)
{
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, g_texShadowMap);
    GLint haveWidth = 0;
    GLint haveHeight = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &haveWidth);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &haveHeight);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, g_nShadowFramebuffer);
    if (haveWidth != width || haveHeight != height) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, width, height, 0, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT,
                     nullptr);
        glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_TEXTURE_2D, g_texShadowMap, 0);
        if (glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) != GL_FRAMEBUFFER_COMPLETE_EXT)
            std::fprintf(stderr, "FBO Error!\n");
    }
}

void UnbindShadowTarget() { glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0); }

}  // namespace

void ComputeShadowPlanes(const float projection[16], const float view[16], float planes[16])
{
    float bias[16];
    MatrixIdentity(bias);
    bias[0] = bias[5] = bias[10] = 0.5f;
    bias[12] = bias[13] = bias[14] = 0.5f;
    float bp[16];
    float m[16];
    MatrixMultiply(bp, bias, projection);
    MatrixMultiply(m, bp, view);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            planes[4 * i + j] = m[4 * j + i];
}

void CTankView::InitShadowMapping()
{
    if (!GlVersionAtLeast(1, 4) && !GLEW_ARB_shadow)
        MissingFeature(this, "Neither OpenGL 1.4 nor GL_ARB_shadow extension is available!");
    if (GLEW_ARB_shadow_ambient)
        m_bShadowAmbientExt = 1;
    if (GLEW_ARB_texture_non_power_of_two)
        m_bNpotShadowMap = 1;
    if (!GLEW_EXT_framebuffer_object)
        MissingFeature(this, "GL_EXT_framebuffer_object extension is unavailable!");

    GLint maxTexture = 0;
    GLint maxRenderbuffer = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTexture);
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &maxRenderbuffer);
    g_nMaxTextureSize = maxTexture;
    if (maxRenderbuffer < g_nMaxTextureSize)
        g_nMaxTextureSize = maxRenderbuffer;
    if (g_nMaxTextureSize > MAX_SHADOW_MAP_SIZE)
        g_nMaxTextureSize = MAX_SHADOW_MAP_SIZE;

    // The sizes kept so far assumed any texture size: fit them to this GL.
    RECT r;
    GetClientRect(&r);
    g_nWindowWidth = r.right > 0 ? r.right : g_nWindowWidth;
    g_nWindowHeight = r.bottom > 0 ? r.bottom : 1;
    ComputeShadowMapSize(g_nWindowWidth, g_nWindowHeight, m_bNpotShadowMap != 0, g_nMaxTextureSize,
                         &g_nShadowMapWidth, &g_nShadowMapHeight);

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHT0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    glGenTextures(1, &g_texShadowMap);
    glBindTexture(GL_TEXTURE_2D, g_texShadowMap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_DEPTH_TEXTURE_MODE, GL_INTENSITY);
    if (m_bShadowAmbientExt)
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FAIL_VALUE_ARB, 0.5f);

    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
    glTexGeni(GL_R, GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
    glTexGeni(GL_Q, GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);

    // Depth only: the shadow texture becomes its depth target when the pass
    // first draws.
    glGenFramebuffersEXT(1, &g_nShadowFramebuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, g_nShadowFramebuffer);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);

    RenderShadowMap();
}

void CTankView::RenderShadowMap()
{
    if (!g_texShadowMap)
        return;
    double f[4];
    ComputeFrustum(g_nWindowWidth, g_nWindowHeight, f);
    float projection[16];
    float view[16];
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(f[0], f[1], f[2], f[3], 1.0, 1000.0);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (g_Settings.g_bShowShadow)
        gluLookAt(g_fLightPos[0], g_fLightPos[1], g_fLightPos[2], 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glGetFloatv(GL_MODELVIEW_MATRIX, view);

    const bool shadows = g_Settings.g_bShowShadow != 0;
    if (shadows)
        BindShadowTarget(g_nShadowMapWidth, g_nShadowMapHeight);
    glViewport(0, 0, g_nShadowMapWidth, g_nShadowMapHeight);
    glClear(GL_DEPTH_BUFFER_BIT);
    glShadeModel(GL_FLAT);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_NORMALIZE);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(g_fPolygonOffsetFactor, 0.0f);

    if (shadows) {
        DrawScene(FALSE);
        UnbindShadowTarget();
        // Bind the shadow texture ourselves so that no other texture is overwritten.
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, g_texShadowMap);
    }

    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_NORMALIZE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDisable(GL_POLYGON_OFFSET_FILL);

    ComputeShadowPlanes(projection, view, g_fShadowPlanes);
}
