// The game window: owns every object of the game, sets up OpenGL, draws the
// tank on its 40 ms timer and takes the player's input.
#pragma once
#include "fish/fish_array.h"
#include "objects/bubble_emitter.h"
#include "objects/cannon.h"
#include "objects/food_emitter.h"
#include "objects/screen_ripple.h"
#include "platform/wnd.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"
#include "settings/settings.h"
#include "ui/background_settings_dlg.h"
#include "ui/command_bar_dlg.h"
#include "ui/music_settings_dlg.h"
#include "ui/tool_ids.h"
#include "view/bezier_patch.h"
#include "view/tank_bounds.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <memory>
#include <string>
#include <vector>

// The scenery (plants, floor sheet, decorations and their spots) comes first:
// its constructors draw random values in member order, before the settings
// are read.
class CTankView : public CWnd, public CTankScenery {
public:
    CBubbleEmitter m_Bubbles;
    // The particles the set-up gives the bubbles, and the frames of the
    // warm-up that fills their column (at start and after a change).
    static constexpr int BUBBLE_CAPACITY = 200;
    static constexpr int BUBBLE_WARM_UP_FRAMES = 200;
    // The bubble count and speed settings the column was last begun with.
    int m_nBubbleCountShown = 0;
    int m_nBubbleSpeedShown = 0;

    // The fish of each species, by species index, made from the species
    // table (null: no class registered, no fish).
    std::unique_ptr<IFishArray> m_pFishArrays[FISH_SPECIES_COUNT];
    // The one spare fish (of species 3) the fish pass keeps out of view.
    std::unique_ptr<IFishArray> m_pSpareFish;
    // The arrays of the fish kinds outside the species table: never sized.
    std::vector<std::unique_ptr<IFishArray>> m_kindArrays;
    // Speed steps of the fish pass that leave the picture as it is; on by
    // default (the benchmark turns them off to measure what each gives): a
    // flush after the pass, and the fish drawn into the depth-only shadow map
    // without texture, blending and fog.
    BYTE m_bFlushFishPass = 1;
    BYTE m_bPlainShadowFish = 1;
    CFoodEmitter m_FoodEmitters[10];
    CCannon m_Cannon;

    CTankView();
    ~CTankView() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The keys of the game; never takes a message.
    BOOL PreTranslateMessage(MSG* msg) override;

