// The base of the particle emitters: owns one array of particle records.
#pragma once
#include "platform/wintypes.h"

#include <memory>

struct PARTICLE {
    float x = 0, y = 0, z = 0;     // position
    float vx = 0, vy = 0, vz = 0;  // velocity
    float ax = 0, ay = 0, az = 0;  // acceleration
    float life = 0;
    float fade = 0;  // life lost per frame
    float size = 0;  // half the side of the drawn square
    float r = 0, g = 0, b = 0;
};

class CParticleSystem {
public:
    CParticleSystem() = default;
    virtual ~CParticleSystem();
    CParticleSystem(const CParticleSystem&) = delete;
    CParticleSystem& operator=(const CParticleSystem&) = delete;

    // Allocates count zeroed records (dropping any earlier ones); FALSE, with
    // no particles, when count is negative or the memory cannot be had.
    virtual BOOL Init(int count);
    // One frame of motion for the first m_nCount particles.
    virtual void Update() = 0;

    // Particles Update walks; never more than m_nAllocated.
    int m_nCount = 0;
    std::unique_ptr<PARTICLE[]> m_pParticles;
    int m_nAllocated = 0;
};
