#include <GL/glew.h>
#include <GL/glu.h>

#include "gl/gl_fixture.h"
#include "gl/offscreen_target.h"
#include "platform/dc_internal.h"
#include "platform/glfont.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr float kDepth = 0.2f;
constexpr int kCodes = 255;

HFONT MakeFont(int weight)
{
    return CreateFontA(-12, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                       ANTIALIASED_QUALITY, FF_DONTCARE | DEFAULT_PITCH, nullptr);
}

// The game's set-up: a bold font in the window's device context, lists for codes 0..254.
struct GameFont {
    HDC__ dc;
    HFONT font = nullptr;
    GLuint base = 0;
    GLYPHMETRICSFLOAT metrics[256];
    BOOL built = FALSE;
    double buildMs = 0;

    GameFont()
    {
        font = MakeFont(FW_BOLD);
        SelectObject(&dc, font);
        base = glGenLists(kCodes);
        const auto start = std::chrono::steady_clock::now();
        built = wglUseFontOutlinesA(&dc, 0, kCodes, base, 0.0f, kDepth, WGL_FONT_POLYGONS, metrics);
        buildMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
};

struct Vertex {
    float x, y, z;     // object coordinates
    float nx, ny, nz;  // the normal given with the vertex
};
struct Primitive {
    GLenum token;
    std::vector<Vertex> v;
};

// Feedback maps window coordinates back to object coordinates through this
// viewport and projection; texture coordinates from GL_NORMAL_MAP carry the normals.
constexpr int kViewport = 300;
constexpr double kLow = -1, kHigh = 2;

std::vector<Primitive> Capture(const std::function<void()>& draw)
{
    std::vector<GLfloat> buffer(1 << 20);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, kViewport, kViewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(kLow, kHigh, kLow, kHigh, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // Mesa generates texture coordinates only with a complete texture enabled.
    GLuint texture = 0;
    const GLubyte white[4] = {255, 255, 255, 255};
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    glEnable(GL_TEXTURE_2D);
    for (GLenum coord : {GL_S, GL_T, GL_R})
        glTexGeni(coord, GL_TEXTURE_GEN_MODE, GL_NORMAL_MAP);
    for (GLenum gen : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R})
        glEnable(gen);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_4D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    glDeleteTextures(1, &texture);

    const double perPixel = (kHigh - kLow) / kViewport;
    auto vertex = [&](const GLfloat* f) {
        return Vertex{float(kLow + f[0] * perPixel), float(kLow + f[1] * perPixel), 1 - 2 * f[2], f[8], f[9], f[10]};
    };
    std::vector<Primitive> out;
    for (GLint i = 0; i < used;) {
        Primitive p{static_cast<GLenum>(buffer[i++]), {}};
        int n = 0;
        if (p.token == GL_POLYGON_TOKEN)
            n = static_cast<int>(buffer[i++]);
        else if (p.token == GL_LINE_TOKEN || p.token == GL_LINE_RESET_TOKEN)
            n = 2;
        else if (p.token == GL_PASS_THROUGH_TOKEN)
            ++i;
        else
            n = 1;
        for (int k = 0; k < n; ++k, i += 12)
            p.v.push_back(vertex(&buffer[i]));
        out.push_back(std::move(p));
    }
    EXPECT_GE(used, 0) << "feedback buffer overflow";
    return out;
}

double SignedArea(const Primitive& t)
{
    const Vertex &a = t.v[0], &b = t.v[1], &c = t.v[2];
    return 0.5 * ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
}

bool InTriangle(const Primitive& t, double x, double y)
{
    auto side = [&](const Vertex& a, const Vertex& b) { return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x); };
    return side(t.v[0], t.v[1]) >= 0 && side(t.v[1], t.v[2]) >= 0 && side(t.v[2], t.v[0]) >= 0;
}

class GlFontTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (MakeTestGLContext())
            font_ = new GameFont;
    }
    static void TearDownTestSuite()
    {
        delete font_;
        font_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(font_, nullptr) << "no GL context"; }

    static GLuint List(int code) { return font_->base + code; }
    static const GLYPHMETRICSFLOAT& Metrics(int code) { return font_->metrics[code]; }
    static std::vector<Primitive> CaptureList(int code)
    {
        return Capture([code] { glCallList(List(code)); });
    }

    static GameFont* font_;
};
GameFont* GlFontTest::font_ = nullptr;

TEST_F(GlFontTest, BuildsAListForEveryCode)
{
    EXPECT_TRUE(font_->built);
    for (int code = 0; code < kCodes; ++code)
        EXPECT_TRUE(glIsList(List(code))) << code;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    RecordProperty("build_ms", std::to_string(font_->buildMs));
    std::printf("255 glyph lists built in %.1f ms\n", font_->buildMs);
    EXPECT_LT(font_->buildMs, 2000.0);
}

