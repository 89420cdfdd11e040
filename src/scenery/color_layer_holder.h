// The head that the sea anemone, the strand plant and the colour-ramp
// decoration share: six values the set-up passes in, and the names of the
// object's own list and of its three colour-layer lists (color_layers.h).
// Its Init is the sea anemone's Init, which also serves the decoration.
#pragma once
#include <GL/glew.h>

class CColorLayerHolder {
public:
    // Stores the six values, then the list names in order: no list of its
    // own (GetExtraList), the ramp, the layer and the second layer list.
    void Init(float p0, float p1, float p2, float p3, float p4, float p5);
    // Init with the six values of a placement record.
    void Init(const float placement[6]);

    float m_fParam[6] = {10.0f, 10.0f, 10.0f, 10.0f, 10.0f, 10.0f};
    GLuint m_nList = 0;
    GLuint m_nRampList = 0;
    GLuint m_nLayerList = 0;
    GLuint m_nLayerList2 = 0;

protected:
    CColorLayerHolder() = default;
    ~CColorLayerHolder() = default;
};

// The set-up's three turns of a placement record (entries 3 to 5), each
// rand() % modulus, then two draws whose values nothing uses.
void DrawPlacementTurns(float placement[6], int modulus);
