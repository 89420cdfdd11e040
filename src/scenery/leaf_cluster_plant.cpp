#include "scenery/leaf_cluster_plant.h"

#include "platform/crt.h"
#include "scenery/color_layers.h"
#include "scenery/leaf_cluster_meshes.h"
#include "scenery/plant_emitter.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

const IndexedTriangles kLeaf = {g_LeafClusterFaces,     kLeafClusterFaces,   g_LeafClusterPositions,
                                kLeafClusterPositions,  g_LeafClusterNormals, kLeafClusterNormals,
                                g_LeafClusterTexCoords, kLeafClusterTexCoords};

// How each of the four leaves is placed: up to four steps in order.
struct Step {
    enum Op : uint8_t { None, Scale, Translate, Rotate } op = None;
    float v[4] = {};
};
const Step kLeaves[4][4] = {
    {{Step::Scale, {0.5f, 1, 0.5f}}, {Step::Rotate, {-90, 1, 0, 0}}, {Step::Rotate, {-90, 0, 0, 1}}},
    {{Step::Scale, {0.5f, 1, 0.5f}}, {Step::Translate, {0.5f, 0, 0}}, {Step::Rotate, {-86, 1, 0, 0}}},
    {{Step::Rotate, {-15, 1, 0, 0}},
     {Step::Scale, {0.8f, 0.8f, 0.8f}},
     {Step::Translate, {1.5f, 1, 1}},
     {Step::Rotate, {-90, 1, 0, 0}}},
    {{Step::Rotate, {-15, 1, 0, 0}},
     {Step::Scale, {0.2f, 0.8f, 0.2f}},
     {Step::Translate, {-1.5f, 1, 1}},
     {Step::Rotate, {45, 1, 0, 0}}},
};

void Apply(const Step& s)
{
    switch (s.op) {
    case Step::Scale:
        glScalef(s.v[0], s.v[1], s.v[2]);
        break;
    case Step::Translate:
        glTranslatef(s.v[0], s.v[1], s.v[2]);
        break;
    case Step::Rotate:
        glRotatef(s.v[0], s.v[1], s.v[2], s.v[3]);
        break;
    case Step::None:
        break;
    }
}

void SetUp(SceneryContext& c)
{
    CLeafClusterPlant& l = c.scenery.m_LeafClusterPlant;
    float* p = l.m_fPlacement;
    p[0] = 20.5f;
    p[1] = 10.4f;
    p[2] = 20.05f;
    for (int i = 3; i < 6; ++i)
        p[i] = static_cast<float>(crt::rand() % 1);
    DiscardRandom(2);
    SetVector(c.scenery.m_fSpotLeafCluster, 22.0f, 0.0f, -20.0f);
    l.Init(p[0], p[1], p[2], p[3], p[4], p[5]);
}

const bool kSetUp = RegisterScenerySetUp({.order = 13, .phase = SetUpPhase::Place, .run = SetUp});

}  // namespace

CLeafClusterPlant::CLeafClusterPlant() = default;

BOOL CLeafClusterPlant::Init(float sizeX, float sizeY, float sizeZ, float a, float b, float c)
{
    SetVector(m_fSize, sizeX, sizeY, sizeZ);
    SetVector(m_fAngles, a, b, c);
    m_nLeafList = BuildList();
    m_nRampList = BuildColorRampList();
    m_nLayerList = BuildColorLayerList();
    m_nLayerList2 = BuildColorLayerList2();
    return TRUE;
}

GLuint CLeafClusterPlant::BuildList()
{
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glRotatef(-930.0f, 0.0f, 1.0f, 0.0f);  // outside the leaves' pushes: it stays
    for (const auto& steps : kLeaves) {
        glPushMatrix();
        for (const Step& s : steps)
            Apply(s);
        DrawLeaf();
        glPopMatrix();
    }
    glEndList();
    return list;
}

void CLeafClusterPlant::DrawLeaf()
{
    glRotatef(225.0f, 0.0f, 0.0f, 1.0f);
    glRotatef(10.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(10.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(10.0f, 0.0f, 0.0f, 1.0f);
    CBendEmitter::EmitIndexedTriangles(kLeaf, m_fSize);
}
