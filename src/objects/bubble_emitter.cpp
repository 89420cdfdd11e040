#include "objects/bubble_emitter.h"

#include "gfx/builtin_texture.h"
#include "gfx/temp_folder.h"
#include "gfx/texture.h"
#include "gfx/vertex_sink.h"
#include "platform/crt.h"

#include <algorithm>
#include <string>

namespace {

constexpr float kBirthLife = 200.0f;
constexpr float kLowestY = -25.0f;
constexpr float kHighestY = 140.0f;
constexpr int kSlowestDivisor = 100;
constexpr float kRayPhaseStep = 0.0001f;
constexpr float kRayPhaseLimit = 0.01f;

}  // namespace

float CBubbleEmitter::s_fRayPhase = 0.0f;
BYTE CBubbleEmitter::s_bRaysRising = 1;

CBubbleEmitter::~CBubbleEmitter() = default;

BOOL CBubbleEmitter::Init(int count)
{
    if (!CParticleSystem::Init(count))
        return FALSE;
    for (int i = 0; i < m_nCount; ++i)
        Birth(m_pParticles[i], true);
    const std::string folder = GetTempFolder();
    LoadBuiltinTexture(folder, 166, "Particle1", &m_texBubble[0], LoadBmpTexture);
    LoadBuiltinTexture(folder, 308, "Particle2", &m_texBubble[1], LoadBmpTexture);
    LoadBuiltinTexture(folder, 164, "GuangXian", &m_texRays, LoadBmpTexture);
    return TRUE;
}

void CBubbleEmitter::Birth(PARTICLE& p, bool withSize)
{
    p.x = static_cast<float>((Rand() % 9) * 0.005);
    p.y = static_cast<float>((Rand() % 9) * 0.005 - 1.0);
    p.z = static_cast<float>((Rand() % 6) * 0.005);
    const int driftRight = Rand() % 9000;
    const int driftLeft = Rand() % 9000;
    p.vx = static_cast<float>((driftRight - driftLeft) * 7e-6);
    p.vy = static_cast<float>((Rand() % 9000) * 4.2e-5 * m_fSpeedFactor);
    p.vz = static_cast<float>((Rand() % 9000) * 1e-6);
    p.ax = 0.0f;
    p.ay = static_cast<float>(m_fSpeedFactor * 0.005);
    p.az = 0.0f;
    p.life = kBirthLife;
    if (withSize)
        p.size = static_cast<float>((Rand() % 10 + 1) * 0.1);
    p.fade = static_cast<float>((Rand() % 50) * 0.05);
    p.r = static_cast<float>(Rand() % 255);
    p.g = static_cast<float>(Rand() % 255);
    p.b = static_cast<float>(Rand() % 255);
}

void CBubbleEmitter::Update()
{
    const int count = std::clamp(m_nCount, 0, m_nAllocated);
    for (int i = 0; i < count; ++i) {
        PARTICLE& p = m_pParticles[i];
        p.x += p.vx;
        p.y += p.vy;
        p.z += p.vz;
        p.vy += p.ay;
        p.life -= p.fade;
        if (p.y <= kLowestY || p.y >= kHighestY || p.life <= 0.0f)
            Birth(p, false);
    }
}

void CBubbleEmitter::SetHidden(BOOL hidden) { m_bHidden = hidden ? 1 : 0; }

void CBubbleEmitter::SetOwnRandom(BOOL own) { m_bOwnRandom = own ? 1 : 0; }

int CBubbleEmitter::Rand()
{
    if (!m_bOwnRandom)
        return crt::rand();
    return static_cast<int>(m_random() % (crt::kRandMax + 1u));
}

void CBubbleEmitter::Render(int n, BOOL bRays, int divisor)
{
    m_nCount = std::clamp(n, 0, m_nAllocated);
    if (m_bHidden)
        return;
    // The jitter is drawn bubble by bubble; the sprites then go out a picture
    // at a time (the even bubbles, then the odd ones), so that each picture
    // is bound once a frame rather than once a bubble. The bubble pass adds
    // the sprites up, so their order does not show.
    m_jitter.resize(2 * static_cast<size_t>(m_nCount));
    for (int i = 0; i < m_nCount; ++i) {
        m_jitter[2 * i] = (Rand() % 20) * 0.01;
        m_jitter[2 * i + 1] = (Rand() % 20) * 0.01;
    }
    IVertexSink& sink = VertexSink();
    for (int first = 0; first < 2; ++first) {
        if (first < m_nCount)
            glBindTexture(GL_TEXTURE_2D, m_texBubble[first == 1 ? 0 : 1]);
        for (int i = first; i < m_nCount; i += 2) {
            const PARTICLE& p = m_pParticles[i];
            const float x = static_cast<float>(p.x + m_jitter[2 * i]);
            const float z = static_cast<float>(p.z + m_jitter[2 * i + 1]);
            const float s = p.size;
            sink.Begin(GL_QUADS);
            sink.TexCoord(0.0f, 0.0f);
            sink.Vertex(x - s, p.y - s, z);
            sink.TexCoord(1.0f, 0.0f);
            sink.Vertex(x - s, p.y + s, z);
            sink.TexCoord(1.0f, 1.0f);
            sink.Vertex(x + s, p.y + s, z);
            sink.TexCoord(0.0f, 1.0f);
            sink.Vertex(x + s, p.y - s, z);
            sink.End();
        }
    }
    if (bRays)
        DrawRays();
    m_fSpeedFactor = SpeedFactorOf(divisor);
    Update();
}

float CBubbleEmitter::SpeedFactorOf(int divisor)
{
    return divisor >= 1 && divisor <= kSlowestDivisor ? 1.0f / divisor : 1.0f / kSlowestDivisor;
}

void CBubbleEmitter::Restart(int n, int divisor, int frames)
{
    m_nCount = std::clamp(n, 0, m_nAllocated);
    if (m_bHidden)
        return;
    m_fSpeedFactor = SpeedFactorOf(divisor);
    for (int i = 0; i < m_nAllocated; ++i)
        Birth(m_pParticles[i], false);
    for (int i = 0; i < frames; ++i)
        Update();
}

void CBubbleEmitter::DrawRays()
{
    glBindTexture(GL_TEXTURE_2D, m_texRays);
    s_fRayPhase += s_bRaysRising ? kRayPhaseStep : -kRayPhaseStep;
    if (s_fRayPhase > kRayPhaseLimit)
        s_bRaysRising = 0;
    if (s_fRayPhase < -kRayPhaseLimit)
        s_bRaysRising = 1;
    const float u = s_fRayPhase;
    IVertexSink& sink = VertexSink();
    sink.Begin(GL_QUADS);
    sink.TexCoord(u, 0.0f);
    sink.Vertex(-180.0f, -110.0f, -108.0f);
    sink.TexCoord(u + 1.0f, 0.0f);
    sink.Vertex(200.0f, -110.0f, -108.0f);
    sink.TexCoord(u + 1.0f, 1.0f);
    sink.Vertex(200.0f, 204.0f, -108.0f);
    sink.TexCoord(u, 1.0f);
    sink.Vertex(-180.0f, 204.0f, -108.0f);
    sink.End();
}
