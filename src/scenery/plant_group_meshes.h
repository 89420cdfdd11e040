// The plant group's tables. The strip meshes (stem, leaf, bent leaf and its
// stalk, petal stalk) hold each point's position and the entries of its
// normal and texture coordinate in the class's two shared tables; the bulb
// is an indexed triangle mesh of its own.
#pragma once

struct PlantGroupPoint {
    float x, y, z;
    short normal;   // entry of g_PlantGroupNormals
    short texture;  // entry of g_PlantGroupTexCoords
};

extern const float g_PlantGroupNormals[][3];
extern const int g_nPlantGroupNormals;
extern const float g_PlantGroupTexCoords[][2];
extern const int g_nPlantGroupTexCoords;

// [line][point]: one quad strip between each pair of neighbouring lines.
extern const PlantGroupPoint g_PlantGroupStem[51][6];       // rings of a pentagonal stem, root to top
extern const PlantGroupPoint g_PlantGroupLeaf[9][5];        // rows across a leaf, root to tip
extern const PlantGroupPoint g_PlantGroupBentLeaf[2][33];   // the round leaf: its centre and its rim
extern const PlantGroupPoint g_PlantGroupBentStalk[2][9];   // the round leaf's stalk
extern const PlantGroupPoint g_PlantGroupPetal[3][4];       // a three-sided stalk of two segments

// The bulb: faces of three position, three normal and three texture indices.
constexpr int kPlantGroupBulbFaces = 2456;
extern const short g_PlantGroupBulbFaces[kPlantGroupBulbFaces][9];
extern const float g_PlantGroupBulbPositions[][3];
extern const int g_nPlantGroupBulbPositions;
extern const float g_PlantGroupBulbNormals[][3];
extern const int g_nPlantGroupBulbNormals;
extern const float g_PlantGroupBulbTexCoords[][2];
extern const int g_nPlantGroupBulbTexCoords;
