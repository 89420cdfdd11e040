// The Fish grid's page picture (bitmap 129): every species in its cell as
// the game draws it, the slots whose species the game does not have yet
// marked as such. The grid's cells, shared with the Fish settings dialog.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

constexpr int FISH_GRID_COLUMNS = 5;
constexpr int FISH_GRID_ROWS = 5;
constexpr int FISH_GRID_LEFT = 2;
constexpr int FISH_GRID_TOP = 32;
constexpr int FISH_CELL_WIDTH = 100;
constexpr int FISH_CELL_HEIGHT = 90;
// Where the picture of a species lies in its cell.
constexpr int FISH_PORTRAIT_LEFT = 4;
constexpr int FISH_PORTRAIT_TOP = 12;
constexpr int FISH_PORTRAIT_WIDTH = 92;
constexpr int FISH_PORTRAIT_HEIGHT = 74;

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
