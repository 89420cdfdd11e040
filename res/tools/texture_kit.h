// Small kit for the picture generators: a float RGB image, a 24-bit BMP
// writer, a deterministic random source, and tileable noise (the lattices
// wrap at the image edge, so every picture repeats without a seam).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kit {

constexpr float kPi = 3.14159265358979f;

struct Rgb {
    float r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float s) { return {a.r * s, a.g * s, a.b * s}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }
inline Rgb FromBytes(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

inline float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
inline float SmoothStep(float e0, float e1, float x)
{
    const float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
inline int Wrap(int v, int n) { return ((v % n) + n) % n; }
// Shortest signed offset on a ring of length n.
inline float WrapDelta(float d, float n)
{
    d = std::fmod(d, n);
    if (d > n / 2)
        d -= n;
    if (d < -n / 2)
        d += n;
    return d;
}

template <typename T>
struct Grid {
    int width = 0, height = 0;
    std::vector<T> cells;
    Grid(int w, int h, T fill = T()) : width(w), height(h), cells(static_cast<size_t>(w) * h, fill) {}
    T& at(int x, int y) { return cells[static_cast<size_t>(Wrap(y, height)) * width + Wrap(x, width)]; }
    const T& at(int x, int y) const
    {
        return cells[static_cast<size_t>(Wrap(y, height)) * width + Wrap(x, width)];
    }
};
using Image = Grid<Rgb>;
using Field = Grid<float>;

// Writes a bottom-up 24-bit BMP (row 0 of the image is the top row). Every
// channel is kept at 1 or more: the game keys pure black out of some pictures.
inline bool WriteBmp24(const std::string& path, const Image& image, bool keepBlack = false)
{
    const int stride = (image.width * 3 + 3) / 4 * 4;
    const uint32_t imageSize = static_cast<uint32_t>(stride) * image.height;
    std::vector<uint8_t> file(54 + imageSize, 0);
    auto put16 = [&](size_t at, uint32_t v) {
        file[at] = static_cast<uint8_t>(v);
        file[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(image.width));
    put32(22, static_cast<uint32_t>(image.height));
    put16(26, 1);
    put16(28, 24);
    put32(34, imageSize);
    put32(38, 2835);
    put32(42, 2835);
    const int low = keepBlack ? 0 : 1;
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = &file[54 + static_cast<size_t>(image.height - 1 - y) * stride];
        for (int x = 0; x < image.width; ++x) {
            const Rgb& c = image.at(x, y);
            auto byte = [&](float v) {
                return static_cast<uint8_t>(std::max(low, std::min(255, static_cast<int>(std::lround(v * 255.0f)))));
            };
            row[3 * x] = byte(c.b);
            row[3 * x + 1] = byte(c.g);
            row[3 * x + 2] = byte(c.r);
        }
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool ok = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    ok = std::fclose(out) == 0 && ok;
    if (!ok)
        std::remove(path.c_str());
    return ok;
}

inline uint32_t Hash(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}
inline uint32_t Hash(int x, int y, uint32_t seed)
{
    return Hash(static_cast<uint32_t>(x) * 0x9E3779B1u ^ Hash(static_cast<uint32_t>(y) ^ seed * 0x85EBCA77u));
}
// 0..1 from a hash.
inline float Unit(uint32_t h) { return static_cast<float>(h >> 8) / 16777216.0f; }

class Random {
public:
    explicit Random(uint32_t seed) : state_(Hash(seed) | 1u) {}
    float Next()  // 0..1
    {
        state_ = Hash(state_ + 0x9E3779B9u);
        return Unit(state_);
    }
    uint32_t Bits()
    {
        state_ = Hash(state_ + 0x9E3779B9u);
        return state_;
    }
    float Range(float lo, float hi) { return lo + (hi - lo) * Next(); }
    int Below(int n) { return std::min(n - 1, static_cast<int>(Next() * n)); }

private:
    uint32_t state_;
};

// Gradient noise over a lattice of period x period cells; u and v in lattice
// units. Result about -1..1.
inline float Perlin(float u, float v, int period, uint32_t seed)
{
    const int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
    const float fx = u - x0, fy = v - y0;
    auto grad = [&](int ix, int iy, float dx, float dy) {
        const float a = Unit(Hash(Wrap(ix, period), Wrap(iy, period), seed)) * 2 * kPi;
        return std::cos(a) * dx + std::sin(a) * dy;
    };
    auto fade = [](float t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    const float n00 = grad(x0, y0, fx, fy), n10 = grad(x0 + 1, y0, fx - 1, fy);
    const float n01 = grad(x0, y0 + 1, fx, fy - 1), n11 = grad(x0 + 1, y0 + 1, fx - 1, fy - 1);
    const float sx = fade(fx), sy = fade(fy);
    return 1.41421356f * Lerp(Lerp(n00, n10, sx), Lerp(n01, n11, sx), sy);
}

// Fractal sum of tileable noise; s and t are tile coordinates 0..1, the first
// octave has `period` cells across the tile. Result about -1..1.
inline float Fbm(float s, float t, int period, int octaves, uint32_t seed, float gain = 0.5f)
{
    float sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Perlin(s * period, t * period, period, seed + 977u * o);
        norm += amp;
        amp *= gain;
        period *= 2;
    }
    return sum / norm;
}

// Nearest and second-nearest feature points of a tileable jittered grid of
// cells x cells; distances in tile units.
struct Cellular {
    float f1 = 1e9f, f2 = 1e9f;
    uint32_t id = 0;
};
inline Cellular Voronoi(float s, float t, int cells, uint32_t seed)
{
    Cellular out;
    const float u = s * cells, v = t * cells;
    const int cx = static_cast<int>(std::floor(u)), cy = static_cast<int>(std::floor(v));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = cx + dx, gy = cy + dy;
            const uint32_t h = Hash(Wrap(gx, cells), Wrap(gy, cells), seed);
            const float px = gx + 0.1f + 0.8f * Unit(h), py = gy + 0.1f + 0.8f * Unit(Hash(h));
            const float d = std::hypot(px - u, py - v) / cells;
            if (d < out.f1) {
                out.f2 = out.f1;
                out.f1 = d;
                out.id = h;
            } else if (d < out.f2) {
                out.f2 = d;
            }
        }
    }
    return out;
}

// Box blur with wrap-around, repeated for a smooth kernel.
inline Field Blur(const Field& in, int radius, int passes = 3)
{
    Field a = in, b(in.width, in.height);
    const float scale = 1.0f / (2 * radius + 1);
    for (int p = 0; p < passes; ++p) {
        for (int y = 0; y < a.height; ++y) {
            float sum = 0;
            for (int k = -radius; k <= radius; ++k)
                sum += a.at(k, y);
            for (int x = 0; x < a.width; ++x) {
                b.at(x, y) = sum * scale;
                sum += a.at(x + radius + 1, y) - a.at(x - radius, y);
            }
        }
        for (int x = 0; x < a.width; ++x) {
            float sum = 0;
            for (int k = -radius; k <= radius; ++k)
                sum += b.at(x, k);
            for (int y = 0; y < a.height; ++y) {
                a.at(x, y) = sum * scale;
                sum += b.at(x, y + radius + 1) - b.at(x, y - radius);
            }
        }
    }
    return a;
}

struct Vec3 {
    float x, y, z;
};
inline Vec3 Normalize(Vec3 v)
{
    const float l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / l, v.y / l, v.z / l};
}
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Surface normal of a height field (heights in pixels), image y downwards.
inline Vec3 NormalAt(const Field& h, int x, int y)
{
    const float dx = (h.at(x + 1, y) - h.at(x - 1, y)) * 0.5f;
    const float dy = (h.at(x, y + 1) - h.at(x, y - 1)) * 0.5f;
    return Normalize({-dx, dy, 1.0f});
}

}  // namespace kit
