// Sway plant D, the plant of kind 4: it keeps a sway angle and a sway wave
// and walks through its leaves, stem and tip segment by segment, but its
// segments draw nothing, so the kind is invisible.
#pragma once
#include "scenery/mesh_scale_plant.h"

class CSwayPlantD : public CMeshScalePlant {
public:
    CSwayPlantD();

    // Turns the caller's matrix -90 degrees about x (the caller pops it),
    // moves the shared angle and the sway; placement 1 the leaves, 2 the
    // stem, 0 the tip.
    void Draw(int placement);
    // 16 segments after four colour layers; 2; 10.
    void DrawLeaves(const float* bend, const float* sway);
    void DrawStem(const float* bend, const float* sway);
    void DrawTip(const float* bend, const float* sway);
    // One segment: draws nothing.
    void DrawSegment(const float* bend, const float* sway);
    // out[i] = sin(i x step + phase) x 0.02; the phase moves on every third call.
    void ComputeSway(float* out, int n);
    // out[j] = (n - j) x angle / n, the root most; with n = 7 the last two are 0.
    static void ComputeBend(float* out, int n, float angle);

    // Shared by every sway plant D.
    static CSharedSwayAngle s_swayAngle;

private:
    void DrawSegments(int count, const float* bend, const float* sway);
};
