// The terrain's and the decorations' display lists with a real GL context:
// what each list holds, where its copies and layers land (GL feedback), the
// state a list leaves, and decoration A's stone in fish picture 9.
#include "gl/fish_gl_fixture.h"
#include "gl/gl_feedback.h"
#include "scenery/decoration_mesh_a.h"
#include "scenery/decoration_mesh_a_meshes.h"
#include "scenery/decoration_mesh_b.h"
#include "scenery/decoration_mesh_b_meshes.h"
#include "scenery/terrain_model.h"
#include "scenery/terrain_model_meshes.h"
#include "support/matrix_chain.h"

#include <GL/glew.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Points = std::vector<std::array<float, 3>>;

class DecorationsGLTest : public GLDrawTest {
protected:
    static std::array<float, 4> CurrentColour()
    {
        std::array<float, 4> c{};
        glGetFloatv(GL_CURRENT_COLOR, c.data());
        return c;
    }
    static std::array<float, 16> Modelview()
    {
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        return m;
    }
};

// ---- the terrain ------------------------------------------------------------------

// Layer k's first point as list `list` places it: the list's scale 0.5 over
// the position times 200 and the layer's z offset.
std::array<float, 3> FirstPointOfLayer(int layer, float offsetZ)
{
    const float* p = g_TerrainPositions[146 * layer + 1];
    return {0.5f * p[0] * 200, 0.5f * p[1] * 200, 0.5f * (p[2] * 200 + offsetZ)};
}

TEST_F(DecorationsGLTest, TerrainListOffsetsMoveOnlyTheirLayers)
{
    CTerrainModel terrain;
    terrain.BuildLists();
    struct Case {
        const char* list;
        GLuint name;
        int layer;
        float offset;  // in the list's units, before its scale
    };
    const Case cases[] = {
        {"1", terrain.m_nList1, 0, -5},  {"1", terrain.m_nList1, 9, -5},  {"1", terrain.m_nList1, 10, 0},
        {"1", terrain.m_nList1, 30, 0},  {"1", terrain.m_nList1, 31, 3},  {"1", terrain.m_nList1, 44, 3},
        {"3", terrain.m_nList3, 0, -12}, {"3", terrain.m_nList3, 1, 0},   {"3", terrain.m_nList3, 42, -12},
        {"3", terrain.m_nList3, 43, 0},  {"4", terrain.m_nList4, 20, 0},
    };
    for (const Case& c : cases) {
        // A list's scale stays in force after it: each call from the identity.
        glLoadIdentity();
        const Points points = FeedbackPoints([&] { glCallList(c.name); }, 300);
        const std::string what = std::string("list ") + c.list + " layer " + std::to_string(c.layer);
        if (std::string(c.list) == "4") {
            // Scaled (0.5, 0.6, 0.6) and not moved.
            const float* p = g_TerrainPositions[146 * c.layer + 1];
            EXPECT_TRUE(ContainsPoint(points, {0.5f * p[0] * 200, 0.6f * p[1] * 200, 0.6f * p[2] * 200}, 1e-2f)) << what;
            continue;
        }
        EXPECT_TRUE(ContainsPoint(points, FirstPointOfLayer(c.layer, c.offset), 1e-2f)) << what;
        for (const float other : {-12.0f, -5.0f, 0.0f, 3.0f}) {
            if (other != c.offset) {
                EXPECT_FALSE(ContainsPoint(points, FirstPointOfLayer(c.layer, other), 1e-2f)) << what << " " << other;
            }
        }
    }
    glLoadIdentity();
}

