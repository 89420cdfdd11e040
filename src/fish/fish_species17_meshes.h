// The mesh tables of species 17, the neon tetra (made by res/tools/gen_fish_meshes17.h).
// The paired parts hold the fish's -y half; the class draws the +y half as
// the y-negated copy. The back fin, the belly fin and the tail stand in the
// midline and are drawn once.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish17Body[6][16];      // rows ridge to belly, column j at body segment j
extern const FishVertex g_Fish17UpperSnout[5][7]; // rows from the ridge down; column 0 on the body, 5 at the tip, 6 inside the lip
extern const FishVertex g_Fish17LowerSnout[2][7]; // the chin: column 0 on the body, 3 at the tip, 4 to 6 inside the lip
extern const FishVertex g_Fish17Dorsal[2][6];     // root row on the back, then the free edge
extern const FishVertex g_Fish17Pectoral[2][12];  // the fin's edge, then its root row
extern const FishVertex g_Fish17Pelvic[2][12];    // the fin's edge, then its root row
extern const FishVertex g_Fish17Anal[2][8];       // root row on the belly, then the free edge
extern const FishVertex g_Fish17Tail[2][20];      // root row, then the edge from the upper tip to the lower
extern const FishVertex g_Fish17Eye[3][6];        // rim, iris ring, centre; five sectors round