// Each glyph is a closed solid of triangles: front at z = 0 facing +z, back at
// z = -extrusion facing -z, walls between them facing away from the filled area.
TEST_F(GlFontTest, GlyphsAreSolidsOfTrianglesWithOutwardNormals)
{
    const int codes[] = {'A', 'O', '8', 'g', '@', 0xE9 /* e acute */, 0x80 /* euro */};
    for (int code : codes) {
        SCOPED_TRACE(code);
        const std::vector<Primitive> prims = CaptureList(code);
        std::vector<const Primitive*> front, back, walls;
        for (const Primitive& p : prims) {
            ASSERT_EQ(p.token, GLenum(GL_POLYGON_TOKEN));
            ASSERT_EQ(p.v.size(), 3u);
            int atFront = 0;
            for (const Vertex& v : p.v) {
                const bool zFront = std::abs(v.z) < 1e-4, zBack = std::abs(v.z + kDepth) < 1e-4;
                ASSERT_TRUE(zFront || zBack) << v.z;
                atFront += zFront;
            }
            (atFront == 3 ? front : atFront == 0 ? back : walls).push_back(&p);
        }
        ASSERT_FALSE(front.empty());
        ASSERT_EQ(front.size(), back.size());
        ASSERT_FALSE(walls.empty());

        double frontArea = 0, backArea = 0;
        float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
        for (const Primitive* t : front) {
            EXPECT_GE(SignedArea(*t), 0) << "front triangles turn counter-clockwise";
            frontArea += SignedArea(*t);
            for (const Vertex& v : t->v) {
                EXPECT_NEAR(v.nz, 1, 1e-5);
                minX = std::min(minX, v.x), maxX = std::max(maxX, v.x);
                minY = std::min(minY, v.y), maxY = std::max(maxY, v.y);
            }
        }
        for (const Primitive* t : back) {
            backArea -= SignedArea(*t);
            for (const Vertex& v : t->v)
                EXPECT_NEAR(v.nz, -1, 1e-5);
        }
        EXPECT_NEAR(frontArea, backArea, 1e-4);
        const GLYPHMETRICSFLOAT& m = Metrics(code);
        EXPECT_NEAR(maxX - minX, m.gmfBlackBoxX, 0.005);
        EXPECT_NEAR(maxY - minY, m.gmfBlackBoxY, 0.005);
        EXPECT_NEAR(minX, m.gmfptGlyphOrigin.x, 0.005);
        EXPECT_NEAR(maxY, m.gmfptGlyphOrigin.y, 0.005);

        auto filled = [&](double x, double y) {
            for (const Primitive* t : front) {
                if (InTriangle(*t, x, y))
                    return true;
            }
            return false;
        };
        constexpr double kStep = 0.002;
        for (const Primitive* w : walls) {
            const Vertex &a = w->v[0], &b = w->v[1], &c = w->v[2];
            // Normal of the winding: (b - a) x (c - a).
            const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
            const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
            double gx = uy * vz - uz * vy, gy = uz * vx - ux * vz;
            const double g = std::hypot(gx, gy);
            ASSERT_GT(g, 0);
            gx /= g, gy /= g;
            EXPECT_NEAR(a.nz, 0, 1e-5);
            EXPECT_GT(a.nx * gx + a.ny * gy, 0.999) << "normal agrees with the winding";
            // The wall's edge in the plane: probe both sides of its middle.
            const Vertex& far = std::hypot(b.x - a.x, b.y - a.y) > 1e-6 ? b : c;
            if (std::hypot(far.x - a.x, far.y - a.y) < 4 * kStep)
                continue;
            const double mx = (a.x + far.x) / 2, my = (a.y + far.y) / 2;
            EXPECT_FALSE(filled(mx + kStep * gx, my + kStep * gy)) << "outside at " << mx << "," << my;
            EXPECT_TRUE(filled(mx - kStep * gx, my - kStep * gy)) << "inside at " << mx << "," << my;
        }
    }
}

TEST_F(GlFontTest, CapitalIsAboutSevenTenthsOfTheEm)
{
    EXPECT_NEAR(Metrics('A').gmfBlackBoxY, 0.73, 0.05);
    EXPECT_NEAR(Metrics('A').gmfptGlyphOrigin.y, 0.73, 0.05);
    EXPECT_GT(Metrics('A').gmfCellIncX, 0.6);
    EXPECT_LT(Metrics('A').gmfCellIncX, 0.9);
    EXPECT_LT(Metrics('g').gmfptGlyphOrigin.y - Metrics('g').gmfBlackBoxY, -0.15) << "descender below the baseline";
}

