// The mesh tables of species 1, the bristlenose pleco (made by res/tools/gen_fish_meshes01.h).
// Rows of the body run from the back ridge (row 0) to the belly, row 5 on the
// flat head's lateral edge; point j of a body row lies at body segment j.
// Every table holds the +y half (midline parts stand on y = 0).
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish01Body[9][14];
extern const FishVertex g_Fish01SnoutUnder[2][4];      // lateral edge, then the belly line; column 0 at the tip
extern const FishVertex g_Fish01SnoutTop[2][4];        // the ridge, then the lateral edge; column 0 at the tip
extern const FishVertex g_Fish01Dorsal[2][4];          // the sail's edge, then its root
extern const FishVertex g_Fish01Anal[2][7];            // edge, then the root along the belly
extern const FishVertex g_Fish01Pectoral[2][16];       // edge, then eight roots (column c uses root c / 2)
extern const FishVertex g_Fish01PectoralSpine[2][5];   // the spine from its root (column 0) to its tip
extern const FishVertex g_Fish01Pelvic[2][4];          // root along the belly, then the edge
extern const FishVertex g_Fish01Adipose[2][5];         // edge, then the root
extern const FishVertex g_Fish01Tail[2][20];           // edge (upper tip round to lower tip), then the root
extern const FishVertex g_Fish01Eye[3][9];             // centre, iris ring, rim
