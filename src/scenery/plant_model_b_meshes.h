// The mesh tables of plant model B, [ring][column], positions in model units.
#pragma once
#include "scenery/plant_meshes.h"

// The stalk, root to top: closed hexagon rings (column 5 repeats column 0).
extern const PlantVertex g_PlantModelBStalk[6][6];
// The leaves, tip ring first; column 1 the midrib, columns 0 and 2 the edges.
extern const PlantVertex g_PlantModelBLongLeaf[10][3];
extern const PlantVertex g_PlantModelBShortLeaf[7][3];  // ring 0 one point
