// The mesh tables of species 6, the lyretail killifish (made by
// res/tools/gen_fish_meshes06.h). Rows of the body run from the back ridge
// (row 0) to the belly; point j of a body row lies at body segment j.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish06Body[5][9];
extern const FishVertex g_Fish06UpperJaw[3][5];  // column 0 at the snout tip, column 4 on the body
extern const FishVertex g_Fish06LowerJaw[3][5];  // column 0 at the snout tip, column 4 on the body
extern const FishVertex g_Fish06Dorsal[2][9];    // root row, then the fin's edge
extern const FishVertex g_Fish06Pectoral[2][6];  // upper and lower edge, root (column 0) to tip
extern const FishVertex g_Fish06Pelvic[2][5];    // leading and trailing edge, root (column 0) to tip
extern const FishVertex g_Fish06Anal[2][7];      // root row, then the fin's edge
extern const FishVertex g_Fish06Tail[2][9];      // the edge from the upper tip to the lower, then the root row
extern const FishVertex g_Fish06Eye[3][5];       // centre, iris ring, rim; four sectors round
extern const FishVertex g_Fish06Gill[2][4];      // the gill cover's rim: on the skin, then lifted; top to bottom
