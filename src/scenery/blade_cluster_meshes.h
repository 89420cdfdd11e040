// The blade cluster's stalk and leaf tables.
#pragma once
#include "scenery/plant_meshes.h"

// The stalk, [column][pair]: 8 columns (the last repeats the first) x 4
// pairs, from the leaf (pair 0) to the root (pair 3); the drawing multiplies
// z of pairs 1 to 3 by 5.
extern const PlantVertex g_BladeStalk[8][4];
// The leaf: a strip of 33 pairs (rim point, inner point) round it, rim points
// 0 and 32 in one place, and a strip of 9 pairs across its middle.
extern const PlantVertex g_BladeLeafRim[33];
extern const PlantVertex g_BladeLeafInner[33];
extern const PlantVertex g_BladeLeafMiddleLeft[9];
extern const PlantVertex g_BladeLeafMiddleRight[9];
