// The leaf tables of sway plants A, B and C.
#pragma once
#include "scenery/plant_meshes.h"

// Sway plant A's leaf, [column][row]: 4 columns x 13 rows; every column ends
// at the tip in row 12.
extern const PlantVertex g_SwayLeafA[4][13];
// Sway plant B's blade, [column][row]: 4 columns x 14 rows, root to tip.
extern const PlantVertex g_SwayBladeB[4][14];
// Sway plant C's leaf, [half][row]: each half an outer edge of 12 points and a
// vein of 4; both halves share the normals and texture coordinates.
extern const PlantVertex g_SwayLeafCEdge[2][12];
extern const PlantVertex g_SwayLeafCVein[2][4];
