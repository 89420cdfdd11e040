// The sea anemone's stalk: three rings of three points from the tip (ring 0)
// to the base (ring 2), the first point repeated to close the tube, [ring][point].
#pragma once
#include "scenery/plant_meshes.h"

extern const PlantVertex g_AnemoneStalk[3][4];
