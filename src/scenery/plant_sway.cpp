#include "scenery/plant_sway.h"

#include <algorithm>
#include <cmath>

namespace {

// Both oscillators step on the call after two calls that did not.
bool StepsThisCall(int& counter)
{
    const int calls = counter++;
    if (calls <= 1)
        return false;
    counter = 0;
    return true;
}

}  // namespace

void CSwayWave::Compute(const SwayShape& shape, float& phase, float step, float* out, int n)
{
    if (StepsThisCall(m_nSwayCounter))
        phase += m_fPhaseSpeed;
    if (phase > kPlantTwoPi)
        phase = 0.0f;
    for (int i = 0; i < n; ++i) {
        const float angle = static_cast<float>(i) * step + phase;
        const double growth = shape.growsAlongLeaf ? i : 1;
        out[i] = static_cast<float>(std::sin(static_cast<double>(angle)) * growth * shape.amplitude);
    }
    std::fill(out, out + shape.stillRows, 0.0f);
}

void CSwingRamp::Compute(float* out, int n, float limit, float factor, BYTE& up)
{
    if (StepsThisCall(m_nSwingCounter)) {
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
