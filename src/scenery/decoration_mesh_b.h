// Decoration mesh B (plant kind 9): driftwood, one gnarled piece placed four
// times in a display list (three lying at different headings, one raised),
// drawn with plant picture 9.
#pragma once
#include "scenery/decoration_mesh.h"

class CDecorationMeshB : public CDecorationMesh {
public:
    CDecorationMeshB();

    // Stores the sizes and turns, then builds the list of the four copies.
    void Init(float sx, float sy, float sz, float rx, float ry, float rz);
    GLuint BuildList();
    // One piece at the current matrix (used while compiling).
    void DrawMesh();
    // The driftwood's tables.
    static IndexedTriangles MeshTables();
};
