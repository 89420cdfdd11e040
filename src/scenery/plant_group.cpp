#include "scenery/plant_group.h"

#include "scenery/plant_group_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/plant_sway.h"
#include "scenery/tank_scenery.h"

#include <algorithm>
#include <cmath>

PlantGroupSway g_PlantGroupSway;

namespace {

constexpr int kStemRings = 51;
constexpr int kWaveA = 17, kWaveB = 33;
constexpr float kPhaseSpeed = 0.15707962f;
constexpr float kEntryStep = 0.31415924f;
constexpr int kCadence = 10;  // the phases move on every twelfth call
constexpr SwayShape kSwayA = {.amplitude = 0.005, .stillRows = 2, .cadence = kCadence};
constexpr SwayShape kSwayB = {.amplitude = 0.005, .stillRows = 2, .closesRing = true, .cadence = kCadence};
constexpr float kLeafRoot[3] = {0.068951f, -0.114618f, 0.494455f};
constexpr float kBulbScale = 0.5f;  // of the mesh scale, when the list is built
constexpr float kTiltLow = -80.0f, kTiltHigh = 0.0f;
// The records' step per draw, in their speeds: layout 0's rings move at half speed.
constexpr float kLayout0Pace = 0.5f, kLayout2Pace = 1.0f;

// The records as they start. A record with a lead covers its own swing in
// as many steps as its lead: its speed follows from the lead's.
struct RecordRow {
    float angle, start, end, speed;
    int lead;  // -1: speed as given
    BYTE falling;
    float narrowest[3], widest[3];
};
constexpr RecordRow kRecords[kPlantGroupLeafRecords] = {
    // Layout 2's flower.
    {-10, -10, -80, 0.05f, -1, 1, {0.5f, 0.4f, 1}, {1, 1, 1}},
    {-5, -5, -30, 0, 0, 1, {0.3f, 0.6f, 1}, {0.8f, 1, 1}},
    {0, 0, -20, 0, 0, 1, {0.3f, 0.65f, 1}, {0.45f, 1, 1}},
    {2.5f, 2.5f, -10, 0, 0, 1, {0.1f, 0.7f, 1}, {0.2f, 1, 1}},
    // Layout 0, plant 1.
    {-10, -10, -80, 0.1f, -1, 1, {0.2f, 1, 0.5f}, {0.3f, 1, 0.5f}},
    {-5, -5, -70, 0, 4, 1, {0.15f, 0.9f, 0.5f}, {0.2f, 0.9f, 0.5f}},
    {-2, -2, -60, 0, 4, 1, {0.1f, 0.8f, 0.5f}, {0.15f, 0.8f, 0.5f}},
    {0, 0, -40, 0, 4, 1, {0.05f, 0.7f, 0.5f}, {0.1f, 0.7f, 0.5f}},
    {0, 0, -20, 0, 4, 1, {0.05f, 0.6f, 0.5f}, {0.1f, 0.6f, 0.5f}},
    // Plant 2.
    {-10, -10, -80, 0.1f, -1, 1, {0.2f, 0.4f, 0.5f}, {0.3f, 1, 0.5f}},
    {-5, -5, -70, 0, 9, 1, {0.15f, 0.6f, 0.5f}, {0.2f, 1, 0.5f}},
    {-2, -2, -60, 0, 9, 1, {0.1f, 0.65f, 0.5f}, {0.15f, 1, 0.5f}},
    {0, 0, -40, 0, 9, 1, {0.05f, 0.7f, 0.5f}, {0.1f, 1, 0.5f}},
    {0, 0, -30, 0, 9, 1, {0.05f, 0.75f, 0.5f}, {0.1f, 1, 0.5f}},
    // Plant 3.
    {-5, -5, -80, 0.1f, -1, 1, {0.2f, 0.4f, 0.5f}, {0.3f, 1, 0.5f}},
    {0, 0, -40, 0, 14, 1, {0.2f, 0.3f, 0.5f}, {0.3f, 0.3f, 0.5f}},
    // Read by no layout.
    {1, 1, -80, 0.1f, -1, 1, {0.25f, 0.4f, 0.5f}, {0.7f, 1, 0.5f}},
    {-81, 1, -80, 0.1f, -1, 0, {0.25f, 0.4f, 0.5f}, {0.7f, 1, 0.5f}},
    {-81, 1, -80, 0.1f, -1, 0, {0.25f, 0.4f, 0.5f}, {0.7f, 1, 0.5f}},
    {1, 1, -80, 0.1f, -1, 1, {0.25f, 0.4f, 0.5f}, {0.7f, 1, 0.5f}},
    {-81, 1, -80, 0.1f, -1, 0, {0.25f, 0.4f, 0.5f}, {0.7f, 1, 0.5f}},
    {1, 1, -80, 0.1f, -1, 1, {0.25f, 0.4f, 0.5f}, {0.7f, 1, 0.5f}},
};

}  // namespace

