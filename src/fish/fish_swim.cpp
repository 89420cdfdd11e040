// Swimming: movement, direction flags, the swim box and its walls, wandering,
// the swim style, the hit box and the drift.
#include "fish/fish_model.h"

#include "gfx/matrix.h"
#include "platform/crt.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDegToRad = 0.017453292f;

bool In(float v, float lo, float hi) { return v >= lo && v <= hi; }

// The headings that move a fish toward falling x.
bool FacesFallingX(float h) { return In(h, 0, 90) || In(h, 270, 360) || In(h, -90, 0) || In(h, -360, -270); }

// The headings that move a fish toward rising z.
bool FacesRisingZ(float h) { return In(h, 0, 180) || In(h, -360, -180); }

}  // namespace

void CFishModel::Move()
{
    if (m_fHeading > 360.0f)
        m_fHeading = 180.0f;
    else if (m_fHeading < -360.0f)
        m_fHeading = -180.0f;
    UpdateDirFlags();
    // Turning away from an x wall: hold still until the heading has come round.
    if (std::fabs(m_fHeading - m_nTargetHeading) > 15.0f && (m_nWallState == 1 || m_nWallState == 2))
        return;

    const float h = m_fHeading * kDegToRad;
    const float p = m_fPitch * kDegToRad;
    const float dx = std::fabs(std::cos(h) * m_fSpeed);
    if (m_bDir[0]) {
        if (m_nWallState != 1)
            m_fPos[0] -= dx;
    } else if (m_nWallState != 2) {
        m_fPos[0] += dx;
    }
    const float dz = std::fabs(std::sin(h) * m_fSpeed);
    if (m_bDir[5]) {
        if (m_nWallState != 4)
            m_fPos[2] += dz;
    } else if (m_nWallState != 3) {
        m_fPos[2] -= dz;
    }
    m_fPos[1] += std::sin(p) * m_fSpeed;
    KeepInSwimBox();
}

void CFishModel::UpdateDirFlags()
{
    std::fill(std::begin(m_bDir), std::end(m_bDir), BYTE{0});
    const float target = static_cast<float>(m_nTargetHeading);
    m_bDir[FacesFallingX(m_fHeading) ? 0 : 1] = 1;
    m_bDir[FacesRisingZ(m_fHeading) ? 5 : 4] = 1;
    m_bDir[2] = m_fShownPitch > 0.0f;
    m_bDir[3] = m_fShownPitch < 0.0f;
    m_bDir[FacesFallingX(target) ? 6 : 7] = 1;   // which x wall is armed
    m_bDir[FacesRisingZ(target) ? 11 : 10] = 1;  // which z wall is armed
    m_bDir[8] = m_fPitch > 0.0f;
    m_bDir[9] = m_fPitch < 0.0f;
}

void CFishModel::KeepInSwimBox()
{
    const float xMin = m_fSwimBox[0], xMax = m_fSwimBox[1];
    const float yTop = m_fSwimBox[2], yBottom = m_fSwimBox[3], zLimit = m_fSwimBox[4];
    float* pos = m_fPos;
    m_nWallState = 0;
    if (pos[0] < xMin && m_bDir[6]) {
        TurnHeading(0.0f, false, 1);
        pos[0] = xMin + 2.0f;
        m_nWallState = 1;
    }
    if (pos[0] > xMax && m_bDir[7]) {
        TurnHeading(0.0f, false, 1);
        pos[0] = xMax - 2.0f;
        m_nWallState = 2;
    }
    if (pos[2] < 2.0f * zLimit + 10.0f)
        ApproachSpeed(0.01f, 0.1f);
    if (pos[2] < 2.0f * zLimit && m_bDir[10]) {
        TurnHeading(0.0f, false, 2);
        pos[2] = 2.0f * zLimit;
        m_nWallState = 3;
    }
    if (pos[2] > zLimit - 10.0f)
        ApproachSpeed(0.01f, 0.1f);
    if (pos[2] > zLimit && m_bDir[11]) {
        TurnHeading(0.0f, true, 2);
        pos[2] = zLimit;
        m_nWallState = 4;
    }
    if (pos[1] >= yTop) {
        TurnPitch(0.0f, false, 3);
        pos[1] = yTop;
        m_nWallState = 5;
        ApproachSpeed(0.1f, 0.025f);
    }
    if (pos[1] <= yBottom) {
        TurnPitch(0.0f, true, 3);
        pos[1] = yBottom;
        m_nWallState = 6;
        ApproachSpeed(0.1f, 0.025f);
    }
}

