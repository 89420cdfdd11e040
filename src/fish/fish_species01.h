// Species 1, the bristlenose pleco: the fish template (fish_model.h) with the
// description in fish_species01.cpp. It never wanders: its course changes
// only at the walls of its swim box. Its eyes roll with the drift.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies01;

class CFishSpecies01 : public CFishModel {
public:
    CFishSpecies01() : CFishModel(kFishSpecies01) {}

    // Updates and draws the fish; modes 4 to 6 scale it and leave parts out,
    // modes past 6 (or below 0) draw nothing but still move it.
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kBend, kBodyWave, kReverseRamp, kReverseRampToggle, kSineWave4, kSineWave, kSineWave5, kGrowingWave,
            kSineWave2, kSineWave6, kSineWave3, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kSnoutUnder, kSnoutTop, kDorsal, kAnal, kPectoral, kPectoralTwin, kPectoralSpine,
            kPectoralSpineTwin, kPelvic, kAdipose, kTail, kEye, kEyeTwin, kCount
        };
    };

    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(Steps::kReverseRamp, out, n); }
    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(Steps::kReverseRampToggle, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }
    void ComputeSineWave4(float* out, int n) { ComputePlanStep(Steps::kSineWave4, out, n); }
    void ComputeSineWave5(float* out, int n) { ComputePlanStep(Steps::kSineWave5, out, n); }
    void ComputeSineWave6(float* out, int n) { ComputePlanStep(Steps::kSineWave6, out, n); }

    // The mesh parts; Draw sends them in this order.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kSnoutUnder, f); }   // the sucker mouth's side
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kSnoutTop, f); }     // the bristled snout
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kPectoralSpine, f); }
    void DrawPart7Mirror(const FishFrame& f) { DrawPartAt(Parts::kPectoralSpineTwin, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kAdipose, f); }
    void DrawPart10(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart11(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart11Mirror(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
};