// A stem: its still bend, the mesh scale, its rings, and whether it is
// turned 45 degrees about its own axis besides being stood up.
struct CPlantGroup::Stem {
    float waveStep, amplitude;
    int scale[3];
    int firstRow, lastRow;
    bool turned = true;
};

// A ring of leaves from one record: `leaves` leaves `step` degrees apart from `start`.
struct CPlantGroup::Ring {
    int record;
    int leaves;
    float start, step;
};

namespace {

// A point of a strip table with its entries looked up; an entry outside its
// table reads entry 0.
PlantVertex Resolve(const PlantGroupPoint& q)
{
    PlantVertex v = VertexFromTables(nullptr, 0, 0, g_PlantGroupNormals, g_nPlantGroupNormals, q.normal,
                                     g_PlantGroupTexCoords, g_nPlantGroupTexCoords, q.texture);
    v.x = q.x;
    v.y = q.y;
    v.z = q.z;
    return v;
}

// Strips firstStrip to lastStrip - 1 of a strip table.
template <int Lines, int Points>
void EmitTable(CBendEmitter& e, const PlantGroupPoint (&table)[Lines][Points], int firstStrip, int lastStrip,
               const float scale[3], const LeafMotion& motion)
{
    firstStrip = std::clamp(firstStrip, 0, Lines - 1);
    lastStrip = std::clamp(lastStrip, firstStrip, Lines - 1);
    e.EmitLineStrips([&table](int line, int p) { return Resolve(table[line][p]); }, firstStrip, lastStrip, Points,
                     scale, &motion);
}

void SetUp(SceneryContext& c) { c.scenery.m_PlantGroup.Init(); }

void DrawLayout(SceneryContext& c, int layout)
{
    c.scenery.m_PlantGroup.Draw(layout, c.texPlant[12], c.texPlant[15], c.texPlant[17]);
}

const bool kSetUp = RegisterScenerySetUp({.order = 18, .phase = SetUpPhase::AfterLists, .run = SetUp});
const bool kKind0 = RegisterPlantKind({.kind = 7,
                                       .scale = {1.2f, 1.5f, 1.0f},
                                       .translate = {-5.8f, -5.1f, -80.0f},
                                       .draw = [](SceneryContext& c) { DrawLayout(c, 0); }});
const bool kKind1 = RegisterPlantKind({.kind = 8,
                                       .scale = {1.2f, 1.5f, 1.0f},
                                       .translate = {-5.8f, -5.1f, -85.0f},
                                       .draw = [](SceneryContext& c) { DrawLayout(c, 1); }});
const bool kKind2 = RegisterPlantKind({.kind = 10,
                                       .scale = {1.2f, 1.5f, 1.0f},
                                       .translate = {-5.8f, -5.1f, -85.0f},
                                       .draw = [](SceneryContext& c) { DrawLayout(c, 2); }});

}  // namespace

CPlantGroup::CPlantGroup() = default;

void CPlantGroup::Init()
{
    m_nList = BuildList();
    for (int i = 0; i < kPlantGroupLeafRecords; ++i) {
        const RecordRow& row = kRecords[i];
        LEAFRECORD& r = m_Leaf[i];
        r.fAngle = row.angle;
        r.fStart = row.start;
        r.fEnd = row.end;
        r.fSpeed = row.speed;
        if (row.lead >= 0) {
            const RecordRow& lead = kRecords[row.lead];
            const double steps = (static_cast<double>(lead.start) - lead.end) / lead.speed;
            r.fSpeed = static_cast<float>((static_cast<double>(row.start) - row.end) / steps);
        }
        r.bFalling = row.falling;
        for (int k = 0; k < 3; ++k) {
            r.fSize[k] = row.narrowest[k];
            r.fNarrowest[k] = row.narrowest[k];
            r.fWidest[k] = row.widest[k];
        }
    }
}

