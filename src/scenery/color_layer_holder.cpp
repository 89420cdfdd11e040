#include "scenery/color_layer_holder.h"

#include "platform/crt.h"
#include "scenery/color_layers.h"
#include "scenery/tank_scenery.h"

void CColorLayerHolder::Init(float p0, float p1, float p2, float p3, float p4, float p5)
{
    const float values[6] = {p0, p1, p2, p3, p4, p5};
    for (int i = 0; i < 6; ++i)
        m_fParam[i] = values[i];
    m_nList = GetExtraList();
    m_nRampList = BuildColorRampList();
    m_nLayerList = BuildColorLayerList();
    m_nLayerList2 = BuildColorLayerList2();
}

void CColorLayerHolder::Init(const float placement[6])
{
    Init(placement[0], placement[1], placement[2], placement[3], placement[4], placement[5]);
}

void DrawPlacementTurns(float placement[6], int modulus)
{
    for (int i = 3; i < 6; ++i)
        placement[i] = static_cast<float>(crt::rand() % modulus);
    DiscardRandom(2);
}
