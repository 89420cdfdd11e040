// The mesh tables of species 21, the clown knifefish (made by
// res/tools/gen_fish_meshes21.h). Rows of the body run from the back ridge
// (row 0) to the belly; point j of a body row lies at body segment j. The
// tables hold the y <= 0 side.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish21Body[9][15];
extern const FishVertex g_Fish21UpperJaw[6][4];  // column 0 on the body, column 3 at the snout
extern const FishVertex g_Fish21LowerJaw[4][4];
extern const FishVertex g_Fish21Dorsal[2][10];   // the fin's edge, then its root
extern const FishVertex g_Fish21DorsalFold[2][6];  // root, then edge
extern const FishVertex g_Fish21BackFold[2][20];   // root, then edge
extern const FishVertex g_Fish21Pectoral[2][7];    // front edge, rear edge; column 0 at the root
extern const FishVertex g_Fish21Pelvic[2][5];      // the fin's edge, then its root
extern const FishVertex g_Fish21AnalFront[2][5];   // root, then edge
extern const FishVertex g_Fish21Anal[2][20];       // root points 0 to 9, then the edge
extern const FishVertex g_Fish21Tail[2][26];       // root points 0 to 12, then the edge
extern const FishVertex g_Fish21Eye[3][9];         // centre, iris ring, rim
