// Painting kit of the fish textures. The game shows a fish's texture unlit,
// so each picture carries its own light: the body is shaded from the normal
// of the fish's surface (light from above), fins and eyes are painted round.
// A picture is painted layer by layer over the texture layout
// (gen_fish_layout.h); a species' texture header registers it:
//   inline const bool kPictureRegistered = RegisterPicture(NN, Paint);
#pragma once
#include "gen_fish_kit.h"
#include "gen_fish_layout.h"
#include "gen_fish_shape.h"
#include "texture_kit.h"

#include <functional>
#include <string>
#include <vector>

namespace fishpaint {

using fishkit::EyeDisc;
using fishkit::PictureSize;
using fishkit::Region;
using fishkit::SideView;
using fishkit::V3;
using kit::Mix;
using kit::Rgb;
using kit::SmoothStep;

// ---- the pictures of every species --------------------------------------------

struct Picture {
    std::string name;  // "fish" and the species index, as the build names the file
    kit::Image (*paint)();
};
inline std::vector<Picture>& Pictures()
{
    static std::vector<Picture> pictures;
    return pictures;
}
inline bool RegisterPicture(int species, kit::Image (*paint)())
{
    Pictures().push_back({"fish" + std::to_string(species), paint});
    return true;
}

// A part of a fish picture that something else drawn with it paints (a
// decoration drawn with a species' texture): a res/tools/fish_paint<NN>_<name>.h
// registers it. Parts are painted over the species' picture, in the order
// of the files' names, each only in its own rectangle (keep a species'
// layout clear of it); a picture no species paints yet holds only its parts.
struct PicturePart {
    std::string name;  // the picture's name, "fish<NN>"
    void (*paint)(kit::Image& image);
};
inline std::vector<PicturePart>& PictureParts()
{
    static std::vector<PicturePart> parts;
    return parts;
}
inline bool RegisterPicturePart(int species, void (*paint)(kit::Image& image))
{
    PictureParts().push_back({"fish" + std::to_string(species), paint});
    return true;
}
// The size and colour of a picture that only parts paint.
inline constexpr PictureSize kPartsOnlyPicture{512, 256};
inline const Rgb kPartsOnlyBackground = kit::FromBytes(128, 128, 128);

// Picture `name` with its parts painted in; false when nothing paints it.
inline bool PaintPicture(const std::string& name, kit::Image& out)
{
    bool painted = false;
    for (const Picture& p : Pictures())
        if (p.name == name) {
            out = p.paint();
            painted = true;
        }
    for (const PicturePart& part : PictureParts())
        if (part.name == name) {
            if (!painted)
                out = kit::Image(kPartsOnlyPicture.width, kPartsOnlyPicture.height, kPartsOnlyBackground);
            part.paint(out);
            painted = true;
        }
    return painted;
}

// ---- layers --------------------------------------------------------------------

// A part of the picture: where it lies and what colour it has at (s, t).
struct Layer {
    std::function<bool(float s, float t)> holds;
    std::function<Rgb(float s, float t)> colour;
};

// Paints every pixel with the first layer that holds it (the background where none does).
inline kit::Image Paint(PictureSize size, const std::vector<Layer>& layers, Rgb background)
{
    kit::Image image(size.width, size.height);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const float s = (x + 0.5f) / size.width, t = 1.0f - (y + 0.5f) / size.height;
            Rgb c = background;
            for (const Layer& layer : layers)
                if (layer.holds(s, t)) {
                    c = layer.colour(s, t);
                    break;
                }
            image.at(x, y) = c;
        }
    return image;
}

// The picture repeats, so a part of the layout may lie at whole-number
// offsets (t from 1 to 2, say): a layer paints it where it falls in 0..1.
inline fishkit::ST InPlace(float s, float t, float sLow, float tLow)
{
    return {s + std::floor(sLow), t + std::floor(tLow)};
}
inline fishkit::ST InPlace(const Region& r, float s, float t)
{
    return InPlace(s, t, std::min(r.s0, r.s1), std::min(r.t0, r.t1));
}

