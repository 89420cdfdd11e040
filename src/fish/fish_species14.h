// Species 14, the kuhli loach: the fish template (fish_model.h) with the
// description in fish_species14.cpp. A long body of 20 segments, each column
// turned by its own bend angle; a head with its barbels, mirrored inside
// each of its strips; a pair of small pelvic fins fluttering with a folded
// wave; a rounded tail. No ramps, no drift; once m_bAlive is clear every
// strip is opened and closed empty.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies14;

class CFishSpecies14 : public CFishModel {
public:
    CFishSpecies14() : CFishModel(kFishSpecies14) {}

    // Updates and draws the fish; the mode is kept and changes nothing else.
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kBend, kBodyWave, kMirroredWave, kSineWave, kCount };
    };
    struct Parts {
        enum { kBody, kHead, kPelvics, kTail, kCount };
    };

    // Block 0's body wave (still for the first five segments), block 3's
    // folded wave (13 entries, symmetric about entry 6) and block 9's sine.
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeMirroredWave(float* out, int n) { ComputePlanStep(Steps::kMirroredWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }

    // The mesh parts, in the order Draw sends them.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kHead, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kPelvics, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
};
