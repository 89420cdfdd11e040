#include "scenery/plant_emitter.h"

#include "gfx/matrix.h"
#include "gfx/vertex_sink.h"

namespace {

int InTable(int index, int count) { return index >= 0 && index < count ? index : 0; }

// Whether every index of a face lies inside its table.
bool FaceInTables(const IndexedTriangles& m, const short* f)
{
    for (int k = 0; k < 3; ++k) {
        if (f[k] < 0 || f[k] >= m.positionCount || f[3 + k] < 0 || f[3 + k] >= m.normalCount || f[6 + k] < 0 ||
            f[6 + k] >= m.texCoordCount)
            return false;
    }
    return true;
}

void SendStatic(const PlantVertex& p, float x, float y, float z)
{
    IVertexSink& sink = VertexSink();
    sink.Normal(p.nx, p.ny, p.nz);
    sink.TexCoord(p.s, p.t);
    // Static meshes go into the scene's display lists, drawn while the plant
    // picture is bound on texture unit 1: give that unit the coordinates too.
    sink.MultiTexCoord(GL_TEXTURE1, p.s, p.t);
    sink.Vertex(x, y, z);
}

}  // namespace

PlantVertex VertexFromTables(const float (*positions)[3], int positionCount, int position, const float (*normals)[3],
                             int normalCount, int normal, const float (*texCoords)[2], int texCoordCount, int texCoord)
{
    PlantVertex v{};
    if (positionCount > 0) {
        const float* p = positions[InTable(position, positionCount)];
        v.x = p[0];
        v.y = p[1];
        v.z = p[2];
    }
    if (normalCount > 0) {
        const float* n = normals[InTable(normal, normalCount)];
        v.nx = n[0];
        v.ny = n[1];
        v.nz = n[2];
    }
    if (texCoordCount > 0) {
        const float* t = texCoords[InTable(texCoord, texCoordCount)];
        v.s = t[0];
        v.t = t[1];
    }
    return v;
}

void CBendEmitter::SetRotation(float angle, float ax, float ay, float az)
{
    MatrixRotate(m_fBendMatrix, static_cast<float>(angle * 0.017453292519943295), ax, ay, az);
}

void CBendEmitter::EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t)
{
    const float* m = m_fBendMatrix;
    IVertexSink& sink = VertexSink();
    sink.Normal(nx, ny, nz);
    sink.TexCoord(s, t);
    sink.Vertex(m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                m[2] * x + m[6] * y + m[10] * z + m[14]);
}

void CBendEmitter::EmitEdges(const PlantVertex* first, const PlantVertex* second, int rows, int secondRowsPer,
                             const float scale[3], const LeafMotion* motion)
{
    const int per = secondRowsPer > 0 ? secondRowsPer : 1;
    EmitLineStrips([&](int line, int r) -> const PlantVertex& { return line == 0 ? first[r] : second[r / per]; }, 0, 1,
                   rows, scale, motion);
}

void CBendEmitter::EmitIndexedTriangles(const IndexedTriangles& mesh, const float scale[3])
{
    IVertexSink& sink = VertexSink();
    sink.Begin(GL_TRIANGLES);
    for (int i = 0; i < mesh.faceCount; ++i) {
        const short* f = mesh.faces[i];
        if (!FaceInTables(mesh, f))
            continue;
        for (int k = 0; k < 3; ++k) {
            const float* p = mesh.positions[f[k]];
            const float* n = mesh.normals[f[3 + k]];
            const float* t = mesh.texCoords[f[6 + k]];
            SendStatic(PlantVertex{p[0], p[1], p[2], n[0], n[1], n[2], t[0], t[1]}, p[0] * scale[0], p[1] * scale[1],
                       p[2] * scale[2]);
        }
    }
    sink.End();
}

void CBendEmitter::BeginStrip()
{
    m_bBendSet = false;
    VertexSink().Begin(GL_QUAD_STRIP);
}

void CBendEmitter::EndStrip() { VertexSink().End(); }

void CBendEmitter::EmitMeshPoint(const PlantVertex& p, const StripVertex& v, const float scale[3],
                                 const LeafMotion* motion)
{
    float q[3] = {p.x * scale[0], p.y * scale[1], p.z * scale[2]};
    if (motion == nullptr) {
        SendStatic(p, q[0], q[1], q[2]);
        return;
    }
    const LeafMotion& m = *motion;
    if (m.sway && (m.swaySides >> v.side & 1) && !(v.point < 32 && (m.stillPoints >> v.point & 1))) {
        const int index = (m.swayBy == MotionBy::Point ? v.point : v.line) + m.secondPointSwayRow * v.side;
        const float s = m.sway[index];
        for (int i = 0; i < 3; ++i)
            q[i] += s * m.swayScale[i];
    }
    if (m.adjust)
        m.adjust(v, q, m.context);
    if (m.bend) {
        const int index = m.bendBase + m.bendStep * (m.bendBy == MotionBy::Point ? v.point : v.line);
        const float angle = m.bendGain * m.bend[index];
        // A row's points share one bend: the matrix is worked out once for them.
        if (!m_bBendSet || angle != m_fBendAngle) {
            SetRotation(angle, m.bendAxis[0], m.bendAxis[1], m.bendAxis[2]);
            m_bBendSet = true;
            m_fBendAngle = angle;
        }
    }
    EmitVertex(q[0], q[1], q[2], p.nx, p.ny, p.nz, p.s, p.t);
}
