// The terrain model without a GL context: a layer's band mesh as the index
// rule addresses the tables, and where the tables put the terraces once the
// scene and the model have turned them.
#include "scenery/terrain_model.h"
#include "scenery/terrain_model_meshes.h"
#include "support/matrix_chain.h"
#include "support/vertex_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace {

using Vec3 = std::array<float, 3>;

// Entry of ring r, column c within a layer's block: 18 r + c + 1, column 18
// again column 0.
int Entry(int ring, int column) { return 18 * ring + column % 18 + 1; }
// Normals and texture coordinates are numbered the same, but ring 1 starts with 20, 19.
int NormalEntry(int ring, int column)
{
    const int e = Entry(ring, column);
    return e == 19 ? 20 : e == 20 ? 19 : e;
}

void ExpectVertex(const RecordedVertex& v, int layer, int position, int normal, const std::string& where)
{
    const float* p = g_TerrainPositions[146 * layer + position];
    EXPECT_EQ(v.position, (Vec3{p[0] * 200, p[1] * 200, p[2] * 200})) << where;
    const float* n = g_TerrainNormals[normal];
    EXPECT_EQ(v.normal, (Vec3{n[0], n[1], n[2]})) << where;
    const float* st = g_TerrainTexCoords[normal];
    EXPECT_EQ(v.texCoord, (std::array<float, 2>{st[0], st[1]})) << where;
}

TEST(TerrainModel, ALayerIsSevenClosedBandsAndACapAcrossEachEnd)
{
    CTerrainModel terrain;
    for (const int layer : {0, 17, 44}) {
        VertexRecorder rec;
        terrain.DrawMesh(layer);
        ASSERT_EQ(rec.primitives.size(), 9u) << "layer " << layer;
        for (int band = 0; band < 7; ++band) {
            const RecordedPrimitive& strip = rec.primitives[band];
            EXPECT_EQ(strip.mode, GLenum(GL_QUAD_STRIP));
            ASSERT_EQ(strip.vertices.size(), 38u);
            for (int c = 0; c < 19; ++c) {
                const std::string where = "layer " + std::to_string(layer) + " band " + std::to_string(band) +
                                          " column " + std::to_string(c);
                ExpectVertex(strip.vertices[2 * c], layer, Entry(band, c), NormalEntry(band, c), where);
                ExpectVertex(strip.vertices[2 * c + 1], layer, Entry(band + 1, c), NormalEntry(band + 1, c), where);
            }
        }
        // Column i paired with column 17 - i; the second's position entry is
        // also its normal and texture entry.
        for (int cap = 0; cap < 2; ++cap) {
            const int ring = cap == 0 ? 0 : 7;
            const RecordedPrimitive& strip = rec.primitives[7 + cap];
            EXPECT_EQ(strip.mode, GLenum(GL_QUAD_STRIP));
            ASSERT_EQ(strip.vertices.size(), 18u);
            for (int i = 0; i < 9; ++i) {
                const std::string where = "layer " + std::to_string(layer) + " cap " + std::to_string(cap) + " pair " +
                                          std::to_string(i);
                ExpectVertex(strip.vertices[2 * i], layer, Entry(ring, i), NormalEntry(ring, i), where);
                ExpectVertex(strip.vertices[2 * i + 1], layer, Entry(ring, 17 - i), Entry(ring, 17 - i), where);
            }
        }
    }
}

TEST(TerrainModel, ALayerOutsideTheModelSendsNothing)
{
    CTerrainModel terrain;
    VertexRecorder rec;
    for (const int layer : {-1, 45, 1000})
        terrain.DrawMesh(layer);
    EXPECT_EQ(rec.VertexCount(), 0u);
}

// The placement of a table point in the tank, as the scene and the model
// turn it: translate (-2.3, -20, -81), -97 about y, -165 about z; then
// (0, 0.9, 0), -91 about x, 16 about y, -93 about z; the lists' scale 0.5
// and the positions' 200.
class TankPlacement {
public:
    TankPlacement()
    {
        chain_.Translate(-2.3f, -20, -81).Rotate(-97, 0, 1, 0).Rotate(-165, 0, 0, 1);
        chain_.Translate(0, 0.9f, 0).Rotate(-91, 1, 0, 0).Rotate(16, 0, 1, 0).Rotate(-93, 0, 0, 1);
    }
    Vec3 Point(const float* p) const { return chain_.Point(p, 0.5f * 200); }
    Vec3 Direction(const float* n) const { return chain_.Direction(n); }

private:
    MatrixChain chain_;
};

