// Sway plant C: a cross of four broad leaves of growing length; it does not move.
#pragma once
#include "scenery/plant_model.h"

class CSwayPlantC : public CPlantModel {
public:
    CSwayPlantC();

    // The four leaves. Each leaf's root offset is taken with the scale in
    // force before the leaf sets its own: the previous leaf's, or for the
    // first leaf the one the previous Draw left.
    void Draw();
    // The leaf: two halves, each a strip from its outer edge to the vein.
    void DrawMesh();

    CSwingRamp m_swing;  // drawn by the constructor; the leaves do not move
    CSwayWave m_sway;
    float m_fSize[3] = {0.0f, 0.0f, 0.0f};
};
