// Species 18, the harlequin rasbora: the fish template (fish_model.h) with
// the description in fish_species18.cpp. The body bends column by column, the
// dorsal and anal fins with the segments they stand on; the jaws open while
// the stroke flag is clear, and the flag also flips every 52nd frame.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies18;

class CFishSpecies18 : public CFishModel {
public:
    CFishSpecies18() : CFishModel(kFishSpecies18) {}

    // Updates and draws the fish; the mode is kept and changes nothing else.
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kRamp, kRampToggle, kBend, kBodyWave, kFinWave, kSineWave, kPelvicWave, kSineWave2, kSineWave3, kCount
        };
    };
    struct Parts {
        enum { kBody, kUpperJaw, kLowerJaw, kDorsal, kPectorals, kPelvics, kAnal, kTail, kEyes, kCount };
    };

    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    // Block 3's wave (the dorsal fin's edge), block 4's (all zero: the
    // pectoral fins), block 7's (the pelvic fins), block 8's (all zero: the
    // anal fin) and block 9's (the tail's edge).
    void ComputeFinWave(float* out, int n) { ComputePlanStep(Steps::kFinWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputePelvicWave(float* out, int n) { ComputePlanStep(Steps::kPelvicWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectorals, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPelvics, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kEyes, f); }
};
