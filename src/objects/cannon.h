// The player's cannon and its five shot slots. Shots are stored 20 units
// above where they are drawn and tested.
#pragma once
#include "platform/wintypes.h"

struct CANNONSHOT {
    float x = 0.0f, y = -20.0f, z = -77.5f;
    BYTE active = 0;
    float angle = 0.0f;
    BYTE spent = 0;
};

class CCannon {
public:
    static constexpr int SHOT_SLOTS = 5;

    CCannon();
    virtual ~CCannon() = default;

    void Init(float x, float y, float z);
    void SetTarget(float x, float y, float z);

    float m_fHome[3] = {};
    float m_fTarget[3] = {};
    float m_fPosition[3] = {};
    float m_fAngle = 0.0f;
    CANNONSHOT m_Shots[SHOT_SLOTS];

private:
    void ResetShots();
};
