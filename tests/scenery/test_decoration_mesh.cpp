// The display-listed decorations and the static mesh without a GL context:
// their tables, what their meshes send, and the placement the scene set-up
// draws for them.
#include "platform/crt.h"
#include "scenery/decoration_mesh_a.h"
#include "scenery/decoration_mesh_a_meshes.h"
#include "scenery/decoration_mesh_b.h"
#include "scenery/decoration_mesh_b_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/static_mesh.h"
#include "scenery/tank_scenery.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Vec3 = std::array<float, 3>;

Vec3 Minus(const float* a, const float* b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]}; }
float Dot(Vec3 a, const float* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

const IndexedTriangles kBoulder = CDecorationMeshA::MeshTables();
const IndexedTriangles kDriftwood = CDecorationMeshB::MeshTables();

TEST(DecorationMeshes, TablesHaveTheirSizesAndEveryFaceIndexesInsideThem)
{
    EXPECT_EQ(kBoulder.faceCount, 1120);
    EXPECT_EQ(kBoulder.positionCount, 853);
    EXPECT_EQ(kBoulder.normalCount, 1084);
    EXPECT_EQ(kBoulder.texCoordCount, 48);
    EXPECT_EQ(kDriftwood.faceCount, 15419);
    const std::pair<const char*, IndexedTriangles> meshes[] = {{"decoration A", kBoulder}, {"decoration B", kDriftwood}};
    for (const auto& [name, t] : meshes) {
        for (int f = 0; f < t.faceCount; ++f)
            for (int k = 0; k < 3; ++k) {
                EXPECT_GE(t.faces[f][k], 0) << name << " face " << f;
                EXPECT_LT(t.faces[f][k], t.positionCount) << name << " face " << f;
                EXPECT_GE(t.faces[f][3 + k], 0) << name << " face " << f;
                EXPECT_LT(t.faces[f][3 + k], t.normalCount) << name << " face " << f;
                EXPECT_GE(t.faces[f][6 + k], 0) << name << " face " << f;
                EXPECT_LT(t.faces[f][6 + k], t.texCoordCount) << name << " face " << f;
            }
        for (int n = 0; n < t.normalCount; ++n)
            EXPECT_NEAR(std::sqrt(Dot({t.normals[n][0], t.normals[n][1], t.normals[n][2]}, t.normals[n])), 1.0f, 1e-3f)
                << name << " normal " << n;
    }
}

TEST(DecorationMeshes, BoulderFitsItsBoxAndHoldsTheTellingRows)
{
    const float half[3] = {0.5f, 0.415f, 0.285f};
    float low[3] = {1, 1, 1}, high[3] = {-1, -1, -1};
    for (int p = 0; p < 853; ++p)
        for (int i = 0; i < 3; ++i) {
            low[i] = std::min(low[i], g_DecorationAPositions[p][i]);
            high[i] = std::max(high[i], g_DecorationAPositions[p][i]);
        }
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(low[i], -half[i], 5e-4f) << "axis " << i;
        EXPECT_NEAR(high[i], half[i], 5e-4f) << "axis " << i;
    }
    EXPECT_EQ((Vec3{g_DecorationAPositions[0][0], g_DecorationAPositions[0][1], g_DecorationAPositions[0][2]}),
              (Vec3{0.1232f, 0.3977f, -0.2854f}));
    EXPECT_EQ((Vec3{g_DecorationANormals[0][0], g_DecorationANormals[0][1], g_DecorationANormals[0][2]}),
              (Vec3{0.3989f, -0.6945f, -0.5988f}));
    EXPECT_EQ((std::array<float, 2>{g_DecorationATexCoords[0][0], g_DecorationATexCoords[0][1]}),
              (std::array<float, 2>{0.7648f, 1.1816f}));
    const std::vector<short> face0(g_DecorationAFaces[0], g_DecorationAFaces[0] + 9);
    EXPECT_EQ(face0, (std::vector<short>{2, 3, 0, 0, 1, 2, 0, 1, 2}));
    // The coordinates lie in the picture rectangle the decoration paints.
    for (int k = 0; k < 48; ++k) {
        EXPECT_GE(g_DecorationATexCoords[k][0], 0.693f - 1e-6f) << k;
        EXPECT_LE(g_DecorationATexCoords[k][0], 0.765f) << k;
        EXPECT_GE(g_DecorationATexCoords[k][1], 1.1816f - 1e-6f) << k;
        EXPECT_LE(g_DecorationATexCoords[k][1], 1.765f + 1e-6f) << k;
    }
}

