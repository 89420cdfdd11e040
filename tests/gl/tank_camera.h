// Where a world point lands in the game window, seen through the camera of
// the frame (its frustum, its eye and zoom): window pixels, y downward.
#pragma once
#include "view/tank_view.h"

struct WindowPoint {
    int x = 0;
    int y = 0;
};

inline WindowPoint ProjectToWindow(const CTankView& view, float x, float y, float z)
{
    double f[4];
    ComputeFrustum(view.m_nScreenWidth, view.m_nScreenHeight, f);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glFrustum(f[0], f[1], f[2], f[3], 1.0, 1000.0);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(g_fEyeX, g_fEyeY, g_fEyeZ + view.m_fCameraZ, 0, 0, -500, 0, 1, 0);
    GLdouble modelview[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glPopMatrix();
    const GLint viewport[4] = {0, 0, view.m_nScreenWidth, view.m_nScreenHeight};
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(x, y, z, modelview, projection, viewport, &wx, &wy, &wz);
    return {static_cast<int>(wx), view.m_nScreenHeight - 1 - static_cast<int>(wy)};
}
