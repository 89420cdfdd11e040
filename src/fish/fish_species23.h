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

    // The mesh parts in drawing order (the description's parts carry these names).
    struct Parts {
        enum {
            kBody, kUpperJaw, kLowerJaw, kSpinyDorsal, kSoftDorsal, kPectoral, kPectoralTwin,
            kPelvic, kPelvicTwin, kAnal, kTail, kEye, kEyeTwin, kCount
        };
    };

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart3(const FishFrame& f) { DrawPartAt(Parts::kSpinyDorsal, f); }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kSoftDorsal, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kPelvic, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kPelvicTwin, f); }
    void DrawPart9(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart10(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart11(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart12(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
};
