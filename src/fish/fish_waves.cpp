// The wave generators and the bend toward the heading.
#include "fish/fish_model.h"

#include "platform/crt.h"

#include <algorithm>
#include <cmath>

void CFishModel::StepPhase(FishWave& wave, int cadence)
{
    if (wave.counter++ > cadence) {
        wave.phase += wave.phaseStep;
        wave.counter = 0;
    }
    if (wave.phase > 6.283185f)
        wave.phase = 0.0f;
}

void CFishModel::ComputeWave(const WaveGen& gen, float* out, int n)
{
    switch (gen.kind) {
    case WaveKind::Sine:
        ComputeSineWave(gen, out, n);
        break;
    case WaveKind::Growing:
        ComputeGrowingWave(gen, out, n);
        break;
    case WaveKind::BodyWave:
        ComputeBodyWave(gen, out, n);
        break;
    case WaveKind::Mirrored:
        ComputeMirroredWave(gen, out, n);
        break;
    case WaveKind::Ramp:
    case WaveKind::ReverseRamp:
        if (gen.toggleAfter >= 0)
            ComputeRampToggle(gen, out, n);
        else
            ComputeRamp(gen, out, n);
        return;  // ramps finish themselves
    case WaveKind::Bend:
        ComputeBendToHeading(out, n, static_cast<float>(m_nTargetHeading));
        return;
    }
    FinishWave(gen, out, n);
}

// What every generator does last: the size factor, the pinned entries and
// the class's own post-step.
void CFishModel::FinishWave(const WaveGen& gen, float* out, int n)
{
    for (int i = 0; i < n; ++i) {
        if (gen.timesSize)
            out[i] *= m_nSize;
        if (i < 32 && (gen.pinned >> i) & 1u)
            out[i] = 0.0f;
    }
    if (gen.post)
        gen.post(*this, out, n);
}

void CFishModel::ComputeSineWave(const WaveGen& gen, float* out, int n)
{
    FishWave& w = m_Wave[gen.block];
    StepPhase(w, gen.cadence);
    for (int i = 0; i < n; ++i)
        out[i] = gen.gain * w.amplitude * std::sin(i * w.waveNumber + w.phase);
}

void CFishModel::ComputeGrowingWave(const WaveGen& gen, float* out, int n)
{
    FishWave& w = m_Wave[gen.block];
    StepPhase(w, gen.cadence);
    for (int i = 0; i < n; ++i)
        out[i] = std::sin(i * w.waveNumber + w.phase) * i * gen.gain;
}

void CFishModel::ComputeBodyWave(const WaveGen& gen, float* out, int n)
{
    FishWave& w = m_Wave[gen.block];
    StepPhase(w, gen.cadence);
    for (int i = 0; i < n; ++i)
        out[i] = i < gen.start ? 0.0f : gen.gain * (i - gen.start) * 0.5f * std::sin(i * w.waveNumber + w.phase);
}

void CFishModel::ComputeMirroredWave(const WaveGen& gen, float* out, int n)
{
    FishWave& w = m_Wave[gen.block];
    StepPhase(w, gen.cadence);
    for (int i = 0; i < n; ++i) {
        if (i <= gen.start)
            out[i] = w.amplitude * std::sin(i * w.waveNumber + w.phase);
        else if (i <= gen.end)
            out[i] = out[gen.start];
        else
            out[i] = gen.start + gen.end - i >= 0 ? out[gen.start + gen.end - i] : 0.0f;
    }
}

void CFishModel::ComputeRamp(const WaveGen& gen, float* out, int n)
{
    const float slope = m_Wave[gen.block].amplitude;
    const bool reverse = gen.kind == WaveKind::ReverseRamp;
    for (int i = 0; i < n; ++i)
        out[i] = m_bStroke ? 0.0f : (reverse ? n - i : i) * slope;
    FinishWave(gen, out, n);
}

void CFishModel::ComputeRampToggle(const WaveGen& gen, float* out, int n)
{
    ComputeRamp(gen, out, n);
    FishWave& w = m_Wave[gen.block];
    const int threshold = gen.toggleAfter + (gen.toggleJitter > 0 ? crt::rand() % gen.toggleJitter : 0);
    if (w.counter++ > threshold) {
        w.counter = 0;
        m_bStroke = !m_bStroke;
    }
}

void CFishModel::ComputeBendToHeading(float* out, int n, float target)
{
    if (std::fabs(m_fLastTarget - m_nTargetHeading) > 0.01f) {  // a new turn
        m_bBendReached = 0;
        m_bBendSettled = 0;
        m_fLastTarget = target;
    }
    crt::rand();

    // The head steps 20 degrees on every third call.
    if (m_nBendCounter++ > 1) {
        m_nBendCounter = 0;
        if (!m_bBendReached)
            m_fHeading = m_fHeading < target ? std::min(m_fHeading + 20.0f, target)
                                             : std::max(m_fHeading - 20.0f, target);
        if (static_cast<int>(m_fHeading - target) == 0)
            m_bBendReached = 1;
    }

    // Turning: segment i trails the head by 20 i degrees; at an x wall the
    // whole fish comes round at once.
    if (!m_bBendReached) {
        for (int i = 0; i < n; ++i) {
            if (m_fHeading < target)
                out[i] = m_fHeading - 20.0f * i;
            else if (m_fHeading > target)
                out[i] = m_fHeading + 20.0f * i;
            m_nBendAngle[i] = static_cast<int>(out[i]);
        }
        if (m_nWallState == 1 || m_nWallState == 2) {
            std::fill(out, out + n, target);
            std::fill(m_nBendAngle, m_nBendAngle + n, static_cast<int>(target));
            m_fHeading = static_cast<float>(m_nTargetHeading);
        }
        return;
    }

    // Reached: the segments catch up 20 degrees a call.
    if (!m_bBendSettled) {
        crt::rand();
        bool moved = false;
        for (int i = 0; i < n; ++i) {
            int& a = m_nBendAngle[i];
            if (a < target) {
                a = static_cast<int>(std::min(a + 20.0f, target));
                moved = true;
            } else if (a > target) {
                a = static_cast<int>(std::max(a - 20.0f, target));
                moved = true;
            }
        }
        if (!moved)
            m_bBendSettled = 1;
    }
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<float>(m_nBendAngle[i]);
}