// Every edge of a closed stone is shared by exactly two faces, once each way.
TEST(DecorationMeshes, BoulderIsClosedAndItsNormalsFaceOut)
{
    std::map<std::pair<int, int>, int> edges;
    for (int f = 0; f < 1120; ++f)
        for (int k = 0; k < 3; ++k)
            ++edges[{g_DecorationAFaces[f][k], g_DecorationAFaces[f][(k + 1) % 3]}];
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1) << edge.first << "-" << edge.second;
        EXPECT_EQ(edges.count({edge.second, edge.first}), 1u) << edge.first << "-" << edge.second;
    }
    // Corner normals on the side the face's winding faces (but face 0's first
    // corner, whose normal is a given row).
    int against = 0;
    for (int f = 0; f < 1120; ++f) {
        const short* face = g_DecorationAFaces[f];
        const Vec3 winding = Cross(Minus(g_DecorationAPositions[face[1]], g_DecorationAPositions[face[0]]),
                                   Minus(g_DecorationAPositions[face[2]], g_DecorationAPositions[face[0]]));
        for (int k = 0; k < 3; ++k)
            against += Dot(winding, g_DecorationANormals[face[3 + k]]) <= 0;
    }
    EXPECT_LE(against, 1);
}

TEST(DecorationMeshes, DrawMeshSendsEveryFaceScaled)
{
    struct Case {
        const char* name;
        IndexedTriangles tables;
        std::unique_ptr<CDecorationMesh> object;
        void (*draw)(CDecorationMesh&);
    };
    Case cases[] = {
        {"A", kBoulder, std::make_unique<CDecorationMeshA>(),
         [](CDecorationMesh& d) { static_cast<CDecorationMeshA&>(d).DrawMesh(); }},
        {"B", kDriftwood, std::make_unique<CDecorationMeshB>(),
         [](CDecorationMesh& d) { static_cast<CDecorationMeshB&>(d).DrawMesh(); }},
    };
    for (Case& c : cases) {
        // Built with scale and turns of 10; the set-up's values replace them.
        EXPECT_EQ(c.object->m_fScale[0], 10.0f);
        EXPECT_EQ(c.object->m_fRotation[2], 10.0f);
        c.object->m_fScale[0] = 2;
        c.object->m_fScale[1] = 3;
        c.object->m_fScale[2] = 4;
        VertexRecorder rec;
        c.draw(*c.object);
        ASSERT_EQ(rec.primitives.size(), 1u) << c.name;
        EXPECT_EQ(rec.primitives[0].mode, GLenum(GL_TRIANGLES));
        const auto& v = rec.primitives[0].vertices;
        ASSERT_EQ(v.size(), size_t(c.tables.faceCount) * 3) << c.name;
        for (int f = 0; f < c.tables.faceCount; f += 97)
            for (int k = 0; k < 3; ++k) {
                const short* face = c.tables.faces[f];
                const float* p = c.tables.positions[face[k]];
                const float* n = c.tables.normals[face[3 + k]];
                const float* t = c.tables.texCoords[face[6 + k]];
                const RecordedVertex& got = v[3 * f + k];
                EXPECT_EQ(got.position, (Vec3{p[0] * 2, p[1] * 3, p[2] * 4})) << c.name << " face " << f;
                EXPECT_EQ(got.normal, (Vec3{n[0], n[1], n[2]})) << c.name << " face " << f;
                EXPECT_EQ(got.texCoord, (std::array<float, 2>{t[0], t[1]})) << c.name << " face " << f;
            }
    }
}

