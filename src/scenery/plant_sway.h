// The two per-call oscillators of the plants: the sway wave that ripples a
// leaf along its rows and the swing ramp that bends it. Each plant class
// keeps their state and calls them with its own constants.
#pragma once
#include "platform/wintypes.h"

constexpr float kPlantPi = 3.1415925f;
constexpr float kPlantTwoPi = 6.283185f;

// A class's sway wave: out[i] = sin(i x step + phase) x amplitude, also times
// i when the wave grows along the leaf; the first stillRows entries are 0.
struct SwayShape {
    double amplitude = 0.0;
    bool growsAlongLeaf = false;
    int stillRows = 1;
};

// The phase lives in the plant's head; it moves by m_fPhaseSpeed on every
// third call and restarts at 0 once it passes 2 pi.
struct CSwayWave {
    // Fills out[0..n-1]. The still entries are written whatever n is, so out
    // holds at least max(n, shape.stillRows) floats.
    void Compute(const SwayShape& shape, float& phase, float step, float* out, int n);

    float m_fPhaseSpeed = 0.0f;
    int m_nSwayCounter = 0;
};

// A value walking between -limit and limit by m_fSwingRate on every third
// call; out[i] = i x (value / n) x factor bends row i.
struct CSwingRamp {
    // up is the direction flag: the object's own, or one shared by its class.
    void Compute(float* out, int n, float limit, float factor, BYTE& up);

    float m_fSwingRate = 0.0f;
    float m_fSwing = 0.0f;
    int m_nSwingCounter = 0;
};
