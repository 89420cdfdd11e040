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

    // The generators, in the order Draw calls them.
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(0, out, n); }
    void ComputeSineWaveByMode(float* out, int n) { ComputePlanStep(1, out, n); }

    // The mesh parts, in drawing order; Draw sends them all in variant 0.
    void DrawBody(const FishFrame& f)  // the patch (not in variants 3 and 4), then the disc
    {
        if (m_nDrawVariant != 3 && m_nDrawVariant != 4)
            DrawPartAt(0, f);
        DrawPartAt(1, f);
    }
    void DrawPart1(const FishFrame& f) { DrawPartAt(2, f); }  // tail
    void DrawPart2(const FishFrame& f) { DrawPartAt(3, f); }  // spine keel
    void DrawPart3(const FishFrame& f) { DrawPartAt(4, f); }  // front lobes
    void DrawPart3Mirror(const FishFrame& f) { DrawPartAt(5, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(6, f); }  // eyes
    void DrawPart4Mirror(const FishFrame& f) { DrawPartAt(7, f); }
};
