// Sway plant B: a tuft of six thin blades (or, as a copy, nine smaller ones
// tilted forward) that ripple with a sway wave growing towards the tips.
#pragma once
#include "scenery/plant_model.h"

class CSwayPlantB : public CPlantModel {
public:
    CSwayPlantB();

    // Six blades scaled by m_fSize.
    void Draw();
    // Nine small blades tilted 45 degrees, not scaled by m_fSize.
    void DrawCopy();
    void ComputeSway(float* out, int n);
    // The blade; its first three rows never move.
    void DrawMesh(const float* sway);

    CSwingRamp m_swing;  // drawn by the constructor; the blades do not swing
    CSwayWave m_sway;    // m_fPhaseSpeed, m_nSwayCounter
    float m_fSize[3] = {0.0f, 0.0f, 0.0f};
    BYTE m_bSwingUp = 1;

private:
    void DrawBlade(float angle, float sx, float sy, float sz, const float* sway);
};