TEST(StaticMesh, EachListHoldsItsFacesAsDegenerateTrianglesAtTheOrigin)
{
    CStaticMesh mesh;
    const std::pair<GLuint (CStaticMesh::*)(), size_t> lists[] = {
        {&CStaticMesh::BuildList1, 901}, {&CStaticMesh::BuildList2, 840}, {&CStaticMesh::BuildList3, 820}};
    for (const auto& [build, faces] : lists) {
        VertexRecorder rec;
        (mesh.*build)();
        ASSERT_EQ(rec.primitives.size(), 1u);
        EXPECT_EQ(rec.VertexCount(), 3 * faces);
        for (const RecordedVertex& v : rec.primitives[0].vertices)
            ASSERT_EQ(v.position, (Vec3{0, 0, 0}));
    }
}

// The set-up's placement of the decorations, with the draws worked out
// from a known start of the random sequence.
class DecorationSetUp : public ::testing::Test {
protected:
    void Run(int order, int seed)
    {
        for (const ScenerySetUp& step : ScenerySetUps())
            if (step.order == order) {
                crt::srand(seed);
                step.run(context);
            }
    }
    static std::vector<int> Draws(int seed, int count)
    {
        crt::srand(seed);
        std::vector<int> r;
        for (int i = 0; i < count; ++i)
            r.push_back(crt::rand());
        return r;
    }

    VertexRecorder recorder;
    std::unique_ptr<CTankScenery> scenery = std::make_unique<CTankScenery>();
    float bounds[6] = {-50, 50, 30, -22, -50, 0};
    GLuint texPlant[18] = {}, texFish[25] = {}, lists[kSceneListCount] = {};
    SceneryContext context{*scenery, bounds, texPlant, texFish, lists};
};

TEST_F(DecorationSetUp, DecorationATakesSizesAndTurnsWhoseSignAnEarlierDrawDecides)
{
    for (const int seed : {1, 2, 3, 4, 5, 6}) {
        const std::vector<int> r = Draws(seed, 9);
        auto turn = [&](int sign, int value, int n) {
            return static_cast<float>(r[sign] % 2 == 0 ? -(r[value] % n) : r[value] % n);
        };
        const float want[6] = {static_cast<float>(15.5 + r[0] % 5), static_cast<float>(15.4 + r[1] % 5),
                               static_cast<float>(15.05 + r[2] % 5), turn(3, 4, 10), turn(5, 6, 10), turn(7, 8, 5)};
        Run(10, seed);
        const CDecorationMeshA& a = scenery->m_DecorationMeshA;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(a.m_fPlacement[i], want[i]) << "seed " << seed << " value " << i;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(a.m_fScale[i], want[i]);
            EXPECT_EQ(a.m_fRotation[i], want[3 + i]);
        }
        EXPECT_EQ((Vec3{scenery->m_fSpotDecorA[0], scenery->m_fSpotDecorA[1], scenery->m_fSpotDecorA[2]}),
                  (Vec3{37, 8, -25}));
    }
}

TEST_F(DecorationSetUp, DecorationBTakesSizesAndNoTurn)
{
    const std::vector<int> r = Draws(3, 3);
    Run(11, 3);
    const CDecorationMeshB& b = scenery->m_DecorationMeshB;
    const float want[6] = {static_cast<float>(10.5 + r[0] % 5), static_cast<float>(10.4 + r[1] % 5),
                           static_cast<float>(10.05 + r[2] % 5), 0, 0, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(b.m_fPlacement[i], want[i]) << i;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.m_fScale[i], want[i]);
        EXPECT_EQ(b.m_fRotation[i], 0.0f);
    }
    EXPECT_EQ((Vec3{scenery->m_fSpotDecorB[0], scenery->m_fSpotDecorB[1], scenery->m_fSpotDecorB[2]}),
              (Vec3{-55, 5, -40}));
}

}  // namespace
