#include "scenery/tank_scenery.h"

#include "platform/crt.h"
#include "scenery/floor_grid.h"

#include <algorithm>

void CTankScenery::PlaceOnFloor(float spot[3], int row, int column, float sizeY)
{
    row = std::clamp(row, 0, FLOOR_GRID_ROWS - 1);
    column = std::clamp(column, 0, FLOOR_GRID_COLS - 1);
    const float* p = g_WaterFloorGrid[row][column];
    spot[0] = p[0];
    spot[1] = p[1] - (0.95f - sizeY) * 1.1f;
    spot[2] = p[2];
}

void DiscardRandom(int count)
{
    for (int i = 0; i < count; ++i)
        crt::rand();
}

void SetVector(float out[3], float x, float y, float z)
{
    out[0] = x;
    out[1] = y;
    out[2] = z;
}
