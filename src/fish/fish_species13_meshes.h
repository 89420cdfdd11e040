// The mesh tables of species 13, the clown loach (made by res/tools/gen_fish_meshes13.h).
// Every table holds the fish's -y half (or its midline); the class draws the
// +y half as the y-negated pass. Body column j stands at bend segment j.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish13Body[6][20];      // rows ridge to belly, columns eye to tail root
extern const FishVertex g_Fish13UpperJaw[4][7];   // ridge to the mouth; column 0 on the body, 6 at the snout tip
extern const FishVertex g_Fish13LowerJaw[3][7];   // mouth to chin over columns 0 to 3 (3 the tip), then a barbel
extern const FishVertex g_Fish13Dorsal[2][4];     // root row, then the fin's edge
extern const FishVertex g_Fish13Keel[2][10];      // a low ridge on the tail stalk: root row, then its edge
extern const FishVertex g_Fish13Pectoral[2][23];  // root row, then the edge
extern const FishVertex g_Fish13Pelvic[2][9];     // the edge, then the root row
extern const FishVertex g_Fish13Anal[2][12];      // root row (two columns a root), then the edge
extern const FishVertex g_Fish13Tail[2][31];      // the edge from the upper tip through the fork to the lower, then the roots
extern const FishVertex g_Fish13Eye[3][7];        // rim, iris ring, centre; six sectors round
