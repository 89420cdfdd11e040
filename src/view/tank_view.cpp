// The game window: creation, GL set-up, resizing, painting and teardown.
#include "view/tank_view.h"

#include "fish/fish_registry.h"
#include "gfx/builtin_texture.h"
#include "gfx/temp_folder.h"
#include "gfx/texture.h"
#include "platform/files.h"
#include "platform/glcontext.h"
#include "platform/winapp.h"
#include "settings/settings_file.h"
#include "view/light.h"
#include "view/species_portraits.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

namespace {

constexpr UINT_PTR FRAME_TIMER = 1;
constexpr UINT FRAME_PERIOD_MS = 40;

const PIXELFORMATDESCRIPTOR g_pfd = [] {
    PIXELFORMATDESCRIPTOR pfd;
    pfd.nSize = 40;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 32;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}();

}  // namespace

std::vector<int> FishPicturesInUse()
{
    std::set<int> pictures;
    for (const FishSpecies* species : RegisteredFishSpecies())
        pictures.insert(species->textureId - FISH_TEXTURE_ID_BASE);
    for (const PlantKind& kind : PlantKinds())
        if (kind.texture.source == KindTexture::Fish)
            pictures.insert(kind.texture.index);
    return {pictures.begin(), pictures.end()};
}

BYTE g_bMusicRestart = 1;

int g_nWindowWidth = 1024;
int g_nWindowHeight = 768;
int g_nShadowMapWidth = 1024;
int g_nShadowMapHeight = 768;

CTankView::CTankView()
{
    for (const FishSpecies* species : RegisteredFishSpecies())
        m_pFishArrays[species->index] = species->makeArray();
    for (const FishKind* kind : RegisteredFishKinds())
        for (int i = 0; i < kind->arrays; ++i)
            m_kindArrays.push_back(kind->makeArray());
}

CTankView::~CTankView() { DestroyHook(); }

BOOL CTankView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~static_cast<LONG>(WS_BORDER);
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    return TRUE;
}

int CTankView::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    InitGL();
    SetTimer(FRAME_TIMER, FRAME_PERIOD_MS, nullptr);
    return 0;
}

void CTankView::InitGL()
{
    m_pDC = new CClientDC(this);
    if (!SetupPixelFormat())
        return;
    m_hRC = wglCreateContext(m_pDC->GetSafeHdc());
    if (!m_hRC || !wglMakeCurrent(m_pDC->GetSafeHdc(), m_hRC)) {
        MessageBox("No OpenGL context could be made for the game window.", "ERROR", MB_OK | MB_ICONERROR);
        return;
    }
    BuildFont();

    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightfv(GL_LIGHT0, GL_AMBIENT, g_LightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, g_LightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, g_LightSpecular);
    glLightfv(GL_LIGHT0, GL_POSITION, g_LightPosition);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, g_LightAmbient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, g_LightDiffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, g_LightSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0.0f);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_POLYGON_SMOOTH);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);

    GetTempFolder();
    InitTankBounds();

    const std::string folder = GetTempFolder();
    if (folder.empty())
        return;  // GetTempFolder has told the player

    static const int backgroundIds[4] = {154, 155, 261, 263};
    for (int i = 0; i < 4; ++i)
        LoadBuiltinTexture(folder, backgroundIds[i], "BackGround" + std::to_string(i), &m_texBackground[i],
                           LoadMipmapTexture);
    // The fish pictures the registries name: each species' own, and those
    // the plant kinds wear (decorations take parts of fish pictures too).
    for (const int k : FishPicturesInUse())
        LoadBuiltinTexture(folder, FISH_TEXTURE_ID_BASE + k, "fish" + std::to_string(k), &m_texFish[k],
                           LoadBmpTexture);
    for (int k = 0; k < PLANT_TEXTURE_COUNT; ++k)
        LoadBuiltinTexture(folder, PLANT_TEXTURE_ID_BASE + k, "cao" + std::to_string(k), &m_texPlant[k],
                           LoadBmpTexture);

    LoadSettings();
    m_WaterFloor.Init(static_cast<int>(m_fTankBounds[1] - m_fTankBounds[0]), static_cast<int>(-m_fTankBounds[4]), 1);
    InitScene();

    m_texScreen = CreateBlankTexture();
    glBindTexture(GL_TEXTURE_2D, m_texScreen);
    // The ripple pushes picture coordinates past the copy's edges: there they
    // keep the edge, not the far side of the screen.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, m_nScreenWidth, m_nScreenHeight, 0);
    m_pRipple = std::make_unique<CScreenRipple>();
    m_pRipple->Init(m_nScreenWidth, m_nScreenHeight);
    for (CFoodEmitter& food : m_FoodEmitters)
        food.Reset();

    glFogi(GL_FOG_MODE, GL_EXP);
    const GLfloat fogColor[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glFogfv(GL_FOG_COLOR, fogColor);
    glFogf(GL_FOG_DENSITY, 0.5f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, -10.0f);
    glFogf(GL_FOG_END, 100.0f);

    // Music first; the Background dialog loads its pictures in this GL context.
    m_pMusicDlg = new CMusicSettingsDlg(nullptr, &m_Playlist);
    m_pMusicDlg->Create(CMusicSettingsDlg::IDD, nullptr);
    m_pMusicDlg->ShowWindow(SW_HIDE);
    m_pBackgroundDlg = new CBackgroundSettingsDlg(nullptr, &m_Slideshow);
    m_pBackgroundDlg->Create(CBackgroundSettingsDlg::IDD, nullptr);
    m_pBackgroundDlg->ShowWindow(SW_HIDE);

    InitShadowMapping();
    InitBezierPatch();
    m_BezierPatch.nList = static_cast<int32_t>(TessellateBezierPatch(m_BezierPatch, m_nBezierDivs));
    // The Fish dialog shows the species as this window draws them.
    InstallSpeciesPortraits(*this);
}

