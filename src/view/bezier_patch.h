// The back-wall Bezier patch: 6 x 6 control points, degree 5 each way.
#pragma once
#include <cstdint>

struct POINT_3D {
    double x = 0, y = 0, z = 0;
};

struct BEZIER_PATCH {
    POINT_3D anchors[6][6];
    int32_t nList = 0;
};

extern float g_fBezierSway;
extern unsigned char g_bBezierSwayUp;