// Every list ends with a translation by its advance; spaces and controls draw nothing.
TEST_F(GlFontTest, ListsAdvanceByTheirCellIncrement)
{
    struct Case {
        int code;
        bool draws;
        bool advances;
    };
    const Case cases[] = {
        {'A', true, true},  {'W', true, true},   {'.', true, true},     {' ', false, true},
        {0x01, false, false}, {0x0A, false, false}, {0x7F, false, false}, {0x80, true, true},
        {0x81, false, false}, {0xA0, false, true}, {0xFE, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const GLYPHMETRICSFLOAT& m = Metrics(c.code);
        if (c.advances)
            EXPECT_GT(m.gmfCellIncX, 0.1f);
        else
            EXPECT_EQ(m.gmfCellIncX, 0.0f);
        EXPECT_EQ(m.gmfCellIncY, 0.0f);
        EXPECT_EQ(!CaptureList(c.code).empty(), c.draws);

        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glCallList(List(c.code));
        GLfloat mv[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, mv);
        glPopMatrix();
        const GLfloat expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, m.gmfCellIncX, 0, 0, 1};
        for (int i = 0; i < 16; ++i)
            EXPECT_FLOAT_EQ(mv[i], expected[i]) << i;
    }
}

TEST_F(GlFontTest, SelectionOverAllListsFindsHits)
{
    std::vector<GLubyte> text;
    for (int code = 0; code < kCodes; ++code)
        text.push_back(static_cast<GLubyte>(code));
    GLuint hits[256];
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-1, 200, -1, 2, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glSelectBuffer(256, hits);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(7);
    glListBase(font_->base);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glListBase(0);
    const GLint count = glRenderMode(GL_RENDER);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    ASSERT_EQ(count, 1);
    EXPECT_EQ(hits[0], 1u);
    EXPECT_EQ(hits[3], 7u);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// "Parvolune" drawn lit as the game draws it: each letter where its advance puts it, front faces bright.
TEST_F(GlFontTest, DrawsTextLeftToRightLitFromTheFront)
{
    if (!glGenFramebuffers)
        GTEST_SKIP() << "no framebuffer objects";
    const std::string text = "Parvolune";
    float width = 0;
    for (char ch : text)
        width += Metrics(static_cast<unsigned char>(ch)).gmfCellIncX;
    constexpr int W = 480, H = 80;
    const double left = -0.25, right = width + 0.25, bottom = -0.5, top = 1.0;
    auto column = [&](double x) { return static_cast<int>((x - left) / (right - left) * W); };

    OffscreenTarget target(W, H);
    ASSERT_TRUE(target.Complete());
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, W, H);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);  // white, from +z
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glListBase(font_->base);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glListBase(0);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    const QImage image = target.Read();
    std::vector<GLubyte> green;  // rows in any order: only columns are counted
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            green.push_back(static_cast<GLubyte>(qGreen(image.pixel(x, y))));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    auto drawnIn = [&](int x0, int x1) {
        int drawn = 0;
        for (int y = 0; y < H; ++y) {
            for (int x = std::max(x0, 0); x < std::min(x1, W); ++x)
                drawn += green[size_t(y) * W + x] > 20;
        }
        return drawn;
    };
    int lit = 0, drawn = 0;
    for (GLubyte g : green) {
        drawn += g > 20;
        lit += g > 150;
    }
    EXPECT_GT(drawn, W * H / 20);
    EXPECT_GT(lit, drawn * 9 / 10) << "front faces face the light";

    float pen = 0;
    for (char ch : text) {
        const GLYPHMETRICSFLOAT& m = Metrics(static_cast<unsigned char>(ch));
        const double x0 = pen + m.gmfptGlyphOrigin.x, x1 = x0 + m.gmfBlackBoxX;
        EXPECT_GT(drawnIn(column(x0) + 1, column(x1) - 1), 20) << ch;
        pen += m.gmfCellIncX;
    }
    EXPECT_EQ(drawnIn(column(pen) + 2, W), 0) << "nothing past the last advance";
    EXPECT_EQ(drawnIn(0, column(Metrics('P').gmfptGlyphOrigin.x) - 1), 0) << "nothing before the first letter";
}