// A region painted by its own coordinates (a, b), held a little past its
// edges (`bleed`, with a and b kept in 0..1 there) so that filtering at a
// part's border finds its own colour.
inline Layer RegionLayer(const Region& r, float bleed, std::function<Rgb(float a, float b)> colour)
{
    return {[r, bleed](float s, float t) {
                const fishkit::ST p = InPlace(r, s, t);
                return r.Holds(p.s, p.t, bleed);
            },
            [r, colour](float s, float t) {
                const fishkit::ST p = InPlace(r, s, t);
                return colour(kit::Clamp01(r.A(p.s)), kit::Clamp01(r.B(p.t)));
            }};
}

// The side view painted at its points (x, z).
inline Layer SideLayer(const SideView& v, float bleed, std::function<Rgb(float x, float z)> colour)
{
    return {[v, bleed](float s, float t) {
                const fishkit::ST p = InPlace(v.region, s, t);
                return v.region.Holds(p.s, p.t, bleed);
            },
            [v, colour](float s, float t) {
                const fishkit::ST p = InPlace(v.region, s, t);
                return colour(v.X(p.s), v.Z(p.t));
            }};
}

// A disc painted at rho (in radii, held out to `reach`) and its direction (dx, dy), y up.
inline Layer DiscLayer(const EyeDisc& d, float reach, std::function<Rgb(float rho, float dx, float dy)> colour)
{
    auto polar = [d](float s, float t, float& rho, float& dx, float& dy) {
        const fishkit::ST p = InPlace(s, t, d.s, d.t);
        d.Polar(p.s, p.t, rho, dx, dy);
    };
    return {[polar, reach](float s, float t) {
                float rho = 0, dx = 0, dy = 0;
                polar(s, t, rho, dx, dy);
                return rho < reach;
            },
            [polar, colour](float s, float t) {
                float rho = 0, dx = 0, dy = 0;
                polar(s, t, rho, dx, dy);
                return colour(rho, dx, dy);
            }};
}

// ---- light -------------------------------------------------------------------------

// Light from above, a little ahead and on the seen side; the eye looks from the side.
inline const V3 kLight = fishkit::Normalize({-0.25f, 0.55f, 0.80f});
inline const V3 kHalfway = fishkit::Normalize(kLight + V3{0.0f, 1.0f, 0.15f});

// The light a surface of this normal takes: ambient and diffuse.
inline float Lit(V3 normal) { return 0.40f + 0.70f * std::max(0.0f, fishkit::Dot(normal, kLight)); }

// A colour lit at a surface normal: ambient, diffuse and a soft highlight.
inline Rgb Shade(Rgb c, V3 normal, float shine = 0.30f)
{
    const float spot = shine * std::pow(std::max(0.0f, fishkit::Dot(normal, kHalfway)), 28.0f);
    return c * Lit(normal) + Rgb{spot, spot, spot};
}

// A matte colour on a flat, disc-like body: lit as if the body were
// `thinner` times thinner than it is (the normal's part across the fish
// drawn out), so that the flank takes the light evenly and only the rounded
// outline turns from it; no highlight.
inline Rgb Matte(Rgb c, V3 normal, float thinner = 4.0f)
{
    return c * Lit(fishkit::Normalize({normal.x, normal.y * thinner, normal.z}));
}

// ---- skin, fins and eyes -------------------------------------------------------------

// Overlapping scales of w x h (body units): a slight shadow along each
// scale's rear edge; 1 inside a scale.
inline float Scales(float x, float z, float w, float h, float depth = 0.07f)
{
    const float row = std::floor(z / h);
    const float shift = static_cast<int>(row) % 2 == 0 ? 0.0f : 0.5f * w;
    const float fx = (x + shift) / w - std::floor((x + shift) / w) - 0.5f;
    const float fz = z / h - row - 0.5f;
    return 1.0f - depth * SmoothStep(0.35f, 0.55f, std::sqrt(fx * fx * 1.2f + fz * fz));
}

