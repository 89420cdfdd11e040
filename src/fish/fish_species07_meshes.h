// The mesh tables of species 7, the zebra danio (made by
// res/tools/gen_fish_meshes07.h). Rows of the body run from the back ridge
// (row 0) to the belly; point j of a body row lies at body segment j.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish07Body[5][12];
extern const FishVertex g_Fish07UpperJaw[4][5];          // ridge to mouth line; column 0 at the tip, 4 on the body
extern const FishVertex g_Fish07LowerJaw[2][5];          // mouth line, then the throat; tip first
extern const FishVertex g_Fish07Dorsal[2][8];            // the fin's edge, then its root; front to back
extern const FishVertex g_Fish07Pectoral[2][9];          // front and rear edge, root (column 0) to tip
extern const FishVertex g_Fish07Pelvic[2][8];            // upper and lower edge, root (column 0) to tip
extern const FishVertex g_Fish07Anal[2][7];              // the fin's edge, then its root; back to front
extern const FishVertex g_Fish07Tail[2][13];             // the forked edge from the upper lobe to the lower, then the root
extern const FishVertex g_Fish07Eye[3][5];               // centre, iris ring, rim; four sectors round
extern const FishVertex g_Fish07RostralBarbel[2][4];     // root to tip, two edges
extern const FishVertex g_Fish07MaxillaryBarbel[2][4];   // root to the middle
extern const FishVertex g_Fish07MaxillaryBarbelTip[2][4];  // the middle to the tip
