// The floor sheet without a GL context: grid heights, strips through the
// vertex recorder, size limits and the light-spot quad.
#include "scenery/floor_grid.h"
#include "scenery/water_floor.h"
#include "support/vertex_recorder.h"

#include "platform/crt.h"
#include "platform/msgbox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const float* GridVertex(int i, int j) { return g_WaterFloorGrid[i][j]; }

// Counts what a sink receives without keeping it: for grids of a million vertices.
class CountingSink : public IVertexSink {
public:
    CountingSink() { m_previous = SetVertexSink(this); }
    ~CountingSink() override { SetVertexSink(m_previous); }
    void Begin(GLenum) override { ++strips; }
    void End() override {}
    void Normal(float, float, float) override {}
    void TexCoord(float, float) override {}
    void MultiTexCoord(GLenum, float, float) override {}
    void Color(float, float, float) override {}
    void Vertex(float, float, float) override { ++vertices; }

    long strips = 0;
    long vertices = 0;

private:
    IVertexSink* m_previous = nullptr;
};

class WaterFloorTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::memset(g_WaterFloorGrid, 0, sizeof g_WaterFloorGrid);
        g_fSpotU = 0.0f;
        g_fSpotV = 0.0f;
        crt::srand(1);
        SetMessageBoxHook([this](const char* text, const char* caption, UINT) {
            boxes.push_back(std::string(text) + "|" + caption);
            return IDOK;
        });
    }
    void TearDown() override { SetMessageBoxHook(nullptr); }

    // The tank's own floor: 100 rows, 50 columns, amplitude 1.
    void InitTankFloor() { floor.Init(100, 50, 1); }

    CountingSink idle;  // no GL here: vertices that no test records end up in this sink
    CWaterFloor floor;
    std::vector<std::string> boxes;
};

TEST_F(WaterFloorTest, StartsWithOneByOneGridStyleZeroAndNoNames)
{
    EXPECT_EQ(floor.m_nRows, 1);
    EXPECT_EQ(floor.m_nCols, 1);
    EXPECT_EQ(floor.m_nAmplitude, 1);
    EXPECT_EQ(floor.m_nStyle, 0);
    EXPECT_EQ(floor.m_texSheet, 0u);
    EXPECT_EQ(floor.m_nList, 0u);
}

// ---- grid shapes -----------------------------------------------------------

struct HeightCase {
    int rows, cols, amplitude;
    int i, j;
    float x, y, z;
};

TEST_F(WaterFloorTest, StartShapeWavesOnlyInTheRearColumns)
{
    // k = 2 x amplitude / cols; y = cos((i + j) / 8) x (cols - j) x k for j < cols - 47.
    const HeightCase cases[] = {
        {100, 50, 1, 0, 0, -50, 2.0f, -50},
        {100, 50, 1, 10, 1, -40, static_cast<float>(std::cos(11 * 0.125) * 1.96), -49},
        {100, 50, 1, 99, 2, 49, static_cast<float>(std::cos(101 * 0.125) * 1.92), -48},
        {100, 50, 1, 20, 3, -30, 0, -47},  // first flat column
        {100, 50, 1, 50, 48, 0, 0, -2},    // last filled column
        {7, 60, 3, 0, 12, -3, static_cast<float>(std::cos(12 * 0.125) * 4.8), -48},  // rows / 2 truncates
        {7, 60, 3, 6, 13, 3, 0, -47},
        {30, 48, 5, 0, 0, -15, 10.0f, -48},  // cols 48: only column 0 waves
        {30, 48, 5, 4, 1, -11, 0, -47},
    };
    for (const HeightCase& c : cases) {
        std::memset(g_WaterFloorGrid, 0, sizeof g_WaterFloorGrid);
        floor.Init(c.rows, c.cols, c.amplitude);
        const float* v = GridVertex(c.i, c.j);
        SCOPED_TRACE(testing::Message() << c.rows << "x" << c.cols << " a" << c.amplitude << " (" << c.i << ", "
                                        << c.j << ")");
        EXPECT_FLOAT_EQ(v[0], c.x);
        EXPECT_NEAR(v[1], c.y, 1e-5);
        EXPECT_FLOAT_EQ(v[2], c.z);
    }
}

TEST_F(WaterFloorTest, StartShapeIsFlatWithAtMost47Columns)
{
    for (int cols : {2, 20, 47}) {
        std::memset(g_WaterFloorGrid, 0, sizeof g_WaterFloorGrid);
        floor.Init(30, cols, 5);
        for (int i = 0; i < 30; ++i)
            for (int j = 0; j + 1 < cols; ++j)
                ASSERT_EQ(GridVertex(i, j)[1], 0.0f) << cols << " columns, (" << i << ", " << j << ")";
    }
}