// A fin at a (along, 0..1) and b (root 0 .. edge 1): rays, a little lighter
// toward the edge, then a band of `margin` colour from b = marginStart to
// marginEnd (a fin seen edge-on shows its outermost colour: keep the band
// off the very edge where the fin's own colour should show).
struct FinLook {
    Rgb root, edge, margin;
    float marginStart = 0.84f, marginEnd = 2.0f;
    int rays = 18;
};
inline Rgb FinColour(const FinLook& look, float a, float b, uint32_t seed)
{
    a = kit::Clamp01(a);
    b = kit::Clamp01(b);
    Rgb c = Mix(look.root, look.edge, SmoothStep(0.2f, 0.8f, b));
    const float ray = std::fabs(a * look.rays - std::floor(a * look.rays) - 0.5f) * 2.0f;  // 0 on a ray
    c = c * (0.86f + 0.14f * SmoothStep(0.0f, 0.45f, ray));
    c = c * (1.0f + 0.04f * kit::Fbm(a, b, 8, 2, seed));
    const float band = SmoothStep(look.marginStart, look.marginStart + 0.04f, b) *
                       (1.0f - SmoothStep(look.marginEnd - 0.04f, look.marginEnd, b));
    c = Mix(c, look.margin, band);
    return c * (0.80f + 0.18f * (1.0f - b));
}

// The flank's colour `c` as the picture shows it at (x, z): lit there.
inline Rgb LitFlank(const fishkit::BodyShape& body, float x, float z, Rgb c)
{
    const float u = body.UOf(x);
    return c * Lit(body.Normal(u, body.ThetaAt(u, z)));
}

// A paired fin as a fan of rays from its base, at `across` (0 .. 1 from the
// first ray to the last) and `out` (0 at the base, 1 at the edge): a thin
// membrane tinted like the flank it lies against and showing it through,
// fleshy and darker at the base, clearer and lighter toward a pale edge;
// rays that fork past the middle, each a dark line lit along one side.
// On a fan whose columns share root points, a column's quad maps the
// picture differently with each split into triangles: lay the rays on the
// columns (one ray a column), where both splits draw them from root to edge.
struct RayFinLook {
    Rgb body;             // the flank under the fin, as the picture shows it (LitFlank)
    Rgb tint;             // the membrane's own colour
    int rays = 10;        // the first at across 0, the last at 1
    float clear = 0.55f;  // how much of the flank the thin outer membrane lets through
};
inline Rgb RayFinColour(const RayFinLook& look, float across, float out, uint32_t seed)
{
    across = kit::Clamp01(across);
    out = kit::Clamp01(out);
    const Rgb base = Mix(look.body, look.tint, 0.15f) * 0.6f;
    const Rgb thin = Mix(look.tint, look.body, look.clear) * 1.02f + Rgb{0.03f, 0.03f, 0.035f};
    Rgb c = Mix(base, thin, SmoothStep(0.0f, 0.75f, out));
    // The rays: -0.5 .. 0.5 across a ray's share of the fan, each ray forking in two toward the edge.
    const float x = across * std::max(look.rays - 1, 1) + 0.5f;
    const float f = x - std::floor(x) - 0.5f;
    const float fork = 0.16f * SmoothStep(0.45f, 0.95f, out);
    const float d = std::min(std::fabs(f - fork), std::fabs(f + fork));
    const float width = kit::Lerp(0.15f, 0.08f, out);
    const float ray = 1.0f - SmoothStep(0.35f * width, width, d);
    const float side = 1.0f - SmoothStep(0.3f * width, 0.9f * width, std::fabs(f - fork - 1.6f * width));
    c = c * (1.0f - 0.32f * ray) + Rgb{1, 1, 1} * (0.07f * side * SmoothStep(0.1f, 0.4f, out));
    // The membrane pleated between the rays: lighter on one side of each, darker on the other.
    c = c * (1.0f + 0.07f * std::sin(2.0f * kit::kPi * f) * SmoothStep(0.1f, 0.4f, out));
    // Joints across the rays, closer toward the edge.
    const float joint = std::fabs(std::sin(std::pow(out, 0.7f) * 38.0f));
    c = c * (1.0f + 0.06f * ray * SmoothStep(0.92f, 1.0f, joint) * SmoothStep(0.3f, 0.5f, out));
    c = c * (1.0f + 0.05f * kit::Fbm(across, out, 6, 2, seed));
    return Mix(c, thin * 1.12f, 0.5f * SmoothStep(0.86f, 0.98f, out));
}

