#include "scenery/terrain_model.h"

#include "scenery/color_layers.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"
#include "scenery/terrain_model_meshes.h"
#include "settings/settings.h"

#include <iterator>

namespace {

static_assert(kColorLayers == kTerrainLayers, "a colour for each layer");

constexpr int kBands = kTerrainRings - 1;
constexpr int kCapPairs = kTerrainColumns / 2;

// The four lists: scale and colours, the layers each holds, and the z offset of a layer.
struct TerrainList {
    ColorLayerScheme scheme;
    bool (*holds)(int layer);
    float (*offset)(int layer);
};

bool AllLayers(int) { return true; }
float NoOffset(int) { return 0.0f; }

// Greens from black: (3k, 4k, 3k).
const ColorLayerScheme kMossScheme = {{0.5f, 0.5f, 0.5f}, {0, 0, 0}, {3, 4, 3}};

const TerrainList kLists[4] = {
    {kColorLayerScheme, AllLayers, [](int k) { return k < 10 ? -5.0f : k > 30 ? 3.0f : 0.0f; }},
    {kMossScheme, [](int k) { return k % 3 == 1 && k != 19; }, NoOffset},
    {kColorLayerScheme, AllLayers, [](int k) { return k % 3 == 0 ? -12.0f : 0.0f; }},
    {kColorLayer2Scheme, AllLayers, NoOffset},
};

GLuint BuildList(CTerrainModel& model, const TerrainList& list)
{
    return BuildColorLayers(
        list.scheme,
        [&](int layer) {
            if (const float z = list.offset(layer); z != 0.0f)
                glTranslatef(0.0f, 0.0f, z);
            model.DrawMesh(layer);
        },
        list.holds);
}

// The point of a layer's table entry, with the normal and texture entry given.
PlantVertex LayerVertex(int layer, int position, int normal)
{
    return VertexFromTables(g_TerrainPositions, static_cast<int>(std::size(g_TerrainPositions)),
                            layer * kTerrainBlock + position, g_TerrainNormals,
                            static_cast<int>(std::size(g_TerrainNormals)), normal, g_TerrainTexCoords,
                            static_cast<int>(std::size(g_TerrainTexCoords)), normal);
}

// The winding of the strips' triangle (a_c, b_c, a_c+1) against the sum of
// its normals: below 0 when the inside is in front.
float WallWinding(int layer, int band, int column)
{
    const PlantVertex a = LayerVertex(layer, TerrainPositionIndex(band, column), TerrainNormalIndex(band, column));
    const PlantVertex b =
        LayerVertex(layer, TerrainPositionIndex(band + 1, column), TerrainNormalIndex(band + 1, column));
    const PlantVertex a1 =
        LayerVertex(layer, TerrainPositionIndex(band, column + 1), TerrainNormalIndex(band, column + 1));
    const float u[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
    const float v[3] = {a1.x - a.x, a1.y - a.y, a1.z - a.z};
    const float w[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const float n[3] = {a.nx + b.nx + a1.nx, a.ny + b.ny + a1.ny, a.nz + b.nz + a1.nz};
    return w[0] * n[0] + w[1] * n[1] + w[2] * n[2];
}

void SetUp(SceneryContext& c) { c.scenery.m_TerrainModel.BuildLists(); }

const bool kSetUp = RegisterScenerySetUp({.order = 17, .phase = SetUpPhase::AfterLists, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 16,
                                      .pass = PlantPass::Scene,
                                      .texture = {KindTexture::Blank, 0},
                                      .translate = {-2.3f, -20.0f, -81.0f},
                                      .turns = {{-97.0f, 0.0f, 1.0f, 0.0f}, {-165.0f, 0.0f, 0.0f, 1.0f}},
                                      .draw = [](SceneryContext& c) {
                                          c.scenery.m_TerrainModel.Draw(g_Settings.g_nBackground);
                                          // The heaviest fill of the frame: to the
                                          // rasteriser now, while the fish are built.
                                          glFlush();
                                      }});

}  // namespace

CTerrainModel::CTerrainModel() = default;

void CTerrainModel::BuildLists()
{
    m_nList1 = BuildList(*this, kLists[0]);
    m_nList2 = BuildList(*this, kLists[1]);
    m_nList3 = BuildList(*this, kLists[2]);
    m_nList4 = BuildList(*this, kLists[3]);
}

void CTerrainModel::Draw(int style)
{
    glPushMatrix();
    glTranslatef(0.0f, 0.9f, 0.0f);
    glRotatef(-91.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(16.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(-93.0f, 0.0f, 0.0f, 1.0f);
    const GLuint lists[4] = {m_nList1, m_nList2, m_nList3, m_nList4};
    if (style >= 0 && style < 4)
        glCallList(lists[style]);
    glColor3ub(255, 255, 255);
    glPopMatrix();
}

bool CTerrainModel::CullsWalls(int layer)
{
    if (layer < 0 || layer >= kTerrainLayers)
        return false;
    for (int band = 0; band < kBands; ++band)
        for (int column = 0; column < kTerrainColumns; ++column)
            if (WallWinding(layer, band, column) > 0.0f)
                return false;
    return true;
}

void CTerrainModel::DrawMesh(int layer)
{
    if (layer < 0 || layer >= kTerrainLayers)
        return;
    const float scale[3] = {static_cast<float>(m_nScale), static_cast<float>(m_nScale), static_cast<float>(m_nScale)};
    // Seven bands between neighbouring rings, each closing on its first column.
    // A layer is closed by its caps, so where its strips wind with the inside
    // in front, the insides are culled: they never show. The top layers,
    // whose rings fold back on themselves in places, are drawn whole.
    const bool cull = CullsWalls(layer);
    if (cull) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
    }
    EmitLineStrips(
        [layer](int ring, int column) {
            return LayerVertex(layer, TerrainPositionIndex(ring, column), TerrainNormalIndex(ring, column));
        },
        0, kBands, kTerrainColumns + 1, scale, nullptr);
    if (cull) {
        glCullFace(GL_BACK);
        glDisable(GL_CULL_FACE);
    }
    // A cap across the first ring and one across the last: column i paired
    // with column 17 - i, whose position entry is also its normal entry.
    for (const int ring : {0, kTerrainRings - 1}) {
        EmitLineStrips(
            [layer, ring](int side, int i) {
                if (side == 0)
                    return LayerVertex(layer, TerrainPositionIndex(ring, i), TerrainNormalIndex(ring, i));
                const int across = TerrainPositionIndex(ring, kTerrainColumns - 1 - i);
                return LayerVertex(layer, across, across);
            },
            0, 1, kCapPairs, scale, nullptr);
    }
}
