// Species 17, the neon tetra: the fish template (fish_model.h) with the
// description in fish_species17.cpp. Its own: a snout whose upper and lower
// halves part while the stroke flag is clear (the flag flips every 52
// frames), two pairs of fins that flap on sines of their own, a back fin
// sent twice, and a belly fin and tail that follow the bend and the body wave.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies17;

class CFishSpecies17 : public CFishModel {
public:
    CFishSpecies17() : CFishModel(kFishSpecies17) {}

    // Updates and draws the fish; the mode is kept and changes nothing else.
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kRamp, kRampToggle, kBend, kBodyWave, kSineWave, kSineWave2, kCount };
    };
    struct Parts {
        enum { kBody, kUpperSnout, kLowerSnout, kDorsal, kDorsalAgain, kPectoral, kPelvic, kAnal, kTail, kEyes, kCount };
    };

    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }

    using CFishModel::SetSwimStyle;
    void SetSwimStyle(float speed, bool stroke) { CFishModel::SetSwimStyle(speed, 0.0f, 0.0f, stroke); }

    // The mesh parts; Draw sends them all, the back fin twice.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperSnout, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerSnout, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kEyes, f); }
};
