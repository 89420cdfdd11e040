// The one vertex path of the plants: a bend matrix that turns each point
// before it is sent (SetRotation, EmitVertex), and the emitters of the mesh
// shapes the plants are made of: strips between the lines of a grid (a
// column grid, a ring mesh or the two edges of a leaf), with each point bent
// and swayed as the class's LeafMotion says, and indexed triangles.
//
// Every vertex goes through VertexSink(), so a test can record what a plant
// sends without a GPU.
#pragma once
#include "scenery/plant_meshes.h"

#include <cstdint>

// The vertex a strip emitter is about to send.
struct StripVertex {
    int strip = 0;  // the strip joins line `strip` and line `strip + 1`
    int side = 0;   // 0: the strip's first line, 1: its second
    int line = 0;   // a column of a column grid, a ring of a ring mesh, an edge of a leaf
    int point = 0;  // the position along the strip (a row, or a column around a ring)
};

// Where a motion value is read: by the vertex's point (row) or by its line (ring).
enum class MotionBy : uint8_t { Point, Line };

// How the points of a mesh move while its strips are sent. Without a
// LeafMotion the points go out scaled, past the bend matrix (a static mesh,
// also given texture coordinates on unit 1 for the scene's lists).
struct LeafMotion {
    // Before each vertex: the bend matrix := bendGain x bend[bendBase +
    // bendStep x index] degrees about bendAxis (index by bendBy). Null: the
    // matrix as the class left it.
    const float* bend = nullptr;
    float bendAxis[3] = {0.0f, 0.0f, 1.0f};
    MotionBy bendBy = MotionBy::Point;
    int bendBase = 0;
    int bendStep = 1;
    float bendGain = 1.0f;
    // sway[index + secondPointSwayRow x side] x swayScale is added to the
    // scaled point (index by swayBy), on the sides in swaySides (bit 0 the
    // strip's first line, bit 1 its second) and not at the points of
    // stillPoints (bit p: point p). Null: no sway.
    const float* sway = nullptr;
    float swayScale[3] = {0.0f, 0.0f, 0.0f};
    MotionBy swayBy = MotionBy::Point;
    int secondPointSwayRow = 0;
    uint8_t swaySides = 3;
    uint32_t stillPoints = 0;
    // By hand, last: moves the scaled, swayed point (p) before the bend matrix.
    void (*adjust)(const StripVertex& v, float p[3], const void* context) = nullptr;
    const void* context = nullptr;
};

// A mesh of indexed triangles: each face is three position indices, then
// three normal indices, then three texture-coordinate indices.
struct IndexedTriangles {
    const short (*faces)[9] = nullptr;
    int faceCount = 0;
    const float (*positions)[3] = nullptr;
    int positionCount = 0;
    const float (*normals)[3] = nullptr;
    int normalCount = 0;
    const float (*texCoords)[2] = nullptr;
    int texCoordCount = 0;
};

// The point of a mesh whose position, normal and texture coordinate come
// from three tables by index; an index outside its table reads entry 0 (an
// empty table reads 0s), so a faulty table never reads beyond its end.
PlantVertex VertexFromTables(const float (*positions)[3], int positionCount, int position, const float (*normals)[3],
                             int normalCount, int normal, const float (*texCoords)[2], int texCoordCount, int texCoord);

class CBendEmitter {
public:
    // m_fBendMatrix := the rotation by angle degrees about (ax, ay, az); the
    // identity for angle 0 or a zero axis.
    void SetRotation(float angle, float ax, float ay, float az);
    // Sends (x, y, z) turned by m_fBendMatrix; the normal goes out as it is.
    void EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t);

    // Strips firstStrip to lastStrip - 1 of a mesh of lines: strip i is one
    // GL_QUAD_STRIP that sends, for each point p, vertexAt(i, p) and then
    // vertexAt(i + 1, p). Positions are multiplied by scale.
    template <class VertexAt>
    void EmitLineStrips(const VertexAt& vertexAt, int firstStrip, int lastStrip, int points, const float scale[3],
                        const LeafMotion* motion)
    {
        for (int strip = firstStrip; strip < lastStrip; ++strip) {
            BeginStrip();
            for (int p = 0; p < points; ++p)
                for (int side = 0; side < 2; ++side)
                    EmitMeshPoint(vertexAt(strip + side, p), StripVertex{strip, side, strip + side, p}, scale, motion);
            EndStrip();
        }
    }

    // A grid [line][point]: one strip between each pair of neighbouring lines,
    // points 0 to points - 1 (a column grid, or the rings of a tube).
    template <int Lines, int Points>
    void EmitGrid(const PlantVertex (&grid)[Lines][Points], int points, const float scale[3], const LeafMotion* motion)
    {
        EmitLineStrips([&grid](int line, int p) -> const PlantVertex& { return grid[line][p]; }, 0, Lines - 1, points,
                       scale, motion);
    }

    // A leaf of two edges: one strip; row r sends first[r], then
    // second[r / secondRowsPer] (a vein point may serve several rows).
    void EmitEdges(const PlantVertex* first, const PlantVertex* second, int rows, int secondRowsPer,
                   const float scale[3], const LeafMotion* motion);

    // GL_TRIANGLES of an indexed mesh, positions multiplied by scale; sent
    // without the bend matrix (with unit 1 coordinates, for display lists).
    static void EmitIndexedTriangles(const IndexedTriangles& mesh, const float scale[3]);

    float m_fBendMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

protected:
    CBendEmitter() = default;
    ~CBendEmitter() = default;

private:
    void BeginStrip();
    void EndStrip();
    void EmitMeshPoint(const PlantVertex& p, const StripVertex& v, const float scale[3], const LeafMotion* motion);

    // The bend last set within the current strip (a row's points share it).
    bool m_bBendSet = false;
    float m_fBendAngle = 0.0f;
};
