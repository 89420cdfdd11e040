// Set-up shared by the GL tests of fish classes: a current context with
// framebuffer objects, no stale GL error, and the species' built-in textures.
#pragma once
#include "fish/fish_array.h"
#include "gfx/builtin_texture.h"
#include "gfx/temp_folder.h"
#include "gfx/texture.h"
#include "gl/gl_feedback.h"
#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/crt.h"

#include <GL/glu.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <initializer_list>
#include <map>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class FishGLFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        while (glGetError() != GL_NO_ERROR) {
        }
        // The context is shared by the tests: whatever matrix another left,
        // a fish test starts from the identity.
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (!glGenFramebuffers)
            GTEST_SKIP() << "no framebuffer objects";
        ASSERT_FALSE(GetTempFolder().empty());
    }
    void TearDown() override
    {
        for (GLuint texture : m_textures)
            glDeleteTextures(1, &texture);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    // The texture of species k ("fish" + k, resource 10000 + k), freed after the test.
    GLuint LoadFishTexture(int species)
    {
        GLuint texture = 0;
        LoadBuiltinTexture(GetTempFolder(), 10000 + species, "fish" + std::to_string(species), &texture,
                           LoadBmpTexture);
        m_textures.push_back(texture);
        return texture;
    }

private:
    std::vector<GLuint> m_textures;
};

// The size of a loaded texture is width x height.
inline void ExpectTextureSize(GLuint texture, int width, int height)
{
    GLint w = 0, h = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
}

// The fish pass's state: the texture replaces the colour, blended,
// alpha-tested, depth-tested.
inline void FishPassState()
{
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_DEPTH_TEST);
}

// The camera of a test picture: the GL state and both matrices pushed, a
// perspective of `fov` degrees and a look from `eye` at `centre`; all popped
// again when it goes.
struct FishCamera {
    FishCamera(int width, int height, double fov, double zNear, double zFar, const float eye[3], const float centre[3],
               const float up[3])
    {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        gluPerspective(fov, double(width) / height, zNear, zFar);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        gluLookAt(eye[0], eye[1], eye[2], centre[0], centre[1], centre[2], up[0], up[1], up[2]);
        FishPassState();
    }
    ~FishCamera()
    {
        glBindTexture(GL_TEXTURE_2D, 0);
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glPopAttrib();
    }
    FishCamera(const FishCamera&) = delete;
    FishCamera& operator=(const FishCamera&) = delete;
};

