#include "objects/screen_ripple.h"

#include "gfx/vertex_sink.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kGrid = CScreenRipple::GRID;
constexpr int kLast = kGrid - 1;
constexpr int kStartTime = 28;
constexpr int kStep = 7;
constexpr int kTailSteps = 341;
constexpr double kDistanceScale = 800.0;
constexpr double kPi = 3.1428571;  // as the table was made
constexpr int kHumps = 18;

struct Tables {
    RIPPLEVECTOR vectors[kGrid * kGrid];
    double amplitudes[CScreenRipple::AMPLITUDES];

    Tables()
    {
        for (int dx = 0; dx < kGrid; ++dx) {
            for (int dy = 0; dy < kGrid; ++dy) {
                const float x = static_cast<float>(dx) / kLast;
                const float y = static_cast<float>(dy) / kLast;
                const float l = std::sqrt(x * x + y * y);
                RIPPLEVECTOR& r = vectors[dx * kGrid + dy];
                if (l > 0.0f) {
                    r.ex = x / l;
                    r.ey = y / l;
                }
                r.distance = static_cast<int>(l * kDistanceScale);
            }
        }
        const int last = CScreenRipple::AMPLITUDES - 1;
        amplitudes[0] = 0.0;
        for (int i = 1; i <= last; ++i) {
            const double t = 1.0 - static_cast<double>(i) / last;
            amplitudes[i] = 0.125 * std::pow(t, 8) * (0.5 - 0.5 * std::cos(2.0 * kPi * kHumps * t));
        }
    }
};

const Tables& TheTables()
{
    static const Tables tables;
    return tables;
}

// A pixel coordinate as a grid cell, held to the grid.
int CellOf(int pixel, int size)
{
    const double cell = static_cast<double>(pixel) / size * kGrid;
    return static_cast<int>(std::clamp(cell, 0.0, static_cast<double>(kLast)));
}

}  // namespace

const RIPPLEVECTOR& CScreenRipple::Vector(int dx, int dy) { return TheTables().vectors[dx * kGrid + dy]; }

double CScreenRipple::Amplitude(int a) { return TheTables().amplitudes[a]; }

double CScreenRipple::GridDistance(int x1, int y1, int x2, int y2)
{
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    return std::sqrt(dx * dx + dy * dy);
}

int CScreenRipple::MaxCornerDistance(int cx, int cy) const
{
    const double m = std::max({GridDistance(cx, cy, 0, 0), GridDistance(cx, cy, kGrid, 0),
                               GridDistance(cx, cy, kGrid, kGrid), GridDistance(cx, cy, 0, kGrid)});
    return static_cast<int>(m_nWidth * m * 0.03125 + kTailSteps);
}

void CScreenRipple::Init(int width, int height)
{
    m_nWidth = width;
    m_nHeight = height;
    const double w = width, h = height;
    m_nDiagonal = static_cast<int>(std::sqrt(w * w + h * h));
    for (int k = 0; k < SLOTS; ++k) {
        m_nCenterX[k] = 0;
        m_nCenterY[k] = 0;
        m_nEnd[k] = 0;
        m_nTime[k] = m_nDiagonal + AMPLITUDES;
    }
    for (int i = 0; i < kGrid; ++i) {
        for (int j = 0; j < kGrid; ++j) {
            RIPPLEVERTEX& p = m_Grid[i * kGrid + j];
            p.x = 2.0f * i / kLast - 1.0f;
            p.y = 2.0f * j / kLast - 1.0f;
            p.restU = static_cast<float>(i) / kLast;
            p.restV = static_cast<float>(j) / kLast;
            p.u = p.restU;
            p.v = p.restV;
        }
    }
}

void CScreenRipple::AddRipple(int x, int y)
{
    if (m_nWidth <= 0 || m_nHeight <= 0)
        return;
    for (int k = 0; k < SLOTS; ++k) {
        if (m_nTime[k] < m_nEnd[k])
            continue;
        m_nCenterX[k] = CellOf(x, m_nWidth);
        m_nCenterY[k] = CellOf(y, m_nHeight);
        m_nTime[k] = kStartTime;
        m_nEnd[k] = MaxCornerDistance(m_nCenterX[k], m_nCenterY[k]);
        return;
    }
}

void CScreenRipple::Update(int /*mouseX*/, int /*mouseY*/)
{
    // Free slots keep ageing; held short of overflow, where they add nothing.
    for (int& time : m_nTime)
        time = time > INT_MAX - kStep ? INT_MAX : time + kStep;
    const Tables& tables = TheTables();
    for (int i = 0; i < kGrid; ++i) {
        for (int j = 0; j < kGrid; ++j) {
            RIPPLEVERTEX& p = m_Grid[i * kGrid + j];
            p.u = p.restU;
            p.v = p.restV;
            for (int k = 0; k < SLOTS; ++k) {
                int dx = i - m_nCenterX[k];
                int dy = j - m_nCenterY[k];
                const double sx = dx < 0 ? -1.0 : 1.0;
                const double sy = dy < 0 ? -1.0 : 1.0;
                dx = std::abs(dx);
                dy = std::abs(dy);
                const RIPPLEVECTOR& r = tables.vectors[dx * kGrid + dy];
                const int a = std::clamp(m_nTime[k] - r.distance, 0, AMPLITUDES - 1);
                const double fade = 1.0 - m_nTime[k] / static_cast<double>(AMPLITUDES);
                const double damping = fade * fade;
                const double amplitude = tables.amplitudes[a];
                p.u = static_cast<float>(p.u + sx * damping * r.ex * amplitude);
                p.v = static_cast<float>(p.v + sy * damping * r.ey * amplitude);
            }
        }
    }
}

void CScreenRipple::Draw()
{
    IVertexSink& sink = VertexSink();
    for (int i = 0; i < kLast; ++i) {
        for (int j = 0; j < kLast; ++j) {
            const RIPPLEVERTEX* corners[4] = {&m_Grid[i * kGrid + j], &m_Grid[i * kGrid + j + 1],
                                              &m_Grid[(i + 1) * kGrid + j + 1], &m_Grid[(i + 1) * kGrid + j]};
            sink.Begin(GL_POLYGON);
            for (const RIPPLEVERTEX* p : corners) {
                sink.TexCoord(p->u, p->v);
                sink.Vertex(p->x, p->y, 0.0f);
            }
            sink.End();
        }
    }
}
