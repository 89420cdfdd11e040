// The tank box as a record: left, right, top, bottom, back, front.
#pragma once
#include "platform/wintypes.h"

class CTankBounds {
public:
    virtual ~CTankBounds() = default;
    // Keeps the box with its top raised by 10 and its bottom by 5.
    BOOL SetBounds(int unused, float left, float right, float top, float bottom, float back, float front)
    {
        (void)unused;
        m_fLeft = left;
        m_fRight = right;
        m_fTop = top + 10.0f;
        m_fBottom = bottom + 5.0f;
        m_fBack = back;
        m_fFront = front;
        return TRUE;
    }

    float m_fLeft = 0, m_fRight = 0, m_fTop = 0, m_fBottom = 0, m_fBack = 0, m_fFront = 0;
};
