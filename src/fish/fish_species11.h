// Species 11, the cuckoo catfish: the fish template (fish_model.h) with the
// description in fish_species11.cpp. It never wanders, drifts or tilts: its
// course changes only at the walls of its swim box.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies11;

class CFishSpecies11 : public CFishModel {
public:
    CFishSpecies11() : CFishModel(kFishSpecies11) {}

    // Updates and draws the fish; every mode draws the same (the fish pass passes 0).
    void Draw(int mode) { DrawFrame(mode); }

    // The generators, in the order Draw first calls them (the class's plan).
    void ComputeRamp(float* out, int n) { ComputePlanStep(0, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(1, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(3, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(4, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(5, out, n); }
    void ComputeSineWave5(float* out, int n) { ComputePlanStep(6, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(7, out, n); }
    void ComputeSineWave4(float* out, int n) { ComputePlanStep(8, out, n); }

    // The mesh parts, in drawing order; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }   // upper jaw
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }   // lower jaw
    void DrawPart3(const FishFrame& f) { DrawPartAt(3, f); }   // dorsal fin
    void DrawPart4(const FishFrame& f) { DrawPartAt(4, f); }   // pectoral fins
    void DrawPart5(const FishFrame& f) { DrawPartAt(5, f); }   // pelvic fins
    void DrawPart6(const FishFrame& f) { DrawPartAt(6, f); }   // adipose fin
    void DrawPart7(const FishFrame& f) { DrawPartAt(7, f); }   // tail
    void DrawPart8(const FishFrame& f) { DrawPartAt(8, f); }   // eyes
    void DrawPart9(const FishFrame& f) { DrawPartAt(9, f); }   // upper-jaw barbels
    void DrawPart10(const FishFrame& f) { DrawPartAt(10, f); } // chin barbels
};
