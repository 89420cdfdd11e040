#include "objects/cannon.h"

#include "platform/glaux.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <cmath>

namespace {

constexpr float kMuzzle[3] = {0.0f, 0.0f, -77.5f};
constexpr float kRange = 50.0f;
constexpr double kRadiansPerDegree = 0.017453;
constexpr double kBarrelRadius = 0.5, kBarrelLength = 2.0;
constexpr double kBallRadius = 0.8, kShotRadius = 0.5;

bool Idle(const CANNONSHOT& shot) { return !shot.active && !shot.spent; }

// Back to idle, at the muzzle.
void Clear(CANNONSHOT& shot)
{
    shot.active = 0;
    shot.spent = 0;
    shot.x = kMuzzle[0];
    shot.y = kMuzzle[1];
    shot.z = kMuzzle[2];
}

}  // namespace

CCannon::CCannon() { ResetShots(); }

void CCannon::ResetShots()
{
    for (CANNONSHOT& shot : m_Shots)
        shot = CANNONSHOT{};
}

void CCannon::Init(float x, float y, float z)
{
    const float p[3] = {x, y, z};
    for (int i = 0; i < 3; ++i)
        m_fHome[i] = m_fTarget[i] = m_fPosition[i] = p[i];
    ResetShots();
}

void CCannon::SetTarget(float x, float y, float z)
{
    m_fTarget[0] = x;
    m_fTarget[1] = y;
    m_fTarget[2] = z;
}

void CCannon::Fire()
{
    for (int i = 1; i < SHOT_SLOTS; ++i) {
        CANNONSHOT& shot = m_Shots[i];
        if (Idle(shot)) {
            Clear(shot);
            shot.active = 1;
            shot.angle = m_fAngle;
            return;
        }
    }
    for (int i = 1; i < SHOT_SLOTS; ++i)
        Clear(m_Shots[i]);
}

void CCannon::Draw()
{
    glColor3f(1.0f, 1.0f, 1.0f);
    glPushMatrix();
    glTranslatef(m_fPosition[0], m_fPosition[1] - DRAW_DROP, m_fPosition[2]);
    glRotatef(m_fAngle, 0.0f, 0.0f, 1.0f);
    auxWireCylinder(kBarrelRadius, kBarrelLength);
    glPushMatrix();
    glTranslatef(0.0f, static_cast<GLfloat>(kBarrelLength / 2.0), 0.0f);
    auxSolidSphere(kBallRadius);
    glPopMatrix();
    glPopMatrix();
    UpdateAndDrawShots();
    glColor3f(1.0f, 1.0f, 1.0f);
}

void CCannon::UpdateAndDrawShots()
{
    for (int i = 1; i < SHOT_SLOTS; ++i) {
        CANNONSHOT& shot = m_Shots[i];
        if (!shot.active || shot.spent)
            continue;
        glPushMatrix();
        const double r = shot.angle * kRadiansPerDegree;
        const double side = std::fabs(std::sin(r));
        shot.x = static_cast<float>(shot.x + (shot.angle > 0.0f ? -side : side));
        shot.y = static_cast<float>(shot.y + std::fabs(std::cos(r)));
        glTranslatef(shot.x, shot.y - DRAW_DROP, shot.z);
        auxSolidSphere(kShotRadius);
        const bool inRange = shot.x >= -kRange && shot.x <= kRange && shot.y >= -kRange && shot.y <= kRange;
        if (!inRange)
            Clear(shot);
        glPopMatrix();
    }
}
