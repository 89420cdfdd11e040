// The sway plants with a real GL context: their matrix calls, where the
// leaves land (GL feedback), and how they look lit and textured with their
// built-in textures. Set PV_PLANTS_PNG to a file name to keep the renders.
#include "gfx/resource_file.h"
#include "gl/plant_gl.h"
#include "scenery/color_layers.h"
#include "scenery/plant_kinds.h"
#include "scenery/sway_plant_a.h"
#include "scenery/sway_plant_meshes.h"
#include "scenery/sway_plant_b.h"
#include "scenery/sway_plant_c.h"
#include "scenery/tank_scenery.h"

#include <GL/glew.h>

#include <GL/glu.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace plant_gl;

TEST_F(PlantsGLTest, EveryDrawLeavesTheCallersMatrixAsItWas)
{
    CSwayPlantA a;
    CSwayPlantB b;
    CSwayPlantC c;
    const NamedDraws draws = {
        {"A DrawSingle(0)", [&] { a.DrawSingle(0); }}, {"A DrawSingle(1)", [&] { a.DrawSingle(1); }},
        {"A DrawSingle(2)", [&] { a.DrawSingle(2); }}, {"A DrawSingle(3)", [&] { a.DrawSingle(3); }},
        {"A Draw", [&] { a.Draw(); }},                 {"B Draw", [&] { b.Draw(); }},
        {"B DrawCopy", [&] { b.DrawCopy(); }},         {"C Draw", [&] { c.Draw(); }},
    };
    ExpectDrawsKeepTheCallersMatrix(draws);
}

bool Contains(const std::vector<std::array<float, 3>>& points, std::array<float, 3> want)
{
    for (const auto& p : points)
        if (std::abs(p[0] - want[0]) < 1e-3f && std::abs(p[1] - want[1]) < 1e-3f && std::abs(p[2] - want[2]) < 1e-3f)
            return true;
    return false;
}

TEST_F(PlantsGLTest, PlantCDrawnTwiceRootsItsFirstLeafDifferently)
{
    CSwayPlantC c;
    c.m_fSize[0] = c.m_fSize[1] = c.m_fSize[2] = 1;
    // The first leaf's first rim point at leaf scale (10, 10, 5), less the root
    // at the scale in force before it, turned -90 degrees about x.
    const float root[3] = {0.0905328f, 0.184795f, -0.232735f};
    const PlantVertex& p = g_SwayLeafCEdge[0][0];
    auto firstLeafPoint = [&](const float before[3]) {
        const float x = p.x * 10 - root[0] * before[0], y = p.y * 10 - root[1] * before[1],
                    z = p.z * 5 - root[2] * before[2];
        return std::array<float, 3>{x, z, -y};
    };
    const float fresh[3] = {5, 5, 5}, afterDraw[3] = {10, 10, 20};
    const auto first = Feedback([&] { c.Draw(); });
    const auto second = Feedback([&] { c.Draw(); });
    EXPECT_TRUE(Contains(first, firstLeafPoint(fresh)));
    EXPECT_FALSE(Contains(first, firstLeafPoint(afterDraw)));
    EXPECT_TRUE(Contains(second, firstLeafPoint(afterDraw)));
    EXPECT_FALSE(Contains(second, firstLeafPoint(fresh)));
}

TEST_F(PlantsGLTest, PlantALeavesStandOnTheirRoot)
{
    CSwayPlantA a;
    a.m_fSize[0] = a.m_fSize[1] = a.m_fSize[2] = 1;
    const auto points = Feedback([&] { a.Draw(); });
    // Every leaf's root point lands on the stem's foot, and the bush rises from it.
    size_t atFoot = 0;
    float top = 0;
    for (const auto& q : points) {
        if (std::abs(q[0]) < 1e-4f && std::abs(q[1]) < 1e-4f && std::abs(q[2]) < 1e-4f)
            ++atFoot;
        top = std::max(top, q[1]);
    }
    EXPECT_GE(atFoot, 24u);
    EXPECT_GT(top, 20.0f);  // the long ring reaches 30 x 0.83 table units up
}

// ---- colour-layer lists and the placement of a kind ------------------------------

TEST_F(PlantsGLTest, ColourListsScaleTheCallerAndLeaveTheirLastLayersColour)
{
    struct Case {
        const char* name;
        GLuint (*build)();
        float scale[3];
        int last[3];  // layer 44
    };
    const Case cases[] = {
        {"ramp", BuildColorRampList, {0.6f, 0.5f, 0.6f}, {182, 226, 182}},
        {"layer", BuildColorLayerList, {0.5f, 0.5f, 0.5f}, {226, 182, 138}},
        {"layer 2", BuildColorLayerList2, {0.5f, 0.6f, 0.6f}, {68, 24, 92}},
    };
    for (const Case& c : cases) {
        glLoadIdentity();
        glColor3f(0.25f, 0.5f, 0.75f);
        const GLuint list = c.build();
        // Building compiles only: the matrix and the colour stay.
        EXPECT_EQ(Modelview()[0], 1.0f) << c.name;
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_FLOAT_EQ(colour[1], 0.5f) << c.name;
        // Called twice, the scale compounds; the colour is the last layer's.
        glCallList(list);
        glCallList(list);
        const auto m = Modelview();
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(m[5 * i], c.scale[i] * c.scale[i], 1e-6f) << c.name << " axis " << i;
        glGetFloatv(GL_CURRENT_COLOR, colour);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(colour[i], c.last[i] / 255.0f, 1e-3f) << c.name << " channel " << i;
        glDeleteLists(list, 1);
    }
    EXPECT_EQ(GetExtraList(), 0u);
}