TEST_F(WaterFloorTest, FillsRowsButNotTheLastColumn)
{
    for (auto& row : g_WaterFloorGrid)
        for (auto& v : row)
            v[0] = v[1] = v[2] = 777.0f;
    floor.Init(10, 20, 1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(GridVertex(i, 18)[2], -2.0f) << i;
        EXPECT_EQ(GridVertex(i, 19)[0], 777.0f) << "column cols - 1 is never filled, row " << i;
    }
    EXPECT_EQ(GridVertex(10, 0)[0], 777.0f) << "row rows is never filled";
}

struct StyleCase {
    int style;
    int i, j;
    float y;
};

TEST_F(WaterFloorTest, EachStyleShapesTheWholeDepth)
{
    // d = (cols - j) x 2 x amplitude / cols: 2 at the back, 0.04 at the front (j = 49 is never filled).
    auto d = [](int j) { return (50 - j) * 0.04; };
    const StyleCase cases[] = {
        {1, 0, 0, 0.0f},
        {1, 10, 6, static_cast<float>(std::sin(16 * 0.0625) * d(6))},
        {1, 99, 48, static_cast<float>(std::sin(147 * 0.0625) * d(48))},
        {2, 3, 4, static_cast<float>(std::sin(7 * 0.1) * d(4))},
        {2, 60, 30, static_cast<float>(std::sin(90 * 0.1) * d(30))},
        {3, 0, 0, 2.0f},
        {3, 40, 2, static_cast<float>(std::fabs(std::cos(42 * 0.05)) * d(2))},  // cos < 0 here
        {3, 70, 45, static_cast<float>(std::fabs(std::cos(115 * 0.05)) * d(45))},
        {0, 0, 0, 0.0f},
        {0, 50, 20, 0.0f},
    };
    InitTankFloor();
    for (const StyleCase& c : cases) {
        floor.SetStyle(c.style == 0 ? 1 : 0);  // leave the style so that setting it reshapes
        floor.SetStyle(c.style);
        const float* v = GridVertex(c.i, c.j);
        SCOPED_TRACE(testing::Message() << "style " << c.style << " (" << c.i << ", " << c.j << ")");
        EXPECT_NEAR(v[1], c.y, 1e-5);
        EXPECT_FLOAT_EQ(v[0], static_cast<float>(c.i - 50));
        EXPECT_FLOAT_EQ(v[2], static_cast<float>(c.j - 50));
    }
}

TEST_F(WaterFloorTest, SettingTheCurrentStyleKeepsTheGridAndBuildsNothing)
{
    InitTankFloor();
    VertexRecorder recorder;
    floor.SetStyle(0);  // the first frame: the start shape stays
    EXPECT_EQ(recorder.VertexCount(), 0u);
    EXPECT_TRUE(recorder.colors.empty());
    EXPECT_FLOAT_EQ(GridVertex(0, 0)[1], 2.0f);

    floor.SetStyle(2);
    const size_t built = recorder.VertexCount();
    EXPECT_EQ(built, 99u * 98u);
    floor.SetStyle(2);
    EXPECT_EQ(recorder.VertexCount(), built);
}

TEST_F(WaterFloorTest, StyleOutsideZeroToThreeKeepsHeightsDropsTheTintAndStillBuilds)
{
    InitTankFloor();
    floor.SetStyle(2);
    std::vector<float> before(&g_WaterFloorGrid[0][0][0], &g_WaterFloorGrid[100][0][0]);
    VertexRecorder recorder;
    floor.SetStyle(5);
    EXPECT_EQ(floor.m_nStyle, 5);
    EXPECT_EQ(std::vector<float>(&g_WaterFloorGrid[0][0][0], &g_WaterFloorGrid[100][0][0]), before);
    EXPECT_EQ(recorder.primitives.size(), 99u);
    ASSERT_EQ(recorder.colors.size(), 1u) << "only the closing white";
    EXPECT_EQ(recorder.colors[0], (std::array<float, 3>{1, 1, 1}));
}

