// The back-wall Bezier patch: its control grid and its triangle-strip list.
#include "view/bezier_patch.h"

#include "gfx/vertex_sink.h"
#include "settings/settings.h"
#include "view/tank_view.h"

#include <cmath>
#include <vector>

float g_fBezierSway = 0.0f;
unsigned char g_bBezierSwayUp = 1;

namespace {

constexpr int kSide = 6;  // control points per row and per column
constexpr float kSwayStep = 0.02f;
constexpr float kSwayLimit = 2.5f;
constexpr double kTopY = 39.0;
constexpr double kRowStepY = 15.4;
constexpr double kWallZ = -90.0;

void StepSway()
{
    if (g_Settings.g_nBackground < 0 || g_Settings.g_nBackground > 2)
        return;
    g_fBezierSway += g_bBezierSwayUp ? kSwayStep : -kSwayStep;
    if (g_fBezierSway >= kSwayLimit)
        g_bBezierSwayUp = 0;
    if (g_fBezierSway < -kSwayLimit)
        g_bBezierSwayUp = 1;
}

}  // namespace

void CTankView::InitBezierPatch()
{
    StepSway();
    const float left = m_fTankBounds[0];
    const float dx = (m_fTankBounds[1] - left) / 5;
    for (int r = 0; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            const bool sways = r == 0 && (c < 2 || c > 3);
            const double x = left + c * dx + (sways ? g_fBezierSway : 0.0f);
            m_BezierPatch.anchors[r][c] = MakePoint3D(x, kTopY - kRowStepY * r, kWallZ);
        }
    }
    m_nBezierDivs = 2;
    m_BezierPatch.nList = 0;
}

POINT_3D CTankView::MakePoint3D(double x, double y, double z) { return POINT_3D{x, y, z}; }

POINT_3D CTankView::AddPoint3D(POINT_3D a, POINT_3D b) { return POINT_3D{a.x + b.x, a.y + b.y, a.z + b.z}; }

POINT_3D CTankView::ScalePoint3D(double k, POINT_3D p) { return POINT_3D{p.x * k, p.y * k, p.z * k}; }

POINT_3D CTankView::EvalBernstein(float u, const POINT_3D p[6])
{
    const double a = u;
    const double b = 1.0 - a;
    POINT_3D r = ScalePoint3D(std::pow(a, 5), p[0]);
    r = AddPoint3D(r, ScalePoint3D(5 * std::pow(a, 4) * b, p[1]));
    r = AddPoint3D(r, ScalePoint3D(10 * std::pow(a, 3) * std::pow(b, 2), p[2]));
    r = AddPoint3D(r, ScalePoint3D(10 * std::pow(a, 2) * std::pow(b, 3), p[3]));
    r = AddPoint3D(r, ScalePoint3D(5 * a * std::pow(b, 4), p[4]));
    return AddPoint3D(r, ScalePoint3D(std::pow(b, 5), p[5]));
}

GLuint CTankView::TessellateBezierPatch(BEZIER_PATCH patch, int divs)
{
    if (divs < 1)
        divs = 1;
    const GLuint list = glGenLists(1);
    std::vector<POINT_3D> last(divs + 1);
    if (patch.nList != 0)
        glDeleteLists(patch.nList, 1);

    POINT_3D temp[kSide];
    for (int j = 0; j < kSide; ++j)
        temp[j] = patch.anchors[j][kSide - 1];
    for (int k = 0; k <= divs; ++k)
        last[k] = EvalBernstein(static_cast<float>(k) / divs, temp);

    IVertexSink& sink = VertexSink();
    glNewList(list, GL_COMPILE);
    for (int i = 1; i <= divs; ++i) {
        const float a = static_cast<float>(i) / divs;
        const float aOld = static_cast<float>(i - 1) / divs;
        for (int j = 0; j < kSide; ++j)
            temp[j] = EvalBernstein(a, patch.anchors[j]);
        sink.Begin(GL_TRIANGLE_STRIP);
        for (int k = 0; k <= divs; ++k) {
            const float b = static_cast<float>(k) / divs;
            sink.MultiTexCoord(GL_TEXTURE1, aOld, b);
            sink.Vertex(static_cast<float>(last[k].x), static_cast<float>(last[k].y), static_cast<float>(last[k].z));
            last[k] = EvalBernstein(b, temp);
            sink.MultiTexCoord(GL_TEXTURE1, a, b);
            sink.Vertex(static_cast<float>(last[k].x), static_cast<float>(last[k].y), static_cast<float>(last[k].z));
        }
        sink.End();
    }
    glEndList();
    return list;
}