TEST(TerrainModel, LayersStepUpAndBackIntoTerracesLowAtTheBackOfTheTank)
{
    const TankPlacement tank;
    float previousTop = -1e9f, previousFront = 1e9f;
    int ledges = 0;
    for (int layer = 0; layer < 45; ++layer) {
        float top = 0, front = -1e9f;
        for (int ring = 0; ring < 8; ++ring)
            for (int c = 0; c < 18; ++c) {
                const Vec3 p = tank.Point(g_TerrainPositions[146 * layer + Entry(ring, c)]);
                // Behind the fish, across the back of the floor, below the middle of the view.
                EXPECT_GT(p[0], -60.0f);
                EXPECT_LT(p[0], 60.0f);
                EXPECT_GT(p[1], -31.0f);
                EXPECT_LT(p[1], -3.0f);
                EXPECT_GT(p[2], -125.0f);
                EXPECT_LT(p[2], -70.0f);
                if (ring == 7) {
                    top += p[1] / 18;
                    front = std::max(front, p[2]);
                }
            }
        // Each layer's top stands higher and its front edge no further forward
        // than the layer's below; at a terrace's first layer it steps back.
        EXPECT_GT(top, previousTop) << "layer " << layer;
        EXPECT_LT(front, previousFront + 0.5f) << "layer " << layer;
        ledges += front < previousFront - 2.0f;
        previousTop = top;
        previousFront = front;
    }
    EXPECT_GE(ledges, 4);
}

TEST(TerrainModel, LedgesFaceUpAndWallsFaceOut)
{
    const TankPlacement tank;
    for (int layer = 0; layer < 45; layer += 11) {
        // The layer's axis: the middle of its top.
        Vec3 centre{0, 0, 0};
        for (int c = 0; c < 18; ++c) {
            const Vec3 p = tank.Point(g_TerrainPositions[146 * layer + Entry(7, c)]);
            for (int i = 0; i < 3; ++i)
                centre[i] += p[i] / 18;
        }
        for (int ring = 0; ring < 8; ++ring)
            for (int c = 0; c < 18; ++c) {
                const Vec3 n = tank.Direction(g_TerrainNormals[NormalEntry(ring, c)]);
                EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0f, 1e-3f);
                if (ring == 7) {
                    EXPECT_GT(n[1], 0.95f) << "layer " << layer << " column " << c;
                    continue;
                }
                const Vec3 p = tank.Point(g_TerrainPositions[146 * layer + Entry(ring, c)]);
                EXPECT_GT(n[0] * (p[0] - centre[0]) + n[2] * (p[2] - centre[2]), 0.0f)
                    << "layer " << layer << " ring " << ring << " column " << c;
            }
    }
}

// A layer's walls are drawn with their fronts culled exactly where every wall
// quad winds counter-clockwise seen from inside, against its outward normals
// (else a piece of the rock's outside would vanish); that holds for most
// layers, and not for the top ones whose rings fold back in places.
TEST(TerrainModel, WallsAreCulledOnlyWhereTheyWindWithTheInsideInFront)
{
    const TankPlacement tank;
    int culled = 0;
    for (int layer = 0; layer < 45; ++layer) {
        bool allInward = true;
        for (int band = 0; band < 7; ++band)
            for (int c = 0; c < 18; ++c) {
                // The quad strip's triangle (a_c, b_c, a_c+1) with a on ring
                // band and b on the next ring.
                const Vec3 a = tank.Point(g_TerrainPositions[146 * layer + Entry(band, c)]);
                const Vec3 b = tank.Point(g_TerrainPositions[146 * layer + Entry(band + 1, c)]);
                const Vec3 a1 = tank.Point(g_TerrainPositions[146 * layer + Entry(band, c + 1)]);
                const Vec3 u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
                const Vec3 v{a1[0] - a[0], a1[1] - a[1], a1[2] - a[2]};
                const Vec3 w{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
                Vec3 out{0, 0, 0};
                for (const int e : {NormalEntry(band, c), NormalEntry(band + 1, c), NormalEntry(band, c + 1)}) {
                    const Vec3 n = tank.Direction(g_TerrainNormals[e]);
                    for (int i = 0; i < 3; ++i)
                        out[i] += n[i];
                }
                allInward = allInward && w[0] * out[0] + w[1] * out[1] + w[2] * out[2] <= 0.0f;
            }
        EXPECT_EQ(CTerrainModel::CullsWalls(layer), allInward) << "layer " << layer;
        culled += allInward;
    }
    EXPECT_GT(culled, 45 / 2);
    EXPECT_LT(culled, 45);
    for (const int layer : {-1, 45})
        EXPECT_FALSE(CTerrainModel::CullsWalls(layer));
}

}  // namespace