// Fish that `scene` draws, as the fish pass draws them, into `target` of
// width x height cleared to `background`, seen from (ex, ey, ez) toward the
// origin with a vertical field of view of `fov` degrees. Seen from high
// above (ey > 5) the far wall is up in the picture.
template <class Scene>
QImage RenderFish(const OffscreenTarget& target, int width, int height, QRgb background, double fov, float ex,
                  float ey, float ez, Scene scene)
{
    const float eye[3] = {ex, ey, ez}, centre[3] = {0, 0, 0};
    const bool fromAbove = ey > 5.0f;
    const float up[3] = {0, fromAbove ? 0.0f : 1.0f, fromAbove ? -1.0f : 0.0f};
    {
        FishCamera camera(width, height, fov, 0.5, 100.0, eye, centre, up);
        glClearColor(qRed(background) / 255.0f, qGreen(background) / 255.0f, qBlue(background) / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scene();
    }
    return target.Read();
}

// A place a picture test looks at a fish at the origin from. The game's
// camera looks along -z, so a fish swimming in x shows its side.
struct FishView {
    const char* name;
    float x, y, z;
    bool side = false;
};

// The views of a fish `d` away: its side, the front, above and three
// quarters; with `all`, from behind and below too.
inline std::vector<FishView> ViewsOfAFish(float d, bool all = false)
{
    std::vector<FishView> views = {{"side", 0, 0, d, true},
                                   {"front", -d, 0, 0},
                                   {"above", 0, d, 0},
                                   {"three quarters", -0.6f * d, 0.35f * d, 0.75f * d}};
    if (all) {
        views.push_back({"behind", d, 0, 0.01f});
        views.push_back({"below", 0, -d, 0.01f});
    }
    return views;
}

// The fish pixels apart from the largest piece, and their share (below).
inline long LoosePixels(const QImage& image, QRgb background, int reach, QImage* marked, long* total);
inline double LooseShare(const QImage& image, QRgb background, int reach);

// A picture test of fish: the fixture above with an offscreen target of
// width x height cleared to `background`, the textures of the species listed,
// and fish drawn as the fish pass draws them (bound texture, translation,
// Draw(0)).
class FishPictureFixture : public FishGLFixture {
protected:
    FishPictureFixture(int width, int height, QRgb background, std::vector<int> species = {})
        : m_width(width), m_height(height), m_background(background), m_species(std::move(species))
    {
    }
    void SetUp() override
    {
        FishGLFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_target = std::make_unique<OffscreenTarget>(m_width, m_height);
        ASSERT_TRUE(m_target->Complete());
        for (int k : m_species)
            m_speciesTextures[k] = LoadFishTexture(k);
    }
    // The texture of a species the fixture was given.
    GLuint Texture(int species) const { return m_speciesTextures.at(species); }
    void TearDown() override
    {
        m_target.reset();
        FishGLFixture::TearDown();
    }
    // What `scene` draws seen from (ex, ey, ez), 40 degrees high.
    template <typename Scene>
    QImage Render(float ex, float ey, float ez, Scene scene)
    {
        return Render(ex, ey, ez, 40.0f, scene);
    }
    // The same with a field of view of `fov` degrees.
    template <typename Scene>
    QImage Render(float ex, float ey, float ez, float fov, Scene scene)
    {
        return RenderFish(*m_target, m_width, m_height, m_background, fov, ex, ey, ez, scene);
    }
    // What `scene` draws seen from each view with a field of view of `fov`
    // degrees, checked by check(view, picture) under the view's name; the
    // pictures in order.
    template <typename Scene, typename Check>
    std::vector<QImage> RenderViews(const std::vector<FishView>& views, float fov, Scene scene, Check check)
    {
        std::vector<QImage> pictures;
        for (const FishView& v : views) {
            SCOPED_TRACE(v.name);
            pictures.push_back(Render(v.x, v.y, v.z, fov, scene));
            check(v, pictures.back());
        }
        return pictures;
    }
    // One Draw of `fish` at (x, y, z), where it is put first (it moves as it is drawn).
    template <typename Fish>
    void DrawAt(Fish& fish, GLuint texture, float x, float y, float z = 0.0f)
    {
        DrawFishWith(fish, texture, x, y, z, [](Fish& f) { DrawInItsForm(f); });
    }

    // A place the camera looks at the origin from.
    struct Eye {
        float x, y, z;
    };
    // `fish` through its turn to heading 180, 48 frames, each seen from every
    // eye (each view draws the same frame, by draw(copy)): no picture shows a
    // fin apart from the body, and the turn ends at 180. The pictures of
    // every `keepEvery`-th frame, to look at.
    template <class Fish, class DrawOne>
    std::vector<QImage> ExpectTurnHoldsTogetherSeenFrom(Fish& fish, std::initializer_list<Eye> eyes, int keepEvery,
                                                        DrawOne draw)
    {
        fish.m_nTargetHeading = 180;
        std::vector<QImage> pictures;
        for (int frame = 1; frame <= 48; ++frame) {
            SCOPED_TRACE(frame);
            Fish next = fish;
            for (const Eye& eye : eyes) {
                next = fish;  // each view draws the same frame
                const QImage image = Render(eye.x, eye.y, eye.z, 40.0f, [&] { draw(next); });
                EXPECT_LT(LooseShare(image, m_background, 0), 0.01) << "no fin apart from the body";
                if (frame % keepEvery == 0)
                    pictures.push_back(image);
            }
            fish = next;
        }
        EXPECT_EQ(fish.m_fHeading, 180.0f);
        return pictures;
    }
    // `fish` through its turn to heading 180, `frames` frames, seen `distance`
    // away from above and from the side by turns, drawn by draw(fish): every
    // frame shows the fish (over 1000 pixels) with under 1 % of them apart
    // from it (pixels `reach` apart join). Frames 0 and 1 of every `keepEvery`,
    // to look at.
    template <class Fish, class DrawOne>
    std::vector<QImage> ExpectTurnHoldsTogetherAboveAndSide(Fish& fish, int frames, float distance, int reach,
                                                            int keepEvery, DrawOne draw)
    {
        fish.m_nTargetHeading = 180;
        std::vector<QImage> pictures;
        for (int frame = 0; frame < frames; ++frame) {
            const bool fromAbove = frame % 2 == 0;
            const QImage image = Render(0, fromAbove ? distance : 0.0f, fromAbove ? 0.0f : distance, 40.0f,
                                        [&] { draw(fish); });
            if (frame % keepEvery == 0 || frame % keepEvery == 1)
                pictures.push_back(image);
            long total = 0;
            const long loose = LoosePixels(image, m_background, reach, nullptr, &total);
            EXPECT_GT(total, 1000) << "frame " << frame;
            if (total <= 1000)
                return pictures;
            EXPECT_LT(loose, total / 100) << "frame " << frame << ": pieces apart from the fish (" << loose
                                          << " of " << total << ")";
        }
        return pictures;
    }

    // A fish whose course turns only at the x walls, started just inside the
    // left one: 24 frames, each seen from above and from three quarters (each
    // view draws the same frame) with the fish drawn 49 to the right of where
    // it swims. Every picture shows over 1500 fish pixels (as fishPixels
    // counts them) with fewer than looseBelow(pixels, fromAbove) apart from
    // the body (pixels two apart join); the frame after the heading flips,
    // the whole body shows 180 degrees over its `segments`. The pictures of
    // the four frames before the flip and the four after, to look at.
    template <class Fish>
    std::vector<QImage> ExpectWallTurnHoldsTogether(Fish& fish, GLuint texture, int segments,
                                                    const std::function<long(const QImage&)>& fishPixels,
                                                    const std::function<long(long pixels, bool fromAbove)>& looseBelow,
                                                    const char* comeRound)
    {
        fish.m_fPos[0] = -49.5f;
        std::vector<QImage> pictures;
        int flipped = -1;
        for (int frame = 0; frame < 24; ++frame) {
            const int before = fish.m_nTargetHeading;
            for (bool seenFromAbove : {true, false}) {
                Fish drawn = fish;  // each view draws the same frame
                const float x = drawn.m_fPos[0] + 49.0f;
                auto scene = [&] {
                    glBindTexture(GL_TEXTURE_2D, texture);
                    glPushMatrix();
                    glTranslatef(x, 0, 0);
                    drawn.Draw(0);
                    glPopMatrix();
                };
                const QImage image = seenFromAbove ? Render(0, 9, 0.01f, scene) : Render(-4, 3, 7, scene);
                const long pixels = fishPixels(image);
                QImage marked;
                EXPECT_LT(LoosePixels(image, m_background, 2, &marked, nullptr), looseBelow(pixels, seenFromAbove))
                    << "frame " << frame;
                EXPECT_GT(pixels, 1500) << "frame " << frame;
                pictures.push_back(marked);
                if (!seenFromAbove)
                    fish = drawn;
            }
            if (fish.m_nTargetHeading != before)
                flipped = frame;
            if (flipped >= 0 && frame == flipped + 1) {
                EXPECT_EQ(fish.m_fHeading, 180.0f) << comeRound;
                for (int i = 0; i < segments; ++i)
                    EXPECT_EQ(fish.m_nBendAngle[i], 180) << i;
            }
        }
        EXPECT_GE(flipped, 0) << "it met the wall";
        if (flipped < 0)
            return {};
        const size_t first = 2 * static_cast<size_t>(std::max(0, flipped - 3));
        return {pictures.begin() + first, pictures.begin() + std::min(pictures.size(), first + 16)};
    }

    int m_width, m_height;
    QRgb m_background;
    std::unique_ptr<OffscreenTarget> m_target;

private:
    std::vector<int> m_species;
    std::map<int, GLuint> m_speciesTextures;
};

// The pictures `across` to a row, saved as <the variable's value><suffix>.png
// when the environment variable is set.
inline void KeepPictures(const char* variable, const std::vector<QImage>& pictures, const char* suffix, int across)
{
    const char* path = std::getenv(variable);
    if (path == nullptr || pictures.empty())
        return;
    const int w = pictures[0].width(), h = pictures[0].height();
    const int rows = int((pictures.size() + across - 1) / across);
    QImage sheet(w * across, h * rows, QImage::Format_RGBA8888);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (size_t k = 0; k < pictures.size(); ++k)
        painter.drawImage(int(k % across) * w, int(k / across) * h, pictures[k]);
    painter.end();
    EXPECT_TRUE(sheet.save(QString::fromStdString(std::string(path) + suffix + ".png")));
}

// A fish of class Fish that has swum 30 frames in the game's swim box from a
// known random sequence, drawn by `draw` (or as the fish pass draws it), then
// levelled (heading 0: its snout toward -x).
template <class Fish, class DrawOne>
Fish SettledFish(DrawOne draw)
{
    crt::srand(5);
    Fish fish;
    fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
    fish.m_fPitch = 0.0f;
    for (int i = 0; i < 30; ++i)
        draw(fish);
    fish.m_fPitch = fish.m_fShownPitch = 0.0f;
    return fish;
}

template <class Fish>
Fish SettledFish()
{
    return SettledFish<Fish>([](Fish& f) { DrawInItsForm(f); });
}

// A settled fish with its mouth shut (the stroke set), facing heading 0.
template <class Fish>
Fish SettledFishMouthShut()
{
    Fish fish = SettledFish<Fish>();
    fish.m_bStroke = 1;
    return fish;
}

// Saves `pictures`, two to a row, as <$variable><suffix>.png when the
// environment variable `variable` names a file (to look at them).
inline void KeepPictureSheet(const std::vector<QImage>& pictures, const char* variable, const char* suffix, int, int)
{
    KeepPictures(variable, pictures, suffix, 2);
}

// Fish put at (x, y, z) and drawn by `draw` as the fish pass draws it: with
// its texture, translated there (it moves as it is drawn).
template <class Fish, class DrawOne>
void DrawFishWith(Fish& fish, GLuint texture, float x, float y, float z, DrawOne draw)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    fish.m_fPos[0] = x;
    fish.m_fPos[1] = y;
    fish.m_fPos[2] = z;
    glPushMatrix();
    glTranslatef(x, y, z);
    draw(fish);
    glPopMatrix();
}

