#include "scenery/blade_cluster.h"

#include "scenery/blade_cluster_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

constexpr int kStalkPairs = 4;
constexpr int kRimPairs = 33;
constexpr int kMiddlePairs = 9;
constexpr float kStalkZScale = 5.0f;  // of pairs 1 to 3
// The root end of the stalk, brought to the origin.
constexpr float kBladeRoot[3] = {0.0441879f, 0.0470131f, -1.077805f};
constexpr float kLengths[4] = {13.0f, 11.0f, 8.0f, 11.0f};

constexpr SwayShape kSway = {0.02};
constexpr float kSway2Step = 0.06283185f;
constexpr float kSway2IndexStep = 0.31415924f;
constexpr SwayShape kSway2 = {.amplitude = 0.02, .stillRows = 0, .closesRing = true};
constexpr float kSway3IndexStep = 1.5707963f;
constexpr SwayShape kSway3 = {.amplitude = 0.1, .stillRows = 0};

// The oscillator arrays of a draw.
constexpr int kFirstValues = 17, kSwayValues = kRimPairs, kExtraValues = 8;

void SetUp(SceneryContext& c)
{
    CBladeCluster& plant = c.scenery.m_BladeCluster;
    // The smallest single-precision values above 1.8 and 0.03.
    SetVector(plant.m_fSize, 1.2f, 1.8000001f, 0.030000001f);
    CTankScenery::PlaceOnFloor(c.scenery.m_fSpotBlade, c.Width() / 2 + 10, 15, plant.m_fSize[1]);
    plant.BuildList();
}

const bool kSetUp = RegisterScenerySetUp({.order = 6, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 2,
                                      .texture = {KindTexture::Plant, 5},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotBlade; },
                                      .translate = {20.0f, -3.0f, 17.0f},
                                      .turns = {{180.0f, 1.0f, 0.0f, 0.0f}},
                                      .draw = [](SceneryContext& c) { c.scenery.m_BladeCluster.Draw(); }});

}  // namespace

CBladeCluster::CBladeCluster() : CPlantModel(5)
{
    RandomRate(0.0001);  // two values that nothing reads
    RandomSwing();
    m_fPhaseRate = RandomPhaseSpeed(30);
    m_fPhaseRateSource = RandomPhaseSpeed(30);
}

BOOL CBladeCluster::BuildList()
{
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    Draw();
    glEndList();
    return TRUE;
}

void CBladeCluster::ComputeSway(float* out, int n)
{
    StepSwayPhase(m_nSwayCounter, kSway.cadence, m_fSwayPhase, m_fPhaseRate);
    FillSwayWave(kSway, m_fSwayPhase, m_fSegmentStep, out, n);
}

void CBladeCluster::ComputeSway2(float* out, int n)
{
    StepSwayPhase(m_nSwayCounter, kSway2.cadence, m_fSwayPhase, kSway2Step);
    FillSwayWave(kSway2, m_fSwayPhase, kSway2IndexStep, out, n);
}

void CBladeCluster::ComputeSway3(float* out, int n) { FillSwayWave(kSway3, m_fSwayPhase, kSway3IndexStep, out, n); }

void CBladeCluster::Draw()
{
    m_fPhaseRate = m_fPhaseRateSource;
    glPushMatrix();
    float first[kFirstValues] = {};
    float sway[kSwayValues] = {};
    float bends[kSwayValues] = {};
    float extra[kExtraValues] = {};
    // Only the sway is drawn with; the other two calls count for the phase.
    ComputeSway(first, kFirstValues);
    ComputeSway2(sway, kSwayValues);
    ComputeSway3(extra, kExtraValues);
    for (int b = 0; b < 4; ++b) {
        glPushMatrix();
        glScalef(m_fSize[0], m_fSize[1], m_fSize[2]);
        SetScale(10.0f, 10.0f, kLengths[b]);
        glRotatef(90.0f * static_cast<float>(b), 0.0f, 1.0f, 0.0f);
        DrawBlade(bends, sway, extra);
        glPopMatrix();
    }
    glPopMatrix();
}

void CBladeCluster::DrawBlade(const float* bends, const float* sway, const float* extra)
{
    glPushMatrix();
    glRotatef(120.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(0.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(-160.0f, 0.0f, 0.0f, 1.0f);
    TranslateRoot(kBladeRoot);
    DrawMesh1(bends, sway, extra);
    DrawMesh2(bends, sway);
    glPopMatrix();
}

void CBladeCluster::DrawMesh1(const float*, const float*, const float*)
{
    SetRotation(0.0f, 0.0f, 0.0f, 1.0f);
    const LeafMotion motion{.adjust = [](const StripVertex& v, float p[3], const void*) {
        if (v.point > 0)
            p[2] *= kStalkZScale;
    }};
    EmitGrid(g_BladeStalk, kStalkPairs, &motion);
}

void CBladeCluster::DrawMesh2(const float*, const float* sway)
{
    SetRotation(0.0f, 0.0f, 0.0f, 1.0f);
    // Rim point i moves by sway[i] times the leaf scale on every axis.
    const LeafMotion rim{.sway = sway, .swayScale = {m_fScale[0], m_fScale[1], m_fScale[2]}, .swaySides = 1};
    EmitEdges(g_BladeLeafRim, g_BladeLeafInner, kRimPairs, 1, &rim);
    const LeafMotion still{};
    EmitEdges(g_BladeLeafMiddleLeft, g_BladeLeafMiddleRight, kMiddlePairs, 1, &still);
}
