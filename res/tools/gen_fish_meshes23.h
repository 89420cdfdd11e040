// Species 23, the clownfish: its mesh parts sampled from its shape
// (gen_fish_species23.h) to the grids its class draws.
#pragma once
#include "gen_fish_kit.h"
#include "gen_fish_species23.h"

#include <functional>

namespace fish23 {

inline void Edged(float a, float b, float& s, float& t) { FinST(FinStyle::Edged, a, b, s, t); }
inline void Plain(float a, float b, float& s, float& t) { FinST(FinStyle::Plain, a, b, s, t); }

inline Point BodyPoint(float u, float theta)
{
    Point q;
    q.p = Surface(u, theta);
    q.n = SurfaceNormal(u, theta);
    q.s = BodyS(u);
    q.t = BodyT(theta / kPi);
    return q;
}

// A point on the flank at x and height z, lifted off the surface by `lift`.
inline V3 OnFlank(float x, float z, float lift)
{
    const float u = UOf(x), theta = ThetaAt(u, z);
    return Surface(u, theta) + SurfaceNormal(u, theta) * lift;
}

inline Grid Body()
{
    Grid g = MakeGrid(kBodyRows, kBodyColumns);
    for (int r = 0; r < kBodyRows; ++r)
        for (int j = 0; j < kBodyColumns; ++j)
            g[r][j] = BodyPoint(UOf(ColumnX(j)), kPi * r / (kBodyRows - 1));
    return g;
}

// The snout in front of body column 0, as the body surface carried on to the
// tip: column 0 is the body's own first column (so the two meet without
// cracks), the last column the tip. The upper jaw takes the body's rows from
// the ridge to the mouth, with a lip just above the mouth that thickens
// toward the tip; the lower jaw the rows from the mouth to the belly.
inline float BodyRowTheta(int r) { return kPi * r / (kBodyRows - 1); }

inline Grid Jaw(bool upper)
{
    const Grid body = Body();
    const int mouthRow = kMouthRow, rows = upper ? mouthRow + 2 : kBodyRows - mouthRow;
    Grid g = MakeGrid(rows, 4);
    for (int r = 0; r < rows; ++r) {
        const int bodyRow = upper ? std::min(r, mouthRow) : mouthRow + r;
        for (int k = 0; k < 4; ++k) {
            const float x = kFirstColumnX + (kSnoutX - kFirstColumnX) * k / 3.0f;
            float theta = BodyRowTheta(r == mouthRow + 1 ? mouthRow : bodyRow);
            if (upper && r == mouthRow)
                theta -= 0.3f * BodyRowTheta(1) * k / 3.0f;  // the lip
            g[r][k] = k == 0 ? body[bodyRow][0] : BodyPoint(UOf(x), theta);
        }
    }
    return g;
}

// A fin standing on the midline (y = 0): root points along x at heights
// rootZ(u), the edge `height[c]` away (up for sign +1, down for -1), leaning
// back by lean x height.
inline Grid MidlineFin(float x0, float x1, std::function<float(float)> rootZ, const std::vector<float>& height, float sign,
                float lean)
{
    const int n = static_cast<int>(height.size());
    std::vector<V3> root(n), edge(n);
    for (int c = 0; c < n; ++c) {
        const float x = x0 + (x1 - x0) * c / (n - 1);
        root[c] = {x, 0.0f, rootZ(UOf(x))};
        edge[c] = {x + lean * height[c], 0.0f, root[c].z + sign * height[c]};
    }
    return FinSheet(root, edge, {0, 1, 0}, Edged);
}

inline Grid SpinyDorsal()
{
    std::vector<float> h = {0.018f, 0.038f, 0.050f, 0.058f, 0.063f, 0.065f, 0.065f,
                            0.063f, 0.060f, 0.056f, 0.052f, 0.047f, 0.042f, 0.036f};
    for (size_t c = 1; c < h.size(); c += 2)
        h[c] *= 0.82f;  // the membrane dips between the spines
    return MidlineFin(-0.185f, 0.115f, [](float u) { return Back(u) - 0.006f; }, h, 1.0f, 0.5f);
}

inline Grid SoftDorsal()
{
    return MidlineFin(0.105f, 0.305f, [](float u) { return Back(u) - 0.006f; },
                      {0.045f, 0.085f, 0.102f, 0.108f, 0.104f, 0.094f, 0.078f, 0.055f, 0.025f}, 1.0f, 0.4f);
}

inline Grid Anal()
{
    return MidlineFin(0.095f, 0.305f, [](float u) { return Belly(u) + 0.006f; },
                      {0.030f, 0.055f, 0.072f, 0.083f, 0.090f, 0.094f, 0.095f, 0.093f, 0.088f, 0.080f, 0.070f, 0.056f,
                       0.040f, 0.020f},
                      -1.0f, 0.45f);
}

// A rounded paddle behind the head, splayed out from the flank; two root
// points, each the root of three columns.
inline Grid Pectoral()
{
    const V3 upper = OnFlank(-0.262f, -0.020f, 0.004f), lower = OnFlank(-0.272f, -0.064f, 0.004f);
    const V3 mid = Lerp(upper, lower, 0.5f);
    const V3 back = Normalize({1.0f, 0.42f, -0.12f});
    const V3 up = Normalize(V3{0, 0, 1} - back * Dot(V3{0, 0, 1}, back));
    const float length[6] = {0.100f, 0.122f, 0.130f, 0.126f, 0.114f, 0.092f};
    std::vector<V3> root(6), edge(6);
    for (int c = 0; c < 6; ++c) {
        const float a = 0.62f - c * 0.30f;
        root[c] = c < 3 ? upper : lower;
        edge[c] = mid + (back * std::cos(a) + up * std::sin(a)) * length[c];
    }
    return FinSheet(root, edge, {0, 1, 0}, Plain);
}

// A pointed fin hanging from the belly, back and outward.
inline Grid Pelvic()
{
    const float length[8] = {0.015f, 0.050f, 0.080f, 0.100f, 0.110f, 0.100f, 0.065f, 0.020f};
    std::vector<V3> root(8), edge(8);
    for (int c = 0; c < 8; ++c) {
        const float x = -0.062f + 0.010f * c;
        const float u = UOf(x);
        root[c] = Surface(u, 0.86f * kPi) + SurfaceNormal(u, 0.86f * kPi) * 0.002f;
        edge[c] = root[c] + Normalize({0.45f + 0.06f * c, 0.30f, -0.80f + 0.03f * c}) * length[c];
    }
    return FinSheet(root, edge, {0, 1, -0.3f}, Edged);
}

// The rounded tail fan: four root points on the tail stalk (the outer two
// further forward), each the root of five columns, and twenty edge points.
inline Grid Tail()
{
    const float uf = UOf(0.315f);
    const float mid = MidLine(1.0f);
    const V3 roots[4] = {{0.315f, 0, Back(uf) - 0.008f}, {0.365f, 0, mid + 0.018f}, {0.365f, 0, mid - 0.018f},
                         {0.315f, 0, Belly(uf) + 0.008f}};
    const V3 centre = {0.34f, 0.0f, mid};
    std::vector<V3> root(20), edge(20);
    for (int c = 0; c < 20; ++c) {
        const float f = 1.0f - 2.0f * c / 19.0f;  // 1 at the top edge, -1 at the bottom
        const float angle = f * 58.0f * kPi / 180.0f;
        const float radius = 0.215f - 0.045f * f * f;
        root[c] = roots[c / 5];
        edge[c] = centre + V3{std::cos(angle) * radius, 0.0f, std::sin(angle) * radius * 1.05f};
    }
    return FinSheet(root, edge, {0, 1, 0}, Edged);
}

// A domed eye on the head: centre, iris ring and rim, eight segments round.
inline Grid Eye()
{
    const float ue = UOf(kEyeX), te = ThetaAt(ue, kEyeZ);
    const float e = 1e-3f;
    const float perU = Length(Surface(ue + e, te) - Surface(ue - e, te)) / (2 * e);
    const float perTheta = Length(Surface(ue, te + e) - Surface(ue, te - e)) / (2 * e);
    const float ring[3] = {0.0f, 0.62f, 1.0f};     // radius, in eye radii and in the texture
    const float lift[3] = {0.012f, 0.009f, 0.002f};  // dome above the head
    Grid g = MakeGrid(3, 9);
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 9; ++k) {
            const float phi = 2 * kPi * (k % 8) / 8.0f;
            const float u = ue + kEyeRadius * ring[r] * std::cos(phi) / perU;
            const float theta = te - kEyeRadius * ring[r] * std::sin(phi) / perTheta;
            Point& q = g[r][k];
            q.n = SurfaceNormal(u, theta);
            q.p = Surface(u, theta) + q.n * lift[r];
            EyeST(ring[r], phi, q.s, q.t);
        }
    return g;
}

inline std::vector<MeshTable> Tables()
{
    return {
        {"g_Fish23Body", Body()},
        {"g_Fish23UpperJaw", Jaw(true)},
        {"g_Fish23LowerJaw", Jaw(false)},
        {"g_Fish23Dorsal", SpinyDorsal()},
        {"g_Fish23SoftDorsal", SoftDorsal()},
        {"g_Fish23Pectoral", Pectoral()},
        {"g_Fish23Pelvic", Pelvic()},
        {"g_Fish23Anal", Anal()},
        {"g_Fish23Tail", Tail()},
        {"g_Fish23Eye", Eye()},
    };
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species23_meshes.h", Tables);

}  // namespace fish23
