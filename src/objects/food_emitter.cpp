#include "objects/food_emitter.h"

#include "gfx/vertex_sink.h"
#include "platform/crt.h"

#include <cmath>

namespace {

constexpr float kBottom = -40.0f;
constexpr double kDrawLift = 0.2;
constexpr double kDegree = 0.017453333;

// rand() - rand(), the first draw minus the second.
int RandomDifference()
{
    const int first = crt::rand();
    return first - crt::rand();
}

}  // namespace

void CFoodEmitter::SetPosition(float x, float y, float z)
{
    m_fOrigin[0] = x;
    m_fOrigin[1] = y;
    m_fOrigin[2] = z;
    Reset();
}

void CFoodEmitter::Reset()
{
    for (FOODPELLET& p : m_Pellets) {
        p.x = static_cast<float>(RandomDifference() * 4.2115542e-5);
        p.y = 1.0f;
        p.z = static_cast<float>(RandomDifference() * 1.1597033e-5);
        p.tumble = static_cast<float>(RandomDifference() * 0.0054933317);
        const double swirl = RandomDifference() * 0.0054933317;
        p.swirl = static_cast<float>(swirl + RandomDifference() * 0.0054933317);
        p.sinkSpeed = static_cast<float>((crt::rand() % 10) * 0.0005 + 0.005);
        p.scale = 1.0f;
    }
    BuildDisplayList();
}

void CFoodEmitter::SetActive(BOOL active) { m_bActive = active ? 1 : 0; }

BOOL CFoodEmitter::IsActive() const { return m_bActive; }

void CFoodEmitter::Draw()
{
    glTranslatef(m_fOrigin[0], m_fOrigin[1], m_fOrigin[2]);
    glPushMatrix();
    bool drawn = false;
    for (const FOODPELLET& p : m_Pellets) {
        if (static_cast<int>(p.scale) == 0)
            continue;
        glPushMatrix();
        glRotated(p.swirl, 0.0, 1.0, 0.0);
        glTranslatef(p.x, static_cast<float>(p.y - kDrawLift), p.z);
        glRotated(p.tumble, 1.0, 0.0, 0.0);
        glCallList(m_nList);
        glPopMatrix();
        drawn = true;
    }
    glPopMatrix();
    if (!drawn)
        SetActive(FALSE);
    Update();
}

void CFoodEmitter::Update()
{
    for (int i = 0; i < PELLETS; ++i) {
        FOODPELLET& p = m_Pellets[i];
        if (p.y <= kBottom) {
            p.y = kBottom;
            p.tumble = static_cast<float>(p.tumble - crt::rand() * 6.103702e-6);
            p.swirl = static_cast<float>(p.swirl + crt::rand() * 3.0518509e-5);
            HidePellet(i);
        } else {
            p.x = static_cast<float>(p.x + RandomDifference() * 6.103702e-8);
            p.y -= p.sinkSpeed;
            p.z = static_cast<float>(p.z + RandomDifference() * 6.103702e-8);
            p.tumble = static_cast<float>(p.tumble + 0.4);
            p.swirl = static_cast<float>(p.swirl + 2.0);
        }
    }
}

void CFoodEmitter::HidePellet(int i) { m_Pellets[i].scale = 0.0f; }

void CFoodEmitter::BuildDisplayList()
{
    if (m_nList)
        glDeleteLists(m_nList, 1);
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    glScalef(0.5f, 0.5f, 0.5f);
    DrawPelletShape();
    glEndList();
}

void CFoodEmitter::DrawPelletShape()
{
    constexpr int kStrips = 30;
    constexpr int kColumns = 35;
    constexpr double kCapEdge = 1.5708;
    IVertexSink& sink = VertexSink();
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    sink.Color(1.0f, 1.0f, 200.0f / 255.0f);
    // The wave across the strips: r is lowest mid-wedge and rises to its edges.
    auto wave = [](double a) { return a * a * 0.0714285746 - 14.0; };
    auto vertex = [&sink](double p, double t, double s) {
        sink.Vertex(static_cast<float>(std::cos(p) * std::cos(t) * s), static_cast<float>(std::sin(t) * s),
                    static_cast<float>(-std::sin(p) * std::cos(t) * s));
    };
    double a = -14.5;
    for (int i = 0; i < kStrips; ++i, a += 1.0) {
        sink.Begin(GL_QUAD_STRIP);
        const double p1 = i * kDegree;
        const double p2 = p1 + kDegree;
        const double r1 = wave(a);
        const double r2 = wave(a + 1.0);
        for (int j = 0; j < kColumns; ++j) {
            const double t1 = j * kDegree + r1 * 0.016534736 + 1.0472;
            if (t1 >= kCapEdge)
                continue;
            const double w = 1.0 - j * 0.028571429;
            vertex(p1, t1, 1.0 + 0.01 * w * r1);
            const double t2 = j * kDegree + r2 * 0.016534736 + 1.0472;
            vertex(p2, t2, 1.0 + 0.01 * w * r2);
        }
        sink.End();
    }
    sink.Color(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
}
