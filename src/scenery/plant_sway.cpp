#include "scenery/plant_sway.h"

#include <algorithm>
#include <cmath>

void StepSwayPhase(int& counter, int cadence, float& phase, float speed)
{
    const int calls = counter++;
    if (calls > cadence) {
        phase += speed;
        counter = 0;
    }
    if (phase > kPlantTwoPi)
        phase = 0.0f;
}

void FillSwayWave(const SwayShape& shape, float phase, float step, float* out, int n)
{
    for (int i = 0; i < n; ++i) {
        const float angle = static_cast<float>(i) * step + phase;
        const double gain = shape.gainBase + shape.gainStep * i;
        out[i] = static_cast<float>(std::sin(static_cast<double>(angle)) * gain * shape.amplitude);
    }
    std::fill(out, out + shape.stillRows, 0.0f);
    if (shape.closesRing && n > 0)
        out[0] = out[n - 1];
}

void CSwayWave::Compute(const SwayShape& shape, float& phase, float step, float* out, int n)
{
    StepSwayPhase(m_nSwayCounter, shape.cadence, phase, m_fPhaseSpeed);
    FillSwayWave(shape, phase, step, out, n);
}

void CSwingRamp::Compute(float* out, int n, float limit, float factor, BYTE& up)
{
    if (m_nSwingCounter++ > 1) {
        m_nSwingCounter = 0;
        if (up) {
            m_fSwing += m_fSwingRate;
            if (m_fSwing > limit) {
                m_fSwing = limit;
                up = 0;
            }
        }
        if (!up) {
            m_fSwing -= m_fSwingRate;
            if (m_fSwing < -limit) {
                m_fSwing = -limit;
                up = 1;
            }
        }
    }
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<float>(i) * (m_fSwing / static_cast<float>(n)) * factor;
}

void CSharedSwayAngle::Step(double step, double low, double high, bool testSum)
{
    const double sum = static_cast<double>(m_fAngle) + (m_bRising ? step : -step);
    m_fAngle = static_cast<float>(sum);
    const double tested = testSum ? sum : static_cast<double>(m_fAngle);
    if (tested > high)
        m_bRising = 0;
    if (tested < low)
        m_bRising = 1;
}
