// Rosette plant: eight flat leaves at 45-degree steps, tilted up 60 degrees,
// each bent along its length by the swing ramp and rippled by the sway wave;
// drawn live every frame for plant kind 1.
#pragma once
#include "scenery/plant_model.h"

// The swing direction of every rosette: one flag for the class.
extern BYTE g_bRosetteSwingUp;

class CRosettePlant : public CPlantModel {
public:
    CRosettePlant();

    // One live frame of the rosette.
    void Draw();
    void ComputeSway(float* out, int n);
    void ComputeBend(float* out, int n, float limit);
    // One leaf, each row turned by its bend about the diagonal axis.
    void DrawLeaf(const float* bend, const float* sway);

    CSwingRamp m_swing;                // m_fSwingRate, m_fSwing, m_nSwingCounter
    float m_fSwingRateReset = 0.0f;    // copied into the swing rate by every Draw
    CSwayWave m_sway;                  // m_fPhaseSpeed, m_nSwayCounter
    float m_fPhaseSpeedReset = 0.0f;   // copied into the phase speed by every Draw
    float m_fSize[3] = {0.0f, 0.0f, 0.0f};
};
