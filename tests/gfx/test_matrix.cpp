#include "gfx/matrix.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

void ExpectMatrixNear(const float* a, const float* b)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(a[i], b[i], 1e-6f) << "element " << i;
}

const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

}  // namespace

TEST(Matrix, IdentityIsNeutralInEitherOrder)
{
    float id[16];
    MatrixIdentity(id);
    ExpectMatrixNear(id, kIdentity);
    float m[16];
    for (int i = 0; i < 16; ++i)
        m[i] = static_cast<float>(i * 3 - 7);
    float out[16];
    MatrixMultiply(out, id, m);
    ExpectMatrixNear(out, m);
    MatrixMultiply(out, m, id);
    ExpectMatrixNear(out, m);
}

TEST(Matrix, MultiplyIsColumnMajor)
{
    // a translates by (1, 2, 3); b scales by 2: a x b applied to a point scales first.
    float a[16];
    float b[16];
    MatrixIdentity(a);
    MatrixIdentity(b);
    a[12] = 1;
    a[13] = 2;
    a[14] = 3;
    b[0] = b[5] = b[10] = 2;
    float out[16];
    MatrixMultiply(out, a, b);
    EXPECT_FLOAT_EQ(out[0], 2);
    EXPECT_FLOAT_EQ(out[12], 1);
    EXPECT_FLOAT_EQ(out[14], 3);
}

TEST(Matrix, RotateGivesIdentityForZeroAxisOrZeroAngle)
{
    float m[16];
    MatrixRotate(m, 1.0f, 0, 0, 0);
    ExpectMatrixNear(m, kIdentity);
    MatrixRotate(m, 0.0f, 0.3f, -2.0f, 5.0f);
    ExpectMatrixNear(m, kIdentity);
}

TEST(Matrix, RotateTurnsCounterClockwiseAboutTheNormalisedAxis)
{
    struct Case {
        float angle, ax, ay, az;
        float vx, vy, vz;     // a vector
        float ex, ey, ez;     // where the rotation takes it
    };
    const float half = 1.5707963f;
    const Case cases[] = {
        {half, 0, 0, 1, 1, 0, 0, 0, 1, 0},   // x to y about z
        {half, 0, 0, 5, 1, 0, 0, 0, 1, 0},   // axis length does not matter
        {half, 1, 0, 0, 0, 1, 0, 0, 0, 1},   // y to z about x
        {half, 0, 1, 0, 0, 0, 1, 1, 0, 0},   // z to x about y
        {3.1415927f, 0, 1, 0, 1, 0, 0, -1, 0, 0},
    };
    for (const Case& c : cases) {
        float m[16];
        MatrixRotate(m, c.angle, c.ax, c.ay, c.az);
        const float x = m[0] * c.vx + m[4] * c.vy + m[8] * c.vz;
        const float y = m[1] * c.vx + m[5] * c.vy + m[9] * c.vz;
        const float z = m[2] * c.vx + m[6] * c.vy + m[10] * c.vz;
        EXPECT_NEAR(x, c.ex, 1e-5f);
        EXPECT_NEAR(y, c.ey, 1e-5f);
        EXPECT_NEAR(z, c.ez, 1e-5f);
        EXPECT_FLOAT_EQ(m[15], 1.0f);
    }
}

TEST(Matrix, DegToRadUsesTheGameConstant)
{
    EXPECT_DOUBLE_EQ(DegToRad(180.0), 180.0 * 0.017453291681077746);
}
