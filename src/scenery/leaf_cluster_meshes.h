// The leaf of the leaf cluster: an indexed triangle mesh (faces of three
// position, three normal and three texture-coordinate indices).
#pragma once

constexpr int kLeafClusterFaces = 318;
constexpr int kLeafClusterPositions = 195;
constexpr int kLeafClusterNormals = 140;
constexpr int kLeafClusterTexCoords = 210;

extern const short g_LeafClusterFaces[kLeafClusterFaces][9];
extern const float g_LeafClusterPositions[kLeafClusterPositions][3];
extern const float g_LeafClusterNormals[kLeafClusterNormals][3];
extern const float g_LeafClusterTexCoords[kLeafClusterTexCoords][2];
