#include "scenery/decoration_mesh.h"

void CDecorationMesh::DrawList() { glCallList(m_nList); }

void CDecorationMesh::SetPlacement(float sx, float sy, float sz, float rx, float ry, float rz)
{
    m_fScale[0] = sx;
    m_fScale[1] = sy;
    m_fScale[2] = sz;
    m_fRotation[0] = rx;
    m_fRotation[1] = ry;
    m_fRotation[2] = rz;
}

void CDecorationMesh::EmitMesh(const IndexedTriangles& mesh) const
{
    glRotatef(225.0f, 0.0f, 0.0f, 1.0f);
    glRotatef(m_fRotation[0], 1.0f, 0.0f, 0.0f);
    glRotatef(m_fRotation[1], 0.0f, 1.0f, 0.0f);
    glRotatef(m_fRotation[2], 0.0f, 0.0f, 1.0f);
    CBendEmitter::EmitIndexedTriangles(mesh, m_fScale);
}

void CDecorationMesh::ApplySteps(std::initializer_list<PlacementStep> steps)
{
    for (const PlacementStep& s : steps) {
        switch (s.kind) {
        case PlacementStep::Translate:
            glTranslatef(s.v[0], s.v[1], s.v[2]);
            break;
        case PlacementStep::Rotate:
            glRotatef(s.v[0], s.v[1], s.v[2], s.v[3]);
            break;
        case PlacementStep::Scale:
            glScalef(s.v[0], s.v[1], s.v[2]);
            break;
        }
    }
}
