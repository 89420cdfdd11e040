// Species 15, the betta: the fish template (fish_model.h) with the
// description in fish_species15.cpp. Its own: a body that turns column by
// column with only its last four columns waving, a dorsal, pectoral and
// pelvic fins that each keep one bend angle, an anal fin turned column by
// column, and draw modes 1 and 2 that reshape the dorsal and the tail and
// add line copies of the dorsal and the anal fin. It draws nothing but
// empty strips once m_bAlive is clear.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies15;

class CFishSpecies15 : public CFishModel {
public:
    CFishSpecies15() : CFishModel(kFishSpecies15) {}

    // Updates and draws the fish; modes 1 and 2 change the dorsal, the anal
    // fin and the tail (the fish pass passes 0).
    void Draw(int mode) { DrawFrame(mode); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kBend, kSpareWave, kBodyWave, kSineWave2, kPectoralWave, kSineWave, kAnalWave, kTailWave, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kLowerJaw, kHead, kDorsal, kDorsalLines, kPectorals, kPelvics, kAnal, kAnalLines, kTail,
            kTailRaised, kTailLowered, kTailFlipped, kTailOutline, kEyes, kCount
        };
    };

    // Block 5's wave (read by no part), block 0's body wave, block 3's (the
    // dorsal's edge), block 4's (the pectorals'), block 6's (the pelvics'),
    // block 8's (the anal fin's) and block 9's (the tail's edge).
    void ComputeSpareWave(float* out, int n) { ComputePlanStep(Steps::kSpareWave, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }
    void ComputePectoralWave(float* out, int n) { ComputePlanStep(Steps::kPectoralWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeAnalWave(float* out, int n) { ComputePlanStep(Steps::kAnalWave, out, n); }
    void ComputeTailWave(float* out, int n) { ComputePlanStep(Steps::kTailWave, out, n); }

    // The mesh parts; each draws what the current mode shows of it.
    void DrawBody(const FishFrame& f) { DrawShown(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawShown(Parts::kLowerJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawShown(Parts::kHead, f); }
    void DrawPart3(const FishFrame& f)
    {
        DrawShown(Parts::kDorsal, f);
        DrawShown(Parts::kDorsalLines, f);
    }
    void DrawPart4(const FishFrame& f) { DrawShown(Parts::kPectorals, f); }
    void DrawPart5(const FishFrame& f) { DrawShown(Parts::kPelvics, f); }
    void DrawPart6(const FishFrame& f)
    {
        DrawShown(Parts::kAnal, f);
        DrawShown(Parts::kAnalLines, f);
    }
    void DrawPart7(const FishFrame& f);
    void DrawPart8(const FishFrame& f) { DrawShown(Parts::kEyes, f); }

private:
    void DrawShown(int part, const FishFrame& f)
    {
        if (!HiddenInVariant(Class().parts[part], m_nDrawVariant))
            DrawPartAt(part, f);
    }
};
