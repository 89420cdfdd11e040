// Close looks at fish pictures where a player sees them, drawn as the fish
// pass draws them: the ram's red eye against the black bar through it and
// its flank spot, which must not read as a second eye; the pectoral fins of
// the ram, the guppy, the batfish and the peacock bass against the flank
// they grow from; the batfish's velvet body lit as the flat disc it is.
// Which part of its picture each pixel shows is found by drawing the fish a
// second time with a texture whose texels hold their own place. Set
// PV_FISH_CLOSE_PNG to a file name to keep the pictures.
#include "fish/fish_meshes.h"
#include "fish/fish_species02.h"
#include "fish/fish_species02_meshes.h"
#include "fish/fish_species05.h"
#include "fish/fish_species05_meshes.h"
#include "fish/fish_species19.h"
#include "fish/fish_species19_meshes.h"
#include "fish/fish_species24.h"
#include "fish/fish_species24_meshes.h"
#include "gl/fish_gl_fixture.h"
#include "gl/texture_pixels.h"
#include "platform/crt.h"

#include <GL/glew.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 480, kHeight = 360;
const QRgb kBackground = qRgb(13, 31, 64);

struct Colour {
    double r = 0, g = 0, b = 0;
    double Lum() const { return (r + g + b) / 3.0; }
};
Colour Of(QRgb p) { return {double(qRed(p)), double(qGreen(p)), double(qBlue(p))}; }
Colour Mean(const std::vector<Colour>& cs)
{
    Colour m;
    for (const Colour& c : cs) {
        m.r += c.r;
        m.g += c.g;
        m.b += c.b;
    }
    const double n = std::max<size_t>(cs.size(), 1);
    return {m.r / n, m.g / n, m.b / n};
}
double LumOf(const std::vector<Colour>& cs) { return Mean(cs).Lum(); }

// Distance of t from t0 on the repeating picture, in picture units.
double Wrapped(double d) { return d - std::round(d); }

// The picture of a species as GL holds it, sampled at (s, t) (repeating).
class Picture {
public:
    explicit Picture(GLuint texture) : m_pixels(ReadTexturePixels(texture)) {}
    int Width() const { return m_pixels.width; }
    int Height() const { return m_pixels.height; }
    Colour At(double s, double t) const { return Texel(int(std::floor(s * Width())), int(std::floor(t * Height()))); }
    // The mean over the texels within `half` of (s, t) each way.
    Colour Around(double s, double t, int half) const
    {
        std::vector<Colour> cs;
        const int x = int(std::floor(s * Width())), y = int(std::floor(t * Height()));
        for (int dy = -half; dy <= half; ++dy)
            for (int dx = -half; dx <= half; ++dx)
                cs.push_back(Texel(x + dx, y + dy));
        return Mean(cs);
    }

private:
    Colour Texel(int x, int y) const
    {
        x = ((x % Width()) + Width()) % Width();
        y = ((y % Height()) + Height()) % Height();
        const unsigned char* p = &m_pixels.rgba[(size_t(y) * Width() + x) * 4];
        return {double(p[0]), double(p[1]), double(p[2])};
    }

    TexturePixels m_pixels;
};

