#include "objects/particle_system.h"

#include <new>

CParticleSystem::~CParticleSystem() = default;

BOOL CParticleSystem::Init(int count)
{
    m_pParticles.reset();
    m_nCount = 0;
    m_nAllocated = 0;
    if (count < 0)
        return FALSE;
    m_pParticles.reset(new (std::nothrow) PARTICLE[count]());
    if (!m_pParticles)
        return FALSE;
    m_nCount = count;
    m_nAllocated = count;
    return TRUE;
}
