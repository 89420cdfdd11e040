// The Fish grid's page picture (bitmap 129): every species in its cell as
// the game draws it, the slots whose species the game does not have yet
// marked as such.
#pragma once
#include "ui/count_grid_picture.h"

#include <cstdint>
#include <functional>
#include <vector>

constexpr int FISH_GRID_COLUMNS = COUNT_GRID_COLUMNS;
constexpr int FISH_GRID_ROWS = COUNT_GRID_ROWS;
constexpr int FISH_GRID_LEFT = COUNT_GRID_LEFT;
constexpr int FISH_GRID_TOP = COUNT_GRID_TOP;
constexpr int FISH_CELL_WIDTH = COUNT_CELL_WIDTH;
constexpr int FISH_CELL_HEIGHT = COUNT_CELL_HEIGHT;
constexpr int FISH_PORTRAIT_LEFT = COUNT_PICTURE_LEFT;
constexpr int FISH_PORTRAIT_TOP = COUNT_PICTURE_TOP;
constexpr int FISH_PORTRAIT_WIDTH = COUNT_PICTURE_WIDTH;
constexpr int FISH_PORTRAIT_HEIGHT = COUNT_PICTURE_HEIGHT;

// Whether the game has species `species`; if so, one fish of it in
// `argb` (width x height, 0xAARRGGBB, rows top first, transparent around the fish).
using SpeciesPortraitSource =
    std::function<bool(int species, int width, int height, std::vector<uint32_t>& argb)>;

// The game window sets the source once its GL set-up is done; a new source
// makes the picture anew when it is next needed.
void SetSpeciesPortraitSource(SpeciesPortraitSource source);

// Registers bitmap 129 (made once for each source; without a source every
// slot shows as not in the game yet).
void RegisterFishGridPicture();
