#include "scenery/plant_model.h"

#include "gfx/matrix.h"
#include "gfx/vertex_sink.h"
#include "platform/crt.h"

#include <GL/glew.h>

CPlantModel::CPlantModel(int stepBase)
{
    m_fPhaseOffset = static_cast<float>(crt::rand() % 100);
    m_fSegmentStep = kPlantPi / static_cast<float>(crt::rand() % 5 + stepBase);
}

float CPlantModel::RandomSize() { return static_cast<float>((crt::rand() % 10 * 0.1 + 0.05) * 2); }

void CPlantModel::SetScale(float x, float y, float z)
{
    m_fScale[0] = x;
    m_fScale[1] = y;
    m_fScale[2] = z;
}

void CPlantModel::SetRotation(float angle, float ax, float ay, float az)
{
    MatrixRotate(m_fBendMatrix, static_cast<float>(angle * 0.017453292519943295), ax, ay, az);
}

void CPlantModel::EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t)
{
    const float* m = m_fBendMatrix;
    IVertexSink& sink = VertexSink();
    sink.Normal(nx, ny, nz);
    sink.TexCoord(s, t);
    sink.Vertex(m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                m[2] * x + m[6] * y + m[10] * z + m[14]);
}

void CPlantModel::TranslatePosition() const
{
    glTranslatef(m_fPosition[0], 0.0f, 0.0f);
    glTranslatef(0.0f, m_fPosition[1], 0.0f);
    glTranslatef(0.0f, 0.0f, m_fPosition[2]);
}

void CPlantModel::TranslateRoot(const float root[3]) const
{
    glTranslatef(-root[0] * m_fScale[0], -root[1] * m_fScale[1], -root[2] * m_fScale[2]);
}

void CPlantModel::EmitStrip(const PlantVertex* first, const PlantVertex* second, int rows, int secondRowsPer,
                            const LeafMotion* motion)
{
    const float* sway = motion ? motion->sway : nullptr;
    const int next = motion ? motion->secondPointSwayRow : 0;
    VertexSink().Begin(GL_QUAD_STRIP);
    for (int r = 0; r < rows; ++r) {
        if (motion && motion->bend)
            SetRotation(motion->bend[r], motion->bendAxis[0], motion->bendAxis[1], motion->bendAxis[2]);
        EmitPoint(first[r], sway ? sway[r] : 0.0f, motion);
        EmitPoint(second[r / secondRowsPer], sway ? sway[r + next] : 0.0f, motion);
    }
    VertexSink().End();
}

void CPlantModel::EmitPoint(const PlantVertex& p, float sway, const LeafMotion* motion)
{
    float x = p.x * m_fScale[0];
    float y = p.y * m_fScale[1];
    float z = p.z * m_fScale[2];
    if (motion == nullptr) {
        // Static leaves go into the scene's display lists, drawn while the
        // plant picture is bound on texture unit 1: give that unit the
        // coordinates too.
        IVertexSink& sink = VertexSink();
        sink.Normal(p.nx, p.ny, p.nz);
        sink.TexCoord(p.s, p.t);
        sink.MultiTexCoord(GL_TEXTURE1, p.s, p.t);
        sink.Vertex(x, y, z);
        return;
    }
    if (motion->sway) {
        x += sway * motion->swayScale[0];
        y += sway * motion->swayScale[1];
        z += sway * motion->swayScale[2];
    }
    EmitVertex(x, y, z, p.nx, p.ny, p.nz, p.s, p.t);
}
