// The cannon and its shots on screen, and the cached quadric shapes they are
// drawn with, read back from an offscreen target looking down -z.
#include "gl/gl_fixture.h"
#include "objects/cannon.h"
#include "platform/glaux.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr int kSize = 96;

// The lit pixels of a picture, in the units of the area it shows.
struct Lit {
    float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
    int count = 0;
    float unit = 0;  // the width of one pixel
    std::vector<bool> on;
    float x0 = 0, y0 = 0;

    bool At(float x, float y) const
    {
        const int px = int(std::floor((x - x0) / unit)), py = int(std::floor((y - y0) / unit));
        return px >= 0 && py >= 0 && px < kSize && py < kSize && on[py * kSize + px];
    }
};

class ShapesGL : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestGLContext());
        if (!glGenFramebuffers)
            GTEST_SKIP() << "no framebuffer objects";
        while (glGetError() != GL_NO_ERROR) {
        }
        target = MakeTarget();
        ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GLenum(GL_FRAMEBUFFER_COMPLETE));
    }
    void TearDown() override
    {
        if (!target.fbo)
            return;
        FreeTarget(target);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }

    // A kSize x kSize colour target in the current context, bound.
    struct Target {
        GLuint fbo = 0, colour = 0;
    };
    static Target MakeTarget()
    {
        Target t;
        glGenFramebuffers(1, &t.fbo);
        glGenRenderbuffers(1, &t.colour);
        glBindRenderbuffer(GL_RENDERBUFFER, t.colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kSize, kSize);
        glBindFramebuffer(GL_FRAMEBUFFER, t.fbo);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, t.colour);
        return t;
    }
    static void FreeTarget(const Target& t)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(1, &t.colour);
        glDeleteFramebuffers(1, &t.fbo);
    }

    // Draws into the square with lower left corner (x0, y0) and side size,
    // unlit, from a white start colour over black.
    Lit Render(float x0, float y0, float size, const std::function<void()>& draw)
    {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glViewport(0, 0, kSize, kSize);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_CULL_FACE);
        glColor3f(1, 1, 1);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(x0, x0 + size, y0, y0 + size, -200, 200);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        draw();
        std::vector<GLubyte> pixels(kSize * kSize * 4);
        glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopAttrib();

        Lit lit;
        lit.unit = size / kSize;
        lit.x0 = x0;
        lit.y0 = y0;
        lit.on.resize(kSize * kSize);
        for (int py = 0; py < kSize; ++py) {
            for (int px = 0; px < kSize; ++px) {
                const GLubyte* p = &pixels[(py * kSize + px) * 4];
                if (p[0] < 128 || p[1] < 128 || p[2] < 128)
                    continue;
                lit.on[py * kSize + px] = true;
                ++lit.count;
                const float x = x0 + px * lit.unit, y = y0 + py * lit.unit;
                lit.left = std::min(lit.left, x);
                lit.right = std::max(lit.right, x + lit.unit);
                lit.bottom = std::min(lit.bottom, y);
                lit.top = std::max(lit.top, y + lit.unit);
            }
        }
        return lit;
    }

    // The lit area spans [left, right] x [bottom, top] to within a pixel and a half.
    static void ExpectBounds(const Lit& lit, float left, float right, float bottom, float top)
    {
        const float slack = 1.5f * lit.unit;
        EXPECT_NEAR(lit.left, left, slack);
        EXPECT_NEAR(lit.right, right, slack);
        EXPECT_NEAR(lit.bottom, bottom, slack);
        EXPECT_NEAR(lit.top, top, slack);
    }

    Target target;
};

using CannonGL = ShapesGL;
using GlauxGL = ShapesGL;

