#include "fish/fish_model.h"

#include "gfx/matrix.h"
#include "gfx/vertex_sink.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

CFishModel::CFishModel(const FishClass& fishClass) : m_pClass(&fishClass)
{
    std::copy(fishClass.waves.begin(), fishClass.waves.end(), m_Wave);
    m_nSize = fishClass.size;
    m_fSpeed = fishClass.speed;
    m_fPitch = fishClass.pitch;
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
    if (!m_pClass->approachesSpeed)
        return;
    if (m_fSpeed < target)
        m_fSpeed += step;
    if (m_fSpeed > target)
        m_fSpeed -= step;
    m_fSpeed = std::max(0.025f, std::min(0.05f, m_fSpeed));
}

void CFishModel::TurnHeading(float, bool, int mode)
{
    if (mode == 0) {
        int r = 0;
        for (int i = 0; i < m_pClass->headingDraws; ++i)
            r = crt::rand();
        m_nTargetHeading = (r & 1) ? 180 : 0;
    } else if (mode == 1 && (m_nTargetHeading == 0 || m_nTargetHeading == 180)) {
        m_nTargetHeading = 180 - m_nTargetHeading;
    }
    m_nTargetHeading = std::clamp(m_nTargetHeading, 0, 180);
}

void CFishModel::TurnPitch(float step, bool up, int mode)
{
    switch (mode) {
    case 7:
        if (m_fPitch + step > 90.0f || m_fPitch - step < -90.0f)
            return;
        m_fPitch += up ? step : -step;
        if (m_pClass->wholeDegreePitch)
            m_fPitch = std::trunc(m_fPitch);
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
    if (c.skipsWhenHit && m_bHit)
        return;
    m_nDrawVariant = variant;
    if (c.beforePlan)
        c.beforePlan(*this);
    FishFrame frame;
    ComputeWaves(frame);
    if (c.drift)
        Drift();
    StandUp();
    if (c.wanders)
        Wander();
    DrawParts(frame);
    Move();
    UpdateHitBox();
    glPopMatrix();
}

void CFishModel::ComputeWaves(FishFrame& frame)
{
    for (const WaveGen& gen : m_pClass->plan)
        if (!InVariants(gen.skipVariants, m_nDrawVariant))
            ComputeWave(gen, frame[gen.array], gen.count);
}

void CFishModel::StandUp()
{
    const FishClass& c = *m_pClass;
    glPushMatrix();
    if (c.whiteFirst)
        VertexSink().Color(1.0f, 1.0f, 1.0f);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);  // the mesh's z axis up
    if (c.extraYaw != 0.0f)
        glRotatef(c.extraYaw, 0.0f, 0.0f, 1.0f);
    if (c.tilt == FishTilt::None)
        return;
    EaseShownPitch();
    float sinH, cosH;
    HeadingSinCos(sinH, cosH);
    glRotatef(-m_fShownPitch, sinH, -cosH, 0.0f);
}

void CFishModel::HeadingSinCos(float& sinH, float& cosH) const
{
    const FishClass& c = *m_pClass;
    if (c.degreeInDouble) {
        const double h = m_fHeading * c.degree;
        sinH = static_cast<float>(std::sin(h));
        cosH = static_cast<float>(std::cos(h));
    } else {
        const float h = m_fHeading * static_cast<float>(c.degree);
        sinH = std::sin(h);
        cosH = std::cos(h);
    }
}

void CFishModel::DrawParts(const FishFrame& frame)
{
    const FishClass& c = *m_pClass;
    const int v = m_nDrawVariant;
    if (!(v >= 0 && v < 32 ? InVariants(c.drawnVariants, v) : c.otherVariantsDraw))
        return;
    for (const VariantProgram& program : c.programs) {
        if (!InVariants(program.variants, v))
            continue;
        for (const DrawStep& step : program.steps) {
            switch (step.op) {
            case DrawStep::kPart:
                DrawGridPart(c.parts[step.part], frame);
                break;
            case DrawStep::kPush:
                glPushMatrix();
                break;
            case DrawStep::kPop:
                glPopMatrix();
                break;
            case DrawStep::kScale:
                glScalef(step.x, step.y, step.z);
                break;
            case DrawStep::kRotate:
                glRotatef(step.angle, step.x, step.y, step.z);
                break;
            }
        }
        return;
    }
    for (const VariantScale& s : c.scales)
        if (s.variant == v)
            glScalef(s.x, s.y, s.z);
    for (const GridPart& part : c.parts)
        if (!HiddenInVariant(part, v))
            DrawGridPart(part, frame);
}
