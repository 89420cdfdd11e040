// The mesh tables of species 11, the cuckoo catfish (made by res/tools/gen_fish_meshes11.h).
// Rows of the body run from the back ridge (row 0) to the belly; point j of a
// body row lies at body segment j. Paired parts and the body hold the +y half.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish11Body[6][17];
extern const FishVertex g_Fish11UpperJaw[3][6];    // column 0 on the body, column 5 at the snout
extern const FishVertex g_Fish11LowerJaw[4][6];
extern const FishVertex g_Fish11Dorsal[2][9];      // root row, then the fin's edge
extern const FishVertex g_Fish11Pectoral[2][12];   // edge row, then the root
extern const FishVertex g_Fish11Pelvic[2][13];     // edge row, then the root
extern const FishVertex g_Fish11Adipose[2][19];    // root row (columns 2k, 2k + 1 at segment 7 + k), then the edge
extern const FishVertex g_Fish11Tail[2][25];       // edge row (upper tip, fork, lower tip), then the root
extern const FishVertex g_Fish11Eye[3][6];         // centre, iris ring, rim
extern const FishVertex g_Fish11Barbel[2][4];      // the long upper-jaw barbel, from its root
extern const FishVertex g_Fish11ChinBarbel[2][4];  // the short chin barbel
