// Species 3, the angelfish: the fish template (fish_model.h) with the
// description in fish_species03.cpp. Its own: the wall state cleared with the
// swim box, reverse ramps and growing waves, a dorsal fin of two sections in
// one table, paired parts sharing one table, and draw variants 3 and 4.
#pragma once
#include "fish/fish_model.h"

extern const FishClass kFishSpecies03;

class CFishSpecies03 : public CFishModel {
public:
    CFishSpecies03() : CFishModel(kFishSpecies03) {}

    // Updates and draws the fish; variants 3 and 4 scale it and change parts
    // (the fish pass passes 0).
    void Draw(int variant) { DrawFrame(variant); }

    void SetSwimBox(float xMin, float xMax, float yTop, float yBottom, float zLimit, float z6)
    {
        m_nWallState = 0;
        CFishModel::SetSwimBox(xMin, xMax, yTop, yBottom, zLimit, z6);
    }

    // The generators in the order Draw calls them, and the mesh parts in
    // drawing order (the description's plan and parts carry these names).
    struct Steps {
        enum {
            kReverseRamp, kReverseRampToggle, kBend, kBodyWave, kGrowingWave, kSineWave, kGrowingWave2,
            kGrowingWave3, kSineWave2, kCount
        };
    };
    struct Parts {
        enum {
            kBody, kLowerJaw, kUpperJaw, kDorsal, kDorsalLobe, kPectoral, kPectoralTwin, kVentral, kVentralTwin,
            kAnal, kTail, kEye, kEyeTwin, kCount
        };
    };

    void ComputeReverseRamp(float* out, int n) { ComputePlanStep(Steps::kReverseRamp, out, n); }
    void ComputeReverseRampToggle(float* out, int n) { ComputePlanStep(Steps::kReverseRampToggle, out, n); }
    void ComputeBodyWave(float* out, int n) { ComputePlanStep(Steps::kBodyWave, out, n); }
    void ComputeGrowingWave(float* out, int n) { ComputePlanStep(Steps::kGrowingWave, out, n); }
    void ComputeSineWave(float* out, int n) { ComputePlanStep(Steps::kSineWave, out, n); }
    void ComputeGrowingWave2(float* out, int n) { ComputePlanStep(Steps::kGrowingWave2, out, n); }
    void ComputeGrowingWave3(float* out, int n) { ComputePlanStep(Steps::kGrowingWave3, out, n); }
    void ComputeSineWave2(float* out, int n) { ComputePlanStep(Steps::kSineWave2, out, n); }

    // The mesh parts; Draw sends them all.
    void DrawBody(const FishFrame& f) { DrawPartAt(Parts::kBody, f); }
    void DrawPart1(const FishFrame& f) { DrawPartAt(Parts::kLowerJaw, f); }
    void DrawPart2(const FishFrame& f) { DrawPartAt(Parts::kUpperJaw, f); }
    void DrawPart3(const FishFrame& f)  // the dorsal fin and its trailing lobe
    {
        DrawPartAt(Parts::kDorsal, f);
        DrawPartAt(Parts::kDorsalLobe, f);
    }
    void DrawPart4(const FishFrame& f) { DrawPartAt(Parts::kPectoral, f); }
    void DrawPart4Mirror(const FishFrame& f) { DrawPartAt(Parts::kPectoralTwin, f); }
    void DrawPart5(const FishFrame& f) { DrawPartAt(Parts::kVentral, f); }  // ventral filaments
    void DrawPart5Mirror(const FishFrame& f) { DrawPartAt(Parts::kVentralTwin, f); }
    void DrawPart6(const FishFrame& f) { DrawPartAt(Parts::kAnal, f); }
    void DrawPart7(const FishFrame& f) { DrawPartAt(Parts::kTail, f); }
    void DrawPart8(const FishFrame& f) { DrawPartAt(Parts::kEye, f); }
    void DrawPart8Mirror(const FishFrame& f) { DrawPartAt(Parts::kEyeTwin, f); }
};
