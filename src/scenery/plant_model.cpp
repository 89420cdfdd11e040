#include "scenery/plant_model.h"

#include "platform/crt.h"

#include <GL/glew.h>

CPlantModel::CPlantModel(int stepBase)
{
    m_fPhaseOffset = static_cast<float>(crt::rand() % 100);
    m_fSegmentStep = RandomPhaseSpeed(stepBase);
}

CPlantModel::CPlantModel(FixedStep fixed)
{
    m_fPhaseOffset = static_cast<float>(crt::rand() % 100);
    m_fSegmentStep = fixed.step;
}

float CPlantModel::RandomSize() { return static_cast<float>((crt::rand() % 10 * 0.1 + 0.05) * 2); }

float CPlantModel::RandomLargeSize() { return static_cast<float>(10.5 + crt::rand() % 10 * 0.1); }

float CPlantModel::RandomRate(double unit) { return static_cast<float>((crt::rand() % 5 + 1) * unit); }

float CPlantModel::RandomSwing() { return static_cast<float>(crt::rand() % 10); }

float CPlantModel::RandomPhaseSpeed(int base) { return kPlantPi / static_cast<float>(crt::rand() % 5 + base); }

void CPlantModel::SetScale(float x, float y, float z)
{
    m_fScale[0] = x;
    m_fScale[1] = y;
    m_fScale[2] = z;
}

void CPlantModel::TranslatePosition() const
{
    glTranslatef(m_fPosition[0], 0.0f, 0.0f);
    glTranslatef(0.0f, m_fPosition[1], 0.0f);
    glTranslatef(0.0f, 0.0f, m_fPosition[2]);
}

void CPlantModel::TranslateRoot(const float root[3]) const
{
    glTranslatef(-root[0] * m_fScale[0], -root[1] * m_fScale[1], -root[2] * m_fScale[2]);
}
