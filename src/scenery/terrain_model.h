// Terrain model: layered rock terraces low at the back of the tank, 45 layers
// of a closed band mesh compiled into four display lists that differ in the
// layers they hold, their offsets, scale and colour ramp. The background
// style picks the list drawn.
#pragma once
#include "scenery/plant_emitter.h"

#include <GL/glew.h>

class CTerrainModel : private CBendEmitter {
public:
    CTerrainModel();
    virtual ~CTerrainModel() = default;

    // Compiles lists 1 to 4, in that order (needs the GL context).
    void BuildLists();
    // The list of the style inside its own matrix save: style 0 list 1, 1
    // list 2, 2 list 3, 3 list 4, any other none; leaves the colour white.
    void Draw(int style);
    // The band mesh of one layer (0 to 44; any other draws nothing).
    void DrawMesh(int layer);
    // Whether a layer's walls are drawn with their insides culled: only where
    // every wall quad winds with the inside in front, against its normals.
    static bool CullsWalls(int layer);

    int m_nScale = 200;  // every position is multiplied by it
    GLuint m_nList1 = 0, m_nList2 = 0, m_nList3 = 0, m_nList4 = 0;
};
