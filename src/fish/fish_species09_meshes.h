// The mesh tables of species 9, the tiger barb (made by res/tools/gen_fish_meshes09.h).
// The fish is stored on its -y side; the class draws the +y side as the
// y-negated copy. Rows of the body run from the back ridge (row 0) to the
// belly; point j of a body row lies at body segment j. The fins' first row
// is the edge that waves, the second the root (the keel the other way round).
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish09Body[5][12];
extern const FishVertex g_Fish09UpperJaw[4][6];  // ridge down to the mouth line; column 0 the tip, 5 on the body
extern const FishVertex g_Fish09LowerJaw[2][6];  // the mouth line, then the chin's midline
extern const FishVertex g_Fish09Dorsal[2][8];    // the fin's edge, then its root
extern const FishVertex g_Fish09Keel[2][5];      // root on the ridge behind the dorsal, then its low edge
extern const FishVertex g_Fish09Pectoral[2][6];  // the fin's edge, then its root in the flank
extern const FishVertex g_Fish09Pelvic[2][9];    // the fin's edge, then its root under the belly
extern const FishVertex g_Fish09Anal[2][9];      // the fin's edge, then its root (stored on the +y side)
extern const FishVertex g_Fish09Tail[2][14];     // the edge from the upper lobe round to the lower, then the roots
extern const FishVertex g_Fish09Eye[3][5];       // centre, iris ring, rim; four sectors (the last column closes)