BOOL CTankView::SetupPixelFormat()
{
    const int format = ChoosePixelFormat(m_pDC->GetSafeHdc(), &g_pfd);
    if (format == 0) {
        MessageBox("ChoosePixelFormat failed");
        return FALSE;
    }
    if (!SetPixelFormat(m_pDC->GetSafeHdc(), format, &g_pfd)) {
        MessageBox("SetPixelFormat failed");
        return FALSE;
    }
    return TRUE;
}

void CTankView::InitTankBounds()
{
    // The screen is the game window's client area in device pixels: a
    // maximized window on a desktop with panels is smaller than the screen.
    RECT r;
    GetClientRect(&r);
    m_nScreenWidth = std::max<int>(r.right - r.left, 1);
    m_nScreenHeight = std::max<int>(r.bottom - r.top, 1);
    const float bounds[6] = {-50.0f, 50.0f, 30.0f, -22.0f, -50.0f, 0.0f};
    std::copy(bounds, bounds + 6, m_fTankBounds);
}

void CTankView::LoadSettings() { ReadSettingsFile(); }

void CTankView::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    if (cy == 0)
        cy = 1;
    if (!m_hRC)
        return;  // set-up stopped before the GL context
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(cx) / cy, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (m_pRipple)
        m_pRipple->Init(cx, cy);

    // Everything drawn follows the client area.
    if (cx > 0 && (cx != m_nScreenWidth || cy != m_nScreenHeight)) {
        m_nScreenWidth = cx;
        m_nScreenHeight = cy;
        if (m_texScreen) {
            glBindTexture(GL_TEXTURE_2D, m_texScreen);
            glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, m_nScreenWidth, m_nScreenHeight, 0);
        }
    }

    const int oldWidth = g_nShadowMapWidth;
    const int oldHeight = g_nShadowMapHeight;
    g_nWindowWidth = cx;
    g_nWindowHeight = cy;
    ComputeShadowMapSize(cx, cy, m_bNpotShadowMap != 0, g_nMaxTextureSize, &g_nShadowMapWidth, &g_nShadowMapHeight);
    if ((g_nShadowMapWidth != oldWidth || g_nShadowMapHeight != oldHeight) && g_texShadowMap)
        RenderShadowMap();
}

void CTankView::OnPaint()
{
    CPaintDC dc(this);
    if (m_hRC)
        RenderFrame();
}

BOOL CTankView::OnEraseBkgnd(CDC*) { return TRUE; }

void CTankView::OnDestroy()
{
    if (HGLRC rc = wglGetCurrentContext()) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(rc);
    }
    m_hRC = nullptr;
    delete m_pDC;
    m_pDC = nullptr;
    delete m_pMusicDlg;
    m_pMusicDlg = nullptr;
    delete m_pBackgroundDlg;
    m_pBackgroundDlg = nullptr;
    KillTimer(FRAME_TIMER);
    CWnd::OnDestroy();
}

int FloorPowerOfTwo(int value)
{
    int i = 0;
    while ((1 << i) <= value && i < 30)
        ++i;
    return 1 << (i - 1);
}

void ComputeShadowMapSize(int cx, int cy, bool anySize, int maxSize, int* width, int* height)
{
    // A side of 0 (a minimized window) has no usable size: keep the previous one.
    if (cx >= 1)
        *width = anySize ? cx : FloorPowerOfTwo(cx);
    if (cy >= 1)
        *height = anySize ? cy : FloorPowerOfTwo(cy);
    if (maxSize > 0) {
        *width = std::min(*width, maxSize);
        *height = std::min(*height, maxSize);
    }
}
