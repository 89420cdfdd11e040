// Species 20, the ocellate river stingray: the fish template (fish_model.h)
// with the description in fish_species20.cpp. Its own: two generators (a
// growing wave that ripples the disc's rim, a sine wave by draw variant that
// waves the tail), a rigid disc with a tail bent column by column, and draw
// variants 3, 4 and 5.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies20;

class CFishSpecies20 : public CFishModel {
public:
    CFishSpecies20() : CFishModel(kFishSpecies20) {}

    // Updates and draws the fish; variants 3, 4 and 5 draw fewer parts, any
    // variant but 0, 3, 4 and 5 none (the fish pass passes 0).
    void Draw(int variant) { DrawFrame(variant); }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum { kGrowingWave, kSineWaveByMode, kBend, kCount };
    };
    struct Parts {
        enum { kCap, kBody, kTail, kKeel, kLobe, kLobeTwin, kEye, kEyeTwin, kCount };
    };

    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeSineWaveByMode(float* out, int n) { ComputePlanStep(Steps::kSineWaveByMode, out, n); }

    // The mesh parts; Draw sends them all in variant 0.
    void DrawBody(const FishFrame& f)  // the cap (not in variants 3 and 4), then the disc
    {
        if (m_nDrawVariant != 3 && m_nDrawVariant != 4)
            DrawPartAt(Parts::kCap, f);
        DrawPartAt(Parts::kBody, f);
    }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kKeel, f); }  // spine keel
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kLobe, f); }  // front lobes
    void DrawPart3Mirror(const FishFrame& f) { DrawPartAt(Parts::kLobeTwin, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart4Mirror(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
};
