#include "scenery/stand_in.h"

#include "scenery/tank_scenery.h"

CSceneryStandIn::CSceneryStandIn(int draws) { DiscardRandom(draws); }
