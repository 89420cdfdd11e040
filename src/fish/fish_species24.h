// Species 24, the peacock bass: the fish template (fish_model.h) with the
// description in fish_species24.cpp. A large, fast fish at birth (size 7,
// speed 0.2) whose target pitch stays a whole number of degrees; its heading
// turn draws twice, its speed approach and swim style change nothing, every
// wave is multiplied by its size, and it has no drift and no draw variants.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies24;

class CFishSpecies24 : public CFishModel {
public:
    CFishSpecies24() : CFishModel(kFishSpecies24) {}

    // Updates and draws the fish.
    void Draw() { DrawFrame(0); }

    // The target pitch in whole degrees (kept in m_fPitch).
    int WholePitch() const { return static_cast<int>(m_fPitch); }

    // The generators in the order Draw calls them, sine A twice, and the mesh
    // parts in drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kReverseRampToggle, kReverseRamp, kBend, kBodyWave, kSineA, kSineAAgain, kSineB, kSineC, kSineD, kSineE,
            kCount
        };
    };
    struct Parts {
        enum { kBody, kUpperJaw, kLowerJaw, kSpinyDorsal, kSoftDorsal, kPectoral, kPelvic, kAnal, kTail, kEye, kCount };
    };

    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(Steps::kReverseRampToggle, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(Steps::kReverseRamp, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineA, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineB, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineC, out, n); }
    void ComputeSineWave4(float* out, int n) { ComputePlanStep(Steps::kSineD, out, n); }
    void ComputeSineWave5(float* out, int n) { ComputePlanStep(Steps::kSineE, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kSpinyDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kSoftDorsal, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
};
