// The mesh tables of species 19, the pinnate batfish (made by res/tools/gen_fish_meshes19.h).
// Every table holds the fish's -y half (or its midline); the class draws the
// +y half as the y-negated copy. The whole fish turns as one piece with the
// first bend angle, but for the pectoral fins.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish19Body[9][16];      // rows ridge to belly, columns head to tail root
extern const FishVertex g_Fish19UpperJaw[8][6];   // forehead to the lips; column 0 on the body, 5 at the tip
extern const FishVertex g_Fish19LowerJaw[7][6];   // the lips to the chin
extern const FishVertex g_Fish19Dorsal[3][7];     // the middle row, the root, the edge
extern const FishVertex g_Fish19Anal[3][7];       // the middle row, the root, the edge
extern const FishVertex g_Fish19Tail[2][9];       // root row, then the edge from the upper tip to the lower
extern const FishVertex g_Fish19Eye[3][7];        // iris ring, rim, centre; six sectors round
extern const FishVertex g_Fish19Pectoral[2][12];  // the fin's edge, then its root row
