#include "objects/cannon.h"

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
