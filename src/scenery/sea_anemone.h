// Sea anemone: three fans of 180 thin stalks each, fanned out around the
// upright axis and swaying at their tips. Its Init (the colour-layer
// holder's) also sets up the colour-ramp decoration.
#pragma once
#include "scenery/color_layer_holder.h"
#include "scenery/plant_emitter.h"

constexpr int kAnemoneStalkLengths = 360;

// The sway every anemone shares: one phase and its call counter.
struct AnemoneSway {
    float m_fPhase = 0.0f;
    int m_nCounter = 0;
};
extern AnemoneSway g_AnemoneSway;

class CSeaAnemone : public CColorLayerHolder, public CBendEmitter {
public:
    // Draws the 360 stalk lengths.
    CSeaAnemone();
    virtual ~CSeaAnemone() = default;

    // The three fans; m_fParam[0..2] are the size factors.
    void Draw();
    // Four ring offsets, tip to base (the last 0); n is not used.
    void ComputeSway(float* out, int n);
    // One stalk, each ring k moved by offsets[k] along y and z and turned by
    // bends[k] degrees about z; the angle is not used.
    void DrawStalk(const float* offsets, const float* bends, int angle);

    int m_nMeshScale[3] = {10, 10, 10};
    float m_fStalkLength[kAnemoneStalkLengths] = {};  // 0 to 0.099
    float m_fPlacement[6] = {};                       // written by the set-up, passed to Init

private:
    // Table units to model units: the mesh scale times the size factors.
    void StalkScale(float out[3]) const;
};
