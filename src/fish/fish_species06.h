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

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kReverseRampToggle, kReverseRamp, kBend, kBodyWave, kSizedSineWave, kGrowingWave, kGrowingWave2,
            kSineWave, kSineWave2, kCount
        };
    };
    struct Parts {
        enum { kBody, kUpperJaw, kLowerJaw, kDorsal, kPectoral, kPelvic, kAnal, kTail, kEye, kGillCover, kCount };
    };

    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(Steps::kReverseRampToggle, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(Steps::kReverseRamp, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSizedSineWave(float* out, int n) { ComputePlanStep(Steps::kSizedSineWave, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeGrowingWave2(float* out, int n) { ComputePlanStep(Steps::kGrowingWave2, out, n); }
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
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kGillCover, f); }
};
