// The mesh tables of species 10, the green swordtail (made by
// res/tools/gen_fish_meshes10.h). Rows of the body run from the back ridge
// (row 0) to the belly line; column j is the half section at body segment j.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish10Body[6][18];
extern const FishVertex g_Fish10UpperJaw[4][5];     // column 0 on the body's nose, column 4 at the tip
extern const FishVertex g_Fish10LowerJaw[3][5];     // column 0 on the body's nose, column 4 at the tip
extern const FishVertex g_Fish10Dorsal[2][14];      // root row, then the fin's edge
extern const FishVertex g_Fish10Pectoral[2][16];    // the fin's edge, then its root
extern const FishVertex g_Fish10Pelvic[2][13];      // the fin's edge, then its root
extern const FishVertex g_Fish10Gonopodium[2][9];   // upper and lower side of the rod, root to tip
extern const FishVertex g_Fish10Tail[2][23];        // the edge from the upper corner round the sword, then the root
extern const FishVertex g_Fish10Eye[3][7];          // centre, iris ring, rim; six sectors round
extern const FishVertex g_Fish10MouthCorner[2][3];  // the corner of the mouth
