#include "view/species_portraits.h"

#include "platform/crt.h"
#include "ui/fish_grid_picture.h"
#include "view/tank_view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSupersample = 3;
// The first look: a square of the world large enough for any fish.
constexpr float kSearchHalf = 40.0f;
constexpr int kSearchSide = 256;
// Room left around the fish, as a share of the picture.
constexpr float kMargin = 0.06f;
// How far above a fish that is flat seen side on is seen from.
constexpr float kFlatFishElevation = 75.0f;

// A framebuffer of its own, bound while it lives; the one bound before comes back.
class PortraitTarget {
public:
    PortraitTarget(int width, int height) : m_width(width), m_height(height)
    {
        glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &m_previous);
        glGenFramebuffersEXT(1, &m_fbo);
        glGenRenderbuffersEXT(2, m_rb);
        glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, m_rb[0]);
        glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_RGBA8, width, height);
        glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, m_rb[1]);
        glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_DEPTH_COMPONENT24, width, height);
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, m_fbo);
        glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_RENDERBUFFER_EXT, m_rb[0]);
        glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT, m_rb[1]);
    }
    ~PortraitTarget()
    {
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(m_previous));
        glDeleteRenderbuffersEXT(2, m_rb);
        glDeleteFramebuffersEXT(1, &m_fbo);
    }
    PortraitTarget(const PortraitTarget&) = delete;
    PortraitTarget& operator=(const PortraitTarget&) = delete;

    bool Complete() const { return glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT; }
    // RGBA bytes, bottom row first.
    std::vector<uint8_t> Read() const
    {
        std::vector<uint8_t> rgba(static_cast<size_t>(m_width) * m_height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

private:
    int m_width, m_height;
    GLint m_previous = 0;
    GLuint m_fbo = 0;
    GLuint m_rb[2] = {0, 0};
};

// One fish of the species seen from the side, `elevation` degrees above,
// through an orthographic box (left, right, bottom, top in world units), as
// the fish pass draws it.
std::vector<uint8_t> Draw(CTankView& view, int species, int width, int height, const float box[4], float elevation,
                          bool* drawn)
{
    PortraitTarget target(width, height);
    *drawn = false;
    if (!target.Complete())
        return {};
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, width, height);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(box[0], box[1], box[2], box[3], 1.0, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const double e = elevation * 3.14159265358979323846 / 180.0;
    gluLookAt(0.0, 100.0 * std::sin(e), 100.0 * std::cos(e), 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    for (GLenum gen : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q})
        glDisable(gen);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    GLint texture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    *drawn = DrawSpeciesFish(view, species);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    return *drawn ? target.Read() : std::vector<uint8_t>();
}

// How many pixels have any cover.
long CoveredPixels(const std::vector<uint8_t>& rgba)
{
    long n = 0;
    for (size_t i = 3; i < rgba.size(); i += 4)
        n += rgba[i] > 0;
    return n;
}

// The pixels with any cover: false when there are none.
bool CoveredBox(const std::vector<uint8_t>& rgba, int width, int height, int* x0, int* y0, int* x1, int* y1)
{
    *x0 = width;
    *y0 = height;
    *x1 = *y1 = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (rgba[(static_cast<size_t>(y) * width + x) * 4 + 3] > 0) {
                *x0 = std::min(*x0, x);
                *x1 = std::max(*x1, x);
                *y0 = std::min(*y0, y);
                *y1 = std::max(*y1, y);
            }
    return *x1 >= 0;
}

}  // namespace

bool DrawSpeciesFish(CTankView& view, int species)
{
    IFishArray* array = view.FishArray(species);
    if (!array)
        return false;
    IFishArray& fish = *array;
    // A fish of its own at the end of the species' array, gone again afterwards.
    const unsigned int randState = crt::RandState();
    const int n = fish.GetSize();
    fish.SetSize(n + 1);
    CFishModel& f = fish.GetAt(n);
    f.m_fHeading = 180.0f;
    f.m_nTargetHeading = 180;
    f.m_fPitch = f.m_fShownPitch = 0.0f;
    f.m_bNoWander = 1;
    glBindTexture(GL_TEXTURE_2D, view.m_texFish[species]);
    glPushMatrix();
    fish.DrawFish(n, {});
    glPopMatrix();
    fish.SetSize(n);
    crt::srand(randState);
    return true;
}

bool RenderSpeciesPortrait(CTankView& view, int species, int width, int height, std::vector<uint32_t>& argb)
{
    if (width <= 0 || height <= 0 || !view.m_hRC)
        return false;
    // Where the fish lies.
    const float search[4] = {-kSearchHalf, kSearchHalf, -kSearchHalf, kSearchHalf};
    bool drawn = false;
    // Side on, or from well above where that shows more of the fish (a flat
    // fish seen side on is a line).
    float elevation = 0.0f;
    std::vector<uint8_t> first = Draw(view, species, kSearchSide, kSearchSide, search, elevation, &drawn);
    if (drawn) {
        std::vector<uint8_t> above = Draw(view, species, kSearchSide, kSearchSide, search, kFlatFishElevation, &drawn);
        if (CoveredPixels(above) > 2 * CoveredPixels(first)) {
            elevation = kFlatFishElevation;
            first = std::move(above);
        }
    }
    int x0, y0, x1, y1;
    if (!drawn || !CoveredBox(first, kSearchSide, kSearchSide, &x0, &y0, &x1, &y1))
        return false;
    const float unit = 2 * kSearchHalf / kSearchSide;
    const float cx = -kSearchHalf + (x0 + x1 + 1) * 0.5f * unit;
    const float cy = -kSearchHalf + (y0 + y1 + 1) * 0.5f * unit;
    // The box of the picture's shape around it, with a margin.
    float halfW = (x1 - x0 + 3) * 0.5f * unit;
    float halfH = (y1 - y0 + 3) * 0.5f * unit;
    const float aspect = static_cast<float>(width) / height;
    if (halfW / halfH > aspect)
        halfH = halfW / aspect;
    else
        halfW = halfH * aspect;
    halfW /= 1 - 2 * kMargin;
    halfH /= 1 - 2 * kMargin;
    const float box[4] = {cx - halfW, cx + halfW, cy - halfH, cy + halfH};

    const int w = width * kSupersample, h = height * kSupersample;
    const std::vector<uint8_t> fine = Draw(view, species, w, h, box, elevation, &drawn);
    if (!drawn || fine.empty())
        return false;
    // Each pixel the mean of its samples (colours weighted by their cover), top row first.
    argb.assign(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < kSupersample; ++j)
                for (int i = 0; i < kSupersample; ++i) {
                    const int sy = h - 1 - (y * kSupersample + j);
                    const uint8_t* p = &fine[(static_cast<size_t>(sy) * w + x * kSupersample + i) * 4];
                    const float pa = p[3] / 255.0f;
                    r += p[0] * pa;
                    g += p[1] * pa;
                    b += p[2] * pa;
                    a += pa;
                }
            if (a <= 0)
                continue;
            const auto channel = [&](float v) { return static_cast<uint32_t>(std::lround(std::clamp(v / a, 0.0f, 255.0f))); };
            const uint32_t alpha =
                static_cast<uint32_t>(std::lround(255.0f * a / (kSupersample * kSupersample)));
            argb[static_cast<size_t>(y) * width + x] = (alpha << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
        }
    }
    return true;
}

void InstallSpeciesPortraits(CTankView& view)
{
    SetSpeciesPortraitSource([&view](int species, int width, int height, std::vector<uint32_t>& argb) {
        return RenderSpeciesPortrait(view, species, width, height, argb);
    });
}
