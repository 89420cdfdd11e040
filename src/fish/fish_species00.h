// Species 0, the telescope-eye goldfish: the fish template (fish_model.h)
// with the description in fish_species00.cpp. Its own: Draw takes the mouse
// position (and reads nothing of it), the body turns as one piece and its
// segments settle slowly after a turn, the mouth opens and shuts with the
// stroke, and the eyes drift on their stalks.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies00;

class CFishSpecies00 : public CFishModel {
public:
    CFishSpecies00() : CFishModel(kFishSpecies00) {}

    // Updates and draws the fish; the fish pass hands over the mouse position.
    void Draw(int, int) { DrawFrame(0); }
    void Move(int, int) { CFishModel::Move(); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kBend, kBodyWave, kGrowingWave2, kSineWave3, kGrowingWave, kSineWave2, kSineWave, kRamp, kRampToggle,
            kCount
        };
    };
    struct Parts {
        enum {
            kBody, kLowerJaw, kUpperJaw, kEye, kEyeTwin, kDorsal, kPectoral, kPectoralTwin, kPelvic, kPelvicTwin,
            kAnal, kAnalTwin, kTail, kTailTwin, kCount
        };
    };

    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeGrowingWave2(float* out, int n) { ComputePlanStep(Steps::kGrowingWave2, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kPelvicTwin, f); }
    void DrawPart10(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart11(const FishFrame& f) { DrawPartAt(Parts::kAnalTwin, f); }
    void DrawPart12(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart13(const FishFrame& f) { DrawPartAt(Parts::kTailTwin, f); }
};
