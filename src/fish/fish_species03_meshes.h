// The mesh tables of species 3, the angelfish (made by res/tools/gen_fish_meshes03.h).
// Rows of the body run from the back ridge (row 0) to the belly; point j of a
// body row lies at body segment j. A paired part's two halves share one table.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish03Body[10][16];
extern const FishVertex g_Fish03LowerJaw[3][6];  // column 0 at the snout tip; its sixth column is not drawn
extern const FishVertex g_Fish03UpperJaw[3][6];  // column 0 at the snout tip, column 5 on the body
extern const FishVertex g_Fish03Dorsal[8][10];   // the fin, then its lobe (columns 0-4 drawn)
constexpr int kFish03DorsalFinRows = 3;          // rows of the fin; the lobe has the others
extern const FishVertex g_Fish03Pectoral[2][7];  // root row, then the fin's edge
extern const FishVertex g_Fish03Ventral[2][8];   // the filament's two edges, root (column 0) to tip
extern const FishVertex g_Fish03Anal[2][8];      // root row, then the fin's edge
extern const FishVertex g_Fish03Tail[2][15];     // root row, then the edge from the upper tip to the lower
extern const FishVertex g_Fish03Eye[3][5];       // centre, iris ring, rim; four sectors round
