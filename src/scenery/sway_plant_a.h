// Sway plant A: a bush of three rings of eight leaves (long, medium and short),
// bent by the swing ramp and rippled by the sway wave when drawn live; or a
// single ring of eleven leaves.
#pragma once
#include "scenery/plant_model.h"

class CSwayPlantA : public CPlantModel {
public:
    CSwayPlantA();

    // Live draw: mode 0 the three-ring bush, mode 2 the eleven-leaf ring,
    // any other mode nothing (the sway still moves on).
    void DrawSingle(int mode);
    // The three-ring bush without bend or sway, for display lists.
    void Draw();
    void ComputeSway(float* out, int n);
    void ComputeSwing(float* out, int n, float limit);
    // The bent, swaying leaf.
    void DrawMeshSingle(const float* bend, const float* sway);
    // The same leaf, static.
    void DrawMesh();

    CSwingRamp m_swing;              // m_fSwingRate, m_fSwing, m_nSwingCounter
    float m_fSwingRateReset = 0.0f;  // copied into the swing rate by every DrawSingle
    CSwayWave m_sway;                // m_fPhaseSpeed, m_nSwayCounter
    float m_fSize[3] = {0.1f, 0.1f, 0.1f};
    BYTE m_bSwingUp = 1;

private:
    // Scales, turns and roots one leaf, then draws it bent and swaying, or
    // static when sway is null.
    void DrawLeaf(float angle, const float size[3], const float* bend, const float* sway);
};