TEST_F(DecorationsGLTest, TerrainListsEndOnTheirLastLayersColourAndDrawLeavesWhite)
{
    CTerrainModel terrain;
    terrain.BuildLists();
    struct Case {
        GLuint list;
        int last[3];  // the colour of the list's last layer
    };
    const Case lists[] = {{terrain.m_nList1, {226, 182, 138}},
                          {terrain.m_nList2, {129, 172, 129}},  // its last layer is 43
                          {terrain.m_nList3, {226, 182, 138}},
                          {terrain.m_nList4, {68, 24, 92}}};
    for (const Case& c : lists) {
        glPushMatrix();
        glCallList(c.list);
        glPopMatrix();
        const auto colour = CurrentColour();
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(colour[i], c.last[i] / 255.0f, 1e-3f) << "list " << c.list << " channel " << i;
    }
    // Each style draws its own list: 45 layers but for style 1 (14); a style
    // outside 0 to 3 draws nothing. Every style leaves the colour white and
    // the matrix as it found it. The walls' culled insides depend on where
    // each layer stands, so the counts are compared within a few points.
    std::vector<Points> pictures;
    for (const int style : {0, 1, 2, 3, 4, -1}) {
        glColor3f(0.2f, 0.4f, 0.6f);
        const auto before = Modelview();
        pictures.push_back(FeedbackPoints([&] { terrain.Draw(style); }, 300));
        EXPECT_EQ(Modelview(), before) << "style " << style;
        EXPECT_EQ(CurrentColour(), (std::array<float, 4>{1, 1, 1, 1})) << "style " << style;
    }
    ASSERT_FALSE(pictures[0].empty());
    const auto share = [&](size_t i) { return double(pictures[i].size()) / double(pictures[0].size()); };
    EXPECT_NEAR(share(1), 14.0 / 45.0, 0.03);
    EXPECT_NEAR(share(2), 1.0, 0.03);
    EXPECT_NEAR(share(3), 1.0, 0.03);
    EXPECT_NE(pictures[0], pictures[2]);
    EXPECT_NE(pictures[0], pictures[3]);
    EXPECT_NE(pictures[2], pictures[3]);
    EXPECT_TRUE(pictures[4].empty());
    EXPECT_TRUE(pictures[5].empty());
}

// ---- the decorations ------------------------------------------------------------------

// Where a decoration's mesh puts a table position after `placement`: 225
// degrees about z, its turns about x, y and z, its scale.
std::array<float, 3> MeshPoint(MatrixChain placement, const CDecorationMesh& d, const float* p)
{
    placement.Rotate(225, 0, 0, 1)
        .Rotate(d.m_fRotation[0], 1, 0, 0)
        .Rotate(d.m_fRotation[1], 0, 1, 0)
        .Rotate(d.m_fRotation[2], 0, 0, 1);
    const float scaled[3] = {p[0] * d.m_fScale[0], p[1] * d.m_fScale[1], p[2] * d.m_fScale[2]};
    return placement.Point(scaled);
}

TEST_F(DecorationsGLTest, BoulderGroupPlacesFiveCopiesEachTurnedAfterItsPlacement)
{
    CDecorationMeshA a;
    a.Init(16.5f, 17.4f, 18.05f, -3, 7, -2);
    // The group turned -15 degrees about z; each copy's move, turn about y and scale.
    struct Copy {
        float move[3], turn, scale[3];
    };
    const Copy copies[5] = {{{0, 0, 0}, 0, {1, 1, 1}},
                            {{-2.5f, 0, 0.5f}, 270, {0.6f, 0.7f, 1}},
                            {{-2.1f, 2, 0.5f}, -45, {0.6f, 0.7f, 1}},
                            {{3, 3, 0.5f}, 45, {0.6f, 0.7f, 1}},
                            {{5.5f, -1, 0.5f}, 135, {0.6f, 0.5f, 1}}};
    const Points points = FeedbackPoints([&] { a.DrawList(); }, 100);
    EXPECT_EQ(points.size() % 3, 0u);
    for (int c = 0; c < 5; ++c) {
        MatrixChain placement;
        placement.Rotate(-15, 0, 0, 1).Translate(copies[c].move[0], copies[c].move[1], copies[c].move[2]);
        placement.Rotate(copies[c].turn, 0, 1, 0).Scale(copies[c].scale[0], copies[c].scale[1], copies[c].scale[2]);
        for (const int face : {0, 500, 1119}) {
            const int position = g_DecorationAFaces[face][2];
            EXPECT_TRUE(ContainsPoint(points, MeshPoint(placement, a, g_DecorationAPositions[position]), 1e-3f))
                << "copy " << c + 1 << " position " << position;
        }
    }
    // The group's turn stands outside the copies' saves: the caller is left turned.
    MatrixChain groupTurn;
    groupTurn.Rotate(-15, 0, 0, 1);
    glLoadIdentity();
    a.DrawList();
    const auto m = Modelview();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m[i], groupTurn.Matrix()[i], 1e-6f) << i;
    glLoadIdentity();
    // Init also built the three colour lists.
    EXPECT_NE(a.m_nRampList, 0u);
    EXPECT_NE(a.m_nLayerList, a.m_nRampList);
    EXPECT_NE(a.m_nLayerList2, a.m_nLayerList);
}

