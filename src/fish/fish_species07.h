// Species 7, the zebra danio: the fish template (fish_model.h) with the
// description in fish_species07.cpp. Its own: no drift, generators that
// multiply by the size themselves, a bend over 12 of its 15 segments, a
// jaw that opens with the stroke, barbels that sway with it, and draw
// variants 3 and 4 (a shorter, slimmer fish with six parts).
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies07;

class CFishSpecies07 : public CFishModel {
public:
    CFishSpecies07() : CFishModel(kFishSpecies07) {}

    // Updates and draws the fish; variants 3 and 4 draw it narrowed with six
    // parts, variants other than 0, 1, 3 and 4 draw nothing (the fish pass
    // passes 0).
    void Draw(int variant) { DrawFrame(variant); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kReverseRampToggle, kReverseRamp, kBend, kBodyWave, kSineWave, kGrowingWave, kGrowingWave2,
            kSineWave2, kSineWave3, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kUpperJaw, kLowerJaw, kDorsal, kPectoral, kPelvic, kAnal, kTail, kEye, kRostralBarbel,
            kMaxillaryBarbel, kMaxillaryBarbelTip, kCount
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

    // The pitch turn (the template's).
    void Turn(float step, bool up, int mode) { TurnPitch(step, up, mode); }

    // The mesh parts, in the order Draw sends them.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kRostralBarbel, f); }
    void DrawPart10(const FishFrame& f) { DrawPartAt(Parts::kMaxillaryBarbel, f); }
    void DrawPart11(const FishFrame& f) { DrawPartAt(Parts::kMaxillaryBarbelTip, f); }
};