// A 512 x 512 texture whose texel (x, y) holds x and y: red and green their
// low eight bits, blue 0x80 and their ninth bits; sampled at the nearest texel.
constexpr int kPlaceSize = 512;
GLuint MakePlaceTexture()
{
    std::vector<unsigned char> texels(size_t(kPlaceSize) * kPlaceSize * 4);
    for (int y = 0; y < kPlaceSize; ++y)
        for (int x = 0; x < kPlaceSize; ++x) {
            unsigned char* p = &texels[(size_t(y) * kPlaceSize + x) * 4];
            p[0] = static_cast<unsigned char>(x & 255);
            p[1] = static_cast<unsigned char>(y & 255);
            p[2] = static_cast<unsigned char>(0x80 | (x >> 8) | ((y >> 8) << 1));
            p[3] = 255;
        }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kPlaceSize, kPlaceSize, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

// Where in the picture a pixel of the place drawing lies: (s, t) in 0..1, or nowhere (not the fish).
struct Place {
    bool fish = false;
    double s = 0, t = 0;
};
Place PlaceOf(QRgb p)
{
    if ((qBlue(p) & 0x80) == 0)
        return {};
    const int x = qRed(p) | ((qBlue(p) & 1) << 8), y = qGreen(p) | (((qBlue(p) >> 1) & 1) << 8);
    return {true, (x + 0.5) / kPlaceSize, (y + 0.5) / kPlaceSize};
}

// The rectangle of the picture a table's texture coordinates cover (t brought into 0..1).
struct PictureRect {
    double s0 = 1e9, s1 = -1e9, t0 = 1e9, t1 = -1e9;
    bool Holds(const Place& p) const { return p.fish && p.s >= s0 && p.s <= s1 && p.t >= t0 && p.t <= t1; }
};
PictureRect RectOf(const FishMesh& mesh)
{
    PictureRect r;
    const double shift = std::floor(mesh.points[0].t);
    for (int k = 0; k < mesh.rows * mesh.columns; ++k) {
        const FishVertex& v = mesh.points[k];
        r.s0 = std::min(r.s0, double(v.s));
        r.s1 = std::max(r.s1, double(v.s));
        r.t0 = std::min(r.t0, v.t - shift);
        r.t1 = std::max(r.t1, v.t - shift);
    }
    return r;
}

// An eye's disc in the picture: its centre (the ring whose points lie
// closest together) and its rim radius (the ring spread widest), in texels.
struct EyeInPicture {
    double s = 0, t = 0, radius = 0;
    int width = 1, height = 1;
    // How far out (s, t) lies, in rim radii.
    double Rho(const Place& p) const
    {
        return std::hypot(Wrapped(p.s - s) * width, Wrapped(p.t - t) * height) / radius;
    }
};
EyeInPicture EyeOf(const FishMesh& eye, const Picture& picture)
{
    auto ring = [&](int r, double& s, double& t, double& spread) {
        s = t = 0;
        for (int c = 0; c < eye.columns; ++c) {
            s += eye.points[r * eye.columns + c].s;
            t += eye.points[r * eye.columns + c].t;
        }
        s /= eye.columns;
        t /= eye.columns;
        spread = 0;
        for (int c = 0; c < eye.columns; ++c) {
            const FishVertex& v = eye.points[r * eye.columns + c];
            spread += std::hypot((v.s - s) * picture.Width(), (v.t - t) * picture.Height()) / eye.columns;
        }
    };
    EyeInPicture e;
    e.width = picture.Width();
    e.height = picture.Height();
    double best = 1e9;
    for (int r = 0; r < eye.rows; ++r) {
        double s, t, spread;
        ring(r, s, t, spread);
        if (spread < best) {
            best = spread;
            e.s = s - std::floor(s);
            e.t = t - std::floor(t);
        }
        e.radius = std::max(e.radius, spread);
    }
    return e;
}

// The 4-connected pieces of the pixels `in` holds: each a list of (x, y).
std::vector<std::vector<std::pair<int, int>>> Pieces(const std::vector<char>& in, int w, int h)
{
    std::vector<std::vector<std::pair<int, int>>> pieces;
    std::vector<char> seen(in.size(), 0);
    for (int start = 0; start < w * h; ++start) {
        if (!in[start] || seen[start])
            continue;
        std::vector<std::pair<int, int>> piece, stack{{start % w, start / w}};
        seen[start] = 1;
        while (!stack.empty()) {
            const auto [x, y] = stack.back();
            stack.pop_back();
            piece.push_back({x, y});
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h)
                    continue;
                const int k = n[1] * w + n[0];
                if (in[k] && !seen[k]) {
                    seen[k] = 1;
                    stack.push_back({n[0], n[1]});
                }
            }
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

class FishCloseUpTest : public FishPictureFixture {
protected:
    FishCloseUpTest() : FishPictureFixture(kWidth, kHeight, kBackground, {2, 5, 19, 24}) {}
    void SetUp() override
    {
        FishPictureFixture::SetUp();
        if (!IsSkipped() && !HasFatalFailure())
            m_place = MakePlaceTexture();
    }
    void TearDown() override
    {
        if (m_place != 0)
            glDeleteTextures(1, &m_place);
        FishPictureFixture::TearDown();
    }
    // `fish` at (x, y) seen from (ex, ey, ez) with a field of view of `fov`:
    // in its picture, and the same frame in the place texture.
    template <class Fish>
    std::pair<QImage, QImage> Draw(const Fish& fish, int species, float x, float y, float ex, float ey, float ez,
                                   float fov)
    {
        auto once = [&](GLuint texture) {
            Fish f = fish;
            crt::srand(7);
            return Render(ex, ey, ez, fov, [&] { DrawAt(f, texture, x, y); });
        };
        return {once(Texture(species)), once(m_place)};
    }

    GLuint m_place = 0;
};

// A real ram: a black bar runs down through the eye, and the eye stands out
// of it: a dark pupil, a red iris, a bright ring round it. The black spot on
// the flank is smaller than the eye, lower, and ringed in blue scales, so that
// it does not read as a second eye.
TEST_F(FishCloseUpTest, TheRamsRedEyeStandsOutOfItsBarAndTheFlankSpotIsNoSecondEye)
{
    const CFishSpecies05 fish = SettledFish<CFishSpecies05>();
    const Picture picture(Texture(5));
    const EyeInPicture eye = EyeOf(MeshOf(g_Fish05Eye), picture);
    const PictureRect body = RectOf(MeshOf(g_Fish05Body));
    // From the side, the head and the front half of the flank filling the view.
    const auto [image, places] = Draw(fish, 5, 1.0f, 0.0f, 0, 0, 9, 22.0f);

    std::vector<Place> place(size_t(kWidth) * kHeight);
    double eyeX = 0, eyeY = 0;
    long eyeArea = 0;
    std::vector<Colour> pupil, iris, ring;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const Place p = PlaceOf(places.pixel(x, y));
            place[size_t(y) * kWidth + x] = p;
            if (!p.fish || eye.Rho(p) >= 1.0)
                continue;
            const double rho = eye.Rho(p);
            const Colour c = Of(image.pixel(x, y));
            ++eyeArea;
            eyeX += x;
            eyeY += y;
            (rho < 0.25 ? pupil : rho < 0.7 ? iris : ring).push_back(c);
        }
    ASSERT_GT(eyeArea, 150) << "the eye shows from the side";
    eyeX /= eyeArea;
    eyeY /= eyeArea;
    const double eyeRadius = std::sqrt(eyeArea / M_PI);

    // The bar: the body's pixels just above and below the eye.
    std::vector<Colour> bar;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double d = std::hypot(x - eyeX, y - eyeY);
            if (std::fabs(x - eyeX) < 0.4 * eyeRadius && d > 1.25 * eyeRadius && d < 1.8 * eyeRadius &&
                body.Holds(place[size_t(y) * kWidth + x]))
                bar.push_back(Of(image.pixel(x, y)));
        }
    ASSERT_GT(bar.size(), 10u);
    EXPECT_LT(LumOf(bar), 50) << "the black bar runs down through the eye";
    EXPECT_LT(LumOf(pupil), 60) << "a dark pupil";
    const long red = std::count_if(iris.begin(), iris.end(),
                                   [](const Colour& c) { return c.r > 120 && c.r > 2 * c.g && c.r > 2 * c.b; });
    EXPECT_GT(red, long(iris.size()) / 4) << "a red iris";
    EXPECT_GT(LumOf(ring), LumOf(bar) + 80) << "a bright ring sets the eye off from the bar";

    // Dark round spots on the body other than the eye and its bar.
    std::vector<char> dark(place.size(), 0);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const Place& p = place[size_t(y) * kWidth + x];
            dark[size_t(y) * kWidth + x] = body.Holds(p) && Of(image.pixel(x, y)).Lum() < 45;
        }
    auto onBody = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kWidth && y < kHeight && body.Holds(place[size_t(y) * kWidth + x]);
    };
    int spots = 0;
    for (const auto& piece : Pieces(dark, kWidth, kHeight)) {
        int x0 = kWidth, x1 = -1, y0 = kHeight, y1 = -1;
        double cx = 0, cy = 0;
        bool inside = true;  // within the flank, not on its shaded outline
        for (const auto& [x, y] : piece) {
            inside = inside && onBody(x + 1, y) && onBody(x - 1, y) && onBody(x, y + 1) && onBody(x, y - 1);
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
            cx += x;
            cy += y;
        }
        const int w = x1 - x0 + 1, h = y1 - y0 + 1;
        const bool round = piece.size() >= 12 && h < 2.5 * w && w < 2.5 * h && piece.size() > 0.45 * w * h;
        cx /= piece.size();
        cy /= piece.size();
        if (!round || !inside || std::hypot(cx - eyeX, cy - eyeY) < 2.0 * eyeRadius)
            continue;
        ++spots;
        SCOPED_TRACE(testing::Message() << "the spot at " << cx << ", " << cy);
        EXPECT_LT(double(piece.size()), 0.5 * eyeArea) << "smaller than the eye";
        EXPECT_GT(cy, eyeY + eyeRadius) << "lower than the eye (y down)";
        // Its rim: the body's pixels a few pixels out from it.
        const double r = std::sqrt(piece.size() / M_PI);
        long rim = 0, blue = 0;
        for (int y = y0 - 8; y <= y1 + 8; ++y)
            for (int x = x0 - 8; x <= x1 + 8; ++x) {
                if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
                    continue;
                const double d = std::hypot(x - cx, y - cy);
                if (d < r + 1.5 || d > r + 4.5 || !body.Holds(place[size_t(y) * kWidth + x]))
                    continue;
                ++rim;
                const Colour c = Of(image.pixel(x, y));
                blue += c.b > c.r + 40 && c.b > c.g;
            }
        EXPECT_GT(blue, rim / 2) << "ringed in blue";
    }
    EXPECT_EQ(spots, 1) << "one black spot on the flank";
    KeepPictures("PV_FISH_CLOSE_PNG", {image, places}, "-ram-eye", 2);
}

