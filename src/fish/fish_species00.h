// Species 0, the telescope-eye goldfish: the fish template (fish_model.h)
// with the description in fish_species00.cpp. Its own: Draw takes the mouse
// position (and reads nothing of it), the body turns as one piece and its
// segments settle slowly after a turn, the mouth opens and shuts with the
// stroke, and the eyes drift on their stalks.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies00;

class CFishSpecies00 : public CFishModel {
public:
    CFishSpecies00() : CFishModel(kFishSpecies00) {}

    // Updates and draws the fish; the fish pass hands over the mouse position.
    void Draw(int, int) { DrawFrame(0); }
    void Move(int, int) { CFishModel::Move(); }

    // The generators, in the order Draw calls them (the class's plan).
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(1, out, n); }
    void ComputeGrowingWave2(float* out, int n) { ComputePlanStep(2, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(3, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(4, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(5, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(6, out, n); }
    void ComputeRamp(float* out, int n) { ComputePlanStep(7, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(8, out, n); }

    // The mesh parts, in drawing order; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }    // lower jaw
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }    // upper jaw
    void DrawPart3(const FishFrame& f) { DrawPartAt(3, f); }    // left eye
    void DrawPart4(const FishFrame& f) { DrawPartAt(4, f); }    // right eye
    void DrawPart5(const FishFrame& f) { DrawPartAt(5, f); }    // dorsal fin
    void DrawPart6(const FishFrame& f) { DrawPartAt(6, f); }    // pectoral fins
    void DrawPart7(const FishFrame& f) { DrawPartAt(7, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(8, f); }    // pelvic fins
    void DrawPart9(const FishFrame& f) { DrawPartAt(9, f); }
    void DrawPart10(const FishFrame& f) { DrawPartAt(10, f); }  // anal fins
    void DrawPart11(const FishFrame& f) { DrawPartAt(11, f); }
    void DrawPart12(const FishFrame& f) { DrawPartAt(12, f); }  // twin tail
    void DrawPart13(const FishFrame& f) { DrawPartAt(13, f); }
};
