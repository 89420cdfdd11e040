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

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kBend, kFinWave, kSineWave, kSineWave2, kSineWave3, kBodyWave, kCount };
    };
    struct Parts {
        enum { kBody, kUpperJaw, kLowerJaw, kDorsal, kAnal, kTail, kEyes, kPectorals, kCount };
    };

    // Block 3's wave, then block 4's (all zero: the pectoral fins), block 8's,
    // block 9's (the tail's edge) and block 0's body wave; only the fourth
    // and the second are read.
    void ComputeFinWave(float* out, int n) { ComputePlanStep(Steps::kFinWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }  // and the forehead
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kEyes, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kPectorals, f); }
};
