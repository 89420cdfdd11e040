// Species 21, the clown knifefish: the fish template (fish_model.h) with the
// description in fish_species21.cpp. Its own: a bend of 16 segments, eight
// wave arrays a frame (a body wave on its rear segments, a wave along the
// tail's edge pinned at its lowest and highest points, a fin sine, two
// growing waves and the jaws' two ramps), fins whose columns turn in pairs,
// and eyes that drift.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies21;

class CFishSpecies21 : public CFishModel {
public:
    CFishSpecies21() : CFishModel(kFishSpecies21) {}

    // Updates and draws the fish; the class has no draw variants.
    void Draw() { DrawFrame(0); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kBend, kBodyWave, kPinnedWave, kSineWave, kGrowingWave, kGrowingWave2, kRamp, kRampToggle, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kUpperJaw, kLowerJaw, kDorsal, kDorsalFold, kBackFold, kPectoral, kPectoralTwin, kPelvic,
            kPelvicTwin, kAnalFront, kAnal, kTail, kEye, kEyeTwin, kCount
        };
    };

    void ComputeBendToHeading(float* out, int n, float target) { CFishModel::ComputeBendToHeading(out, n, target); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputePinnedWave(float* out, int n) { ComputePlanStep(Steps::kPinnedWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeGrowingWave2(float* out, int n) { ComputePlanStep(Steps::kGrowingWave2, out, n); }
    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }

    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kDorsalFold, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kBackFold, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kPelvicTwin, f); }
    void DrawPart10(const FishFrame& f) { DrawPartAt(Parts::kAnalFront, f); }
    void DrawPart11(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart12(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart13(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart14(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
};
