// Species 11, the cuckoo catfish: the fish template (fish_model.h) with the
// description in fish_species11.cpp. It never wanders, drifts or tilts: its
// course changes only at the walls of its swim box.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies11;

class CFishSpecies11 : public CFishModel {
public:
    CFishSpecies11() : CFishModel(kFishSpecies11) {}

    // Updates and draws the fish; every mode draws the same (the fish pass passes 0).
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them (both ramps run twice),
    // and the mesh parts in drawing order (the description's plan and parts
    // carry these names).
    struct Steps {
        enum {
            kRamp, kRampToggle, kBend, kBodyWave, kSineWave, kSineWave2, kSineWave5, kSineWave3, kSineWave4,
            kRampAgain, kRampToggleAgain, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kUpperJaw, kLowerJaw, kDorsal, kPectoral, kPelvic, kAdipose, kTail, kEye, kBarbel, kChinBarbel,
            kCount
        };
    };

    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeSineWave5(float* out, int n) { ComputePlanStep(Steps::kSineWave5, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }
    void ComputeSineWave4(float* out, int n) { ComputePlanStep(Steps::kSineWave4, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kAdipose, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kBarbel, f); }        // upper-jaw barbels
    void DrawPart10(const FishFrame& f) { DrawPartAt(Parts::kChinBarbel, f); }
};
