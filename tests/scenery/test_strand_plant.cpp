// The strand plant without a GL context: the sway state its Init draws, the
// turning points of each strand, what each mode sends through the vertex
// recorder, the bulb's transform, and the model table it draws.
#include "objects/rand_tape.h"
#include "scenery/strand_plant.h"
#include "scenery/strand_plant_meshes.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

namespace {

constexpr size_t kStripVertices = 2 * kStrandRingPoints;

std::unique_ptr<CStrandPlant> InitedPlant(unsigned seed)
{
    auto p = std::make_unique<CStrandPlant>();
    crt::srand(seed);
    p->Init(20.5f, 20.4f, 20.05f, 0, 0, 0);
    return p;
}

TEST(StrandPlant, InitDrawsNineValuesPerStrandInOrder)
{
    const std::vector<int> r = RandFrom(31, 9 * kStrands);
    const auto p = InitedPlant(31);
    EXPECT_EQ(p->m_fParam[1], 20.4f);
    EXPECT_EQ(p->m_nList, 0u);  // no list of its own
    for (int n : {0, 57, kStrands - 1}) {
        const int* d = &r[9 * n];
        const STRANDRECORD& s = p->m_Strand[n];
        SCOPED_TRACE(n);
        EXPECT_EQ(s.fBend, static_cast<float>(d[0] % 10));
        EXPECT_EQ(s.fSpeed, static_cast<float>(0.01 * (d[1] % 10) + 0.1));
        EXPECT_EQ(s.fHeight, static_cast<float>(0.01 * (d[2] % 10)));
        EXPECT_EQ(s.bRising, d[3] % 2 != 0);
        EXPECT_EQ(s.nRandA, d[4] % 10 + 1);
        EXPECT_EQ(s.bRandFlag, d[5] % 2 != 0);
        EXPECT_EQ(s.nRandB, d[6] % 10 + 1);
        EXPECT_EQ(s.fMaxBend, static_cast<float>(d[7] % 90 + 10));
        EXPECT_EQ(s.fRandC, static_cast<float>(d[8] % 10 + 1));
        EXPECT_EQ(s.fStep, 0.01f);
        EXPECT_EQ(s.fFactor[2], 1.0f);
    }
}

TEST(StrandPlant, BendTurnsOnlyOnceItPassesAnEnd)
{
    struct Case {
        const char* name;
        float bend, speed, maxBend;
        BYTE rising;
        float bendAfter;
        BYTE risingAfter;
    };
    const Case cases[] = {
        {"rising, reaches the top exactly", 19.5f, 0.25f, 20.0f, 1, 20.0f, 1},
        {"rising, passes the top", 19.75f, 0.25f, 20.0f, 1, 20.25f, 0},
        {"falling, reaches 0 exactly", 0.5f, 0.25f, 20.0f, 0, 0.0f, 0},
        {"falling, passes 0", 0.25f, 0.25f, 20.0f, 0, -0.25f, 1},
        {"falling from above the top", 20.25f, 0.25f, 20.0f, 0, 19.75f, 0},
    };
    for (const Case& c : cases) {
        CStrandPlant p;
        STRANDRECORD& s = p.m_Strand[7];
        s.fBend = c.bend;
        s.fSpeed = c.speed;
        s.fMaxBend = c.maxBend;
        s.bRising = c.rising;
        p.Update();
        EXPECT_FLOAT_EQ(s.fBend, c.bendAfter) << c.name;
        EXPECT_EQ(s.bRising, c.risingAfter) << c.name;
    }
}

TEST(StrandPlant, StalkBendsAlongTwentyRingsAndTheBulbTurnsWithRingTwenty)
{
    CStrandPlant p;
    p.m_Strand[3].fBend = 7.0f;
    p.m_Strand[3].fSpeed = 0.5f;
    p.m_Strand[3].fMaxBend = 50.0f;
    p.m_Strand[3].bRising = 1;
    p.Update();
    const float* a = p.m_Strand[3].fSegAngle;
    EXPECT_EQ(a[0], 0.0f);
    for (int i = 1; i <= 20; ++i)
        EXPECT_FLOAT_EQ(a[i], 8.0f * 0.125f * i) << "ring " << i;
    for (int i = 21; i < kStrandSegments; ++i)
        EXPECT_EQ(a[i], a[20]) << "ring " << i;
    EXPECT_FLOAT_EQ(a[25], 8.0f * 2.5f);
}

TEST(StrandPlant, EachModeSendsItsStripsAndStepsTheSway)
{
    struct Case {
        int mode;
        size_t strips;
        int steps;  // of the sway
    };
    // Mode 0: 19 of the 25 grid places, 29 strips each; mode 1: the bulb's 8.
    for (const Case& c : {Case{0, 19 * 29, 1}, Case{1, 8, 1}, Case{2, 0, 0}, Case{-1, 0, 0}}) {
        const auto p = InitedPlant(8);
        const float bend = p->m_Strand[40].fBend;
        const float step = 2 * p->m_Strand[40].fSpeed * (p->m_Strand[40].bRising ? 1 : -1);
        VertexRecorder rec;
        p->Draw(c.mode);
        EXPECT_EQ(rec.primitives.size(), c.strips) << "mode " << c.mode;
        EXPECT_EQ(rec.VertexCount(), c.strips * kStripVertices) << "mode " << c.mode;
        EXPECT_FLOAT_EQ(p->m_Strand[40].fBend, bend + c.steps * step) << "mode " << c.mode;
    }
    // Drawn twice in a frame, the plant sways two steps.
    const auto p = InitedPlant(8);
    const float bend = p->m_Strand[40].fBend;
    const float step = 2 * p->m_Strand[40].fSpeed * (p->m_Strand[40].bRising ? 1 : -1);
    VertexRecorder rec;
    p->Draw(1);
    p->Draw(1);
    EXPECT_FLOAT_EQ(p->m_Strand[40].fBend, bend + 2 * step);
}

std::array<float, 3> Scaled(const PlantVertex& v) { return {v.x * 10, v.y * 10, v.z * 10}; }

// The bulb's transform about the model's origin at mesh scale 10.
std::array<float, 3> InBulb(const PlantVertex& v) { return {v.x * 10 * 0.5f, v.y * 10 * 0.2f - 0.3f, v.z * 10 * 0.5f}; }

void ExpectNear(const std::array<float, 3>& got, const std::array<float, 3>& want, const char* what, int index)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-5f) << what << " " << index << " axis " << i;
}

