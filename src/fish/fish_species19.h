// Species 19, the pinnate batfish: the fish template (fish_model.h) with the
// description in fish_species19.cpp. The whole fish turns with the first bend
// angle but for its pectoral fins (the fifth); only the tail waves. It draws
// nothing but empty strips once m_bAlive is clear.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies19;

class CFishSpecies19 : public CFishModel {
public:
    CFishSpecies19() : CFishModel(kFishSpecies19) {}

    // Updates and draws the fish; the mode is kept and changes nothing else.
    void Draw(int mode) { DrawFrame(mode); }

    // The generators, in the order Draw calls them after the bend.
    void ComputeFinWave(float* out, int n) { ComputePlanStep(1, out, n); }      // block 3; nothing reads it
    void ComputeSineWave(float* out, int n) { ComputePlanStep(2, out, n); }     // block 4, all zero: the pectoral fins
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(3, out, n); }    // block 8; nothing reads it
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(4, out, n); }    // block 9: the tail's edge
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(5, out, n); }     // block 0; nothing reads it

    // The mesh parts, in drawing order; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }  // upper jaw and forehead
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }  // lower jaw
    void DrawPart3(const FishFrame& f) { DrawPartAt(3, f); }  // dorsal fin
    void DrawPart4(const FishFrame& f) { DrawPartAt(4, f); }  // anal fin
    void DrawPart5(const FishFrame& f) { DrawPartAt(5, f); }  // tail
    void DrawPart6(const FishFrame& f) { DrawPartAt(6, f); }  // eyes
    void DrawPart7(const FishFrame& f) { DrawPartAt(7, f); }  // pectoral fins
};