// A pectoral fin against the flank it grows from: tinted by it (the flank
// shows through the membrane) rather than a pale patch, darker at its fleshy
// base and lighter toward its edge, its rays and membrane not one flat colour.
TEST_F(FishCloseUpTest, PectoralFinsAreTintedByTheFlankDarkerAtTheBaseLighterAtTheEdge)
{
    struct Fin {
        const char* name;
        int species;
        FishMesh fin, body;
    } fins[] = {{"guppy", 2, MeshOf(g_Fish02Pectoral), MeshOf(g_Fish02Body)},
                {"ram", 5, MeshOf(g_Fish05Pectoral), MeshOf(g_Fish05Body)},
                {"batfish", 19, MeshOf(g_Fish19Pectoral), MeshOf(g_Fish19Body)},
                {"peacock bass", 24, MeshOf(g_Fish24Pectoral), MeshOf(g_Fish24Body)}};
    for (const Fin& f : fins) {
        SCOPED_TRACE(f.name);
        const Picture picture(Texture(f.species));
        // The fin's root: its points closest to the fish's midline (the
        // pectorals splay out from the flank).
        const int points = f.fin.rows * f.fin.columns;
        double inner = 1e9, outer = -1e9;
        for (int k = 0; k < points; ++k) {
            inner = std::min(inner, double(std::fabs(f.fin.points[k].y)));
            outer = std::max(outer, double(std::fabs(f.fin.points[k].y)));
        }
        ASSERT_GT(outer - inner, 0.02) << "the fin stands out from the flank";
        std::vector<const FishVertex*> roots;
        for (int k = 0; k < points; ++k)
            if (std::fabs(f.fin.points[k].y) < inner + 0.25 * (outer - inner))
                roots.push_back(&f.fin.points[k]);
        auto fromRoot = [&](double x, double y, double z) {
            double d = 1e9;
            for (const FishVertex* q : roots)
                d = std::min(d, std::hypot(x - q->x, y - q->y, z - q->z));
            return d;
        };
        double reach = 0;
        for (int k = 0; k < points; ++k)
            reach = std::max(reach, fromRoot(f.fin.points[k].x, f.fin.points[k].y, f.fin.points[k].z));
        // Points over the fin, each quad sampled at a 4 x 4 grid: how far out
        // from the root (0 .. 1) and the picture there.
        auto point = [&](int r, int c) -> const FishVertex& { return f.fin.points[r * f.fin.columns + c]; };
        std::vector<Colour> base, edge, all;
        for (int r = 0; r + 1 < f.fin.rows; ++r)
            for (int c = 0; c + 1 < f.fin.columns; ++c)
                for (double u : {0.125, 0.375, 0.625, 0.875})
                    for (double v : {0.125, 0.375, 0.625, 0.875}) {
                        auto mix = [&](auto get) {
                            return (1 - v) * ((1 - u) * get(point(r, c)) + u * get(point(r, c + 1))) +
                                   v * ((1 - u) * get(point(r + 1, c)) + u * get(point(r + 1, c + 1)));
                        };
                        const double out = fromRoot(mix([](const FishVertex& q) { return q.x; }),
                                                    mix([](const FishVertex& q) { return q.y; }),
                                                    mix([](const FishVertex& q) { return q.z; })) /
                                           reach;
                        const Colour col = picture.At(mix([](const FishVertex& q) { return q.s; }),
                                                      mix([](const FishVertex& q) { return q.t; }));
                        all.push_back(col);
                        if (out < 0.3)
                            base.push_back(col);
                        else if (out > 0.7)
                            edge.push_back(col);
                    }
        ASSERT_FALSE(base.empty());
        ASSERT_FALSE(edge.empty());
        // The flank where the fin roots: round the body's four points nearest to the fin's innermost point.
        const FishVertex* root = roots.front();
        for (const FishVertex* q : roots)
            if (std::fabs(q->y) < std::fabs(root->y))
                root = q;
        std::vector<const FishVertex*> near;
        for (int k = 0; k < f.body.rows * f.body.columns; ++k)
            near.push_back(&f.body.points[k]);
        auto distance = [&](const FishVertex* q) {
            return std::hypot(q->x - root->x, q->y - root->y, q->z - root->z);
        };
        std::partial_sort(near.begin(), near.begin() + 4, near.end(),
                          [&](const FishVertex* a, const FishVertex* b) { return distance(a) < distance(b); });
        std::vector<Colour> flankAround;
        for (int k = 0; k < 4; ++k)
            flankAround.push_back(picture.Around(near[k]->s, near[k]->t, 7));
        const Colour flank = Mean(flankAround), fin = Mean(all);

        EXPECT_GT(LumOf(edge), LumOf(base) + 10) << "lighter toward the edge than at the base";
        EXPECT_LT(fin.Lum(), flank.Lum() * 1.2 + 12) << "no pale patch on the flank: " << fin.Lum() << " against "
                                                    << flank.Lum();
        // Tinted like the flank: the share of each channel near the flank's (where the flank has a colour to give).
        if (flank.Lum() > 60) {
            const double fs = fin.r + fin.g + fin.b, ks = flank.r + flank.g + flank.b;
            EXPECT_LT(std::hypot(fin.r / fs - flank.r / ks, fin.g / fs - flank.g / ks, fin.b / fs - flank.b / ks),
                      0.06)
                << "tinted like the flank";
        }
        double spread = 0;
        for (const Colour& c : all)
            spread += std::fabs(c.Lum() - fin.Lum()) / all.size();
        EXPECT_GT(spread, 4.0) << "rays and membrane, not one flat colour";
    }
}

