#include "scenery/flower_plant.h"

#include "gfx/texture.h"
#include "platform/crt.h"
#include "platform/shell.h"
#include "scenery/flower_plant_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

#include <cstdio>
#include <sys/stat.h>

BYTE g_bFlowerSwingUp = 1;
FLOWERMATERIAL g_FlowerMaterials[kFlowerMaterialCount] = {
    {{1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 1.0f}, 1.0f, 24.2515f, 0}};
int g_nFlowerMaterial = 0;
FLOWERTEXTURE g_FlowerTextures[kFlowerTextureCount] = {{"KikuM0.mp_0.bmp", 0}};

namespace {

constexpr int kStalkRows = 8;
constexpr int kHeadRows = 13;
constexpr int kOscillatorRows = 13;
constexpr float kStalkRoot[3] = {0.00855551f, -0.466179f, -0.260047f};
constexpr SwayShape kSway = {0.05};
constexpr float kSwingFactor = 2.0f;
constexpr float kSwingLimit = 10.0f;

// The three stalks of a stem: leaf scale and turn about y.
struct Stalk {
    float scale[3];
    float turn;
};
constexpr Stalk kStalks[3] = {{{10.0f, 10.0f, 25.0f}, 0.0f}, {{10.0f, 10.0f, 20.0f}, 45.0f}, {{10.0f, 10.0f, 10.0f}, -45.0f}};

void SetUp(SceneryContext& c)
{
    CFlowerPlant& plant = c.scenery.m_FlowerPlant;
    SetVector(plant.m_fSize, 0.8f, 1.5f, 0.05f);
    // On the floor at a random row (drawn first) and column.
    const int row = crt::rand() % c.Width();
    const int column = crt::rand() % 30 + 15;
    CTankScenery::PlaceOnFloor(c.scenery.m_fSpotFlower, row, column, plant.m_fSize[1]);
    CFlowerPlant::LoadTexture();
}

const bool kSetUp = RegisterScenerySetUp({.order = 4, .phase = SetUpPhase::Place, .run = SetUp});

}  // namespace

CFlowerPlant::CFlowerPlant() : CPlantModel(4)
{
    m_swing.m_fSwingRate = RandomRate(0.05);
    m_swing.m_fSwing = RandomSwing();
    m_sway.m_fPhaseSpeed = RandomPhaseSpeed(16);
    for (float& size : m_fSize)
        size = RandomSize();
}

void CFlowerPlant::ComputeSway(float* out, int n) { m_sway.Compute(kSway, m_fSwayPhase, m_fSegmentStep, out, n); }

void CFlowerPlant::ComputeBend(float* out, int n, float limit)
{
    m_swing.Compute(out, n, limit, kSwingFactor, g_bFlowerSwingUp);
}

void CFlowerPlant::Draw()
{
    glPushMatrix();
    glScalef(m_fSize[0], m_fSize[1], m_fSize[2]);
    float sway[kOscillatorRows] = {};
    float bend[kOscillatorRows] = {};
    ComputeSway(sway, kOscillatorRows);
    ComputeBend(bend, kOscillatorRows, kSwingLimit);
    // Eleven stems: the first and the last stand in one place.
    for (int angle = 0; angle <= 360; angle += 36) {
        glPushMatrix();
        glRotatef(static_cast<float>(angle), 0.0f, 1.0f, 0.0f);
        DrawStem(bend, sway);
        glPopMatrix();
    }
    glPopMatrix();
}

void CFlowerPlant::DrawStem(const float* bend, const float* sway)
{
    for (int k = 0; k < 3; ++k) {
        const Stalk& stalk = kStalks[k];
        glPushMatrix();
        glTranslatef(0.0f, 2.0f * static_cast<float>(k), 0.0f);
        glRotatef(m_fRotation[0] - 120.0f, 1.0f, 0.0f, 0.0f);
        SetScale(stalk.scale[0], stalk.scale[1], stalk.scale[2]);
        glRotatef(stalk.turn, 0.0f, 1.0f, 0.0f);
        glRotatef(m_fRotation[2] - 160.0f, 0.0f, 0.0f, 1.0f);
        TranslateRoot(kStalkRoot);
        DrawLeaf1(bend, sway);
        // The head in the stalk's frame, at its own scale.
        SetScale(5.0f, 10.0f, 10.0f);
        DrawLeaf2(bend, sway);
        glPopMatrix();
    }
}

void CFlowerPlant::DrawLeaf1(const float* bend, const float* sway)
{
    ApplyMaterial(g_nFlowerMaterial);
    const LeafMotion motion{
        .bend = bend, .bendAxis = {1.0f, 1.0f, 1.0f}, .sway = sway, .swayScale = {0.0f, m_fScale[1], 0.0f}};
    EmitGrid(g_FlowerStalk, kStalkRows, &motion);
}

void CFlowerPlant::DrawLeaf2(const float*, const float* sway)
{
    SetRotation(0.0f, 0.0f, 0.0f, 1.0f);
    ApplyMaterial(g_nFlowerMaterial);
    const LeafMotion motion{.sway = sway, .swayScale = {0.0f, m_fScale[1], m_fScale[2]}};
    EmitEdges(g_FlowerHeadLeft, g_FlowerHeadRight, kHeadRows, 1, &motion);
}

void CFlowerPlant::SetMaterialColor(GLenum parameter, const float rgb[3], float alpha)
{
    const GLfloat colour[4] = {rgb[0], rgb[1], rgb[2], alpha};
    glMaterialfv(GL_FRONT_AND_BACK, parameter, colour);
}

void CFlowerPlant::ApplyMaterial(int index)
{
    if (index < 0 || index >= kFlowerMaterialCount)
        return;
    const FLOWERMATERIAL& m = g_FlowerMaterials[index];
    SetMaterialColor(GL_AMBIENT, m.ambient, m.alpha);
    SetMaterialColor(GL_DIFFUSE, m.diffuse, m.alpha);
    SetMaterialColor(GL_SPECULAR, m.specular, m.alpha);
    SetMaterialColor(GL_EMISSION, m.emission, m.alpha);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.shininess);
    if (m.texture >= 0 && m.texture < kFlowerTextureCount) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, g_FlowerTextures[m.texture].name);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

std::string CFlowerPlant::PicturePath() { return GetProgramFolder() + g_FlowerTextures[0].fileName; }

BOOL CFlowerPlant::LoadTexture()
{
    glGenTextures(1, &g_FlowerTextures[0].name);
    glBindTexture(GL_TEXTURE_2D, g_FlowerTextures[0].name);
    LoadTextureFile(PicturePath().c_str());
    return TRUE;
}

BOOL CFlowerPlant::LoadTextureFile(const char* fileName)
{
    if (LoadBmpIntoBoundTexture(fileName))
        return TRUE;
    struct stat info {};
    const bool missing = stat(fileName, &info) != 0;
    std::fprintf(stderr, "parvolune: %s: %s; the flower plant stays untextured\n", fileName,
                 missing ? "the flower plant's picture is missing"
                         : "the flower plant's picture is not an uncompressed 8, 24 or 32-bit BMP file");
    return FALSE;
}
