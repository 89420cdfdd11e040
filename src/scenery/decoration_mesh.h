// The layout both display-listed decorations share: the scale and turn of
// their mesh, the list of their placed copies, the colour-layer lists (kept
// by decoration A), and the placement record the scene set-up fills.
#pragma once
#include "scenery/plant_emitter.h"

#include <GL/glew.h>

#include <initializer_list>

// One step of a copy's placement: a translation, a turn (degrees about an
// axis) or a scale.
struct PlacementStep {
    enum Kind { Translate, Rotate, Scale } kind;
    float v[4];
};
// A copy: its steps, in order, inside its own matrix save.
using PlacedCopy = std::initializer_list<PlacementStep>;

class CDecorationMesh {
public:
    virtual ~CDecorationMesh() = default;

    // Calls the list of the placed copies.
    void DrawList();

    float m_fScale[3] = {10.0f, 10.0f, 10.0f};     // multiplies every mesh position
    float m_fRotation[3] = {10.0f, 10.0f, 10.0f};  // degrees about x, y, z after each copy's placement
    GLuint m_nList = 0;
    GLuint m_nRampList = 0, m_nLayerList = 0, m_nLayerList2 = 0;
    float m_fPlacement[6] = {};  // written by the scene set-up, passed to Init

protected:
    CDecorationMesh() = default;

    // Stores three sizes and three turns.
    void SetPlacement(float sx, float sy, float sz, float rx, float ry, float rz);
    // 225 degrees about z, then m_fRotation about x, y and z (no matrix save),
    // then the mesh, each position times m_fScale.
    void EmitMesh(const IndexedTriangles& mesh) const;
    // A new list: `before`, then each copy inside its own save, drawn by drawMesh.
    template <class DrawMesh>
    static GLuint CompileCopies(std::initializer_list<PlacementStep> before, std::initializer_list<PlacedCopy> copies,
                                const DrawMesh& drawMesh)
    {
        const GLuint list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        ApplySteps(before);
        for (const PlacedCopy& copy : copies) {
            glPushMatrix();
            ApplySteps(copy);
            drawMesh();
            glPopMatrix();
        }
        glEndList();
        return list;
    }

private:
    static void ApplySteps(std::initializer_list<PlacementStep> steps);
};
