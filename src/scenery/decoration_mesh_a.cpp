#include "scenery/decoration_mesh_a.h"

#include "platform/crt.h"
#include "scenery/color_layers.h"
#include "scenery/decoration_mesh_a_meshes.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

#include <iterator>

namespace {

// rand() % n, made negative when the draw before it is even.
float SignedDraw(int n)
{
    const bool negative = crt::rand() % 2 == 0;
    const int value = crt::rand() % n;
    return static_cast<float>(negative ? -value : value);
}

void SetUp(SceneryContext& c)
{
    CDecorationMeshA& a = c.scenery.m_DecorationMeshA;
    float* p = a.m_fPlacement;
    p[0] = static_cast<float>(15.5 + crt::rand() % 5);
    p[1] = static_cast<float>(15.4 + crt::rand() % 5);
    p[2] = static_cast<float>(15.05 + crt::rand() % 5);
    p[3] = SignedDraw(10);
    p[4] = SignedDraw(10);
    p[5] = SignedDraw(5);
    DiscardRandom(2);
    SetVector(c.scenery.m_fSpotDecorA, 37.0f, 8.0f, -25.0f);
    a.Init(p[0], p[1], p[2], p[3], p[4], p[5]);
}

const bool kSetUp = RegisterScenerySetUp({.order = 10, .phase = SetUpPhase::Place, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 12,
                                      .texture = {KindTexture::Fish, 9},
                                      .spot = [](const CTankScenery& s) -> const float* { return s.m_fSpotDecorA; },
                                      .translate = {-10.8f, -2.0f, -3.0f},
                                      .draw = [](SceneryContext& c) { c.scenery.m_DecorationMeshA.DrawList(); }});

}  // namespace

CDecorationMeshA::CDecorationMeshA() = default;

void CDecorationMeshA::Init(float sx, float sy, float sz, float rx, float ry, float rz)
{
    SetPlacement(sx, sy, sz, rx, ry, rz);
    m_nList = BuildGroupList();
    m_nRampList = BuildColorRampList();
    m_nLayerList = BuildColorLayerList();
    m_nLayerList2 = BuildColorLayerList2();
}

GLuint CDecorationMeshA::BuildGroupList()
{
    using S = PlacementStep;
    const S smaller = {S::Scale, {0.6f, 0.7f, 1.0f}};
    return CompileCopies({{S::Rotate, {-15.0f, 0.0f, 0.0f, 1.0f}}},
                         {{},
                          {{S::Translate, {-2.5f, 0.0f, 0.5f}}, {S::Rotate, {270.0f, 0.0f, 1.0f, 0.0f}}, smaller},
                          {{S::Translate, {-2.1f, 2.0f, 0.5f}}, {S::Rotate, {-45.0f, 0.0f, 1.0f, 0.0f}}, smaller},
                          {{S::Translate, {3.0f, 3.0f, 0.5f}}, {S::Rotate, {45.0f, 0.0f, 1.0f, 0.0f}}, smaller},
                          {{S::Translate, {5.5f, -1.0f, 0.5f}},
                           {S::Rotate, {135.0f, 0.0f, 1.0f, 0.0f}},
                           {S::Scale, {0.6f, 0.5f, 1.0f}}}},
                         [this] { DrawMesh(); });
}

void CDecorationMeshA::DrawMesh() { EmitMesh(MeshTables()); }

IndexedTriangles CDecorationMeshA::MeshTables()
{
    return {g_DecorationAFaces,     static_cast<int>(std::size(g_DecorationAFaces)),
            g_DecorationAPositions, static_cast<int>(std::size(g_DecorationAPositions)),
            g_DecorationANormals,   static_cast<int>(std::size(g_DecorationANormals)),
            g_DecorationATexCoords, static_cast<int>(std::size(g_DecorationATexCoords))};
}
