// The part tables of plant model A, [ring][column], positions in model units.
#pragma once
#include "scenery/plant_meshes.h"

// Stems: rings 0 to 6 closed pentagons (column 5 repeats column 0), ring 7
// the tip point six times. Parts 2 to 5 rise from one root, 6 to 8 from another.
extern const PlantVertex g_PlantModelAPart2[8][6];
extern const PlantVertex g_PlantModelAPart3[8][6];
extern const PlantVertex g_PlantModelAPart4[8][6];
extern const PlantVertex g_PlantModelAPart5[8][6];
extern const PlantVertex g_PlantModelAPart6[8][6];
extern const PlantVertex g_PlantModelAPart7[8][6];
extern const PlantVertex g_PlantModelAPart8[8][6];
// Leaves: ring 0 the base, the last ring the tip; column 2 the midrib,
// columns 0 and 4 the edges.
extern const PlantVertex g_PlantModelAPart1[6][5];
extern const PlantVertex g_PlantModelAPart9[6][5];
extern const PlantVertex g_PlantModelAPart10[7][5];
extern const PlantVertex g_PlantModelAPart11[7][5];
extern const PlantVertex g_PlantModelAPart12[7][5];
extern const PlantVertex g_PlantModelAPart13[7][5];
extern const PlantVertex g_PlantModelAPart14[6][5];
extern const PlantVertex g_PlantModelAPart15[6][5];
