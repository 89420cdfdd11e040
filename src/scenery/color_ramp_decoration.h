// Colour-ramp decoration: an object that only holds colour-layer lists. The
// set-up initialises it with the sea anemone's Init; nothing draws it.
#pragma once
#include "scenery/color_layer_holder.h"

class CColorRampDecoration : public CColorLayerHolder {
public:
    CColorRampDecoration();
    virtual ~CColorRampDecoration() = default;

    int m_nScale[3] = {50, 50, 50};  // not read
    float m_fPlacement[6] = {};      // written by the set-up, passed to Init
};