TEST(StrandPlant, RingTwentyClosesTheStalkAsItIsAndOpensTheBulbTransformed)
{
    CStrandPlant p;
    const float still[kStrandSegments] = {};
    VertexRecorder rec;
    p.DrawStrand(still, still);
    ASSERT_EQ(rec.primitives.size(), 29u);
    const auto& top = rec.primitives[19].vertices;   // rings 19 and 20
    const auto& neck = rec.primitives[20].vertices;  // rings 20 and 21
    for (int v = 0; v < kStrandRingPoints; ++v) {
        ExpectNear(top[2 * v].position, Scaled(g_StrandRings[19][v]), "ring 19 point", v);
        ExpectNear(top[2 * v + 1].position, Scaled(g_StrandRings[20][v]), "ring 20 as the stalk's top, point", v);
        ExpectNear(neck[2 * v].position, InBulb(g_StrandRings[20][v]), "ring 20 as the bulb's neck, point", v);
        ExpectNear(neck[2 * v + 1].position, InBulb(g_StrandRings[21][v]), "ring 21 point", v);
    }
    // The bulb alone draws the same rings 21 to 29, unbent.
    VertexRecorder model;
    p.DrawModel();
    ASSERT_EQ(model.primitives.size(), 8u);
    for (int v = 0; v < kStrandRingPoints; ++v)
        ExpectNear(model.primitives[7].vertices[2 * v + 1].position, InBulb(g_StrandRings[29][v]), "ring 29 point", v);
}

