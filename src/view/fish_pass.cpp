// The fish: how many of each species, where new ones start, and the pass that
// moves and draws them, tests them against the shots and ends the game.
#include "view/tank_view.h"

#include "fish/fish_registry.h"
#include "platform/crt.h"
#include "platform/winapp.h"
#include "scenery/floor_grid.h"
#include "settings/settings.h"
#include "ui/game_over_dlg.h"

#include <cmath>

BYTE g_bGameOverArmed = 1;

namespace {

constexpr int LAST_SPECIES_OF_THE_GAME = 23;  // fish of species 24 never hold the game open
constexpr int PLACEMENT_COLUMN = 20;
constexpr int SPARE_FISH_SPECIES = 3;

}  // namespace

IFishArray* CTankView::FishArray(int species) const
{
    return species >= 0 && species < FISH_SPECIES_COUNT ? m_pFishArrays[species].get() : nullptr;
}

void CTankView::SetFishCount(int species, int count)
{
    IFishArray* fish = FishArray(species);
    if (!fish)
        return;  // a species whose fish class the game does not have
    fish->SetSize(count);
    const int W = static_cast<int>(m_fTankBounds[1] - m_fTankBounds[0]);
    const float bottom = m_fTankBounds[3];
    for (int j = 0; j < fish->GetSize(); ++j) {
        const int a = crt::rand() % 50;
        const int row = crt::rand() % W;
        const float* p = g_WaterFloorGrid[row][PLACEMENT_COLUMN];
        CFishModel& f = fish->GetAt(j);
        if (f.m_fPos[0] == 0.0f) {
            f.m_fPos[0] = p[0];
            f.m_fPos[1] = bottom - p[1] + static_cast<float>(a) + 10.0f;
            f.m_fPos[2] = 50.0f;
        }
        fish->SetSwimBox(j, -50.0f, 50.0f, 3.0f, -22.0f, -75.0f, -80.0f);
    }
}

void CTankView::DrawFish(BOOL bTextured)
{
    BeginFishPass(bTextured);
    ApplyChangedFishCounts();
    // Into the depth-only shadow map the fish need no picture: their texture
    // (opaque), blending and fog change nothing there.
    const bool depthOnly = !bTextured && m_bPlainShadowFish;
    if (depthOnly) {
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_FOG);
    }
    DrawSpareFish();
    DrawEverySpecies();
    if (depthOnly) {
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glEnable(GL_ALPHA_TEST);
        glEnable(GL_FOG);
    }
    RunGameOver();
    DrawCannon();
    DrawLightSpotOverlay();
    DrawFood();
    UsePointUnderMouse(bTextured);
    PickFishOfTools(bTextured);
    EndFishPass(bTextured);
}

void CTankView::BeginFishPass(BOOL)
{
    glPushMatrix();
    glEnable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    BeginPass(GL_REPLACE);
}

void CTankView::ApplyChangedFishCounts()
{
    TANKSETTINGS& s = g_Settings;
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        if (s.g_bFishCountChanged[k]) {
            s.g_bFishCountChanged[k] = 0;
            SetFishCount(k, s.g_nFishCount[k]);
        }
    }
}

// A spare fish of species 3 swims far out of view while species 0 has none.
void CTankView::DrawSpareFish()
{
    if (g_Settings.g_nFishCount[0] != 0)
        return;
    if (!m_pSpareFish) {
        const FishSpecies* species = FindFishSpecies(SPARE_FISH_SPECIES);
        if (!species)
            return;
        m_pSpareFish = species->makeArray();
    }
    glPushMatrix();
    if (m_pSpareFish->GetSize() == 0)
        m_pSpareFish->SetSize(1);
    glBindTexture(GL_TEXTURE_2D, m_texFish[0]);
    glTranslatef(0.0f, 0.0f, 1000.0f);
    m_pSpareFish->DrawFish(0, {m_nMouseX, m_nMouseY});
    glPopMatrix();
}

// Every fish not hit, species by species: moved and drawn, then tested
// against the shots. The game is over when the tank holds fish of species 0
// to 23 and every one of them is hit; a tank without any (emptied in the Fish
// dialog, or read so from the settings) is still played, not lost.
void CTankView::DrawEverySpecies()
{
    m_bAllFishHit = 1;
    bool anyToShoot = false;
    const FishDrawArgs args{m_nMouseX, m_nMouseY};
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        glBindTexture(GL_TEXTURE_2D, m_texFish[k]);
        IFishArray* fish = FishArray(k);
        // The array, not the count setting, says how many fish there are.
        for (int j = 0; fish && j < fish->GetSize(); ++j) {
            CFishModel& f = fish->GetAt(j);
            if (k <= LAST_SPECIES_OF_THE_GAME)
                anyToShoot = true;
            if (f.m_bHit)
                continue;
            if (k <= LAST_SPECIES_OF_THE_GAME)
                m_bAllFishHit = 0;
            glPushMatrix();
            glTranslatef(f.m_fPos[0], f.m_fPos[1], f.m_fPos[2]);
            fish->DrawFish(j, args);
            glPopMatrix();
            TestShotHits(k, j);
        }
    }
    if (!anyToShoot)
        m_bAllFishHit = 0;
}

