// A mesh table of rings (each ring a cross-section of a stem, stalk or
// leaf, point by point across it), as the plant model tests measure it.
#pragma once
#include "scenery/plant_meshes.h"

#include <algorithm>
#include <array>
#include <cmath>

struct RingTable {
    const PlantVertex* table = nullptr;
    int rings = 0, columns = 0;
    bool closed = false;  // the last column repeats the first

    const PlantVertex& At(int ring, int column) const { return table[ring * columns + column]; }
    // The mean of a ring's points, the repeated column counted once.
    std::array<float, 3> Centre(int ring) const
    {
        const int n = closed ? columns - 1 : columns;
        std::array<float, 3> sum{};
        for (int c = 0; c < n; ++c) {
            const PlantVertex& v = At(ring, c);
            sum = {sum[0] + v.x / n, sum[1] + v.y / n, sum[2] + v.z / n};
        }
        return sum;
    }
    // The largest distance between two points of a ring.
    float Width(int ring) const
    {
        float w = 0;
        for (int a = 0; a < columns; ++a)
            for (int b = 0; b < columns; ++b) {
                const PlantVertex &p = At(ring, a), &q = At(ring, b);
                w = std::max(w, std::hypot(p.x - q.x, p.y - q.y, p.z - q.z));
            }
        return w;
    }
    float Widest() const
    {
        float w = 0;
        for (int r = 0; r < rings; ++r)
            w = std::max(w, Width(r));
        return w;
    }
};

template <int R, int C>
RingTable RingsOf(const PlantVertex (&t)[R][C], bool closed)
{
    return {&t[0][0], R, C, closed};
}
