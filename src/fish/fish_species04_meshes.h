// The mesh tables of species 4, the oscar (made by res/tools/gen_fish_meshes04.h).
// Every table holds the fish's -y half (or its midline); the class draws the
// +y half as the y-negated copy or twin. Rows of the body run from the back
// ridge (row 0) to the belly; point j of a body row lies at body segment j.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish04Body[9][18];
extern const FishVertex g_Fish04LowerJaw[4][4];  // column 0 on the body, column 3 at the chin
extern const FishVertex g_Fish04UpperJaw[6][3];  // column 0 on the body, column 2 at the lip
extern const FishVertex g_Fish04Dorsal[2][13];   // root row, then the fin's edge
extern const FishVertex g_Fish04Pectoral[2][21]; // 7 root points each serving three columns, then the edge
extern const FishVertex g_Fish04Pelvic[2][8];    // root row, then the fin's edge
extern const FishVertex g_Fish04Anal[2][9];      // root row, then the fin's edge
extern const FishVertex g_Fish04Tail[2][27];     // 9 root points each serving three columns, then the edge
extern const FishVertex g_Fish04Eye[3][9];       // centre (5 points, each two columns), iris ring, rim
