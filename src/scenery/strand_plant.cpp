#include "scenery/strand_plant.h"

#include "platform/crt.h"
#include "scenery/plant_kinds.h"
#include "scenery/strand_plant_meshes.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

#include <array>

float g_fTuneRot[3] = {0.0f, 0.0f, 0.0f};
float g_fTuneOffset[3] = {0.0f, 0.0f, 0.0f};

namespace {

constexpr int kFirstBulbStrip = 20;  // strips from here on join rings of the bulb
constexpr int kFirstModelStrip = 21;
constexpr int kStillRings = 20;  // from ring 20 on, a strand turns rigidly with ring 20
constexpr float kRingBend = 0.125f;

// The strands of the bed's 5 x 5 grid that are left out.
constexpr bool Skipped(int strand) { return strand <= 2 || (strand >= 7 && strand <= 9); }

// The bulb: half size across, a fifth along the height, lowered by 0.03 of
// the height scale, about the model's origin.
void BulbTransform(const StripVertex& v, float p[3], const void* context)
{
    if (v.strip < kFirstBulbStrip)
        return;
    const auto* plant = static_cast<const CStrandPlant*>(context);
    p[0] *= 0.5f;
    p[1] = p[1] * 0.2f - 0.03f * static_cast<float>(plant->m_nMeshScale[1]);
    p[2] *= 0.5f;
}

const PlantVertex& RingPoint(int ring, int point) { return g_StrandRings[ring][point]; }

std::array<float, 3> MeshScale(const int scale[3])
{
    return {static_cast<float>(scale[0]), static_cast<float>(scale[1]), static_cast<float>(scale[2])};
}

void SetUp(SceneryContext& c)
{
    CStrandPlant& p = c.scenery.m_StrandPlant;
    SetVector(p.m_fPlacement, 20.5f, 20.4f, 20.05f);
    DrawPlacementTurns(p.m_fPlacement, 1);
    SetVector(c.scenery.m_fSpotStrand, -25.0f, 9.0f, -50.0f);
    const float* q = p.m_fPlacement;
    p.Init(q[0], q[1], q[2], q[3], q[4], q[5]);
}

const bool kSetUp = RegisterScenerySetUp({.order = 15, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 11,
                                      .texture = {KindTexture::Plant, 0},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotStrand; },
                                      .translate = {20.0f, -2.0f, -5.0f},
                                      .draw = [](SceneryContext& c) { c.scenery.m_StrandPlant.Draw(1); }});

}  // namespace

CStrandPlant::CStrandPlant() = default;

void CStrandPlant::Init(float p0, float p1, float p2, float p3, float p4, float p5)
{
    CColorLayerHolder::Init(p0, p1, p2, p3, p4, p5);
    for (STRANDRECORD& s : m_Strand) {
        s.fSegLift[0] = 0.0f;
        s.fBend = static_cast<float>(crt::rand() % 10);
        s.nUnused0 = 0;
        s.fSpeed = static_cast<float>(0.01 * (crt::rand() % 10) + 0.1);
        s.fStep = 0.01f;
        s.fHeight = static_cast<float>(0.01 * (crt::rand() % 10));
        for (float& f : s.fFactor)
            f = 1.0f;
        s.bRising = crt::rand() % 2 != 0;
        s.nRandA = crt::rand() % 10 + 1;
        s.bRandFlag = crt::rand() % 2 != 0;
        s.nRandB = crt::rand() % 10 + 1;
        s.fMaxBend = static_cast<float>(crt::rand() % 90 + 10);
        s.fRandC = static_cast<float>(crt::rand() % 10 + 1);
    }
}

void CStrandPlant::Update()
{
    for (STRANDRECORD& s : m_Strand) {
        s.fBend += s.bRising ? 2 * s.fSpeed : -2 * s.fSpeed;
        if (s.fBend > s.fMaxBend)
            s.bRising = 0;
        if (s.fBend < 0.0f)
            s.bRising = 1;
        for (int i = 0; i < kStrandSegments; ++i)
            s.fSegAngle[i] = s.fBend * kRingBend * static_cast<float>(i < kStillRings ? i : kStillRings);
    }
}

void CStrandPlant::Draw(int mode)
{
    if (mode == 0) {
        glRotatef(-180.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(135.0f, 0.0f, 1.0f, 0.0f);
        glRotatef(20.0f, 0.0f, 0.0f, 1.0f);
        const float lift[kStrandSegments] = {};
        Update();
        glPushMatrix();
        glScalef(1.0f, 2.5f, 1.0f);
        for (int column = 0; column < 5; ++column) {
            for (int row = 0; row < 5; ++row) {
                const int n = 5 * column + row;
                if (Skipped(n))
                    continue;
                glPushMatrix();
                glTranslatef(5.0f * column, 5.0f * m_Strand[n].fHeight - 1.0f, 6.6f * row);
                DrawStrand(m_Strand[n].fSegAngle, lift);
                glPopMatrix();
            }
        }
        glPopMatrix();
    } else if (mode == 1) {
        glRotatef(-45.0f, 0.0f, 1.0f, 0.0f);
        glRotatef(-15.0f, 1.0f, 0.0f, 0.0f);
        Update();  // the sway moves on, though the bulb does not show it
        glPushMatrix();
        glScalef(2.5f, 2.0f, 2.0f);
        glPushMatrix();
        glRotatef(g_fTuneRot[0], 1.0f, 0.0f, 0.0f);
        glRotatef(g_fTuneRot[1], 0.0f, 1.0f, 0.0f);
        glRotatef(g_fTuneRot[2], 0.0f, 0.0f, 1.0f);
        // The third offset moves along x, the first along z.
        glTranslatef(g_fTuneOffset[2] + 13.3f, g_fTuneOffset[1] - 3.7f, g_fTuneOffset[0] + 4.7f);
        DrawModel();
        glPopMatrix();
        glPopMatrix();
    }
}

void CStrandPlant::DrawStrand(const float angle[kStrandSegments], const float lift[kStrandSegments])
{
    const auto scale = MeshScale(m_nMeshScale);
    // Each ring turns by its own angle; only a strip's second ring is lifted.
    const LeafMotion motion{.bend = angle,
                            .bendAxis = {0.0f, 1.0f, 0.0f},
                            .bendBy = MotionBy::Line,
                            .sway = lift,
                            .swayScale = {0.0f, 1.0f, 0.0f},
                            .swayBy = MotionBy::Line,
                            .swaySides = 2,
                            .adjust = BulbTransform,
                            .context = this};
    EmitLineStrips(RingPoint, 0, kStrandRings - 1, kStrandRingPoints, scale.data(), &motion);
}

void CStrandPlant::DrawModel()
{
    const auto scale = MeshScale(m_nMeshScale);
    SetRotation(0.0f, 0.0f, 1.0f, 0.0f);
    const LeafMotion motion{.adjust = BulbTransform, .context = this};
    EmitLineStrips(RingPoint, kFirstModelStrip, kStrandRings - 1, kStrandRingPoints, scale.data(), &motion);
}
