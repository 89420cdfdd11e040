// Decoration mesh A (plant kind 12): a group of five boulders, one mesh placed
// five times in a display list, drawn with fish picture 9.
#pragma once
#include "scenery/decoration_mesh.h"

class CDecorationMeshA : public CDecorationMesh {
public:
    CDecorationMeshA();

    // Stores the sizes and turns, then builds the group's list and the three colour lists.
    void Init(float sx, float sy, float sz, float rx, float ry, float rz);
    // The list of the five copies, the whole group turned -15 degrees about z.
    GLuint BuildGroupList();
    // One boulder at the current matrix (used while compiling).
    void DrawMesh();
    // The boulder's tables.
    static IndexedTriangles MeshTables();
};