// The weight picks the face; without a selected font the bold face is used;
// other formats are refused with zeroed metrics.
TEST_F(GlFontTest, WeightAndFormatChooseWhatIsBuilt)
{
    HDC__ regularDc;
    HFONT regular = MakeFont(FW_NORMAL);
    SelectObject(&regularDc, regular);
    HDC__ emptyDc;
    struct Case {
        HDC dc;
        int format;
        BOOL result;
        float advance;  // of 'A'
    };
    const float bold = Metrics('A').gmfCellIncX;
    const Case cases[] = {
        {&emptyDc, WGL_FONT_POLYGONS, TRUE, bold},
        {nullptr, WGL_FONT_POLYGONS, TRUE, bold},
        {&regularDc, WGL_FONT_POLYGONS, TRUE, -1},
        {&font_->dc, 0, FALSE, 0},
    };
    const GLuint list = glGenLists(1);
    for (const Case& c : cases) {
        GLYPHMETRICSFLOAT m;
        m.gmfCellIncX = 123;
        EXPECT_EQ(wglUseFontOutlinesA(c.dc, 'A', 1, list, 0.0f, kDepth, c.format, &m), c.result);
        if (c.advance >= 0)
            EXPECT_EQ(m.gmfCellIncX, c.advance);
        else
            EXPECT_LT(m.gmfCellIncX, bold - 0.05) << "the regular face is narrower";
    }
    glDeleteLists(list, 1);
    SelectObject(&regularDc, font_->font);
    EXPECT_TRUE(DeleteObject(regular));
}

// Curves are flattened finer the smaller the deviation asked, finest at 0.
TEST_F(GlFontTest, SmallerDeviationGivesFinerCurves)
{
    const GLuint list = glGenLists(1);
    size_t previous = 0;
    for (float deviation : {0.1f, 0.01f, 0.0f}) {
        GLYPHMETRICSFLOAT m;
        ASSERT_TRUE(wglUseFontOutlinesA(&font_->dc, 'O', 1, list, deviation, kDepth, WGL_FONT_POLYGONS, &m));
        const size_t triangles = Capture([list] { glCallList(list); }).size();
        EXPECT_GT(triangles, previous) << deviation;
        previous = triangles;
    }
    EXPECT_EQ(previous, CaptureList('O').size());
    glDeleteLists(list, 1);
}

// Characters the font lacks (here codes past the single-byte range) draw nothing
// and advance by the font's missing-glyph box.
TEST_F(GlFontTest, MissingCharactersAdvanceByTheMissingGlyph)
{
    const GLuint list = glGenLists(1);
    GLYPHMETRICSFLOAT m;
    ASSERT_TRUE(wglUseFontOutlinesA(&font_->dc, 0x100, 1, list, 0.0f, kDepth, WGL_FONT_POLYGONS, &m));
    EXPECT_GT(m.gmfCellIncX, 0.3f);
    EXPECT_EQ(m.gmfBlackBoxX, 0.0f);
    EXPECT_TRUE(Capture([list] { glCallList(list); }).empty());
    glPushMatrix();
    glLoadIdentity();
    glCallList(list);
    GLfloat mv[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    glPopMatrix();
    EXPECT_FLOAT_EQ(mv[12], m.gmfCellIncX);
    glDeleteLists(list, 1);
}

TEST(GlFontObjects, SelectReturnsThePreviousFont)
{
    HDC__ dc;
    HFONT a = MakeFont(FW_BOLD), b = MakeFont(FW_NORMAL);
    int notAFont = 0;
    EXPECT_EQ(SelectObject(&dc, a), nullptr);
    EXPECT_EQ(SelectObject(&dc, b), a);
    EXPECT_EQ(SelectObject(&dc, b), b);
    EXPECT_EQ(SelectObject(&dc, &notAFont), nullptr);
    EXPECT_EQ(SelectObject(&dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(nullptr, a), nullptr);
    EXPECT_EQ(dc.font, b) << "refused selections change nothing";
    SelectObject(&dc, a);
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_EQ(SelectObject(&dc, b), nullptr) << "a deleted font cannot be selected";
    EXPECT_EQ(dc.font, a);
}

// A font selected into any device context stays alive: deleting it is refused.
TEST(GlFontObjects, DeleteRefusesSelectedFontsAndOtherObjects)
{
    HDC__ first, second;
    HFONT a = MakeFont(FW_BOLD), b = MakeFont(FW_BOLD);
    int notAFont = 0;
    SelectObject(&first, a);
    SelectObject(&second, a);
    EXPECT_FALSE(DeleteObject(a));
    SelectObject(&first, b);
    EXPECT_FALSE(DeleteObject(a)) << "still in the second context";
    SelectObject(&second, b);
    EXPECT_TRUE(DeleteObject(a));
    EXPECT_FALSE(DeleteObject(a)) << "already deleted";
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteObject(&notAFont));
}

}  // namespace
