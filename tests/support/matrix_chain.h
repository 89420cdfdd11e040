// A chain of transforms as the GL matrix calls build it (each call applies to
// what follows it), for tests that work out where a draw puts a point.
#pragma once
#include "gfx/matrix.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

class MatrixChain {
public:
    MatrixChain() { MatrixIdentity(m_); }

    MatrixChain& Translate(float x, float y, float z) { return ThenIdentityWith({{12, x}, {13, y}, {14, z}}); }
    MatrixChain& Rotate(float degrees, float x, float y, float z)
    {
        float r[16];
        MatrixRotate(r, static_cast<float>(DegToRad(degrees)), x, y, z);
        return Then(r);
    }
    MatrixChain& Scale(float x, float y, float z) { return ThenIdentityWith({{0, x}, {5, y}, {10, z}}); }

    // Where the chain puts the point p times `scale`; a direction is turned only.
    std::array<float, 3> Point(const float* p, float scale = 1) const { return Apply(p, scale, 1); }
    std::array<float, 3> Direction(const float* n) const { return Apply(n, 1, 0); }
    const float* Matrix() const { return m_; }

private:
    // The identity with the given entries changed, applied next.
    MatrixChain& ThenIdentityWith(std::initializer_list<std::pair<int, float>> entries)
    {
        float m[16];
        MatrixIdentity(m);
        for (const auto& [index, value] : entries)
            m[index] = value;
        return Then(m);
    }
    MatrixChain& Then(const float b[16])
    {
        float out[16];
        MatrixMultiply(out, m_, b);
        std::copy(out, out + 16, m_);
        return *this;
    }
    std::array<float, 3> Apply(const float* p, float scale, float w) const
    {
        std::array<float, 3> out;
        for (int r = 0; r < 3; ++r)
            out[r] = m_[r] * p[0] * scale + m_[4 + r] * p[1] * scale + m_[8 + r] * p[2] * scale + m_[12 + r] * w;
        return out;
    }

    float m_[16];
};
