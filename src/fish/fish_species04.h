// Species 4, the oscar: the fish template (fish_model.h) with the description
// in fish_species04.cpp. An 18-segment body whose tail waves, a mouth that
// pumps with the stroke flag (every 22nd frame), paired fins, a long dorsal
// and anal fin turned with the rear segments, a round tail and drifting eyes.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies04;

class CFishSpecies04 : public CFishModel {
public:
    CFishSpecies04() : CFishModel(kFishSpecies04) {}

    // Updates and draws the fish. Mode 4 stretches it along x, cuts the
    // pelvic fins short and reshapes the dorsal and tail edges; mode 3
    // reshapes the tail edge; other modes draw as mode 0.
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    // kTemplateSineWave is the template's ComputeSineWave on block 3.
    struct Steps {
        enum {
            kBend, kBodyWave, kReverseRamp, kRampToggle, kTemplateSineWave, kPinnedWave, kGrowingWave, kSineWave,
            kSineWave2, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kLowerJaw, kUpperJaw, kDorsal, kPectoral, kPectoralTwin, kPelvic, kPelvicTwin, kAnal, kTail, kEye,
            kEyeTwin, kCount
        };
    };

    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(Steps::kReverseRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }
    void ComputePinnedWave(float* out, int n) { ComputePlanStep(Steps::kPinnedWave, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart4Mirror(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart5Mirror(const FishFrame& f) { DrawPartAt(Parts::kPelvicTwin, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
};
