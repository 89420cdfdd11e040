// Colour-ramp decoration: an object that only holds colour-layer lists.
// A stand-in until the class is built: it takes the constructor's draws only.
#pragma once
#include "scenery/stand_in.h"

class CColorRampDecoration : public CSceneryStandIn {
public:
    CColorRampDecoration();
};
