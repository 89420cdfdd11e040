#include "scenery/decoration_mesh_b.h"

#include "platform/crt.h"
#include "scenery/decoration_mesh_b_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

#include <iterator>

namespace {

void SetUp(SceneryContext& c)
{
    CDecorationMeshB& b = c.scenery.m_DecorationMeshB;
    float* p = b.m_fPlacement;
    p[0] = static_cast<float>(10.5 + crt::rand() % 5);
    p[1] = static_cast<float>(10.4 + crt::rand() % 5);
    p[2] = static_cast<float>(10.05 + crt::rand() % 5);
    // Three turns of rand() % 1: always 0, one draw each.
    for (int i = 3; i < 6; ++i)
        p[i] = static_cast<float>(crt::rand() % 1);
    DiscardRandom(2);
    SetVector(c.scenery.m_fSpotDecorB, -55.0f, 5.0f, -40.0f);
    b.Init(p[0], p[1], p[2], p[3], p[4], p[5]);
}

const bool kSetUp = RegisterScenerySetUp({.order = 11, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 9,
                                      .texture = {KindTexture::Plant, 9},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotDecorB; },
                                      .translate = {5.0f, -2.0f, 0.0f},
                                      .draw = [](SceneryContext& c) { c.scenery.m_DecorationMeshB.DrawList(); }});

}  // namespace

CDecorationMeshB::CDecorationMeshB() = default;

void CDecorationMeshB::Init(float sx, float sy, float sz, float rx, float ry, float rz)
{
    SetPlacement(sx, sy, sz, rx, ry, rz);
    m_nList = BuildList();
}

GLuint CDecorationMeshB::BuildList()
{
    using S = PlacementStep;
    const S flat = {S::Rotate, {-92.0f, 1.0f, 0.0f, 0.0f}};
    auto aboutZ = [](float degrees) { return S{S::Rotate, {degrees, 0.0f, 0.0f, 1.0f}}; };
    return CompileCopies({},
                         {{{S::Translate, {0.0f, 5.0f, 0.0f}}, {S::Scale, {1.0f, 2.0f, 1.0f}}, flat, aboutZ(62.0f)},
                          {{S::Translate, {5.0f, 0.0f, 0.0f}}, {S::Scale, {1.5f, 1.0f, 1.0f}}, flat, aboutZ(-62.0f)},
                          {{S::Translate, {10.0f, 4.0f, 1.0f}}, {S::Scale, {1.1f, 2.2f, 1.3f}}, flat, aboutZ(-45.0f)},
                          {{S::Translate, {3.0f, -1.0f, 1.0f}},
                           {S::Rotate, {-45.0f, 1.0f, 0.0f, 0.0f}},
                           aboutZ(45.0f),
                           aboutZ(45.0f)}},
                         [this] { DrawMesh(); });
}

void CDecorationMeshB::DrawMesh() { EmitMesh(MeshTables()); }

IndexedTriangles CDecorationMeshB::MeshTables()
{
    return {g_DecorationBFaces,     static_cast<int>(std::size(g_DecorationBFaces)),
            g_DecorationBPositions, g_DecorationBPositionCount,
            g_DecorationBNormals,   g_DecorationBNormalCount,
            g_DecorationBTexCoords, g_DecorationBTexCoordCount};
}
