// The terrain model's tables: 45 layers, each a closed band of 8 rings of 18
// points with its own block of positions; one set of normals and texture
// coordinates serves every layer. The index functions below are fixed: the
// model reads its tables through them and the generator writes through them.
#pragma once
#include "scenery/plant_meshes.h"

constexpr int kTerrainLayers = 45;
constexpr int kTerrainRings = 8;
constexpr int kTerrainColumns = 18;
constexpr int kTerrainBlock = 146;  // entries per layer; 1 to 144 are used

extern const float g_TerrainPositions[kTerrainLayers * kTerrainBlock][3];
extern const float g_TerrainNormals[kTerrainBlock][3];
extern const float g_TerrainTexCoords[kTerrainBlock][2];

// The entry of ring r, column c within a layer's block; column 18 closes the
// ring on column 0.
constexpr int TerrainPositionIndex(int ring, int column) { return 18 * ring + column % 18 + 1; }

// The normal and texture-coordinate entry of ring r, column c: numbered as the
// positions, but ring 1 starts with entries 20, 19.
constexpr int TerrainNormalIndex(int ring, int column)
{
    const int index = TerrainPositionIndex(ring, column);
    if (index == 19)
        return 20;
    if (index == 20)
        return 19;
    return index;
}