TEST_F(DecorationsGLTest, DriftwoodPlacesFourCopiesMovedScaledThenTurned)
{
    CDecorationMeshB b;
    b.Init(11.5f, 12.4f, 13.05f, 0, 0, 0);
    const Points points = FeedbackPoints([&] { b.DrawList(); }, 150);
    const std::vector<std::function<void(MatrixChain&)>> copies = {
        [](MatrixChain& m) { m.Translate(0, 5, 0).Scale(1, 2, 1).Rotate(-92, 1, 0, 0).Rotate(62, 0, 0, 1); },
        [](MatrixChain& m) { m.Translate(5, 0, 0).Scale(1.5f, 1, 1).Rotate(-92, 1, 0, 0).Rotate(-62, 0, 0, 1); },
        [](MatrixChain& m) { m.Translate(10, 4, 1).Scale(1.1f, 2.2f, 1.3f).Rotate(-92, 1, 0, 0).Rotate(-45, 0, 0, 1); },
        [](MatrixChain& m) { m.Translate(3, -1, 1).Rotate(-45, 1, 0, 0).Rotate(45, 0, 0, 1).Rotate(45, 0, 0, 1); },
    };
    for (size_t c = 0; c < copies.size(); ++c) {
        MatrixChain placement;
        copies[c](placement);
        for (const int position : {0, 1000, g_DecorationBPositionCount - 1})
            EXPECT_TRUE(ContainsPoint(points, MeshPoint(placement, b, g_DecorationBPositions[position]), 2e-3f))
                << "copy " << c + 1 << " position " << position;
    }
    EXPECT_EQ(points.size() % 3, 0u);
    // Lying down, the driftwood rests on the sand: its copies reach from a
    // little under the kind's placement (2 above the floor) to above it.
    float low = 1e9f, high = -1e9f;
    for (const auto& p : points) {
        low = std::min(low, p[1]);
        high = std::max(high, p[1]);
    }
    EXPECT_LT(low, -2.0f);
    EXPECT_GT(high, 8.0f);
    glLoadIdentity();
}

// ---- decoration A's part of fish picture 9 ------------------------------------------

class StonePictureTest : public FishGLFixture {};

TEST_F(StonePictureTest, EveryBoulderCoordinateFallsOnPaintedStone)
{
    glBindTexture(GL_TEXTURE_2D, LoadFishTexture(9));
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    ASSERT_GT(width, 0);
    std::vector<unsigned char> pixels(size_t(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    // Round each coordinate the stone is grainy: the texels differ; and it
    // is stone-coloured, neither dark nor bright nor strongly tinted.
    for (int k = 0; k < 48; ++k) {
        const float s = g_DecorationATexCoords[k][0], t = g_DecorationATexCoords[k][1] - 1;  // t repeats
        const int x0 = int(s * width), y0 = int(t * height);  // rows from the bottom
        int low = 255, high = 0, sum = 0, tint = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const unsigned char* p = &pixels[(size_t(std::clamp(y0 + dy, 0, height - 1)) * width +
                                                  std::clamp(x0 + dx, 0, width - 1)) *
                                                 4];
                const int grey = (p[0] + p[1] + p[2]) / 3;
                low = std::min(low, grey);
                high = std::max(high, grey);
                sum += grey;
                tint = std::max({tint, std::abs(p[0] - p[1]), std::abs(p[1] - p[2]), std::abs(p[0] - p[2])});
            }
        EXPECT_GT(high - low, 2) << "coordinate " << k;
        EXPECT_GT(sum / 25, 70) << "coordinate " << k;
        EXPECT_LT(sum / 25, 200) << "coordinate " << k;
        EXPECT_LT(tint, 60) << "coordinate " << k;
    }
}

}  // namespace
