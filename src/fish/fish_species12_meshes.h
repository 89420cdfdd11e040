// The mesh tables of species 12, the Boesemani rainbowfish (made by
// res/tools/gen_fish_meshes12.h). Rows of the body run from the back ridge
// (row 0) to the belly line; column j is the half section at body segment j.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish12Body[6][18];
extern const FishVertex g_Fish12UpperJaw[4][6];   // column 0 on the body, column 5 at the snout tip
extern const FishVertex g_Fish12LowerJaw[3][6];   // column 0 on the body, columns 3 to 5 at the tip
extern const FishVertex g_Fish12Dorsal[2][10];    // root row, then the edge: both dorsal fins
extern const FishVertex g_Fish12Pectoral[2][20];  // the fin's edge, then its root
extern const FishVertex g_Fish12Pelvic[2][17];    // the fin's edge, then its root
extern const FishVertex g_Fish12Anal[2][45];      // root row, then the edge, from the rear forward
extern const FishVertex g_Fish12Tail[2][31];      // the forked edge from the upper tip, then the root
extern const FishVertex g_Fish12Eye[3][9];        // centre, iris ring, rim; eight sectors round
