#include "scenery/sway_plant_a.h"

#include "scenery/plant_kinds.h"
#include "scenery/sway_plant_meshes.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

namespace {

constexpr int kTableRows = 13;
constexpr int kDrawnRows = 12;  // the tip row closes the leaf and is not sent
constexpr float kLeafRoot[3] = {-0.492957f, 0.403705f, -0.379808f};
constexpr SwayShape kSway = {0.01};
constexpr float kSwingFactor = 1.0f;

struct Ring {
    float limit;  // of the swing ramp
    float size[3];
};
// Short and wide, medium, long and narrow.
constexpr Ring kRings[3] = {{10.0f, {10.0f, 10.0f, 10.0f}}, {20.0f, {1.0f, 8.0f, 20.0f}}, {45.0f, {1.0f, 5.0f, 30.0f}}};
constexpr float kSingleRingSize[3] = {5.0f, 5.0f, 5.0f};

// The set-up's spots and sizes of the ten plants.
const float kSpots[10][3] = {{-40, 1.640289f, -35},  {-42, -1.354863f, -21}, {-56, 0.410822f, -30},
                             {-56, -0.698706f, -17}, {-80, -0.682001f, -22}, {-61, -0.208034f, -19},
                             {-49, -1.287652f, -30}, {-65, 0.028019f, -31},  {-48, -1.116201f, -9},
                             {-65, -0.02173f, -20}};
const float kSizes[10][3] = {{1.1f, 1.3f, 0.05f},  {0.45f, 0.29f, 0.05f}, {0.65f, 0.24f, 0.05f}, {0.55f, 0.22f, 0.05f},
                             {0.5f, 0.26f, 0.05f}, {0.85f, 0.24f, 0.05f}, {0.5f, 0.25f, 0.05f},  {0.7f, 0.26f, 0.05f},
                             {0.6f, 0.26f, 0.05f}, {0.8f, 0.22f, 0.05f}};
constexpr int kListSlot = 0;  // plant kind 14

void SetUp(SceneryContext& c)
{
    CTankScenery& s = c.scenery;
    // The first on the floor, the others at random (four draws each), then
    // all from the fixed tables.
    SetVector(s.m_SwayPlantsA[0].m_fSize, 1.5f, 2.0f, 0.05f);
    CTankScenery::PlaceOnFloor(s.m_fSpotsA[0], c.Width() / 2 - 40, 15, s.m_SwayPlantsA[0].m_fSize[1]);
    DiscardRandom(4 * 9);
    for (int i = 0; i < 10; ++i) {
        SetVector(s.m_fSpotsA[i], kSpots[i][0], kSpots[i][1], kSpots[i][2]);
        SetVector(s.m_SwayPlantsA[i].m_fSize, kSizes[i][0], kSizes[i][1], kSizes[i][2]);
        s.m_SwayPlantsA[i].Init();
    }
}

// Plants 1 to 9, still, each raised 1 above its spot.
void CompileList(SceneryContext& c)
{
    CTankScenery& s = c.scenery;
    for (int i = 1; i < 10; ++i) {
        glPushMatrix();
        glTranslatef(s.m_fSpotsA[i][0], c.Bottom() + 1.0f + s.m_fSpotsA[i][1], c.Back() + s.m_fSpotsA[i][2]);
        s.m_SwayPlantsA[i].Draw();
        glPopMatrix();
    }
}

// Kind 14 calls the list twice, the second time further right and back.
void DrawListTwice(SceneryContext& c)
{
    glCallList(c.lists[kListSlot]);
    glTranslatef(24.0f, 1.0f, -8.0f);
    glCallList(c.lists[kListSlot]);
}

const bool kSetUp = RegisterScenerySetUp({.order = 0, .phase = SetUpPhase::Place, .run = SetUp});
const bool kList = RegisterSceneryList({.slot = kListSlot, .compile = CompileList});
// Kind 0: the first plant, drawn live so it moves.
const bool kKind0 = RegisterPlantKind({.kind = 0,
                                       .texture = {KindTexture::Plant, 0},
                                       .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotsA[0]; },
                                       .translate = {10.0f, 0.0f, 17.0f},
                                       .draw = [](SceneryContext& c) { c.scenery.m_SwayPlantsA[0].DrawSingle(0); }});
