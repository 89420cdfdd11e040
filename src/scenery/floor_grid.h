// The floor sheet's height grid: vertex (row i, column j) holds x, height, z.
// The floor sheet fills it; the scene set-up and the fish placement read it.
#pragma once

constexpr int FLOOR_GRID_ROWS = 1000;
constexpr int FLOOR_GRID_COLS = 1000;

extern float g_WaterFloorGrid[FLOOR_GRID_ROWS][FLOOR_GRID_COLS][3];