void CFishModel::Wander()
{
    if (m_nSwimState != 8 || m_bBusy || m_bNoWander)
        return;
    if (m_nWanderTimer++ <= 300)
        return;
    m_nWanderTimer = crt::rand() % 150;
    const float target = static_cast<float>(crt::rand() % 4 + 1) * 0.1f;
    ApproachSpeed(0.05f, target);
    if (std::fabs(m_fHeading - m_nTargetHeading) < 0.01f) {  // the last turn is complete
        TurnHeading(0.0f, false, 0);
        TurnPitch(0.0f, false, 0);
    }
    m_bStroke = !m_bStroke;
    if (m_nWanderTimer > 50)
        m_fSpeed = static_cast<float>(crt::rand() % 2) * 0.01f + 0.025f;
    SetSwimStyle(target, 0.0f, 0.0f, m_bStroke);
}

void CFishModel::SetSwimStyle(float targetSpeed, float, float, BYTE stroke)
{
    m_bStroke = stroke;
    if (m_pClass->swimStyleDraws)
        crt::rand();
    const float m = targetSpeed >= 0.05f ? 1.5f : 1.0f;
    for (const SwimStyleRow& row : m_pClass->swimStyle) {
        FishWave& w = m_Wave[row.block];
        w.waveNumber = row.waveNumber;
        w.amplitude = row.amplitudeTimesM ? m * row.amplitude : row.amplitude;
        w.phaseStep = row.stepTimesM ? m * row.phaseStep : row.phaseStep;
    }
}

void CFishModel::SetSwimBox(float xMin, float xMax, float yTop, float yBottom, float zLimit, float z6)
{
    m_fSwimBox[0] = xMin;
    m_fSwimBox[1] = xMax;
    m_fSwimBox[2] = yTop + 10.0f;
    m_fSwimBox[3] = yBottom + 5.0f;
    m_fSwimBox[4] = zLimit;
    m_fSwimBox[5] = z6;
    SetBodyDims();
}

void CFishModel::SetBodyDims()
{
    std::copy(m_pClass->bodyDims, m_pClass->bodyDims + 3, m_fBodyDims);
    m_bBusy = 0;
}

void CFishModel::UpdateHitBox()
{
    const float length = m_nSize * m_fBodyDims[0];
    const float width = m_nSize * m_fBodyDims[1];
    const float height = m_nSize * m_fBodyDims[2];
    const double p = DegToRad(m_fPitch);
    const double t = DegToRad(m_nTargetHeading);
    const float a = static_cast<float>(std::fabs(std::sin(p)) * length / 2);
    const float b = static_cast<float>(std::fabs(std::sin(t)) * length / 2);
    const float c = static_cast<float>(std::fabs(std::cos(t) * std::cos(p)) * length / 2);
    const float x = m_fPos[0], y = m_fPos[1], z = m_fPos[2];

    const float sx = m_bDir[0] ? -c : c;  // toward the front
    const float sy = m_bDir[2] ? a : -a;
    const float sz = m_bDir[4] ? -b : b;
    m_fFrontCorner[0] = x + sx;
    m_fFrontCorner[1] = y + sy;
    m_fFrontCorner[2] = z + sz;
    m_fBackCorner[0] = x - sx;
    m_fBackCorner[1] = y - sy;
    m_fBackCorner[2] = z - sz;

    const float halfY = std::max(a, static_cast<float>(std::fabs(std::cos(p)) * height / 2));
    const float halfZ = std::max(b, static_cast<float>(std::fabs(std::cos(t)) * width / 2));
    const float box[6] = {x + c, x - c, y + halfY, y - halfY, z + halfZ, z - halfZ};
    const float grow[3] = {length / 2, height / 4, width / 4};
    for (int i = 0; i < 6; ++i) {
        m_fHitBox[i] = box[i];
        m_fOuterBox[i] = box[i] + (i % 2 == 0 ? grow[i / 2] : -grow[i / 2]);
    }
}

bool CFishModel::IsInDepthBand() const
{
    const float z = m_fPos[2];
    return z > -90.0f && z < -60.0f && z != -75.0f;
}

void CFishModel::Drift()
{
    m_fDrift += m_fPitch > 0.0f ? m_fDriftStep : -m_fDriftStep;
    if (crt::rand() % 10 == 0)
        m_fDrift += 2.0f * m_fDriftStep;
    if (crt::rand() % 10 == 1)
        m_fDrift -= 2.0f * m_fDriftStep;
    m_fDrift = std::clamp(m_fDrift, -m_fDriftLimit, m_fDriftLimit);
}

void CFishModel::EaseShownPitch()
{
    if (m_fShownPitch < m_fPitch)
        m_fShownPitch += 1.0f;
    if (m_fShownPitch > m_fPitch)
        m_fShownPitch -= 1.0f;
}
