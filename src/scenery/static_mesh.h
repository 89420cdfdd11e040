// Static mesh: three indexed triangle meshes compiled into three lists that
// nothing draws. Their tables are empty (every face at entry 0 of tables of
// zeros), so the lists hold only degenerate triangles at the origin.
#pragma once
#include <GL/glew.h>

class CStaticMesh {
public:
    CStaticMesh();
    virtual ~CStaticMesh() = default;

    // The six values (the tank bounds) are not used: builds lists 1, 2 and 3.
    void Init(float left, float right, float top, float bottom, float back, float front);
    GLuint BuildList1();
    GLuint BuildList2();
    GLuint BuildList3();

    GLuint m_nList1 = 0, m_nList2 = 0, m_nList3 = 0;
};