// At (x, y, 0), in its class's form of Draw, or with a variant.
template <class Fish>
void DrawFishAt(Fish& fish, GLuint texture, float x, float y)
{
    DrawFishWith(fish, texture, x, y, 0.0f, [](Fish& f) { DrawInItsForm(f); });
}

template <class Fish>
void DrawFishAt(Fish& fish, GLuint texture, float x, float y, int variant)
{
    DrawFishWith(fish, texture, x, y, 0.0f, [variant](Fish& f) { f.Draw(variant); });
}

// The box round points: the least and the greatest of each coordinate.
struct PointBounds {
    std::array<float, 3> lo = {1e9f, 1e9f, 1e9f}, hi = {-1e9f, -1e9f, -1e9f};
};

// `fish` at x 0, come round at once to `heading` at a wall: the bounds of
// what one Draw sends (within 10 of the origin). The next Draw, clear of the
// wall, moves it the way its snout points (toward falling x at heading 0).
template <class Fish>
PointBounds DrawnHeadFirst(Fish& fish, int heading)
{
    fish.m_nTargetHeading = heading;
    fish.m_nWallState = 1;  // snaps round at once
    fish.m_fPos[0] = 0;
    const std::vector<std::array<float, 3>> points = FeedbackPoints([&] { DrawInItsForm(fish); }, 10.0f);
    EXPECT_FALSE(points.empty());
    PointBounds b;
    for (const auto& p : points)
        for (size_t k = 0; k < 3; ++k) {
            b.lo[k] = std::min(b.lo[k], p[k]);
            b.hi[k] = std::max(b.hi[k], p[k]);
        }
    fish.m_nWallState = 0;
    const float x = fish.m_fPos[0];
    DrawInItsForm(fish);
    EXPECT_EQ(fish.m_fPos[0] < x, heading == 0) << "it moves the way its snout points";
    return b;
}

