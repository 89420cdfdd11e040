// The player's cannon and its five shot slots. Shots are stored 20 units
// above where they are drawn and tested.
#pragma once
#include "platform/wintypes.h"

struct CANNONSHOT {
    float x = 0.0f, y = -20.0f, z = -77.5f;
    BYTE active = 0;
    float angle = 0.0f;  // degrees, the aim when fired
    BYTE spent = 0;      // set when the shot hits a fish
};

class CCannon {
public:
    static constexpr int SHOT_SLOTS = 5;
    // Where cannon and shots are drawn below their stored height.
    static constexpr float DRAW_DROP = 20.0f;

    CCannon();
    virtual ~CCannon() = default;

    void Init(float x, float y, float z);
    void SetTarget(float x, float y, float z);

    // Fires from the first idle slot of 1..4 with the current aim; when all
    // four are busy, clears them instead and fires nothing. Slot 0 never fires.
    void Fire();
    // Draws the barrel and its ball in white, turned by the aim, then the shots.
    void Draw();
    // Moves each flying shot of slots 1..4 one unit along its course, draws it,
    // and frees its slot once it is outside -50..50 in x or y.
    void UpdateAndDrawShots();

    float m_fHome[3] = {};
    float m_fTarget[3] = {};
    float m_fPosition[3] = {};
    float m_fAngle = 0.0f;  // degrees, 0 up, positive toward -x
    CANNONSHOT m_Shots[SHOT_SLOTS];

private:
    void ResetShots();
};
