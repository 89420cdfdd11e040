// The mesh tables of species 5, the blue ram (made by res/tools/gen_fish_meshes05.h).
// Rows of the body run from the back ridge (row 0) to the belly; point j of a
// body row lies at body segment j. A paired part's two halves share one table.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish05Body[9][14];
extern const FishVertex g_Fish05LowerHead[4][4];  // column 0 on the body, column 3 at the mouth
extern const FishVertex g_Fish05UpperHead[6][4];
extern const FishVertex g_Fish05Dorsal[2][11];    // the fin's edge, then its root
extern const FishVertex g_Fish05Pectoral[2][8];   // upper and lower edge, tip (column 0) to root
extern const FishVertex g_Fish05Pelvic[2][15];    // the edge, then 5 root points each serving three columns
extern const FishVertex g_Fish05Anal[2][6];       // root row, then the fin's edge
extern const FishVertex g_Fish05Tail[2][6];       // 2 root points each serving three columns, then the edge
extern const FishVertex g_Fish05Eye[3][9];        // centre (5 points, each two columns), iris ring, rim