// A pixel within 5 (the sum over red, green and blue) of the clear colour.
inline bool IsBackgroundPixel(QRgb p, QRgb background)
{
    return std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background)) +
               std::abs(qBlue(p) - qBlue(background)) <
           6;
}

// Each pixel of columns x0 to x1 - 1 that is not the background, with the
// bounds of them all.
struct FishBounds {
    long pixels = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};

template <class Visit>
FishBounds ForEachFishPixel(const QImage& image, QRgb background, int x0, int x1, Visit visit)
{
    FishBounds b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const QRgb p = image.pixel(x, y);
            if (IsBackgroundPixel(p, background))
                continue;
            ++b.pixels;
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.top = std::min(b.top, y);
            b.bottom = std::max(b.bottom, y);
            visit(qRed(p), qGreen(p), qBlue(p));
        }
    return b;
}

// What a picture shows: its fish pixels and their bounds. A test's census
// derives from it and adds the colours it counts.
struct FishCensus {
    long fish = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};

// The census of columns x0 to x1 - 1: `classify(census, r, g, b)` counts each
// fish pixel's colour.
template <class Census, class Classify>
Census CountFish(const QImage& image, QRgb background, int x0, int x1, Classify classify)
{
    Census c;
    const FishBounds f =
        ForEachFishPixel(image, background, x0, x1, [&](int r, int g, int b) { classify(c, r, g, b); });
    c.fish = f.pixels;
    c.left = f.left;
    c.right = f.right;
    c.top = f.top;
    c.bottom = f.bottom;
    return c;
}

