// Species 2, the fancy guppy: the fish template (fish_model.h) with the
// description in fish_species02.cpp. Its own: a long run of 26 bend
// segments, a tall trailing dorsal fin and a great fan of a tail that some
// draw variants repeat round the body's axis or swap for its twin.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies02;

class CFishSpecies02 : public CFishModel {
public:
    CFishSpecies02() : CFishModel(kFishSpecies02) {}

    // Updates and draws the fish; variants 3, 4, 5 and 7 change what is
    // drawn, any other value draws as 0 (the fish pass passes 0).
    void Draw(int variant) { DrawFrame(variant); }

    // The generators in the order Draw calls them, and the mesh parts (the
    // description's plan and parts carry these names; the fish pass draws the
    // parts through Draw's programs).
    struct Steps {
        enum { kBend, kBodyWave, kSineWave, kSineWave2, kGrowingWave, kSineWave3, kReverseRamp, kRampToggle, kCount };
    };
    struct Parts {
        enum {
            kBody, kDorsal, kRearDorsal, kJaw, kBrow, kPectoral, kPectoralTwin, kPelvic, kPelvicTwin, kTailTwin,
            kTail, kEye, kEyeTwin, kCount
        };
    };

    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(Steps::kSineWave3, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(Steps::kReverseRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }

    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kRearDorsal, f); }  // stretched in variants 5 and 7
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kJaw, f); }         // lower snout, the mouth
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kBrow, f); }        // upper snout
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kPelvicTwin, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kTailTwin, f); }  // variants 5 and 7
    void DrawPart10(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart11(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart12(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
};