void CPlantGroup::ComputeSway(float* out, int n)
{
    PlantGroupSway& g = g_PlantGroupSway;
    StepSwayPhase(g.m_nCounterA, kCadence, g.m_fPhaseA, kPhaseSpeed);
    FillSwayWave(kSwayA, g.m_fPhaseA, kEntryStep, out, n);
}

void CPlantGroup::ComputeSway2(float* out, int n)
{
    PlantGroupSway& g = g_PlantGroupSway;
    StepSwayPhase(g.m_nCounterB, kCadence, g.m_fPhaseB, kPhaseSpeed);
    FillSwayWave(kSwayB, g.m_fPhaseB, kEntryStep, out, n);
}

void CPlantGroup::ComputeSway3(float* out, int n) { std::fill(out, out + std::max(n, 0), 0.0f); }

void CPlantGroup::FillWave(float* out, int n, float step, float amplitude)
{
    FillSwayWave(SwayShape{.amplitude = amplitude, .stillRows = 0}, 0.0f, step, out, n);
}

void CPlantGroup::SetScale(int x, int y, int z)
{
    m_nScale[0] = x;
    m_nScale[1] = y;
    m_nScale[2] = z;
}

void CPlantGroup::MeshScale(float out[3]) const
{
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<float>(m_nScale[i]);
}

void CPlantGroup::EmitVertex(float x, float y, float z, int normal, int texture)
{
    const PlantVertex v =
        Resolve(PlantGroupPoint{x, y, z, static_cast<short>(normal), static_cast<short>(texture)});
    CBendEmitter::EmitVertex(v.x, v.y, v.z, v.nx, v.ny, v.nz, v.s, v.t);
}

void CPlantGroup::Draw(int layout, GLuint texA, GLuint texB, GLuint texC)
{
    float a[kWaveA], b[kWaveB], c[kStemRings];
    ComputeSway(a, kWaveA);
    ComputeSway2(b, kWaveB);
    ComputeSway3(c, kStemRings);
    switch (layout) {
    case 0:
        glPushMatrix();
        glBindTexture(GL_TEXTURE_2D, texB);
        glTranslatef(-14.0f, 0.0f, -9.4f);
        DrawLayout0(3);
        glPopMatrix();
        break;
    case 1:
        glPushMatrix();
        glBindTexture(GL_TEXTURE_2D, texC);
        glTranslatef(7.5f, -5.0f, 20.0f);
        glPushMatrix();
        glScalef(0.3f, 0.3f, 0.3f);
        DrawLayout1();
        glPopMatrix();
        glPopMatrix();
        break;
    case 2:
        glPushMatrix();
        glBindTexture(GL_TEXTURE_2D, texA);
        glTranslatef(26.0f, 0.0f, -9.4f);
        DrawLayout2();
        glPopMatrix();
        break;
    default:
        break;
    }
}

void CPlantGroup::StepRecord(LEAFRECORD& r, float factor)
{
    if (r.fAngle > r.fStart)
        r.bFalling = 1;
    if (r.fAngle < r.fEnd)
        r.bFalling = 0;
    const float step = r.fSpeed * factor;
    r.fAngle += r.bFalling ? -step : step;
    // How far the ring has opened, 0 at its start angle (0 for a record with no swing).
    const float swing = r.fEnd - r.fStart;
    const float open = swing != 0.0f ? std::abs((r.fAngle - r.fStart) / swing) : 0.0f;
    r.fSize[0] = r.fNarrowest[0] + open * (r.fWidest[0] - r.fNarrowest[0]);
}

void CPlantGroup::DrawLeaf(float raise, float around, const float size[3], float tilt, LeafMesh mesh)
{
    glPushMatrix();
    if (raise != 0.0f)
        glTranslatef(0.0f, raise, 0.0f);
    glRotatef(around, 0.0f, 1.0f, 0.0f);
    glPushMatrix();
    glScalef(size[0], size[1], size[2]);
    glRotatef(tilt, 1.0f, 0.0f, 0.0f);
    glRotatef(-45.0f, 0.0f, 0.0f, 1.0f);
    glTranslatef(-kLeafRoot[0] * m_nScale[0], -kLeafRoot[1] * m_nScale[1], -kLeafRoot[2] * m_nScale[2]);
    (this->*mesh)(nullptr, nullptr);
    glPopMatrix();
    glPopMatrix();
}

