// The oscillators of the plants: the sway wave that ripples a leaf along its
// rows, the swing ramp that bends it, and the sway angle a class shares
// among its objects. Each plant class keeps their state (its own, or one
// shared by the class) and calls them with its own constants.
#pragma once
#include "platform/wintypes.h"

constexpr float kPlantPi = 3.1415925f;
constexpr float kPlantTwoPi = 6.283185f;

// The step of a sway phase: the call is counted, and when the count it had
// before exceeded cadence (1: every third call, 2: every fourth, 10: every
// twelfth) the phase moves by speed and the count restarts. A phase above
// 2 pi then restarts at 0 (not 2 pi less), whether it moved or not.
void StepSwayPhase(int& counter, int cadence, float& phase, float speed);

// A class's sway wave: out[i] = sin(i x step + phase) x amplitude x
// (gainBase + gainStep x i). Then the first stillRows entries are 0, and
// with closesRing out[0] takes out[n - 1] (a ring whose ends meet).
struct SwayShape {
    double amplitude = 0.0;
    double gainBase = 1.0;  // 1, 0: the same everywhere
    double gainStep = 0.0;  // 0, 1: grows towards the tip
    int stillRows = 1;      // 0: even the root moves
    bool closesRing = false;
    int cadence = 1;  // of StepSwayPhase
};

// Fills out[0..n-1] from the phase, without stepping it. The still entries
// are written whatever n is, so out holds at least max(n, stillRows) floats.
void FillSwayWave(const SwayShape& shape, float phase, float step, float* out, int n);

// A sway wave whose phase (in the plant's head) moves by m_fPhaseSpeed.
struct CSwayWave {
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

// An angle that every draw of a class moves by one step, up while rising;
// once a step takes it above high it falls, below low it rises. One object
// of this type serves every plant of a class.
struct CSharedSwayAngle {
    // The sum is worked in double and stored as float; the turning points
    // are tested on the stored float, or with testSum on the sum itself.
    void Step(double step, double low, double high, bool testSum = false);

    float m_fAngle = 0.0f;
    BYTE m_bRising = 1;
};
