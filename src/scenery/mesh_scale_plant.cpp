#include "scenery/mesh_scale_plant.h"

CMeshScalePlant::CMeshScalePlant(int stepBase) : CPlantModel(stepBase) { DrawRates(); }

CMeshScalePlant::CMeshScalePlant(FixedStep fixed) : CPlantModel(fixed) { DrawRates(); }

void CMeshScalePlant::DrawRates()
{
    m_fSwingRate = m_fSwingRateReset = RandomRate(0.025);
    m_fExtraRate = RandomRate(0.005);
    m_fSwing = RandomSwing();
    m_fPhaseSpeed = m_fPhaseSpeedReset = RandomPhaseSpeed(15);
    m_fPhaseSpeedSlow = static_cast<float>(m_fPhaseSpeed * 0.2);
    for (float& size : m_fSize)
        size = RandomLargeSize();
}
