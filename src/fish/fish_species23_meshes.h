// The mesh tables of species 23, the clownfish (made by res/tools/gen_fish_meshes23.h).
// Rows of the body run from the back ridge (row 0) to the belly; point j of a
// body row lies at body segment j.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish23Body[9][14];
extern const FishVertex g_Fish23UpperJaw[7][4];   // column 0 on the body, column 3 at the snout
extern const FishVertex g_Fish23LowerJaw[4][4];
extern const FishVertex g_Fish23Dorsal[2][14];    // root row, then the fin's edge
extern const FishVertex g_Fish23SoftDorsal[2][9];
extern const FishVertex g_Fish23Pectoral[2][6];   // root points each serve three columns
extern const FishVertex g_Fish23Pelvic[2][8];
extern const FishVertex g_Fish23Anal[2][14];
extern const FishVertex g_Fish23Tail[2][20];      // root points each serve five columns
extern const FishVertex g_Fish23Eye[3][9];        // centre, iris ring, rim
