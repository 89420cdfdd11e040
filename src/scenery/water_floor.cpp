#include "scenery/water_floor.h"

#include "gfx/app_title.h"
#include "gfx/builtin_texture.h"
#include "gfx/temp_folder.h"
#include "gfx/texture.h"
#include "gfx/vertex_sink.h"
#include "platform/crt.h"
#include "platform/msgbox.h"
#include "scenery/floor_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

float g_fSpotU = 0.0f;
float g_fSpotV = 0.0f;

namespace {

struct FloorTexture {
    int id;
    const char* name;
    GLuint CWaterFloor::*member;
};

// Restored in this order; the resource set holds none of them, so they stay
// without an image.
const FloorTexture kTextures[] = {
    {165, "Water", &CWaterFloor::m_texWater},
    {164, "GuangXian", &CWaterFloor::m_texLightRay},
    {262, "guangban0", &CWaterFloor::m_texLightSpot},
};

const float kStyleTint[4][3] = {{0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {0, 1, 1}};

bool IsShapeStyle(int style) { return style >= 0 && style < 4; }

// Vertex (i, j) of the grid with its picture coordinates on units 0 and 1.
void EmitSheetVertex(IVertexSink& sink, int i, int j, int rows, int cols)
{
    const float s = static_cast<float>(i) / rows * CWaterFloor::kRepeatAlongRows;
    const float t = static_cast<float>(j) / cols * CWaterFloor::kRepeatAlongCols;
    sink.TexCoord(s, t);
    sink.MultiTexCoord(GL_TEXTURE1, s, t);
    const float* v = g_WaterFloorGrid[i][j];
    sink.Vertex(v[0], v[1], v[2]);
}

}  // namespace

int CWaterFloor::GridRows() const { return std::clamp(m_nRows, 0, FLOOR_GRID_ROWS); }

int CWaterFloor::GridCols() const { return std::clamp(m_nCols, 0, FLOOR_GRID_COLS); }

float CWaterFloor::HeightFactor() const
{
    const int cols = GridCols();
    return cols > 0 ? 2.0f * static_cast<float>(m_nAmplitude) / static_cast<float>(cols) : 0.0f;
}

// Sets x and z of every filled vertex (column cols - 1 stays as it is) and y
// from height(i, j, d), with d = (cols - j) x the height factor.
template <typename Shape>
void CWaterFloor::FillGrid(Shape height)
{
    const int rows = GridRows(), cols = GridCols();
    const float k = HeightFactor();
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j + 1 < cols; ++j) {
            float* v = g_WaterFloorGrid[i][j];
            v[0] = static_cast<float>(i - rows / 2);
            v[1] = height(i, j, static_cast<float>(cols - j) * k);
            v[2] = static_cast<float>(j - cols);
        }
    }
}

void CWaterFloor::Init(int rows, int cols, int amplitude)
{
    m_nRows = rows;
    m_nCols = cols;
    m_nAmplitude = amplitude;

    const std::string folder = GetTempFolder();
    if (!folder.empty()) {  // GetTempFolder has told the player
        for (const FloorTexture& texture : kTextures)
            LoadBuiltinTexture(folder, texture.id, texture.name, &(this->*texture.member), LoadBmpTexture);
    }

    if (static_cast<int64_t>(rows) * cols > static_cast<int64_t>(FLOOR_GRID_ROWS) * FLOOR_GRID_COLS)
        MessageBoxA(nullptr, "MAP SIZE ERROR", APP_TITLE, MB_OK);
    m_nRows = GridRows();
    m_nCols = GridCols();

    // Waves only in the rearmost columns, flat in front.
    const int waveCols = m_nCols - 47;
    FillGrid([waveCols](int i, int j, float d) {
        return j < waveCols ? static_cast<float>(std::cos((i + j) * 0.125) * d) : 0.0f;
    });
    BuildList();
}

void CWaterFloor::SetStyle(int style)
{
    if (style == m_nStyle)
        return;
    m_nStyle = style;
    switch (style) {
    case 0:
        FillGrid([](int, int, float) { return 0.0f; });
        break;
    case 1:
        FillGrid([](int i, int j, float d) { return static_cast<float>(std::sin((i + j) * 0.0625) * d); });
        break;
    case 2:
        FillGrid([](int i, int j, float d) { return static_cast<float>(std::sin((i + j) * 0.1) * d); });
        break;
    case 3:
        FillGrid([](int i, int j, float d) { return static_cast<float>(std::fabs(std::cos((i + j) * 0.05)) * d); });
        break;
    default:  // the heights stay
        break;
    }
    BuildList();
}

void CWaterFloor::Draw() { glCallList(m_nList); }

void CWaterFloor::BuildList()
{
    if (m_nList)
        glDeleteLists(m_nList, 1);
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    glScalef(1.5f, 1.0f, 1.0f);
    DrawGrid();
    glEndList();
}

void CWaterFloor::DrawGrid()
{
    IVertexSink& sink = VertexSink();
    if (IsShapeStyle(m_nStyle)) {
        const float* tint = kStyleTint[m_nStyle];
        sink.Color(tint[0], tint[1], tint[2]);
    }
    if (m_texSheet)
        glBindTexture(GL_TEXTURE_2D, m_texSheet);
    const int rows = GridRows(), cols = GridCols();
    for (int i = 0; i + 1 < rows; ++i) {
        sink.Begin(GL_QUAD_STRIP);
        for (int j = 0; j + 1 < cols; ++j) {
            EmitSheetVertex(sink, i, j, rows, cols);
            EmitSheetVertex(sink, i + 1, j, rows, cols);
        }
        sink.End();
    }
    sink.Color(1.0f, 1.0f, 1.0f);
}

void CWaterFloor::DrawLightSpots(int /*a*/, int b, int c, int style, int /*e*/)
{
    if (IsShapeStyle(style) && b && c)
        DrawLightSpotQuad(style);
}

void CWaterFloor::DrawLightSpotQuad(int style)
{
    const float lower = IsShapeStyle(style) ? -22.0f : -20.0f;
    g_fSpotV -= 0.003f;
    if (g_fSpotV < -10.0f)
        g_fSpotV = 0.0f;
    g_fSpotU = static_cast<float>((crt::rand() % 10) * 0.0002);
    const float u = g_fSpotU, v = g_fSpotV;

    glBindTexture(GL_TEXTURE_2D, m_texLightSpot);
    IVertexSink& sink = VertexSink();
    sink.Begin(GL_QUADS);
    sink.TexCoord(u, u - v);
    sink.Vertex(-200.0f, -100.0f, -90.0f);
    sink.TexCoord(1.0f - u, -v - u);
    sink.Vertex(70.0f, -100.0f, -90.0f);
    sink.TexCoord(1.0f + u, 1.0f - v + u);
    sink.Vertex(70.0f, lower, -90.0f);
    sink.TexCoord(-u, 1.0f - v - u);
    sink.Vertex(-200.0f, lower, -90.0f);
    sink.End();
}