void CPlantGroup::DrawRings(const Ring* rings, int count, float factor, LeafMesh mesh)
{
    for (int i = 0; i < count; ++i) {
        LEAFRECORD& r = m_Leaf[rings[i].record];
        StepRecord(r, factor);
        for (int k = 0; k < rings[i].leaves; ++k)
            DrawLeaf(0.0f, rings[i].start + k * rings[i].step, r.fSize, r.fAngle, mesh);
    }
}

void CPlantGroup::DrawStem(const Stem& stem, const float* still)
{
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    if (stem.turned)
        glRotatef(45.0f, 0.0f, 0.0f, 1.0f);
    SetScale(stem.scale[0], stem.scale[1], stem.scale[2]);
    float wave[kStemRings];
    FillWave(wave, kStemRings, stem.waveStep, stem.amplitude);
    DrawMesh1(nullptr, nullptr, still, wave, stem.firstRow, stem.lastRow);
    glPopMatrix();
}

void CPlantGroup::DrawMesh1(const float*, const float*, const float* wave1, const float* wave2, int firstRow,
                            int lastRow)
{
    float wave[kStemRings];
    for (int r = 0; r < kStemRings; ++r)
        wave[r] = wave1[r] + wave2[r];
    float scale[3];
    MeshScale(scale);
    // (Y + wave) x the height scale: the wave goes in before the scale.
    const LeafMotion motion{.sway = wave, .swayScale = {0.0f, scale[1], 0.0f}, .swayBy = MotionBy::Line};
    EmitTable(*this, g_PlantGroupStem, firstRow, lastRow, scale, motion);
}

void CPlantGroup::DrawMesh2(const float*, const float*)
{
    if (!m_bLeavesOn)
        return;
    float scale[3];
    MeshScale(scale);
    EmitTable(*this, g_PlantGroupLeaf, 0, 8, scale, LeafMotion{});
}

void CPlantGroup::DrawMesh3(const float* unused1, const float* unused2) { DrawMesh2(unused1, unused2); }

void CPlantGroup::DrawBentMesh(const float*, const float* sway)
{
    SetRotation(0.0f, 0.0f, 0.0f, 1.0f);
    float scale[3];
    MeshScale(scale);
    const LeafMotion moving{.sway = sway, .swayScale = {scale[0], scale[1], scale[2]}};
    EmitTable(*this, g_PlantGroupBentLeaf, 0, 1, scale, moving);
    EmitTable(*this, g_PlantGroupBentStalk, 0, 1, scale, LeafMotion{});
}

void CPlantGroup::DrawList() { glCallList(m_nList); }

void CPlantGroup::DrawStrips()
{
    const float unit[3] = {1.0f, 1.0f, 1.0f};
    EmitTable(*this, g_PlantGroupPetal, 0, 2, unit, LeafMotion{});
}

GLuint CPlantGroup::BuildList()
{
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    float scale[3];
    MeshScale(scale);
    for (float& s : scale)
        s *= kBulbScale;
    const IndexedTriangles bulb{g_PlantGroupBulbFaces,     kPlantGroupBulbFaces, g_PlantGroupBulbPositions,
                                g_nPlantGroupBulbPositions, g_PlantGroupBulbNormals,   g_nPlantGroupBulbNormals,
                                g_PlantGroupBulbTexCoords, g_nPlantGroupBulbTexCoords};
    EmitIndexedTriangles(bulb, scale);
    glEndList();
    return list;
}

void CPlantGroup::DrawBulb(float x, float y, float z, float turnX, float turnY, float scale)
{
    glTranslatef(x, y, z);
    glRotatef(turnX, 1.0f, 0.0f, 0.0f);
    glRotatef(turnY, 0.0f, 1.0f, 0.0f);
    if (scale != 1.0f)
        glScalef(scale, scale, scale);
    DrawList();
}

