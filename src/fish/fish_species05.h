// Species 5, the blue ram: the fish template (fish_model.h) with the
// description in fish_species05.cpp. Its own: no drift, ramps of constant
// slope for the two head pieces, one stroke toggle counted over every fish
// of the class, a dorsal fin whose columns follow the body between two
// segment means, and eyes that twitch now and then.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies05;

class CFishSpecies05 : public CFishModel {
public:
    CFishSpecies05() : CFishModel(kFishSpecies05) {}

    // Updates and draws the fish.
    void Draw() { DrawFrame(0); }

    // The calls of the stroke toggle, counted over every fish of the class
    // for the whole run: the 102nd call flips the stroke of the fish making it.
    inline static int s_nToggleCalls = 0;

    // An eye's twitch: one rand() (a twitch when it is a multiple of 40),
    // then two more for the shift in x and y. True when it twitches.
    bool EyeTwitch(float& dx, float& dy) const;

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kBend, kBodyWave, kSineWave, kReverseGrowingWave, kGrowingWave, kRamp, kRampToggle, kCount };
    };
    struct Parts {
        enum {
            kBody, kLowerHead, kUpperHead, kDorsal, kPectoral, kPectoralTwin, kPelvic, kPelvicTwin, kAnal, kTail,
            kEye, kEyeTwin, kCount
        };
    };

    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeReverseGrowingWave(float* out, int n) { ComputePlanStep(Steps::kReverseGrowingWave, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kLowerHead, f); }  // lower head front
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kUpperHead, f); }  // upper head front
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kPelvicTwin, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart10(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart11(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
};
