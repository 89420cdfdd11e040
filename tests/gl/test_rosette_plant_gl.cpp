// The rosette, four-leaf, flower and blade-cluster plants with a real GL
// context: their matrix calls, where the rosette's leaves stand, and how the
// plants look lit and textured with their own pictures. Set
// PV_SINGLE_PLANTS_PNG to a file name to keep the renders.
#include "gl/plant_gl.h"
#include "platform/shell.h"
#include "scenery/blade_cluster.h"
#include "scenery/flower_plant.h"
#include "scenery/four_leaf_plant.h"
#include "scenery/rosette_plant.h"

namespace {

using namespace plant_gl;
using SinglePlantsGLTest = PlantsGLTest;

TEST_F(SinglePlantsGLTest, EveryDrawLeavesTheCallersMatrixAsItWas)
{
    CRosettePlant rosette;
    CFourLeafPlant fourLeaf;
    CFlowerPlant flower;
    CBladeCluster blades;
    const NamedDraws draws = {
        {"rosette", [&] { rosette.Draw(); }},
        {"four-leaf", [&] { fourLeaf.Draw(); }},
        {"flower", [&] { flower.Draw(); }},
        {"blade cluster", [&] { blades.Draw(); }},
        {"blade cluster's list", [&] {
             blades.BuildList();
             glDeleteLists(blades.m_nList, 1);
         }},
    };
    glPushAttrib(GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_TEXTURE_BIT);
    ExpectDrawsKeepTheCallersMatrix(draws);
    glPopAttrib();
}

TEST_F(SinglePlantsGLTest, RosetteLeavesRiseFromOneRoot)
{
    CRosettePlant p;
    p.m_fSize[0] = p.m_fSize[1] = p.m_fSize[2] = 1.25f;  // 1 once the draw's 0.8 is taken
    const auto points = Feedback([&] { p.Draw(); });
    size_t atRoot = 0;
    float top = -1e9f;
    for (const auto& q : points) {
        if (std::abs(q[0]) < 1e-3f && std::abs(q[1]) < 1e-3f && std::abs(q[2]) < 1e-3f)
            ++atRoot;
        top = std::max(top, q[1]);
    }
    // Each leaf's root point (the first of its strip's triangles) is on the stem's foot.
    EXPECT_GE(atRoot, 8u);
    // Tilted up 60 degrees, the leaves reach well above it.
    EXPECT_GT(top, 5.0f);
}

TEST_F(SinglePlantsGLTest, PlantsShowTheirOwnPictures)
{
    if (!glGenFramebuffers)
        GTEST_SKIP() << "no framebuffer objects";
    CRosettePlant rosette;
    CFlowerPlant flower;
    CBladeCluster blades;
    rosette.m_fSize[0] = rosette.m_fSize[1] = rosette.m_fSize[2] = 1.25f;
    flower.m_fSize[0] = flower.m_fSize[1] = flower.m_fSize[2] = 1;
    blades.m_fSize[0] = blades.m_fSize[1] = blades.m_fSize[2] = 1;
    // The flower's picture as the build leaves it beside the game.
    glGenTextures(1, &g_FlowerTextures[0].name);
    glBindTexture(GL_TEXTURE_2D, g_FlowerTextures[0].name);
    ASSERT_TRUE(CFlowerPlant::LoadTextureFile((GetProgramFolder() + "../KikuM0.mp_0.bmp").c_str()));
    struct Case {
        const char* name;
        GLuint texture;
        float distance, height;
        std::function<void()> draw;
        bool blooms;
    };
    const Case cases[] = {
        {"rosette", LoadPlantTexture(4), 22, 3, [&] { rosette.Draw(); }, false},
        {"blade cluster", LoadPlantTexture(5), 46, 12, [&] {
             glRotatef(180, 1, 0, 0);  // as kind 2 turns it
             blades.Draw();
         }, false},
        {"flower", g_FlowerTextures[0].name, 32, 6, [&] { flower.Draw(); }, true},
    };
    std::vector<QImage> renders;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const QImage image = Render(k.texture, k.distance, k.height, k.draw);
        renders.push_back(image);
        const Coverage seen = CountCoverage(image);
        EXPECT_GT(seen.covered, kWidth * kHeight / 30);
        if (k.blooms) {
            // White petals among green stalks.
            EXPECT_GT(seen.pale, seen.covered / 20);
            EXPECT_GT(seen.green, seen.covered / 10);
        } else {
            EXPECT_GT(seen.green, seen.covered * 9 / 10);
        }
        glDeleteTextures(1, &k.texture);
    }
    g_FlowerTextures[0].name = 0;
    SaveSheet(renders, "PV_SINGLE_PLANTS_PNG");
}

}  // namespace
