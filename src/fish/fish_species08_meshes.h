// The mesh tables of species 8, the firemouth cichlid (made by
// res/tools/gen_fish_meshes08.h). Rows of the body run from the back ridge
// (row 0) to the belly; point j of a body row lies at body segment j. The
// fins standing on the body keep their free edge in row 0 and their root in
// row 1.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish08Body[5][14];
extern const FishVertex g_Fish08UpperJaw[4][7];     // column 0 at the snout tip, column 6 on the body
extern const FishVertex g_Fish08LowerJaw[2][7];     // the mouth line, then the throat's midline
extern const FishVertex g_Fish08SpinyDorsal[2][15];
extern const FishVertex g_Fish08SoftDorsal[2][9];
extern const FishVertex g_Fish08Pectoral[2][9];     // upper and lower edge, root (column 0) to tip
extern const FishVertex g_Fish08Pelvic[2][10];      // the fin's outline from its spine round to its inner edge, then its base
extern const FishVertex g_Fish08Anal[2][10];
extern const FishVertex g_Fish08Tail[2][19];        // the edge from the upper tip to the lower, then the root
extern const FishVertex g_Fish08Eye[3][7];          // centre, iris ring, rim; six sectors round
