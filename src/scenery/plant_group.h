// Plant group: three water plants of bent stems, opening leaf rings, bulbs and petals.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CPlantGroup : public CSceneryStandIn {
public:
    CPlantGroup();
};
