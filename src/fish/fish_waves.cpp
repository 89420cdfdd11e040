// The wave generators and the bend toward the heading.
#include "fish/fish_model.h"

#include "platform/crt.h"

#include <algorithm>
#include <cmath>

namespace {

// The values of the sine-based kinds, in float or in double precision (R).
// In double the size factor is part of the product.
template <class R>
void SineValues(const WaveGen& gen, FishWave& w, R size, float* out, int n)
{
    const R k = w.waveNumber, phase = w.phase, gain = gen.gain;
    for (int i = 0; i < n; ++i) {
        const R s = std::sin(static_cast<R>(i) * k + phase);
        R v = 0;
        switch (gen.kind) {
        case WaveKind::Sine:
            v = gain * static_cast<R>(w.amplitude) * s;
            break;
        case WaveKind::Growing:
            v = s * static_cast<R>(i) * gain;
            if (gen.writesAmplitude)
                w.amplitude = static_cast<float>(i * gain);
            break;
        case WaveKind::BodyWave:
            if (i >= gen.start) {
                v = gain * static_cast<R>(i - gen.start) * static_cast<R>(0.5) * s;
                if (gen.writesAmplitude)
                    w.amplitude = static_cast<float>((i - gen.start) * gain);
            }
            break;
        default:
            break;
        }
        out[i] = static_cast<float>(v * size);
    }
}

}  // namespace

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
        return;
    case WaveKind::Growing:
        ComputeGrowingWave(gen, out, n);
        return;
    case WaveKind::BodyWave:
        ComputeBodyWave(gen, out, n);
        return;
    case WaveKind::Mirrored:
        ComputeMirroredWave(gen, out, n);
        return;
    case WaveKind::ByHand:
        ComputeWaveByHand(gen, out, n);
        return;
    case WaveKind::Ramp:
    case WaveKind::ReverseRamp:
        if (gen.toggleAfter >= 0)
            ComputeRampToggle(gen, out, n);
        else
            ComputeRamp(gen, out, n);
        return;
    case WaveKind::Bend:
        ComputeBendToHeading(out, n, static_cast<float>(m_nTargetHeading));
        return;
    }
}

// What every generator does last, on the n entries it wrote: the size factor,
// the pinned entries, the last entry's factor and the class's own post-step.
static void FinishWave(CFishModel& fish, const WaveGen& gen, float* out, int n)
{
    for (int i = 0; i < n; ++i) {
        if (gen.timesSize && !gen.inDouble)
            out[i] *= fish.m_nSize;
        if (i < 64 && (gen.pinned >> i) & 1u)
            out[i] = 0.0f;
    }
    if (n > 0)
        out[n - 1] *= gen.lastTimes;
    if (gen.post)
        gen.post(fish, out, n);
}

// The sine-based kinds: the shared phase step, then the values.
static void SineKind(CFishModel& fish, const WaveGen& gen, float* out, int n)
{
    FishWave& w = fish.m_Wave[gen.block];
    CFishModel::StepPhase(w, gen.cadence);
    if (gen.inDouble)
        SineValues<double>(gen, w, gen.timesSize ? fish.m_nSize : 1, out, n);
    else
        SineValues<float>(gen, w, 1.0f, out, n);
    FinishWave(fish, gen, out, n);
}

void CFishModel::ComputeSineWave(const WaveGen& gen, float* out, int n) { SineKind(*this, gen, out, n); }

void CFishModel::ComputeGrowingWave(const WaveGen& gen, float* out, int n) { SineKind(*this, gen, out, n); }

void CFishModel::ComputeBodyWave(const WaveGen& gen, float* out, int n) { SineKind(*this, gen, out, n); }

void CFishModel::ComputeMirroredWave(const WaveGen& gen, float* out, int n)
{
    FishWave& w = m_Wave[gen.block];
    StepPhase(w, gen.cadence);
    // The fold ends where its last entry mirrors entry 0: no more are written.
    n = std::min(n, gen.start + gen.end + 1);
    for (int i = 0; i < n; ++i) {
        if (i <= gen.start)
            out[i] = w.amplitude * std::sin(i * w.waveNumber + w.phase);
        else if (i <= gen.end)
            out[i] = out[gen.start];
        else
            out[i] = out[gen.start + gen.end - i];
    }
    FinishWave(*this, gen, out, n);
}

