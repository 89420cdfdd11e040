// Rising bubbles: textured squares that drift up from the emitter's origin,
// fade, and are born again; optionally a scrolling quad of light rays.
#pragma once
#include "objects/particle_system.h"

#include <GL/glew.h>

#include <random>
#include <vector>

class CBubbleEmitter : public CParticleSystem {
public:
    CBubbleEmitter() = default;
    ~CBubbleEmitter() override;

    // Allocates and births count bubbles and loads the textures; FALSE (no
    // textures loaded) when the particles cannot be allocated.
    BOOL Init(int count) override;
    void Update() override;

    void SetHidden(BOOL hidden);
    // While set, births and jitter draw from a sequence of the emitter's own
    // instead of crt::rand: bubbles drawn during play leave the game's
    // sequence (placement, fish) as it was without them.
    void SetOwnRandom(BOOL own);
    // Draws the first n bubbles (n held to 0..the particles allocated) and, with
    // bRays, the light rays; the speed factor becomes 1 / divisor for divisor
    // 1..100 and 0.01 otherwise; then one Update. While hidden only the count
    // changes.
    void Render(int n, BOOL bRays, int divisor);
    // The column begun anew: the count as Render sets it, the speed factor
    // of divisor, every bubble born again (each keeps its size), and then
    // `frames` updates without drawing. While hidden only the count changes.
    void Restart(int n, int divisor, int frames);

    BYTE m_bHidden = 1;
    GLuint m_texBubble[2] = {};  // "Particle1", "Particle2"
    GLuint m_texRays = 0;        // "GuangXian"
    // Scales the rising speed and acceleration of bubbles born afterwards.
    float m_fSpeedFactor = 1.0f;

    // The rays' texture offset and its direction, shared by every emitter.
    static float s_fRayPhase;
    static BYTE s_bRaysRising;

private:
    int Rand();
    // The speed factor of a divisor: 1 / divisor for 1..100, else that of 100.
    static float SpeedFactorOf(int divisor);
    // New values for a bubble; the size only at the first birth.
    void Birth(PARTICLE& p, bool withSize);
    void DrawRays();

    BYTE m_bOwnRandom = 0;
    std::minstd_rand m_random;
    std::vector<double> m_jitter;  // x and z of each bubble drawn this frame
};
