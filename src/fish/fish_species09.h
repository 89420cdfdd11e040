// Species 9, the tiger barb: the fish template (fish_model.h) with the
// description in fish_species09.cpp. Its own: a short deep body of 15 bend
// segments, both ramps falling toward their last entry (the toggle flipping
// the stroke after a random 16 to 25 calls), the mouth opening with them,
// and its own swim style for the pectoral fins.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies09;

class CFishSpecies09 : public CFishModel {
public:
    CFishSpecies09() : CFishModel(kFishSpecies09) {}

    // Updates and draws the fish (the fish pass passes nothing).
    void Draw() { DrawFrame(0); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kReverseRampToggle, kReverseRamp, kBend, kBodyWave, kSineWave, kSineWave2, kSineWave3, kPinnedWave,
            kSineWave4, kSineWave5, kCount
        };
    };
    struct Parts {
        enum { kBody, kUpperJaw, kLowerJaw, kDorsal, kKeel, kPectoral, kPelvic, kAnal, kTail, kEye, kCount };
    };

    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(Steps::kReverseRampToggle, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(Steps::kReverseRamp, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }
    void ComputePinnedWave(float* out, int n) { ComputePlanStep(Steps::kPinnedWave, out, n); }
    void ComputeSineWave4(float* out, int n) { ComputePlanStep(Steps::kSineWave4, out, n); }
    void ComputeSineWave5(float* out, int n) { ComputePlanStep(Steps::kSineWave5, out, n); }
    using CFishModel::ComputeBendToHeading;

    // The template's pitch turn under the class's name.
    void Turn(float step, bool up, int mode) { TurnPitch(step, up, mode); }

    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kKeel, f); }  // low keel behind the dorsal
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
};
