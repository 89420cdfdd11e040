// The mesh tables of species 18, the harlequin rasbora (made by
// res/tools/gen_fish_meshes18.h). Every table holds the fish's -y half (or
// its midline); the class draws the +y half as the y-negated copy.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish18Body[6][15];      // rows ridge to belly, column j at body segment j
extern const FishVertex g_Fish18UpperJaw[4][5];   // ridge to the lips; column 0 on the body, 4 at the tip
extern const FishVertex g_Fish18LowerJaw[3][6];   // middle, lips, chin; columns 0 to 3 body to tip, 4 and 5 the mouth
extern const FishVertex g_Fish18Dorsal[2][8];     // root row, then the fin's edge
extern const FishVertex g_Fish18Pectoral[2][11];  // the fin's edge, then its root
extern const FishVertex g_Fish18Pelvic[2][10];    // root row, then the fin's edge
extern const FishVertex g_Fish18Anal[2][14];      // root row, then the fin's edge
extern const FishVertex g_Fish18Tail[2][15];      // the edge from the upper tip to the lower, then the root
extern const FishVertex g_Fish18Eye[3][9];        // iris ring, rim, centre; eight sectors round
