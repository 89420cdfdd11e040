// Draws the tank's built-in pictures: the four floor grounds (512 x 512,
// tileable, never pure black: black is keyed out), the two bubble sprites
// (64 x 64 on black) and the plant textures (each plant_texture_cao<N>.h
// registers its own and each plant_paint_*.h a part of one; the build lists
// them in plant_texture_list.h).
// Usage: gen_textures <name> <out.bmp>
#include "plant_texture_list.h"
#include "plant_textures.h"
#include "texture_kit.h"

#include <cstring>
#include <functional>

using namespace kit;

namespace {

constexpr int kGround = 512;
constexpr int kSprite = 64;

// ---- shared lighting -------------------------------------------------------

// Light from the upper left of the picture, 50 degrees above the floor.
const Vec3 kLight = Normalize({-0.45f, 0.45f, 0.77f});

// Soft cast shadows: how far the terrain toward the light rises above the ray.
Field CastShadow(const Field& h, float slope, int steps)
{
    Field out(h.width, h.height, 1.0f);
    for (int y = 0; y < h.height; ++y) {
        for (int x = 0; x < h.width; ++x) {
            const float base = h.at(x, y);
            float block = 0;
            for (int k = 1; k <= steps; ++k) {
                const float rise = h.at(x - k, y - k) - base - k * slope * 1.41421356f;
                block = std::max(block, rise);
            }
            out.at(x, y) = 1.0f - 0.5f * SmoothStep(0.0f, 2.5f, block);
        }
    }
    return out;
}

// Darkens hollows: how far the surroundings stand above a point.
Field Cavity(const Field& h, int radius, float strength)
{
    const Field around = Blur(h, radius);
    Field out(h.width, h.height);
    for (size_t i = 0; i < h.cells.size(); ++i)
        out.cells[i] = Clamp01(1.0f - strength * std::max(0.0f, around.cells[i] - h.cells[i]));
    return out;
}

struct Surface {
    Image albedo{kGround, kGround};
    Field height{kGround, kGround};
    Field gloss{kGround, kGround};  // 0 dry .. 1 wet and shiny
};

Image Light(const Surface& s, float ambient, int cavityRadius, float cavityStrength, float shadowSlope)
{
    const Field ao = Cavity(s.height, cavityRadius, cavityStrength);
    const Field shadow = CastShadow(s.height, shadowSlope, 24);
    const Vec3 half = Normalize({kLight.x, kLight.y, kLight.z + 1.0f});
    Image out(kGround, kGround);
    for (int y = 0; y < kGround; ++y) {
        for (int x = 0; x < kGround; ++x) {
            const Vec3 n = NormalAt(s.height, x, y);
            const float diffuse = std::max(0.0f, Dot(n, kLight)) / kLight.z;
            const float lit = (ambient + (1 - ambient) * diffuse * shadow.at(x, y)) * ao.at(x, y);
            const float spec = s.gloss.at(x, y) * std::pow(std::max(0.0f, Dot(n, half)), 48.0f) *
                               shadow.at(x, y);
            const Rgb c = s.albedo.at(x, y) * lit + Rgb{1.0f, 0.98f, 0.92f} * spec;
            out.at(x, y) = {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
        }
    }
    return out;
}

// Calls f(x, y, dx, dy) for every pixel within `reach` of (cx, cy) on the
// wrapping tile, with (dx, dy) the offset from the centre.
void ForAround(float cx, float cy, float reach, const std::function<void(int, int, float, float)>& f)
{
    const int x0 = static_cast<int>(std::floor(cx - reach)), x1 = static_cast<int>(std::ceil(cx + reach));
    const int y0 = static_cast<int>(std::floor(cy - reach)), y1 = static_cast<int>(std::ceil(cy + reach));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            f(Wrap(x, kGround), Wrap(y, kGround), x + 0.5f - cx, y + 0.5f - cy);
}

// ---- stones ----------------------------------------------------------------

struct Stone {
    float x, y, r, aspect, angle, dome;
    uint32_t seed;
};

// Rounded stones packed on the tile, big ones first, smaller ones in the gaps.
std::vector<Stone> PackStones(Random& rng, const std::vector<std::pair<float, float>>& tiers, int attempts,
                              float aspectLow, float overlap)
{
    std::vector<Stone> stones;
    for (const auto& [lo, hi] : tiers) {
        for (int a = 0; a < attempts; ++a) {
            Stone s{rng.Range(0, kGround), rng.Range(0, kGround), rng.Range(lo, hi), rng.Range(aspectLow, 1.0f),
                    rng.Range(0, kPi), rng.Range(0.28f, 0.42f), rng.Bits()};
            bool fits = true;
            for (const Stone& o : stones) {
                const float dx = WrapDelta(s.x - o.x, kGround), dy = WrapDelta(s.y - o.y, kGround);
                const float need = overlap * (s.r * (1 + s.aspect) * 0.5f + o.r * (1 + o.aspect) * 0.5f);
                if (dx * dx + dy * dy < need * need) {
                    fits = false;
                    break;
                }
            }
            if (fits)
                stones.push_back(s);
        }
    }
    return stones;
}

// Position inside a stone: q < 1 inside, (u, v) stone-local pixels.
struct StoneHit {
    float q, u, v;
};
StoneHit Locate(const Stone& s, float dx, float dy, float wobble)
{
    const float c = std::cos(s.angle), sn = std::sin(s.angle);
    const float u = c * dx + sn * dy, v = -sn * dx + c * dy;
    const float a = std::atan2(v, u);
    const float f = static_cast<float>(s.seed % 1000) * 0.01f;
    const float edge =
        1.0f + wobble * (0.6f * std::sin(2 * a + f) + 0.3f * std::sin(3 * a + 2 * f) + 0.2f * std::sin(5 * a + 3 * f));
    const float q = std::hypot(u / s.r, v / (s.r * s.aspect)) / edge;
    return {q, u, v};
}

// Writes each stone's height where it stands highest; owner gets its index.
void RasterStones(const std::vector<Stone>& stones, float wobble, Field* height, Grid<int>* owner,
                  Grid<StoneHit>* where)
{
    for (size_t i = 0; i < stones.size(); ++i) {
        const Stone& s = stones[i];
        ForAround(s.x, s.y, s.r * (1 + wobble) + 2, [&](int x, int y, float dx, float dy) {
            const StoneHit hit = Locate(s, dx, dy, wobble);
            if (hit.q >= 1)
                return;
            // A flattened dome, its rim sunk into the bed.
            const float h = s.r * s.dome * std::pow(1 - std::pow(hit.q, 2.4f), 0.55f) - 0.8f;
            if (h > height->at(x, y)) {
                height->at(x, y) = h;
                owner->at(x, y) = static_cast<int>(i);
                where->at(x, y) = hit;
            }
        });
    }
}

// Softens the hard seams where one stone's outline meets the bed.
void SoftenOutlines(Image* albedo, const Grid<int>& owner)
{
    const Image copy = *albedo;
    for (int y = 0; y < kGround; ++y) {
        for (int x = 0; x < kGround; ++x) {
            const int o = owner.at(x, y);
            if (owner.at(x + 1, y) == o && owner.at(x - 1, y) == o && owner.at(x, y + 1) == o &&
                owner.at(x, y - 1) == o)
                continue;
            Rgb sum = copy.at(x, y) * 4;
            sum = sum + copy.at(x + 1, y) + copy.at(x - 1, y) + copy.at(x, y + 1) + copy.at(x, y - 1);
            albedo->at(x, y) = sum * (1.0f / 8);
        }
    }
}

// ---- BackGround0: golden sand ------------------------------------------------

Image GoldenSand()
{
    Surface s;
    const Rgb dark = FromBytes(178, 138, 80), light = FromBytes(232, 198, 138);
    for (int y = 0; y < kGround; ++y) {
        for (int x = 0; x < kGround; ++x) {
            const float u = (x + 0.5f) / kGround, v = (y + 0.5f) / kGround;
            const float warp = Fbm(u, v, 3, 3, 11);
            const float theta = 2 * kPi * (7 * u + 3 * v) + 2.6f * warp;
            const float ripple = std::sin(theta + 0.6f * std::sin(theta));  // steep lee side
            const float cross = std::sin(2 * kPi * (-2 * u + 5 * v) + 3.0f * Fbm(u, v, 2, 3, 12));
            const float strength = 0.65f + 0.35f * Fbm(u, v, 2, 3, 13);
            const float grain = 0.35f * Perlin(u * 128, v * 128, 128, 14) + 0.3f * (Unit(Hash(x, y, 15)) - 0.5f);
            s.height.at(x, y) = strength * (3.2f * ripple + 0.5f * cross) + grain;

            const float tone = 0.5f + 0.5f * Fbm(u, v, 4, 4, 16);
            Rgb c = Mix(dark, light, Clamp01(tone * 0.8f + 0.1f + 0.08f * ripple));
            const float g = Unit(Hash(x, y, 17));
            const float shade = Unit(Hash(x, y, 18));
            if (g < 0.045f)
                c = Mix(c, FromBytes(96, 72, 48), 0.55f);
            else if (g < 0.085f)
                c = Mix(c, FromBytes(255, 250, 232), 0.55f);
            else if (g < 0.105f)
                c = Mix(c, FromBytes(196, 110, 70), 0.5f);
            else
                c = c * (0.93f + 0.14f * shade);
            s.albedo.at(x, y) = c;
        }
    }

    // Scattered pebbles lying on the sand.
    const Rgb pebbleColours[] = {FromBytes(150, 146, 140), FromBytes(205, 190, 165), FromBytes(140, 90, 62),
                                 FromBytes(236, 232, 222), FromBytes(84, 84, 90), FromBytes(176, 140, 100)};
    Random rng(101);
    for (int i = 0; i < 46; ++i) {
        const float t = rng.Next();
        Stone p{rng.Range(0, kGround), rng.Range(0, kGround), 3.0f + 11.0f * t * std::sqrt(t), rng.Range(0.6f, 1.0f),
                rng.Range(0, kPi), 0.5f, rng.Bits()};
        const Rgb& kind = pebbleColours[rng.Below(6)];
        const Rgb colour = kind * rng.Range(0.85f, 1.1f);
        ForAround(p.x, p.y, p.r * 1.2f + 2, [&](int x, int y, float dx, float dy) {
            const StoneHit hit = Locate(p, dx, dy, 0.06f);
            if (hit.q >= 1.05f)
                return;
            const float cover = SmoothStep(1.05f, 0.9f, hit.q);
            const float dome = p.r * 0.55f * std::sqrt(std::max(0.0f, 1 - hit.q * hit.q));
            s.height.at(x, y) = Lerp(s.height.at(x, y), std::max(s.height.at(x, y), dome + 0.5f), cover);
            const float mottle = 0.88f + 0.24f * (0.5f + 0.5f * Perlin(hit.u * 0.35f + p.seed % 97,
                                                                          hit.v * 0.35f, 1 << 20, p.seed));
            s.albedo.at(x, y) = Mix(s.albedo.at(x, y), colour * mottle, cover);
            s.gloss.at(x, y) = 0.25f * cover;
        });
    }
    return Light(s, 0.42f, 5, 0.07f, 0.75f);
}

// ---- BackGround1 and BackGround3: stone beds -----------------------------------

struct StoneLook {
    Rgb base;
    float speckle;  // granite grains
    float vein;     // quartz band
};

Image RiverGravel()
{
    Random rng(202);
    const auto stones = PackStones(rng, {{17, 25}, {11, 17}, {7, 11}, {4, 7}}, 2500, 0.6f, 0.86f);
    const StoneLook looks[] = {
        {FromBytes(96, 98, 104), 0.05f, 0},    // slate
        {FromBytes(52, 50, 52), 0.04f, 0.8f},  // basalt with a quartz band
        {FromBytes(128, 80, 56), 0.08f, 0},    // rust
        {FromBytes(150, 120, 78), 0.10f, 0},   // ochre
        {FromBytes(84, 98, 82), 0.05f, 0.3f},  // green schist
        {FromBytes(190, 182, 166), 0.04f, 0},  // quartzite
        {FromBytes(150, 112, 104), 0.60f, 0},  // pink granite
        {FromBytes(70, 60, 52), 0.08f, 0.4f},  // brown
    };

    Surface s;
    Grid<int> owner(kGround, kGround, -1);
    Grid<StoneHit> where(kGround, kGround);
    for (int y = 0; y < kGround; ++y)
        for (int x = 0; x < kGround; ++x)
            s.height.at(x, y) = -1.5f + 0.6f * Fbm((x + 0.5f) / kGround, (y + 0.5f) / kGround, 16, 3, 21);
    RasterStones(stones, 0.07f, &s.height, &owner, &where);

    for (int y = 0; y < kGround; ++y) {
        for (int x = 0; x < kGround; ++x) {
            const int o = owner.at(x, y);
            if (o < 0) {  // dark silt and grit between the stones
                const float g = Unit(Hash(x, y, 22));
                Rgb c = FromBytes(44, 38, 32) * (0.8f + 0.4f * g);
                if (g > 0.97f)
                    c = FromBytes(92, 82, 70);
                s.albedo.at(x, y) = c;
                s.gloss.at(x, y) = 0.05f;
                continue;
            }
            const Stone& st = stones[o];
            const StoneHit& hit = where.at(x, y);
            const StoneLook& look = looks[st.seed % std::size(looks)];
            const float tint = 0.85f + 0.3f * Unit(Hash(st.seed));
            const float mottle = 0.5f + 0.5f * Perlin(hit.u * 0.15f + 40, hit.v * 0.15f + 40, 1 << 20, st.seed);
            Rgb c = look.base * (tint * (0.82f + 0.36f * mottle));
            const float grain = Unit(Hash(x, y, st.seed));
            if (grain < look.speckle * 0.3f)
                c = c * 0.7f;
            else if (grain > 1 - look.speckle * 0.3f)
                c = Mix(c, FromBytes(235, 228, 215), 0.6f);
            if (look.vein > 0) {
                // One quartz band across the stone, gently bent.
                const float bend = Perlin(hit.u * 0.05f, hit.v * 0.05f, 1 << 20, st.seed + 1);
                const float across = hit.u * 0.8f + hit.v * 0.6f + 2.5f * bend;
                const float band = std::abs(across - static_cast<float>(st.seed % 9) + 4.0f);
                c = Mix(c, FromBytes(226, 222, 212), look.vein * SmoothStep(2.2f, 1.3f, band));
            }
            // Stones are worn lighter on top and damp darker near the bed.
            c = c * (0.72f + 0.28f * SmoothStep(1.0f, 0.2f, hit.q));
            s.albedo.at(x, y) = c;
            s.gloss.at(x, y) = 0.35f;
            s.height.at(x, y) += 0.1f * Perlin(hit.u * 0.5f, hit.v * 0.5f, 1 << 20, st.seed + 2);
        }
    }
    SoftenOutlines(&s.albedo, owner);
    return Light(s, 0.38f, 6, 0.09f, 0.6f);
}

Image MossyRocks()
{
    Random rng(404);
    const auto stones = PackStones(rng, {{30, 44}, {18, 28}, {10, 16}, {5, 9}}, 2000, 0.55f, 0.84f);
    const Rgb rocks[] = {FromBytes(120, 116, 108), FromBytes(98, 92, 84), FromBytes(138, 128, 112),
                         FromBytes(84, 84, 82), FromBytes(112, 100, 86)};
    const Rgb mossDark = FromBytes(40, 70, 22), mossLight = FromBytes(104, 132, 40);
    const Rgb soil = FromBytes(52, 44, 30);

    Surface s;
    Grid<int> owner(kGround, kGround, -1);
    Grid<StoneHit> where(kGround, kGround);
    for (int y = 0; y < kGround; ++y)
        for (int x = 0; x < kGround; ++x)
            s.height.at(x, y) = -1.0f + 1.0f * Fbm((x + 0.5f) / kGround, (y + 0.5f) / kGround, 12, 3, 41);
    RasterStones(stones, 0.12f, &s.height, &owner, &where);

    for (int y = 0; y < kGround; ++y) {
        for (int x = 0; x < kGround; ++x) {
            const float u = (x + 0.5f) / kGround, v = (y + 0.5f) / kGround;
            const int o = owner.at(x, y);
            Rgb c;
            float top = 0;  // 0 in the bed .. 1 on a stone's crown
            if (o < 0) {
                c = soil * (0.8f + 0.4f * Unit(Hash(x, y, 42)));
            } else {
                const Stone& st = stones[o];
                const StoneHit& hit = where.at(x, y);
                const float rough = Fbm(u, v, 32, 4, st.seed % 64 + 43);
                c = rocks[st.seed % std::size(rocks)] * (0.78f + 0.3f * (0.5f + 0.5f * rough)) *
                    (0.9f + 0.2f * Unit(Hash(x, y, 44)));
                const float lichen = Perlin(hit.u * 0.12f, hit.v * 0.12f, 1 << 20, st.seed);
                c = Mix(c, FromBytes(170, 164, 130), 0.35f * SmoothStep(0.35f, 0.6f, lichen));
                s.height.at(x, y) += 1.2f * rough;
                top = 1 - hit.q;
            }
            // Moss gathers in the hollows and creeps over the stones in patches.
            const float patch = 0.5f + 0.5f * Fbm(u, v, 5, 4, 45);
            const float edge = std::pow(1 - top, 4.0f);
            const float moss = SmoothStep(0.5f, 0.64f, patch + 0.25f * edge - 0.05f);
            if (moss > 0) {
                const float tuft = 0.5f + 0.5f * Perlin(u * 256, v * 256, 256, 46);
                const float fibre = Unit(Hash(x, y, 47));
                Rgb m = Mix(mossDark, mossLight, Clamp01(0.3f + 0.5f * tuft + 0.3f * (patch - 0.5f)));
                if (fibre > 0.9f)
                    m = Mix(m, FromBytes(160, 180, 80), 0.4f);
                c = Mix(c, m * (0.85f + 0.3f * fibre), moss);
                s.height.at(x, y) += moss * (0.8f + 1.2f * tuft);
            }
            s.albedo.at(x, y) = c;
            s.gloss.at(x, y) = o < 0 ? 0.0f : 0.18f * (1 - moss);
        }
    }
    SoftenOutlines(&s.albedo, owner);
    return Light(s, 0.36f, 7, 0.08f, 0.6f);
}

// ---- BackGround2: coral sand with shell fragments ------------------------------

// A fragment's look at one point: coverage 0..1, relief and colour.
struct Sample {
    float cover = 0, height = 0;
    Rgb colour;
};

// A broken piece of a ribbed fan shell, hinge at the origin, banded in two colours.
Sample ScallopPiece(float u, float v, float r, float span, Rgb a, Rgb b, uint32_t seed)
{
    Sample out;
    const float rho = std::hypot(u, v);
    const float theta = std::atan2(v, u);
    if (std::abs(theta) > span)
        return out;
    const float broken = r * (0.72f + 0.28f * (0.5f + 0.5f * Perlin(theta * 3, 0.5f, 1 << 20, seed)));
    const float edgeFade =
        std::min(SmoothStep(broken, broken - 0.8f, rho), SmoothStep(span, span - 0.06f, std::abs(theta)));
    out.cover = edgeFade * SmoothStep(0.0f, 1.0f, rho);
    const float rib = std::cos(theta * 30);
    const float growth = 0.5f + 0.5f * std::sin(rho * 1.3f);
    out.colour = Mix(a, b, SmoothStep(0.3f, 0.7f, 0.5f + 0.5f * std::sin(rho * 0.5f + (seed % 7)))) *
                 (0.9f + 0.1f * rib) * (0.94f + 0.06f * growth);
    out.height = 1.2f + 0.45f * rib + 0.15f * growth;
    return out;
}

// A curved strip broken from a shell's rim, pearly across its width.
Sample ShellShard(float u, float v, float r, float span, Rgb a, uint32_t seed)
{
    Sample out;
    const float rho = std::hypot(u + r, v);  // curved strip around a centre behind the piece
    const float theta = std::atan2(v, u + r);
    const float thick = r * 0.38f * (0.8f + 0.2f * Perlin(theta * 5, 2.5f, 1 << 20, seed));
    const float inner = r - thick * 0.5f, outer = r + thick * 0.5f;
    const float c = std::min(SmoothStep(inner - 0.7f, inner + 0.3f, rho), SmoothStep(outer + 0.7f, outer - 0.3f, rho));
    out.cover = c * SmoothStep(span, span - 0.08f, std::abs(theta));
    const float across = (rho - inner) / std::max(0.5f, outer - inner);
    out.colour = Mix(a, FromBytes(255, 250, 245), 0.5f * std::sin(across * kPi)) *
                 (0.92f + 0.08f * std::sin(theta * 40));
    out.height = 0.8f + 0.9f * std::sin(Clamp01(across) * kPi);
    return out;
}

// A broken twig of bleached coral: a stem and one or two side branches,
// dotted with polyp pores.
Sample CoralTwig(float u, float v, float len, float width, Rgb a, uint32_t seed)
{
    Sample out;
    auto capsule = [&](float ax, float ay, float bx, float by) {
        const float ex = bx - ax, ey = by - ay;
        const float t = Clamp01(((u - ax) * ex + (v - ay) * ey) / (ex * ex + ey * ey));
        return std::hypot(u - ax - t * ex, v - ay - t * ey);
    };
    float d = capsule(-len, 0, len, 0);
    const float side = (seed & 1) ? 1.0f : -1.0f;
    const float bx = -len * 0.2f + len * 0.3f * Unit(Hash(seed));
    d = std::min(d, capsule(bx, 0, bx + len * 0.55f, side * len * 0.6f) + 0.2f * width);
    if (seed & 2) {
        const float cx = len * 0.45f;
        d = std::min(d, capsule(cx, 0, cx + len * 0.35f, -side * len * 0.45f) + 0.3f * width);
    }
    const float w = width * (0.9f + 0.1f * std::sin(u * 0.9f + seed % 5));
    out.cover = SmoothStep(w + 0.6f, w - 0.4f, d);
    const float across = Clamp01(1 - (d / w) * (d / w));
    const Cellular pores = Voronoi((u + 64) / 64.0f, (v + 64) / 64.0f, 40, seed);
    const float pore = SmoothStep(0.004f, 0.009f, pores.f1);
    out.colour = a * (0.72f + 0.28f * pore);
    out.height = 2.4f * std::sqrt(across) - 0.5f * (1 - pore);
    return out;
}

// A chip of crushed shell, a few pixels across.
Sample ShellChip(float u, float v, float r, Rgb a, uint32_t seed)
{
    Sample out;
    const float angle = std::atan2(v, u);
    const float edge = r * (1.0f + 0.35f * std::sin(3 * angle + seed % 7) + 0.15f * std::sin(5 * angle + seed % 11));
    out.cover = SmoothStep(edge + 0.5f, edge - 0.5f, std::hypot(u, v));
    out.colour = a;
    out.height = 0.7f;
    return out;
}

// Stamps a shell piece onto the sand, 2 x 2 samples per pixel for smooth outlines.
void Stamp(Surface* s, float cx, float cy, float reach, float angle, float gloss,
           const std::function<Sample(float, float)>& piece)
{
    const float ca = std::cos(angle), sa = std::sin(angle);
    ForAround(cx, cy, reach, [&](int x, int y, float dx, float dy) {
        float cover = 0, height = 0;
        Rgb colour;
        for (int k = 0; k < 4; ++k) {
            const float sx = dx + (k % 2 - 0.5f) * 0.5f, sy = dy + (k / 2 - 0.5f) * 0.5f;
            const Sample one = piece(ca * sx + sa * sy, -sa * sx + ca * sy);
            cover += one.cover * 0.25f;
            height += one.height * one.cover * 0.25f;
            colour = colour + one.colour * (one.cover * 0.25f);
        }
        if (cover <= 0.001f)
            return;
        s->albedo.at(x, y) = Mix(s->albedo.at(x, y), colour * (1.0f / cover), Clamp01(cover));
        s->height.at(x, y) += height;
        s->gloss.at(x, y) = std::max(s->gloss.at(x, y), gloss * Clamp01(cover));
    });
}

Image CoralSand()
{
    Surface s;
    const Rgb sandLow = FromBytes(214, 190, 166), sandHigh = FromBytes(246, 232, 214), blush = FromBytes(236, 194, 180);
    for (int y = 0; y < kGround; ++y) {
        for (int x = 0; x < kGround; ++x) {
            const float u = (x + 0.5f) / kGround, v = (y + 0.5f) / kGround;
            const float swell = Fbm(u, v, 3, 4, 31);
            const float theta = 2 * kPi * (4 * u - 6 * v) + 3.0f * Fbm(u, v, 2, 2, 32);
            const float ripple = std::sin(theta + 0.5f * std::sin(theta));
            s.height.at(x, y) = 4.0f * swell + 1.6f * ripple + 0.35f * Perlin(u * 256, v * 256, 256, 33) +
                                0.3f * (Unit(Hash(x, y, 34)) - 0.5f);
            Rgb c = Mix(sandLow, sandHigh, Clamp01(0.55f + 0.7f * Fbm(u, v, 6, 3, 35) + 0.08f * ripple));
            c = Mix(c, blush, 0.5f * SmoothStep(0.1f, 0.6f, Fbm(u, v, 4, 3, 36)));
            const float g = Unit(Hash(x, y, 37));
            const float shade = Unit(Hash(x, y, 38));
            if (g < 0.04f)
                c = Mix(c, FromBytes(238, 140, 130), 0.6f);
            else if (g < 0.065f)
                c = Mix(c, FromBytes(240, 160, 100), 0.55f);
            else if (g < 0.12f)
                c = Mix(c, FromBytes(255, 255, 250), 0.6f);
            else if (g < 0.128f)
                c = Mix(c, FromBytes(110, 100, 96), 0.6f);
            else
                c = c * (0.94f + 0.1f * shade);
            s.albedo.at(x, y) = c;
        }
    }

    const Rgb shellColours[][2] = {
        {FromBytes(250, 240, 228), FromBytes(236, 168, 120)},  // cream and apricot
        {FromBytes(252, 232, 232), FromBytes(220, 130, 140)},  // pink
        {FromBytes(250, 248, 240), FromBytes(200, 184, 160)},  // white and fawn
        {FromBytes(244, 200, 150), FromBytes(196, 104, 64)},   // orange banded
        {FromBytes(240, 232, 240), FromBytes(184, 160, 186)},  // lilac
    };
    Random rng(303);
    for (int i = 0; i < 700; ++i) {
        const Rgb* pair = shellColours[rng.Below(5)];
        const Rgb colour = Mix(pair[0], pair[1], rng.Next());
        const float r = rng.Range(0.8f, 2.4f);
        const uint32_t seed = rng.Bits();
        const float cx = rng.Range(0, kGround), cy = rng.Range(0, kGround), angle = rng.Range(0, 2 * kPi);
        Stamp(&s, cx, cy, r * 1.6f + 1, angle, 0.2f,
              [&](float u, float v) { return ShellChip(u, v, r, colour, seed); });
    }
    for (int i = 0; i < 44; ++i) {
        const float cx = rng.Range(0, kGround), cy = rng.Range(0, kGround), angle = rng.Range(0, 2 * kPi);
        const int kind = rng.Below(10);
        const uint32_t seed = rng.Bits();
        const Rgb* pair = shellColours[rng.Below(5)];
        const float size = rng.Range(10, 22);
        const float span = rng.Range(0.5f, 1.1f);
        std::function<Sample(float, float)> piece;
        if (kind < 5)
            piece = [=](float u, float v) {
                return ScallopPiece(u + size * 0.5f, v, size, span, pair[0], pair[1], seed);
            };
        else if (kind < 8)
            piece = [=](float u, float v) { return ShellShard(u, v, size, span * 0.7f, pair[0], seed); };
        else
            piece = [=](float u, float v) {
                const Rgb bleached = Mix(FromBytes(250, 244, 236), pair[1], 0.25f);
                return CoralTwig(u, v, size * 0.6f, size * 0.16f + 1.5f, bleached, seed);
            };
        Stamp(&s, cx, cy, size * 2.2f + 2, angle, 0.35f, piece);
    }
    return Light(s, 0.5f, 4, 0.1f, 0.8f);
}

// ---- bubble sprites ------------------------------------------------------------

// 4 x 4 samples per pixel of a radial picture f(x, y) in units of the radius.
Image Sprite(const std::function<Rgb(float, float)>& f, float radius)
{
    Image out(kSprite, kSprite);
    for (int y = 0; y < kSprite; ++y) {
        for (int x = 0; x < kSprite; ++x) {
            Rgb sum;
            for (int k = 0; k < 16; ++k) {
                const float px = x + (k % 4 + 0.5f) / 4, py = y + (k / 4 + 0.5f) / 4;
                sum = sum + f((px - kSprite / 2.0f) / radius, (kSprite / 2.0f - py) / radius);
            }
            out.at(x, y) = sum * (1.0f / 16);
        }
    }
    return out;
}

float Glint(float x, float y, float cx, float cy, float major, float minor, float angle)
{
    const float c = std::cos(angle), s = std::sin(angle);
    const float u = (c * (x - cx) + s * (y - cy)) / major, v = (-s * (x - cx) + c * (y - cy)) / minor;
    return SmoothStep(1.0f, 0.35f, std::hypot(u, v));
}

Image BubbleSprite()
{
    return Sprite(
        [](float x, float y) {
            const float r = std::hypot(x, y);
            if (r > 1.0f)
                return Rgb{};
            const Rgb rimColour = FromBytes(196, 232, 255);
            const float rim = std::exp(-std::pow((0.93f - r) / 0.055f, 2.0f));
            const float fresnel = 0.05f + 0.2f * std::pow(r, 6.0f);
            // Light caught on the lower side, seen through the bubble.
            const float lower = 0.35f * std::exp(-std::pow((0.8f - r) / 0.08f, 2.0f)) * SmoothStep(0.2f, -0.8f, y);
            const float glint = Glint(x, y, -0.38f, 0.42f, 0.28f, 0.14f, 0.75f) +
                                0.6f * Glint(x, y, -0.12f, 0.62f, 0.08f, 0.06f, 0.0f) +
                                0.45f * Glint(x, y, 0.42f, -0.48f, 0.16f, 0.06f, 0.8f);
            const float edge = SmoothStep(1.0f, 0.97f, r);
            const Rgb body = rimColour * ((rim * 0.95f + fresnel + lower) * edge);
            const Rgb c = body + Rgb{1, 1, 1} * std::min(1.0f, glint);
            return Rgb{Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
        },
        30.0f);
}

Image GlowSprite()
{
    return Sprite(
        [](float x, float y) {
            const float r = std::hypot(x, y);
            if (r > 1.0f)
                return Rgb{};
            const Rgb tint = FromBytes(170, 215, 255);
            // A soft halo fading to black at the edge, a gentle rim at 0.55.
            const float halo = 0.4f * std::pow(1 - r, 2.0f);
            const float rim = 0.55f * std::exp(-std::pow((0.55f - r) / 0.09f, 2.0f));
            const float glint = 0.8f * Glint(x, y, -0.2f, 0.22f, 0.16f, 0.1f, 0.75f);
            const Rgb c = tint * (halo + rim) + Rgb{1, 1, 1} * glint;
            return Rgb{Clamp01(c.r), Clamp01(c.g), Clamp01(c.b)};
        },
        31.0f);
}

struct Picture {
    const char* name;
    Image (*draw)();
    bool keepBlack;  // sprites sit on black; grounds never touch it
};
const Picture kPictures[] = {
    {"BackGround0", GoldenSand, false}, {"BackGround1", RiverGravel, false},
    {"BackGround2", CoralSand, false},  {"BackGround3", MossyRocks, false},
    {"Particle1", BubbleSprite, true},  {"Particle2", GlowSprite, true},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_textures <name> <out.bmp>\n");
        return 2;
    }
    auto write = [&](const Image& image, bool keepBlack) {
        if (WriteBmp24(argv[2], image, keepBlack))
            return 0;
        std::fprintf(stderr, "gen_textures: cannot write %s\n", argv[2]);
        return 1;
    };
    for (const Picture& p : kPictures)
        if (std::strcmp(p.name, argv[1]) == 0)
            return write(p.draw(), p.keepBlack);
    Image plant(plant_textures::kSize, plant_textures::kSize);
    if (plant_textures::DrawPicture(argv[1], plant))
        return write(plant, false);
    std::fprintf(stderr, "gen_textures: no picture named %s\n", argv[1]);
    return 2;
}