TEST(StrandPlant, EachRingTurnsByItsAngleAndOnlyAStripsSecondRingIsLifted)
{
    CStrandPlant p;
    float angle[kStrandSegments] = {}, lift[kStrandSegments] = {};
    angle[4] = 90.0f;
    angle[5] = 30.0f;
    lift[5] = 2.0f;
    VertexRecorder rec;
    p.DrawStrand(angle, lift);
    auto turned = [](const std::array<float, 3>& q, float degrees, float raise) {
        const double a = degrees * 3.14159265358979 / 180;
        return std::array<float, 3>{static_cast<float>(q[0] * std::cos(a) + q[2] * std::sin(a)), q[1] + raise,
                                    static_cast<float>(-q[0] * std::sin(a) + q[2] * std::cos(a))};
    };
    const auto& strip4 = rec.primitives[4].vertices;  // rings 4 and 5
    const auto& strip5 = rec.primitives[5].vertices;  // rings 5 and 6
    for (int v : {0, 3, 10}) {
        ExpectNear(strip4[2 * v].position, turned(Scaled(g_StrandRings[4][v]), 90, 0), "ring 4 point", v);
        ExpectNear(strip4[2 * v + 1].position, turned(Scaled(g_StrandRings[5][v]), 30, 2), "lifted ring 5 point", v);
        ExpectNear(strip5[2 * v].position, turned(Scaled(g_StrandRings[5][v]), 30, 0), "ring 5 point", v);
        EXPECT_EQ(strip4[2 * v].normal[0], g_StrandRings[4][v].nx) << "normals go out unturned";
    }
}

// ---- the model table -----------------------------------------------------------

TEST(StrandModel, TellingPointsBoundsAndClosedRings)
{
    const PlantVertex& foot = g_StrandRings[0][0];
    const PlantVertex& tip = g_StrandRings[29][0];
    const float want[2][8] = {{0.298f, 0.472f, 0.389f, 0.973f, -0.165f, -0.160f, 0.447f, 1.658f},
                              {-0.146f, -0.474f, -0.372f, 0.175f, -0.664f, -0.726f, 0.581f, 1.626f}};
    for (int k = 0; k < 2; ++k) {
        const PlantVertex& q = k == 0 ? foot : tip;
        const float got[8] = {q.x, q.y, q.z, q.nx, q.ny, q.nz, q.s, q.t};
        for (int i = 0; i < 8; ++i)
            EXPECT_NEAR(got[i], want[k][i], 2e-3f) << (k == 0 ? "ring 0" : "ring 29") << " value " << i;
    }
    for (int ring = 0; ring < kStrandRings; ++ring) {
        const PlantVertex* r = g_StrandRings[ring];
        // The seam point repeats the first, so the strips close.
        EXPECT_EQ(r[10].x, r[0].x);
        EXPECT_EQ(r[10].s, r[0].s);
        for (int v = 0; v < kStrandRingPoints; ++v) {
            EXPECT_LE(std::abs(r[v].x), 0.298f + 1e-4f) << ring;
            EXPECT_LE(std::abs(r[v].y), 0.5f) << ring;
            EXPECT_LE(std::abs(r[v].z), 0.4f) << ring;
            EXPECT_NEAR(std::hypot(r[v].nx, r[v].ny, r[v].nz), 1.0f, 1e-4f) << ring;
            EXPECT_EQ(r[v].t, r[0].t) << "t is constant on ring " << ring;
            EXPECT_GE(r[v].s, 0.447f - 1e-4f);
            EXPECT_LE(r[v].s, (ring < 21 ? 0.588f : 0.581f) + 1e-4f);
        }
    }
    // t climbs along the stalk and along the bulb, in their own parts of the picture.
    EXPECT_NEAR(g_StrandRings[20][0].t, 1.815f, 1e-4f);
    EXPECT_NEAR(g_StrandRings[21][0].t, 1.519f, 1e-4f);
    for (int ring = 1; ring < kStrandRings; ++ring)
        if (ring != 21) {
            EXPECT_GT(g_StrandRings[ring][0].t, g_StrandRings[ring - 1][0].t) << ring;
        }
}

}  // namespace