const bool kKind14 = RegisterPlantKind({.kind = 14,
                                        .pass = PlantPass::Scene,
                                        .texture = {KindTexture::Plant, 0},
                                        .translate = {49.5f, 0.0f, 0.0f},
                                        .list = kListSlot,
                                        .draw = DrawListTwice});

}  // namespace

CSwayPlantA::CSwayPlantA() : CPlantModel(4)
{
    m_swing.m_fSwingRate = RandomRate(0.01);
    m_fSwingRateReset = m_swing.m_fSwingRate;
    RandomRate(0.01);  // a second rate that nothing reads
    m_swing.m_fSwing = RandomSwing();
    m_sway.m_fPhaseSpeed = RandomPhaseSpeed(15);
}

void CSwayPlantA::ComputeSway(float* out, int n) { m_sway.Compute(kSway, m_fSwayPhase, m_fSegmentStep, out, n); }

void CSwayPlantA::ComputeSwing(float* out, int n, float limit)
{
    m_swing.Compute(out, n, limit, kSwingFactor, m_bSwingUp);
}

void CSwayPlantA::DrawSingle(int mode)
{
    m_swing.m_fSwingRate = m_fSwingRateReset;
    glPushMatrix();
    glScalef(m_fSize[0] * 0.8, m_fSize[1] * 0.8, m_fSize[2] * 0.8);
    float sway[kTableRows] = {};
    float bend[kTableRows] = {};
    ComputeSway(sway, kTableRows);
    if (mode == 0) {
        // Each draw calls the ramp three times, so it steps once, against the limit of the ring that steps it.
        for (const Ring& ring : kRings) {
            ComputeSwing(bend, kTableRows, ring.limit);
            for (int angle = 0; angle < 360; angle += 45)
                DrawLeaf(static_cast<float>(angle), ring.size, bend, sway);
        }
    } else if (mode == 2) {
        for (int angle = 0; angle <= 350; angle += 35)
            DrawLeaf(static_cast<float>(angle), kSingleRingSize, bend, sway);
    }
    glPopMatrix();
}

void CSwayPlantA::Draw()
{
    glPushMatrix();
    glScalef(m_fSize[0], m_fSize[1], m_fSize[2]);
    for (const Ring& ring : kRings)
        for (int angle = 0; angle < 360; angle += 45)
            DrawLeaf(static_cast<float>(angle), ring.size, nullptr, nullptr);
    glPopMatrix();
}

void CSwayPlantA::DrawLeaf(float angle, const float size[3], const float* bend, const float* sway)
{
    SetScale(size[0], size[1], size[2]);
    glPushMatrix();
    glRotatef(m_fRotation[0] - 90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);
    glRotatef(m_fRotation[2] - 160.0f, 0.0f, 0.0f, 1.0f);
    TranslateRoot(kLeafRoot);
    if (sway)
        DrawMeshSingle(bend, sway);
    else
        DrawMesh();
    glPopMatrix();
}

void CSwayPlantA::DrawMeshSingle(const float* bend, const float* sway)
{
    // Each row turns about the leaf's y axis; both sway offsets follow the y scale.
    const LeafMotion motion{.bend = bend,
                            .bendAxis = {0.0f, 1.0f, 0.0f},
                            .sway = sway,
                            .swayScale = {0.0f, m_fScale[1], m_fScale[1]},
                            .secondPointSwayRow = 1};
    EmitGrid(g_SwayLeafA, kDrawnRows, &motion);
}

void CSwayPlantA::DrawMesh() { EmitGrid(g_SwayLeafA, kDrawnRows, nullptr); }
