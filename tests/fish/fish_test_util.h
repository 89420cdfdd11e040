// Helpers of the fish tests.
#pragma once
#include "fish/fish_model.h"
#include "platform/crt.h"
#include "support/vertex_recorder.h"

#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

// How many crt::rand() values `op` draws: the values that follow it are found
// in a fresh sequence of the same seed.
inline int RandDraws(const std::function<void()>& op, unsigned seed = 1)
{
    crt::srand(seed);
    op();
    const int a = crt::rand(), b = crt::rand();
    crt::srand(seed);
    int previous = crt::rand();
    for (int n = 0; n < 100000; ++n) {
        const int current = crt::rand();
        if (previous == a && current == b)
            return n;
        previous = current;
    }
    return -1;
}

// The i-th value (0 first) of the sequence started by srand(seed).
inline int RandValue(int i, unsigned seed = 1)
{
    crt::srand(seed);
    for (int k = 0; k < i; ++k)
        crt::rand();
    return crt::rand();
}

// A mesh part as one frame sends it: strips of `points` vertices each.
struct PartShape {
    const char* name;
    int strips, points;
};

// One frame of `fish` recorded: the body's empty quads first, then every part
// in the class's order as its strips, and the whole vertex count.
template <size_t N>
void ExpectPartsInOrder(const VertexRecorder& recorder, const CFishModel& fish, const PartShape (&shapes)[N],
                        size_t primitives, size_t vertices)
{
    ASSERT_EQ(recorder.primitives.size(), primitives);
    EXPECT_EQ(recorder.primitives[0].mode, GLenum(GL_QUADS));
    EXPECT_TRUE(recorder.primitives[0].vertices.empty());
    size_t p = 1;
    for (const PartShape& shape : shapes)
        for (int s = 0; s < shape.strips; ++s, ++p) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << shape.name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(shape.points)) << shape.name << " strip " << s;
        }
    EXPECT_EQ(recorder.VertexCount(), vertices);
    for (size_t i = 0; i < N; ++i)
        EXPECT_STREQ(fish.Class().parts[i].name, shapes[i].name);
}

// A point turned by `angle` degrees about the model's z axis, as a part
// matrix set by SetPartRotation(angle, 0, 0, 1) turns it.
inline std::array<float, 3> TurnedAboutZ(const std::array<float, 3>& p, float angle)
{
    const double a = angle * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    return {c * p[0] - s * p[1], s * p[0] + c * p[1], p[2]};
}

inline void ExpectNearPoint(const std::array<float, 3>& a, const std::array<float, 3>& b, const std::string& what,
                            float tolerance = 3e-5f)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], tolerance) << what << " axis " << k;
}

// A fish of class Fish placed in the tank's swim box, where no wall is near
// and no wander decision comes before frame 302, with a recorder of what it
// draws.
template <class Fish>
class PlacedFishTest : public testing::Test {
protected:
    PlacedFishTest()
    {
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[2] = -75;
        fish.m_nWanderTimer = 0;
    }
    // Vertex `second` (0 or 1) of column `column` of a recorded strip.
    const std::array<float, 3>& At(size_t primitive, int column, int second) const
    {
        return recorder.primitives.at(primitive).vertices.at(2 * column + second).position;
    }

    VertexRecorder recorder;
    Fish fish;
};
