// Species 22, the dwarf gourami: the fish template (fish_model.h) with the
// description in fish_species22.cpp. Its swim style draws no random number,
// and its Draw sends the anal fin twice.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies22;

class CFishSpecies22 : public CFishModel {
public:
    CFishSpecies22() : CFishModel(kFishSpecies22) {}

    // Updates and draws the fish.
    void Draw() { DrawFrame(0); }

    // The generators in the order Draw calls them (kTemplateSineWave is the
    // template's CFishModel::ComputeSineWave on the sine-5 block) and the mesh
    // parts in drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kBend, kBodyWave, kRamp, kRampToggle, kTemplateSineWave, kSineWave, kSineWave2, kGrowingWave,
            kSineWave3, kSineWave4, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kUpperJaw, kLowerJaw, kSpinyDorsal, kSoftDorsal, kPectoral, kPectoralTwin, kFeeler, kFeelerTwin,
            kAnal, kTailStalk, kTail, kPupil, kEyeRing, kPupilTwin, kEyeRingTwin, kAnalAgain, kCount
        };
    };

    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }
    void ComputeSineWave4(float* out, int n) { ComputePlanStep(Steps::kSineWave4, out, n); }

    // The mesh parts; Draw sends them all, and the anal fin once more last.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kSpinyDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kSoftDorsal, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kFeeler, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kFeelerTwin, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart10(const FishFrame& f)
    {
        DrawPartAt(Parts::kTailStalk, f);
        DrawPartAt(Parts::kTail, f);
    }
    void DrawPart11(const FishFrame& f)
    {
        DrawPartAt(Parts::kPupil, f);
        DrawPartAt(Parts::kEyeRing, f);
    }
    void DrawPart12(const FishFrame& f)
    {
        DrawPartAt(Parts::kPupilTwin, f);
        DrawPartAt(Parts::kEyeRingTwin, f);
    }
};
