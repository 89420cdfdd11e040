// Species 8, the firemouth cichlid: the fish template (fish_model.h) with the
// description in fish_species08.cpp. Its own: no drift, generators that
// multiply by the size themselves (in double precision), a bend over 14 of
// its 15 segments, a swim style of its own for the pectoral wave, and fins
// that follow the body by the bend and sway of chosen segments.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies08;

class CFishSpecies08 : public CFishModel {
public:
    CFishSpecies08() : CFishModel(kFishSpecies08) {}

    // Updates and draws the fish.
    void Draw() { DrawFrame(0); }

    // The generators in the order Draw calls them (the sine wave runs twice
    // on one oscillator), and the mesh parts in drawing order.
    struct Steps {
        enum {
            kReverseRampToggle, kReverseRamp, kBend, kBodyWave, kSineWave, kSineWaveAgain, kGrowingWave,
            kGrowingWave2, kSineWave2, kSineWave3, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kUpperJaw, kLowerJaw, kSpinyDorsal, kSoftDorsal, kPectoral, kPelvic, kAnal, kTail, kEye, kCount
        };
    };

    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(Steps::kReverseRampToggle, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(Steps::kReverseRamp, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeGrowingWave2(float* out, int n) { ComputePlanStep(Steps::kGrowingWave2, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }

    // The pitch turn, as the template's.
    void Turn(float step, bool up, int mode) { TurnPitch(step, up, mode); }

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