void CFishModel::ComputeWaveByHand(const WaveGen& gen, float* out, int n)
{
    FishWave& w = m_Wave[gen.block];
    StepPhase(w, gen.cadence);
    for (int i = 0; i < n; ++i)
        out[i] = gen.value(*this, w, i, n);
    FinishWave(*this, gen, out, n);
}

void CFishModel::ComputeRamp(const WaveGen& gen, float* out, int n)
{
    const float slope = gen.slope != 0.0f ? gen.slope : m_Wave[gen.block].amplitude;
    const bool reverse = gen.kind == WaveKind::ReverseRamp;
    const int ramped = std::clamp(n - gen.leaveLast, 0, std::max(n, 0));
    // In double precision the size is part of the product.
    const double size = gen.timesSize ? m_nSize : 1;
    for (int i = 0; i < ramped; ++i) {
        const int step = reverse ? n - i : i + gen.shift;
        out[i] = m_bStroke ? 0.0f : gen.inDouble ? static_cast<float>(size * slope * step) : step * slope;
    }
    FinishWave(*this, gen, out, ramped);
    std::fill(out + ramped, out + std::max(n, 0), 0.0f);  // the entries left out end at 0
}

void CFishModel::ComputeRampToggle(const WaveGen& gen, float* out, int n)
{
    ComputeRamp(gen, out, n);
    int& counter = gen.sharedCounter ? *gen.sharedCounter : m_Wave[gen.block].counter;
    const int threshold = gen.toggleAfter + (gen.toggleJitter > 0 ? crt::rand() % gen.toggleJitter : 0);
    if (counter++ > threshold) {
        counter = 0;
        m_bStroke = !m_bStroke;
    }
}

void CFishModel::ComputeBendToHeading(float* out, int n, float target)
{
    n = std::clamp(n, 0, kFishMaxSegments);  // one entry per segment angle, no more
    const BendRule& rule = m_pClass->bend;
    if (std::fabs(m_fLastTarget - m_nTargetHeading) > 0.01f) {  // a new turn
        m_bBendReached = 0;
        m_bBendSettled = 0;
        m_fLastTarget = target;
    }
    crt::rand();

    // The head steps on every third call.
    if (m_nBendCounter++ > 1) {
        m_nBendCounter = 0;
        if (!m_bBendReached) {
            float step = rule.headingStep;
            if (rule.stepBySize) {
                const float t = std::fabs(target);
                step = t >= 10.0f ? 10.0f : t >= 5.0f ? 3.0f : 1.0f;
            }
            if (m_bNoWander && rule.noWanderStep > 0.0f)
                step = rule.noWanderStep;
            if (rule.wallStepIsTarget && (m_nWallState == 1 || m_nWallState == 2))
                step = target;
            m_fHeading = m_fHeading < target ? std::min(m_fHeading + step, target) : std::max(m_fHeading - step, target);
        }
        if (static_cast<int>(m_fHeading - target) == 0)
            m_bBendReached = 1;
    }

    // Turning: segment i trails the head by the lag; a head already on the
    // target shows the target all along (it has just come round at a wall).
    // At an x wall the whole fish comes round at once.
    if (!m_bBendReached) {
        for (int i = 0; i < n; ++i) {
            if (m_fHeading < target)
                out[i] = m_fHeading - rule.lag * i;
            else if (m_fHeading > target)
                out[i] = m_fHeading + rule.lag * i;
            else
                out[i] = m_fHeading;
            m_nBendAngle[i] = static_cast<int>(out[i]);
        }
        if (m_nWallState == 1 || m_nWallState == 2) {
            std::fill(out, out + n, target);
            std::fill(m_nBendAngle, m_nBendAngle + n, static_cast<int>(target));
            m_fHeading = static_cast<float>(m_nTargetHeading);
        }
        return;
    }

    // Reached: the segments catch up.
    if (!m_bBendSettled) {
        crt::rand();
        const float step =
            m_bNoWander && rule.noWanderSettleStep > 0.0f ? rule.noWanderSettleStep : rule.settleStep;
        bool moved = false;
        for (int i = 0; i < n; ++i) {
            int& a = m_nBendAngle[i];
            if (a < target) {
                a = static_cast<int>(std::min(a + step, target));
                moved = true;
            } else if (a > target) {
                a = static_cast<int>(std::max(a - step, target));
                moved = true;
            }
        }
        if (!moved)
            m_bBendSettled = 1;
    }
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<float>(m_nBendAngle[i]);
}
