// The flower plant's stalk and flower head tables.
#pragma once
#include "scenery/plant_meshes.h"

// The stalk, [column][row]: 4 columns (the last repeats the first, closing
// the three-sided stalk) x 8 rows, root to top.
extern const PlantVertex g_FlowerStalk[4][8];
// The flower head: one strip of 13 rows, the left edge, then the right.
extern const PlantVertex g_FlowerHeadLeft[13];
extern const PlantVertex g_FlowerHeadRight[13];