// An eye at rho (0 centre .. 1 rim) in direction (dx, dy), y up: the pupil,
// a bright ring, the iris, a rim (dark, or bright where the skin round the
// eye is dark), then the skin round it (held by the
// caller: the head's own colour under the disc); a highlight up front.
struct EyeLook {
    Rgb ring, iris, rim;
    float eye = 0.9f;       // the eye proper ends here (in rim radii); skin beyond
    float rimFrom = 0.86f;  // the rim's band starts here (in radii of the eye proper)
};
inline Rgb EyeColour(const EyeLook& look, float rho, float dx, float dy, Rgb skin)
{
    const float angle = std::atan2(dy, dx);
    const float r = rho / look.eye;
    const float streak = 0.85f + 0.15f * std::sin(angle * 23.0f) * std::sin(angle * 7.0f + 1.0f);
    Rgb c = kit::FromBytes(8, 8, 10);
    c = Mix(c, look.ring * streak, SmoothStep(0.40f, 0.46f, r));
    c = Mix(c, look.iris * streak, SmoothStep(0.56f, 0.62f, r));
    c = Mix(c, look.rim, SmoothStep(look.rimFrom, look.rimFrom + 0.08f, r));
    const float spot = std::hypot(r * dx + 0.28f, r * dy - 0.34f);
    c = Mix(c, kit::FromBytes(250, 250, 246), 0.9f * (1.0f - SmoothStep(0.08f, 0.16f, spot)));
    return Mix(c, skin, SmoothStep(0.97f, 1.04f, r));
}

// Distance from p to the polyline through pts (in the side view, y ignored).
inline float DistanceToPolyline(V3 p, const std::vector<V3>& pts)
{
    float best = 1e9f;
    p.y = 0;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const V3 a{pts[i].x, 0, pts[i].z}, ab = V3{pts[i + 1].x, 0, pts[i + 1].z} - a;
        const float t = std::clamp(fishkit::Dot(p - a, ab) / std::max(fishkit::Dot(ab, ab), 1e-9f), 0.0f, 1.0f);
        best = std::min(best, fishkit::Length(p - (a + ab * t)));
    }
    return best;
}

// The distance round the section of `body` at u from the back ridge to
// theta, along `steps` chords.
inline float RoundFromRidge(const fishkit::BodyShape& body, float u, float theta, int steps = 12)
{
    float w = 0;
    V3 last = body.Surface(u, 0);
    for (int k = 1; k <= steps; ++k) {
        const V3 p = body.Surface(u, theta * k / steps);
        w += fishkit::Length(p - last);
        last = p;
    }
    return w;
}

// How much of a round spot lies at (x, w) of a pattern of cells of size
// `cell`: each cell's spot `radius` times low + span times a random unit,
// its rim soft over plus or minus `soft`.
inline float CellSpotCover(float x, float w, float cell, float radius, uint32_t seed, float low, float span,
                           float soft)
{
    const int cells = static_cast<int>(std::lround(1.0f / cell));
    const kit::Cellular c = kit::Voronoi(x + 0.5f, w + 0.5f, cells, seed);
    const float r = radius * (low + span * kit::Unit(c.id));
    return 1.0f - SmoothStep(r - soft, r + soft, c.f1);
}

// The skin under an eye disc: the body's colour at the head's point under
// (rho, dx, dy) of the disc that the eye builder laid on the body.
inline Rgb SkinUnderEye(const fishkit::SurfaceSpot& spot, float rho, float dx, float dy,
                        const std::function<Rgb(float u, float v)>& bodyColour)
{
    float u = 0, theta = 0;
    spot.At(rho, std::atan2(dy, dx), u, theta);
    return bodyColour(kit::Clamp01(u), kit::Clamp01(theta / fishkit::kPi));
}

// An eye disc layer: the eye's look out to its rim, the body's own colour
// under the disc (from `bodyColour` at the head's point) beyond, held out to `reach`.
inline Layer EyeLayer(const EyeDisc& disc, float reach, const EyeLook& look, const fishkit::SurfaceSpot& spot,
                      const std::function<Rgb(float u, float v)>& bodyColour)
{
    return DiscLayer(disc, reach, [look, spot, bodyColour](float rho, float dx, float dy) {
        return EyeColour(look, std::min(rho, 1.0f), dx, dy, SkinUnderEye(spot, rho, dx, dy, bodyColour));
    });
}

}  // namespace fishpaint
