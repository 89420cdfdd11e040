#include "fish/fish_model.h"

#include "gfx/matrix.h"
#include "gfx/vertex_sink.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

namespace {

bool InVariants(uint32_t mask, int variant) { return variant >= 0 && variant < 32 && (mask >> variant) & 1u; }

}  // namespace

CFishModel::CFishModel(const FishClass& fishClass) : m_pClass(&fishClass)
{
    std::copy(fishClass.waves.begin(), fishClass.waves.end(), m_Wave);
    m_fSpeed = fishClass.speed;
    std::copy(fishClass.bodyDims, fishClass.bodyDims + 3, m_fBodyDims);
    for (const RandDraw& d : fishClass.draws) {
        const int r = crt::rand() % d.modulus;
        switch (d.what) {
        case RandDraw::kPitch:
            m_fPitch = static_cast<float>(r);
            break;
        case RandDraw::kCounter:
            m_Wave[d.block].counter = r;
            break;
        case RandDraw::kWanderTimer:
            m_nWanderTimer = r;
            break;
        case RandDraw::kDiscard:
            break;
        }
    }
}

void CFishModel::EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t)
{
    const float* m = m_fPartMatrix;
    IVertexSink& sink = VertexSink();
    sink.Normal(nx, ny, nz);
    sink.TexCoord(s, t);
    sink.Vertex(x * m[0] + y * m[4] + z * m[8] + m[12], x * m[1] + y * m[5] + z * m[9] + m[13],
                x * m[2] + y * m[6] + z * m[10] + m[14]);
}

void CFishModel::SetPartRotation(float angleDeg, float ax, float ay, float az)
{
    MatrixRotate(m_fPartMatrix, static_cast<float>(angleDeg * 3.14159265358979323846 / 180.0), ax, ay, az);
}

void CFishModel::ApproachSpeed(float step, float target)
{
    if (m_fSpeed < target)
        m_fSpeed += step;
    if (m_fSpeed > target)
        m_fSpeed -= step;
    m_fSpeed = std::max(0.025f, std::min(0.05f, m_fSpeed));
}

void CFishModel::TurnHeading(float, bool, int mode)
{
    if (mode == 0)
        m_nTargetHeading = (crt::rand() & 1) ? 180 : 0;
    else if (mode == 1 && (m_nTargetHeading == 0 || m_nTargetHeading == 180))
        m_nTargetHeading = 180 - m_nTargetHeading;
    m_nTargetHeading = std::clamp(m_nTargetHeading, 0, 180);
}

void CFishModel::TurnPitch(float step, bool up, int mode)
{
    switch (mode) {
    case 7:
        if (m_fPitch + step > 90.0f || m_fPitch - step < -90.0f)
            return;
        m_fPitch += up ? step : -step;
        break;
    case 0: {
        const int r = 15 + crt::rand() % 15;
        m_fPitch += m_fPitch > 0.0f ? -r : r;
        break;
    }
    case 3:
        m_fPitch = -m_fPitch;
        break;
    case 5:
        m_fPitch += up ? 1.0f : -1.0f;
        break;
    default:
        break;
    }
    m_fPitch = std::clamp(m_fPitch, -45.0f, 45.0f);
}

void CFishModel::ChangeSize(float amount, bool grow)
{
    m_nSize = static_cast<int>(grow ? m_nSize + amount : m_nSize - amount);
    m_nSize = std::clamp(m_nSize, 4, 8);
}

void CFishModel::DrawFrame(int variant)
{
    const FishClass& c = *m_pClass;
    m_nDrawVariant = variant;
    FishFrame frame;
    for (const WaveGen& gen : c.plan)
        if (!InVariants(gen.skipVariants, variant))
            ComputeWave(gen, frame[gen.array], gen.count);
    if (c.drift)
        Drift();

    glPushMatrix();
    if (c.whiteFirst)
        VertexSink().Color(1.0f, 1.0f, 1.0f);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);  // the mesh's z axis up
    EaseShownPitch();
    const float h = m_fHeading * 0.017453292f;
    glRotatef(-m_fShownPitch, std::sin(h), -std::cos(h), 0.0f);
    Wander();
    for (const VariantScale& s : c.scales)
        if (s.variant == variant)
            glScalef(s.x, s.y, s.z);
    for (const GridPart& part : c.parts)
        if (!InVariants(part.hiddenInVariants, variant))
            DrawGridPart(part, frame);
    Move();
    UpdateHitBox();
    glPopMatrix();
}
