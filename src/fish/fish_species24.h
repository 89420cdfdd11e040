// Species 24, the peacock bass: the fish template (fish_model.h) with the
// description in fish_species24.cpp. A large, fast fish at birth (size 7,
// speed 0.2) whose target pitch stays a whole number of degrees; its heading
// turn draws twice, its speed approach and swim style change nothing, every
// wave is multiplied by its size, and it has no drift and no draw variants.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies24;

class CFishSpecies24 : public CFishModel {
public:
    CFishSpecies24() : CFishModel(kFishSpecies24) {}

    // Updates and draws the fish.
    void Draw() { DrawFrame(0); }

    // The target pitch in whole degrees (kept in m_fPitch).
    int WholePitch() const { return static_cast<int>(m_fPitch); }

    // The generators, in the order Draw calls them (the class's plan; the
    // bend toward the heading is its step 2, and sine A runs twice, steps 4 and 5).
    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(0, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(1, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(3, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(4, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(6, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(7, out, n); }
    void ComputeSineWave4(float* out, int n) { ComputePlanStep(8, out, n); }
    void ComputeSineWave5(float* out, int n) { ComputePlanStep(9, out, n); }

    // The mesh parts, in drawing order; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }  // upper jaw
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }  // lower jaw
    void DrawPart3(const FishFrame& f) { DrawPartAt(3, f); }  // spiny dorsal fin
    void DrawPart4(const FishFrame& f) { DrawPartAt(4, f); }  // soft dorsal fin
    void DrawPart5(const FishFrame& f) { DrawPartAt(5, f); }  // pectoral fins
    void DrawPart6(const FishFrame& f) { DrawPartAt(6, f); }  // pelvic fins
    void DrawPart7(const FishFrame& f) { DrawPartAt(7, f); }  // anal fin
    void DrawPart8(const FishFrame& f) { DrawPartAt(8, f); }  // tail
    void DrawPart9(const FishFrame& f) { DrawPartAt(9, f); }  // eyes
};
