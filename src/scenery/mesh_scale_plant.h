// The head of plant models A and B and of sway plant D: the common plant head
// with an integer mesh scale, then the rates, phase speeds and sizes their
// constructors draw in one order. Their meshes are ring tables (a ring a
// cross-section, sent as strips between neighbouring rings) multiplied by the
// mesh scale and bent ring by ring about the model's y axis.
#pragma once
#include "scenery/plant_model.h"

class CMeshScalePlant : public CPlantModel {
public:
    int m_nMeshScale = 5;  // every mesh position is multiplied by it
    float m_fSwingRate = 0.0f;
    float m_fSwingRateReset = 0.0f;
    float m_fExtraRate = 0.0f;
    float m_fSwing = 0.0f;
    float m_fPhaseSpeed = 0.0f;
    float m_fPhaseSpeedReset = 0.0f;
    float m_fPhaseSpeedSlow = 0.0f;  // a fifth of the phase speed
    int m_nSwayCounter = 0;
    int m_nSwingCounter = 0;
    float m_fSize[3] = {};

protected:
    // After the head's draws: swing rate (x 0.025), extra rate (x 0.005),
    // swing (rand() % 10), phase speed (pi / 15 to pi / 19), three sizes
    // (10.5 to 11.4).
    explicit CMeshScalePlant(int stepBase);
    explicit CMeshScalePlant(FixedStep fixed);

    // Strips between rings 0 .. rings - 1 of a ring table, each ring's
    // columns 0 .. columns - 1, positions times the mesh scale.
    template <int Rings, int Columns>
    void EmitRings(const PlantVertex (&rings)[Rings][Columns], const LeafMotion& motion)
    {
        const float scale[3] = {static_cast<float>(m_nMeshScale), static_cast<float>(m_nMeshScale),
                                static_cast<float>(m_nMeshScale)};
        CBendEmitter::EmitGrid(rings, Columns, scale, &motion);
    }

private:
    void DrawRates();
};
