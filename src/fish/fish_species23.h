// Species 23, the clownfish: the reference fish class. Everything it does is
// the template's (fish_model.h) with the description in fish_species23.cpp.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies23;

class CFishSpecies23 : public CFishModel {
public:
    CFishSpecies23() : CFishModel(kFishSpecies23) {}

    // Updates and draws the fish; variants 5 to 8 scale it and leave parts out.
    void Draw(int variant) { DrawFrame(variant); }

    // The mesh parts, in drawing order; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }    // upper jaw
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }    // lower jaw
    void DrawPart3(const FishFrame& f) { DrawPartAt(3, f); }    // spiny dorsal fin
    void DrawPart4(const FishFrame& f) { DrawPartAt(4, f); }    // soft dorsal fin
    void DrawPart5(const FishFrame& f) { DrawPartAt(5, f); }    // pectoral fins
    void DrawPart6(const FishFrame& f) { DrawPartAt(6, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(7, f); }    // pelvic fins
    void DrawPart8(const FishFrame& f) { DrawPartAt(8, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(9, f); }    // anal fin
    void DrawPart10(const FishFrame& f) { DrawPartAt(10, f); }  // tail
    void DrawPart11(const FishFrame& f) { DrawPartAt(11, f); }  // eyes
    void DrawPart12(const FishFrame& f) { DrawPartAt(12, f); }
};
