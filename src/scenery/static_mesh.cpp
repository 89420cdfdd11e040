#include "scenery/static_mesh.h"

#include "scenery/plant_emitter.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

#include <iterator>

namespace {

const float kZero3[1][3] = {};
const float kZero2[1][2] = {};
const short kFaces1[901][9] = {};
const short kFaces2[840][9] = {};
const short kFaces3[820][9] = {};

template <int Faces>
GLuint CompileMesh(const short (&faces)[Faces][9], float scale)
{
    const IndexedTriangles mesh = {faces, Faces, kZero3, 1, kZero3, 1, kZero2, 1};
    const float s[3] = {scale, scale, scale};
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    CBendEmitter::EmitIndexedTriangles(mesh, s);
    glEndList();
    return list;
}

void SetUp(SceneryContext& c)
{
    const float* b = c.tankBounds;
    c.scenery.m_StaticMesh.Init(b[0], b[1], b[2], b[3], b[4], b[5]);
}

const bool kSetUp = RegisterScenerySetUp({.order = 16, .phase = SetUpPhase::AfterLists, .run = SetUp});

}  // namespace

CStaticMesh::CStaticMesh() = default;

void CStaticMesh::Init(float, float, float, float, float, float)
{
    m_nList1 = BuildList1();
    m_nList2 = BuildList2();
    m_nList3 = BuildList3();
}

GLuint CStaticMesh::BuildList1() { return CompileMesh(kFaces1, 50.0f); }

GLuint CStaticMesh::BuildList2() { return CompileMesh(kFaces2, 50.0f); }

GLuint CStaticMesh::BuildList3() { return CompileMesh(kFaces3, 40.0f); }
