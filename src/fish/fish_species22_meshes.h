// The mesh tables of species 22, the dwarf gourami (made by res/tools/gen_fish_meshes22.h).
// Rows of the body run from the back ridge (row 0) to the belly; point j of a
// body row lies at body segment j. Every table holds the y <= 0 side.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish22Body[9][14];
extern const FishVertex g_Fish22UpperJaw[5][4];     // column 0 on the body, column 3 at the snout
extern const FishVertex g_Fish22LowerJaw[4][4];
extern const FishVertex g_Fish22SpinyDorsal[2][5];  // root row, then the fin's edge
extern const FishVertex g_Fish22SoftDorsal[2][7];
extern const FishVertex g_Fish22Pectoral[2][14];    // root points each serve several columns
extern const FishVertex g_Fish22Feeler[2][7];       // the thread: its lower and upper edge, root to tip
extern const FishVertex g_Fish22Anal[5][11];
extern const FishVertex g_Fish22TailStalk[3][9];    // the body's last section, then in to the midline
extern const FishVertex g_Fish22Tail[2][9];         // root on the midline, then the fin's edge
extern const FishVertex g_Fish22Pupil[2][5];        // the upper and lower half of the pupil disc
extern const FishVertex g_Fish22EyeRing[2][10];     // inner and outer ring, the last column closing it