// The barrel runs from the cannon's drawn centre (20 below its position) two
// units long, the ball of radius 0.8 on its far end; positive angles turn it
// toward -x.
TEST_F(CannonGL, BarrelAndBallStandWhereTheAimPoints)
{
    struct Case {
        float angle;
        float left, right, bottom, top;  // the lit area
        float ballX, ballY;
    };
    const Case cases[] = {
        {0.0f, -0.8f, 0.8f, -21.0f, -18.2f, 0.0f, -19.0f},
        {90.0f, -1.8f, 1.0f, -20.8f, -19.2f, -1.0f, -20.0f},
        {-90.0f, -1.0f, 1.8f, -20.8f, -19.2f, 1.0f, -20.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        CCannon cannon;
        cannon.Init(0.0f, 0.0f, -77.5f);
        cannon.m_fAngle = c.angle;
        const Lit lit = Render(-3.0f, -23.0f, 6.0f, [&] { cannon.Draw(); });
        ExpectBounds(lit, c.left, c.right, c.bottom, c.top);
        // The ball is solid, also beside the barrel's axis.
        for (float d : {-0.6f, 0.0f, 0.6f}) {
            EXPECT_TRUE(lit.At(c.ballX + d, c.ballY)) << d;
            EXPECT_TRUE(lit.At(c.ballX, c.ballY + d)) << d;
        }
    }
}

// Upright: between the bottom ring and the ball the barrel is a set of lines
// no wider than its radius of 0.5.
TEST_F(CannonGL, BarrelIsAWireTubeOfRadiusOneHalf)
{
    CCannon cannon;
    cannon.Init(0.0f, 0.0f, -77.5f);
    const Lit lit = Render(-3.0f, -23.0f, 6.0f, [&] { cannon.Draw(); });
    const float y = -20.4f;
    int lit_in_row = 0, dark_in_row = 0;
    for (float x = -1.0f; x <= 1.0f; x += lit.unit) {
        if (lit.At(x, y)) {
            ++lit_in_row;
            EXPECT_LE(std::fabs(x), 0.5f + lit.unit) << x;
        } else if (std::fabs(x) < 0.45f) {
            ++dark_in_row;
        }
    }
    EXPECT_GE(lit_in_row, 4);
    EXPECT_GE(dark_in_row, 2);
}

// A flying shot is drawn as a ball of radius 0.5 where it lands after its
// step, 20 below its stored place; spent shots and slot 0 are not drawn.
TEST_F(CannonGL, OnlyFlyingShotsAreDrawn)
{
    CCannon cannon;
    cannon.Init(0.0f, 0.0f, -77.5f);
    cannon.m_Shots[0] = CANNONSHOT{0.0f, 10.0f, -77.5f, 1, 0.0f, 0};
    cannon.m_Shots[1] = CANNONSHOT{2.0f, 10.0f, -77.5f, 1, 0.0f, 0};
    cannon.m_Shots[2] = CANNONSHOT{-2.0f, 10.0f, -77.5f, 1, 0.0f, 1};
    cannon.m_Shots[3] = CANNONSHOT{-2.0f, 12.0f, -77.5f, 0, 0.0f, 0};
    const Lit lit = Render(-4.0f, -13.0f, 8.0f, [&] { cannon.UpdateAndDrawShots(); });
    ExpectBounds(lit, 1.5f, 2.5f, -9.5f, -8.5f);
}

// A shot is drawn once at the place that takes it out of range, then no more.
TEST_F(CannonGL, ShotLeavingTheRangeIsDrawnOnceMore)
{
    CCannon cannon;
    cannon.Init(0.0f, 0.0f, -77.5f);
    cannon.Fire();
    cannon.m_Shots[1].y = 50.0f;
    const Lit last = Render(-4.0f, 27.0f, 8.0f, [&] { cannon.UpdateAndDrawShots(); });
    ExpectBounds(last, -0.5f, 0.5f, 30.5f, 31.5f);
    EXPECT_EQ(cannon.m_Shots[1].active, 0);
    const Lit after = Render(-4.0f, 27.0f, 8.0f, [&] { cannon.UpdateAndDrawShots(); });
    EXPECT_EQ(after.count, 0);
}

// The open cylinder stands on the y axis, centred on the origin.
TEST_F(GlauxGL, WireCylinderStandsCentredOnTheYAxis)
{
    struct Case {
        double radius, height;
    };
    for (const Case& c : {Case{0.5, 2.0}, Case{0.25, 3.0}, Case{0.5, 2.0}}) {
        SCOPED_TRACE(testing::Message() << c.radius << " x " << c.height);
        const Lit lit = Render(-2.0f, -2.0f, 4.0f, [&] { auxWireCylinder(c.radius, c.height); });
        const float r = float(c.radius), h = float(c.height) / 2;
        ExpectBounds(lit, -r, r, -h, h);
        EXPECT_LT(lit.count, 0.7f * (2 * r) * (2 * h) / (lit.unit * lit.unit));  // lines, not a filled side
    }
}

// Sizes alternate so that a list replayed for the wrong size shows.
TEST_F(GlauxGL, SolidSphereFillsADiscOfItsRadius)
{
    for (double radius : {0.5, 0.8, 0.5, 1.2, 0.8}) {
        SCOPED_TRACE(radius);
        const Lit lit = Render(-2.0f, -2.0f, 4.0f, [&] { auxSolidSphere(radius); });
        const float r = float(radius);
        ExpectBounds(lit, -r, r, -r, r);
        EXPECT_NEAR(lit.count * lit.unit * lit.unit, 3.14159f * r * r, 0.1f * 3.14159f * r * r);
    }
}

// The first call compiles and draws; later calls of the same size make no new
// list, another size does.
TEST_F(GlauxGL, SameSizeReplaysItsList)
{
    const auto lists = [] {
        int n = 0;
        for (GLuint name = 1; name <= 20000; ++name)
            n += glIsList(name) == GL_TRUE;
        return n;
    };
    const int before = lists();
    const Lit first = Render(-2.0f, -2.0f, 4.0f, [] { auxSolidSphere(0.37); });
    EXPECT_EQ(lists(), before + 1);
    EXPECT_GT(first.count, 0);
    const Lit again = Render(-2.0f, -2.0f, 4.0f, [] {
        auxSolidSphere(0.37);
        auxWireCylinder(0.37, 1.0);
        auxWireCylinder(0.37, 1.0);
        auxSolidSphere(0.37);
    });
    EXPECT_EQ(lists(), before + 2);
    EXPECT_GT(again.count, first.count);
    const Lit sphere = Render(-2.0f, -2.0f, 4.0f, [] { auxSolidSphere(0.37); });
    EXPECT_EQ(sphere.count, first.count);
    EXPECT_EQ(lists(), before + 2);
}

// Every context draws the shapes, the first to draw them and the others:
// one made while the first lives, one made after another has ended, and the
// first again afterwards.
TEST_F(GlauxGL, EveryContextDrawsTheShapesOfItsOwnLists)
{
    const auto draw = [] {
        auxSolidSphere(0.5);
        glTranslatef(1.2f, 0.0f, 0.0f);
        auxWireCylinder(0.25, 3.0);
    };
    const Lit first = Render(-2.0f, -2.0f, 4.0f, draw);
    ASSERT_GT(first.count, 0);
    for (const char* which : {"a second context", "a context after it"}) {
        SCOPED_TRACE(which);
        OtherTestGLContext other;
        ASSERT_TRUE(other.ok());
        const Target there = MakeTarget();
        ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GLenum(GL_FRAMEBUFFER_COMPLETE));
        const Lit lit = Render(-2.0f, -2.0f, 4.0f, draw);
        EXPECT_EQ(lit.count, first.count);
        EXPECT_EQ(lit.on, first.on);
        const Lit again = Render(-2.0f, -2.0f, 4.0f, draw);
        EXPECT_EQ(again.on, first.on) << "replayed";
        FreeTarget(there);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    glBindFramebuffer(GL_FRAMEBUFFER, target.fbo);
    EXPECT_EQ(Render(-2.0f, -2.0f, 4.0f, draw).on, first.on);
}

// Drawn while another list is being compiled, a shape goes into that list,
// whether its own list exists yet or not.
TEST_F(GlauxGL, ShapesDrawnIntoAListBeingCompiled)
{
    Render(-2.0f, -2.0f, 4.0f, [] { auxSolidSphere(0.5); });  // cached from here on
    const GLuint outer = glGenLists(1);
    glNewList(outer, GL_COMPILE);
    auxSolidSphere(0.61);  // not cached yet
    glTranslatef(1.0f, 0.0f, 0.0f);
    auxSolidSphere(0.5);
    glEndList();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    const Lit lit = Render(-2.0f, -2.0f, 4.0f, [&] { glCallList(outer); });
    glDeleteLists(outer, 1);
    ExpectBounds(lit, -0.61f, 1.5f, -0.61f, 0.61f);
    const Lit plain = Render(-2.0f, -2.0f, 4.0f, [] { auxSolidSphere(0.61); });
    ExpectBounds(plain, -0.61f, 0.61f, -0.61f, 0.61f);
}

}  // namespace
