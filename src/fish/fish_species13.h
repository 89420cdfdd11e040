// Species 13, the clown loach: the fish template (fish_model.h) with the
// description in fish_species13.cpp. The body bends column by column; the
// head parts turn with the first bend angle, the paired fins with the fifth,
// the tail with the nineteenth. It draws only empty strips once m_bAlive is
// clear.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies13;

class CFishSpecies13 : public CFishModel {
public:
    CFishSpecies13() : CFishModel(kFishSpecies13) {}

    // Updates and draws the fish; mode 2 pulls the tail's edge in toward its
    // fork, every other mode draws as 0.
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kRamp, kRampToggle, kBend, kBodyWave, kSine5, kSine7, kSine9, kSineWave, kCount };
    };
    struct Parts {
        enum { kBody, kUpperJaw, kLowerJaw, kDorsal, kKeel, kPectorals, kPelvics, kAnal, kTail, kEyes, kCount };
    };

    // The mouth's ramps (block 1: slope and toggle counter), the body wave
    // (block 0) and block 10's sine for the tail's edge.
    void ComputeRamp(float* out, int n) { ComputePlanStep(Steps::kRamp, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(Steps::kRampToggle, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }  // and the barbels
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kKeel, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPectorals, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPelvics, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kEyes, f); }
};
