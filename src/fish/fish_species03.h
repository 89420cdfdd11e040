// Species 3, the angelfish: the fish template (fish_model.h) with the
// description in fish_species03.cpp. Its own: the wall state cleared with the
// swim box, reverse ramps and growing waves, a dorsal fin of two sections in
// one table, paired parts sharing one table, and draw variants 3 and 4.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies03;

class CFishSpecies03 : public CFishModel {
public:
    CFishSpecies03() : CFishModel(kFishSpecies03) {}

    // Updates and draws the fish; variants 3 and 4 scale it and change parts
    // (the fish pass passes 0).
    void Draw(int variant) { DrawFrame(variant); }

    void SetSwimBox(float xMin, float xMax, float yTop, float yBottom, float zLimit, float z6)
    {
        m_nWallState = 0;
        CFishModel::SetSwimBox(xMin, xMax, yTop, yBottom, zLimit, z6);
    }

    // The generators, in the order Draw calls them (the class's plan).
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(0, out, n); }
    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(1, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(3, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(4, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(5, out, n); }
    void ComputeGrowingWave2(float* out, int n) { ComputePlanStep(6, out, n); }
    void ComputeGrowingWave3(float* out, int n) { ComputePlanStep(7, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(8, out, n); }

    // The mesh parts, in drawing order; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }  // lower jaw
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }  // upper jaw
    void DrawPart3(const FishFrame& f)                        // dorsal fin and its trailing lobe
    {
        DrawPartAt(3, f);
        DrawPartAt(4, f);
    }
    void DrawPart4(const FishFrame& f) { DrawPartAt(5, f); }  // pectoral fins
    void DrawPart4Mirror(const FishFrame& f) { DrawPartAt(6, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(7, f); }  // ventral filaments
    void DrawPart5Mirror(const FishFrame& f) { DrawPartAt(8, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(9, f); }   // anal fin
    void DrawPart7(const FishFrame& f) { DrawPartAt(10, f); }  // tail
    void DrawPart8(const FishFrame& f) { DrawPartAt(11, f); }  // eyes
    void DrawPart8Mirror(const FishFrame& f) { DrawPartAt(12, f); }
};