void CPlantGroup::DrawWhorlPlant(const Ring (&rings)[5], const Point& ringsAt, const Stem& stem, const Point& stemAt,
                                 const float* still)
{
    glPushMatrix();
    SetScale(20, 20, 20);
    glTranslatef(ringsAt.x, ringsAt.y, ringsAt.z);
    DrawRings(rings, 5, kLayout0Pace, &CPlantGroup::DrawMesh3);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(stemAt.x, stemAt.y, stemAt.z);
    DrawStem(stem, still);
    glPopMatrix();
}

void CPlantGroup::DrawRoundLeafOnStem(const Stem& stem, const float* still, const Scale& leafScale, const float* sway)
{
    DrawStem(stem, still);
    glTranslatef(-0.5f, 10.4f, 0.0f);
    glRotatef(-81.0f, 1.0f, 0.0f, 0.0f);
    SetScale(leafScale.x, leafScale.y, leafScale.z);
    DrawBentMesh(nullptr, sway);
}

// Each numbered part starts from the layout's origin in its own push; a
// stem's own turns stay inside it, so what follows a stem stands in the
// frame the stem was placed in (a bulb or a leaf on its top).
void CPlantGroup::DrawLayout0(int withLast)
{
    float a[kWaveA], b[kWaveB], still[kStemRings];
    ComputeSway(a, kWaveA);
    ComputeSway2(b, kWaveB);
    ComputeSway3(still, kStemRings);
    // Plants 1 and 2: a stem with five rings of six leaves on its top.
    constexpr Ring kPlant1[5] = {{4, 6, 0, 60}, {5, 6, 30, 60}, {6, 6, 0, 60}, {7, 6, 30, 60}, {8, 6, 0, 60}};
    constexpr Ring kPlant2[5] = {{9, 6, 0, 60}, {10, 6, 30, 60}, {11, 6, 0, 60}, {12, 6, 30, 60}, {13, 6, 0, 60}};
    constexpr Ring kPlant3[2] = {{14, 6, 0, 60}, {15, 9, 0, 40}};
    const Stem plant1Stem{0.06283185f, 0.1f, {30, 30, 20}, 0, 50};
    const Stem plant2Stem{0.10471975f, 0.1f, {30, 30, 20}, 0, 50};
    const Stem shortStem{0.07853981f, 0.1f, {30, 30, 20}, 0, 50};
    const Stem lastStem{0.15707962f, 0.01f, {30, 30, 20}, 0, 50, false};

    DrawWhorlPlant(kPlant1, {-0.2f, 9.8f, 0.1f}, plant1Stem, {0.02f, 0.02f, 0.0f}, still);
    glPushMatrix();
    glTranslatef(-5.3f, -1.4f, 0.0f);
    glRotatef(25.0f, 0.0f, 0.0f, 1.0f);
    DrawWhorlPlant(kPlant2, {-0.1f, 10.1f, 0.1f}, plant2Stem, {0.12f, 0.02f, 0.0f}, still);
    glPopMatrix();

    // Plant 3: two rings round a bulb, turned on its side.
    glPushMatrix();
    glTranslatef(1.8f, 5.1f, 21.9f);
    glRotatef(62.5f, 1.0f, 0.0f, 0.0f);
    glRotatef(-483.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(4.5f, 0.0f, 0.0f, 1.0f);
    glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(105.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    SetScale(20, 20, 20);
    glTranslatef(-0.1f, -5.0f, 0.0f);
    DrawRings(kPlant3, 2, kLayout0Pace, &CPlantGroup::DrawMesh3);
    DrawBulb(0.05f, 4.05f, 1.05f, -90.0f, 180.0f, 0.3f);
    glPopMatrix();

    // Two more stems, the second placed from the first, a bulb on its top.
    glPushMatrix();
    glTranslatef(0.1f, -14.7f, -1.8f);
    DrawStem(shortStem, still);
    glTranslatef(3.79f, 1.5f, 6.5f);
    glRotatef(-26.0f, 0.0f, 0.0f, 1.0f);
    DrawStem(shortStem, still);
    glTranslatef(0.1f, 14.7f, 3.4f);
    glRotatef(-162.0f, 1.0f, 0.0f, 0.0f);
    SetScale(30, 30, 30);
    DrawBulb(0.05f, 4.05f, 1.05f, -90.0f, 180.0f, 0.7f);
    glPopMatrix();

    // A ring of 36 petal stalks under plant 1's leaves.
    glPushMatrix();
    glTranslatef(-0.2f, 9.15f, 0.1f);
    glRotatef(-162.0f, 1.0f, 0.0f, 0.0f);
    glScalef(0.5f, 0.25f, 0.5f);
    for (int angle = 0; angle < 360; angle += 10) {
        glPushMatrix();
        glRotatef(static_cast<float>(angle), 0.0f, 1.0f, 0.0f);
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        glTranslatef(1.455f, 0.533f, -10.576f);
        DrawStrips();
        glPopMatrix();
    }
    glPopMatrix();

    if (withLast != 0) {
        // A stem with a round leaf on its top.
        glPushMatrix();
        glTranslatef(10.0f, -1.4f, 0.0f);
        DrawRoundLeafOnStem(lastStem, still, {10, 15, 1}, b);
        glPopMatrix();
    }
}

void CPlantGroup::DrawCrown(float raise)
{
    // The tiers open wider as the tilt falls towards -80.
    struct Tier {
        float raise, start, width, length, tilt;
        bool held;  // tilted only while the sum lies between -90 and 0
    };
    constexpr Tier kTiers[4] = {{0.0f, 0, 0.125f, 0.25f, 0, false},
                                {0.2f, 45, 0.1f, 0.25f, 20, true},
                                {0.4f, 25, 0.1f, 0.15f, 30, true},
                                {0.6f, 45, 0.1f, 0.1f, 40, true}};
    const float t = m_fTilt;
    const float w = t * (-1.0f / 90.0f) * 0.5f;
    for (int k = 0; k < 4; ++k) {
        const Tier& tier = kTiers[k];
        const float size[3] = {tier.width + w * 0.25f, w + tier.length, 0.5f};
        float tilt = t + tier.tilt;
        if (tier.held && !(tilt < 0.0f && tilt > -90.0f))
            tilt = 0.0f;
        const float lift = tier.raise + (k == 0 ? raise : 0.0f);
        for (int leaf = 0; leaf < 12; ++leaf)
            DrawLeaf(lift, tier.start + 30.0f * leaf, size, tilt, &CPlantGroup::DrawMesh2);
    }
}

void CPlantGroup::StepTilt()
{
    BYTE& falling = g_PlantGroupSway.m_bTiltFalling;
    const float step = m_fTiltStep * 0.05f;
    m_fTilt += falling ? -step : step;
    if (m_fTilt < kTiltLow)
        falling = 0;
    if (m_fTilt > kTiltHigh)
        falling = 1;
}

void CPlantGroup::DrawLayout1()
{
    float a[kWaveA], b[kWaveB], still[kStemRings];
    ComputeSway(a, kWaveA);
    ComputeSway2(b, kWaveB);
    ComputeSway3(still, kStemRings);
    const Stem mainStem{0.06283185f, 0.005f, {30, 30, 20}, 0, 50};
    const Stem secondStem{0.12566369f, 0.05f, {30, 30, 20}, 15, 40};
    const Stem leafStem{0.08975979f, 0.1f, {20, 20, 10}, 10, 50};
    const Stem bulbStem{0.08975979f, 0.1f, {30, 30, 25}, 0, 40};

    glPushMatrix();
    glTranslatef(1.3f, 0.0f, 0.0f);
    glRotatef(1.0f, 0.0f, 0.0f, 1.0f);
    DrawStem(mainStem, still);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(1.0f, 9.9f, 0.5f);
    glRotatef(20.0f, 0.0f, 0.0f, 1.0f);
    SetScale(30, 30, 30);
    DrawCrown(0.0f);
    glPopMatrix();

    StepTilt();

    glPushMatrix();
    glTranslatef(-1.8f, 0.3f, -4.4f);
    glRotatef(12.0f, 0.0f, 0.0f, 1.0f);
    glTranslatef(-0.2f, -4.4f, 4.4f);
    glRotatef(-355.5f, 0.0f, 1.0f, 0.0f);
    DrawStem(secondStem, still);
    glTranslatef(-4.2f, -4.1f, -5.9f);
    glRotatef(33.5f, 1.0f, 0.0f, 0.0f);
    glRotatef(-19.5f, 0.0f, 0.0f, 1.0f);
    glTranslatef(-0.3f, 10.1f, 0.0f);
    glRotatef(28.5f, 0.0f, 0.0f, 1.0f);
    SetScale(30, 30, 20);
    DrawCrown(0.2f);
    glPopMatrix();

    // Two round leaves on short stems.
    glPushMatrix();
    glScalef(1.0f, 2.0f, 1.0f);
    for (int leaf = 0; leaf < 2; ++leaf) {
        glPushMatrix();
        if (leaf == 0) {
            glTranslatef(-4.4f, 5.8f, 0.0f);
            glRotatef(1.0f, 0.0f, 0.0f, 1.0f);
        } else {
            glTranslatef(7.9f, 5.1f, -3.3f);
            glRotatef(-181.0f, 0.0f, 1.0f, 0.0f);
            glRotatef(11.0f, 0.0f, 0.0f, 1.0f);
        }
        glTranslatef(-2.9f, -7.1f, 0.3f);
        glRotatef(22.5f, 0.0f, 0.0f, 1.0f);
        DrawStem(leafStem, still);
        glTranslatef(-5.3f, -4.3f, -0.7f);
        glRotatef(250.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(5.0f, 0.0f, 1.0f, 0.0f);
        SetScale(10, 10, 20);
        DrawBentMesh(nullptr, b);
        glPopMatrix();
    }
    glPopMatrix();

    glPushMatrix();
    glTranslatef(-1.0f, 0.0f, 6.0f);
    glTranslatef(2.2f, -4.8f, -9.9f);
    glRotatef(-69.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(19.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(34.0f, 0.0f, 0.0f, 1.0f);
    DrawStem(bulbStem, still);
    DrawBulb(6.6f, 8.5f, -4.7f, -62.0f, 25.0f, 1.0f);
    glPopMatrix();
}

void CPlantGroup::DrawLayout2()
{
    float a[kWaveA], b[kWaveB], still[kStemRings];
    ComputeSway(a, kWaveA);
    ComputeSway2(b, kWaveB);
    ComputeSway3(still, kStemRings);
    // The flower: rings of three to six petals, opening and closing.
    constexpr Ring kFlower[4] = {{0, 3, 0, 120}, {1, 4, 45, 90}, {2, 5, 0, 72}, {3, 6, 45, 60}};
    const Stem flowerStem{0.12566369f, 0.005f, {30, 30, 20}, 0, 50};
    const Stem budStem{0.15707962f, 0.1f, {30, 30, 30}, 20, 50};
    const Stem leftLeafStem{0.07853981f, 0.1f, {20, 20, 20}, 0, 50};
    const Stem rightLeafStem{0.15707962f, 0.01f, {20, 20, 20}, 0, 50, false};

    glPushMatrix();
    glRotatef(1.0f, 0.0f, 0.0f, 1.0f);
    DrawStem(flowerStem, still);
    glPopMatrix();

    glPushMatrix();
    SetScale(20, 20, 20);
    glTranslatef(-0.2f, 9.9f, 0.8f);
    glRotatef(-55.0f, 0.0f, 1.0f, 0.0f);
    DrawRings(kFlower, 4, kLayout2Pace, &CPlantGroup::DrawMesh3);
    glPopMatrix();

    glPushMatrix();
    glScalef(0.8f, 0.8f, 0.8f);
    glTranslatef(0.15f, 2.9f, 0.9f);
    glRotatef(-190.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(-2.0f, 0.0f, 0.0f, 1.0f);
    DrawStem(budStem, still);
    DrawBulb(-1.2f, 4.7f, -0.3f, -99.0f, -25.0f, 1.0f);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(-6.3f, -0.8f, 0.0f);
    glRotatef(22.5f, 0.0f, 0.0f, 1.0f);
    DrawStem(leftLeafStem, still);
    glTranslatef(0.0f, 10.1f, 1.0f);
    glRotatef(-64.5f, 1.0f, 0.0f, 0.0f);
    glRotatef(-22.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
    SetScale(10, 10, 10);
    DrawBentMesh(nullptr, b);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(6.4f, -1.4f, 0.0f);
    glRotatef(-30.5f, 0.0f, 0.0f, 1.0f);
    DrawRoundLeafOnStem(rightLeafStem, still, {10, 10, 10}, b);
    glPopMatrix();
}