TEST_F(WaterFloorTest, ListTintsTheSheetByStyleAndEndsWhite)
{
    const std::array<float, 3> tints[] = {{0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {0, 1, 1}};
    InitTankFloor();
    for (int style : {1, 2, 3, 0}) {
        VertexRecorder recorder;
        floor.SetStyle(style);
        ASSERT_EQ(recorder.colors.size(), 2u) << style;
        EXPECT_EQ(recorder.colors.front(), tints[style]) << style;
        EXPECT_EQ(recorder.colors.back(), (std::array<float, 3>{1, 1, 1})) << style;
    }
}

// ---- strips ----------------------------------------------------------------

TEST_F(WaterFloorTest, OneQuadStripPerRowPairWithAVertexPairPerFilledColumn)
{
    struct Case {
        int rows, cols;
        size_t strips, perStrip;
    };
    const Case cases[] = {
        {100, 50, 99, 98}, {1, 50, 0, 0}, {5, 1, 4, 0}, {5, 2, 4, 2},
        {0, 0, 0, 0},      {-3, 7, 0, 0}, {4, -7, 3, 0}, {-5, -5, 0, 0},
    };
    for (const Case& c : cases) {
        VertexRecorder recorder;
        floor.Init(c.rows, c.cols, 1);
        SCOPED_TRACE(testing::Message() << c.rows << " x " << c.cols);
        ASSERT_EQ(recorder.primitives.size(), c.strips);
        for (const RecordedPrimitive& strip : recorder.primitives) {
            EXPECT_EQ(strip.mode, GLenum(GL_QUAD_STRIP));
            EXPECT_EQ(strip.vertices.size(), c.perStrip);
        }
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(WaterFloorTest, StripsPairEachRowWithTheNextAndRepeatThePictureOnBothUnits)
{
    VertexRecorder recorder;
    InitTankFloor();
    floor.SetStyle(3);
    recorder.primitives.clear();
    floor.BuildList();
    ASSERT_EQ(recorder.primitives.size(), 99u);
    for (int i : {0, 41, 98}) {
        const RecordedPrimitive& strip = recorder.primitives[i];
        for (int j : {0, 17, 48}) {
            for (int side = 0; side < 2; ++side) {
                const RecordedVertex& v = strip.vertices[2 * j + side];
                const float* g = GridVertex(i + side, j);
                SCOPED_TRACE(testing::Message() << "row " << i + side << " column " << j);
                EXPECT_EQ(v.position, (std::array<float, 3>{g[0], g[1], g[2]}));
                EXPECT_FLOAT_EQ(v.texCoord[0], (i + side) / 100.0f * CWaterFloor::kRepeatAlongRows);
                EXPECT_FLOAT_EQ(v.texCoord[1], j / 50.0f * CWaterFloor::kRepeatAlongCols);
                EXPECT_EQ(v.texCoord1, v.texCoord) << "the floor picture is bound on unit 1";
            }
        }
    }
    // The list stretches x by 1.5: 150 x 50 units, in square tiles.
    EXPECT_FLOAT_EQ(150.0f / CWaterFloor::kRepeatAlongRows, 50.0f / CWaterFloor::kRepeatAlongCols);
}

// ---- size limits -----------------------------------------------------------

TEST_F(WaterFloorTest, MapSizeErrorAboveAMillionVertices)
{
    struct Case {
        int rows, cols;
        bool message;
        int keptRows, keptCols;
    };
    const Case cases[] = {
        {1000, 1000, false, 1000, 1000},
        {1000, 1001, true, 1000, 1000},
        {1001, 1000, true, 1000, 1000},
        {2000, 400, false, 1000, 400},  // within a million, yet too many rows
        {400, 2600, true, 400, 1000},
        {100000, 100000, true, 1000, 1000},  // the product does not fit in 32 bits
        {-2000, -1000, true, 0, 0},
    };
    for (const Case& c : cases) {
        boxes.clear();
        CountingSink sink;
        floor.Init(c.rows, c.cols, 1);
        SCOPED_TRACE(testing::Message() << c.rows << " x " << c.cols);
        if (c.message) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0], "MAP SIZE ERROR|Parvolune");
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        EXPECT_EQ(floor.m_nRows, c.keptRows);
        EXPECT_EQ(floor.m_nCols, c.keptCols);
        EXPECT_EQ(sink.strips, std::max(c.keptRows - 1, 0));
        EXPECT_EQ(sink.vertices, long(std::max(c.keptRows - 1, 0)) * std::max(c.keptCols - 1, 0) * 2);
    }
}

TEST_F(WaterFloorTest, OversizedFieldsAreClampedWhenReshapingAndDrawing)
{
    InitTankFloor();
    floor.m_nRows = 5000;
    floor.m_nCols = 3000;
    CountingSink sink;
    floor.SetStyle(1);
    EXPECT_EQ(sink.strips, 999);
    EXPECT_EQ(sink.vertices, 999L * 999 * 2);
    EXPECT_FLOAT_EQ(GridVertex(999, 998)[0], 499.0f);
    EXPECT_FLOAT_EQ(GridVertex(999, 998)[2], -2.0f);
    floor.DrawGrid();
    EXPECT_EQ(sink.strips, 2 * 999);
    EXPECT_TRUE(boxes.empty());
}

// ---- light spots -----------------------------------------------------------

TEST_F(WaterFloorTest, LightSpotsDrawOnlyForStylesZeroToThreeWithBAndCSet)
{
    struct Case {
        int a, b, c, style, e;
        bool drawn;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 1, false},  // the game window's call
        {1, 0, 1, 0, 1, false},  {1, 1, 0, 2, 1, false}, {1, 1, 1, 4, 1, false},
        {1, 1, 1, -1, 1, false}, {0, 1, 1, 0, 0, true},  {0, -3, 7, 3, 0, true},
    };
    for (const Case& c : cases) {
        VertexRecorder recorder;
        g_fSpotU = 0.25f;
        g_fSpotV = -4.0f;
        crt::srand(1);
        floor.DrawLightSpots(c.a, c.b, c.c, c.style, c.e);
        const int next = crt::rand();
        crt::srand(1);
        SCOPED_TRACE(testing::Message() << c.a << ", " << c.b << ", " << c.c << ", " << c.style << ", " << c.e);
        if (c.drawn) {
            ASSERT_EQ(recorder.primitives.size(), 1u);
            EXPECT_EQ(recorder.primitives[0].vertices.size(), 4u);
            EXPECT_FLOAT_EQ(g_fSpotV, -4.003f);
        } else {
            EXPECT_TRUE(recorder.primitives.empty());
            EXPECT_EQ(g_fSpotU, 0.25f);
            EXPECT_EQ(g_fSpotV, -4.0f);
            EXPECT_EQ(next, crt::rand()) << "no rand() draw";
        }
    }
}

