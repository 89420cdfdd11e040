// Species 16, the figure-eight puffer: the fish template (fish_model.h) with
// the description in fish_species16.cpp. The whole fish turns with the first
// bend angle; the tail stalk sways, the fins flutter. It draws nothing but
// empty strips once m_bAlive is clear.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies16;

class CFishSpecies16 : public CFishModel {
public:
    CFishSpecies16() : CFishModel(kFishSpecies16) {}

    // Updates and draws the fish; mode 1 also stretches the tail's edge.
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kBend, kBodyWave, kPectoralWave, kSineWave, kAnalWave, kSineWave2, kCount };
    };
    struct Parts {
        enum { kBody, kHead, kMouth, kPectorals, kDorsal, kAnal, kTail, kEyes, kCount };
    };

    // Block 0's body wave (the tail stalk), block 3's wave (the pectoral
    // fins), block 6's (the dorsal fin), block 8's (the anal fin) and block
    // 10's (the tail's edge).
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputePectoralWave(float* out, int n) { ComputePlanStep(Steps::kPectoralWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeAnalWave(float* out, int n) { ComputePlanStep(Steps::kAnalWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kHead, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kMouth, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kPectorals, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kDorsal, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kEyes, f); }
};