// The fish pixels outside the largest connected piece of a picture (a fin
// apart from the body shows as a piece of its own). Pixels join their four
// neighbours, or with `reach` r > 0 every pixel up to r away in x and y.
// `marked`, when given, is the picture with those pixels in magenta.
inline long LoosePixels(const QImage& image, QRgb background, int reach = 0, QImage* marked = nullptr,
                        long* total = nullptr)
{
    const int w = image.width(), h = image.height();
    std::vector<int> label(size_t(w) * h, 0);
    long all = 0, largest = 0;
    int next = 0, main = 0;
    std::vector<int> stack;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return;
        const int j = y * w + x;
        if (!label[j] && !IsBackgroundPixel(image.pixel(x, y), background)) {
            label[j] = next;
            stack.push_back(j);
        }
    };
    for (int start = 0; start < w * h; ++start) {
        if (label[start] || IsBackgroundPixel(image.pixel(start % w, start / w), background))
            continue;
        long size = 0;
        label[start] = ++next;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back(), x = i % w, y = i / w;
            stack.pop_back();
            ++size;
            if (reach == 0) {
                visit(x + 1, y);
                visit(x - 1, y);
                visit(x, y + 1);
                visit(x, y - 1);
            } else {
                for (int dy = -reach; dy <= reach; ++dy)
                    for (int dx = -reach; dx <= reach; ++dx)
                        visit(x + dx, y + dy);
            }
        }
        all += size;
        if (size > largest) {
            largest = size;
            main = next;
        }
    }
    if (marked != nullptr) {
        *marked = image.copy();
        for (int i = 0; i < w * h; ++i)
            if (label[i] && label[i] != main)
                marked->setPixel(i % w, i / w, qRgb(255, 0, 255));
    }
    if (total != nullptr)
        *total = all;
    return all - largest;
}

// The share of the fish pixels that LoosePixels finds (0 for no fish).
inline double LooseShare(const QImage& image, QRgb background, int reach = 0)
{
    long total = 0;
    const long loose = LoosePixels(image, background, reach, nullptr, &total);
    return total ? double(loose) / double(total) : 0.0;
}
