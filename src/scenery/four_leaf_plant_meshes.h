// The four-leaf plant's leaf tables.
#pragma once
#include "scenery/plant_meshes.h"

// One strip, root (row 0) to tip (row 13): the left edge, then the right.
extern const PlantVertex g_FourLeafLeft[14];
extern const PlantVertex g_FourLeafRight[14];
