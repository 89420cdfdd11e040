// The mesh tables of species 16, the figure-eight puffer (made by
// res/tools/gen_fish_meshes16.h). Every table holds the fish's -y half (or
// one side of a midline fin); the class draws the +y half as the y-negated
// copy. The whole fish turns as one piece with the first bend angle.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish16Body[6][23];      // rows ridge to belly, columns snout to tail stalk
extern const FishVertex g_Fish16Head[4][7];       // forehead to the upper lip; column 0 on the body, 6 at the tip
extern const FishVertex g_Fish16Mouth[2][6];      // the lips to the chin
extern const FishVertex g_Fish16Pectoral[2][23];  // the fin's edge, then its root row
extern const FishVertex g_Fish16Dorsal[2][19];    // the fin's edge, then its root on the back
extern const FishVertex g_Fish16Anal[2][10];      // the fin's edge, then its root on the belly
extern const FishVertex g_Fish16Tail[2][35];      // the edge from the upper tip to the lower, then the root
extern const FishVertex g_Fish16Eye[3][7];        // rim, iris ring, centre; six sectors round
