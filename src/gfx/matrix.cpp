#include "gfx/matrix.h"

#include <cmath>
#include <cstring>

namespace {
const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

void MatrixIdentity(float m[16]) { std::memcpy(m, kIdentity, sizeof kIdentity); }

void MatrixMultiply(float out[16], const float a[16], const float b[16])
{
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += a[4 * k + r] * b[4 * c + k];
            out[4 * c + r] = sum;
        }
    }
}

void MatrixRotate(float m[16], float angle, float x, float y, float z)
{
    const float len = std::sqrt(x * x + y * y + z * z);
    if (len == 0.0f) {
        MatrixIdentity(m);
        return;
    }
    x /= len;
    y /= len;
    z /= len;
    const float s = std::sin(angle);
    const float c = std::cos(angle);
    const float t = 1.0f - c;
    m[0] = x * x * t + c;
    m[1] = t * x * y + s * z;
    m[2] = t * x * z - s * y;
    m[3] = 0;
    m[4] = t * x * y - s * z;
    m[5] = y * y * t + c;
    m[6] = t * y * z + s * x;
    m[7] = 0;
    m[8] = t * x * z + s * y;
    m[9] = t * y * z - s * x;
    m[10] = z * z * t + c;
    m[11] = 0;
    m[12] = m[13] = m[14] = 0;
    m[15] = 1;
}

double DegToRad(double degrees) { return degrees * kRadiansPerDegree; }
