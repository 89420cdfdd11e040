// Species 10, the green swordtail: the fish template (fish_model.h) with the
// description in fish_species10.cpp. Its own: an 18-segment bend, no drift,
// the fins swaying with the body segments they stand on, and draw variant 2,
// which serrates the dorsal fin's edge.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies10;

class CFishSpecies10 : public CFishModel {
public:
    CFishSpecies10() : CFishModel(kFishSpecies10) {}

    // Updates and draws the fish; variant 2 serrates the dorsal fin's edge
    // (the fish pass passes 0).
    void Draw(int variant) { DrawFrame(variant); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kRamp, kRampToggle, kBend, kBodyWave, kSineWave, kSineWave3, kSineWave2, kSineWave4, kCount };
    };
    struct Parts {
        enum {
            kBody, kUpperJaw, kLowerJaw, kDorsal, kPectoral, kPelvic, kGonopodium, kTail, kEye, kMouthCorner, kCount
        };
    };

    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }
    void ComputeSineWave4(float* out, int n) { ComputePlanStep(Steps::kSineWave4, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kGonopodium, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kMouthCorner, f); }
};
