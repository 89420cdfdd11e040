// The strand plant's model: one stalk of 30 rings of 11 points (10 around,
// the first repeated to close the seam), [ring][point]. Rings 0 to 20 are
// the stalk from its foot, rings 21 to 29 the bulb at its end.
#pragma once
#include "scenery/plant_meshes.h"

extern const PlantVertex g_StrandRings[30][11];
