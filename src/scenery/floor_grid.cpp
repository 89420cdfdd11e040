#include "scenery/floor_grid.h"

float g_WaterFloorGrid[FLOOR_GRID_ROWS][FLOOR_GRID_COLS][3] = {};
