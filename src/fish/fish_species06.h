// Species 6, the lyretail killifish: the fish template (fish_model.h) with the
// description in fish_species06.cpp. Its own: no drift, generators that
// multiply by the size themselves, a bend over 9 of its 15 segments, fins
// that follow the body by the bend and sway of chosen segments, and draw
// variant 3.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies06;

class CFishSpecies06 : public CFishModel {
public:
    CFishSpecies06() : CFishModel(kFishSpecies06) {}

    // Updates and draws the fish; variant 3 draws it shorter with a taller
    // tail and no anal fin (the fish pass passes 0).
    void Draw(int variant) { DrawFrame(variant); }

    // The generators, in the order Draw calls them (the class's plan).
    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(0, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(1, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(3, out, n); }
    void ComputeSizedSineWave(float* out, int n) { ComputePlanStep(4, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(5, out, n); }
    void ComputeGrowingWave2(float* out, int n) { ComputePlanStep(6, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(7, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(8, out, n); }

    // The mesh parts, in drawing order; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }  // upper jaw
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }  // lower jaw
    void DrawPart3(const FishFrame& f) { DrawPartAt(3, f); }  // dorsal fin
    void DrawPart4(const FishFrame& f) { DrawPartAt(4, f); }  // pectoral fins
    void DrawPart5(const FishFrame& f) { DrawPartAt(5, f); }  // pelvic fins
    void DrawPart6(const FishFrame& f) { DrawPartAt(6, f); }  // anal fin
    void DrawPart7(const FishFrame& f) { DrawPartAt(7, f); }  // tail
    void DrawPart8(const FishFrame& f) { DrawPartAt(8, f); }  // eyes
    void DrawPart9(const FishFrame& f) { DrawPartAt(9, f); }  // gill covers
};
