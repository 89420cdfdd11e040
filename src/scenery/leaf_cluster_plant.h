// Leaf cluster: four leaves compiled into a display list at scene set-up,
// beside the three colour-layer lists; nothing draws them.
#pragma once
#include "platform/wintypes.h"

#include <GL/glew.h>

class CLeafClusterPlant {
public:
    CLeafClusterPlant();
    virtual ~CLeafClusterPlant() = default;

    // Stores the size and the three further values, then builds the leaf
    // list and the colour lists (ramp, layer, layer 2).
    BOOL Init(float sizeX, float sizeY, float sizeZ, float a, float b, float c);
    // Compiles the four leaves; the list leaves the matrix turned about y.
    GLuint BuildList();
    // One leaf: turned, then its triangles times the size.
    void DrawLeaf();

    float m_fSize[3] = {50.0f, 50.0f, 50.0f};
    float m_fAngles[3] = {10.0f, 10.0f, 10.0f};  // stored by Init; nothing reads them
    GLuint m_nLeafList = 0;
    GLuint m_nRampList = 0;
    GLuint m_nLayerList = 0;
    GLuint m_nLayerList2 = 0;
    float m_fPlacement[6] = {};  // the set-up's Init values
};
