// The mesh tables of species 15, the betta (made by res/tools/gen_fish_meshes15.h).
// The body, the head, the eyes and the paired fins hold the fish's -y half;
// the class draws the +y half as the y-negated copy. The dorsal, anal and
// tail fins stand in the midline.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish15Body[6][15];       // rows ridge to belly, columns head to tail root
extern const FishVertex g_Fish15LowerJaw[4][7];    // the lips to the chin; column 0 on the body, 6 at the tip
extern const FishVertex g_Fish15Head[4][8];        // the ridge to the lips; column 0 on the body, 7 at the tip
extern const FishVertex g_Fish15Dorsal[2][23];     // the edge, then the root: two points, 12 and 11 times
extern const FishVertex g_Fish15Pectoral[2][20];   // the fin's edge, then its root row
extern const FishVertex g_Fish15Pelvic[2][10];     // the front edge, then the rear edge, root to tip
extern const FishVertex g_Fish15Anal[5][10];       // the root (sunk), then out to the edge
extern const FishVertex g_Fish15Tail[2][25];       // the edge from the upper tip round to the lower, then the root
extern const FishVertex g_Fish15Eye[3][7];         // iris ring, rim, centre; six sectors round