// Where a kind's placement takes a point: the modelview its draw sees.
std::array<float, 16> g_seenByDraw;

std::array<float, 3> Place(const std::array<float, 16>& m, std::array<float, 3> p)
{
    return {m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12], m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13],
            m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14]};
}

TEST_F(PlantsGLTest, AKindIsPlacedAtItsSpotOrAtItsPointThenTurned)
{
    auto scenery = std::make_unique<CTankScenery>();
    SetVector(scenery->m_fSpotRosette, 3, 1, -20);
    float bounds[6] = {-50, 50, 30, -22, -50, 0};
    GLuint tex[25] = {}, lists[kSceneListCount] = {};
    SceneryContext c{*scenery, bounds, tex, tex, lists};
    auto capture = [](SceneryContext&) { glGetFloatv(GL_MODELVIEW_MATRIX, g_seenByDraw.data()); };

    // Relative to its spot (tank bottom and back added), then half a turn about x.
    const PlantKind relative{.spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotRosette; },
                             .translate = {20, -3, 17},
                             .turns = {{180, 1, 0, 0}},
                             .draw = capture};
    glLoadIdentity();
    DrawPlantKind(c, relative);
    auto p = Place(g_seenByDraw, {0, 1, 0});
    EXPECT_NEAR(p[0], 3 + 20, 1e-4f);
    EXPECT_NEAR(p[1], -22 + 1 - 3 - 1, 1e-4f);  // (0, 1, 0) turned to (0, -1, 0)
    EXPECT_NEAR(p[2], -50 - 20 + 17, 1e-4f);

    // Scaled first, then at its own point, then turned about y and z.
    const PlantKind absolute{.scale = {1.2f, 1.5f, 1},
                             .translate = {-5.8f, -5.1f, -80},
                             .turns = {{90, 0, 1, 0}, {90, 0, 0, 1}},
                             .draw = capture};
    glLoadIdentity();
    DrawPlantKind(c, absolute);
    // (1, 0, 0): about z to (0, 1, 0), about y stays, moved, then scaled.
    p = Place(g_seenByDraw, {1, 0, 0});
    EXPECT_NEAR(p[0], 1.2f * -5.8f, 1e-4f);
    EXPECT_NEAR(p[1], 1.5f * (-5.1f + 1), 1e-4f);
    EXPECT_NEAR(p[2], -80, 1e-4f);
    // (0, 0, 1): about y to (1, 0, 0).
    p = Place(g_seenByDraw, {0, 0, 1});
    EXPECT_NEAR(p[0], 1.2f * (-5.8f + 1), 1e-4f);
    EXPECT_NEAR(p[1], 1.5f * -5.1f, 1e-4f);
}

// ---- lit and textured ---------------------------------------------------------

TEST_F(PlantsGLTest, PlantsShowGreenLeavesOfTheirTextures)
{
    if (!glGenFramebuffers)
        GTEST_SKIP() << "no framebuffer objects";
    CSwayPlantA a;
    CSwayPlantB b;
    CSwayPlantC c;
    a.m_fSize[0] = a.m_fSize[1] = a.m_fSize[2] = 1.25f;
    b.m_fSize[0] = b.m_fSize[1] = b.m_fSize[2] = 1;
    c.m_fSize[0] = c.m_fSize[1] = c.m_fSize[2] = 1;
    struct Case {
        const char* name;
        int texture;
        float distance, height;
        std::function<void()> draw;
    };
    const Case cases[] = {
        {"A", 0, 40, 11, [&] { a.DrawSingle(0); }},
        {"B", 2, 32, 10, [&] { b.Draw(); }},
        {"C", 3, 30, 2, [&] { c.Draw(); }},
    };
    std::vector<QImage> renders;
    for (const Case& k : cases) {
        const GLuint texture = LoadPlantTexture(k.texture);
        const QImage image = Render(texture, k.distance, k.height, k.draw);
        glDeleteTextures(1, &texture);
        renders.push_back(image);
        const Coverage seen = CountCoverage(image);
        SCOPED_TRACE(k.name);
        EXPECT_GT(seen.covered, kWidth * kHeight / 30);
        EXPECT_GT(seen.green, seen.covered * 9 / 10);
    }
    SaveSheet(renders, "PV_PLANTS_PNG");
}

}  // namespace