TEST_F(WaterFloorTest, LightSpotQuadSlidesAlongTAndJittersAlongS)
{
    crt::srand(1);
    const int first = crt::rand();
    crt::srand(1);
    g_fSpotV = -2.0f;
    VertexRecorder recorder;
    floor.DrawLightSpotQuad(1);
    const float u = (first % 10) * 0.0002f, v = -2.003f;
    EXPECT_FLOAT_EQ(g_fSpotU, u);
    EXPECT_FLOAT_EQ(g_fSpotV, v);
    ASSERT_EQ(recorder.primitives.size(), 1u);
    const RecordedPrimitive& quad = recorder.primitives[0];
    EXPECT_EQ(quad.mode, GLenum(GL_QUADS));
    ASSERT_EQ(quad.vertices.size(), 4u);
    const std::array<float, 3> positions[] = {{-200, -100, -90}, {70, -100, -90}, {70, -22, -90}, {-200, -22, -90}};
    const std::array<float, 2> texCoords[] = {{u, u - v}, {1 - u, -v - u}, {1 + u, 1 - v + u}, {-u, 1 - v - u}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(quad.vertices[k].position, positions[k]) << k;
        EXPECT_NEAR(quad.vertices[k].texCoord[0], texCoords[k][0], 1e-6) << k;
        EXPECT_NEAR(quad.vertices[k].texCoord[1], texCoords[k][1], 1e-6) << k;
    }

    // Any other style lowers the edge to -20.
    floor.DrawLightSpotQuad(9);
    EXPECT_EQ(recorder.primitives[1].vertices[2].position[1], -20.0f);
    EXPECT_EQ(recorder.primitives[1].vertices[3].position[1], -20.0f);
}

TEST_F(WaterFloorTest, LightSpotVRestartsOnThe3334thCall)
{
    CountingSink sink;
    for (int call = 1; call <= 3333; ++call)
        floor.DrawLightSpotQuad(0);
    EXPECT_NEAR(g_fSpotV, -9.999f, 1e-3);
    floor.DrawLightSpotQuad(0);
    EXPECT_EQ(g_fSpotV, 0.0f);
    floor.DrawLightSpotQuad(0);
    EXPECT_FLOAT_EQ(g_fSpotV, -0.003f);
}

TEST_F(WaterFloorTest, EachLightSpotQuadDrawsOneRandomValue)
{
    std::vector<int> sequence;
    crt::srand(1);
    for (int k = 0; k < 6; ++k)
        sequence.push_back(crt::rand());
    crt::srand(1);
    CountingSink sink;
    for (int k = 0; k < 5; ++k) {
        floor.DrawLightSpotQuad(k % 4);
        EXPECT_FLOAT_EQ(g_fSpotU, (sequence[k] % 10) * 0.0002f) << k;
    }
    EXPECT_EQ(crt::rand(), sequence[5]);
}

}  // namespace