// The batfish is a tall, thin disc with a velvet skin: its flank takes the
// light evenly, top and bottom alike, with no glossy highlight on it.
TEST_F(FishCloseUpTest, TheBatfishsVelvetBodyIsMatteAndEvenlyLitLikeAFlatDisc)
{
    const CFishSpecies19 fish = SettledFish<CFishSpecies19>();
    const PictureRect body = RectOf(MeshOf(g_Fish19Body));
    const auto [image, places] = Draw(fish, 19, 0.0f, 0.0f, 0, 0, 9, 30.0f);
    // The velvet of the body: not its orange rim.
    std::vector<std::pair<int, double>> velvet;  // screen row, brightness
    double top = kHeight, bottom = -1;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (!body.Holds(PlaceOf(places.pixel(x, y))))
                continue;
            top = std::min(top, double(y));
            bottom = std::max(bottom, double(y));
            const Colour c = Of(image.pixel(x, y));
            if (c.r < 1.6 * c.g + 20 && c.Lum() < 120)
                velvet.push_back({y, c.Lum()});
        }
    ASSERT_GT(velvet.size(), 3000u) << "the body fills the view";
    auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    std::vector<double> all, upper, lower;
    const double middle = 0.5 * (top + bottom);
    for (const auto& [y, lum] : velvet) {
        all.push_back(lum);
        (y < middle ? upper : lower).push_back(lum);
    }
    std::sort(all.begin(), all.end());
    const double mid = all[all.size() / 2], high = all[all.size() * 995 / 1000];
    EXPECT_LT(high, mid + 15) << "no glossy highlight: the brightest velvet " << high << ", the middle " << mid;
    EXPECT_LT(std::fabs(median(upper) - median(lower)), 0.25 * mid + 2)
        << "lit alike above and below: " << median(upper) << " and " << median(lower);
    KeepPictures("PV_FISH_CLOSE_PNG", {image, places}, "-batfish", 2);
}

}  // namespace