    int OnCreate(LPCREATESTRUCT cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnMButtonUp(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    // A right click opens the command bar at the mouse.
    void OnRButtonUp(UINT flags, CPoint point) override;
    void ZoomCamera();
    // Shows the cursor of the current tool and button state (the argument
    // is not used).
    void SetModeCursor(int unused);

    // One-time set-up, called from OnCreate.
    void InitGL();
    BOOL SetupPixelFormat();
    void BuildFont();
    void Print3DText(const char* fmt, ...);
    void InitTankBounds();
    void InitScene();
    void BuildDecorationLists();
    // What the scenery's set-up, lists and kinds reach of the game window.
    SceneryContext Scenery();
    void DrawVerticalBar();
    void DrawHorizontalBar();
    void LoadSettings();
    void PlayMusic();

    // Frames.
    void RenderFrame();
    void DrawScene(BOOL bTextured);
    void DrawHud();
    void DrawScreenRipple();
    // Fish.
    // The fish array of a species (null without a class).
    IFishArray* FishArray(int species) const;
    void SetFishCount(int species, int count);
    // The fish pass, and its steps in order.
    void DrawFish(BOOL bTextured);
    void BeginFishPass(BOOL bTextured);
    void ApplyChangedFishCounts();
    void DrawSpareFish();
    void DrawEverySpecies();
    void RunGameOver();
    void DrawCannon();
    void DrawLightSpotOverlay();
    void DrawFood();
    void UsePointUnderMouse(BOOL bTextured);
    void PickFishOfTools(BOOL bTextured);
    void EndFishPass(BOOL bTextured);
    void TestShotHits(int species, int index);
    void RestartGame();
    // Clears the hit flags of species 0 to 23.
    void ReviveFish();
    // Picking, in the fish pass with the camera's modelview current: the fish
    // under a pending click (touch, grow, shrink), and the point under the
    // mouse on the cannon's plane, coordinate by coordinate.
    void PickFish();
    float GetPickPointX();
    float GetPickPointY();
    // Moves the pick-bar samples 0.1 within a unit of their start, so that
    // the gaps between the bars move over time.
    void SweepPickBars();
    void ApplyForegroundLight();
    void DrawBackgroundLight();
    void DrawEnvironment();
    // The bubbles rising from the air stone, once a frame over the lit scene,
    // with the bubble count and speed of the settings; a change of either
    // begins the column anew at once.
    void DrawBubbles();
    // The start of the environment and fish passes: unit 1 off, unit 0
    // textured with the given environment mode and the alpha test at 0, no
    // shadow lookup, fog of the settings' density.
    void BeginPass(GLint textureMode);
    // The end of the environment and fish passes: texturing, blending and the
    // alpha test off, the shadow lookup and lighting back on, the shadow
    // texture bound, and the pass's matrix popped.
    void EndPass();
    void CameraHook() {}
    void DestroyHook() {}

    // Shadows.
    void InitShadowMapping();
    void RenderShadowMap();

    // The back-wall patch, tessellated into a list at start (no pass draws it).
    void InitBezierPatch();
    POINT_3D MakePoint3D(double x, double y, double z);
    POINT_3D AddPoint3D(POINT_3D a, POINT_3D b);
    POINT_3D ScalePoint3D(double k, POINT_3D p);
    POINT_3D EvalBernstein(float u, const POINT_3D p[6]);
    GLuint TessellateBezierPatch(BEZIER_PATCH patch, int divs);

    BYTE m_bShadowAmbientExt = 0;
    BYTE m_bNpotShadowMap = 0;
    BYTE m_bShowHud = 1;
    // Set by the fish pass when the tank holds fish of species 0 to 23 and
    // every one of them is hit: the game is over.
    BYTE m_bAllFishHit = 0;
    float m_fTankBounds[6] = {};
    CTankBounds m_TankBounds;
    // Sample bars of the point under the mouse.
    float m_fPickBarX[101][3] = {};
    float m_fPickBarY[51][3] = {};
    BYTE m_bPickBarXRising = 0;
    BYTE m_bPickBarYRising = 1;
    // The last coordinate each bar look-up found, kept when no bar is hit.
    float m_fPickPointX = 0.0f;
    float m_fPickPointY = 0.0f;
    // The point under the mouse inside the tank, held until food or the
    // cannon target uses it.
    float m_fHeldX = 0.0f;
    float m_fHeldY = 0.0f;
    BYTE m_bHeldX = 0;
    BYTE m_bHeldY = 0;
    // The set-up's display lists: the scenery's by slot, and the two pick bars.
    GLuint m_nSceneLists[kSceneListCount] = {};
    BEZIER_PATCH m_BezierPatch;
    int m_nBezierDivs = 0;
    GLuint m_texBackground[4] = {};
    GLuint m_texFish[FISH_SPECIES_COUNT] = {};
    GLuint m_texPlant[PLANT_TEXTURE_COUNT] = {};
    int m_nMouseX = 0;
    int m_nMouseY = 0;
    BYTE m_bMouseMoved = 0;
    BYTE m_bLButtonDown = 0;
    BYTE m_bFeedClick = 0;
    BYTE m_bShootClick = 0;
    BYTE m_bMoveCannonClick = 1;
    int m_nMode = ID_TOOL_SHOOT;
    // The command bar: its command is the tool the tick makes current.
    CCommandBarDlg m_wndCommandBar;
    // The two modeless dialogs, made hidden at set-up and deleted with the window.
    // The player's own music: the Music dialog edits and plays it.
    CPlaylist m_Playlist;
    CMusicSettingsDlg* m_pMusicDlg = nullptr;
    // The player's own pictures: the Background dialog edits them, the frame draws them.
    CSlideshow m_Slideshow;
    CBackgroundSettingsDlg* m_pBackgroundDlg = nullptr;
    GLuint m_texScreen = 0;
    std::unique_ptr<CScreenRipple> m_pRipple;
    int m_nScreenWidth = 1680;
    int m_nScreenHeight = 1050;
    float m_fCameraZ = -5.0f;
    CClientDC* m_pDC = nullptr;
    HGLRC m_hRC = nullptr;
    // Frames drawn so far (for tests and the benchmark).
    long m_nFramesDrawn = 0;
};

// The Game Over dialog may open (0 exactly while it is open).
extern BYTE g_bGameOverArmed;

// The built-in music is to start again once the player's own music is off.
extern BYTE g_bMusicRestart;

// Window and shadow-map sizes, kept by OnSize.
extern int g_nWindowWidth;
extern int g_nWindowHeight;
extern int g_nShadowMapWidth;
extern int g_nShadowMapHeight;
extern int g_nMaxTextureSize;
extern GLuint g_texShadowMap;
extern float g_fShadowPlanes[16];
extern float g_fPolygonOffsetFactor;
extern float g_fPolygonOffsetUnits;
extern GLuint g_nFontBase;
extern int g_nHudFrames;
extern float g_fEyeX, g_fEyeY, g_fEyeZ;

// The cursor id of a tool with the left button up or held; 0 for the tools
// that have no cursor of their own.
UINT ModeCursorId(int mode, BOOL buttonDown);

// The largest power of two not above value (value >= 1).
int FloorPowerOfTwo(int value);
// The shadow-map sides for a client size: powers of two unless any size is
// allowed, capped at maxSize; a side of 0 keeps the previous size.
void ComputeShadowMapSize(int cx, int cy, bool anySize, int maxSize, int* width, int* height);
// The perspective frustum of the camera and the light: half-side 0.4 on the
// shorter axis. Fills left, right, bottom, top.
void ComputeFrustum(int width, int height, double out[4]);
// The shadow texture matrix rows as texture-generation planes: B x P x V.
void ComputeShadowPlanes(const float projection[16], const float view[16], float planes[16]);

// The fish pictures the game window loads, in rising order: every registered
// species' own, and every one a plant kind wears.
std::vector<int> FishPicturesInUse();
