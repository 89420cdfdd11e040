// The page picture of the Fish and Plants settings grids: each slot's cell
// as water behind a picture of what the slot holds, or, for what the game
// does not have yet, a grey cell with an outline and "not in the game yet";
// a light corner in each cell where the dialog writes the count.
#pragma once
#include "ui/paint_shapes.h"

#include <cstdint>
#include <functional>
#include <vector>

// The grid's cells: 5 columns of 100 x 90 from (2, 32).
constexpr int COUNT_GRID_COLUMNS = 5;
constexpr int COUNT_GRID_ROWS = 5;
constexpr int COUNT_GRID_SLOTS = COUNT_GRID_COLUMNS * COUNT_GRID_ROWS;
constexpr int COUNT_GRID_LEFT = 2;
constexpr int COUNT_GRID_TOP = 32;
constexpr int COUNT_CELL_WIDTH = 100;
constexpr int COUNT_CELL_HEIGHT = 90;
// Where the picture of a slot lies in its cell.
constexpr int COUNT_PICTURE_LEFT = 4;
constexpr int COUNT_PICTURE_TOP = 12;
constexpr int COUNT_PICTURE_WIDTH = 92;
constexpr int COUNT_PICTURE_HEIGHT = 74;

// The cell of slot i, in the dialog's client coordinates.
struct GridCell {
    int left, top, right, bottom;
};
GridCell CountGridCell(int i);

// Whether the game has slot `k`; if so, its picture may be given in `argb`
// (width x height, 0xAARRGGBB, rows top first, transparent around it; left
// empty for none).
using GridSlotSource = std::function<bool(int k, int width, int height, std::vector<uint32_t>& argb)>;

// Registers bitmap `id`: the cells of slots 0 to slots - 1 (the rest of the
// grid in the dialog's face colour); `missingOutline` is the outline drawn
// in the cells of slots the game does not have.
void RegisterCountGridPicture(unsigned id, int slots, const GridSlotSource& source,
                              const paint::Shape& missingOutline);