void CTankView::RunGameOver()
{
    if (!m_bAllFishHit || !g_bGameOverArmed)
        return;
    g_bGameOverArmed = 0;
    CGameOverDlg dialog(nullptr);
    if (dialog.DoModal() == IDOK) {
        ReviveFish();
        g_bGameOverArmed = 1;
    } else {
        // Exit: the message loop ends and the window closes in order (the
        // GL context and files are released) instead of ending the process
        // inside this frame.
        PostQuitMessage(0);
    }
}

void CTankView::DrawCannon()
{
    if (m_nMode != ID_TOOL_SHOOT)
        return;
    // White and lit, not in the picture of the last fish drawn.
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    m_Cannon.Draw();
    glPopMatrix();
    glEnable(GL_TEXTURE_2D);
}

void CTankView::DrawLightSpotOverlay()
{
    glPushMatrix();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    m_WaterFloor.DrawLightSpots(0, 0, 0, 0, 1);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}

void CTankView::DrawFood()
{
    glDisable(GL_LIGHTING);
    for (CFoodEmitter& food : m_FoodEmitters) {
        if (food.IsActive()) {
            glPushMatrix();
            food.Draw();
            glPopMatrix();
        }
    }
}

// The point under the mouse: food falls from it, the cannon aims at it.
void CTankView::UsePointUnderMouse(BOOL bTextured)
{
    if (m_nMode != ID_TOOL_FEED && m_nMode != ID_TOOL_SHOOT && m_nMode != ID_TOOL_MOVE_CANNON)
        return;
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
    SweepPickBars();
    // Looked up only where it is used, and only through the camera (the
    // shadow pass draws from the light).
    const bool used = (m_nMode == ID_TOOL_FEED && m_bFeedClick) ||
                      (m_nMode == ID_TOOL_MOVE_CANNON && (m_bFeedClick || m_bShootClick || m_bMoveCannonClick));
    if (bTextured && used) {
        glPushMatrix();
        const float x = GetPickPointX();
        glPopMatrix();
        glPushMatrix();
        const float y = GetPickPointY();
        glPopMatrix();
        if (!m_bHeldX && x >= m_fTankBounds[0] && x <= m_fTankBounds[1]) {
            m_fHeldX = x;
            m_bHeldX = 1;
        }
        if (!m_bHeldY && y >= m_fTankBounds[3] && y <= m_fTankBounds[2]) {
            m_fHeldY = y;
            m_bHeldY = 1;
        }
    }
    if (m_bFeedClick && m_bHeldX && m_bHeldY) {
        m_bHeldX = m_bHeldY = 0;
        m_bFeedClick = 0;
        for (CFoodEmitter& food : m_FoodEmitters) {
            if (!food.IsActive()) {
                food.SetPosition(m_fHeldX, m_fHeldY - 2.0f, -70.0f);
                food.SetActive(TRUE);
                break;
            }
        }
    }
    if (m_nMode == ID_TOOL_MOVE_CANNON && m_bHeldX && m_bHeldY) {
        m_bHeldX = m_bHeldY = 0;
        m_Cannon.SetTarget(m_fHeldX, m_fHeldY - 2.0f, -77.5f);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
}

// The fish under a click, seen through the camera only.
void CTankView::PickFishOfTools(BOOL bTextured)
{
    if (bTextured && (m_nMode == ID_TOOL_TOUCH || m_nMode == ID_TOOL_GROW || m_nMode == ID_TOOL_SHRINK ||
                      m_nMode == ID_TOOL_MOVE_CANNON))
        PickFish();
}

void CTankView::EndFishPass(BOOL)
{
    EndPass();
    // The pass goes to the rasteriser now, while the next one is built.
    if (m_bFlushFishPass)
        glFlush();
}

void CTankView::TestShotHits(int species, int index)
{
    IFishArray* fish = FishArray(species);
    if (!fish || index < 0 || index >= fish->GetSize())
        return;
    CFishModel& f = fish->GetAt(index);
    for (CANNONSHOT& shot : m_Cannon.m_Shots) {
        if (!shot.active || shot.spent)
            continue;
        const float sx = shot.x;
        const float sy = shot.y - 20.0f;
        if (std::fabs(sx - f.m_fPos[0]) < 1.0f && std::fabs(sy - f.m_fPos[1]) < 1.0f) {
            f.m_bHit = 1;
            shot.spent = 1;
        }
    }
}

void CTankView::ReviveFish()
{
    for (int k = 0; k <= LAST_SPECIES_OF_THE_GAME; ++k) {
        IFishArray* fish = FishArray(k);
        for (int j = 0; fish && j < fish->GetSize(); ++j)
            fish->GetAt(j).m_bHit = 0;
    }
    m_bAllFishHit = 0;
}

void CTankView::RestartGame() { ReviveFish(); }
