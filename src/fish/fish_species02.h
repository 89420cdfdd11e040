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
    void Draw(int variant) { DrawFrame(variant >= 0 && variant < 32 ? variant : 0); }

    // The generators, in the order Draw calls them (the class's plan); the
    // bend is the template's ComputeBendToHeading.
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(1, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(2, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(3, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(4, out, n); }
    void ComputeSineWave3(float* out, int n) { ComputePlanStep(5, out, n); }
    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(6, out, n); }
    void ComputeRampToggle(float* out, int n) { ComputePlanStep(7, out, n); }

    // The mesh parts (the fish pass draws them through Draw's programs).
    void DrawBody(const FishFrame& f) { DrawPartAt(0, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(1, f); }    // dorsal fin
    void DrawPart2(const FishFrame& f) { DrawPartAt(2, f); }    // its rear columns, stretched (variants 5 and 7)
    void DrawPart3(const FishFrame& f) { DrawPartAt(3, f); }    // lower snout, the mouth
    void DrawPart4(const FishFrame& f) { DrawPartAt(4, f); }    // upper snout
    void DrawPart5(const FishFrame& f) { DrawPartAt(5, f); }    // pectoral fins
    void DrawPart6(const FishFrame& f) { DrawPartAt(6, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(7, f); }    // pelvic fins
    void DrawPart8(const FishFrame& f) { DrawPartAt(8, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(9, f); }    // the tail's twin (variants 5 and 7)
    void DrawPart10(const FishFrame& f) { DrawPartAt(10, f); }  // tail
    void DrawPart11(const FishFrame& f) { DrawPartAt(11, f); }  // eyes
    void DrawPart12(const FishFrame& f) { DrawPartAt(12, f); }
};
