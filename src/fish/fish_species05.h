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

    // The generators, in the order Draw calls them (the class's plan).
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(1, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(2, out, n); }
    void ComputeReverseGrowingWave(float* out, int n) { ComputePlanStep(3, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(4, out, n); }
    void ComputeRamp(float* out, int n) { ComputePlanStep(5, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(6, out, n); }

    // The mesh parts, in drawing order; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }    // lower head front
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }    // upper head front
    void DrawPart3(const FishFrame& f) { DrawPartAt(3, f); }    // dorsal fin
    void DrawPart4(const FishFrame& f) { DrawPartAt(4, f); }    // pectoral fins
    void DrawPart5(const FishFrame& f) { DrawPartAt(5, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(6, f); }    // pelvic fins
    void DrawPart7(const FishFrame& f) { DrawPartAt(7, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(8, f); }    // anal fin
    void DrawPart9(const FishFrame& f) { DrawPartAt(9, f); }    // tail
    void DrawPart10(const FishFrame& f) { DrawPartAt(10, f); }  // eyes
    void DrawPart11(const FishFrame& f) { DrawPartAt(11, f); }
};
