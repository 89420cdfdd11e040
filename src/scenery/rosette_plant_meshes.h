// The rosette plant's leaf tables.
#pragma once
#include "scenery/plant_meshes.h"

// One strip, root (row 0) to tip (row 9): the left edge, then the right.
extern const PlantVertex g_RosetteLeafLeft[10];
extern const PlantVertex g_RosetteLeafRight[10];
