// Four-leaf plant: four rigid leaves at right angles, without animation. The
// set-up draws plants 1 to 9 into a display list once.
#pragma once
#include "scenery/plant_model.h"

class CFourLeafPlant : public CPlantModel {
public:
    CFourLeafPlant();

    // The four leaves, at the constructor's leaf scale.
    void Draw();
    // One leaf, static.
    void DrawLeaf();

    CSwingRamp m_swing;  // drawn at construction; the drawing does not move
    CSwayWave m_sway;
    float m_fSize[3] = {0.0f, 0.0f, 0.0f};
};
