// Species 12, the Boesemani rainbowfish: the fish template (fish_model.h)
// with the description in fish_species12.cpp. Its own: an 18-segment bend,
// no drift, two dorsal fins on one strip, a long anal fin riding on the body
// wave, and draw variant 1, which zigzags the edges of four fins.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies12;

class CFishSpecies12 : public CFishModel {
public:
    CFishSpecies12() : CFishModel(kFishSpecies12) {}

    // Updates and draws the fish; variant 1 zigzags the fins' odd columns
    // (the fish pass passes 0).
    void Draw(int variant) { DrawFrame(variant); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kRamp, kRampToggle, kBend, kBodyWave, kSineWave, kSineWave2, kSine7, kSine8, kSine9, kCount };
    };
    struct Parts {
        enum { kBody, kUpperJaw, kLowerJaw, kDorsal, kPectoral, kPelvic, kAnal, kTail, kEye, kCount };
    };

    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
};
